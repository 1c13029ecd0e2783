#pragma once
// The two scoreboards and their digit boxes. Which digit each box shows is
// decided by the match clock (match/match_clock.h).
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
// Builds boards[0] (east) then boards[1] (west) of the match clock.
void buildScoreboards();
void buildScoreboard(Scoreboard& board);

// Shows digit d (0..9) on a box. An absent box (missing mesh) is skipped, and
// so is a value that is no single digit: the box keeps what it showed.
inline void showDigit(irr::scene::ISceneNode* box, int digit)
{
    if (box && digit >= 0 && digit <= 9)
        box->setMaterialTexture(0, digitTextures[digit]);
}
