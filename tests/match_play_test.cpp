// Whole plays and a whole match, driven by ticks alone at a fixed 20 ms step.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
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

// A match with autoPlay from the new game to "Game Over!" in a child process
// (the end of a match ends the program). Returns what the child printed; its
// last "figures" line is the tally just before the final second.
static std::string playWholeMatch(unsigned seed, int* exitStatus)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], 1);
        seedRandom(seed);
        newGame();
        autoPlay = true;
        long ticks = 0;
        int pauses = 0;
        for (; ticks < 5000000; ++ticks) {
            // Someone watching would resume with the P key.
            if (paused) {
                paused = false;
                ++pauses;
            }
            const MatchClock& c = matchClock;
            if (c.period == 3 && c.counting && c.min_tens + c.min_units + c.sec_tens + c.sec_units == 0)
                printf("figures: ticks=%ld goals=%d (%d-%d) misses=%d catches=%d passes=%d penalties=%d "
                       "deaths=%d crits=%d hits=%d knock-looses=%d out-of-play=%d firings=%d pauses=%d\n",
                       ticks + 1, matchStats.goals, c.home_score, c.away_score, matchStats.misses,
                       matchStats.catches, matchStats.passes, matchStats.penalties, matchStats.deaths,
                       matchStats.crits, matchStats.hits, matchStats.knock_looses, matchStats.out_of_play,
                       matchStats.firings, pauses);
            matchTick();
        }
        printf("no end after %ld ticks\n", ticks);
        fflush(stdout);
        _exit(2);
    }
    close(pipeEnds[1]);
    std::string out;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

static std::string lastFigures(const std::string& out)
{
    const size_t at = out.rfind("figures: ");
    if (at == std::string::npos)
        return "";
    return out.substr(at, out.find('\n', at) - at);
}

TEST_F(MatchPlayTest, SeededMatchRunsToGameOverTheSameWayTwice)
{
    int status = 0;
    const std::string first = playWholeMatch(1234, &status);
    EXPECT_EQ(1, status);
    const std::string ending = "Game Over!\nhalting";
    ASSERT_GE(first.size(), ending.size());
    EXPECT_EQ(ending, first.substr(first.size() - ending.size()))
        << first.substr(first.size() > 2000 ? first.size() - 2000 : 0);
    const std::string figures = lastFigures(first);
    ASSERT_NE("", figures);
    printf("%s\n", figures.c_str());

    const std::string second = playWholeMatch(1234, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ(figures, lastFigures(second)) << "the same seed must play the same match";
}

} // namespace
