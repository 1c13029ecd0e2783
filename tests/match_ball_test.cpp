// The ball: its start, flight, roll down the bank, catches, hits, and losing it.
#include "match_support.h"

namespace {

class BallTest : public MatchTest {};

TEST_F(BallTest, ResetPutsTheBallAtItsStartAndReleasesTheChasers)
{
    ball.holder = &home_players[3];
    ball.live = true;
    ball.zt_dt = -0.001f;
    placeOnTrack(away_players[6], 2000, 1, ATTACK_SCORER);
    placeOnTrack(home_players[4], 2000, 2, ATTEMPTING_CATCH);
    placeOnTrack(home_players[7], 2000, 3, TRYING_TO_SCORE);
    resetBall();
    // The chasers of a ball no longer in play go back to lapping.
    EXPECT_EQ(LAPPING, away_players[6].path);
    EXPECT_FLOAT_EQ(0.5f, away_players[6].pms);
    EXPECT_EQ(LAPPING, home_players[4].path);
    EXPECT_FLOAT_EQ(0.4f, home_players[4].pms);
    EXPECT_EQ(TRYING_TO_SCORE, home_players[7].path);

    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_FALSE(ball.live);
    EXPECT_FLOAT_EQ(2860.0f, ball.r);
    EXPECT_NEAR(4.712389f, ball.theta, 1e-5f);
    EXPECT_EQ(0.0f, ball.zt_dt);

    updateBall();
    EXPECT_NEAR(419.5f, ball.position.Y, 1e-3f);
    updateBall();
    EXPECT_NEAR(4.712389f, ball.theta, 1e-5f) << "a dead ball lies still";
}

TEST_F(BallTest, FiredBallSlowsRollsDownTheBankAndOutOfPlay)
{
    placeOnTrack(home_players[4], 1200, 2); // lapping off the bank, out of every reach
    launchBall(-0.0015f);
    int updates = 0;
    while (ball.xr_dt2 == 0 && updates < 1000) {
        updateBall();
        ++updates;
        if (ball.xr_dt2 == 0) {
            EXPECT_EQ(LAPPING, home_players[4].path);
        }
    }
    // 0.0007 rad/ms of speed lost at 2.0e-7 rad/ms² takes 3500 ms.
    EXPECT_NEAR(3500, updates * 20, 20);
    EXPECT_FLOAT_EQ(2860.0f, ball.r);
    EXPECT_EQ(ATTEMPTING_CATCH, home_players[4].path) << "a slow ball calls the catchers";
    const float slowSpeed = ball.zt_dt;

    updates = 0;
    while (ball.live && updates < 1000) {
        EXPECT_EQ(slowSpeed, ball.zt_dt) << "rolling down keeps its angular speed";
        updateBall();
        ++updates;
    }
    // 1260 cm at a tenth of gravity along the bank.
    EXPECT_NEAR(9120, updates * 20, 40);
    EXPECT_STREQ("ball rolls out of play", getCommentary());
    EXPECT_FLOAT_EQ(2860.0f, ball.r);
    EXPECT_EQ(0.0f, ball.xr_dt2);
}

TEST_F(BallTest, SlowBallHitsWithinFiftyCentimetresOnly)
{
    makeSlowBall(2500, 1.0f);
    placeBesideBall(home_players[6], 51);
    EXPECT_FALSE(ballImpact(home_players[6]));
    EXPECT_EQ(100, home_players[6].hp);

    placeBesideBall(home_players[6], 49);
    EXPECT_TRUE(ballImpact(home_players[6]));
    EXPECT_EQ(67, home_players[6].hp);
    EXPECT_EQ(10, home_players[6].wobble);
    EXPECT_STREQ("H6 hit by ball!", getCommentary());
    EXPECT_FLOAT_EQ(-0.00015f, ball.zt_dt);
    EXPECT_EQ(nullptr, ball.holder);
}

TEST_F(BallTest, ABodyInTheBallsPathIsHitOnEveryTickItIsWithinReach)
{
    // Barely moving, the ball stays within reach of a dead skater for ticks.
    makeSlowBall(2500, 1.0f, -0.00001f);
    Player& body = home_players[6];
    placeBesideBall(body, 20, DEAD);
    body.hp = -10;
    for (int tick = 1; tick <= 3; ++tick)
        updateBall();
    EXPECT_EQ(-10 - 3 * 33, body.hp);
    EXPECT_EQ(3, matchStats.hits);
    EXPECT_FLOAT_EQ(-0.00001f / 64, ball.zt_dt);
}

TEST_F(BallTest, OnlyAnEligibleCatcherOnTheBankCatches)
{
    struct Case {
        float distance; // cm beside the ball, along x
        int path;
        bool catches;
    };
    const Case cases[] = {
        {99, LAPPING, true},       {99, ATTEMPTING_CATCH, true}, {99, PASS_TO_SKATER, true},
        {101, LAPPING, false},     {99, GATE_TO_TRACK, false},   {99, TRACK_TO_GATE, false},
        {99, STOPPED, false},      {99, DEAD, false},
    };
    for (const Case& c : cases) {
        makeSlowBall(2500, 1.0f);
        Player& catcher = away_players[4];
        catcher.hp = 100;
        placeBesideBall(catcher, c.distance, c.path);
        EXPECT_EQ(c.catches, ballImpact(catcher)) << c.distance << " cm in path " << c.path;
        EXPECT_EQ(c.catches, ball.holder == &catcher);
        EXPECT_EQ(100, catcher.hp) << "a catcher is never hit";
        if (c.catches) {
            EXPECT_EQ(PASS_TO_SKATER, catcher.path);
            EXPECT_FLOAT_EQ(12.566371f, catcher.target_zt);
            EXPECT_STREQ("A4 catches ball!", getCommentary());
        }
    }

    // Off the bank the catcher is out of the game's reach, even right under the ball.
    makeSlowBall(2500, 1.0f);
    placeBesideBall(away_players[4], 0);
    away_players[4].lane = 1;
    EXPECT_FALSE(ballImpact(away_players[4]));
}

TEST_F(BallTest, ScanTestsBothPlayersOfANumberAndStopsThere)
{
    setTimeStep(0); // the ball stands still, so the distances are exact
    makeSlowBall(2500, 1.0f, -0.0006f);
    placeBesideBall(home_players[6], 30);
    placeBesideBall(away_players[6], -30);
    placeBesideBall(home_players[7], 10);
    updateBall();
    EXPECT_EQ(67, home_players[6].hp);
    EXPECT_EQ(67, away_players[6].hp);
    EXPECT_EQ(100, home_players[7].hp) << "the scan ends at the first number impacted";
    EXPECT_FLOAT_EQ(-0.0006f / 16, ball.zt_dt);
}

TEST_F(BallTest, HomeCatcherCatchesFirstAndTheAwayCatcherIsNotTested)
{
    setTimeStep(0);
    makeSlowBall(2500, 1.0f);
    placeBesideBall(home_players[3], 40, ATTEMPTING_CATCH);
    placeBesideBall(away_players[3], -40, ATTEMPTING_CATCH);
    updateBall(); // two catchers in reach of one ball is no fault of the game's
    EXPECT_EQ(&home_players[3], ball.holder);
    EXPECT_EQ(ATTEMPTING_CATCH, away_players[3].path);
    EXPECT_FALSE(paused);
}

TEST_F(BallTest, KnockedLooseWhileLappingWithThePlayersItStopsDeadInAngle)
{
    Player& holder = home_players[3];
    placeOnTrack(holder, 2400, 2.0f, PASS_TO_SKATER);
    placeOnTrack(away_players[4], 2400, 4.0f); // lapping, far off
    makeSlowBall(2400, 2.0f);
    ball.holder = &holder;
    holder.zt_dt = 0.0004f;
    updateBall();
    EXPECT_NEAR(2.0f, ball.theta, 1e-4f);
    EXPECT_NEAR(holder.position.Y + 200.0f, ball.position.Y, 1e-2f);
    EXPECT_FLOAT_EQ(0.0004f, ball.zt_dt);

    dropIfHolder(away_players[4], 0, 0);
    EXPECT_EQ(&holder, ball.holder) << "only the holder can drop the ball";
    dropIfHolder(holder, 0, holder.zt_dt);
    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_STREQ("Ball knocked loose!", getCommentary());
    EXPECT_EQ(ATTEMPTING_CATCH, away_players[4].path);

    updateBall();
    EXPECT_EQ(0.0f, ball.zt_dt);
    EXPECT_EQ(0.0f, ball.zt_dt2);
    EXPECT_NEAR(2.0f, ball.theta, 1e-4f);
    EXPECT_LT(ball.r, 2400.0f) << "already rolling down the bank";
}

TEST_F(BallTest, FiringAHeldBallLeavesItWithItsHolder)
{
    Player& holder = home_players[5];
    placeOnTrack(holder, 2600, 3 * PI_F / 2 + 0.5f, TRYING_TO_SCORE);
    holder.zt_dt = 0.0004f;
    holder.xr_dt = 0.01f;
    ball.holder = &holder;
    fireBall();
    EXPECT_LT(ball.zt_dt, 0.0f);
    EXPECT_TRUE(ball.live);
    updateBall();
    EXPECT_EQ(&holder, ball.holder);
    EXPECT_FLOAT_EQ(0.0004f, ball.zt_dt);
    EXPECT_FLOAT_EQ(0.01f, ball.xr_dt);
    // Held, the angle is read without the 2π: the holder at 3π/2 + 0.5 reads 0.5 − π/2.
    EXPECT_NEAR(0.5f - PI_F / 2, ball.theta, 1e-4f);
    EXPECT_EQ('H', holderTeam());
}

TEST_F(BallTest, HolderOutOfItsRoleIsReportedOnceAndLosesTheBall)
{
    // S on a scorer: stopped, it can no longer hold the ball.
    Player& holder = away_players[7];
    placeOnTrack(holder, 2400, 1.0f, TRYING_TO_SCORE);
    placeOnTrack(home_players[3], 2000, 3.0f, LAPPING);
    ball.live = true;
    ball.holder = &holder;
    holder.stop();
    const std::string out = captureStdout([] { updateBall(); });
    EXPECT_EQ(0u, out.find("ball holder not OK\npausing")) << out;
    EXPECT_TRUE(paused);
    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_STREQ("Ball knocked loose!", getCommentary());
    EXPECT_EQ(ATTEMPTING_CATCH, home_players[3].path) << "lapping catchers go for the loose ball";

    // P resumes the match, and it goes on.
    paused = false;
    const std::string later = captureStdout([] {
        for (int i = 0; i < 50; ++i)
            updateBall();
    });
    EXPECT_EQ("", later);
    EXPECT_FALSE(paused);
}

TEST_F(BallTest, AHoldingThatOutlastsThePossessionLimitInGameTimeIsADelayOfGame)
{
    // A scorer standing still with the ball: only the limit ends it, after the
    // same game time whatever the time step.
    for (int step : {20, 10}) {
        SCOPED_TRACE(step);
        setTimeStep(step);
        Player& scorer = home_players[6];
        placeOnTrack(scorer, 2400, 1.0f, TRYING_TO_SCORE);
        scorer.zt_dt = 0;
        scorer.xr_dt = 0;
        placeOnTrack(away_players[8], 2000, 2.0f, ATTACK_SCORER);
        ball.live = true;
        ball.holder = &scorer;
        // Ten minutes of the game clock: 600 game seconds of 20 ticks of 20 ms.
        const long ticksWithin = 600L * 20 * 20 / step;
        for (long i = 0; i < ticksWithin; ++i)
            updateBall();
        ASSERT_EQ(&scorer, ball.holder) << "held for exactly the limit";

        updateBall();
        EXPECT_EQ(nullptr, ball.holder);
        EXPECT_FALSE(ball.live);
        EXPECT_STREQ("Delay of game - dead ball\n", getCommentary());
        EXPECT_EQ(LAPPING, scorer.path);
        EXPECT_FLOAT_EQ(0.25f, scorer.pms);
        EXPECT_EQ(LAPPING, away_players[8].path) << "the chaser gives up";

        // A new holding starts counting from nothing.
        ball.holder = &scorer;
        scorer.set_path(TRYING_TO_SCORE);
        updateBall();
        EXPECT_EQ(&scorer, ball.holder);
        resetBall();
    }
}

} // namespace
