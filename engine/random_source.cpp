// The seeded generator behind RANDOM(n) for tests, tools and benchmarks.
#include "engine/random_source.h"

namespace quintaro {

std::uint64_t SeededRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int SeededRandom::random(int n) {
    if (n <= 1) return 0;
    const auto bound = static_cast<std::uint64_t>(n);
    // A power of two divides 2^64: nothing is rejected and the remainder is the low bits (the same
    // result as below, without the two divisions the shuffle's many coin tosses would pay for).
    if ((bound & (bound - 1)) == 0) return static_cast<int>(next() & (bound - 1));
    // Draws below 2^64 mod n are rejected so that every result is exactly equally likely.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t x = next();
        if (x >= threshold) return static_cast<int>(x % bound);
    }
}

} // namespace quintaro
