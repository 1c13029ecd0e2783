#pragma once
// The frame loop: frame-time measurement, the match ticks the real time calls
// for, the cameras, drawing between the last two ticks, the caption, and the
// exit statistics.
#include <irrlicht.h>

#include "app/frame_clock.h"

// The rest of a counted pass: the ticks due at the match's speed (of the live
// match, a recording or an instant replay; none while paused), cameras,
// scene and HUD drawn between the last two ticks, caption. At the final
// whistle the result is told and shown; once the user has answered it, the
// run ends there with "Game Over!".
void simulateAndDraw();

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
