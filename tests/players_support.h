#pragma once
// Players with no engine at all: every roster entry has its team, number and
// kind as the rosters give them, its mass and condition, and the time step is
// a fixed 20 ms.
#include <cmath>

#include "core/run_state.h"
#include "players/player.h"
#include "players/track.h"
#include "test_support.h"

constexpr float TEST_STEP = 20.0f; // ms

class PlayersTest : public RecordsTest {
protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        for (int number = 0; number < TEAM_SIZE; ++number) {
            for (Player* p : {&home_players[number], &away_players[number]}) {
                p->mass = 100.0f;
                p->hp = 100;
            }
        }
        tickStep = TEST_STEP;
    }

    void TearDown() override
    {
        paused = false; // level-0 reports pause the match
    }

    // Puts a player at track radius r and angle theta (position and fields), in `path`.
    static void putOnTrack(Player& p, float r, float theta, int path)
    {
        p.position.set(r * cosf(theta), bankHeight(r), r * sinf(theta));
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

    static irr::core::vector3df positionOf(const Player& p) { return p.position; }
};

// Two positions are the same to within a centimetre's thousandth.
inline void expectSamePosition(const irr::core::vector3df& expected, const irr::core::vector3df& actual)
{
    EXPECT_NEAR(expected.X, actual.X, 1e-3f);
    EXPECT_NEAR(expected.Y, actual.Y, 1e-3f);
    EXPECT_NEAR(expected.Z, actual.Z, 1e-3f);
}
