#pragma once
// F12: the window saved as a PNG picture, named by the date and time, in the
// user's pictures folder.
#include <string>

// The folder screenshots go to: $XDG_PICTURES_DIR/skorvane, else
// $HOME/Pictures/skorvane, else (no home) the working folder, as "".
// Relative values of either variable are not taken.
std::string screenshotFolder();

// "skorvane-20261208-140327.png" for the local time `when` (seconds since
// the epoch); a second picture in the same second gets "-2", then "-3", ...
// as `copy` counts up from 1.
std::string screenshotName(long when, int copy);

// Writes the back buffer as it stands (the HUD drawn, the frame not yet
// ended) into the folder, made if need be, under a name no file has yet.
// The commentary line shows "Saved" and the name for two seconds and the console the
// whole path; a folder that cannot be made or written gets one console line
// and the game plays on. Returns the path written, or "".
std::string saveScreenshot();

// Once per drawn frame, before the frame ends: saves one when F12 asked.
void saveWantedScreenshot();
