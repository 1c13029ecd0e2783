#pragma once
// The game's own random numbers. Its state is part of the match: kept and
// put back with it, so a match can be taken up again anywhere. The sequence
// is the C library's rand() on this platform, draw for draw and seed for
// seed (an additive feedback generator over 31 words), so every seed and
// every recording plays as it always has.
#include <cstdint>

constexpr int RANDOM_WORDS = 31;

struct RandomState {
    std::int32_t words[RANDOM_WORDS];
    int front; // the word the next draw adds to
    int rear;  // the word it adds, RANDOM_SEPARATION words behind
};

// The match's generator: seeded with 1 at program start, as the C library's
// is, and again at the start of every run and of every match the headless
// runner plays.
extern RandomState randomState;

// As srand(seed): a seed of 0 is taken as 1.
void seedRandom(unsigned seed);
// As rand(): 0 .. 2^31 - 1.
int nextRandom();
// Uniform draw over [0, scale] (over [scale, 0] for a negative scale), in
// single precision: a 15-bit draw times scale over 32767.
float randomScaled(float scale);
