// Rounding to the nearest integer with ties to the even one, as the game's number conversions do.
#pragma once

#include <cmath>

namespace quintaro {

inline int roundHalfEven(double v) {
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff != 0.5) return int(diff > 0.5 ? lower + 1 : lower);
    return std::fmod(lower, 2.0) == 0.0 ? int(lower) : int(lower) + 1;
}

} // namespace quintaro
