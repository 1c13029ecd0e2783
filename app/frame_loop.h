#pragma once
// The frame loop: frame-time measurement, the match tick, the cameras, drawing,
// the caption, and the exit statistics.
#include <irrlicht.h>

constexpr int FRAME_HISTOGRAM_SIZE = 100000; // entries, one per whole millisecond
constexpr int LONGEST_COUNTED_FRAME = 99;    // ms; longer stalls are dropped whole

extern bool running;          // loop goes on while set; newGame sets it, the Q key clears it
extern bool paused;           // stops the match tick, drawing goes on; newGame clears it
extern irr::s32 ps_array[FRAME_HISTOGRAM_SIZE]; // frame-time histogram, cleared at start-up
extern irr::s32 frameTimeSum; // ms, over counted frames (1..99 ms)
extern irr::s32 frameCount;   // counted frames
extern float averageFrameTime; // ms; the time step of every tick
extern irr::s32 lastClock;    // ms, clock reading at the previous pass

// Clears the histogram and the average and takes the clock as the last reading.
void clearFrameStatistics(irr::s32 now);

// Measures one pass at clock reading `now` (ms): counts the frame time in the
// histogram and the average. True when the pass goes on to simulate and draw.
bool countFrame(irr::s32 now);

// The rest of a counted pass: match tick (unless paused), cameras, scene, HUD, caption.
void simulateAndDraw();

// Whole milliseconds of wall time since the program started, monotonic.
irr::s32 readClock();

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
