#include "tools/scoreboard_layout.h"

#include <algorithm>

#include "tools/arena_layout.h"

using irr::core::vector2df;
using irr::core::vector3df;

static const float kSideMargin = 45.0f;  // cm of board left and right of the outer digits
static const float kLabelBand = 58.0f;   // cm above the score row for the team names
static const float kBottomMargin = 34.0f;
static const float kFaceBehindDigits = 10.0f; // cm between digit faces and the board

BoardFace boardFace(bool west)
{
    BoardFace face;
    // The west time box is turned half a turn: its own (x, z) are the arena's (-x, -z).
    const float turn = west ? -1.0f : 1.0f;
    const vector3df box = west ? vector3df(kWestTimeboxX, kWestTimeboxY, kWestTimeboxZ)
                               : vector3df(kEastTimeboxX, kEastTimeboxY, kEastTimeboxZ);
    face.facing = west ? 1.0f : -1.0f;
    const float digitFaceX = box.X + face.facing * kDigitDepth / 2;
    face.faceX = digitFaceX - face.facing * kFaceBehindDigits;
    face.digits[SLOT_PERIOD] = vector3df(digitFaceX, box.Y, box.Z);
    for (int i = 0; i < 4; ++i) {
        face.digits[SLOT_CLOCK_0 + i] =
            vector3df(digitFaceX, box.Y + kClockRowDy, box.Z + turn * kClockDigitZ[i]);
        face.digits[SLOT_HOME_TENS + i] =
            vector3df(digitFaceX, box.Y + kScoreRowDy, box.Z + turn * kScoreDigitZ[i]);
    }
    float zMin = box.Z, zMax = box.Z;
    for (const vector3df& d : face.digits) {
        zMin = std::min(zMin, d.Z);
        zMax = std::max(zMax, d.Z);
    }
    zMin -= kDigitWidth / 2 + kSideMargin;
    zMax += kDigitWidth / 2 + kSideMargin;
    // Seen from the centre, the east board's left is +z, the west board's -z.
    face.zLeft = west ? zMin : zMax;
    face.zRight = west ? zMax : zMin;
    face.yTop = box.Y + kScoreRowDy + kDigitHeight / 2 + kLabelBand;
    face.yBottom = box.Y + kClockRowDy - kDigitHeight / 2 - kBottomMargin;
    return face;
}

vector2df boardUv(const BoardFace& face, float y, float z)
{
    return vector2df((z - face.zLeft) / (face.zRight - face.zLeft),
                     (face.yTop - y) / (face.yTop - face.yBottom));
}
