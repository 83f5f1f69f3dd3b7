// Where the main window opens: centred, a little above the middle, never above the screen's top.
#pragma once

#include "platform/main_window.h"

namespace quintaro {

constexpr int kWindowWidth = 1052;
constexpr int kWindowHeight = 835;

// x = (screenWidth - 1052) / 2, y = (screenHeight - 835) / 2 - 32 raised to 0; both rounded to the
// nearest integer, ties to even. x may be negative: a narrow screen cuts the window at the left.
platform::WindowGeometry windowPosition(int screenWidth, int screenHeight);

} // namespace quintaro
