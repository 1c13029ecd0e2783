#pragma once
// The choices the game remembers from one run to the next, kept in
// $XDG_CONFIG_HOME/skorvane/settings.ini (~/.config/skorvane/ by default):
//
//   # Skorvane's settings, written when the game ends ...
//   [skorvane]
//   window = 1280x960
//   fullscreen = off
//   sound = on
//
// One setting a line, `name = value`; blank lines and lines starting with #
// are skipped. A choice given on the command line wins over the file's.
// The file is written only at a normal end of the game (Q, the window
// closed, the final whistle), so a damaged one is left as it is until then.
#include <string>

struct GameOptions;

// The file, or "" when there is no home to keep it in. Relative values of
// XDG_CONFIG_HOME and HOME are not taken.
std::string settingsPath();

// Reads the file at `path` into every choice of `options` that the command
// line left open. A missing file leaves them silently; a damaged, foreign,
// empty, huge or non-regular one leaves them too, after one console line.
// True when the file was read and sound.
bool readSettings(const std::string& path, GameOptions& options);

// Writes the choices of `options` as the run ends (the caller gives the
// sound as the M key left it), replacing the file whole; the console says
// why when it cannot. True when written.
bool writeSettings(const std::string& path, const GameOptions& options);
