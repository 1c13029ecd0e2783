// The player state machine, driven tick by tick at a fixed 20 ms step.
#include <cmath>
#include <vector>

#include "core/commentary.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/track.h"
#include "players_support.h"
#include "ui/cameras.h"

using irr::core::vector3df;

namespace {

class StateMachineTest : public PlayersTest {
protected:
    // The target radius of the last plan, from its angular speed at that radius.
    static float plannedRadius(const Player& p) { return p.pms * p.top_speed() / p.plan_t_dt; }
};

// Runs one player until its path is `path` (or the tick budget runs out),
// noting every path it passes through.
int runUntil(Player& p, int path, int budget, std::vector<int>& seen)
{
    for (int tick = 1; tick <= budget; ++tick) {
        update_player(p.team, p.number);
        if (seen.empty() || seen.back() != p.path)
            seen.push_back(p.path);
        if (p.path == path)
            return tick;
    }
    return -1;
}

TEST_F(StateMachineTest, OnePlayersWholeCircuitFromSeatToTrackAndBack)
{
    Player& p = home_players[6];
    p.reset();
    autoPlay = true;
    std::vector<int> seen;
    ASSERT_GT(runUntil(p, LAPPING, 2000, seen), 0);
    EXPECT_EQ((std::vector<int>{SEATED, SEAT_TO_GATE, GATE_TO_TRACK, LAPPING}), seen);
    EXPECT_EQ(133, p.hp); // rested: leaving the seat adds 33 above full condition
    EXPECT_GE(p.target_xr, 1700.0f);
    EXPECT_LE(p.target_xr, 2860.0f);
    EXPECT_TRUE(p.r >= p.target_xr || p.target_zt <= 0.0f);

    // A lap and a bit at half effort, staying on the joining line.
    const float joined = p.r;
    ticks(p, 1000);
    EXPECT_EQ(LAPPING, p.path);
    EXPECT_NEAR(joined, p.r, 1.0f);
    EXPECT_NEAR(0.5f * SKATER_TOP_CM_PER_MS / p.r, p.zt_dt, 1e-6f);

    p.leave_track();
    EXPECT_EQ(TRACK_TO_GATE, p.path);
    EXPECT_GT(p.target_zt, PI_F / 6);
    seen.clear();
    ASSERT_GT(runUntil(p, GATE_TO_SEAT, 5000, seen), 0);
    EXPECT_EQ((std::vector<int>{TRACK_TO_GATE, GATE_TO_SEAT}), seen);
    // Out through its own gate: near radius 1000 at the gate's angle, then put on the gate point.
    expectSamePosition(vector3df(1000, 0, 0), positionOf(p));

    seen.clear();
    ASSERT_GT(runUntil(p, SEATED, 500, seen), 0);
    EXPECT_EQ((std::vector<int>{GATE_TO_SEAT, STOPPED, SEATED}), seen);
    expectSamePosition(p.seat_position(), positionOf(p));
}

TEST_F(StateMachineTest, LeavingTheTrackRunsOutToTheOwnGate)
{
    // The homeward run ends where the walk to the seat begins: at the gate.
    Player& p = home_players[6];
    placeOnTrack(p, 2200, 5.0f, LAPPING);
    p.pms = 0.5f;
    p.leave_track();
    EXPECT_NEAR(TWO_PI_F - 5.0f, p.target_zt, 1e-5f);
    vector3df lastOnTrack;
    for (int tick = 0; tick < 5000 && p.path == TRACK_TO_GATE; ++tick) {
        lastOnTrack = positionOf(p);
        update_player('H', 6);
    }
    ASSERT_EQ(GATE_TO_SEAT, p.path);
    EXPECT_LT(lastOnTrack.getDistanceFrom(vector3df(1000, 0, 0)), 20.0f); // no visible jump onto the gate

    // Too close to the gate to turn off: one more lap. Away players go out at π.
    Player& a = away_players[6];
    placeOnTrack(a, 2200, 3.0f, LAPPING);
    a.leave_track();
    EXPECT_NEAR(PI_F - 3.0f + TWO_PI_F, a.target_zt, 1e-5f);
    // Already off the track: nothing to leave.
    Player& seated = away_players[7];
    seated.set_path(SEATED);
    seated.leave_track();
    EXPECT_EQ(SEATED, seated.path);
}

TEST_F(StateMachineTest, SeatedPlayersLeaveOnlyUnderAutoPlayAndWithoutPenalty)
{
    Player& p = away_players[2];
    p.reset();
    ticks(p, 1);
    ASSERT_EQ(SEATED, p.path); // found 0 cm from its seat
    ticks(p, 300);
    EXPECT_EQ(SEATED, p.path);
    EXPECT_EQ(0, p.seated_ticks);

    autoPlay = true;
    ticks(p, 100);
    EXPECT_EQ(SEATED, p.path);
    ticks(p, 1); // the 101st seated tick
    EXPECT_EQ(SEAT_TO_GATE, p.path);
    EXPECT_EQ(0, p.seated_ticks);
    // A walk at 1 cm/ms towards the away gate.
    EXPECT_NEAR(1.0f, sqrtf(p.xr_dt * p.xr_dt + p.zt_dt * p.zt_dt), 1e-5f);
    EXPECT_LT(p.xr_dt, 0.0f);
    EXPECT_EQ(-1000.0f, p.target_xr);

    Player& q = away_players[3];
    q.reset();
    q.penalty = 5;
    ticks(q, 300);
    EXPECT_EQ(SEATED, q.path);
    EXPECT_EQ(299, q.seated_ticks); // it keeps counting while it serves
    q.penalty = 0;
    ticks(q, 1);
    EXPECT_EQ(SEAT_TO_GATE, q.path);
}

TEST_F(StateMachineTest, HomeScoresWithinPiOver64OfItsGoal)
{
    Player& p = home_players[5];
    ball.holder = &p;
    placeOnTrack(p, 2760, 3.10f, TRYING_TO_SCORE); // π − 3.10 ≈ 0.0416 < π/64
    p.target_zt = 1.0f;
    const vector3df where = positionOf(p);
    update_player('H', 5);
    EXPECT_STREQ("H5 shoots and scores!", getCommentary());
    EXPECT_EQ(1, matchClock.home_score);
    EXPECT_EQ(0, matchClock.away_score);
    EXPECT_EQ(LAPPING, p.path);
    EXPECT_FLOAT_EQ(0.33f, p.pms);
    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_FALSE(ball.live);
    expectSamePosition(where, positionOf(p)); // the shot ends the update

    Player& q = home_players[6];
    placeOnTrack(q, 2760, 3.09f, TRYING_TO_SCORE); // π − 3.09 ≈ 0.0516: run on
    q.target_zt = 1.0f;
    update_player('H', 6);
    EXPECT_EQ(TRYING_TO_SCORE, q.path);
    EXPECT_EQ(1, matchClock.home_score);
    EXPECT_FLOAT_EQ(1.0f, q.pms);
    EXPECT_GT(q.theta, 3.09f);

    // Past π the home scorer runs on round the track towards it.
    Player& r = home_players[7];
    placeOnTrack(r, 2760, 3.2f, TRYING_TO_SCORE);
    r.target_zt = 1.0f;
    update_player('H', 7);
    EXPECT_EQ(TRYING_TO_SCORE, r.path);
    EXPECT_NEAR(2760.0f, plannedRadius(r), 0.5f);
    EXPECT_NEAR(angle_ahead(PI_F, 3.2f), r.plan_time * r.plan_t_dt, 1e-3f);
}

TEST_F(StateMachineTest, AwayScoresJustShortOfTheFullCircle)
{
    const float window = TWO_PI_F - PI_F / 64; // ≈ 6.2341
    Player& p = away_players[5];
    placeOnTrack(p, 2760, window + 0.002f, TRYING_TO_SCORE);
    p.target_zt = 1.0f;
    update_player('A', 5);
    EXPECT_STREQ("A5 shoots and scores!", getCommentary());
    EXPECT_EQ(1, matchClock.away_score);
    EXPECT_EQ(LAPPING, p.path);

    Player& q = away_players[6];
    placeOnTrack(q, 2760, window - 0.002f, TRYING_TO_SCORE);
    q.target_zt = 1.0f;
    update_player('A', 6);
    EXPECT_EQ(TRYING_TO_SCORE, q.path);
    EXPECT_EQ(1, matchClock.away_score);
}

TEST_F(StateMachineTest, TheShotIsMissedWhenTheAngleBudgetRunsOut)
{
    Player& p = home_players[8];
    ball.holder = &p;
    placeOnTrack(p, 2760, 1.0f, TRYING_TO_SCORE);
    p.target_zt = 0.02f;
    p.plan_path(0, 0.02f, 1.0f);
    std::vector<int> seen;
    const int tick = runUntil(p, LAPPING, 100, seen);
    ASSERT_GT(tick, 1); // some running first
    EXPECT_STREQ("H8 misses the shot!", getCommentary());
    EXPECT_FLOAT_EQ(0.25f, p.pms);
    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_EQ(0, matchClock.home_score);
    EXPECT_EQ(1, matchStats.misses);
}

TEST_F(StateMachineTest, UpdatesRunHomeThenAwayByShirtNumber)
{
    // Two scorers in one pass: the later update writes the commentary last.
    placeOnTrack(home_players[6], 2760, 3.10f, TRYING_TO_SCORE);
    placeOnTrack(away_players[5], 2760, 6.24f, TRYING_TO_SCORE);
    home_players[6].target_zt = away_players[5].target_zt = 1.0f;
    update_players();
    EXPECT_STREQ("H6 shoots and scores!", getCommentary());

    placeOnTrack(home_players[5], 2760, 3.10f, TRYING_TO_SCORE);
    placeOnTrack(away_players[5], 2760, 6.24f, TRYING_TO_SCORE);
    home_players[5].target_zt = away_players[5].target_zt = 1.0f;
    update_players();
    EXPECT_STREQ("A5 shoots and scores!", getCommentary());
    EXPECT_EQ(2, matchClock.home_score);
    EXPECT_EQ(2, matchClock.away_score);
}

TEST_F(StateMachineTest, CatcherPassesToTheNearestLappingSkaterAheadLowerNumberOnATie)
{
    Player& catcher = home_players[3];
    placeOnTrack(catcher, 2000, 1.0f, PASS_TO_SKATER);
    catcher.target_zt = 4 * PI_F;
    placeOnTrack(home_players[5], 2500, 2.0f, LAPPING);
    placeOnTrack(home_players[6], 2200, 1.5f, LAPPING);
    placeOnTrack(home_players[7], 2400, 1.5f, LAPPING);       // tied with 6
    placeOnTrack(home_players[8], 2300, 0.9f, LAPPING);       // just behind: nearly a lap ahead
    placeOnTrack(home_players[9], 2100, 1.1f, TRYING_TO_SCORE); // not lapping
    placeOnTrack(home_players[4], 2100, 1.2f, LAPPING);       // a catcher
    placeOnTrack(away_players[5], 2100, 1.05f, LAPPING);      // the other team
    update_player('H', 3);
    EXPECT_EQ(PASS_TO_SKATER, catcher.path);
    EXPECT_FLOAT_EQ(1.0f, catcher.pms);
    EXPECT_NEAR(2200.0f, plannedRadius(catcher), 0.5f);
    EXPECT_NEAR(0.5f, catcher.plan_time * catcher.plan_t_dt, 1e-4f);
}

TEST_F(StateMachineTest, WithNobodyToPassToTheCatcherWaitsThenTheBallIsDead)
{
    Player& catcher = away_players[4];
    ball.holder = &catcher;
    placeOnTrack(catcher, 2000, 1.0f, PASS_TO_SKATER);
    catcher.target_zt = 0.05f;
    placeOnTrack(home_players[5], 2100, 1.2f, LAPPING); // not a team-mate
    update_player('A', 4);
    EXPECT_FLOAT_EQ(0.5f, catcher.pms);
    EXPECT_NEAR(2630.0f, plannedRadius(catcher), 0.5f);

    std::vector<int> seen;
    ASSERT_GT(runUntil(catcher, LAPPING, 500, seen), 0);
    EXPECT_STREQ("Delay of game - dead ball\n", getCommentary());
    EXPECT_FLOAT_EQ(0.25f, catcher.pms);
    EXPECT_EQ(nullptr, ball.holder);
}

TEST_F(StateMachineTest, CatcherChasesABallThatStaysOnTheBankAndWaitsForOneThatLeavesIt)
{
    Player& catcher = home_players[4];
    placeOnTrack(catcher, 2000, 1.0f, ATTEMPTING_CATCH);
    catcher.zt_dt = 0.0003f;
    ball.r = 2500;
    ball.theta = 1.5f;
    ball.zt_dt = -0.0005f;
    ball.xr_dt = -0.03f; // at 2481 when the angle is closed
    update_player('H', 4);
    EXPECT_FLOAT_EQ(1.25f, catcher.pms);
    EXPECT_NEAR(SKATER_TOP_CM_PER_MS / 2000, catcher.zt_dt, 1e-7f);
    EXPECT_GT(catcher.xr_dt, 0.0f);

    ball.xr_dt = -2.0f; // off the bank by then
    placeOnTrack(catcher, 2000, 1.0f, ATTEMPTING_CATCH);
    catcher.zt_dt = 0.0003f;
    update_player('H', 4);
    EXPECT_FLOAT_EQ(0.5f, catcher.pms);
    EXPECT_NEAR(2630.0f, plannedRadius(catcher), 0.5f);

    // Same angular speed as the ball and no radial speed: no closing time at all.
    ball.xr_dt = 0.0f;
    placeOnTrack(catcher, 2000, 1.0f, ATTEMPTING_CATCH);
    catcher.pms = 0;
    catcher.zt_dt = -0.0005f;
    update_player('H', 4);
    EXPECT_FLOAT_EQ(0.5f, catcher.pms);
    EXPECT_TRUE(std::isfinite(catcher.zt_dt) && std::isfinite(catcher.xr_dt));
}

// Regression: catchers still going for a ball that the other team's catcher
// holds read its angle in (−π/2, 3π/2); below 0 the catcher used to see the
// ball behind it, ran outwards and was stopped beyond the wall for good.
TEST_F(StateMachineTest, CatcherGoingForAHeldBallStaysOnTheTrack)
{
    // The other team's catcher carries the ball outwards a little behind this one.
    Player holder = Player();
    ball.holder = &holder;
    ball.r = 1869;
    ball.theta = -1.5311f; // as a held ball reads 4.752
    ball.zt_dt = 0.000334f;
    ball.xr_dt = 0.19f;

    Player& catcher = away_players[4];
    placeOnTrack(catcher, 2663, 5.1402f, ATTEMPTING_CATCH);
    catcher.zt_dt = 0.000473f;
    for (int tick = 0; tick < 200; ++tick) {
        update_player('A', 4);
        ball.r += ball.xr_dt * TEST_STEP;
        ball.theta += ball.zt_dt * TEST_STEP;
        const vector3df at = positionOf(catcher);
        ASSERT_LE(trackRadius(at.X, at.Z), 2860.0f) << tick;
        ASSERT_EQ(ATTEMPTING_CATCH, catcher.path) << tick;
    }
}

TEST_F(StateMachineTest, AttackersEaseOffOnlyBeyondAQuarterLap)
{
    Player& holder = away_players[5];
    placeOnTrack(holder, 2500, PI_F / 2, TRYING_TO_SCORE);
    ball.holder = &holder;
    Player& attacker = home_players[6];

    placeOnTrack(attacker, 2400, 0.0f, ATTACK_SCORER); // exactly π/2 behind
    update_player('H', 6);
    EXPECT_FLOAT_EQ(1.0f, attacker.pms);
    EXPECT_NEAR(2500.0f, plannedRadius(attacker), 0.5f);

    holder.theta = PI_F / 2 + 0.01f;
    placeOnTrack(attacker, 2400, 0.0f, ATTACK_SCORER);
    update_player('H', 6);
    EXPECT_FLOAT_EQ(0.1f, attacker.pms);

    holder.theta = TWO_PI_F - 0.1f; // just behind counts as most of a lap ahead
    placeOnTrack(attacker, 2400, 0.0f, ATTACK_SCORER);
    update_player('H', 6);
    EXPECT_FLOAT_EQ(0.1f, attacker.pms);

    holder.theta = 0.1f; // within π/24: keep going as planned
    placeOnTrack(attacker, 2400, 0.0f, ATTACK_SCORER);
    attacker.pms = 0.8f;
    attacker.zt_dt = 0.0004f;
    update_player('H', 6);
    EXPECT_FLOAT_EQ(0.8f, attacker.pms);
    EXPECT_FLOAT_EQ(0.0004f, attacker.zt_dt);
}

TEST_F(StateMachineTest, AttackersGoBackToLappingWhenTheBallIsDropped)
{
    Player& attacker = home_players[6];
    placeOnTrack(attacker, 2400, 1.0f, ATTACK_SCORER);
    attacker.zt_dt = 0.0004f;
    ball.holder = 0;
    update_player('H', 6);
    EXPECT_STREQ("Ball is dropped!", getCommentary());
    EXPECT_EQ(LAPPING, attacker.path);
    EXPECT_FLOAT_EQ(0.5f, attacker.pms);
    EXPECT_NEAR(1.008f, attacker.theta, 1e-5f); // the update went on: it moved
}

TEST_F(StateMachineTest, UserControlLastsOnlyWhileThePlayerChaseCameraIsOn)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 1.0f, USER_CONTROL);
    p.select();
    p.zt_dt = 0.0004f;
    p.xr_dt = 0.0f;
    p.xr_dt2 = 0.001f; // steering outwards
    p.target_zt = 1.0f;
    cameraMode = PLAYER_CHASE;
    update_player('H', 5);
    EXPECT_EQ(USER_CONTROL, p.path);
    EXPECT_TRUE(p.is_selected());
    EXPECT_FLOAT_EQ(0.02f, p.xr_dt);
    EXPECT_FLOAT_EQ(0.0004f, p.zt_dt);
    EXPECT_NEAR(2000.4f, p.r, 1e-3f);

    cameraMode = OVERHEAD_VIEW;
    update_player('H', 5);
    EXPECT_EQ(LAPPING, p.path);
    EXPECT_FLOAT_EQ(0.5f, p.pms);
    EXPECT_FALSE(p.is_selected());
    EXPECT_EQ(0.0f, p.xr_dt2);
}

TEST_F(StateMachineTest, DefendersStopShortOfTheirGoal)
{
    Player& p = home_players[9];
    placeOnTrack(p, 2000, 2.8f, DEFEND_GOAL);
    p.zt_dt = 0.0004f;
    update_player('H', 9);
    EXPECT_EQ(DEFEND_GOAL, p.path);
    EXPECT_NEAR(2.808f, p.theta, 1e-5f);
    placeOnTrack(p, 2000, 3.0f, DEFEND_GOAL); // within π/12 of π
    update_player('H', 9);
    EXPECT_EQ(STOPPED, p.path);

    Player& a = away_players[9];
    placeOnTrack(a, 2000, 6.0f, DEFEND_GOAL);
    update_player('A', 9);
    EXPECT_EQ(DEFEND_GOAL, a.path);
    placeOnTrack(a, 2000, 6.1f, DEFEND_GOAL); // within π/12 of 2π
    update_player('A', 9);
    EXPECT_EQ(STOPPED, a.path);
}

TEST_F(StateMachineTest, AStoppedPlayerAwayFromItsSeatStaysWhereItIs)
{
    Player& p = away_players[6];
    placeOnTrack(p, 2000, 1.0f, LAPPING);
    p.plan_path(0, PI_F / 6, 0.5f);
    p.stop();
    const vector3df where = positionOf(p);
    ticks(p, 50);
    EXPECT_EQ(STOPPED, p.path);
    expectSamePosition(where, positionOf(p));

    p.kill();
    EXPECT_EQ(DEAD, p.path);
    EXPECT_EQ(STOPPED, p.lp);
}

TEST_F(StateMachineTest, AnUnknownStateHalts)
{
    home_players[5].path = 13;
    EXPECT_HALTS(update_player('H', 5), "Warning! Unhandled vel-acc pathtype - stopping player\n\nhalting");
}

} // namespace
