#pragma once
// Makes the floor, rails, track, wall and elevator solid for the free camera.
void addCameraCollision();
