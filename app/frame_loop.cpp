#include "app/frame_loop.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwchar>

#include "app/match_told.h"
#include "app/playback.h"
#include "app/tick_driver.h"
#include "arena/bodies.h"
#include "arena/scoreboard.h"
#include "arena/stadium.h"
#include "core/engine.h"
#include "core/message.h"
#include "core/playback.h"
#include "app/screenshot.h"
#include "ui/cameras.h"
#include "ui/director.h"
#include "ui/help_panel.h"
#include "ui/hud.h"
#include "ui/notice.h"
#include "ui/result_panel.h"
#include "ui/sound.h"


// Frame rate last written to the caption; -1 so the first drawn pass writes it.
static int captionFps = -1;
static wchar_t captionText[1024];

static const irr::video::SColor BACKGROUND(255, 63, 63, 63);

void simulateAndDraw()
{
    playFrameTicks();
    direct(matchTickNumber);
    // The final whistle: the result on the console and over the frozen
    // arena, until the user answers it (a new game takes it away).
    if (!matchOver())
        hideResultPanel();
    else if (!resultPanelShown)
        tellFinalWhistle();
    // The normal end of a match: the recording's end line, the verdict of a
    // replay and the last whistle come first, through the halt's hooks.
    if (resultPanelDismissed)
        reportMessage(MESSAGE_HALT, "Game Over!");
    // Drawn one tick behind real time, so there is always a next state to
    // draw toward; a match that stands still is drawn where it stands.
    poseBodies(frameFraction());
    showScoreboards();
    // The cameras follow even while paused, so the user can look around; they
    // follow the drawn scene.
    updateCamera();
    // After the ticks, however many ran, and after the camera the listener follows.
    updateSound();
    // After the ticks, so a line the match wrote over a notice is held back.
    holdNotice(readClock());
    driver->beginScene(true, true, BACKGROUND);
    sceneManager->drawAll();
    // Behind all the scene's other nodes, after them.
    drawArenaShell();
    // After the 3D scene, so the HUD lies on top, and the help over both.
    updateHud();
    drawHelpPanel();
    drawResultPanel();
    // The back buffer, everything drawn: after endScene it reads black.
    saveWantedScreenshot();
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

// Microseconds of a steady clock, for pacing: finer than readClock's ms.
static long long steadyMicroseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000;
}

long long paceDelay(long long now, long long& due, long long period)
{
    if (period <= 0)
        return 0;
    // A frame that came late starts the count afresh: time lost is not made
    // up with a burst of frames.
    if (due == 0 || now - due > period)
        due = now;
    const long long delay = due > now ? due - now : 0;
    due += period;
    return delay;
}

void runFrameLoop(unsigned maxFps)
{
    const long long period = maxFps ? 1000000LL / maxFps : 0; // us
    long long due = 0;
    // run() is asked first on every pass: it delivers the input events, so a
    // key takes effect in the same pass.
    while (device->run() && running) {
        if (countFrame(readClock()))
            simulateAndDraw();
        // The sleep comes after drawing and before run(), so the keys of the
        // next frame are read as late as they can be. The frame times the
        // statistics count include it: they measure the frames as drawn.
        if (const long long delay = paceDelay(steadyMicroseconds(), due, period)) {
            const timespec pause = {static_cast<time_t>(delay / 1000000), static_cast<long>(delay % 1000000) * 1000};
            nanosleep(&pause, 0);
        }
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
