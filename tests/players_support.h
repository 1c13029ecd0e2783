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
constexpr float SKATER_TOP_CM_PER_MS = 1.2573f; // a skater's and a catcher's top speed, about 28.1 mph

// Puts a player on the track at radius r and angle theta (its position and
// track fields, in the lane of that radius), in `path`, as a placement would.
inline void placeOnTrack(Player& p, float r, float theta, int path = LAPPING)
{
    p.position.set(r * cosf(theta), bankHeight(r), r * sinf(theta));
    p.r = r;
    p.theta = theta;
    p.lane = r <= LANE_0_MAX_RADIUS ? 0 : r <= BANK_START_RADIUS ? 1 : 2;
    p.set_path(path);
}

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
