#pragma once
// Diagnostics: level 1 halts the program, any other level pauses the match.
#include <irrlicht.h>

enum MessageLevel : irr::u8 { MESSAGE_PAUSE = 0, MESSAGE_HALT = 1 };

// Prints the text (if any) and a line end, then "halting" and ends the
// process with status 1 (level 1), or "pausing" and sets `paused`.
void reportMessage(irr::u8 level, const char* text);

// Called, when set, after a halting message is printed and before the process
// ends: the sound sets it to let the final whistle be heard. Must return.
extern void (*beforeHalting)();
