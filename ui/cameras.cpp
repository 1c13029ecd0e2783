#include "ui/cameras.h"

irr::scene::ICameraSceneNode* freeCamera = 0;
irr::scene::ICameraSceneNode* chaseCamera = 0;
int cameraMode = 0;
int previousCameraMode = 4;
irr::core::vector3df chasePosition;

void createCameras() {}
void updateCamera() {}
void cycleCameraMode() {}
