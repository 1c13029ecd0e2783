// The game clock, periods and what the boards show, and the match tick's own
// steps: the pace of the game second, penalties, automatic firing, referees.
#include <limits>

#include "app/frame_loop.h"
#include "match/selection.h"
#include "match_support.h"

namespace {

class ClockTest : public MatchTest {
protected:
    static void setClock(int mt, int mu, int st, int su)
    {
        matchClock.min_tens = mt;
        matchClock.min_units = mu;
        matchClock.sec_tens = st;
        matchClock.sec_units = su;
    }
    // Runs the clock of the current period out: the next second ends it.
    static void runPeriodOut()
    {
        setClock(0, 0, 0, 0);
        matchClock.tick_second();
    }
};

TEST_F(ClockTest, NewGameShowsSixtyMinutesAndFiringStartsPeriodOneAtTwenty)
{
    // Z in the third period: the next game must have all three again.
    fireBall();
    runPeriodOut();
    fireBall();
    runPeriodOut();
    fireBall();
    ASSERT_EQ(3, matchClock.period);
    matchClock.home_score = 4;
    newGame();
    EXPECT_EQ("0 60:00 00-00", boardsReading());
    EXPECT_FALSE(matchClock.counting);

    fireBall();
    EXPECT_EQ("1 20:00 00-00", boardsReading());
    EXPECT_TRUE(matchClock.counting);
    EXPECT_TRUE(ball.live);
}

TEST_F(ClockTest, NewGamePutsBackEverythingTheViewerAndTheMatchChanged)
{
    selectedTeam = 'A';
    selectedPlayer = 7;
    cameraMode = 2;
    showRosterReadouts = true;
    autoPlay = true;
    paused = true;
    running = false;
    matchClock.visible = false;
    matchClock.game_over = true;
    matchClock.period = 2;
    matchClock.home_score = 3;
    matchClock.away_score = 4;
    setClock(1, 2, 3, 4);
    newGame();
    EXPECT_EQ('H', selectedTeam);
    EXPECT_EQ(0, selectedPlayer);
    EXPECT_EQ(0, cameraMode);
    EXPECT_FALSE(showRosterReadouts);
    EXPECT_FALSE(autoPlay);
    EXPECT_FALSE(paused);
    EXPECT_TRUE(running);
    EXPECT_TRUE(matchClock.visible);
    EXPECT_FALSE(matchClock.game_over);
    EXPECT_EQ(0, matchClock.period);
    EXPECT_EQ(0, matchClock.home_score);
    EXPECT_EQ(0, matchClock.away_score);
    EXPECT_EQ("0 60:00 00-00", boardsReading());
}

TEST_F(ClockTest, CountsDownWithBorrowThenEndsThePeriodAfterZero)
{
    fireBall();
    setClock(1, 0, 0, 0);
    matchClock.tick_second();
    EXPECT_EQ("1 09:59 00-00", boardsReading());

    setClock(0, 0, 0, 1);
    matchClock.tick_second();
    EXPECT_EQ("1 00:00 00-00", boardsReading());
    EXPECT_TRUE(matchClock.counting) << "00:00 is still a second of play";

    matchClock.tick_second();
    EXPECT_EQ("2 00:00 00-00", boardsReading());
    EXPECT_FALSE(matchClock.counting);
}

TEST_F(ClockTest, ThreePeriodsThenGameOver)
{
    fireBall();
    EXPECT_EQ(1, matchClock.period);
    runPeriodOut();
    EXPECT_EQ("2 00:00 00-00", boardsReading());

    // The restart of the clock must not count as another period.
    fireBall();
    EXPECT_EQ("2 20:00 00-00", boardsReading());
    fireBall(); // firing again while the clock runs changes nothing on it
    EXPECT_EQ("2 20:00 00-00", boardsReading());
    runPeriodOut();
    fireBall();
    EXPECT_EQ("3 20:00 00-00", boardsReading());
    EXPECT_FALSE(matchClock.game_over);

    // The final whistle is the match's state; whoever runs the ticks ends the run on it.
    runPeriodOut();
    EXPECT_TRUE(matchClock.game_over);
    EXPECT_EQ("3 20:00 00-00", boardsReading()) << "the boards keep the last period and the clock they showed";
    EXPECT_EQ(0, matchClock.period);
    newGame();
    EXPECT_FALSE(matchClock.game_over);
}

TEST_F(ClockTest, TheTickOfTheFinalWhistleStopsWhereItBlows)
{
    matchClock.period = 3;
    matchClock.counting = true;
    setClock(0, 0, 0, 0);
    home_players[5].penalty = 30;
    placeOnTrack(away_players[6], 2000, 1.0f);
    away_players[6].start_lapping(0.5f);
    const float theta = away_players[6].theta;
    clockTickCounter = 20 - 1; // a game second is 20 ticks
    matchTick();
    ASSERT_TRUE(matchClock.game_over);
    EXPECT_TRUE(matchClock.counting) << "the clock is left as the whistle found it";
    EXPECT_EQ(30, home_players[5].penalty) << "no penalty second in the last tick";
    EXPECT_EQ(theta, away_players[6].theta) << "nobody moves in the last tick";
}

TEST_F(ClockTest, HiddenClockFreezesTheBoardsWhileTheTimeRunsOn)
{
    fireBall();
    matchClock.visible = false;
    for (int second = 0; second < 3; ++second)
        matchClock.tick_second();
    EXPECT_EQ("1 20:00 00-00", boardsReading());
    EXPECT_EQ(" 1 - 19:57\n", captureStdout([] { matchClock.printClockLine(); }));

    matchClock.visible = true;
    matchClock.tick_second();
    EXPECT_EQ("1 19:56 00-00", boardsReading());
}

TEST_F(ClockTest, TheBoardsShowTheScoreOnlyOnceItIsShown)
{
    matchClock.home_score = 12;
    matchClock.away_score = 7;
    EXPECT_EQ("0 60:00 00-00", boardsReading());
    matchClock.show_score();
    EXPECT_EQ("0 60:00 12-07", boardsReading());

    matchClock.reset_score();
    EXPECT_EQ("0 60:00 00-00", boardsReading());
}

class MatchTickTest : public ClockTest {};

TEST_F(MatchTickTest, GameSecondLastsTwentyTicksWhateverTheDrawnFramesLast)
{
    fireBall();
    for (int tick = 0; tick < 19; ++tick)
        matchTick();
    EXPECT_EQ("1 20:00 00-00", boardsReading());
    matchTick();
    EXPECT_EQ("1 19:59 00-00", boardsReading());

    // Slow drawing (25 frames a second) once stretched the second to 40 ticks.
    frameTimeSum = 400;
    frameCount = 10;
    averageFrameTime = 40.0f;
    for (int tick = 0; tick < 19; ++tick)
        matchTick();
    EXPECT_EQ("1 19:59 00-00", boardsReading());
    matchTick();
    EXPECT_EQ("1 19:58 00-00", boardsReading());
}

TEST(GameSecond, TicksPerSecondFollowTheAverageFrameRoundedUp)
{
    EXPECT_EQ(20, ticksPerGameSecond(20.0f));
    EXPECT_EQ(40, ticksPerGameSecond(40.0f));
    EXPECT_EQ(16, ticksPerGameSecond(16.0f));
    EXPECT_EQ(17, ticksPerGameSecond(16.5f)); // 33 ms over two frames
    EXPECT_EQ(17, ticksPerGameSecond(16.01f));
    EXPECT_EQ(1, ticksPerGameSecond(0.5f));
    EXPECT_EQ(1, ticksPerGameSecond(std::numeric_limits<float>::quiet_NaN())) << "no frame counted yet";
}

TEST_F(MatchTickTest, PenaltyIsServedInGameSecondsAndWaitsBetweenPeriods)
{
    home_players[5].penalty = 120;
    away_players[7].penalty = 3;
    fireBall();
    for (int tick = 0; tick < 119 * 20; ++tick)
        matchTick();
    EXPECT_EQ(1, home_players[5].penalty);
    EXPECT_EQ(0, away_players[7].penalty) << "a served penalty stays at 0";
    for (int tick = 0; tick < 20; ++tick)
        matchTick();
    EXPECT_EQ(0, home_players[5].penalty);

    // Between periods the clock stands still, and so do the penalties.
    home_players[5].penalty = 120;
    runPeriodOut();
    ASSERT_FALSE(matchClock.counting);
    for (int tick = 0; tick < 10 * 20; ++tick)
        matchTick();
    EXPECT_EQ(120, home_players[5].penalty);
}

TEST_F(MatchTickTest, AutoPlayFiresADeadBallOnThe101stTickAndCarriesTheCount)
{
    for (int tick = 0; tick < 200; ++tick)
        matchTick();
    EXPECT_FALSE(ball.live) << "without autoPlay a dead ball waits for the key";
    EXPECT_EQ(0, autoFireCounter);

    autoPlay = true;
    for (int tick = 0; tick < 100; ++tick)
        matchTick();
    EXPECT_FALSE(ball.live);
    matchTick();
    EXPECT_TRUE(ball.live);
    EXPECT_EQ(0, autoFireCounter);

    // A count left from an earlier dead spell is carried on past a firing by key.
    resetBall();
    for (int tick = 0; tick < 40; ++tick)
        matchTick();
    fireBall();
    resetBall();
    for (int tick = 0; tick < 60; ++tick)
        matchTick();
    EXPECT_FALSE(ball.live);
    matchTick();
    EXPECT_TRUE(ball.live);

    // ...and across a new game.
    resetBall();
    for (int tick = 0; tick < 50; ++tick)
        matchTick();
    newGame();
    autoPlay = true;
    for (int tick = 0; tick < 50; ++tick)
        matchTick();
    EXPECT_FALSE(ball.live);
    matchTick();
    EXPECT_TRUE(ball.live);
}

TEST_F(MatchTickTest, RefereesTurnToTheBallWithinTheirHalves)
{
    struct Case {
        float theta; // rad
        float yaws[3]; // degrees
    };
    const Case cases[] = {
        {PI_F / 4, {45, 45, 270}},
        {3 * PI_F / 2, {270, 90, 270}},
        {7 * PI_F / 4, {315, 90, 315}},
    };
    for (const Case& c : cases) {
        placeBall(2000, c.theta);
        matchTick();
        for (int i = 0; i < REFEREE_COUNT; ++i) {
            EXPECT_NEAR(c.yaws[i], referees[i].yaw, 0.01f) << "referee " << i << " at " << c.theta;
            EXPECT_NEAR(270 - c.yaws[i], referees[i].rotation.Y, 0.01f);
        }
    }
}

} // namespace
