#include "app/playback.h"

#include "app/frame_clock.h"
#include "app/replay.h"
#include "app/tick_driver.h"
#include "arena/bodies.h"
#include "core/playback.h"
#include "core/run_state.h"
#include "match/commands.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "match/match_stats.h"
#include "match/selection.h"
#include "ui/cameras.h"
#include "ui/sound.h"

bool goalReplays = false;

// 30 seconds of the game clock, a game second being 20 ticks.
static constexpr long SEEK_STEP_TICKS = 30 * 20;
// Seconds of play as watched at normal speed, 50 ticks each.
static constexpr int INSTANT_REPLAY_TICKS = 15 * 50;
static constexpr int GOAL_REPLAY_TICKS = 10 * 50;

// A replay keeps a copy of the match every so many ticks to seek from: every
// 500 ticks (10 game seconds) in a whole match of about 75,000 ticks, fewer
// in a longer recording, so the copies never pass SEEK_COPIES (1.2 MB).
static constexpr int SEEK_COPIES = 256;
static constexpr long SHORTEST_SEEK_INTERVAL = 500; // ticks
static MatchState seekCopies[SEEK_COPIES];
static int seekCopiesKept = 0; // copy i holds the match after tick i * seekInterval
static long seekInterval = SHORTEST_SEEK_INTERVAL;

// Live play keeps the match after each of its recent ticks, for an instant
// replay (4.9 MB): the copy after tick t is recent[t % RECENT_TICKS].
static constexpr int RECENT_TICKS = 1024;
static_assert(RECENT_TICKS > INSTANT_REPLAY_TICKS, "the ring holds a whole instant replay");
static MatchState recent[RECENT_TICKS];
static long firstRecentTick = 0; // the first tick kept this run, 0 while none
static long newestRecentTick = 0;

// While an instant replay shows: the live match aside, the tick shown.
static MatchState liveMatch;
static long shownTick = 0;
static int goalsSeen = 0;

void startPlayback()
{
    firstRecentTick = newestRecentTick = 0;
    seekCopiesKept = 0;
    recordingProgress = -1.0f;
    if (!replayingMatch())
        return;
    const long longest = (replayEndTick() + SEEK_COPIES - 2) / (SEEK_COPIES - 1);
    seekInterval = longest > SHORTEST_SEEK_INTERVAL ? longest : SHORTEST_SEEK_INTERVAL;
    keepMatchState(seekCopies[0]);
    seekCopiesKept = 1;
}

// ---- Live play ----------------------------------------------------------------

// Live ticks run one after another, so the ring holds every tick from the
// oldest it still has to the newest.
static void keepRecentTick()
{
    keepMatchState(recent[matchTickNumber % RECENT_TICKS]);
    if (firstRecentTick == 0)
        firstRecentTick = matchTickNumber;
    newestRecentTick = matchTickNumber;
}

static long oldestRecentTick()
{
    const long oldest = newestRecentTick - RECENT_TICKS + 1;
    return oldest > firstRecentTick ? oldest : firstRecentTick;
}

// A goal under automatic play is shown again before play goes on.
static bool goalToShow()
{
    if (matchStats.goals < goalsSeen) // a new game
        goalsSeen = matchStats.goals;
    if (matchStats.goals == goalsSeen)
        return false;
    goalsSeen = matchStats.goals;
    return goalReplays && autoPlay;
}

static void playLiveTicks(int ticks)
{
    for (; ticks > 0; --ticks) {
        if (runTicks(1, keepTickPoses) == 0)
            return;
        keepRecentTick();
        if (goalToShow() && !matchOver()) {
            startInstantReplay(GOAL_REPLAY_TICKS);
            return;
        }
    }
}

// While paused, one tick: the match resumes for it and pauses again, both
// as commands, so a recording holds the tick where it ran.
static void stepLive()
{
    if (!paused || matchOver())
        return;
    issueMatchCommand(matchCommand(COMMAND_PAUSE));
    if (runTicks(1, keepTickPoses) == 1)
        keepRecentTick();
    if (!paused)
        issueMatchCommand(matchCommand(COMMAND_PAUSE));
}

// ---- Instant replay -------------------------------------------------------------

static void jumped()
{
    forgetTickPoses();
    soundJumped();
    tickTimeOwed = 0.0f;
}

static void showRecent(long tick)
{
    shownTick = tick;
    restoreMatchState(recent[tick % RECENT_TICKS]);
}

bool startInstantReplay(int ticks)
{
    if (showingInstantReplay || replayingMatch() || firstRecentTick == 0)
        return false;
    keepMatchState(liveMatch);
    long first = newestRecentTick - ticks + 1;
    if (first < oldestRecentTick())
        first = oldestRecentTick();
    showingInstantReplay = true;
    watchingRecording = true;
    viewerPaused = false;
    viewerCameraMode = BALL_CHASE;
    showRecent(first);
    jumped();
    return true;
}

void endInstantReplay()
{
    if (!showingInstantReplay)
        return;
    restoreMatchState(liveMatch);
    showingInstantReplay = false;
    watchingRecording = false;
    viewerPaused = false;
    viewerCameraMode = -1;
    jumped();
}

// The next kept tick is shown; past the newest, the live match comes back.
static void showNextRecent()
{
    if (shownTick >= newestRecentTick) {
        endInstantReplay();
        return;
    }
    keepTickPoses();
    showRecent(shownTick + 1);
}

// ---- Replays ------------------------------------------------------------------------

static void keepSeekCopy()
{
    if (seekCopiesKept < SEEK_COPIES && matchTickNumber == seekCopiesKept * seekInterval)
        keepMatchState(seekCopies[seekCopiesKept++]);
}

static void playReplayTicks(int ticks)
{
    for (; ticks > 0; --ticks) {
        if (runTicks(1, keepTickPoses) == 0)
            return;
        keepSeekCopy();
    }
}

bool seekReplay(long target)
{
    if (!replayingMatch() || seekCopiesKept == 0)
        return false;
    if (target < 0)
        target = 0;
    if (target > replayEndTick())
        target = replayEndTick();
    int copy = static_cast<int>(target / seekInterval);
    if (copy > seekCopiesKept - 1)
        copy = seekCopiesKept - 1;
    // Running on from where the match stands is shorter when it stands between.
    if (matchTickNumber > target || matchTickNumber < copy * seekInterval) {
        restoreMatchState(seekCopies[copy]);
        rewindReplayTo(matchTickNumber);
    }
    while (matchTickNumber < target && !matchOver()) {
        if (runTicks(1) == 0)
            break; // the recorded match ran on here: a divergence, already said
        keepSeekCopy();
    }
    jumped();
    return true;
}

// ---- The frame and the keys -------------------------------------------------------------

void playFrameTicks()
{
    if (showingInstantReplay) {
        // The match's own pauses are part of what is shown, not a brake on it.
        for (int ticks = takeOwedTicks(); ticks > 0 && showingInstantReplay; --ticks)
            showNextRecent();
        return;
    }
    // A replay gives its commands first, even while paused: the recorded P
    // that resumed the match came before the next tick.
    if (replayingMatch()) {
        playReplayTo(matchTickNumber + 1);
        playReplayTicks(takeDueTicks());
        recordingProgress = replayEndTick() > 0 ? static_cast<float>(matchTickNumber) / replayEndTick() : 1.0f;
        return;
    }
    playLiveTicks(takeDueTicks());
}

float frameFraction()
{
    const bool still = paused || viewerPaused || (replayingMatch() && replayPlayedOut());
    return still ? 1.0f : tickTimeOwed / TICK_MS;
}

static bool changeSpeed(int step)
{
    if (step < SLOWEST_SPEED_STEP || step > FASTEST_SPEED_STEP)
        return false;
    matchSpeedStep = step;
    return true;
}

bool controlTime(ViewerAction action)
{
    const bool watching = showingInstantReplay || replayingMatch();
    switch (action) {
    case VIEWER_FASTER:
        return changeSpeed(matchSpeedStep + 1);
    case VIEWER_SLOWER:
        return changeSpeed(matchSpeedStep - 1);
    case VIEWER_NORMAL_SPEED:
        return changeSpeed(0);
    case VIEWER_PAUSE:
        if (!watching)
            return false;
        viewerPaused = !viewerPaused;
        return true;
    case VIEWER_STEP:
        if (showingInstantReplay) {
            if (viewerPaused)
                showNextRecent();
        } else if (replayingMatch()) {
            if (viewerPaused || paused) {
                playReplayTo(matchTickNumber + 1);
                playReplayTicks(1);
            }
        } else {
            stepLive();
        }
        return true;
    case VIEWER_STEP_BACK:
        if (showingInstantReplay) {
            if (shownTick > oldestRecentTick()) {
                showRecent(shownTick - 1);
                jumped();
            }
            return true;
        }
        // Live, the past is not rewritten.
        return replayingMatch() && matchTickNumber > 0 && seekReplay(matchTickNumber - 1);
    case VIEWER_SEEK_FORWARD:
        return seekReplay(matchTickNumber + SEEK_STEP_TICKS);
    case VIEWER_SEEK_BACK:
        return seekReplay(matchTickNumber - SEEK_STEP_TICKS);
    case VIEWER_SEEK_START:
        return seekReplay(0);
    case VIEWER_SEEK_END:
        return seekReplay(replayEndTick());
    case VIEWER_INSTANT_REPLAY:
        if (showingInstantReplay) {
            endInstantReplay();
            return true;
        }
        return startInstantReplay(INSTANT_REPLAY_TICKS);
    default:
        return false;
    }
}
