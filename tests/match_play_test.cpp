// Whole plays and a whole match, driven by ticks alone at a fixed 20 ms step.
#include <cstdio>
#include <string>

#include "core/random.h"
#include "match_support.h"

namespace {

class MatchPlayTest : public MatchTest {};

// What one play went through, from firing to the dead ball.
struct Play {
    bool slow = false;
    bool caught = false;
    bool passed = false;
    int ticksRun = 0;       // ticks the ball was with a skater
    Player* scorer = 0;
    float budgetAtPass = 0; // rad, the scorer's angle budget as it received the ball
};

TEST_F(MatchPlayTest, FireCatchPassAndRunToAGoalOrAMiss)
{
    seedRandom(31);
    autoPlay = true;
    Play play;
    bool ended = false;
    bool goal = false;
    const int longest = 200000; // ticks; over an hour of play at 20 ms
    int tick = 0;
    for (; tick < longest && !ended; ++tick) {
        const bool wasLive = ball.live;
        const int goalsBefore = matchClock.home_score + matchClock.away_score;
        Player* const heldBy = ball.holder;
        matchTick();
        ASSERT_FALSE(paused) << "tick " << tick << ": " << getCommentary();
        if (!wasLive && ball.live)
            play = Play();
        if (ball.live && !ball.holder && ball.xr_dt2 != 0)
            play.slow = true;
        if (ball.holder && ball.holder->type == Catcher && play.slow)
            play.caught = true;
        if (ball.holder && ball.holder->type == Skater && play.caught) {
            if (!play.passed)
                play.budgetAtPass = ball.holder->target_zt;
            play.passed = true;
            play.scorer = ball.holder;
            ++play.ticksRun;
        }
        if (wasLive && !ball.live && play.passed && heldBy == play.scorer) {
            goal = matchClock.home_score + matchClock.away_score == goalsBefore + 1;
            const bool missed = strstr(getCommentary(), "misses the shot!") != 0;
            ended = goal || missed;
        }
    }
    ASSERT_TRUE(ended) << "no play ran from firing to a shot in " << longest << " ticks";
    EXPECT_GT(play.ticksRun, 0);
    EXPECT_LT(play.scorer->target_zt, play.budgetAtPass) << "the scorer ran";
    printf("first shot after %d ticks: %c%d %s, score %d-%d\n", tick, play.scorer->team, play.scorer->number,
           goal ? "scored" : "missed", matchClock.home_score, matchClock.away_score);

    char expected[32];
    snprintf(expected, sizeof expected, "%02d-%02d", matchClock.home_score, matchClock.away_score);
    EXPECT_EQ(expected, boardsReading().substr(8));
    EXPECT_FALSE(ball.live);
    EXPECT_EQ(nullptr, ball.holder);
}

// A match with autoPlay from a clean state to the final whistle; the tally
// it ended with.
static std::string playWholeMatch(unsigned seed)
{
    clearGameRecords();
    setUpRosters();
    setUpReferees();
    seedRandom(seed);
    newGame();
    autoPlay = true;
    long ticks = 0;
    int pauses = 0;
    for (; ticks < 5000000 && !matchClock.game_over; ++ticks) {
        // Someone watching would resume with the P key.
        if (paused) {
            paused = false;
            ++pauses;
        }
        matchTick();
    }
    const MatchClock& c = matchClock;
    char figures[512];
    snprintf(figures, sizeof figures,
             "ticks=%ld over=%d goals=%d (%d-%d) misses=%d catches=%d passes=%d penalties=%d deaths=%d "
             "crits=%d hits=%d knock-looses=%d out-of-play=%d firings=%d pauses=%d",
             ticks, c.game_over, matchStats.goals, c.home_score, c.away_score, matchStats.misses,
             matchStats.catches, matchStats.passes, matchStats.penalties, matchStats.deaths, matchStats.crits,
             matchStats.hits, matchStats.knock_looses, matchStats.out_of_play, matchStats.firings, pauses);
    return figures;
}

TEST_F(MatchPlayTest, SeededMatchRunsToGameOverTheSameWayTwice)
{
    const std::string first = playWholeMatch(1234);
    printf("%s\n", first.c_str());
    EXPECT_NE(std::string::npos, first.find("over=1")) << first;
    EXPECT_EQ(first, playWholeMatch(1234)) << "the same seed must play the same match";
}

} // namespace
