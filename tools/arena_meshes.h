#pragma once
// The stadium's meshes. Pieces the game places without an offset are built in
// arena coordinates; the others around the point the game moves them to.
#include "tools/mesh_data.h"

MeshData makePlayerBayFloor();
MeshData makeOuterTrack();
MeshData makeOuterWall();
MeshData makeInnerRail(bool north);
MeshData makeElevator();
MeshData makeElevatorDoor(); // around (+-95, 90, z)
MeshData makeLadder();
MeshData makeController();
MeshData makeControlChair();
MeshData makeWestGoal();     // around (-150, 0, 0)
MeshData makeGoalTextBox();  // around (-141, 21, 0), face towards -x
MeshData makeTeamCard();     // around (0, 15, 142)
MeshData makeEastGoalFingers(); // around (150, 0, 0)
MeshData makeEastGoalGuide();   // around (150, 0, 0)
