#pragma once
// What happened in the match and where, noted as it happens for whoever
// presents the match (the sound). The match never reads it back: a match
// plays the same whether or not anyone drains it.
#include <irrlicht.h>

enum MatchEventKind : unsigned char {
    EVENT_FIRED,        // the launcher fired the ball; at the ball
    EVENT_CATCH,        // a catcher took the ball; at the catcher
    EVENT_PASS,         // a catcher handed the ball to a skater; at the receiver
    EVENT_BALL_HIT,     // the ball hit a biker or skater; at the player
    EVENT_CLASH,        // two opponents met, neither or both on a bike; halfway between them
    EVENT_RUN_OVER,     // a biker ran into a skater or catcher; at the one run over
    EVENT_CRIT,         // a player fell into the crit band; at the player
    EVENT_DEATH,        // a player fell below 0 condition; at the player
    EVENT_PENALTY,      // a player was penalised; at the player
    EVENT_GOAL,         // at the scorer
    EVENT_MISS,         // the scorer ran out of angle; at the scorer
    EVENT_PERIOD_START, // at the ball, as it is fired
    EVENT_PERIOD_END,   // the clock ran out; at the arena centre
    EVENT_GAME_OVER,    // the last period ended; at the arena centre
    EVENT_KIND_COUNT
};

struct MatchEvent {
    MatchEventKind kind;
    irr::core::vector3df at; // world position, cm
};

// Room for every event of many ticks between two drains (a frame may run
// several ticks); nothing is allocated.
constexpr int MATCH_EVENT_CAPACITY = 256;

// Records one event. O(1). With the buffer full the event is let go: a runner
// that never drains (the headless one) keeps only the first ones.
void noteMatchEvent(MatchEventKind kind, const irr::core::vector3df& at);

// Copies the events noted since the last drain, oldest first, into `out`
// (room for `room`), forgets them and returns how many were copied. Events
// beyond `room` stay for the next drain.
int drainMatchEvents(MatchEvent* out, int room);

// Forgets every pending event without presenting it.
void clearMatchEvents();

struct Player;

// Notes an event where the player stands.
void notePlayerEvent(MatchEventKind kind, const Player& p);
// Notes an event halfway between two players.
void notePairEvent(MatchEventKind kind, const Player& p, const Player& q);
// Notes an event of the whole arena (the clock's whistles), at its centre.
void noteArenaEvent(MatchEventKind kind);
