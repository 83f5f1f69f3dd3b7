// The clock panel.
#include "ui/clock_panel.h"

#include "ui/panel.h"

namespace quintaro {

void drawClockPanel(Display& display) { drawPanel(display, kClockPanel); }

} // namespace quintaro
