#pragma once
// The frame loop: frame-time measurement, the match ticks the real time calls
// for, the cameras, drawing between the last two ticks, the caption, and the
// exit statistics.
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

// The rest of a counted pass: the ticks due at the match's speed (of the live
// match, a recording or an instant replay; none while paused), cameras,
// scene and HUD drawn between the last two ticks, caption. At the final
// whistle the result is told and shown; once the user has answered it, the
// run ends there with "Game Over!".
void simulateAndDraw();

// How many ticks the owed time calls for, at most MAX_TICKS_PER_PASS times
// the speed (times 1 below normal speed), taken off it; whole ticks beyond
// the cap are dropped. None while the match or the viewer is paused.
int takeDueTicks();
// The same whether the match is paused or not: for an instant replay, which
// shows the match's pauses as they were.
int takeOwedTicks();


// Runs passes while the device runs and `running` is set. With `maxFps`
// (frames a second, 0 for no bound) a pass that comes early sleeps until its
// frame is due; the match's ticks follow the real time either way.
void runFrameLoop(unsigned maxFps = 0);

// Frame pacing: the microseconds to sleep at steady clock reading `now` (us)
// before the next pass, for frames `period` us apart (0: never); `due` is
// the time the next frame is due, 0 before the first, and moves on.
long long paceDelay(long long now, long long& due, long long period);

// Writes the caption when the frame rate differs from the one last written;
// true when it was written.
bool updateCaption();
// The caption as last written.
const wchar_t* windowCaption();
// Forgets the last written frame rate, so the next drawn pass writes the caption.
void resetCaption();

void printFrameStatistics();
