// Highlighting one symbol on the board by a click on its column of the statistics panel.
#pragma once

namespace quintaro {

class Game;

// A click at (x, y): on a symbol's column of the statistics panel it highlights that symbol, or clears
// the highlight when that symbol has it already; on the row labels it clears it. Returns whether the
// click fell on the panel's writing area (and was used up there).
bool clickStatistics(Game& game, int x, int y);

// Highlights symbol s (0: none), repainting the cells, candidate marks and panel boxes that change.
void highlightSymbol(Game& game, int s);

// The highlighted symbol's box again, after the statistics panel was drawn anew.
void redrawStatisticsMark(Game& game);

} // namespace quintaro
