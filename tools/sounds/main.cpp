// The sound generator: synthesises every sound the game plays from noise,
// oscillators and envelopes, and writes them as 16-bit WAV files into the
// folder given as its one argument (the build's sounds/), then a stamp file.
// Same program, same samples out.
#include <sndfile.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/sounds/synth.h"
#include "ui/sound_files.h"

static constexpr float TWO_PI = 6.28318531f;
static constexpr float LOOP_OVERLAP = 0.25f; // s faded from a loop's end into its start

// A sine whose frequency glides exponentially from `from` to `to` Hz over `glide` s.
static void addSweep(Track& track, float start, float length, float from, float to, float glide,
                     float tau, float gain)
{
    float phase = 0;
    addSpan(track, start, length, gain, [&](float t) {
        const float hz = from * powf(to / from, std::min(t / glide, 1.0f));
        phase += TWO_PI * hz / SOUND_SAMPLE_RATE;
        return decay(t, tau) * sinf(phase);
    });
}

// A burst of noise, shaped by a decay, filtered to a band.
static Track noiseBurst(float length, float tau, float lowHz, float highHz)
{
    Track burst = silence(length);
    addSpan(burst, 0, length, 1.0f, [&](float t) { return decay(t, tau) * noiseSample(); });
    bandPass(burst, lowHz, highHz);
    return burst;
}

// Steel ringing: a few inharmonic partials of a struck plate.
static void addClank(Track& track, float start, float hz, float tau, float gain)
{
    const float ratios[] = {1.0f, 1.59f, 2.14f, 2.83f};
    for (float ratio : ratios)
        addSpan(track, start, tau * 6, gain / ratio, [&](float t) {
            return decay(t, tau / ratio, 0.0005f) * sinf(TWO_PI * hz * ratio * t);
        });
}

// Many throats at once: detuned buzzing voices gliding by `glide` (a ratio)
// over the length, under a vowel-like band, with breath.
static Track crowdVoices(float length, float lowHz, float highHz, float glide, int voices)
{
    Track crowd = silence(length);
    for (int v = 0; v < voices; ++v) {
        const float hz = lowHz + (highHz - lowHz) * (0.5f + 0.5f * noiseSample());
        const float wobble = 3.0f + 3.0f * (0.5f + 0.5f * noiseSample());
        float phase = (0.5f + 0.5f * noiseSample());
        addSpan(crowd, 0, length, 1.0f / voices, [&](float t) {
            const float f = hz * powf(glide, t / length) * (1.0f + 0.01f * sinf(TWO_PI * wobble * t));
            phase += f / SOUND_SAMPLE_RATE;
            phase -= floorf(phase);
            return 2.0f * phase - 1.0f; // sawtooth
        });
    }
    lowPass(crowd, 900.0f);
    Track breath = noiseBurst(length, 1e6f, 300.0f, 2500.0f);
    mix(crowd, breath, 0, 0.5f);
    return crowd;
}

// A crowd's brief reaction, swelling in and dying away over `fade` seconds
// at each end, mixed into `t` at `gain`.
static void mixCrowdReaction(Track& t, float length, float lowHz, float highHz, float glide, int voices,
                             float fade, float gain)
{
    Track crowd = crowdVoices(length, lowHz, highHz, glide, voices);
    for (size_t i = 0; i < crowd.size(); ++i)
        crowd[i] *= gate(static_cast<float>(i) / SOUND_SAMPLE_RATE, length, fade);
    mix(t, crowd, 0, gain);
}

static Track fired(float length)
{
    Track t = silence(length);
    addSweep(t, 0, length, 140.0f, 38.0f, 0.12f, 0.14f, 1.0f); // the launcher's thump
    mix(t, noiseBurst(0.12f, 0.02f, 40.0f, 900.0f), 0, 0.9f);  // its blast
    addClank(t, 0.01f, 620.0f, 0.08f, 0.25f);                   // the steel ball leaving the tube
    Track whoosh = silence(length);
    addSpan(whoosh, 0.05f, 0.6f, 1.0f, [](float s) { return gate(s, 0.6f, 0.25f) * noiseSample(); });
    bandPass(whoosh, 500.0f, 2500.0f);
    mix(t, whoosh, 0, 0.25f);
    return t;
}

static Track rolling(float length)
{
    // Rumble of steel on boards, rattled by the joints between them.
    Track t = noiseBurst(length, 1e6f, 60.0f, 400.0f);
    for (size_t i = 0; i < t.size(); ++i) {
        const float s = static_cast<float>(i) / SOUND_SAMPLE_RATE;
        t[i] *= 0.7f + 0.3f * sinf(TWO_PI * 12.0f * s);
    }
    addSpan(t, 0, length, 0.15f, [](float s) { return sinf(TWO_PI * 85.0f * s); });
    makeLoop(t, LOOP_OVERLAP);
    return t;
}

static Track catchSound(float length)
{
    Track t = silence(length);
    mix(t, noiseBurst(0.05f, 0.008f, 800.0f, 6000.0f), 0, 1.0f); // the glove's smack
    addSweep(t, 0, 0.2f, 210.0f, 150.0f, 0.05f, 0.05f, 0.8f);
    addClank(t, 0.002f, 1450.0f, 0.03f, 0.2f);
    return t;
}

static Track pass(float length)
{
    Track t = silence(length);
    mix(t, noiseBurst(0.04f, 0.006f, 1200.0f, 7000.0f), 0, 0.8f); // slap of the hand-over
    Track whoosh = silence(length);
    addSpan(whoosh, 0, 0.3f, 1.0f, [](float s) { return gate(s, 0.3f, 0.12f) * noiseSample(); });
    bandPass(whoosh, 700.0f, 3000.0f);
    mix(t, whoosh, 0, 0.6f);
    addSweep(t, 0, 0.15f, 300.0f, 240.0f, 0.1f, 0.04f, 0.5f);
    return t;
}

static Track ballHit(float length)
{
    Track t = silence(length);
    addSweep(t, 0, length, 110.0f, 60.0f, 0.08f, 0.09f, 1.0f); // a body struck by steel
    mix(t, noiseBurst(0.15f, 0.03f, 100.0f, 2500.0f), 0, 0.9f);
    addClank(t, 0.0f, 880.0f, 0.06f, 0.35f);
    return t;
}

static Track clash(float length)
{
    Track t = silence(length);
    addSweep(t, 0, length, 95.0f, 55.0f, 0.1f, 0.08f, 1.0f);
    mix(t, noiseBurst(0.2f, 0.04f, 150.0f, 3000.0f), 0, 0.8f); // pads and helmets
    mix(t, noiseBurst(0.1f, 0.015f, 1000.0f, 5000.0f), 0.03f, 0.3f);
    return t;
}

static Track runOver(float length)
{
    Track t = silence(length);
    // The bike's engine revving into the impact.
    float phase = 0;
    addSpan(t, 0, 0.5f, 0.5f, [&](float s) {
        phase += (55.0f + 40.0f * s) / SOUND_SAMPLE_RATE;
        phase -= floorf(phase);
        return decay(s, 0.2f, 0.01f) * (2.0f * phase - 1.0f);
    });
    addSweep(t, 0, length, 80.0f, 35.0f, 0.15f, 0.14f, 1.0f); // two blows: bike, then the fall
    addSweep(t, 0.12f, length - 0.12f, 70.0f, 35.0f, 0.1f, 0.1f, 0.7f);
    mix(t, noiseBurst(0.5f, 0.12f, 80.0f, 2500.0f), 0, 1.0f);
    addClank(t, 0.01f, 410.0f, 0.1f, 0.3f);
    lowPass(t, 4000.0f);
    return t;
}

static Track crit(float length)
{
    Track t = silence(length);
    // A falling, wavering cry, with the crowd's "ooh" under it.
    float phase = 0;
    addSpan(t, 0, length, 0.6f, [&](float s) {
        const float hz = 420.0f * powf(0.5f, s / length) * (1.0f + 0.03f * sinf(TWO_PI * 6.0f * s));
        phase += hz / SOUND_SAMPLE_RATE;
        phase -= floorf(phase);
        return gate(s, length, 0.05f) * (2.0f * phase - 1.0f);
    });
    lowPass(t, 1800.0f);
    mixCrowdReaction(t, length, 170.0f, 260.0f, 0.85f, 12, 0.2f, 0.8f); // the groan
    return t;
}

static Track death(float length)
{
    Track t = silence(length);
    addSweep(t, 0, length, 65.0f, 40.0f, 1.0f, 0.5f, 1.0f); // a deep boom
    addClank(t, 0.0f, 180.0f, 0.35f, 0.4f);                  // a gong for the fallen
    mixCrowdReaction(t, length, 200.0f, 320.0f, 0.7f, 16, 0.3f, 0.6f); // the gasp
    return t;
}

static Track penaltyWhistle(float length)
{
    Track t = silence(length);
    addWhistle(t, 0.0f, 0.25f, 3100.0f, 1.0f);
    addWhistle(t, 0.4f, 0.35f, 3100.0f, 1.0f);
    return t;
}

static Track goal(float length)
{
    Track t = silence(length);
    // The goal horn: a brassy chord, low-passed.
    Track horn = silence(length);
    const float chord[] = {220.0f, 277.2f, 329.6f, 110.0f};
    for (float hz : chord) {
        float phase = 0;
        addSpan(horn, 0, 1.6f, 0.25f, [&](float s) {
            phase += hz * (1.0f + 0.002f * sinf(TWO_PI * 5.0f * s)) / SOUND_SAMPLE_RATE;
            phase -= floorf(phase);
            return gate(s, 1.6f, 0.04f) * (2.0f * phase - 1.0f);
        });
    }
    lowPass(horn, 1500.0f);
    mix(t, horn, 0, 1.0f);
    // The crowd roars up under the horn and fades after it.
    Track roar = crowdVoices(length, 220.0f, 420.0f, 1.1f, 24);
    Track hiss = noiseBurst(length, 1e6f, 400.0f, 4000.0f);
    mix(roar, hiss, 0, 0.6f);
    for (size_t i = 0; i < roar.size(); ++i) {
        const float s = static_cast<float>(i) / SOUND_SAMPLE_RATE;
        roar[i] *= std::min(1.0f, s / 0.4f) * (s < 1.8f ? 1.0f : expf(-(s - 1.8f) / 0.5f));
    }
    mix(t, roar, 0, 0.9f);
    return t;
}

static Track miss(float length)
{
    // The crowd's groan: many voices sagging down together.
    Track t = crowdVoices(length, 160.0f, 280.0f, 0.6f, 24);
    for (size_t i = 0; i < t.size(); ++i) {
        const float s = static_cast<float>(i) / SOUND_SAMPLE_RATE;
        t[i] *= std::min(1.0f, s / 0.25f) * expf(-s / 0.9f);
    }
    lowPass(t, 1200.0f);
    return t;
}

static Track periodWhistle(float length)
{
    Track t = silence(length);
    addWhistle(t, 0.0f, 1.0f, 2900.0f, 1.0f);
    return t;
}

static Track gameOver(float length)
{
    Track t = silence(length);
    addWhistle(t, 0.0f, 0.3f, 2900.0f, 1.0f);
    addWhistle(t, 0.45f, 0.3f, 2900.0f, 1.0f);
    addWhistle(t, 0.9f, 1.9f, 2900.0f, 1.0f);
    return t;
}

static Track crowd(float length)
{
    // The hall's murmur, swelling and easing slowly.
    Track t = crowdVoices(length, 140.0f, 320.0f, 1.0f, 32);
    Track hiss = noiseBurst(length, 1e6f, 300.0f, 3000.0f);
    mix(t, hiss, 0, 0.5f);
    for (size_t i = 0; i < t.size(); ++i) {
        const float s = static_cast<float>(i) / SOUND_SAMPLE_RATE;
        t[i] *= 0.8f + 0.2f * sinf(TWO_PI * 0.5f * s / (length - LOOP_OVERLAP) * 2.0f);
    }
    makeLoop(t, LOOP_OVERLAP);
    return t;
}

typedef Track (*Design)(float length);
// In the order of SoundId.
static const Design designs[] = {fired, rolling, catchSound, pass, ballHit, clash, runOver, crit,
                                 death, penaltyWhistle, goal, miss, periodWhistle, gameOver, crowd};
static_assert(sizeof designs / sizeof designs[0] == SOUND_COUNT, "one design per sound");

static bool writeSound(const std::string& path, const Track& track)
{
    SF_INFO info = {};
    info.samplerate = SOUND_SAMPLE_RATE;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(0));
        return false;
    }
    const sf_count_t written = sf_write_float(file, track.data(), static_cast<sf_count_t>(track.size()));
    const bool ok = written == static_cast<sf_count_t>(track.size());
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(file));
    return sf_close(file) == 0 && ok;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) {
        std::perror(argv[1]);
        return 1;
    }
    const std::string folder = std::string(argv[1]) + "/";
    int failures = 0;
    long bytes = 0;
    for (int id = 0; id < SOUND_COUNT; ++id) {
        const SoundFile& sound = soundFiles[id];
        // A loop is made longer by its overlap, which its end gives back.
        Track track = designs[id](sound.seconds + (sound.loops ? LOOP_OVERLAP : 0.0f));
        normalise(track, sound.peak);
        const std::string path = folder + sound.name;
        if (!writeSound(path, track)) {
            ++failures;
            continue;
        }
        struct stat st;
        if (stat(path.c_str(), &st) == 0)
            bytes += st.st_size;
    }
    if (failures) {
        std::fprintf(stderr, "%d of %d sound files could not be written\n", failures, SOUND_COUNT);
        return 1;
    }
    const std::string stamp = folder + ".complete";
    FILE* file = std::fopen(stamp.c_str(), "w");
    if (!file || std::fclose(file) != 0) {
        std::perror(stamp.c_str());
        return 1;
    }
    std::printf("sounds: %d files, %ld bytes\n", SOUND_COUNT, bytes);
    return 0;
}
