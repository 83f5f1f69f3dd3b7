// Readable colours in test failure messages.
#pragma once

#include "platform/rgb.h"

#include <ostream>

namespace quintaro::platform {

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
}

} // namespace quintaro::platform
