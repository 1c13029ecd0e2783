#pragma once
#include "ui/sound_files.h"

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
