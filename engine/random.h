#pragma once
// The machine's random source: a 32-bit linear congruential generator,
// seed := seed * 134775813 + 1 (mod 2^32); Random(n) is the upper half of the
// 64-bit product seed * n. Kept exactly so that a deal can be reproduced from
// its seed, draw for draw.
#include <cstdint>

#include "ports.h"

namespace talvern {

class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }
    void reseed(Clock& clock) { seed_ = clock.millisecondsOfDayUtc(); }

    // Uniform in 0 .. n - 1; n must be positive.
    int next(int n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t seed_;
};

} // namespace talvern
