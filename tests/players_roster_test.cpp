// The player record and the rosters: kinds, bodies, seats, reset and the
// small operations on one record; the referees.
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "arena/bodies.h"
#include "core/engine.h"
#include "core/switches.h"
#include "players/player.h"
#include "players/track.h"
#include "players_support.h"
#include "test_support.h"

using irr::core::vector3df;
using irr::scene::IMeshSceneNode;
using irr::scene::ISceneNode;

namespace {

std::vector<ISceneNode*> childrenOf(ISceneNode* node)
{
    std::vector<ISceneNode*> children;
    for (ISceneNode* child : node->getChildren())
        children.push_back(child);
    return children;
}

irr::scene::IMesh* meshOf(ISceneNode* node)
{
    return static_cast<IMeshSceneNode*>(node)->getMesh();
}

// ---- Rosters with the generated meshes -------------------------------------

class RosterTest : public NullDeviceTest {};

TEST_F(RosterTest, KindsUniformsWheelsAndStatusBallsFollowTheShirtNumber)
{
    setUpRosters();
    AddPlayers();
    irr::scene::IMesh* skaterBody = sceneManager->getMesh("meshes/skater.obj")->getMesh(0);
    irr::scene::IMesh* wheel = sceneManager->getMesh("meshes/wheel.obj")->getMesh(0);
    for (char team : {'H', 'A'}) {
        for (int number = 0; number < TEAM_SIZE; ++number) {
            SCOPED_TRACE(testing::Message() << team << number);
            Player& p = playerOf(team, number);
            EXPECT_EQ(team, p.team);
            EXPECT_EQ(number, p.number);
            const int kind = number < 3 ? Biker : number < 5 ? Catcher : Skater;
            EXPECT_EQ(kind, p.type);
            ASSERT_NE(nullptr, p.node);
            EXPECT_EQ(skaterBody, meshOf(p.node));
            char uniform[32];
            snprintf(uniform, sizeof uniform, "meshes/uni_%c%d.jpg", team == 'H' ? 'h' : 'a', number);
            EXPECT_EQ(driver->getTexture(uniform), textureOf(p.node));

            // Wheels first, then the status ball hanging 80 cm below the body's origin.
            const std::vector<ISceneNode*> children = childrenOf(p.node);
            const size_t wheels = kind == Biker ? 2 : kind == Catcher ? 1 : 0;
            ASSERT_EQ(wheels + 1, children.size());
            for (size_t i = 0; i < wheels; ++i) {
                EXPECT_EQ(wheel, meshOf(children[i]));
                EXPECT_EQ(nullptr, textureOf(children[i]));
            }
            if (kind == Biker) {
                expectSamePosition(vector3df(50, 0, 0), children[0]->getPosition());
                expectSamePosition(vector3df(-50, 0, 0), children[1]->getPosition());
            } else if (kind == Catcher) {
                expectSamePosition(vector3df(25, 55, 0), children[0]->getPosition());
                expectSamePosition(vector3df(0, 90, 0), children[0]->getRotation());
            }
            EXPECT_EQ(p.statball, children[wheels]);
            expectSamePosition(vector3df(0, -80, 0), p.statball->getPosition());
            EXPECT_EQ(driver->getTexture("meshes/statball_ok.jpg"), textureOf(p.statball));
            EXPECT_FALSE(p.node->getMaterial(0).Lighting);
        }
    }
}

TEST_F(RosterTest, BikerSwitchGivesEveryBodyTheBikerModelAndOneTexture)
{
    bikerSwitch = true;
    lightingSwitch = true;
    setUpRosters();
    AddPlayers();
    irr::scene::IMesh* bikerBody = sceneManager->getMesh("meshes/biker.3ds")->getMesh(0);
    irr::video::ITexture* bikerTexture = driver->getTexture("meshes/bikerh0.jpg");
    for (char team : {'H', 'A'}) {
        for (int number = 0; number < TEAM_SIZE; ++number) {
            SCOPED_TRACE(testing::Message() << team << number);
            Player& p = playerOf(team, number);
            EXPECT_EQ(bikerBody, meshOf(p.node));
            EXPECT_EQ(bikerTexture, textureOf(p.node));
            EXPECT_TRUE(p.node->getMaterial(0).Lighting);
            EXPECT_TRUE(p.statball->getMaterial(0).Lighting);
            const size_t wheels = number < 3 ? 2 : number < 5 ? 1 : 0;
            EXPECT_EQ(wheels + 1, childrenOf(p.node).size());
        }
    }
}

TEST_F(RosterTest, RefereesStandAtTheirPostsFacingTheirYaw)
{
    setUpReferees();
    AddReferees();
    const vector3df posts[REFEREE_COUNT] = {vector3df(0, 150, 0), vector3df(0, 0.2f, 850), vector3df(0, 0.2f, -850)};
    const float yaws[REFEREE_COUNT] = {0, 45, 90};
    for (int i = 0; i < REFEREE_COUNT; ++i) {
        ASSERT_NE(nullptr, referees[i].node);
        EXPECT_EQ(yaws[i], referees[i].yaw);
        expectSamePosition(posts[i], referees[i].position);
        expectSamePosition(vector3df(0, yaws[i], 0), referees[i].rotation);
        expectSamePosition(posts[i], referees[i].node->getPosition());
        expectSamePosition(vector3df(0, yaws[i], 0), referees[i].node->getRotation());
        EXPECT_EQ(driver->getTexture("meshes/referee.jpg"), textureOf(referees[i].node));
    }
}

TEST_F(RosterTest, MissingMeshesHaltBeforeAnyNodeIsMade)
{
    // The root folder holds no meshes/.
    EXPECT_HALTS({
        if (chdir("/") == 0)
            AddPlayers();
    },
                 "Cannot find meshes @ AddPlayers\nhalting");
    EXPECT_HALTS({
        if (chdir("/") == 0)
            AddReferees();
    },
                 "Cannot find meshes @ AddReferees\nhalting");
}

// ---- The record on plain bodies ---------------------------------------------

class PlayerRecordTest : public PlayersTest {};

TEST_F(PlayerRecordTest, SeatsRunInRowsOfFiftyCentimetres)
{
    expectSamePosition(vector3df(-218, 0, 457), home_players[0].seat_position());
    expectSamePosition(vector3df(232, 0, 457), home_players[9].seat_position());
    expectSamePosition(vector3df(-224, 0, -465), away_players[0].seat_position());
    expectSamePosition(vector3df(226, 0, -465), away_players[9].seat_position());
}

TEST_F(PlayerRecordTest, ResetSeatsThePlayerWithFullConditionAndNoSpeed)
{
    Player& h0 = home_players[0];
    placeOnTrack(h0, 2400, 1.0f, LAPPING);
    h0.plan_path(0, 0.5f, 0.5f); // moving, with a plan time for the stop to spend
    h0.hp = 12;
    h0.penalty = 60;
    h0.selected = 1;
    h0.exertion = 500;
    h0.reset();

    expectSamePosition(vector3df(-218, 0, 457), positionOf(h0));
    expectSamePosition(h0.seat_position(), h0.seat);
    EXPECT_NEAR(506.33f, h0.r, 0.01f);
    EXPECT_NEAR(2.0159f, h0.theta, 1e-4f); // x < 0: π − asin(457/506.33)
    EXPECT_EQ(100, h0.hp);
    EXPECT_EQ(0, h0.penalty);
    EXPECT_EQ(0, h0.selected);
    EXPECT_EQ(0.0f, h0.exertion);
    EXPECT_EQ(100.0f, h0.mass);
    EXPECT_EQ(STOPPED, h0.path);
    EXPECT_EQ(LAPPING, h0.lp);
    EXPECT_EQ(0.0f, h0.zt_dt);
    EXPECT_EQ(0.0f, h0.xr_dt);

    Player& a9 = away_players[9];
    a9.reset();
    EXPECT_NEAR(517.01f, a9.r, 0.01f);
    EXPECT_NEAR(5.1648f, a9.theta, 1e-4f); // below the x axis: raised by 2π
    away_players[0].reset();
    EXPECT_NEAR(4.2635f, away_players[0].theta, 1e-4f);
}

// Before a player's first plan of the run its plan time is 0 and the stop
// plan cannot rest it: a walk's straight speeds then survived as polar ones.
TEST_F(PlayerRecordTest, AStopOrResetOnTheFirstWalkOfTheRunLeavesThePlayerAtRest)
{
    Player& h0 = home_players[0];
    h0.reset();
    ASSERT_EQ(0.0f, h0.plan_time);
    auto walkAFewSteps = [&h0] {
        update_player('H', 0); // seated
        h0.leave_seat();
        for (int i = 0; i < 5; ++i)
            update_player('H', 0);
        ASSERT_EQ(SEAT_TO_GATE, h0.path);
        ASSERT_NE(0.0f, h0.zt_dt);
    };

    walkAFewSteps();
    h0.reset();
    EXPECT_EQ(STOPPED, h0.path);
    EXPECT_EQ(0.0f, h0.zt_dt);
    EXPECT_EQ(0.0f, h0.xr_dt);
    EXPECT_EQ(0.0f, h0.speed_mph());

    walkAFewSteps();
    h0.stop();
    EXPECT_EQ(STOPPED, h0.path);
    EXPECT_EQ(0.0f, h0.zt_dt);
    EXPECT_EQ(0.0f, h0.xr_dt);
    EXPECT_EQ(0.0f, h0.speed_mph());
    EXPECT_EQ(0.0f, h0.kinetic_energy());
}

TEST_F(PlayerRecordTest, OnlyTheTwoWalksUseStraightSpeeds)
{
    Player& p = home_players[5];
    for (int path : {SEATED, SEAT_TO_GATE, LAPPING, GATE_TO_SEAT, USER_CONTROL}) {
        const int before = p.path;
        EXPECT_TRUE(p.set_path_handled(path));
        EXPECT_EQ(path, p.path);
        EXPECT_EQ(before, p.lp);
        EXPECT_EQ(path == SEAT_TO_GATE || path == GATE_TO_SEAT ? 0 : 1, p.polar) << path;
    }
}

TEST_F(PlayerRecordTest, OnTrackCountsGoByShirtNumberAndLane)
{
    home_players[5].lane = 2;
    home_players[7].lane = 1;
    away_players[6].lane = 2; // the other team
    home_players[3].lane = 2;
    home_players[3].type = Skater; // the count goes by the number, not the field
    EXPECT_EQ(2, HowManyOnTrack(Skater, 'H'));
    EXPECT_EQ(1, HowManyOnTrack(Catcher, 'H'));
    EXPECT_EQ(0, HowManyOnTrack(Biker, 'H'));
    EXPECT_EQ(1, HowManyOnTrack(Skater, 'A'));
    EXPECT_EQ(1, HowManyOnTrack(Skater, 'x')); // any other letter is the away team
    EXPECT_HALTS(HowManyOnTrack(3, 'H'), "Unknown player type @ HowManyOnTrack\nhalting");
}

TEST_F(PlayerRecordTest, StateTextsOfTheReadout)
{
    EXPECT_STREQ("DEAD", pathStateText(DEAD));
    EXPECT_STREQ("SEAT TO GATE", pathStateText(SEAT_TO_GATE));
    EXPECT_STREQ("ATTEMPTING CATCH", pathStateText(ATTEMPTING_CATCH));
    EXPECT_STREQ("F:EVEN SPACING", pathStateText(EVEN_SPACING));
    EXPECT_STREQ("USER CONTROL", pathStateText(USER_CONTROL));
    for (int unassigned : {13, 15, -1, 17, 1000})
        EXPECT_STREQ("UNKNOWN", pathStateText(unassigned)) << unassigned;
}

} // namespace
