#pragma once
// The frame loop: frame-time measurement, the match ticks the real time calls
// for, the cameras, drawing between the last two ticks, the caption, and the
// exit statistics.
#include <irrlicht.h>

#include "core/run_state.h"

constexpr int FRAME_HISTOGRAM_SIZE = 100000; // entries, one per whole millisecond
constexpr int LONGEST_COUNTED_FRAME = 99;    // ms; longer stalls are dropped whole

// The most ticks one pass runs: the 99 ms of the longest counted frame plus
// the part of a tick left over from the pass before. More is dropped, as a
// stall of 100 ms is.
constexpr int MAX_TICKS_PER_PASS = 5;

extern irr::s32 ps_array[FRAME_HISTOGRAM_SIZE]; // frame-time histogram, cleared at start-up
extern irr::s32 frameTimeSum; // ms, over counted frames (1..99 ms)
extern irr::s32 frameCount;   // counted frames
extern float averageFrameTime; // ms, the average drawn frame; the caption's "avg:"
extern irr::s32 lastClock;    // ms, clock reading at the previous pass
// Real time (ms) the match has not yet run: each counted frame adds its
// time, each tick takes TICK_MS; cleared with the frame statistics and while
// paused, so a pause is not made up afterwards.
extern irr::s32 tickTimeOwed;

// Clears the histogram and the average and takes the clock as the last reading.
void clearFrameStatistics(irr::s32 now);

// Measures one pass at clock reading `now` (ms): counts the frame time in the
// histogram and the average. True when the pass goes on to simulate and draw.
bool countFrame(irr::s32 now);

// The rest of a counted pass: the match ticks due (unless paused), cameras,
// scene and HUD drawn between the last two ticks, caption. At the final
// whistle the run ends there with "Game Over!".
void simulateAndDraw();

// How many ticks the owed time calls for, at most MAX_TICKS_PER_PASS, taken
// off it; whole ticks beyond the cap are dropped. None while paused.
int takeDueTicks();


// Runs passes while the device runs and `running` is set.
void runFrameLoop();

// Writes the caption when the frame rate differs from the one last written;
// true when it was written.
bool updateCaption();
// The caption as last written.
const wchar_t* windowCaption();
// Forgets the last written frame rate, so the next drawn pass writes the caption.
void resetCaption();

void printFrameStatistics();
