#pragma once
// A word of the game's own over the commentary line (the sound's M, a saved
// screenshot): it stands for two seconds, then the match's line comes back,
// the one it replaced or the last the match wrote meanwhile.
#include <irrlicht.h>

constexpr irr::s32 NOTICE_MS = 2000;

// Puts `text` on the commentary line from clock reading `now` (ms) on.
void showNotice(const char* text, irr::s32 now);
// Once per drawn frame, after the ticks and before the HUD: keeps the notice
// up over whatever the match wrote, and takes it down when its time is up.
void holdNotice(irr::s32 now);
// No notice up, none remembered (tests).
void clearNotice();
