// The director over whole seeded matches: it cuts by the play within its
// rules, follows every run for goal, and the match it watches is the match
// nobody watches.
#include <cstdint>

#include "app/startup.h"
#include "app/tick_driver.h"
#include "core/engine.h"
#include "core/random.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/commands.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "match/selection.h"
#include "players/player.h"
#include "test_support.h"
#include "ui/cameras.h"
#include "ui/director.h"
#include "ui/input.h"

namespace {

class DirectorTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        useDevice(device);
        captureStdout([] { buildGame(); });
        directorOn = directorSuspended = false;
        resetDirector();
    }
    void TearDown() override
    {
        directorOn = directorSuspended = false;
        resetDirector();
        NullDeviceTest::TearDown();
    }

    static void startPlay(unsigned seed)
    {
        clearMatchState();
        seedRandom(seed);
        newGame();
        executeCommand(matchCommand(COMMAND_AUTO_PLAY));
    }

    // What the director did over one whole match, looked at after every tick.
    struct Watch {
        long cuts = 0;
        long shortestShot = 1L << 30; // ticks, between two cuts
        long longestShot = 0;
        int modesShown[4] = {};
        int runsFollowed = 0; // runs for goal long enough to be followed
        int runsMissed = 0;
        std::uint64_t digest = 0;
    };

    static Watch playWatched(unsigned seed, bool withDirector)
    {
        Watch w;
        startPlay(seed);
        directorOn = directorSuspended = false;
        if (withDirector)
            toggleDirector();
        DirectorShot last = {-1, 0, -1};
        long lastCut = 0;
        const Player* scorer = 0;
        long runStart = 0;
        bool runChecked = false;
        while (!matchOver() && matchTickNumber < 200000) {
            if (paused)
                paused = false;
            runTicks(1);
            direct(matchTickNumber);
            updateCamera();
            if (!withDirector)
                continue;
            EXPECT_TRUE(directing());
            const DirectorShot shot = directorShot();
            if (shot != last) {
                if (w.cuts > 0) {
                    const long held = matchTickNumber - lastCut;
                    w.shortestShot = held < w.shortestShot ? held : w.shortestShot;
                    w.longestShot = held > w.longestShot ? held : w.longestShot;
                }
                ++w.cuts;
                lastCut = matchTickNumber;
                last = shot;
            }
            ++w.modesShown[shownCameraMode()];
            // A run for goal, once the shot before it has had its 3 s, is
            // watched from behind the scorer.
            const Player* running = ball.holder && ball.holder->path == TRYING_TO_SCORE ? ball.holder : 0;
            if (running != scorer) {
                scorer = running;
                runStart = matchTickNumber;
                runChecked = false;
            }
            if (scorer && matchTickNumber - runStart >= SHORTEST_SHOT_TICKS && !runChecked) {
                runChecked = true;
                if (shownCameraMode() == PLAYER_CHASE && &chasedPlayer() == scorer)
                    ++w.runsFollowed;
                else
                    ++w.runsMissed;
            }
            if (scorer && runChecked) {
                EXPECT_EQ(scorer, &chasedPlayer()) << "tick " << matchTickNumber;
            }
        }
        const long last_held = matchTickNumber - lastCut;
        w.longestShot = last_held > w.longestShot ? last_held : w.longestShot;
        EXPECT_TRUE(matchOver());
        w.digest = matchDigest();
        return w;
    }
};

TEST_F(DirectorTest, CutsByThePlayWithinItsRulesAndNeverChangesTheMatch)
{
    for (unsigned seed : {1u, 42u}) {
        SCOPED_TRACE(seed);
        const Watch unwatched = playWatched(seed, false);
        const Watch watched = playWatched(seed, true);
        EXPECT_EQ(unwatched.digest, watched.digest);
        EXPECT_GE(watched.shortestShot, SHORTEST_SHOT_TICKS);
        // At least once a minute of play as watched: 3000 ticks.
        EXPECT_LE(watched.longestShot, 60 * 50);
        EXPECT_GT(watched.cuts, matchTickNumber / (60 * 50));
        EXPECT_GT(watched.runsFollowed, 0);
        EXPECT_EQ(0, watched.runsMissed);
        // The end view for dead balls, the ball chase for loose ones, the
        // player chase for runs.
        for (int mode = END_VIEW; mode <= PLAYER_CHASE; ++mode)
            EXPECT_GT(watched.modesShown[mode], 0) << "mode " << mode;
    }
}

static irr::SEvent keyReleased(irr::EKEY_CODE key)
{
    irr::SEvent event = irr::SEvent();
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = false;
    return event;
}

TEST_F(DirectorTest, TheUserTakesTheCameraUntilDAndASteeredPlayerIsNeverCutAwayFrom)
{
    startPlay(7);
    issueCommand = issueMatchCommand;
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_D));
    ASSERT_TRUE(directorOn);
    runTicks(1);
    direct(matchTickNumber);
    ASSERT_TRUE(directing());
    const std::uint64_t before = matchDigest();
    // The director chooses the view only: the match's own mode is untouched.
    EXPECT_EQ(OVERHEAD_VIEW, cameraMode);

    // V takes the camera: the user's own mode shows, and stays so.
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_V));
    EXPECT_TRUE(directorOn);
    EXPECT_FALSE(directing());
    EXPECT_EQ(END_VIEW, cameraMode);
    EXPECT_EQ(END_VIEW, shownCameraMode());
    runTicks(400);
    direct(matchTickNumber);
    EXPECT_FALSE(directing());
    // D gives it back; D again turns it off.
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_D));
    direct(matchTickNumber);
    EXPECT_TRUE(directing());
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_D));
    EXPECT_FALSE(directorOn);
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_D));
    // An arrow, and the mouse turning a free camera the director shows, take it too.
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_UP));
    EXPECT_TRUE(directorSuspended);
    gameEventReceiver.OnEvent(keyReleased(irr::KEY_KEY_D));
    direct(matchTickNumber);
    ASSERT_TRUE(directing());
    const irr::core::dimension2du size = driver->getScreenSize();
    const bool freeView = shownCameraMode() == OVERHEAD_VIEW || shownCameraMode() == END_VIEW;
    EXPECT_FALSE(lookingWithMouse(size.Width / 2, size.Height / 2));
    EXPECT_EQ(freeView, lookingWithMouse(size.Width / 2 + 40, size.Height / 2));
    EXPECT_NE(before, matchDigest()) << "the match must have moved on";

    // A player steered by hand in the player chase: the director shows it
    // and stays on it whatever the play.
    cameraMode = PLAYER_CHASE;
    selectedTeam = 'A';
    selectedPlayer = 4;
    Player& steered = away_players[4];
    steered.selected = 1;
    for (int i = 0; i < 3000 && !matchOver(); ++i) {
        runTicks(1);
        steered.selected = 1; // as the user keeps steering
        cameraMode = PLAYER_CHASE;
        direct(matchTickNumber);
        ASSERT_TRUE(directing());
        ASSERT_EQ(PLAYER_CHASE, shownCameraMode());
        ASSERT_EQ(&steered, &chasedPlayer());
    }
    issueCommand = 0;
}

} // namespace
