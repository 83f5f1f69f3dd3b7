// Highlighting one symbol on the board by a click on its column of the statistics panel.
#pragma once

#include "engine/board.h"
#include "ui/display.h"
#include "ui/layout.h"

namespace quintaro {

// A click at `at`: on a symbol's column of the statistics panel it highlights that symbol, or clears
// the highlight when that symbol has it already; on the row labels it clears it. Returns whether the
// click fell on the panel's writing area (and was used up there).
bool clickStatistics(Display& display, const Board& board, bool digitMode, Pixel at);

// Highlights symbol s (0: none) in display.screen, repainting the cells of board, its candidate marks
// and the panel boxes that change.
void highlightSymbol(Display& display, const Board& board, bool digitMode, int s);

// The highlighted symbol's box again, after the statistics panel was drawn anew.
void redrawStatisticsMark(Display& display, bool digitMode);

} // namespace quintaro
