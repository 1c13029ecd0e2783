#pragma once
// The run's own state, shared by every floor: whether the loop goes on,
// whether the match stands still, the fixed tick, its number, and the clock.
#include <irrlicht.h>

// The match runs in ticks of a fixed length of game time on every machine,
// whatever the frame rate: 50 ticks a second of real time.
constexpr int TICK_MS = 20;

extern bool running; // the frame loop goes on while set; newGame sets it, Q clears it
extern bool paused;  // the match does not tick, drawing goes on; newGame clears it,
                     // P toggles it, a level-0 message sets it
// ms of game time every match tick moves things by: TICK_MS (only tests stop
// time with 0).
extern float tickStep;
// Match ticks started since start-up (a new game does not reset it): tick
// number n is the n-th. A command takes effect before tick matchTickNumber + 1.
extern long matchTickNumber;

// Whole milliseconds of wall time since the program started, monotonic.
irr::s32 readClock();
