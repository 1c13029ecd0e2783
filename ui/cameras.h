#pragma once
// The free first-person camera (overhead and end views) and the chase camera
// (ball chase and player chase), with the four camera modes.
#include <irrlicht.h>

enum CameraMode { OVERHEAD_VIEW = 0, END_VIEW = 1, BALL_CHASE = 2, PLAYER_CHASE = 3 };

extern irr::scene::ICameraSceneNode* freeCamera;  // modes 0 and 1; owned by the engine
extern irr::scene::ICameraSceneNode* chaseCamera; // modes 2 and 3; owned by the engine
extern int cameraMode;         // 0..3; newGame sets 0, the V key cycles it
extern int previousCameraMode; // the mode the last update saw; 4 (no mode) at start
extern irr::core::vector3df chasePosition; // scratch position of the chase camera

void createCameras();
void updateCamera();
void cycleCameraMode();
