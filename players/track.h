#pragma once
// Geometry of the banked track, shared by players and the ball.
// Lengths in cm, angles in rad; centre at the origin, y up, track in the x/z plane.
#include <irrlicht.h>

constexpr float PI_F = 3.14159265f;
constexpr float TWO_PI_F = 6.2831855f;        // 2π as the game stores it in single precision

constexpr float BANK_START_RADIUS = 1600.0f;  // cm; flat floor inside, bank outside
constexpr float BANK_RISE = 0.325f;           // cm of height per cm of radius past the bank start
constexpr float BANK_ANGLE = 0.31415926236f;  // rad (18 degrees), for potential energy and roll-down
constexpr float GRAVITY = 0.00098f;           // cm/ms²
constexpr float LANE_0_MAX_RADIUS = 900.0f;   // cm; lane 0 is r <= 900, lane 1 up to the bank, lane 2 the bank
constexpr float TRACK_OUTER_RADIUS = 2860.0f; // cm; a player's r field is clamped back to it
constexpr float OUT_OF_BOUNDS_RADIUS = 2960.0f; // cm; beyond it a player is out of bounds
constexpr float GATE_RADIUS = 1000.0f;        // cm; home gate at (+1000, 0, 0), away gate at (-1000, 0, 0)
constexpr double CM_PER_MS_PER_MPH = 0.044704; // one mile per hour in cm/ms

// Height of the track surface at radius r (cm): 0 on the floor, the bank beyond.
inline float bankHeight(float r)
{
    return r >= BANK_START_RADIUS ? (r - BANK_START_RADIUS) * BANK_RISE : 0.0f;
}

inline float trackRadius(float x, float z)
{
    return sqrtf(x * x + z * z);
}

// Track angle of (x, z) at radius r: asin(z / r), π − that when x < 0.
// Lies in (−π/2, 3π/2); callers that need [0, 2π) add 2π below 0.
// Never not-a-number: at r = 0 the angle is 0, and z / r is kept within
// [−1, 1] where single-precision rounding pushes it just outside (on the z axis).
inline float polarAngle(float x, float z, float r)
{
    if (!(r > 0.0f))
        return 0.0f;
    float s = z / r;
    if (s > 1.0f)
        s = 1.0f;
    else if (s < -1.0f)
        s = -1.0f;
    float theta = asinf(s);
    if (x < 0.0f)
        theta = PI_F - theta;
    return theta;
}

// polarAngle brought into [0, 2π).
inline float trackAngle(float x, float z, float r)
{
    float theta = polarAngle(x, z, r);
    if (theta < 0.0f)
        theta += TWO_PI_F;
    return theta;
}
