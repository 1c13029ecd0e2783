#pragma once
// The two scoreboards and their digit boxes. Which digit each box shows is
// the match clock's record (match/match_clock.h); the boards paint it.
#include <irrlicht.h>

struct Scoreboard {
    irr::u8 side;                 // 1 builds the west board, anything else the east one
    irr::core::vector3df pos;     // scratch position while the board is built
    irr::scene::ISceneNode* board;
    irr::scene::ISceneNode* home_tens;
    irr::scene::ISceneNode* home_units;
    irr::scene::ISceneNode* away_tens;
    irr::scene::ISceneNode* away_units;
    irr::scene::ISceneNode* timebox;          // period digit; parent of the other eight boxes
    irr::scene::ISceneNode* clock_digits[4];  // minutes tens, minutes units, seconds tens, seconds units
};

// Loaded once at start-up, before the stadium; owned by the engine.
extern irr::scene::IAnimatedMesh* timeboxMesh;
extern irr::video::ITexture* digitTextures[10]; // entry d shows digit d

// Loads "meshes/timebox.obj" and the digit textures "meshes/sbn0.jpg".."meshes/sbn9.jpg".
void loadClockDigits();
// Board 0 is the east one, board 1 the west one; zero-filled but for their
// sides at program start, built once by the stadium.
extern Scoreboard scoreboards[2];

// Builds scoreboards[0] (east) then scoreboards[1] (west).
void buildScoreboards();
void buildScoreboard(Scoreboard& board);
// Paints on both boards the clock, period and score the match clock says
// they show; a box that already shows its digit is not touched.
void showScoreboards();

// Shows digit d (0..9) on a box. An absent box (missing mesh) is skipped, and
// so is a value that is no single digit: the box keeps what it showed.
void showDigit(irr::scene::ISceneNode* box, int digit);
