// The saver's random generator: a 32-bit linear congruential generator whose
// draws decide every figure. It is seeded from outside (the shell uses the
// clock, the renderer a command-line seed), never from inside the engine.
#pragma once

#include <cstdint>

struct RandomGenerator {
    std::uint32_t state = 0;
};

inline void SeedRandom(RandomGenerator& random, std::uint32_t seed) { random.state = seed; }

// One draw: 0..32767. Every caller's draw advances the same state, so the
// order of draws across the engine is part of what a seed means.
inline int NextRandom(RandomGenerator& random)
{
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7FFFu);
}

// Draws bit 1 << (draw mod n + shift) until it is in the set. The caller
// makes sure that one of those n bits is set, or this never returns.
inline std::uint32_t DrawBitInSet(std::uint32_t set, int n, int shift, RandomGenerator& random)
{
    for (;;) {
        const std::uint32_t bit = 1u << (NextRandom(random) % n + shift);
        if ((set & bit) != 0) return bit;
    }
}
