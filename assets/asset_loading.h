#pragma once
// Every mesh and texture of the game comes into the engine through here.
// The engine's loaders open more than the game names: an .obj's material
// files (mtllib) and the textures those name (map_Kd and the other maps).
// So the engine's own file opening goes through the same gate: each file it
// opens is read here first, judged by assets/asset_files.h, and handed to the
// loader from memory, exactly the bytes that were judged. A file that is
// absent or not sound reaches the loader as a file no loader takes, so the
// engine treats it as missing: an .obj without its material file loads
// untinted, a material whose texture is bad loads untextured.
#include <irrlicht.h>

// A file that is absent, damaged, not a regular file or not in its
// extension's format gives null, so the rules for a missing file apply to it
// unchanged; a mesh without a triangle counts as missing too. Each file is
// judged once per device: later asks are answered from the engine's caches
// and the kept verdicts, not from the disk.
irr::scene::IAnimatedMesh* loadMesh(const char* meshFile);
irr::video::ITexture* loadTexture(const char* textureFile);

// Puts the gate in front of the device's own file opening, once per device.
// loadMesh and loadTexture do it themselves; start-up calls it too, so that
// nothing the engine opens before the first asset gets past it.
void guardEngineFiles(irr::io::IFileSystem* files);
