#pragma once
// The final whistle's result over the frozen arena: the score large, the
// score by period, every goal and miss, and both teams' figures. It stays
// until the user presses a key, clicks or closes the window; Z starts a new
// game instead.

// The panel is up: the match is over and the user has not yet answered.
extern bool resultPanelShown;
// A key or a click on the panel: the run ends with "Game Over!".
extern bool resultPanelDismissed;

// At the final whistle: lays the panel out from the match's log, once.
void showResultPanel();
// A new game: the panel goes.
void hideResultPanel();
// Over the HUD, while it is up.
void drawResultPanel();
// How many lines it shows, its title and footer included (for tests).
int resultPanelLineCount();
