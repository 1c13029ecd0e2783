#pragma once
// Writes meshes in the two formats the game loads, in the form the engine's
// own loaders read back as the MeshData we built.
#include "tools/mesh_data.h"

// A 3D Studio file: one object, one material per group. The engine's loader
// swaps y and z, turns v into 1 - v and reverses each face's corners, so all
// three are written the other way round. Returns false when the file cannot be written or the mesh
// is too big for the format's 16-bit counts.
bool write3ds(const char* path, const MeshData& mesh);

// A Wavefront file. The engine's loader negates x, turns v into 1 - v and
// reverses each face's corners, so all three are written the other way round.
// Group tints go into a material file beside it (same name, .mtl) when any
// group is not plain white or glows.
bool writeObj(const char* path, const MeshData& mesh);
