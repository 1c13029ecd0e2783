#pragma once
// Makes the floor, rails, track, wall and elevator solid for the free camera.
#include <irrlicht.h>

void addCameraCollision(irr::scene::ICameraSceneNode* freeCamera);
