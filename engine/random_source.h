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

// A uniform integer 0..n-1 (n >= 1) from uniform 64-bit words taken from next() as needed.
template <class Next>
int uniformBelow(int n, Next&& next) {
    if (n <= 1) return 0;
    const auto bound = static_cast<std::uint64_t>(n);
    // A power of two divides 2^64: nothing is rejected and the remainder is the low bits.
    if ((bound & (bound - 1)) == 0) return static_cast<int>(next() & (bound - 1));
    // Words below 2^64 mod n are rejected so that every result is exactly equally likely.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t x = next();
        if (x >= threshold) return static_cast<int>(x % bound);
    }
}

// A small seeded generator (splitmix64 stream with rejection sampling): the same seed gives the same draws.
// Defined here so that callers holding the concrete type get its draws inline.
class SeededRandom final : public RandomSource {
public:
    static constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ULL;
    static constexpr std::uint64_t kMix1 = 0xBF58476D1CE4E5B9ULL;
    static constexpr std::uint64_t kMix2 = 0x94D049BB133111EBULL;

    // The word of the stream at counter value z.
    static constexpr std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * kMix1;
        z = (z ^ (z >> 27)) * kMix2;
        return z ^ (z >> 31);
    }

    // A generator whose first word is mix(seed + kGamma); a generator rebuilt from state() goes on
    // with the same words.
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t state() const { return state_; }

    int random(int n) override {
        return uniformBelow(n, [this] { return next(); });
    }

    std::uint64_t next() { return mix(state_ += kGamma); }

private:
    std::uint64_t state_;
};

} // namespace quintaro
