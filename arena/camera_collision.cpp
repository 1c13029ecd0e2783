#include "arena/camera_collision.h"

void addCameraCollision()
{
}
