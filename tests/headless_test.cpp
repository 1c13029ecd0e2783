// The headless runner's soundness check finds what the soak runs look for.
#include <cmath>

#include "app/headless_match.h"
#include "match/ball.h"
#include "match/selection.h"
#include "players/player.h"
#include "test_support.h"
#include "ui/input.h"

namespace {

class HeadlessCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearGameRecords();
        for (int i = 0; i < TEAM_SIZE; ++i) {
            home_players[i].team = 'H';
            away_players[i].team = 'A';
            home_players[i].number = away_players[i].number = i;
            home_players[i].path = away_players[i].path = LAPPING;
        }
    }
};

TEST_F(HeadlessCheckTest, SoundRecordsPassAndEachKindOfFaultIsNamed)
{
    EXPECT_EQ(nullptr, findUnsoundRecord());

    away_players[7].zt_dt = NAN;
    ASSERT_NE(nullptr, findUnsoundRecord());
    EXPECT_STREQ("A7 has a field that is not a number", findUnsoundRecord());
    away_players[7].zt_dt = 0.0f;

    home_players[2].path = 15 + 2; // past the last state
    ASSERT_NE(nullptr, findUnsoundRecord());
    EXPECT_STREQ("H2 has number 2, lane 0, path 17", findUnsoundRecord());
    home_players[2].path = LAPPING;

    ball.theta = INFINITY;
    EXPECT_STREQ("the ball has a field that is not a number", findUnsoundRecord());
    ball.theta = 0.0f;

    Player stray = Player();
    ball.holder = &stray;
    EXPECT_STREQ("the ball's holder is not a player of either roster", findUnsoundRecord());
    ball.holder = &away_players[9];
    EXPECT_EQ(nullptr, findUnsoundRecord());

    selectedPlayer = 10;
    EXPECT_STREQ("the selected player is out of range", findUnsoundRecord());
    selectedPlayer = 0;
}

} // namespace
