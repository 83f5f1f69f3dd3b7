// The main window's position and factor at the first start.
#include "app/window_position.h"

#include "app/rounding.h"
#include "platform/window_scale.h"

#include <algorithm>

namespace quintaro {

OuterSize outerSizeAt(double zoom) {
    return {platform::windowSizeFor(kWindowWidth, zoom),
            platform::windowSizeFor(kClientHeight, zoom) + platform::MainWindow::kFrameAllowance};
}

platform::WindowGeometry windowPosition(const platform::ScreenSize& free) {
    constexpr double kSmallest = 0.25;
    double zoom = 1;
    if (free.width < kWindowWidth || free.height < kWindowHeight)
        zoom =
            std::max(kSmallest, std::min(double(free.width) / kWindowWidth,
                                         double(free.height - platform::MainWindow::kFrameAllowance) / kClientHeight));
    const OuterSize outer = outerSizeAt(zoom);
    const double x = (free.width - outer.width) / 2.0;
    const double y = std::max(0.0, (free.height - outer.height) / 2.0 - 32.0);
    return {free.left + roundHalfEven(x), free.top + roundHalfEven(y), kWindowWidth, kWindowHeight, zoom};
}

} // namespace quintaro
