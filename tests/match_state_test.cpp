// One whole match state: a copy taken at one tick and put back later lets the
// match go on exactly as it would have gone on; a clean state plays a seed as
// a new program would.
#include <cstdint>
#include <string>

#include "app/tick_driver.h"
#include "core/commentary.h"
#include "core/random.h"
#include "core/run_state.h"
#include "match/commands.h"
#include "match/match_state.h"
#include "match/selection.h"
#include "match_support.h"

namespace {

class MatchStateTest : public MatchTest {
protected:
    // A seeded match with both teams out and automatic play, as a user starts one.
    static void startPlay(unsigned seed)
    {
        clearMatchState();
        seedRandom(seed);
        newGame();
        for (CommandKind kind : {COMMAND_AUTO_PLAY, COMMAND_LEAVE_SEAT, COMMAND_SWITCH_TEAM, COMMAND_LEAVE_SEAT})
            executeCommand(matchCommand(kind, 0, true));
    }

    // Runs to tick `last`, resuming any pause as a user would.
    static void runTo(long last)
    {
        while (matchTickNumber < last && !matchOver()) {
            if (paused)
                paused = false;
            runTicks(1);
        }
    }
};

TEST_F(MatchStateTest, RestoringACopyAndRunningOnGivesTheDigestOfRunningStraight)
{
    startPlay(4242);
    runTo(6000);
    // Kept in a dead spell, with the automatic firing's count under way.
    while (ball.live || autoFireCounter < 10)
        runTo(matchTickNumber + 1);
    const long copied = matchTickNumber;
    MatchState copy;
    keepMatchState(copy);
    const std::uint64_t atCopy = matchDigest();

    runTo(copied + 3000);
    const std::uint64_t straight = matchDigest();
    const std::string commentary = getCommentary();
    const int goals = matchStats.goals, home = matchClock.home_score;
    ASSERT_NE(atCopy, straight) << "the match must have moved on";

    restoreMatchState(copy);
    EXPECT_EQ(copied, matchTickNumber);
    EXPECT_EQ(atCopy, matchDigest());
    runTo(copied + 3000);
    EXPECT_EQ(straight, matchDigest());
    EXPECT_EQ(commentary, getCommentary());
    EXPECT_EQ(goals, matchStats.goals);
    EXPECT_EQ(home, matchClock.home_score);

    // Commands given after the copy are undone with it: the selection, the
    // flags and the camera mode come back too.
    restoreMatchState(copy);
    executeCommand(matchCommand(COMMAND_SELECT_TEAM, 'A'));
    executeCommand(matchCommand(COMMAND_SELECT_PLAYER, 7));
    executeCommand(matchCommand(COMMAND_CAMERA_MODE));
    executeCommand(matchCommand(COMMAND_AUTO_PLAY));
    executeCommand(matchCommand(COMMAND_ROSTER_READOUTS));
    executeCommand(matchCommand(COMMAND_CLOCK_DISPLAY));
    restoreMatchState(copy);
    EXPECT_EQ(atCopy, matchDigest());
    runTo(copied + 3000);
    EXPECT_EQ(straight, matchDigest());
}

TEST_F(MatchStateTest, RestoringLeavesTheScenesHandlesAlone)
{
    MatchState copy;
    keepMatchState(copy);
    int marks[3];
    home_players[2].node = reinterpret_cast<irr::scene::ISceneNode*>(&marks[0]);
    ball.node = reinterpret_cast<irr::scene::ISceneNode*>(&marks[1]);
    referees[1].node = reinterpret_cast<irr::scene::ISceneNode*>(&marks[2]);
    restoreMatchState(copy);
    clearMatchState();
    EXPECT_EQ(reinterpret_cast<irr::scene::ISceneNode*>(&marks[0]), home_players[2].node);
    EXPECT_EQ(reinterpret_cast<irr::scene::ISceneNode*>(&marks[1]), ball.node);
    EXPECT_EQ(reinterpret_cast<irr::scene::ISceneNode*>(&marks[2]), referees[1].node);
    home_players[2].node = ball.node = referees[1].node = 0;
}

TEST_F(MatchStateTest, AMatchAfterAnotherPlaysAsTheFirstMatchOfAProgram)
{
    startPlay(99);
    runTo(4000);
    const std::uint64_t first = matchDigest();

    // A whole other match in between, to its final whistle.
    startPlay(5);
    runTo(200000);
    ASSERT_TRUE(matchOver());

    startPlay(99);
    EXPECT_EQ(0, matchTickNumber);
    runTo(4000);
    EXPECT_EQ(first, matchDigest());
}

} // namespace
