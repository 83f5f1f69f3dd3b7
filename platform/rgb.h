// A 24-bit screen colour, as the game names it by red, green and blue.
#pragma once

#include <cstdint>

namespace quintaro::platform {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace quintaro::platform
