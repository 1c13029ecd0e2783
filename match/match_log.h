#pragma once
// The match as it went, for telling it afterwards: per-team tallies, every
// goal, miss, death, send-off and penalty with its period and clock, and the
// score, possession and condition of both teams at every game-clock second.
// The match writes it and never reads it: a match plays the same whether or
// not anyone tells it, and the match's digest leaves it out, so matches
// recorded before it existed still replay as the same.
#include "match/match_clock.h"
#include "match/match_events.h"

struct Player;

// Tallies index the teams so: home first.
constexpr int HOME_SIDE = 0;
constexpr int AWAY_SIDE = 1;
inline int sideOf(char team)
{
    return team == 'H' ? HOME_SIDE : AWAY_SIDE;
}

struct TeamTally {
    int goals_by_period[LAST_PERIOD + 1]; // index 1..LAST_PERIOD
    int misses;
    int catches;
    int passes;        // handed on by the team's catchers
    int balls_lost;    // the team's holder had the ball knocked loose
    int hits_given;    // contacts that cost an opponent condition
    int hits_taken;    // contacts with opponents and hits by the ball
    int penalties;
    int penalty_seconds;
    int sent_off_crit; // falls into the crit band, each sending the player off
    int deaths;
    long possession_ticks; // ticks a player of the team held the ball
};

enum LogMarkKind : unsigned char { MARK_GOAL, MARK_MISS, MARK_DEATH, MARK_CRIT, MARK_PENALTY };

struct LogMark {
    LogMarkKind kind;
    char team;
    signed char number;
    unsigned char period;  // the period whose clock last ran
    short second;          // game-clock seconds played when it happened
    short clock;           // s left on the period's clock
    short penalty_seconds; // a penalty's length
};

// What both teams stood at after one game-clock second.
struct MatchSample {
    short score[2];
    short condition[2];     // the sum of the players' condition, none below 0
    unsigned short held[2]; // ticks since the sample before with the team holding the ball
};

// Three periods of 20 minutes, one sample a game-clock second.
constexpr int SAMPLE_CAPACITY = LAST_PERIOD * PERIOD_MINUTES * 60;
// Far more than a match has; later ones are counted in the tallies, not listed.
constexpr int MARK_CAPACITY = 1024;

// The tallies and the lengths of the two lists. Small: it goes into every
// copy of the match, which live play keeps after every tick.
struct MatchLog {
    TeamTally teams[2];
    int samples;            // game-clock seconds played, each sampled
    int marks;              // marks noted, MARK_CAPACITY at most
    unsigned short held[2]; // ticks held since the last sample
};

extern MatchLog matchLog;
// The lists themselves are written in order and never changed: a copy of the
// match put back from earlier in the same match has only shorter lengths,
// and the match played on from there writes the same entries again. So they
// stay out of the copies, which would otherwise grow a hundredfold.
extern LogMark logMarks[MARK_CAPACITY];
extern MatchSample logSamples[SAMPLE_CAPACITY];

// newGame: nothing has happened yet.
void clearMatchLog();

// The period a moment belongs to: the one being played, or between periods
// the one just ended (a run for goal may go on after its whistle).
int playedPeriod();

// An event of the match: noted for whoever presents it (notePlayerEvent,
// notePairEvent) and tallied here.
void logPlayerEvent(MatchEventKind kind, const Player& p);
void logPairEvent(MatchEventKind kind, const Player& p, const Player& q);
// Events with more to them than the notes say.
void logPenalty(const Player& p, int seconds);
void logBallLost(const Player& holder);
// Every match tick, after the ball has moved: who holds it (null: nobody).
void logTick(const Player* holder);
// Every game-clock second that the clock counted and that did not end its period.
void logGameSecond();

// Share of possession of one side over the whole match, 0..1 (0.5 when
// nobody ever held the ball).
double possessionShare(int side);
