// Where the main window opens at the first start: at factor 1 where it fits the screen's free area, else
// smaller; centred, a little above the middle, never above the free area's top.
#pragma once

#include "platform/main_window.h"
#include "platform/platform.h"

namespace quintaro {

// The outer size at factor 1: the client area of 1052 x 787 game pixels and the frame allowance.
constexpr int kWindowWidth = 1052;
constexpr int kWindowHeight = 835;
// The client area's height at factor 1, in game pixels.
constexpr int kClientHeight = kWindowHeight - platform::MainWindow::kFrameAllowance;

// The outer size of the main window showing the client area at factor zoom: the client area scaled
// (rounded up, see platform::windowSizeFor), the frame allowance not.
struct OuterSize {
    int width = 0, height = 0;
};
OuterSize outerSizeAt(double zoom);

// Zoom 1 where 1052 x 835 fits the free area, else the largest factor at which the client area, scaled,
// and the frame allowance, not scaled, fit. Relative to the free area's corner, with the outer size w x h
// at that factor: x = (width - w) / 2, y = (height - h) / 2 - 32 raised to 0, both rounded half to even.
// A free area of no size gives factor 1/4 at its corner.
platform::WindowGeometry windowPosition(const platform::ScreenSize& free);

} // namespace quintaro
