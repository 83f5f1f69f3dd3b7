// The statistics panel: one column per symbol with its count.
#pragma once

#include "ui/display.h"
#include "ui/panel_context.h"

namespace quintaro {

// The panel with its row labels, the symbols 1..9 (digits or letters) and, in digit mode, a
// placeholder count " 0" under each; then drawSymbolCounts and the status panel below it.
void drawStatisticsPanel(Display& display, const PanelContext& panels);

// Where the panel writes symbol i (1..9) in its symbol row (y = 254).
int statisticsSymbolX(int i, bool digitMode, bool largeFontMode);

// Writes the count row from board.symbolCounts as they stand, then the status (drawStatus).
void drawSymbolCounts(Display& display, const PanelContext& panels);

} // namespace quintaro
