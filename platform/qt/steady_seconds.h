// The Qt platform's time source: seconds with a fraction on a steady clock.
#pragma once

#include <chrono>

namespace quintaro::platform {

inline double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace quintaro::platform
