#pragma once

#include <cstdint>

// A small seeded random source (SplitMix64) whose sequence is the same on
// every compiler and library, unlike the standard distributions. Generated
// pages must come out byte-identical for the same seed.
class DeterministicRandom {
public:
    explicit DeterministicRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in lo..hi, both included (lo <= hi).
    int between(int lo, int hi)
    {
        const std::uint64_t span = std::uint64_t(std::int64_t(hi) - lo) + 1;
        return int(std::int64_t(lo) + std::int64_t(next() % span));
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t state_;
};
