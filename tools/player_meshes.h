#pragma once
// Players and what the game hangs on them. Bodies face their own +x: the
// game's motion step turns local +x along the direction of travel.
#include "tools/mesh_data.h"

MeshData makeSkater();     // feet at y = 0; also the referees' body
MeshData makeBiker();      // feet at y = -100: the P switch raises bodies by 100
MeshData makeWheel();      // upright in the x-y plane, resting on y = 0
MeshData makeStatusBall(); // hung 80 below the body's origin by the game
