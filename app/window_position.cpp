// The main window's position and factor at the first start.
#include "app/window_position.h"

#include "app/rounding.h"
#include "platform/window_scale.h"

#include <algorithm>

namespace quintaro {

platform::WindowGeometry windowPosition(const platform::ScreenSize& free) {
    using platform::MainWindow;
    constexpr int clientHeight = kWindowHeight - MainWindow::kFrameAllowance;
    constexpr double kSmallest = 0.25;
    double zoom = 1;
    if (free.width < kWindowWidth || free.height < kWindowHeight)
        zoom = std::max(kSmallest, std::min(double(free.width) / kWindowWidth,
                                            double(free.height - MainWindow::kFrameAllowance) / clientHeight));
    const int outerWidth = platform::windowSizeFor(kWindowWidth, zoom);
    const int outerHeight = platform::windowSizeFor(clientHeight, zoom) + MainWindow::kFrameAllowance;
    const double x = (free.width - outerWidth) / 2.0;
    const double y = std::max(0.0, (free.height - outerHeight) / 2.0 - 32.0);
    return {free.left + roundHalfEven(x), free.top + roundHalfEven(y), kWindowWidth, kWindowHeight, zoom};
}

} // namespace quintaro
