// Skorvane: a violent team sport on a banked indoor track.
#include <cstdio>
#include <ctime>

#include "app/frame_loop.h"
#include "app/match_told.h"
#include "app/options.h"
#include "app/playback.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/tick_driver.h"
#include "core/engine.h"
#include "core/message.h"
#include "ui/director.h"
#include "ui/match_chart.h"
#include "ui/sound.h"

// At a normal end (Q, the window closed, the final whistle) the choices of
// this run are kept for the next; a fault's halt keeps the file as it was.
static void keepSettings()
{
    if (gameOptions.defaults)
        return;
    GameOptions kept = gameOptions;
    kept.noSound = soundMuted();
    writeSettings(settingsPath(), kept);
}

// At the end of the run, however it ends: the recording gets its final
// digest, and a replay that has played out gives its verdict (one stopped
// early by Q has nothing to judge).
static void endMatchRecords(const char*)
{
    finishRecording();
    if (replayingMatch() && matchTickNumber >= replayEndTick())
        finishReplay();
}

// A level-1 halt: the final whistle is a normal end, any other a fault.
static void endRunByHalt(const char* text)
{
    endMatchRecords(text);
    if (matchOver())
        keepSettings();
}

int main(int argc, char** argv)
{
    const int status = readGameOptions(argc, argv);
    if (status >= 0)
        return status;
    if (!gameOptions.defaults)
        readSettings(settingsPath(), gameOptions);
    // A file that cannot be used stops the game before its window opens.
    if (gameOptions.chartPath && !canWriteChart(gameOptions.chartPath)) {
        fprintf(stderr, "skorvane: cannot write the chart to '%s'\n", gameOptions.chartPath);
        return BAD_OPTIONS_STATUS;
    }
    if (gameOptions.replayPath && !loadReplay(gameOptions.replayPath, "skorvane"))
        return BAD_OPTIONS_STATUS;
    if (gameOptions.recordPath && !openRecording(gameOptions.recordPath))
        return BAD_OPTIONS_STATUS;
    const unsigned seed = replayingMatch() ? replaySeed() : static_cast<unsigned>(time(0));
    startUp(seed);
    startRecording(seed);
    haltHooks[HALT_HOOK_RECORDS] = endRunByHalt;
    goalReplays = gameOptions.goalReplays;
    directorSaysCuts = gameOptions.verbose;
    if (gameOptions.director)
        toggleDirector();
    startPlayback();
    // Last before the loop, so the first pass measures a frame and not the
    // sound's start or the recording's opening.
    clearFrameStatistics(readClock());
    runFrameLoop(gameOptions.maxFps);
    // The live match, not a moment of its past, is what the recording ends on.
    endInstantReplay();
    // The window closed on the result: the end of a match as defined.
    if (matchOver())
        reportMessage(MESSAGE_HALT, "Game Over!");
    tellMatchSoFar();
    endMatchRecords(0);
    keepSettings();
    printFrameStatistics();
    stopSound();
    // The engine's nodes, meshes and textures go with the device.
    device->drop();
    return 0;
}
