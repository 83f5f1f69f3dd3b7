// The 3 x 3 symbol chooser that opens over a clicked cell.
#pragma once

#include "platform/saved_rectangle.h"
#include "ui/cells.h"
#include "ui/display.h"

namespace quintaro {

constexpr int kPopupSize = 54;   // the chooser's side in pixels
constexpr int kPopupSquare = 18; // one symbol square

// The chooser of the entry under way and the screen it covers.
struct EntryPopup {
    int hoverSymbol = 0; // highlighted square 1..9; also the last symbol typed; kept between entries
    bool saved = false;  // background holds what the chooser covers
    int x = 0, y = 0;    // top-left corner of the chooser
    platform::SavedRectangle background;
};

// Top-left corner of the chooser over a cell: 10 pixels up and left of the cell's corner.
CellCorner popupCorner(GridCell cell);

// The square 1..9 of a chooser with top-left corner `corner` at pixel (x, y), or 0 outside it.
int popupSquareAt(CellCorner corner, int x, int y);

// Draws the chooser over cell (c, r) of grid g: nine squares with black outlines, the one of
// hoverSymbol light grey, the others white, each with its symbol. The first drawing of an entry saves
// the 55 x 55 pixels it covers (outline included); redraws for a new hover square do not.
void drawEntryPopup(Display& display, EntryPopup& popup, int c, int r, int g, bool digitMode);

// Puts back what the chooser covered and forgets it; nothing when nothing was saved.
void restorePopupBackground(Display& display, EntryPopup& popup);

} // namespace quintaro
