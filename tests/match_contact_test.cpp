// Contact between players: damage by kinds, the condition bands, losing the
// ball, penalties, and which team-mates are offered the pass.
#include <cstdlib>

#include "core/random.h"
#include "match/contact.h"
#include "match_support.h"

namespace {

class ContactTest : public MatchTest {
protected:
    // Puts p at (r, theta) and q `distance` cm further round the track.
    static void placePair(Player& p, Player& q, float r, float theta, float distance, int path = LAPPING)
    {
        placeOnTrack(p, r, theta, path);
        placeOnTrack(q, r, theta + 2 * asinf(distance / (2 * r)), path);
    }
};

TEST_F(ContactTest, BikerRunningOverASkaterIsPenalisedAndBothLeave)
{
    Player& biker = home_players[0];
    Player& skater = away_players[5];
    placePair(biker, skater, 2000, 1.0f, 50);
    contactPass();
    EXPECT_EQ(25, skater.hp);
    EXPECT_EQ(STATUS_CRIT, skater.status_band);
    EXPECT_EQ(TRACK_TO_GATE, skater.path);
    EXPECT_EQ(90, biker.hp);
    EXPECT_EQ(STATUS_OK, biker.status_band);
    EXPECT_EQ(180, biker.penalty);
    EXPECT_EQ(TRACK_TO_GATE, biker.path);
    EXPECT_STREQ("PENALTY - H0\n3 min running over skater", getCommentary());

    contactPass(); // on their way to the gate, they are out of the game's contact
    EXPECT_EQ(25, skater.hp);
    EXPECT_EQ(90, biker.hp);
    EXPECT_EQ(180, biker.penalty);
}

TEST_F(ContactTest, TwoBikersFallToFiftyThenToCritNotDead)
{
    Player& home = home_players[1];
    Player& away = away_players[2];
    placePair(home, away, 2200, 2.0f, 80);
    contactPass();
    EXPECT_EQ(50, home.hp);
    EXPECT_EQ(50, away.hp);
    EXPECT_EQ(STATUS_HIT, home.status_band);
    EXPECT_EQ(STATUS_HIT, away.status_band);
    EXPECT_EQ(LAPPING, home.path);

    contactPass();
    EXPECT_EQ(0, home.hp);
    EXPECT_EQ(0, away.hp);
    EXPECT_EQ(TRACK_TO_GATE, home.path);
    EXPECT_EQ(TRACK_TO_GATE, away.path);
    EXPECT_STREQ("A2 {crit}", getCommentary());
}

TEST_F(ContactTest, TwoSkatersWearEachOtherDownOverThreeTicks)
{
    Player& home = home_players[6];
    Player& away = away_players[8];
    placePair(home, away, 1200, 0.5f, 60); // opponents meet anywhere, not only on the bank
    home.pms = away.pms = 0.5f;
    const int expected[] = {75, 50, 25};
    for (int hp : expected) {
        contactPass();
        EXPECT_EQ(hp, home.hp);
        EXPECT_EQ(hp, away.hp);
    }
    EXPECT_NEAR(0.5f * 0.729f, home.pms, 1e-6f);
    EXPECT_NEAR(0.5f * 0.729f, away.pms, 1e-6f);
    EXPECT_EQ(TRACK_TO_GATE, home.path);
    EXPECT_EQ(TRACK_TO_GATE, away.path);
}

TEST_F(ContactTest, ConditionBandsAtTheirEdges)
{
    Player& p = home_players[7];
    placeOnTrack(p, 2000, 1.0f);
    p.hp = 40;
    p.change_condition(0);
    EXPECT_EQ(STATUS_HIT, p.status_band);
    p.hp = 80;
    p.change_condition(0);
    EXPECT_EQ(STATUS_OK, p.status_band);

    p.hp = 40;
    p.selected = 1;
    ball.holder = &p;
    p.set_path(TRYING_TO_SCORE);
    p.change_condition(-1);
    EXPECT_EQ(STATUS_CRIT, p.status_band);
    EXPECT_EQ(nullptr, ball.holder);
    EXPECT_STREQ("Ball knocked loose!", getCommentary()) << "the last announcement of the tick shows";
    EXPECT_EQ(0, p.selected);
    EXPECT_EQ(TRACK_TO_GATE, p.path);

    p.hp = 39;
    p.change_condition(0);
    EXPECT_STREQ("H7 {crit}", getCommentary());

    p.hp = 0;
    p.selected = 1;
    p.change_condition(-1);
    EXPECT_EQ(DEAD, p.path);
    EXPECT_STREQ("H7 {DEAD}", getCommentary());
    EXPECT_EQ(STATUS_CRIT, p.status_band) << "the dead keep their last colour";
    EXPECT_EQ(0, p.selected);

    p.hit_by_ball(); // lying in the ball's path, the dead are still hit
    EXPECT_EQ(-34, p.hp);
    EXPECT_STREQ("H7 {DEAD}", getCommentary());
}

TEST_F(ContactTest, CarrierLosesTheBallAtItsKindsRate)
{
    seedRandom(2024);
    Player& catcher = home_players[3];
    Player& skater = home_players[5];
    EXPECT_FALSE(losesBall(catcher)) << "only a carrier can lose the ball";
    int catcherLosses = 0;
    int skaterLosses = 0;
    const int draws = 4000;
    ball.holder = &catcher;
    for (int i = 0; i < draws; ++i)
        catcherLosses += losesBall(catcher);
    ball.holder = &skater;
    for (int i = 0; i < draws; ++i)
        skaterLosses += losesBall(skater);
    EXPECT_NEAR(draws / 4, catcherLosses, 150);
    EXPECT_NEAR(draws * 3 / 4, skaterLosses, 150);
}

TEST_F(ContactTest, RoughingTheCatcherWhoLosesTheBall)
{
    seedRandom(99);
    Player& catcher = home_players[3];
    Player& skater = away_players[6];
    placeOnTrack(away_players[4], 2600, 5.0f); // the other team's catcher, lapping far off
    makeSlowBall(2000, 1.0f);
    int ticksKept = 0;
    for (;;) {
        catcher.hp = skater.hp = 100;
        placePair(catcher, skater, 2000, 1.0f, 40);
        catcher.set_path(PASS_TO_SKATER);
        ball.holder = &catcher;
        contactPass();
        if (!ball.holder || ticksKept == 100)
            break;
        ++ticksKept;
        EXPECT_EQ(0, skater.penalty);
    }
    ASSERT_EQ(nullptr, ball.holder) << "kept through 100 ticks of contact";
    EXPECT_EQ(60, skater.penalty);
    EXPECT_EQ(TRACK_TO_GATE, skater.path);
    EXPECT_EQ(0.0f, ball.xr_dt);
    EXPECT_EQ(0.0f, ball.zt_dt);
    EXPECT_EQ(ATTEMPTING_CATCH, away_players[4].path);

    penalise(ROUGHING_THE_CATCHER, skater);
    EXPECT_STREQ("PENALTY - A6\n1 min roughing the catcher", getCommentary());
    EXPECT_EQ(120, skater.penalty) << "penalties add up";
}

TEST_F(ContactTest, BikerWhoKnocksTheBallFromACatcherServesBothPenalties)
{
    seedRandom(7);
    Player& biker = home_players[1];
    Player& catcher = away_players[4];
    bool lost = false;
    for (int tries = 0; tries < 100 && !lost; ++tries) {
        biker.penalty = 0;
        biker.hp = 100;
        catcher.hp = 200; // stays out of the crit band, which would drop the ball anyway
        placePair(biker, catcher, 2000, 1.0f, 40);
        catcher.set_path(PASS_TO_SKATER);
        ball.holder = &catcher;
        contactPass();
        lost = ball.holder == nullptr;
        // Running over the catcher earns 180 s; knocking the ball away 60 more.
        EXPECT_EQ(lost ? 180 + 60 : 180, biker.penalty);
    }
    ASSERT_TRUE(lost) << "kept through 100 tries";
    EXPECT_EQ(TRACK_TO_GATE, biker.path);
}

TEST_F(ContactTest, HomePlayerSentOffMidPassIsStillBumpedByLaterAwayPlayers)
{
    // The home biker runs over away skater 5 and is sent off, but the same
    // pass still brings it up against away skater 6 beside it.
    Player& biker = home_players[0];
    placePair(biker, away_players[5], 2000, 1.0f, 30);
    placePair(biker, away_players[6], 2000, 1.0f, 60);
    contactPass();
    EXPECT_EQ(TRACK_TO_GATE, biker.path);
    EXPECT_EQ(25, away_players[5].hp);
    EXPECT_EQ(25, away_players[6].hp);
    EXPECT_EQ(80, biker.hp);
    EXPECT_EQ(2 * 180, biker.penalty);
}

TEST_F(ContactTest, OpponentsMeetWithinAMetreAndNotBeyond)
{
    // 1 m apart in the x-z plane is the reach, from either side of it.
    placePair(home_players[5], away_players[5], 2000, 1.0f, 99.5f);
    contactPass();
    EXPECT_LT(home_players[5].hp, 100);
    EXPECT_LT(away_players[5].hp, 100);

    placePair(home_players[6], away_players[6], 2000, 3.0f, 100.5f);
    contactPass();
    EXPECT_EQ(100, home_players[6].hp);
    EXPECT_EQ(100, away_players[6].hp);
}

TEST_F(ContactTest, TheDeadAndThoseOnTheWayOnOrOffAreOutOfContact)
{
    // A biker runs into each in turn; none of them is hurt, and it is not penalised.
    Player& biker = home_players[0];
    const int paths[] = {DEAD, GATE_TO_TRACK, TRACK_TO_GATE};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(paths[i]);
        Player& skater = away_players[5 + i];
        placePair(biker, skater, 2000, 1.0f + i, 50);
        skater.path = paths[i];
        skater.hp = 60;
        contactPass();
        EXPECT_EQ(60, skater.hp);
        EXPECT_EQ(paths[i], skater.path);
        EXPECT_EQ(100, biker.hp);
        EXPECT_EQ(0, biker.penalty);
    }
}

TEST_F(ContactTest, TeamMatesAreOfferedThePassOnlyOnTheBank)
{
    Player& catcher = home_players[3];
    Player& skater = home_players[5];
    placePair(catcher, skater, 1600, 1.0f, 99);
    catcher.set_path(PASS_TO_SKATER);
    ball.holder = &catcher;
    contactPass();
    EXPECT_EQ(&catcher, ball.holder);

    placePair(catcher, skater, 1650, 1.0f, 99);
    catcher.set_path(PASS_TO_SKATER);
    contactPass();
    EXPECT_EQ(&skater, ball.holder);
    EXPECT_EQ(100, skater.hp) << "team-mates do not hurt each other";
}

} // namespace
