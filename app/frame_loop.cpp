#include "app/frame_loop.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/replay.h"
#include "app/tick_driver.h"
#include "arena/bodies.h"
#include "arena/scoreboard.h"
#include "core/engine.h"
#include "core/message.h"
#include "ui/cameras.h"
#include "ui/hud.h"
#include "ui/sound.h"

irr::s32 ps_array[FRAME_HISTOGRAM_SIZE];
irr::s32 frameTimeSum = 0;
irr::s32 frameCount = 0;
float averageFrameTime = 0.0f;
irr::s32 lastClock = 0;
irr::s32 tickTimeOwed = 0;

// Frame rate last written to the caption; -1 so the first drawn pass writes it.
static int captionFps = -1;
static wchar_t captionText[1024];

static const irr::video::SColor BACKGROUND(255, 63, 63, 63);

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
    tickTimeOwed += dt;
    return true;
}

int takeDueTicks()
{
    if (paused) {
        tickTimeOwed = 0;
        return 0;
    }
    int ticks = tickTimeOwed / TICK_MS;
    if (ticks > MAX_TICKS_PER_PASS)
        ticks = MAX_TICKS_PER_PASS;
    tickTimeOwed -= ticks * TICK_MS;
    tickTimeOwed %= TICK_MS;
    return ticks;
}

// The ticks the real time owed calls for. A replay gives its commands first,
// even while paused: the recorded P that resumed the match came before the
// next tick.
static void runDueTicks()
{
    if (replayingMatch())
        playReplayTo(matchTickNumber + 1);
    runTicks(takeDueTicks(), keepTickPoses);
    // The normal end of a match: the recording's end line, the verdict of a
    // replay and the last whistle come first, through the halt's hooks.
    if (matchOver())
        reportMessage(MESSAGE_HALT, "Game Over!");
}

void simulateAndDraw()
{
    runDueTicks();
    // Drawn one tick behind real time, so there is always a next state to
    // draw toward; a match that stands still is drawn where it stands.
    const bool still = paused || (replayingMatch() && replayPlayedOut());
    const float fraction = still ? 1.0f : static_cast<float>(tickTimeOwed) / TICK_MS;
    poseBodies(fraction);
    showScoreboards();
    // The cameras follow even while paused, so the user can look around; they
    // follow the drawn scene.
    updateCamera();
    // After the ticks, however many ran, and after the camera the listener follows.
    updateSound();
    driver->beginScene(true, true, BACKGROUND);
    sceneManager->drawAll();
    // After the 3D scene, so the HUD lies on top.
    updateHud();
    driver->endScene();
    updateCaption();
}

bool updateCaption()
{
    const int fps = driver->getFPS();
    if (fps == captionFps)
        return false;
    swprintf(captionText, sizeof captionText / sizeof captionText[0],
             L"Skorvane A0.85 [%ls] fps:%d avg:%2.1f", driver->getName(), fps,
             static_cast<double>(frameTimeSum) / frameCount);
    device->setWindowCaption(captionText);
    captionFps = fps;
    return true;
}

const wchar_t* windowCaption()
{
    return captionText;
}

void resetCaption()
{
    captionFps = -1;
}

void runFrameLoop()
{
    // run() is asked first on every pass: it delivers the input events, so a
    // key takes effect in the same pass.
    while (device->run() && running) {
        if (countFrame(readClock()))
            simulateAndDraw();
    }
}

void printFrameStatistics()
{
    long count = 0, sum = 0, lo = 0, hi = 0;
    for (long i = 0; i < FRAME_HISTOGRAM_SIZE; ++i) {
        if (ps_array[i] == 0)
            continue;
        // Distinct frame times: each value counts once, whatever its frequency.
        ++count;
        sum += i;
        hi = i;
        if (lo == 0)
            lo = i;
    }
    printf("\ncount=%ld lo=%ld hi=%ld avg=%f\n", count, lo, hi,
           static_cast<double>(sum) / static_cast<double>(count));
    if (count < 20) {
        for (long i = 1; i < FRAME_HISTOGRAM_SIZE; ++i)
            if (ps_array[i] != 0)
                printf("\ni=%ld ps_array[]=%ld", i, static_cast<long>(ps_array[i]));
    }
    fflush(stdout);
}
