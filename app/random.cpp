#include "app/random.h"

#include <cstdlib>

// The game's draws are 15-bit: rand() is folded onto 0..32767 so that the
// result spans exactly [0, scale] whatever the C library's RAND_MAX is
// (glibc's is 2^31 - 1, which would otherwise scale far past `scale`).
static constexpr int RANDOM_STEPS = 32768;

float randomScaled(float scale)
{
    const int draw = rand() % RANDOM_STEPS;
    return static_cast<float>(draw) * scale / 32767.0f;
}
