#pragma once
// Where the game puts things, and therefore where the meshes must put their
// surfaces. All lengths in cm (one engine unit), arena centre at the origin,
// y up. These mirror the game's own placement constants; the meshes are
// modelled to them, the game never reads them back.

// Floor and bank.
const float kFloorEdgeRadius = 1600.0f;  // flat floor inside, banked track outside
const float kBankRise = 0.325f;          // bank height per cm of radius beyond the floor edge
const float kOutOfBoundsRadius = 2960.0f; // the game halts a player beyond this
const float kTrackOuterRadius = 3000.0f;  // the bank runs on to meet the wall here
const float kWallHeightAboveBank = 330.0f; // the wall's lip above the bank's top edge
const float kRoofHeight = 2300.0f;        // the hall's ceiling; scoreboards hang from it
const float kHallRadius = 4160.0f;        // the back wall of the hall, behind the stands

inline float bankHeight(float radius)
{
    return radius < kFloorEdgeRadius ? 0.0f : (radius - kFloorEdgeRadius) * kBankRise;
}

// Infield.
const float kGateX = 1000.0f;       // gates at (+-1000, 0, 0)
const float kHomeSeatZ = 457.0f;    // home seats, x from -218 to 232
const float kAwaySeatZ = -465.0f;   // away seats, x from -224 to 226

// Central tower. Its doors hang at x = +-95 on its east and west faces.
const float kTowerHalfWidthX = 95.0f;
const float kTowerHalfDepthZ = 100.0f;
const float kTowerDeckHeight = 150.0f; // referee 0 stands on it at (0, 150, 0)
const float kTowerParapetHeight = 235.0f;
const float kDoorCentreY = 90.0f;      // the game's offset for every door

// Offsets at which the game places the pieces that carry one.
const float kWestGoalX = -150.0f;
const float kGoalTextX = 141.0f; // +-, at height 21 and z 0
const float kGoalTextY = 21.0f;
const float kTeamCardY = 15.0f;
const float kTeamCardZ = 142.0f;

// Scoreboards: the period digit box, parent of the other eight.
const float kEastTimeboxX = 3360.0f, kEastTimeboxY = 1042.0f, kEastTimeboxZ = 46.0f;
const float kWestTimeboxX = -3360.0f, kWestTimeboxY = 989.0f, kWestTimeboxZ = 1.0f;
const float kScoreRowDy = 136.0f; // score row above the period digit
const float kClockRowDy = -89.0f; // clock row below it
// Digit box offsets along the time box's own z, as the game places them.
const float kClockDigitZ[4] = {99.0f, 39.0f, -43.0f, -103.0f};
const float kScoreDigitZ[4] = {110.0f, 50.0f, -55.0f, -115.0f};

// Digit box: its face, towards the box's own -x, as drawn.
const float kDigitWidth = 52.0f;  // digits stand 60 apart
const float kDigitHeight = 80.0f; // the clock row is 89 below the period digit
const float kDigitDepth = 8.0f;

// Players, in their own frame: facing +x, feet at y = 0.
const float kPlayerHeight = 180.0f;
const float kWheelRadius = 34.0f;
const float kStatusBallDrop = 80.0f;   // the game hangs the status ball this far down
const float kStatusBallHeight = 262.0f; // wanted height of its centre above the feet
const float kStatusBallRadius = 15.0f;
const float kHeldBallHeight = 200.0f;  // a held ball's centre above the holder
const float kBikerRaise = 100.0f;      // the P switch raises every body by this
