#pragma once
// The frame clock: each drawn pass's time measured into the histogram and the
// average, and turned into the game time the match owes, which the ticks
// take. The frame loop, the playback and the headless runner all pace their
// ticks by it.
#include <irrlicht.h>

#include "core/run_state.h"

constexpr int FRAME_HISTOGRAM_SIZE = 100000; // entries, one per whole millisecond
constexpr int LONGEST_COUNTED_FRAME = 99;    // ms; longer stalls are dropped whole

// The most ticks one pass runs at normal speed: the 99 ms of the longest
// counted frame plus the part of a tick left over from the pass before. More
// is dropped, as a stall of 100 ms is. Faster, the cap grows with the speed.
constexpr int MAX_TICKS_PER_PASS = 5;

extern irr::s32 ps_array[FRAME_HISTOGRAM_SIZE]; // frame-time histogram, cleared at start-up
extern irr::s32 frameTimeSum; // ms, over counted frames (1..99 ms)
extern irr::s32 frameCount;   // counted frames
extern float averageFrameTime; // ms, the average drawn frame; the caption's "avg:"
extern irr::s32 lastClock;    // ms, clock reading at the previous pass
// Game time (ms) the match has not yet run: each counted frame adds its time
// times the match's speed, each tick takes TICK_MS; cleared with the frame
// statistics and while paused, so a pause is not made up afterwards.
extern float tickTimeOwed;

// Clears the histogram and the average and takes the clock as the last reading.
void clearFrameStatistics(irr::s32 now);

// Measures one pass at clock reading `now` (ms): counts the frame time in the
// histogram and the average. True when the pass goes on to simulate and draw.
bool countFrame(irr::s32 now);

// How many ticks the owed time calls for, at most MAX_TICKS_PER_PASS times
// the speed (times 1 below normal speed), taken off it; whole ticks beyond
// the cap are dropped. None while the match or the viewer is paused.
int takeDueTicks();
// The same whether the match is paused or not: for an instant replay, which
// shows the match's pauses as they were.
int takeOwedTicks();
