#pragma once
// A player on the console, after a reported inconsistency: the ball and the
// track motion print one right after their reportMessage. It lives with the
// player, below the HUD, which shows players as text too and takes its whole
// numbers from here.

struct Player;

// The player block on the console.
void printPlayerDump(const Player& player);
// Heading, clock line and player block.
void printDumpWithClock(const Player& player);

// A real value as the whole number the readouts and dumps show: truncated
// toward zero. A value that has run away (not a number, or beyond an int)
// must still print something sane instead of whatever the conversion happens
// to produce, so it is held at 0 or at the int limits.
int wholePart(double value);
// A track angle (rad) in whole degrees, as the readouts and dumps show it.
int wholeDegrees(float theta);
