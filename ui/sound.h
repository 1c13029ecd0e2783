#pragma once
// The arena's sound: each match event heard where it happened, the rolling
// ball and the crowd, from wherever the active camera is. Sound only reads
// the match; the match never waits for it.
#include <irrlicht.h>

#include "match/match_events.h"
#include "ui/sound_output.h"

// Drains the match's events and plays each once, where it happened. Returns
// how many there were.
int presentMatchEvents(SoundOutput& out);

// Levels of the two loops for the match as it stands: the rolling ball's
// pitch and gain follow its speed (silent while it is held, dead or the match
// paused); the crowd's gain rises with the play.
void rollingLevel(float& pitch, float& gain);
float crowdLevel();

// Start-up: opens the audio device unless the game starts muted (--no-sound),
// in which case the device is opened only when M first unmutes. No device is
// not a fault: the console says so once and the game plays on silently.
// The sound library's own lines reach the console only with `libraryLog`.
void startSound(bool muted, bool libraryLog = false);
// Once per drawn frame, after the ticks and the camera: the match's events,
// the loops, the listener.
void updateSound();
// The same at a clock reading `now` (ms, as readClock gives).
void updateSoundAt(irr::s32 now);
// The match has jumped in time (a seek, a step back, an instant replay's
// start or end): what was sounding stops, the events of the ticks run on the
// way are let go, and the crowd takes up the new moment's level at once.
void soundJumped();
// The M key: mutes or unmutes, and says so on the commentary line for two
// seconds (a notice), before the match's own line comes back.
void toggleSound();
bool soundMuted();
// Closes the device at a normal end (OpenAL's file output is finished then).
void stopSound();

// Plays through `out` from now on (tests), or through nothing when null; the
// device is then never opened.
void useSoundOutput(SoundOutput* out);
