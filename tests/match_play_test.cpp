// A whole play, from firing to the shot, driven by ticks alone at a fixed 20 ms step.
#include <cstdio>
#include <cstring>

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

} // namespace
