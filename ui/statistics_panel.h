// The statistics panel: one column per symbol with its count.
#pragma once

#include "ui/display.h"
#include "ui/panel_values.h"

namespace quintaro {

// The panel with its row labels, the symbols 1..9 (digits or letters) and, in digit mode, a
// placeholder count " 0" under each; then the status panel below it.
void drawStatisticsPanel(Display& display, const PanelValues& values);

} // namespace quintaro
