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
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    int random(int n) override;
    std::uint64_t next();

private:
    std::uint64_t state_;
};

} // namespace quintaro
