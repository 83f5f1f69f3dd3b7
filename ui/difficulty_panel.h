// The difficulty panel: the number of givens and the level name.
#pragma once

#include "ui/display.h"
#include "ui/panel_context.h"

namespace quintaro {

// The panel with "Vorgegebene Zahlen:" and the count as it stands, then countGivens.
void drawDifficultyPanel(Display& display, PanelContext& panels);

// Recounts state.givenCount (each cell of a shared box once) and redraws the count and the level name.
void countGivens(Display& display, PanelContext& panels);

} // namespace quintaro
