#pragma once
// Diagnostics: level 1 halts the program, any other level pauses the match.
#include <irrlicht.h>

enum MessageLevel : irr::u8 { MESSAGE_PAUSE = 0, MESSAGE_HALT = 1 };

// Prints the text (if any) and a line end, then "halting" and ends the
// process with status 1 (level 1), or "pausing" and sets `paused`.
void reportMessage(irr::u8 level, const char* text);

// Work to finish when a level-1 message ends the program, after its text is
// printed and before "halting", in this order: the match records (a
// recording writes its end, a replay gives its verdict), then the sound (the
// final whistle is let sound), then the report of a headless runner, which
// gives the console back. Each is called at most once, with the message's
// text (or null), and must return; null slots are skipped.
enum HaltHook { HALT_HOOK_RECORDS, HALT_HOOK_SOUND, HALT_HOOK_REPORT, HALT_HOOK_COUNT };
extern void (*haltHooks[HALT_HOOK_COUNT])(const char* text);
