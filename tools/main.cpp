// The asset generator: writes every mesh and texture the game loads into the
// folder given as its one argument (the build's meshes/), then a stamp file
// that tells the build the set is complete. Same program, same bytes out.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "tools/output.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // Wall time for the summary only; nothing generated depends on it.
    const auto started = std::chrono::steady_clock::now();
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) {
        std::perror(argv[1]);
        return 1;
    }

    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* engine = irr::createDeviceEx(params);
    if (!engine) {
        std::fprintf(stderr, "Cannot start the engine's null driver\n");
        return 1;
    }
    if (!loadFonts()) {
        engine->drop();
        return 1;
    }

    AssetOutput out;
    out.directory = std::string(argv[1]) + "/";
    out.driver = engine->getVideoDriver();
    makeArenaTextures(out);
    makeScoreboardTextures(out);
    makePlayerTextures(out);
    makeArenaMeshes(out);
    makePlayerMeshes(out);
    makeHudFonts(out);

    unloadFonts();
    engine->drop(); // made by createDeviceEx: ours to drop
    if (out.failures) {
        std::fprintf(stderr, "%d of %d asset files could not be written\n", out.failures, out.files);
        return 1;
    }

    const std::string stamp = out.directory + ".complete";
    FILE* file = std::fopen(stamp.c_str(), "w");
    if (!file || std::fclose(file) != 0) {
        std::perror(stamp.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("assets: %d files, %zu triangles in the mesh files, %.2f s\n", out.files,
                out.triangles, seconds);
    return 0;
}
