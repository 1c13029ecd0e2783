#pragma once
// The free first-person camera (overhead and end views) and the chase camera
// (ball chase and player chase), with the four camera modes.
#include <irrlicht.h>

#include "match/selection.h"

extern irr::scene::ICameraSceneNode* freeCamera;  // modes 0 and 1; owned by the engine
extern irr::scene::ICameraSceneNode* chaseCamera; // modes 2 and 3; owned by the engine
extern int previousCameraMode; // the mode the last update saw; 4 (no mode) at start
// A replay's viewer looks through a mode of their own, chosen with V, while
// the recording's V commands drive `cameraMode`, which the match reads (a player
// under user control keeps it only in player chase). -1, the start, follows
// the recording; outside a replay it stays -1.
extern int viewerCameraMode;
extern irr::core::vector3df chasePosition; // scratch position of the chase camera

void createCameras();
void updateCamera();
// The viewer's V in a replay: the next mode after the one shown.
void cycleViewerCameraMode();
// The mode the cameras and the HUD show: the director's while it directs,
// else the viewer's, else `cameraMode`.
int shownCameraMode();
// The player the player chase follows: the director's choice while it
// directs, else the selected player.
const Player& chasedPlayer();
