#include "core/playback.h"

int matchSpeedStep = 0;
bool viewerPaused = false;
bool showingInstantReplay = false;
float recordingProgress = -1.0f;

float matchSpeed()
{
    float speed = 1.0f;
    for (int step = 0; step < matchSpeedStep; ++step)
        speed *= 2.0f;
    for (int step = 0; step > matchSpeedStep; --step)
        speed /= 2.0f;
    return speed;
}
