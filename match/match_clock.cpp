#include "match/match_clock.h"

#include <cmath>
#include <cstdio>

#include "match/match_events.h"

// Clock and score are set by newGame, the period by newGame and next_period.
MatchClock matchClock;

MatchClock::MatchClock()
    : min_tens(0), min_units(0), sec_tens(0), sec_units(0), shown{NOTHING_SHOWN, NOTHING_SHOWN, NOTHING_SHOWN, NOTHING_SHOWN}, counting(false), visible(false), home_score(0), away_score(0), period(0), shown_period(NOTHING_SHOWN),
      shown_home_score(NOTHING_SHOWN), shown_away_score(NOTHING_SHOWN), game_over(false)
{
}

// The period stays as it is: a restart of the clock between periods must not
// lose count of how many have been played (newGame clears it itself).
void MatchClock::reset_clock(int minutes)
{
    counting = false;
    min_tens = minutes / 10;
    min_units = 0;
    sec_tens = 0;
    sec_units = 0;
    for (int& digit : shown)
        digit = NOTHING_SHOWN;
    show_time();
}

void MatchClock::show_time()
{
    shown[0] = min_tens;
    shown[1] = min_units;
    shown[2] = sec_tens;
    shown[3] = sec_units;
}

void MatchClock::tick_second()
{
    if (sec_units > 0) {
        --sec_units;
    } else if (sec_tens > 0) {
        --sec_tens;
        sec_units = 9;
    } else if (min_units > 0) {
        --min_units;
        sec_tens = 5;
        sec_units = 9;
    } else if (min_tens > 0) {
        --min_tens;
        min_units = 9;
        sec_tens = 5;
        sec_units = 9;
    } else {
        // 00:00: the period is over; play goes on until the next firing restarts the clock.
        noteArenaEvent(EVENT_PERIOD_END);
        next_period();
        if (game_over)
            return;
        min_tens = min_units = sec_tens = sec_units = 0;
        counting = false;
    }
    if (visible)
        show_time();
}

void MatchClock::next_period()
{
    ++period;
    if (static_cast<unsigned>(period) > LAST_PERIOD) {
        period = 0;
        noteArenaEvent(EVENT_GAME_OVER);
        // The normal end of a match: whoever runs the ticks reads it and ends
        // the run ("Game Over!"). The boards keep the last period.
        game_over = true;
    } else {
        show_period();
    }
}

void MatchClock::show_period()
{
    shown_period = period;
}

void MatchClock::show_score()
{
    shown_home_score = home_score;
    shown_away_score = away_score;
}

void MatchClock::reset_score()
{
    home_score = 0;
    away_score = 0;
    show_score();
}

void MatchClock::printClockLine() const
{
    printf(" %d - %d%d:%d%d\n", period, min_tens, min_units, sec_tens, sec_units);
}

int ticksPerGameSecond(float stepMs)
{
    // A step under a millisecond, or one that is not a number, still gives a second of one tick.
    if (!(stepMs > 1.0f))
        return 1;
    return static_cast<int>(ceilf(stepMs));
}
