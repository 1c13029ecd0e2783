#pragma once
// Whether a file may be handed to the engine's loaders. Damaged files make
// them crash, hang or read past their buffers: random bytes or a face naming
// a vertex the file never defined in an .obj, a .3ds cut short or with a
// chunk of length zero, a .jpg cut short. Each file is judged once before the
// engine sees it, by its own format's rules; files the engine reads
// correctly, however unusual, pass.
#include <cstddef>
#include <vector>

// Far above any mesh, texture or material file of the game; a file this
// large is no asset of ours.
constexpr size_t MAX_ASSET_FILE_BYTES = 16 * 1024 * 1024;

// Whether the path's extension is one the game judges by its format:
// ".3ds", ".obj", ".mtl" or ".jpg".
bool judgedAssetKind(const char* path);

// Judges a file's bytes by the extension of its name. An empty file, or one
// of a kind not judged here, is not sound.
bool soundAssetBytes(const char* path, const unsigned char* bytes, size_t size);

// Reads the file at the (relative) path and judges it, into `bytes` as the
// engine's loader is to get them: a text file (.obj, .mtl) whose last line has
// no line end gets one. False, with `bytes` of no use, if it is not sound: a
// file that is absent, not a regular file, unreadable or larger than
// MAX_ASSET_FILE_BYTES is not sound either.
bool readSoundAsset(const char* path, std::vector<unsigned char>& bytes);
// The same, for the verdict alone.
bool soundAssetFile(const char* path);
