#pragma once
// A player as text: the HUD readout, the coloured state line and console dumps.
#include <irrlicht.h>

struct Player;

constexpr int STATE_TEXT_SIZE = 1024; // wide characters
extern wchar_t stateText[STATE_TEXT_SIZE];

// Two lines: position, speed and condition, then the energies.
void formatReadout(const Player& player, wchar_t* destination);
// The state (or penalty) text and its colour, set on the element.
void writeStateLine(const Player& player, irr::gui::IGUIStaticText* element);
// The player block on the console, after a reported inconsistency.
void printPlayerDump(const Player& player);
// Heading, clock line and player block.
void printDumpWithClock(const Player& player);

// A real value as the whole number the readouts show: truncated toward zero.
// A value that has run away (not a number, or beyond an int) must still print
// something sane instead of whatever the conversion happens to produce, so it
// is held at 0 or at the int limits.
int wholePart(double value);
