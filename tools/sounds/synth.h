#pragma once
// Building blocks for the game's sounds: noise, oscillators, envelopes and
// one-pole filters over a mono float track. Deterministic: the same program
// writes the same samples.
#include <cstdint>
#include <vector>

#include "ui/sound_files.h"

using Track = std::vector<float>; // samples at SOUND_SAMPLE_RATE, full scale ±1

// A track of `seconds` of silence.
Track silence(float seconds);

// White noise in [-1, 1] from a fixed-seed generator; each call draws on.
float noiseSample();

// Adds `gain` × f(t) for t in [start, start + length) seconds, clipped to the track.
template <typename F>
void addSpan(Track& track, float start, float length, float gain, F f);

// Exponential decay from 1 with a time constant of `tau` seconds, after a
// linear attack of `attack` seconds.
float decay(float t, float tau, float attack = 0.002f);
// 0 → 1 → 0 over `length` seconds, with `edge` seconds of linear ramp at each end.
float gate(float t, float length, float edge);

// One-pole filters, in place; `hz` is the corner frequency.
void lowPass(Track& track, float hz);
void highPass(Track& track, float hz);
// A band of the noise: high-pass then low-pass.
void bandPass(Track& track, float lowHz, float highHz);

// Mixes `source` into `track` at `start` seconds with `gain`.
void mix(Track& track, const Track& source, float start, float gain);

// Makes the end run into the start: the last `overlap` seconds are faded into
// the first ones and cut off, so the track loops without a click.
void makeLoop(Track& track, float overlap);

// Scales the track so its highest sample is `peak`.
void normalise(Track& track, float peak);

// A police-style pea whistle: a tone near `hz` trilled by the pea, with breath.
void addWhistle(Track& track, float start, float length, float hz, float gain);

template <typename F>
void addSpan(Track& track, float start, float length, float gain, F f)
{
    const long first = static_cast<long>(start * SOUND_SAMPLE_RATE);
    const long count = static_cast<long>(length * SOUND_SAMPLE_RATE);
    for (long i = 0; i < count; ++i) {
        const long at = first + i;
        if (at < 0 || at >= static_cast<long>(track.size()))
            continue;
        track[at] += gain * f(static_cast<float>(i) / SOUND_SAMPLE_RATE);
    }
}
