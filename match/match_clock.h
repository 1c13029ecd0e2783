#pragma once
// The heartbeat of the match: the tick, the game clock with its periods and
// score on both scoreboards, firing the ball and starting a new game.
#include <irrlicht.h>

#include "arena/scoreboard.h"

struct MatchClock {
    int min_tens;
    int min_units;
    int sec_tens;   // 0..5
    int sec_units;
    int shown[4];   // digit last shown per clock position; 255 forces a redraw
    bool counting;  // the clock counts down
    bool visible;   // the once-a-second redraw of the clock digits is done
    int home_score;
    int away_score;
    int period;     // the number shown in the time boxes
    Scoreboard boards[2]; // 0 east, 1 west

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
// One match tick: game second, players, contact, ball, automatic firing, referees.
void matchTick();
// Puts the ball into play, starting a period if the clock is stopped.
void fireBall();
// Resets flags, ball, players, clock and score, and sets `running`.
void newGame();
