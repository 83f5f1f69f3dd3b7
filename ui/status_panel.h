// The status panel: the status message and the error line.
#pragma once

#include "ui/display.h"
#include "ui/panel_values.h"

namespace quintaro {

// The panel frame and the error line "Fehler:<n>/3".
void drawStatusPanel(Display& display, const PanelValues& values);

} // namespace quintaro
