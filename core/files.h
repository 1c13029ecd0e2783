#pragma once
// Reading a file the game did not write and cannot trust to be one.
#include <cstddef>
#include <string>
#include <vector>

// Reads up to `limit` bytes of the file at `path` into `bytes`, only if it
// is a regular file. A folder, a named pipe, a device or a link loop is never
// read (a pipe would block for ever, a device may never end, a folder reads
// as 2^63-1 bytes long). False if it is none of ours to read or cannot be
// read; `more`, if given, tells whether the file holds more than `limit`.
bool readRegularFile(const char* path, size_t limit, std::vector<unsigned char>& bytes, bool* more);

// A folder of the user's by the XDG rules: the one the variable names (only
// an absolute one counts), else `underHome` below $HOME, else "" (no home).
std::string userFolder(const char* variable, const char* underHome);

// Makes every missing folder of `path` (as mkdir -p) with `mode`. False, with
// errno set, when one cannot be made or something else stands in its place.
bool makeFolders(const std::string& path, unsigned mode);
