#pragma once
// The final whistle's result over the frozen arena: the score large, the
// score by period, every goal and miss, and both teams' figures. It stays
// until the user presses a key, clicks or closes the window; Z starts a new
// game instead.

// Whether it is up, and whether it was answered, are the event receiver's
// flags: resultPanelShown and resultPanelDismissed (ui/input.h).
#include "ui/input.h"

// At the final whistle: lays the panel out from the match's log, once.
void showResultPanel();
// A new game: the panel goes.
void hideResultPanel();
// Over the HUD, while it is up.
void drawResultPanel();
// How many lines it shows, its title and footer included (for tests).
int resultPanelLineCount();
