#include "match/match_log.h"

#include <initializer_list>

#include "match/match_events.h"
#include "players/player.h"

MatchLog matchLog;
LogMark logMarks[MARK_CAPACITY];
MatchSample logSamples[SAMPLE_CAPACITY];

void clearMatchLog()
{
    matchLog = MatchLog();
}

int playedPeriod()
{
    const int period = matchClock.counting ? matchClock.period : matchClock.period - 1;
    if (period < 1)
        return 1;
    return period > LAST_PERIOD ? LAST_PERIOD : period;
}

static int secondsOnClock()
{
    return (matchClock.min_tens * 10 + matchClock.min_units) * 60 + matchClock.sec_tens * 10 + matchClock.sec_units;
}

static void mark(LogMarkKind kind, const Player& p, int penaltySeconds = 0)
{
    if (matchLog.marks == MARK_CAPACITY)
        return;
    LogMark& m = logMarks[matchLog.marks++];
    m.kind = kind;
    m.team = p.team;
    m.number = static_cast<signed char>(p.number);
    m.period = static_cast<unsigned char>(playedPeriod());
    m.second = static_cast<short>(matchLog.samples);
    m.clock = static_cast<short>(secondsOnClock());
    m.penalty_seconds = static_cast<short>(penaltySeconds);
}

static TeamTally& tallyOf(const Player& p)
{
    return matchLog.teams[sideOf(p.team)];
}

static TeamTally& opponentsOf(const Player& p)
{
    return matchLog.teams[1 - sideOf(p.team)];
}

void logPlayerEvent(MatchEventKind kind, const Player& p)
{
    notePlayerEvent(kind, p);
    TeamTally& team = tallyOf(p);
    switch (kind) {
    case EVENT_CATCH:
        ++team.catches;
        break;
    case EVENT_PASS: // at the receiver, a team-mate of the catcher
        ++team.passes;
        break;
    case EVENT_BALL_HIT:
        ++team.hits_taken;
        break;
    case EVENT_RUN_OVER: // at the one run over, by a biker of the other side
        ++team.hits_taken;
        ++opponentsOf(p).hits_given;
        break;
    case EVENT_CRIT:
        ++team.sent_off_crit;
        mark(MARK_CRIT, p);
        break;
    case EVENT_DEATH:
        ++team.deaths;
        mark(MARK_DEATH, p);
        break;
    case EVENT_GOAL:
        ++team.goals_by_period[playedPeriod()];
        mark(MARK_GOAL, p);
        break;
    case EVENT_MISS:
        ++team.misses;
        mark(MARK_MISS, p);
        break;
    default:
        break;
    }
}

void logPairEvent(MatchEventKind kind, const Player& p, const Player& q)
{
    notePairEvent(kind, p, q);
    // Only opponents meet in a clash: each gives one and takes one.
    if (kind != EVENT_CLASH)
        return;
    for (const Player* player : {&p, &q}) {
        ++tallyOf(*player).hits_given;
        ++tallyOf(*player).hits_taken;
    }
}

void logPenalty(const Player& p, int seconds)
{
    TeamTally& team = tallyOf(p);
    ++team.penalties;
    team.penalty_seconds += seconds;
    mark(MARK_PENALTY, p, seconds);
}

void logBallLost(const Player& holder)
{
    ++tallyOf(holder).balls_lost;
}

void logTick(const Player* holder)
{
    if (!holder)
        return;
    const int side = sideOf(holder->team);
    ++matchLog.teams[side].possession_ticks;
    if (matchLog.held[side] < 65535)
        ++matchLog.held[side];
}

static short teamCondition(const Player* players)
{
    int sum = 0;
    for (int i = 0; i < TEAM_SIZE; ++i)
        sum += players[i].hp > 0 ? players[i].hp : 0;
    return static_cast<short>(sum < 32767 ? sum : 32767);
}

void logGameSecond()
{
    if (matchLog.samples == SAMPLE_CAPACITY)
        return;
    MatchSample& s = logSamples[matchLog.samples++];
    s.score[HOME_SIDE] = static_cast<short>(matchClock.home_score);
    s.score[AWAY_SIDE] = static_cast<short>(matchClock.away_score);
    s.condition[HOME_SIDE] = teamCondition(home_players);
    s.condition[AWAY_SIDE] = teamCondition(away_players);
    for (int side = 0; side < 2; ++side) {
        s.held[side] = matchLog.held[side];
        matchLog.held[side] = 0;
    }
}

double possessionShare(int side)
{
    const long home = matchLog.teams[HOME_SIDE].possession_ticks;
    const long total = home + matchLog.teams[AWAY_SIDE].possession_ticks;
    if (total == 0)
        return 0.5;
    const double homeShare = static_cast<double>(home) / static_cast<double>(total);
    return side == HOME_SIDE ? homeShare : 1.0 - homeShare;
}
