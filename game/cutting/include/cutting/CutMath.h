#pragma once

#include <cstdint>

// Integer helpers of the piece cutter. All divisions truncate towards zero, so
// that a cut is the same on every platform for the same generator state.
namespace cutting {

// A number from a to b inclusive (the bounds are swapped when b < a), taken
// from the C library generator: a + rand() mod (b - a + 1). Exactly one call
// of rand() per draw, so the sequence of draws fixes the cut.
std::int64_t rnd(std::int64_t a, std::int64_t b);

// Ease curve: rises from 0 at x = 0 to h at x = n in two parabolic halves.
// Non-positive n gives 0 for x <= 0 and h beyond.
std::int64_t easeCurve(std::int64_t x, std::int64_t n, std::int64_t h);

// Square root of v after scaling v below 32001 by powers of four: the result
// is scale x floor(sqrt(v / 4^k)), where scale = 2^k. Negative v gives 0.
std::int64_t scaledSqrt(std::int64_t v);

}  // namespace cutting
