#pragma once
// Players on the null driver without the generated meshes: every roster entry
// gets its team, number and kind as AddPlayers gives them, a plain body and a
// status ball, and the time step is a fixed 20 ms.
#include <cmath>

#include "core/engine.h"
#include "app/frame_loop.h"
#include "players/player.h"
#include "players/track.h"
#include "test_support.h"

constexpr float TEST_STEP = 20.0f; // ms

class PlayersTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        for (int number = 0; number < TEAM_SIZE; ++number) {
            makeBody(home_players[number], 'H', number);
            makeBody(away_players[number], 'A', number);
        }
        tickStep = TEST_STEP;
    }

    void TearDown() override
    {
        paused = false; // level-0 reports pause the match
        NullDeviceTest::TearDown();
    }

    // Puts a player at track radius r and angle theta (node and fields), in `path`.
    static void putOnTrack(Player& p, float r, float theta, int path)
    {
        p.node->setPosition(irr::core::vector3df(r * cosf(theta), bankHeight(r), r * sinf(theta)));
        p.r = r;
        p.theta = theta;
        p.lane = r <= LANE_0_MAX_RADIUS ? 0 : r <= BANK_START_RADIUS ? 1 : 2;
        p.set_path(path);
    }

    static void ticks(Player& p, int count)
    {
        for (int i = 0; i < count; ++i)
            update_player(p.team, p.number);
    }

    static irr::core::vector3df positionOf(const Player& p) { return p.node->getPosition(); }

private:
    static void makeBody(Player& p, char team, int number)
    {
        p.team = team;
        p.number = number;
        p.type = number < 3 ? Biker : number < 5 ? Catcher : Skater;
        p.mass = 100.0f;
        p.hp = 100;
        p.node = sceneManager->addEmptySceneNode();
        p.statball = sceneManager->addEmptySceneNode(p.node);
    }
};

// Two positions are the same to within a centimetre's thousandth.
inline void expectSamePosition(const irr::core::vector3df& expected, const irr::core::vector3df& actual)
{
    EXPECT_NEAR(expected.X, actual.X, 1e-3f);
    EXPECT_NEAR(expected.Y, actual.Y, 1e-3f);
    EXPECT_NEAR(expected.Z, actual.Z, 1e-3f);
}
