#include "core/random.h"

static constexpr int RANDOM_SEPARATION = 3;             // words between front and rear
static constexpr int SEED_DISCARDS = 10 * RANDOM_WORDS; // draws thrown away after seeding
// The seed's words are spread by the minimal standard generator,
// 16807 x mod 2^31 - 1, worked by Schrage's method so nothing overflows.
static constexpr long SPREAD_MULTIPLIER = 16807;
static constexpr std::int32_t SPREAD_MODULUS = 2147483647;
static constexpr long SPREAD_QUOTIENT = 127773; // modulus / multiplier
static constexpr long SPREAD_REMAINDER = 2836;  // modulus % multiplier
// The game's draws are 15-bit, whatever the generator's range, so that a
// scaled draw spans exactly [0, scale].
static constexpr int RANDOM_STEPS = 32768;

static constexpr int draw(RandomState& s)
{
    // Words add with wrap-around, as unsigned; the lowest bit is the least
    // random and is dropped.
    const std::uint32_t sum =
        static_cast<std::uint32_t>(s.words[s.front]) + static_cast<std::uint32_t>(s.words[s.rear]);
    s.words[s.front] = static_cast<std::int32_t>(sum);
    if (++s.front == RANDOM_WORDS)
        s.front = 0;
    if (++s.rear == RANDOM_WORDS)
        s.rear = 0;
    return static_cast<int>(sum >> 1);
}

static constexpr RandomState seeded(unsigned seed)
{
    RandomState s{};
    if (seed == 0)
        seed = 1;
    // The seed's 32 bits are taken as a signed word, as the C library takes
    // them: seeds from 2^31 up start the spread from a negative word.
    std::int32_t word = static_cast<std::int32_t>(seed);
    s.words[0] = word;
    for (int i = 1; i < RANDOM_WORDS; ++i) {
        const long hi = word / SPREAD_QUOTIENT;
        const long lo = word % SPREAD_QUOTIENT;
        word = static_cast<std::int32_t>(SPREAD_MULTIPLIER * lo - SPREAD_REMAINDER * hi);
        if (word < 0)
            word += SPREAD_MODULUS;
        s.words[i] = word;
    }
    s.front = RANDOM_SEPARATION;
    s.rear = 0;
    for (int i = 0; i < SEED_DISCARDS; ++i)
        draw(s);
    return s;
}

// Before any seed, as the C library's generator: seeded with 1.
RandomState randomState = seeded(1);

void seedRandom(unsigned seed)
{
    randomState = seeded(seed);
}

int nextRandom()
{
    return draw(randomState);
}

float randomScaled(float scale)
{
    const int draw = nextRandom() % RANDOM_STEPS;
    return static_cast<float>(draw) * scale / 32767.0f;
}
