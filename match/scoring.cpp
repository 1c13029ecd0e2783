#include "match/scoring.h"

#include "core/commentary.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_events.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/track.h"

static constexpr float SHOT_REACH = PI_F / 64.0f;  // rad before the goal angle
static constexpr float PAST_GOAL_RUN = PI_F / 6.0f; // rad: what a home scorer past π is taken to have left

float goalAngle(char team)
{
    return team == 'H' ? PI_F : TWO_PI_F;
}

bool shotScores(const Player& scorer)
{
    float remaining = PAST_GOAL_RUN;
    if (scorer.team == 'H') {
        if (scorer.theta < PI_F)
            remaining = PI_F - scorer.theta;
    } else {
        remaining = TWO_PI_F - scorer.theta;
    }
    return remaining < SHOT_REACH;
}

void scoreGoal(const Player& scorer)
{
    setPlayerCommentary(scorer.team, scorer.number, "shoots and scores!");
    if (scorer.team == 'H')
        matchClock.home_score += 1;
    else
        matchClock.away_score += 1;
    matchClock.show_score();
    ++matchStats.goals;
    logPlayerEvent(EVENT_GOAL, scorer);
    resetBall();
}

void missShot(const Player& scorer)
{
    setPlayerCommentary(scorer.team, scorer.number, "misses the shot!");
    ++matchStats.misses;
    logPlayerEvent(EVENT_MISS, scorer);
    resetBall();
}
