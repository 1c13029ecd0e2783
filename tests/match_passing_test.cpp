// The hand-over from catcher to skater and the roles it hands out.
#include "match/contact.h"
#include "match/passing.h"
#include "match_support.h"

namespace {

class PassTest : public MatchTest {
protected:
    // Catcher `c` of the team holds the ball on the bank, skater `s` 80 cm ahead of it.
    static void catcherMeetsSkater(Player& c, Player& s, float r)
    {
        placeOnTrack(c, r, 1.0f, PASS_TO_SKATER);
        placeOnTrack(s, r, 1.0f + 80.0f / r);
        ball.holder = &c;
        ball.live = true;
    }
};

TEST_F(PassTest, HomeCatcherHandsTheBallToASkaterAndTheAwaySkatersAttack)
{
    Player& catcher = home_players[3];
    Player& scorer = home_players[5];
    placeOnTrack(away_players[5], 2000, 3.0f);
    placeOnTrack(away_players[6], 2400, 4.0f);
    placeOnTrack(away_players[7], 2400, 5.0f, TRACK_TO_GATE);
    placeOnTrack(away_players[4], 2400, 5.5f); // a catcher: not called on the scorer
    placeOnTrack(home_players[8], 2400, 2.5f); // a team-mate: not either
    away_players[5].pms = away_players[6].pms = 0.5f;
    catcherMeetsSkater(catcher, scorer, 2000);
    const float scorerAngle = scorer.theta;
    contactPass();

    EXPECT_EQ(&scorer, ball.holder);
    EXPECT_EQ(TRYING_TO_SCORE, scorer.path);
    EXPECT_NEAR(PI_F - scorerAngle, scorer.target_zt, 1e-5f);
    EXPECT_EQ(LAPPING, catcher.path);
    EXPECT_FLOAT_EQ(0.5f, catcher.pms);
    EXPECT_STREQ("Home passes the ball!\n", getCommentary());
    for (int number : {5, 6}) {
        EXPECT_EQ(ATTACK_SCORER, away_players[number].path) << number;
        EXPECT_FLOAT_EQ(0.8f, away_players[number].pms) << number;
    }
    EXPECT_EQ(TRACK_TO_GATE, away_players[7].path);
    EXPECT_EQ(LAPPING, away_players[4].path);
    EXPECT_EQ(LAPPING, home_players[8].path);
}

TEST_F(PassTest, AwayCatcherHandsTheBallOnInContactAndTheHomeSkatersAttack)
{
    Player& catcher = away_players[3];
    Player& scorer = away_players[5];
    placeOnTrack(home_players[6], 2400, 4.0f);
    placeOnTrack(away_players[7], 2400, 5.0f); // a team-mate: not called on the scorer
    catcherMeetsSkater(catcher, scorer, 2000);
    const float scorerAngle = scorer.theta;
    contactPass();

    EXPECT_EQ(&scorer, ball.holder);
    EXPECT_EQ(TRYING_TO_SCORE, scorer.path);
    EXPECT_NEAR(TWO_PI_F - scorerAngle, scorer.target_zt, 1e-5f); // the away goal is at 2π
    EXPECT_STREQ("Away passes the ball!", getCommentary());
    EXPECT_EQ(ATTACK_SCORER, home_players[6].path);
    EXPECT_EQ(LAPPING, away_players[7].path);
}

TEST_F(PassTest, NoPassOnTheFlat)
{
    catcherMeetsSkater(home_players[3], home_players[5], 1590);
    contactPass();
    EXPECT_EQ(&home_players[3], ball.holder);
    EXPECT_EQ(LAPPING, home_players[5].path);
}

TEST_F(PassTest, SkaterWithTheBallMeetingACatcherKeepsIt)
{
    placeOnTrack(home_players[4], 2000, 1.0f, ATTEMPTING_CATCH);
    placeOnTrack(home_players[5], 2000, 1.02f, TRYING_TO_SCORE);
    ball.holder = &home_players[5];
    EXPECT_FALSE(tryPass(home_players[4], home_players[5]));
    EXPECT_EQ(&home_players[5], ball.holder);
    EXPECT_EQ(ATTEMPTING_CATCH, home_players[4].path);
}

TEST_F(PassTest, SkaterWithTheLowerNumberReceivesFromACatcher)
{
    // Numbers fix the order the contact pass finds a pair in; a skater never
    // has a lower number than a catcher, but the rule does not depend on it.
    placeOnTrack(away_players[6], 2000, 1.0f);
    placeOnTrack(away_players[3], 2000, 1.02f, PASS_TO_SKATER);
    ball.holder = &away_players[3];
    EXPECT_TRUE(tryPass(away_players[6], away_players[3]));
    EXPECT_EQ(&away_players[6], ball.holder);
    EXPECT_STREQ("Away passes the ball!", getCommentary());
}

TEST_F(PassTest, TheRunsAngleBudgetReachesTheGoalTheWayThePlayersLap)
{
    struct Case {
        char team;
        float theta;  // rad
        float budget; // rad
    };
    const Case cases[] = {
        {'H', PI_F / 2, PI_F / 2},
        {'H', 3 * PI_F / 2, 3 * PI_F / 2}, // past the goal: on round to π
        {'A', 0.1f, TWO_PI_F - 0.1f},
    };
    for (const Case& c : cases) {
        Player& s = playerOf(c.team, 7);
        placeOnTrack(s, 2400, c.theta);
        ball.holder = &s;
        receivePass(s);
        EXPECT_EQ(TRYING_TO_SCORE, s.path);
        EXPECT_NEAR(c.budget, s.target_zt, 1e-5f) << c.team << " at " << c.theta;
    }
}

} // namespace
