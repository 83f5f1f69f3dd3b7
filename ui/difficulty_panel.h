// The difficulty panel: the number of givens and the level name.
#pragma once

#include "ui/display.h"
#include "ui/panel_context.h"

namespace quintaro {

// The panel with "Vorgegebene Zahlen:" and the count, then drawGivenCount.
void drawDifficultyPanel(Display& display, const PanelContext& panels);

// Redraws state.givenCount and the level name.
void drawGivenCount(Display& display, const PanelContext& panels);

} // namespace quintaro
