#pragma once
// Where the game hangs the two scoreboards' digit boxes, and the board face
// behind them; shared by the board meshes and the board textures so that
// the painted frames and labels land round the digits.
#include <irrlicht.h>

enum DigitSlot {
    SLOT_PERIOD,
    SLOT_CLOCK_0, SLOT_CLOCK_1, SLOT_CLOCK_2, SLOT_CLOCK_3, // minutes tens .. seconds units
    SLOT_HOME_TENS, SLOT_HOME_UNITS, SLOT_AWAY_TENS, SLOT_AWAY_UNITS,
    SLOT_COUNT
};

struct BoardFace {
    float faceX;   // cm; the board's picture plane
    float facing;  // -1: looks towards -x (east board), +1: towards +x (west)
    float zLeft;   // cm; the picture's left edge as seen from the arena centre
    float zRight;
    float yBottom; // cm
    float yTop;
    irr::core::vector3df digits[SLOT_COUNT]; // centres of the digit faces, arena coordinates
};

BoardFace boardFace(bool west);

// Texture coordinates of an arena point (y, z) on the board's picture.
irr::core::vector2df boardUv(const BoardFace& face, float y, float z);
