#pragma once
// Whether a mesh or texture file may be handed to the engine's loaders.
// Damaged files make them crash, hang or read past their buffers: random
// bytes or a face naming a vertex the file never defined in an .obj, a .3ds
// cut short or with a chunk of length zero, a .jpg cut short or without its
// end marker. Each file is walked once before the engine sees it, by its own
// format's framing rules.

// Reads the file at the (relative) path and judges it by its extension:
// ".3ds", ".obj" or ".jpg". A file that is absent or unreadable, empty, in
// another format, or larger than any asset of the game is not sound.
bool soundAssetFile(const char* path);
