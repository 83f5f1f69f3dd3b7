// The difficulty panel: the number of givens and the level name.
#pragma once

#include "engine/board.h"
#include "ui/display.h"
#include "ui/panel_values.h"

namespace quintaro {

// The panel with "Vorgegebene Zahlen:", then the given count and the level name.
void drawDifficultyPanel(Display& display, const PanelValues& values);

// Rewrites the given count and the level name in the panel (over whatever stood there).
void drawGivenCount(Display& display, int givenCount, const std::string& levelName);

// Recounts the given cells, each cell of a shared box once, and redraws the count and the level name.
// Returns the count.
int countGivens(Display& display, Board& b, const std::string& levelName);

} // namespace quintaro
