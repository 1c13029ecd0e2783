#include "match/match_clock.h"

#include <cmath>
#include <cstdio>

#include "core/message.h"
#include "match/match_events.h"

// Constructed before start-up; the stadium builder fills the boards' nodes.
// Clock and score are set by newGame, the period by newGame and next_period.
MatchClock matchClock;

static constexpr int NOTHING_SHOWN = 255; // a `shown` entry that forces the next redraw
static constexpr int LAST_PERIOD = 3;
static constexpr int HIGHEST_SHOWN_SCORE = 99; // two digit boxes per team

MatchClock::MatchClock()
    : min_tens(0), min_units(0), sec_tens(0), sec_units(0), shown{255, 255, 255, 255}, counting(false),
      visible(false), home_score(0), away_score(0), period(0), boards()
{
    boards[0].side = 0; // east
    boards[1].side = 1; // west
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
    const int digits[4] = {min_tens, min_units, sec_tens, sec_units};
    for (int position = 0; position < 4; ++position) {
        if (shown[position] == digits[position])
            continue;
        shown[position] = digits[position];
        showDigit(boards[0].clock_digits[position], digits[position]);
        showDigit(boards[1].clock_digits[position], digits[position]);
    }
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
        // Noted before the halt, so the final whistle can still be heard.
        noteArenaEvent(EVENT_GAME_OVER);
        reportMessage(MESSAGE_HALT, "Game Over!"); // the normal end of a match: does not return
    } else {
        show_period();
    }
}

void MatchClock::show_period()
{
    showDigit(boards[0].timebox, period);
    showDigit(boards[1].timebox, period);
}

// Shows a score on a tens and a units box; beyond 99 the boards stay at 99
// (there is no digit texture for ten), while the HUD prints the true score.
static void showScoreDigits(int score, irr::scene::ISceneNode* tens, irr::scene::ISceneNode* units)
{
    if (score > HIGHEST_SHOWN_SCORE)
        score = HIGHEST_SHOWN_SCORE;
    showDigit(tens, score / 10);
    showDigit(units, score % 10);
}

void MatchClock::show_score()
{
    for (Scoreboard& board : boards) {
        showScoreDigits(home_score, board.home_tens, board.home_units);
        showScoreDigits(away_score, board.away_tens, board.away_units);
    }
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
