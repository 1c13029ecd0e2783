// The bodies in the scene follow the match's records: posed between the last
// two ticks without touching the records, jumps drawn where they land, the
// status balls in the colour of each player's condition.
#include <cmath>

#include "arena/bodies.h"
#include "assets/asset_loading.h"
#include "core/engine.h"
#include "match/ball.h"
#include "players/player.h"
#include "players/track.h"
#include "players_support.h"
#include "test_support.h"

namespace {

class BodiesTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        setUpRosters();
        setUpReferees();
        captureStdout([] {
            AddPlayers();
            AddReferees();
            addBallNode();
        });
        tickStep = TEST_STEP;
    }

};

TEST_F(BodiesTest, AFrameHalfwayShowsThePlayerHalfwayAndLeavesTheRecordAlone)
{
    Player& p = home_players[6];
    placeOnTrack(p, 2400.0f, 1.0f);
    p.zt_dt = 0.0005f;
    p.pms = 0.0f;
    const irr::core::vector3df before = p.position;
    keepTickPoses();
    update_player('H', 6);
    const irr::core::vector3df after = p.position;
    ASSERT_GT(after.getDistanceFrom(before), 10.0f);

    poseBodies(0.5f);
    expectSamePosition((before + after) * 0.5f, p.node->getPosition());
    EXPECT_NEAR(2400.0f, drawnTrackPoint(p).r, 1e-2f);
    EXPECT_EQ(after, p.position) << "the record is the tick's own position";

    // The next tick starts from the record, not from the drawn place.
    keepTickPoses();
    update_player('H', 6);
    EXPECT_NEAR(after.getDistanceFrom(before), p.position.getDistanceFrom(after), 1e-2f);
    poseBodies(1.0f);
    EXPECT_EQ(p.position, p.node->getPosition());
    EXPECT_EQ(p.rotation, p.node->getRotation());
}

TEST_F(BodiesTest, JumpsAreDrawnWhereTheyLandAndALapsWrapIsNoSweep)
{
    Player& p = home_players[6];
    placeOnTrack(p, 2400.0f, 1.0f);
    keepTickPoses();
    p.reset(); // sent back to its seat
    poseBodies(0.5f);
    EXPECT_EQ(p.seat, p.node->getPosition());

    // Across the lap's end: the angle runs 6.25 -> 0.03 (through 2π), a short way.
    placeOnTrack(p, 2400.0f, 6.25f);
    keepTickPoses();
    placeOnTrack(p, 2400.0f, 0.03f);
    poseBodies(0.5f);
    const float expected = (6.25f + 0.03f + TWO_PI_F) / 2.0f;
    const TrackPoint drawn = drawnTrackPoint(p);
    EXPECT_NEAR(cosf(expected), cosf(drawn.theta), 1e-4f);
    EXPECT_NEAR(sinf(expected), sinf(drawn.theta), 1e-4f);
    const irr::core::vector3df shown = p.node->getPosition();
    EXPECT_NEAR(2400.0f, trackRadius(shown.X, shown.Z), 2.0f) << "drawn on the track, not across the arena";

    // Forgotten poses (a jump in time): the records as they stand.
    forgetTickPoses();
    poseBodies(0.5f);
    EXPECT_EQ(p.position, p.node->getPosition());
}

TEST_F(BodiesTest, StatusBallsShowEachTeamsBandAndTheDeadLit)
{
    Player& home = home_players[7];
    Player& away = away_players[7];
    home.reset();
    away.reset();
    poseBodies(1.0f);
    EXPECT_EQ("meshes/statball_ok_hou.jpg", textureName(home.statball));
    EXPECT_EQ("meshes/statball_ok_mad.jpg", textureName(away.statball));
    EXPECT_FALSE(home.statball->getMaterial(0).Lighting);

    home.change_condition(-30);
    away.change_condition(-70);
    poseBodies(1.0f);
    EXPECT_EQ("meshes/statball_hit_hou.jpg", textureName(home.statball));
    EXPECT_EQ("meshes/statball_crit_mad.jpg", textureName(away.statball));

    // From the hit band straight to dead: the ball keeps its colour and is lit.
    home.change_condition(-100);
    poseBodies(1.0f);
    EXPECT_EQ("meshes/statball_hit_hou.jpg", textureName(home.statball));
    EXPECT_TRUE(home.statball->getMaterial(0).Lighting);
    home.reset();
    poseBodies(1.0f);
    EXPECT_EQ("meshes/statball_ok_hou.jpg", textureName(home.statball));
    EXPECT_FALSE(home.statball->getMaterial(0).Lighting);
}

TEST_F(BodiesTest, TheBallAndTheRefereesFollowTheirRecords)
{
    resetBall();
    referees[1].rotation.set(0.0f, 200.0f, 0.0f);
    poseBodies(1.0f);
    EXPECT_EQ(ball.position, ball.node->getPosition());
    EXPECT_EQ(referees[1].rotation, referees[1].node->getRotation());
    EXPECT_EQ(referees[2].position, referees[2].node->getPosition());
}

} // namespace
