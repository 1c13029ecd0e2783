#pragma once
// The three presentation switches of "skorvane.ini". Each is 0 unless its
// letter occurs in the file; read once at start-up, never changed after.

extern bool floorSwitch;    // F: the alternative floor texture
extern bool lightingSwitch; // L: engine lighting on players, status balls and referees
extern bool bikerSwitch;    // P: biker models for every player, drawn 100 cm higher

// Reads "skorvane.ini" from the working directory. A missing file leaves all
// three at 0 silently, and so does anything but a regular file in its place;
// any byte other than F, L, P is reported and skipped. Only the first 64 KB
// are read, with one line on the console when there was more.
void readSwitches();
