// The seeded generator behind RANDOM(n).
#include "platform/random_service.h"

#include <limits>
#include <stdexcept>

namespace quintaro::platform {

std::uint64_t SplitMixRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SplitMixRandom::random(int n) {
    if (n < 1) throw std::invalid_argument("random: n must be at least 1");
    const std::uint64_t range = std::uint64_t(n);
    // Reject the top remainder so that every value has the same chance.
    const std::uint64_t limit =
        std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % range;
    std::uint64_t v;
    do v = next();
    while (v >= limit);
    return int(v % range);
}

} // namespace quintaro::platform
