// The engine's random source drawn from the platform's RANDOM(n), so one injected source serves both.
#pragma once

#include "engine/random_source.h"
#include "platform/platform.h"

namespace quintaro {

class PlatformRandom final : public RandomSource {
public:
    explicit PlatformRandom(platform::Platform& platform) : platform_(platform) {}
    int random(int n) override { return platform_.random(n); }

private:
    platform::Platform& platform_;
};

} // namespace quintaro
