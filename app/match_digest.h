#pragma once
// A fingerprint of the whole match state: every player's record with its
// body's position and turn, the ball, the clock and score, the counters of
// the match tick, the selection and the switches the keys change. Two
// matches with the same digest are, for every purpose of the game, one.
#include <cstdint>

std::uint64_t matchDigest();
