#pragma once
// Where each picture lies inside the textures that hold several: the meshes
// map their faces onto these rectangles and the painters draw into them.
#include "tools/mesh_data.h"

// A rectangle pulled in by `pixels` of a `size`-pixel texture, so that
// filtering never reaches the neighbouring picture.
inline UvRect inset(const UvRect& r, float pixels, float size)
{
    const float d = pixels / size;
    return UvRect{r.u0 + d, r.v0 + d, r.u1 - d, r.v1 - d};
}

// Uniforms (uni_h0..uni_a9, referee, bikerh0), 256 x 256 pixels.
const int kUniformSize = 256;
const UvRect kUniTorsoFront = {0.0f, 0.0f, 0.5f, 0.5f};
const UvRect kUniTorsoBack = {0.5f, 0.0f, 1.0f, 0.5f};
const UvRect kUniShoulders = {0.0f, 0.5f, 0.25f, 0.75f};
const UvRect kUniHelmetTop = {0.25f, 0.5f, 0.5f, 0.75f};
const UvRect kUniHelmetSide = {0.5f, 0.5f, 0.75f, 0.75f};
const UvRect kUniVisor = {0.75f, 0.5f, 1.0f, 0.75f};
const UvRect kUniSleeve = {0.0f, 0.75f, 0.25f, 1.0f};
const UvRect kUniLegs = {0.25f, 0.75f, 0.5f, 1.0f};
const UvRect kUniSkates = {0.5f, 0.75f, 0.75f, 1.0f};
const UvRect kUniTorsoSide = {0.75f, 0.75f, 1.0f, 1.0f};

// Elevator tower, 256 x 256.
const int kTowerTextureSize = 256;
const UvRect kTowerWall = {0.0f, 0.0f, 1.0f, 0.5f};
const UvRect kTowerDeck = {0.0f, 0.5f, 0.5f, 1.0f};
const UvRect kTowerTrim = {0.5f, 0.5f, 1.0f, 1.0f};

// Controller desk, 256 x 256.
const int kControllerSize = 256;
const UvRect kControllerScreens = {0.0f, 0.0f, 1.0f, 0.5f};
const UvRect kControllerButtons = {0.0f, 0.5f, 0.5f, 1.0f};
const UvRect kControllerBody = {0.5f, 0.5f, 1.0f, 1.0f};

// Panels (goal texts, team card, doors, digits, boards) keep a dark frame
// round their picture; faces that show no picture take a corner of it.
const UvRect kFrameCorner = {0.0f, 0.0f, 0.02f, 0.02f};
