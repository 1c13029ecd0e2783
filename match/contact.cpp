#include "match/contact.h"

#include <cmath>
#include <cstdio>

#include "core/commentary.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_events.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "match/passing.h"
#include "players/player.h"
#include "players/track.h"

const Penalty penaltyTable[2] = {
    {180, "running over skater"},
    {60, "roughing the catcher"},
};

static constexpr float CONTACT_REACH = 100.0f; // cm, in the x-z plane
// A draw of [0, 1] above these loses the ball: 25 % per tick for a catcher, 75 % for anyone else.
static constexpr float CATCHER_KEEPS_BALL = 0.75f;
static constexpr float OTHER_KEEPS_BALL = 0.25f;

// Condition points per tick of contact between opponents.
static constexpr int BIKERS_CLASH_DAMAGE = -50;   // each biker
static constexpr int BIKER_RUNS_OVER_DAMAGE = -10; // to the biker
static constexpr int RUN_OVER_DAMAGE = -75;        // to the skater or catcher
static constexpr int SKATERS_CLASH_DAMAGE = -25;   // each
static constexpr float CLASH_EFFORT_FACTOR = 0.9f; // each non-biker's pms per tick of contact

// Condition bands, by hp after a change.
static constexpr int OK_CONDITION = 80;
static constexpr int HIT_CONDITION = 40;
static constexpr int CRIT_CONDITION = 0;

// Players walking through a gate are out of the game's contact; players in
// their seats and on the walks to them are not.
static bool inPlay(const Player& p)
{
    return p.path != DEAD && p.path != GATE_TO_TRACK && p.path != TRACK_TO_GATE;
}

static bool onBank(const Player& p)
{
    return p.r > BANK_START_RADIUS;
}

static bool withinReach(const Player& p, const Player& q)
{
    const float dx = p.position.X - q.position.X;
    const float dz = p.position.Z - q.position.Z;
    return sqrtf(dx * dx + dz * dz) < CONTACT_REACH;
}

// Team-mates meet only on the bank, and then only to hand the ball on.
static void teamMatesMeet(Player* team)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (!inPlay(team[i]) || !onBank(team[i]))
            continue;
        for (int j = i + 1; j < TEAM_SIZE; ++j) {
            if (inPlay(team[j]) && onBank(team[j]) && withinReach(team[i], team[j]))
                tryPass(team[i], team[j]);
        }
    }
}

static void opponentsMeet()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (!inPlay(home_players[i]))
            continue;
        for (int j = 0; j < TEAM_SIZE; ++j) {
            if (inPlay(away_players[j]) && withinReach(home_players[i], away_players[j]))
                bump(home_players[i], away_players[j]);
        }
    }
}

void contactPass()
{
    teamMatesMeet(home_players);
    opponentsMeet();
    teamMatesMeet(away_players);
}

// The carrier may lose the ball; only a catcher's loss is the other player's foul.
static void tackle(Player& carrier, Player& other)
{
    if (!losesBall(carrier))
        return;
    if (carrier.type == Catcher)
        penalise(ROUGHING_THE_CATCHER, other);
    knockLoose(0, 0);
}

static void runOver(Player& biker, Player& other)
{
    logPlayerEvent(EVENT_RUN_OVER, other);
    tackle(other, biker);
    biker.change_condition(BIKER_RUNS_OVER_DAMAGE);
    other.change_condition(RUN_OVER_DAMAGE);
    penalise(RUNNING_OVER_SKATER, biker);
}

static void clash(Player& p)
{
    p.change_condition(SKATERS_CLASH_DAMAGE);
    p.pms *= CLASH_EFFORT_FACTOR;
}

void bump(Player& h, Player& a)
{
    if (h.type == Biker && a.type == Biker) {
        logPairEvent(EVENT_CLASH, h, a);
        h.change_condition(BIKERS_CLASH_DAMAGE);
        a.change_condition(BIKERS_CLASH_DAMAGE);
    } else if (h.type == Biker) {
        runOver(h, a);
    } else if (a.type == Biker) {
        runOver(a, h);
    } else {
        logPairEvent(EVENT_CLASH, h, a);
        tackle(h, a);
        tackle(a, h);
        clash(h);
        clash(a);
    }
}

bool losesBall(Player& p)
{
    if (!isHolder(&p))
        return false;
    const float draw = randomScaled(1.0f);
    return draw > (p.type == Catcher ? CATCHER_KEEPS_BALL : OTHER_KEEPS_BALL);
}

void penalise(int kind, Player& p)
{
    const Penalty& penalty = penaltyTable[kind];
    p.penalty += penalty.seconds;
    char text[COMMENTARY_SIZE];
    snprintf(text, sizeof text, "PENALTY - %c%d\n%d min %s", p.team, p.number, penalty.seconds / 60,
             penalty.text);
    setCommentary(text);
    ++matchStats.penalties;
    logPenalty(p, penalty.seconds);
    logPlayerEvent(EVENT_PENALTY, p);
    p.leave_track();
}

// The status ball takes the band's colour on every call, so a change of 0
// shows the condition as it stands.
void Player::change_condition(int delta)
{
    const int before = hp;
    hp += delta;
    if (hp < CRIT_CONDITION) {
        setPlayerCommentary(team, number, "{DEAD}");
        // The dead can be hit again; the tally counts each death once.
        if (before >= CRIT_CONDITION) {
            ++matchStats.deaths;
            logPlayerEvent(EVENT_DEATH, *this);
        }
        dropIfHolder(*this, 0, 0);
        // The status ball keeps its colour; shown lit, it stands out.
        kill();
    } else if (hp < HIT_CONDITION) {
        setPlayerCommentary(team, number, "{crit}");
        if (before >= HIT_CONDITION) {
            ++matchStats.crits;
            logPlayerEvent(EVENT_CRIT, *this);
        }
        dropIfHolder(*this, 0, 0);
        status_band = STATUS_CRIT;
        leave_track();
    } else if (hp < OK_CONDITION) {
        status_band = STATUS_HIT;
    } else {
        status_band = STATUS_OK;
    }
}
