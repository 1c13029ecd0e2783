// Skorvane: a violent team sport on a banked indoor track.
#include <ctime>

#include "app/frame_loop.h"
#include "app/options.h"
#include "app/playback.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/startup.h"
#include "core/engine.h"
#include "core/message.h"
#include "ui/sound.h"

// At the end of the run, however it ends: the recording gets its final
// digest, and a replay that has played out gives its verdict (one stopped
// early by Q has nothing to judge).
static void endMatchRecords(const char*)
{
    finishRecording();
    if (replayingMatch() && matchTickNumber >= replayEndTick())
        finishReplay();
}

int main(int argc, char** argv)
{
    const int status = readGameOptions(argc, argv);
    if (status >= 0)
        return status;
    // A file that cannot be used stops the game before its window opens.
    if (gameOptions.replayPath && !loadReplay(gameOptions.replayPath, "skorvane"))
        return BAD_OPTIONS_STATUS;
    if (gameOptions.recordPath && !openRecording(gameOptions.recordPath))
        return BAD_OPTIONS_STATUS;
    const unsigned seed = replayingMatch() ? replaySeed() : static_cast<unsigned>(time(0));
    startUp(seed);
    startRecording(seed);
    haltHooks[HALT_HOOK_RECORDS] = endMatchRecords;
    // Last before the loop, so the first pass measures a frame and not the
    // sound's start or the recording's opening.
    goalReplays = gameOptions.goalReplays;
    startPlayback();
    clearFrameStatistics(readClock());
    runFrameLoop();
    // The live match, not a moment of its past, is what the recording ends on.
    endInstantReplay();
    endMatchRecords(0);
    printFrameStatistics();
    stopSound();
    // The engine's nodes, meshes and textures go with the device.
    device->drop();
    return 0;
}
