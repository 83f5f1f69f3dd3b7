// The raised bar along the bottom of the window with the program's name and version.
#pragma once

#include "ui/display.h"

namespace quintaro {

void drawBottomBar(Display& display);

} // namespace quintaro
