#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a 32-bit linear congruential state. A run that starts
// from the same seed makes the same choices.
class RandomSource
{
public:
    std::int32_t seed = 0; // RandSeed

    // Random(n): advance the state, then the upper 32 bits of state * n; 0..n-1.
    std::uint32_t random(std::uint32_t n)
    {
        const std::uint32_t state = std::uint32_t(seed) * 134775813u + 1u;
        seed = std::int32_t(state);
        return std::uint32_t((std::uint64_t(state) * n) >> 32);
    }

    // Seeds from a high-resolution clock.
    void randomize();
};
