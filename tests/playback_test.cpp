// The viewer's hold on time: one tick on while paused, one tick back and
// jumps in a recording, the instant replay of the live match. The match is
// the same whatever the viewer does.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/frame_loop.h"
#include "app/headless_match.h"
#include "app/playback.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/startup.h"
#include "app/tick_driver.h"
#include "core/commentary.h"
#include "core/engine.h"
#include "core/playback.h"
#include "core/random.h"
#include "match/commands.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "match/selection.h"
#include "test_support.h"
#include "ui/cameras.h"
#include "ui/input.h"

namespace {

constexpr unsigned SEED = 4242;
constexpr long PLAYED_TICKS = 6000; // two game minutes and a half

class PlaybackTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        path = std::string("/tmp/skorvane-playback-test-") + std::to_string(getpid()) + ".rec";
    }

    void TearDown() override
    {
        endInstantReplay();
        closeReplay();
        std::remove(path.c_str());
        NullDeviceTest::TearDown();
    }

    // A fresh game on a fresh device, as start-up leaves it before the first frame.
    void newGameOnDevice()
    {
        rebuildGame();
        seedRandom(SEED);
        startPlayback();
        clearFrameStatistics(0);
    }

    // Both teams out under automatic play, as a user starts a match.
    static void startMatch()
    {
        for (CommandKind kind : {COMMAND_AUTO_PLAY, COMMAND_LEAVE_SEAT, COMMAND_SWITCH_TEAM, COMMAND_LEAVE_SEAT})
            issueMatchCommand(matchCommand(kind, 0, true));
    }

    // Frames of 20 ms until tick `last`, or as many frames as that would take
    // at normal speed while nothing runs.
    static void playFramesTo(long last)
    {
        irr::s32 now = lastClock;
        for (long frames = last - matchTickNumber + 10; frames > 0 && matchTickNumber < last && !matchOver();
             --frames) {
            if (countFrame(now += 20))
                simulateAndDraw();
        }
    }

    static void playFrames(int frames)
    {
        irr::s32 now = lastClock;
        for (; frames > 0; --frames)
            if (countFrame(now += 20))
                simulateAndDraw();
    }

    static bool key(irr::EKEY_CODE code) { return sendKey(code); }

    // A recorded match of PLAYED_TICKS ticks, and the recording loaded to play back.
    void recordAndLoad()
    {
        ASSERT_TRUE(openRecording(path.c_str()));
        newGameOnDevice();
        startRecording(SEED);
        captureStdout([] {
            startMatch();
            playFramesTo(PLAYED_TICKS);
        });
        finishRecording();
        closeReplay();
        ASSERT_TRUE(loadReplay(path.c_str(), "test"));
        newGameOnDevice();
    }

    std::string path;
};

TEST_F(PlaybackTest, WhilePausedADotRunsOneTickAndTheRecordingHoldsItAsItRan)
{
    ASSERT_TRUE(openRecording(path.c_str()));
    newGameOnDevice();
    startRecording(SEED);
    captureStdout([] {
        startMatch();
        playFramesTo(300);
        ASSERT_TRUE(key(irr::KEY_KEY_P));
        ASSERT_TRUE(paused);
        playFramesTo(400); // nothing runs while paused
    });
    ASSERT_EQ(300, matchTickNumber);
    EXPECT_FALSE(key(irr::KEY_COMMA)) << "the live match's past is not rewritten";
    EXPECT_EQ(300, matchTickNumber);
    for (long tick = 301; tick <= 303; ++tick) {
        captureStdout([] { key(irr::KEY_PERIOD); });
        EXPECT_EQ(tick, matchTickNumber);
        EXPECT_TRUE(paused);
    }
    captureStdout([] {
        key(irr::KEY_KEY_P);
        playFramesTo(500);
    });
    finishRecording();
    const std::uint64_t end = matchDigest();

    closeReplay();
    ASSERT_TRUE(loadReplay(path.c_str(), "test"));
    newGameOnDevice();
    int verdict = -1;
    captureStdout([&] { verdict = playReplay(); });
    EXPECT_EQ(0, verdict);
    EXPECT_EQ(end, matchDigest());
}

TEST_F(PlaybackTest, ACommaInARecordingGoesBackOneTickAndJumpsKeepItTheSameMatch)
{
    recordAndLoad();
    captureStdout([] { playFramesTo(2345); });
    ASSERT_EQ(2345, matchTickNumber);
    const std::uint64_t before = matchDigest();
    captureStdout([] { playFramesTo(2346); });
    captureStdout([] { EXPECT_TRUE(key(irr::KEY_COMMA)); });
    EXPECT_EQ(2345, matchTickNumber);
    EXPECT_EQ(before, matchDigest());

    // Forward past what was played (copies built on the way), back, to the
    // start, to the end: the match at each place is the match as recorded.
    std::string said = captureStdout([] {
        key(irr::KEY_NEXT);
        key(irr::KEY_NEXT);
    });
    EXPECT_EQ(2345 + 2 * 600, matchTickNumber);
    said += captureStdout([] { key(irr::KEY_KEY_V); key(irr::KEY_PRIOR); });
    EXPECT_EQ(2345 + 600, matchTickNumber);
    said += captureStdout([] { key(irr::KEY_HOME); });
    EXPECT_EQ(0, matchTickNumber);
    said += captureStdout([] { key(irr::KEY_END); });
    EXPECT_EQ(PLAYED_TICKS, matchTickNumber);
    said += captureStdout([] {
        key(irr::KEY_PRIOR);
        playFramesTo(PLAYED_TICKS);
        playFrames(3); // past the end: the recording has played out
    });
    EXPECT_EQ(std::string::npos, said.find("diverged")) << said;
    EXPECT_NE(std::string::npos, said.find("replay: the same match")) << said;
    EXPECT_EQ(0, replayDivergedAt());
    EXPECT_TRUE(replayPlayedOut());
    EXPECT_STREQ("end of the recording", getCommentary());
}

TEST_F(PlaybackTest, AReplayPausedByTheViewerStepsOnATickAtATime)
{
    recordAndLoad();
    captureStdout([] { playFramesTo(100); });
    EXPECT_TRUE(key(irr::KEY_KEY_P));
    EXPECT_TRUE(viewerPaused);
    EXPECT_FALSE(paused) << "the match's own pause is the recording's";
    captureStdout([] { playFrames(20); });
    EXPECT_EQ(100, matchTickNumber);
    captureStdout([] { key(irr::KEY_PERIOD); });
    EXPECT_EQ(101, matchTickNumber);
    captureStdout([] { playFrames(1); });
    EXPECT_FLOAT_EQ(101.0f / PLAYED_TICKS, recordingProgress);
}

TEST_F(PlaybackTest, AnInstantReplayShowsThePastAndLeavesTheLiveMatchAsItStood)
{
    newGameOnDevice();
    captureStdout([] {
        startMatch();
        playFramesTo(3000);
    });
    const std::uint64_t live = matchDigest();
    const char selected = selectedTeam;
    ASSERT_TRUE(key(irr::KEY_KEY_G));
    EXPECT_TRUE(showingInstantReplay);
    EXPECT_EQ(3000 - 750 + 1, matchTickNumber) << "the last 15 seconds of play";
    EXPECT_EQ(BALL_CHASE, shownCameraMode());

    // The user's match commands are ignored; V turns only the view.
    EXPECT_FALSE(key(irr::KEY_KEY_B));
    EXPECT_FALSE(key(irr::KEY_TAB));
    EXPECT_TRUE(key(irr::KEY_KEY_V));
    captureStdout([] { playFrames(100); });
    EXPECT_EQ(3000 - 750 + 101, matchTickNumber);
    EXPECT_TRUE(key(irr::KEY_COMMA));
    EXPECT_EQ(3000 - 750 + 100, matchTickNumber);

    // A second G: back to the live match exactly where it stood.
    ASSERT_TRUE(key(irr::KEY_KEY_G));
    EXPECT_FALSE(showingInstantReplay);
    EXPECT_EQ(3000, matchTickNumber);
    EXPECT_EQ(live, matchDigest());
    EXPECT_EQ(selected, selectedTeam);
    EXPECT_EQ(cameraMode, shownCameraMode());

    // Played out to its end, it comes back by itself.
    ASSERT_TRUE(startInstantReplay(50));
    int frames = 0;
    captureStdout([&] {
        for (; showingInstantReplay && frames < 60; ++frames)
            playFrames(1);
    });
    EXPECT_FALSE(showingInstantReplay);
    EXPECT_EQ(50, frames);
    EXPECT_EQ(live, matchDigest());
}

TEST_F(PlaybackTest, UnderAutomaticPlayEveryGoalIsShownAgainBeforePlayGoesOn)
{
    goalReplays = true;
    newGameOnDevice();
    long goalTick = 0; // a frame of 20 ms runs one tick: the goal's is the one after the last frame's
    captureStdout([&] {
        startMatch();
        for (int frames = 0; frames < 40000 && !showingInstantReplay; ++frames) {
            goalTick = matchTickNumber + 1;
            playFrames(1);
        }
    });
    goalReplays = false;
    ASSERT_TRUE(showingInstantReplay) << "no goal in 40000 ticks";
    EXPECT_EQ(0, matchStats.goals) << "the replay starts 10 seconds of play before the goal";
    EXPECT_EQ(goalTick - 500 + 1, matchTickNumber);
    captureStdout([] { playFrames(500); });
    EXPECT_FALSE(showingInstantReplay);
    EXPECT_EQ(goalTick, matchTickNumber) << "the live match goes on from the goal";
}

} // namespace
