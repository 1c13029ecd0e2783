#include "app/frame_clock.h"

#include <cmath>
#include <cstring>

#include "core/playback.h"

irr::s32 ps_array[FRAME_HISTOGRAM_SIZE];
irr::s32 frameTimeSum = 0;
irr::s32 frameCount = 0;
float averageFrameTime = 0.0f;
irr::s32 lastClock = 0;
float tickTimeOwed = 0.0f;

void clearFrameStatistics(irr::s32 now)
{
    frameTimeSum = 0;
    frameCount = 0;
    memset(ps_array, 0, sizeof ps_array);
    lastClock = now;
    tickTimeOwed = 0;
}

bool countFrame(irr::s32 now)
{
    const irr::s32 dt = now - lastClock;
    lastClock = now;
    // A clock that steps back is treated like an endless stall: recorded nowhere.
    if (dt < 0 || dt >= FRAME_HISTOGRAM_SIZE)
        return false;
    ++ps_array[dt];
    // dt 0 spins until the clock moves; 100 ms and more is a stall, dropped whole.
    if (dt == 0 || dt > LONGEST_COUNTED_FRAME)
        return false;
    frameTimeSum += dt;
    frameCount += 1;
    averageFrameTime = static_cast<float>(static_cast<double>(frameTimeSum) / frameCount);
    // Whole milliseconds times a power of two: exact in single precision.
    tickTimeOwed += static_cast<float>(dt) * matchSpeed();
    return true;
}

int takeDueTicks()
{
    if (paused) {
        tickTimeOwed = 0.0f;
        return 0;
    }
    return takeOwedTicks();
}

int takeOwedTicks()
{
    if (viewerPaused) {
        tickTimeOwed = 0.0f;
        return 0;
    }
    const float speed = matchSpeed();
    const int cap = speed > 1.0f ? static_cast<int>(MAX_TICKS_PER_PASS * speed) : MAX_TICKS_PER_PASS;
    int ticks = static_cast<int>(tickTimeOwed / TICK_MS);
    if (ticks > cap)
        ticks = cap;
    tickTimeOwed -= static_cast<float>(ticks * TICK_MS);
    tickTimeOwed = std::fmod(tickTimeOwed, static_cast<float>(TICK_MS));
    return ticks;
}
