// Skorvane: a violent team sport on a banked indoor track.
#include "app/engine.h"
#include "app/frame_loop.h"
#include "app/options.h"
#include "app/startup.h"
#include "ui/sound.h"

int main(int argc, char** argv)
{
    const int status = readGameOptions(argc, argv);
    if (status >= 0)
        return status;
    startUp();
    runFrameLoop();
    printFrameStatistics();
    stopSound();
    // The engine's nodes, meshes and textures go with the device.
    device->drop();
    return 0;
}
