// The clock panel's frame; the clock label lies in its writing area.
#pragma once

#include "ui/display.h"

namespace quintaro {

void drawClockPanel(Display& display);

} // namespace quintaro
