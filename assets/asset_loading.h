#pragma once
// Every mesh and texture of the game comes into the engine through here.
#include <irrlicht.h>

// A file that is absent, damaged or not in its extension's format gives
// null, so the rules for a missing file apply to it unchanged; a mesh without
// a triangle counts as missing too. Each file is judged once per device: later
// asks are answered from the engine's caches and the kept verdicts, not from
// the disk.
irr::scene::IAnimatedMesh* loadMesh(const char* meshFile);
irr::video::ITexture* loadTexture(const char* textureFile);
