#pragma once
// How the viewer watches the match go by: its speed, a pause of the viewer's
// own while a recording or an instant replay is watched, and what is shown.
// The keys ask for changes, the playback carries them out, the HUD shows
// them; none of it is the match's: the match is the same at every speed.

// The match runs at 2^matchSpeedStep times real time: from 1/4 to 32.
constexpr int SLOWEST_SPEED_STEP = -2;
constexpr int FASTEST_SPEED_STEP = 5;
extern int matchSpeedStep; // 0 at start-up; [ and ] halve and double it, Backspace sets it back

// Set while a recording or an instant replay is watched and the viewer has
// paused it; the match's own pause is its record's.
extern bool viewerPaused;
// An instant replay of the last seconds of the live match is showing.
extern bool showingInstantReplay;
// How far through the recording a replay stands, 0 to 1; below 0 outside a replay.
extern float recordingProgress;

// The speed as a factor of real time.
float matchSpeed();
