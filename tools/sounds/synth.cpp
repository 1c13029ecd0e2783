#include "tools/sounds/synth.h"

#include <algorithm>
#include <cmath>

static constexpr float TWO_PI = 6.28318531f;

Track silence(float seconds)
{
    return Track(static_cast<size_t>(lroundf(seconds * SOUND_SAMPLE_RATE)), 0.0f);
}

// xorshift32: a fixed seed, so every build writes the same sounds.
static uint32_t noiseState = 0x9e3779b9u;

float noiseSample()
{
    noiseState ^= noiseState << 13;
    noiseState ^= noiseState >> 17;
    noiseState ^= noiseState << 5;
    return static_cast<float>(noiseState) / 2147483648.0f - 1.0f;
}

float decay(float t, float tau, float attack)
{
    if (t < attack)
        return t / attack;
    return expf(-(t - attack) / tau);
}

float gate(float t, float length, float edge)
{
    if (t < 0 || t > length)
        return 0;
    return std::min(1.0f, std::min(t / edge, (length - t) / edge));
}

// The coefficient of a one-pole filter with its corner at `hz`.
static float onePole(float hz)
{
    return 1.0f - expf(-TWO_PI * hz / SOUND_SAMPLE_RATE);
}

void lowPass(Track& track, float hz)
{
    const float a = onePole(hz);
    float state = 0;
    for (float& s : track) {
        state += a * (s - state);
        s = state;
    }
}

void highPass(Track& track, float hz)
{
    const float a = onePole(hz);
    float low = 0;
    for (float& s : track) {
        low += a * (s - low);
        s -= low;
    }
}

void bandPass(Track& track, float lowHz, float highHz)
{
    highPass(track, lowHz);
    lowPass(track, highHz);
    // Two poles on the top: the band's hiss falls away faster.
    lowPass(track, highHz);
}

void mix(Track& track, const Track& source, float start, float gain)
{
    const long first = static_cast<long>(start * SOUND_SAMPLE_RATE);
    for (size_t i = 0; i < source.size(); ++i) {
        const long at = first + static_cast<long>(i);
        if (at >= 0 && at < static_cast<long>(track.size()))
            track[at] += gain * source[i];
    }
}

void makeLoop(Track& track, float overlap)
{
    const size_t n = static_cast<size_t>(lroundf(overlap * SOUND_SAMPLE_RATE)); // rounded as silence() rounds
    const size_t keep = track.size() - n;
    for (size_t i = 0; i < n; ++i) {
        const float w = static_cast<float>(i) / n; // 0 → 1 over the overlap
        track[i] = w * track[i] + (1.0f - w) * track[keep + i];
    }
    track.resize(keep);
}

void normalise(Track& track, float peak)
{
    float highest = 0;
    for (float s : track)
        highest = std::max(highest, fabsf(s));
    if (highest > 0)
        for (float& s : track)
            s *= peak / highest;
}

void addWhistle(Track& track, float start, float length, float hz, float gain)
{
    float phase = 0;
    addSpan(track, start, length, gain, [&](float t) {
        // The pea rattles the tone about 30 times a second.
        const float trill = sinf(TWO_PI * 31.0f * t);
        phase += TWO_PI * (hz + 140.0f * trill) / SOUND_SAMPLE_RATE;
        const float tone = sinf(phase) + 0.2f * sinf(2 * phase);
        const float body = 0.75f + 0.25f * trill;
        return gate(t, length, 0.015f) * (body * tone + 0.08f * noiseSample());
    });
}
