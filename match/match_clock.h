#pragma once
// The heartbeat of the match: the tick, the game clock with its periods and
// score, what the two scoreboards show, firing the ball and starting a new game.

// What the boards show is part of the match's record, since C freezes the
// clock on them while the game clock runs on: the show_ operations write it,
// and the scoreboards in the arena paint it.
// A shown value before anything is shown: the boards keep what they were built with.
constexpr int NOTHING_SHOWN = 255;

constexpr int LAST_PERIOD = 3;     // periods in a match
constexpr int PERIOD_MINUTES = 20; // game-clock minutes of a period

struct MatchClock {
    int min_tens;
    int min_units;
    int sec_tens;   // 0..5
    int sec_units;
    int shown[4];   // the clock digits the boards show, in the order above
    bool counting;  // the clock counts down
    bool visible;   // the once-a-second redraw of the clock digits is done
    int home_score;
    int away_score;
    int period;     // the period being played: 0 before the first firing
    int shown_period; // the period the time boxes show
    int shown_home_score; // the scores the boards show
    int shown_away_score;
    // The last period has ended: the match is over and no tick follows until
    // a new game. The tick in which it ends stops where the whistle blows.
    bool game_over;

    MatchClock();

    void reset_clock(int minutes);
    void show_time();
    void tick_second();
    void next_period();
    void show_period();
    void show_score();
    void reset_score();
    void printClockLine() const;
};

extern MatchClock matchClock;
extern int clockTickCounter; // ticks since the last game second; kept across new games
extern int autoFireCounter;  // ticks towards firing a dead ball; kept across new games
extern bool autoPlay;        // the match plays itself; newGame clears it, SPACE toggles it

// Ticks in one game second at an average time step of `stepMs`: as many as
// the step lasts milliseconds, a part of a millisecond counting as a whole
// tick (16.5 ms gives 17), and never fewer than one.
int ticksPerGameSecond(float stepMs);
// One match tick: game second, players, contact, ball, automatic firing,
// referees. Not run once the game is over.
void matchTick();
// Puts the ball into play, starting a period if the clock is stopped.
void fireBall();
// Resets flags, ball, players, clock and score, and sets `running`.
void newGame();
