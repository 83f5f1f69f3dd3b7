// The source of RANDOM(n) as the platform provides it, and a small seeded generator for it.
#pragma once

#include <cstdint>

namespace quintaro::platform {

class RandomService {
public:
    virtual ~RandomService() = default;
    // A uniform integer 0..n-1; n >= 1.
    virtual int random(int n) = 0;
};

// splitmix64 with rejection sampling: the same seed gives the same draws.
class SplitMixRandom final : public RandomService {
public:
    explicit SplitMixRandom(std::uint64_t seed) : state_(seed) {}
    int random(int n) override;

private:
    std::uint64_t next();
    std::uint64_t state_;
};

} // namespace quintaro::platform
