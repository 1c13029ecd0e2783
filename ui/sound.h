#pragma once
// The arena's sound: each match event heard where it happened, the rolling
// ball and the crowd, from wherever the active camera is. Sound only reads
// the match; the match never waits for it.
#include <irrlicht.h>

#include "match/match_events.h"
#include "ui/sound_files.h"

// Where sound requests go: OpenAL in the game, a recorder in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() {}
    // Plays a sound once at a world position (cm).
    virtual void play(SoundId sound, const irr::core::vector3df& at) = 0;
    // Keeps a looping sound going at a position with a pitch (1 as written)
    // and a gain (0 silent, 1 as written); `around` plays it all about the
    // listener instead, at no one place.
    virtual void loop(SoundId sound, const irr::core::vector3df& at, bool around, float pitch, float gain) = 0;
    // The listener's place and bearing: the active camera.
    virtual void listen(const irr::core::vector3df& position, const irr::core::vector3df& forward,
                        const irr::core::vector3df& up) = 0;
    virtual void mute(bool muted) = 0;
    // True while a sound started by play() is still sounding.
    virtual bool sounding(SoundId sound) = 0;
};

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
void startSound(bool muted);
// Once per drawn frame, after the ticks and the camera: the match's events,
// the loops, the listener.
void updateSound();
// The same at a clock reading `now` (ms, as readClock gives).
void updateSoundAt(irr::s32 now);
// The M key: mutes or unmutes, and says so on the commentary line for two
// seconds, before the match's own line comes back.
void toggleSound();
bool soundMuted();
// Closes the device at a normal end (OpenAL's file output is finished then).
void stopSound();

// Plays through `out` from now on (tests), or through nothing when null; the
// device is then never opened.
void useSoundOutput(SoundOutput* out);
