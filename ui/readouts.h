#pragma once
// A player as text on the HUD: the readout and the coloured state line.
#include <irrlicht.h>

struct Player;

constexpr int STATE_TEXT_SIZE = 1024; // wide characters
extern wchar_t stateText[STATE_TEXT_SIZE];

// Two lines: position, speed and condition, then the energies.
void formatReadout(const Player& player, wchar_t* destination);
// The state (or penalty) text and its colour, set on the element.
void writeStateLine(const Player& player, irr::gui::IGUIStaticText* element);
