#include "match/passing.h"

#include <initializer_list>

#include "core/commentary.h"
#include "match/ball.h"
#include "match/match_events.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "match/scoring.h"
#include "players/player.h"
#include "players/track.h"

static constexpr float PASSER_EFFORT = 0.5f;   // the catcher laps on after the pass
static constexpr float ATTACKER_EFFORT = 0.8f;

// Only a catcher passes, and only to a skater of its team.
bool tryPass(Player& p, Player& q)
{
    Player* passer = 0;
    Player* receiver = 0;
    if (p.type == Catcher && isHolder(&p) && q.type == Skater) {
        passer = &p;
        receiver = &q;
    } else if (p.type == Skater && q.type == Catcher && isHolder(&q)) {
        passer = &q;
        receiver = &p;
    }
    if (!passer)
        return false;
    ball.holder = receiver;
    receivePass(*receiver);
    passer->start_lapping(PASSER_EFFORT);
    setCommentary(p.team == 'H' ? "Home passes the ball!\n" : "Away passes the ball!");
    ++matchStats.passes;
    logPlayerEvent(EVENT_PASS, *receiver);
    return true;
}

// The opposing skaters who are lapping turn on the new scorer.
static void callAttackers()
{
    const char scoringTeam = holderTeam();
    for (int number = 0; number < TEAM_SIZE; ++number) {
        for (Player* p : {&home_players[number], &away_players[number]}) {
            if (p->type == Skater && p->path == LAPPING && p->team != scoringTeam) {
                p->set_path(ATTACK_SCORER);
                p->pms = ATTACKER_EFFORT;
            }
        }
    }
}

void receivePass(Player& s)
{
    // The angle still to run the way the players lap, in (0, 2π]: also the run's budget.
    const float toGo = angle_ahead(goalAngle(s.team), s.theta);
    s.plan_path(SCORING_RUN_RADIUS - s.r, toGo, FULL_EFFORT);
    s.target_zt = toGo;
    s.set_path(TRYING_TO_SCORE);
    callAttackers();
}
