// How a symbol reads on the screen: a digit or a letter.
#pragma once

#include <string>

namespace quintaro {

// "1".."9" in digit mode, "A".."I" otherwise; "" for 0 (an empty cell).
inline std::string symbolText(int s, bool digitMode) {
    if (s < 1 || s > 9) return {};
    return std::string(1, char((digitMode ? '0' : '@') + s));
}

} // namespace quintaro
