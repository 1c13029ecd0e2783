#pragma once
// Where the generator writes, and what it has written so far.
#include <irrlicht.h>

#include <string>

#include "tools/mesh_data.h"
#include "tools/painter.h"

struct AssetOutput {
    std::string directory;                 // the meshes/ folder, with a trailing slash
    irr::video::IVideoDriver* driver = nullptr; // the image writer's owner (null driver)
    int files = 0;
    int failures = 0;
    size_t triangles = 0; // summed over the mesh files, each counted once
};

// Each writes one file into the output folder, counts it, and prints a line
// and counts a failure when it cannot be written.
void saveTexture(AssetOutput& out, const char* name, const Canvas& canvas);
void saveMesh(AssetOutput& out, const char* name, const MeshData& mesh); // by extension

// Paints a new width x height canvas with `paint` and saves it as `name`.
template <typename Paint>
void texture(AssetOutput& out, const char* name, int width, int height, Paint paint)
{
    Canvas canvas = newCanvas(width, height);
    paint(canvas);
    saveTexture(out, name, canvas);
    freeCanvas(canvas);
}

// The game's team colours, as its HUD draws them.
const Rgb kHomeOrange = {255, 127, 0};
const Rgb kAwayGreen = {63, 255, 0};
const char* const kHomeLabel = "HOU";
const char* const kAwayLabel = "MAD";

void makeArenaTextures(AssetOutput& out);
void makeScoreboardTextures(AssetOutput& out);
void makePlayerTextures(AssetOutput& out);
void makeArenaMeshes(AssetOutput& out);
void makePlayerMeshes(AssetOutput& out);
void makeHudFonts(AssetOutput& out);
