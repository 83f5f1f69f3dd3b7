// The source of RANDOM(n): injected, so that the engine is deterministic given its source.
#pragma once

#include <cstdint>

namespace quintaro {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer 0..n-1; n >= 1.
    virtual int random(int n) = 0;
};

// A small seeded generator (splitmix64 stream with rejection sampling): the same seed gives the same draws.
// Defined here so that callers holding the concrete type get its draws inline.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    int random(int n) override {
        if (n <= 1) return 0;
        const auto bound = static_cast<std::uint64_t>(n);
        // A power of two divides 2^64: nothing is rejected and the remainder is the low bits.
        if ((bound & (bound - 1)) == 0) return static_cast<int>(next() & (bound - 1));
        // Draws below 2^64 mod n are rejected so that every result is exactly equally likely.
        const std::uint64_t threshold = (0 - bound) % bound;
        for (;;) {
            const std::uint64_t x = next();
            if (x >= threshold) return static_cast<int>(x % bound);
        }
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

} // namespace quintaro
