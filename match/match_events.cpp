#include "match/match_events.h"

#include "players/player.h"

// A ring of pending events: the match notes them during its ticks, the sound
// drains them after the ticks of a frame. Cleared only by clearMatchEvents.
static MatchEvent pending[MATCH_EVENT_CAPACITY];
static int firstPending = 0;
static int pendingCount = 0;

void noteMatchEvent(MatchEventKind kind, const irr::core::vector3df& at)
{
    if (pendingCount == MATCH_EVENT_CAPACITY)
        return;
    MatchEvent& event = pending[(firstPending + pendingCount) % MATCH_EVENT_CAPACITY];
    event.kind = kind;
    event.at = at;
    ++pendingCount;
}

int drainMatchEvents(MatchEvent* out, int room)
{
    int copied = 0;
    while (copied < room && pendingCount > 0) {
        out[copied++] = pending[firstPending];
        firstPending = (firstPending + 1) % MATCH_EVENT_CAPACITY;
        --pendingCount;
    }
    return copied;
}

void clearMatchEvents()
{
    firstPending = 0;
    pendingCount = 0;
}

static const irr::core::vector3df ARENA_CENTRE(0.0f, 200.0f, 0.0f); // cm, a referee's head height

void notePlayerEvent(MatchEventKind kind, const Player& p)
{
    noteMatchEvent(kind, p.position);
}

void notePairEvent(MatchEventKind kind, const Player& p, const Player& q)
{
    noteMatchEvent(kind, (p.position + q.position) * 0.5f);
}

void noteArenaEvent(MatchEventKind kind)
{
    noteMatchEvent(kind, ARENA_CENTRE);
}
