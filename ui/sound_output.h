#pragma once
// Where the game's sound requests go: the audio device in the game, a
// recorder in tests.
#include <irrlicht.h>

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
    // Stops every sound started by play(): the time they belonged to is gone.
    virtual void silence() = 0;
    // True while a sound started by play() is still sounding.
    virtual bool sounding(SoundId sound) = 0;
};
