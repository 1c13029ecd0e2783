// Track motion: the planner and its power limit, the speed setters, the
// read-back of a track position, and the placement rules.
#include <cmath>
#include <string>

#include "app/frame_loop.h"
#include "core/switches.h"
#include "players/player.h"
#include "players/track.h"
#include "players_support.h"

using irr::core::vector3df;

namespace {

constexpr float BIKER_TOP = 2.5146f;

class MotionTest : public PlayersTest {};

TEST(MotionAngles, AngleAheadIsAlwaysForwardAndNeverZero)
{
    EXPECT_NEAR(0.1832f, angle_ahead(0.1f, 6.2f), 1e-4f);
    EXPECT_NEAR(6.1f, angle_ahead(6.2f, 0.1f), 1e-5f);
    EXPECT_FLOAT_EQ(TWO_PI_F, angle_ahead(1.0f, 1.0f));
    // A held ball's angle below 0, and a player's angle not yet wrapped past 2π,
    // are still measured forward within one lap.
    EXPECT_NEAR(2 * TWO_PI_F - 6.67f, angle_ahead(-1.53f, 5.14f), 1e-5f);
    EXPECT_NEAR(6.4f - 0.1f - TWO_PI_F, angle_ahead(6.4f, 0.1f), 1e-5f);
}

TEST_F(MotionTest, ReadBackNeverGivesNotANumber)
{
    Player& p = home_players[5];
    // The arena centre: no angle to speak of, so 0.
    p.position = vector3df(0, 0, 0);
    read_track_position(p);
    EXPECT_EQ(0.0f, p.r);
    EXPECT_EQ(0.0f, p.theta);

    // On the z axis so close to the centre that the squared distance loses
    // precision: z / r comes out just above 1 in single precision.
    const float z = 1.0e-22f;
    ASSERT_GT(z / sqrtf(z * z), 1.0f);
    p.position = vector3df(0, 0, z);
    read_track_position(p);
    EXPECT_NEAR(PI_F / 2, p.theta, 1e-6f);
    p.position = vector3df(0, 0, -z);
    read_track_position(p);
    EXPECT_NEAR(3 * PI_F / 2, p.theta, 1e-6f);

    // The same rounding where a stored radius falls short of the position's z.
    EXPECT_NEAR(PI_F / 2, polarAngle(0.0f, 2860.0002f, 2860.0f), 1e-6f);
    EXPECT_NEAR(3 * PI_F / 2, trackAngle(-0.0f, -2860.0002f, 2860.0f), 1e-6f);

    // Left of the z axis the angle is mirrored: π − asin.
    p.position = vector3df(-1000, 0, 0);
    read_track_position(p);
    EXPECT_NEAR(PI_F, p.theta, 1e-6f);
}

TEST_F(MotionTest, NegativeAngleIsPlannedAsTheRestOfTheLap)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2630, 1.0f, LAPPING);
    p.plan_path(0, -PI_F / 2, 0.5f);
    EXPECT_NEAR(3 * PI_F / 2, p.plan_time * p.plan_t_dt, 1e-5f);
}

TEST_F(MotionTest, LappingSkaterAtHalfEffortRunsAboutFourteenMph)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2630, 1.0f, LAPPING);
    p.plan_path(0, PI_F / 6, 0.5f);
    EXPECT_NEAR(0.5f * SKATER_TOP_CM_PER_MS / 2630, p.zt_dt, 1e-9f);
    EXPECT_NEAR(0.000239f, p.zt_dt, 1e-6f);
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_NEAR(14.06f, p.speed_mph(), 0.01f);
}

TEST_F(MotionTest, PowerLimitScalesTheSpeedsByTheRatioOfSquaredSpeeds)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 0.5f, LAPPING);
    p.plan_path(0, PI_F / 6, 1.0f);
    EXPECT_NEAR(0.00062865f, p.plan_t_dt, 1e-9f);
    EXPECT_NEAR(832.89f, p.plan_time, 0.01f);
    EXPECT_NEAR(79.04f, p.mass / 2 * p.plan_v2_target, 0.01f); // what the full target speed would hold
    EXPECT_NEAR(0.0949f, p.plan_power, 1e-4f);
    EXPECT_NEAR(16.66f, p.plan_e_delta, 0.01f);
    EXPECT_NEAR(0.00013249f, p.zt_dt, 1e-8f);
    EXPECT_NEAR(0.265f, p.zt_dt * p.r, 1e-3f);
    EXPECT_EQ(0.0f, p.xr_dt);

    // Re-planned every tick, the skater closes on its target speed.
    float previous = p.zt_dt;
    for (int i = 0; i < 20; ++i) {
        p.plan_path(0, PI_F / 6, 1.0f);
        EXPECT_GE(p.zt_dt, previous);
        previous = p.zt_dt;
    }
    EXPECT_LE(previous, p.plan_t_dt);
}

TEST_F(MotionTest, StopPlanNeedsAnEarlierPlanTime)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 0.5f, LAPPING);
    p.zt_dt = 0.0004f;
    p.xr_dt = 0.1f;
    // No plan yet: a timeless plan never changes the speeds.
    p.plan_path(0, 0, 0);
    EXPECT_EQ(99.0f, p.plan_power);
    EXPECT_EQ(0.0004f, p.zt_dt);

    p.plan_path(0, PI_F / 6, 0.5f);
    ASSERT_GT(p.plan_time, 0.0f);
    p.plan_path(0, 0, 0);
    EXPECT_EQ(0.0f, p.zt_dt);
    EXPECT_EQ(0.0f, p.xr_dt);
}

TEST_F(MotionTest, AClimbBeyondThePowerLimitKeepsTheSpeedsAndNeverReversesThem)
{
    // A scorer on the flat, half a radian short of its goal, asked up the
    // bank to the scoring line: the climb costs more than a skater can spend
    // over the plan's time. It keeps running forward as it was.
    Player& p = home_players[5];
    placeOnTrack(p, 1500, PI_F - 0.5f, TRYING_TO_SCORE);
    p.zt_dt = 0.0003f;
    p.xr_dt = 0.0f;
    p.plan_path(2760 - 1500, 0.5f, 1.0f);
    ASSERT_GT(p.plan_power, 0.02f);
    ASSERT_LT(p.plan_e_k_target, 0.0f);
    EXPECT_EQ(0.0003f, p.zt_dt);
    EXPECT_EQ(0.0f, p.xr_dt);

    // No effort asked at all, with the same climb: nothing to scale, and
    // never a speed that is not a number.
    p.plan_time = 100.0f;
    p.plan_path(1000, PI_F / 6, 0.0f);
    ASSERT_GT(p.plan_power, 0.02f);
    EXPECT_EQ(0.0003f, p.zt_dt);
    EXPECT_EQ(0.0f, p.xr_dt);
}

TEST_F(MotionTest, SettersHoldTheKindsTopSpeed)
{
    Player& biker = home_players[0];
    Player& skater = away_players[7];
    biker.set_xr_dt(5.0f);
    EXPECT_FLOAT_EQ(BIKER_TOP, biker.xr_dt);
    skater.set_xr_dt(-5.0f);
    EXPECT_FLOAT_EQ(-SKATER_TOP_CM_PER_MS, skater.xr_dt);
    skater.set_xr_dt(0.3f);
    EXPECT_FLOAT_EQ(0.3f, skater.xr_dt);

    skater.r = 1000;
    skater.set_zt_dt(0.01f);
    EXPECT_FLOAT_EQ(0.0012573f, skater.zt_dt);
    EXPECT_FALSE(paused);

    // Going clockwise pauses the match, but the speed is used, unlimited.
    const std::string out = captureStdout([&] { skater.set_zt_dt(-0.01f); });
    EXPECT_EQ("Player going CW!\npausing", out);
    EXPECT_TRUE(paused);
    EXPECT_FLOAT_EQ(-0.01f, skater.zt_dt);
}

TEST_F(MotionTest, ChaseClosesTheRadiusWhileGainingTheAngle)
{
    Player& p = home_players[3];
    placeOnTrack(p, 2000, 1.0f, ATTEMPTING_CATCH);
    const float ballSpeed = -0.0003f; // rad/ms, coming towards the catcher
    p.chase(100, 0.5f, 1.25f, ballSpeed);
    EXPECT_FLOAT_EQ(SKATER_TOP_CM_PER_MS / 2000, p.zt_dt); // 1.25 of top speed is capped
    // 100 cm out in the time it takes to gain 0.5 rad on the ball.
    EXPECT_NEAR(100.0f, p.xr_dt * 0.5f / (p.zt_dt - ballSpeed), 1e-3f);

    // A target that runs away faster: give up, every speed to 0.
    p.xr_dt2 = 0.001f;
    p.chase(100, 0.5f, 1.25f, 0.01f);
    EXPECT_EQ(0.0f, p.zt_dt);
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_EQ(0.0f, p.xr_dt2);
}

TEST_F(MotionTest, AdvancingOnTheBankPlacesTurnsAndCountsTheWork)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 1.0f, LAPPING);
    p.zt_dt = 0.0003f;
    p.xr_dt = 0.5f; // outwards, up the bank
    const float before = p.total_energy();
    advance_player(p, positionOf(p));
    EXPECT_FLOAT_EQ(2010.0f, p.r);
    EXPECT_FLOAT_EQ(1.006f, p.theta);
    EXPECT_NEAR(410 * 0.325f, p.height, 1e-3f);
    expectSamePosition(vector3df(cosf(1.006f) * 2010, 410 * 0.325f, sinf(1.006f) * 2010), positionOf(p));
    const float gained = p.total_energy() - before;
    EXPECT_GT(gained, 0.0f);
    EXPECT_NEAR(gained / TEST_STEP, p.power, 1e-5f);
    EXPECT_NEAR(gained, p.exertion, 1e-4f);
    EXPECT_NEAR(-(1.006f + PI_F / 2) * 180 / 3.1415926236f, p.rotation.Y, 1e-3f);
    EXPECT_EQ(2, p.lane);
}

TEST_F(MotionTest, AHitPlayerWobblesForItsTicksThenFacesTheTrackAgain)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 1.0f, LAPPING);
    p.wobble = 2;
    advance_player(p, positionOf(p));
    expectSamePosition(vector3df(15 * sinf(2.0f), 0, 15 * cosf(2.0f)), p.rotation);
    EXPECT_EQ(1, p.wobble);
    advance_player(p, positionOf(p));
    advance_player(p, positionOf(p));
    EXPECT_EQ(0, p.wobble);
    EXPECT_NEAR(-(1.0f + PI_F / 2) * 180 / 3.1415926236f, p.rotation.Y, 1e-3f);
}

TEST_F(MotionTest, BikerModelsStandHigherButTheTrackHeightStays)
{
    bikerSwitch = true;
    Player& p = home_players[1];
    placeOnTrack(p, 2000, 1.0f, LAPPING);
    advance_player(p, positionOf(p));
    EXPECT_NEAR(130.0f, p.height, 1e-3f);
    EXPECT_NEAR(230.0f, positionOf(p).Y, 1e-3f);
}

TEST_F(MotionTest, OnlyTheRadiusFieldIsClampedToTheTrackEdge)
{
    Player& p = home_players[5];
    p.set_path(LAPPING);
    p.r = 2900;
    EXPECT_TRUE(place_player(p, vector3df(2900, 422.5f, 0)));
    EXPECT_EQ(2860.0f, p.r);
    expectSamePosition(vector3df(2900, 422.5f, 0), positionOf(p));
    EXPECT_EQ(2, p.lane);
    EXPECT_FALSE(paused);

    // The next read-back takes the true radius from the position again.
    read_track_position(p);
    EXPECT_FLOAT_EQ(2900.0f, p.r);

    // Lanes by the radius field: the flat floor's edges belong to the inner lane.
    p.r = 900;
    place_player(p, vector3df(900, 0, 0));
    EXPECT_EQ(0, p.lane);
    p.r = 1600;
    place_player(p, vector3df(1600, 0, 0));
    EXPECT_EQ(1, p.lane);
}

TEST_F(MotionTest, BeyondTheOuterWallThePlayerIsReportedDumpedAndStopped)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2900, 0.0f, LAPPING);
    p.plan_path(0, PI_F / 6, 0.5f);
    p.r = 2961;
    const std::string out = captureStdout([&] { place_player(p, vector3df(2961, 0, 0)); });
    EXPECT_EQ(0u, out.find("\nPlayer out of bounds! Halting player\npausing")) << out;
    EXPECT_NE(std::string::npos, out.find("PLAYER DUMP")) << out;
    EXPECT_TRUE(paused);
    EXPECT_EQ(STOPPED, p.path);
    EXPECT_EQ(0.0f, p.zt_dt);
    EXPECT_EQ(2961.0f, p.r); // not clamped
    expectSamePosition(vector3df(2961, 0, 0), positionOf(p));

    // Stopped out there, it is reported again on every tick.
    paused = false;
    const std::string again = captureStdout([&] { update_player('H', 5); });
    EXPECT_NE(std::string::npos, again.find("Player out of bounds!"));
}

TEST_F(MotionTest, ADeadPlayerIsNeverMovedPlacedOrTurned)
{
    Player& p = home_players[5];
    placeOnTrack(p, 2000, 1.0f, LAPPING);
    p.zt_dt = 0.0005f;
    p.xr_dt = 1.0f;
    p.wobble = 5;
    p.set_path(DEAD);
    const vector3df where = positionOf(p);
    const vector3df facing = p.rotation;
    for (int i = 0; i < 10; ++i)
        update_player('H', 5);
    EXPECT_FALSE(place_player(p, vector3df(0, 0, 0)));
    advance_player(p, where);
    expectSamePosition(where, positionOf(p));
    expectSamePosition(facing, p.rotation);
    EXPECT_EQ(5, p.wobble);
}

TEST_F(MotionTest, AnUnknownPathHaltsTheMotionStep)
{
    Player& p = home_players[5];
    p.path = 15;
    EXPECT_HALTS(advance_player(p, positionOf(p)), "Warning! Unhandled path state!\n\nhalting");
}

} // namespace
