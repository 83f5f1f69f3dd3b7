// The main window's position.
#include "app/window_position.h"

#include "app/rounding.h"

namespace quintaro {

platform::WindowGeometry windowPosition(int screenWidth, int screenHeight) {
    const double x = (screenWidth - kWindowWidth) / 2.0;
    double y = (screenHeight - kWindowHeight) / 2.0 - 32.0;
    if (y < 0) y = 0;
    return {roundHalfEven(x), roundHalfEven(y), kWindowWidth, kWindowHeight};
}

} // namespace quintaro
