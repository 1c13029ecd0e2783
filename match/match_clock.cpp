#include "match/match_clock.h"

#include <cstdio>

MatchClock matchClock;

MatchClock::MatchClock()
    : min_tens(0), min_units(0), sec_tens(0), sec_units(0), shown{255, 255, 255, 255}, counting(false),
      visible(false), home_score(0), away_score(0), period(0), boards()
{
    boards[0].side = 0; // east
    boards[1].side = 1; // west
}

void MatchClock::reset_clock(int) {}
void MatchClock::show_time() {}
void MatchClock::tick_second() {}
void MatchClock::next_period() {}
void MatchClock::show_period() {}
void MatchClock::show_score() {}
void MatchClock::reset_score() {}

void MatchClock::printClockLine() const
{
    printf(" %d - %d%d:%d%d\n", period, min_tens, min_units, sec_tens, sec_units);
}
