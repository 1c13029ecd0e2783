#include "ui/sound_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <sndfile.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/asset_files.h"
#include "core/files.h"
#include "core/run_state.h"
#include "ui/sound_output.h"

// Sources for sounds played once; when all are busy the oldest gives way.
static constexpr int ONE_SHOT_SOURCES = 24;
// Distances in cm: a sound is heard at full level up to REFERENCE away, then
// at REFERENCE / (REFERENCE + ROLLOFF × the distance beyond): a third of it
// from the ball chase's 15 m, a sixth from the overhead view's 30 m.
static constexpr float REFERENCE_DISTANCE = 800.0f;
static constexpr float ROLLOFF = 2.0f;
// A sound asked for again this soon this near is already sounding: contact
// between two players lasts several ticks and is heard as one blow.
static constexpr irr::s32 REPEAT_MS = 150;
static constexpr float REPEAT_REACH_SQUARED = 300.0f * 300.0f; // cm²

// The engine's world is left-handed (x right, y up, z forward), OpenAL's
// right-handed: z changes sign on the way.
static void alVector(ALenum parameter, ALuint source, const irr::core::vector3df& v)
{
    alSource3f(source, parameter, v.X, v.Y, -v.Z);
}

class OpenAlOutput : public SoundOutput {
public:
    void play(SoundId sound, const irr::core::vector3df& at) override
    {
        if (!buffers[sound] || silent)
            return;
        const irr::s32 now = readClock();
        if (lastSource[sound] >= 0 && now - lastStarted[sound] < REPEAT_MS &&
            at.getDistanceFromSQ(lastAt[sound]) < REPEAT_REACH_SQUARED)
            return;
        const int slot = freeSlot();
        const ALuint source = oneShots[slot];
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[sound]));
        alVector(AL_POSITION, source, at);
        alSourcePlay(source);
        startedAt[slot] = now;
        lastSource[sound] = slot;
        lastStarted[sound] = now;
        lastAt[sound] = at;
    }

    void loop(SoundId sound, const irr::core::vector3df& at, bool around, float pitch, float gain) override
    {
        const ALuint source = sound == SOUND_CROWD ? crowd : rolling;
        if (!buffers[sound] || silent)
            return;
        alSourcei(source, AL_SOURCE_RELATIVE, around ? AL_TRUE : AL_FALSE);
        alVector(AL_POSITION, source, around ? irr::core::vector3df() : at);
        alSourcef(source, AL_PITCH, pitch);
        alSourcef(source, AL_GAIN, gain);
        ALint state = 0;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (gain > 0 && state != AL_PLAYING) {
            // A paused loop keeps its buffer and carries on where it stopped.
            if (state != AL_PAUSED) {
                alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[sound]));
                alSourcei(source, AL_LOOPING, AL_TRUE);
            }
            alSourcePlay(source);
        } else if (gain <= 0 && state == AL_PLAYING) {
            alSourcePause(source);
        }
    }

    void listen(const irr::core::vector3df& position, const irr::core::vector3df& forward,
                const irr::core::vector3df& up) override
    {
        alListener3f(AL_POSITION, position.X, position.Y, -position.Z);
        const ALfloat orientation[6] = {forward.X, forward.Y, -forward.Z, up.X, up.Y, -up.Z};
        alListenerfv(AL_ORIENTATION, orientation);
    }

    // Muted, nothing plays at all. A listener gain of 0 alone is not enough:
    // OpenAL Soft resumes a paused source at the level it had when paused and
    // only then fades it to the new one, an audible blip.
    void mute(bool muted) override
    {
        silent = muted;
        alListenerf(AL_GAIN, muted ? 0.0f : 1.0f);
        if (muted) {
            alSourceStopv(ONE_SHOT_SOURCES, oneShots);
            alSourcePause(rolling);
            alSourcePause(crowd);
        }
    }

    void silence() override
    {
        alSourceStopv(ONE_SHOT_SOURCES, oneShots);
    }

    bool sounding(SoundId sound) override
    {
        if (lastSource[sound] < 0)
            return false;
        const ALuint source = oneShots[lastSource[sound]];
        ALint state = 0, buffer = 0;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        alGetSourcei(source, AL_BUFFER, &buffer);
        return state == AL_PLAYING && static_cast<ALuint>(buffer) == buffers[sound];
    }

    bool open();
    void close();

private:
    int freeSlot()
    {
        int oldest = 0;
        for (int i = 0; i < ONE_SHOT_SOURCES; ++i) {
            ALint state = 0;
            alGetSourcei(oneShots[i], AL_SOURCE_STATE, &state);
            if (state != AL_PLAYING)
                return i;
            if (startedAt[i] < startedAt[oldest])
                oldest = i;
        }
        return oldest;
    }

    bool loadBuffer(int sound);

    ALCdevice* device = 0;
    ALCcontext* context = 0;
    ALuint buffers[SOUND_COUNT] = {};
    ALuint oneShots[ONE_SHOT_SOURCES] = {};
    irr::s32 startedAt[ONE_SHOT_SOURCES] = {};
    ALuint rolling = 0;
    ALuint crowd = 0;
    bool silent = false; // muted: sources stopped or paused, requests let go
    int lastSource[SOUND_COUNT];
    irr::s32 lastStarted[SOUND_COUNT] = {};
    irr::core::vector3df lastAt[SOUND_COUNT];
};

// The one device of the run; opened at most once.
static OpenAlOutput openAl;

// libsndfile reads a sound from the bytes already in memory, so the file is
// opened only by the asset reader, which refuses pipes, folders and devices.
struct SoundBytes {
    const std::vector<unsigned char>* bytes;
    sf_count_t at;
};

static sf_count_t soundBytesLength(void* data)
{
    return static_cast<sf_count_t>(static_cast<SoundBytes*>(data)->bytes->size());
}

static sf_count_t soundBytesSeek(sf_count_t offset, int whence, void* data)
{
    SoundBytes& in = *static_cast<SoundBytes*>(data);
    const sf_count_t length = static_cast<sf_count_t>(in.bytes->size());
    const sf_count_t from = whence == SEEK_CUR ? in.at : whence == SEEK_END ? length : 0;
    const sf_count_t to = from + offset;
    if (to < 0 || to > length)
        return -1;
    in.at = to;
    return in.at;
}

static sf_count_t soundBytesRead(void* to, sf_count_t count, void* data)
{
    SoundBytes& in = *static_cast<SoundBytes*>(data);
    const sf_count_t left = static_cast<sf_count_t>(in.bytes->size()) - in.at;
    const sf_count_t n = count < left ? count : left;
    if (n > 0)
        memcpy(to, in.bytes->data() + in.at, static_cast<size_t>(n));
    in.at += n > 0 ? n : 0;
    return n > 0 ? n : 0;
}

static sf_count_t soundBytesTell(void* data)
{
    return static_cast<SoundBytes*>(data)->at;
}

bool OpenAlOutput::loadBuffer(int sound)
{
    const std::string path = std::string(SOUND_FOLDER) + soundFiles[sound].name;
    std::vector<unsigned char> bytes;
    bool more = false;
    SF_INFO info = {};
    SNDFILE* file = 0;
    SoundBytes in = {&bytes, 0};
    SF_VIRTUAL_IO io = {soundBytesLength, soundBytesSeek, soundBytesRead, 0, soundBytesTell};
    if (readRegularFile(path.c_str(), MAX_ASSET_FILE_BYTES, bytes, &more) && !more && !bytes.empty())
        file = sf_open_virtual(&io, SFM_READ, &info, &in);
    if (!file || info.channels != 1 || info.frames <= 0) {
        if (file)
            sf_close(file);
        printf("sound file %s missing or unreadable: it stays silent\n", path.c_str());
        return false;
    }
    // Loaded once at start-up; OpenAL copies the samples.
    std::vector<short> samples(static_cast<size_t>(info.frames));
    const sf_count_t read = sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    alGenBuffers(1, &buffers[sound]);
    alBufferData(buffers[sound], AL_FORMAT_MONO16, samples.data(),
                 static_cast<ALsizei>(read * sizeof(short)), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffers[sound]);
        buffers[sound] = 0;
        printf("sound file %s could not be played: it stays silent\n", path.c_str());
        return false;
    }
    return true;
}

bool OpenAlOutput::open()
{
    device = alcOpenDevice(0);
    if (!device)
        return false;
    context = alcCreateContext(device, 0);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
        context = 0;
        device = 0;
        return false;
    }
    alGetError();
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    for (int& slot : lastSource)
        slot = -1;
    for (int sound = 0; sound < SOUND_COUNT; ++sound)
        loadBuffer(sound);
    alGenSources(ONE_SHOT_SOURCES, oneShots);
    alGenSources(1, &rolling);
    alGenSources(1, &crowd);
    for (ALuint source : oneShots) {
        alSourcef(source, AL_REFERENCE_DISTANCE, REFERENCE_DISTANCE);
        alSourcef(source, AL_ROLLOFF_FACTOR, ROLLOFF);
    }
    alSourcef(rolling, AL_REFERENCE_DISTANCE, REFERENCE_DISTANCE);
    alSourcef(rolling, AL_ROLLOFF_FACTOR, ROLLOFF);
    alSourcef(crowd, AL_ROLLOFF_FACTOR, 0.0f);
    alGetError();
    return true;
}

void OpenAlOutput::close()
{
    if (!device)
        return;
    alSourceStopv(ONE_SHOT_SOURCES, oneShots);
    alSourceStop(rolling);
    alSourceStop(crowd);
    alDeleteSources(ONE_SHOT_SOURCES, oneShots);
    alDeleteSources(1, &rolling);
    alDeleteSources(1, &crowd);
    for (ALuint& buffer : buffers) {
        if (buffer)
            alDeleteBuffers(1, &buffer);
        buffer = 0;
    }
    alcMakeContextCurrent(0);
    alcDestroyContext(context);
    alcCloseDevice(device);
    context = 0;
    device = 0;
}

// Points standard error at nothing; returns the descriptor to put back, or -1.
static int silenceStandardError()
{
    fflush(stderr);
    int kept = dup(STDERR_FILENO);
    const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (kept < 0 || nothing < 0 || dup2(nothing, STDERR_FILENO) < 0) {
        if (kept >= 0)
            close(kept);
        kept = -1;
    }
    if (nothing >= 0)
        close(nothing);
    return kept;
}

static void restoreStandardError(int kept)
{
    if (kept < 0)
        return;
    fflush(stderr);
    dup2(kept, STDERR_FILENO);
    close(kept);
}

SoundOutput* openSoundDevice(bool libraryLog)
{
    // OpenAL Soft, and the ALSA library under it, say on standard error why
    // each output they try fails; with no device the game's one line below
    // says all a player needs. A level the user set is the user's wish to
    // hear them.
    const bool quiet = !libraryLog && !getenv("ALSOFT_LOGLEVEL");
    if (quiet)
        setenv("ALSOFT_LOGLEVEL", "0", 0); // read when the library first opens a device
    const int kept = quiet ? silenceStandardError() : -1;
    const bool opened = openAl.open();
    restoreStandardError(kept);
    if (!opened) {
        printf("No audio device: the game plays without sound\n");
        fflush(stdout);
        return 0;
    }
    return &openAl;
}

void closeSoundDevice()
{
    openAl.close();
}
