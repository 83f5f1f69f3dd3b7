// Cell frames: the saved square under them, their rings, and where the cursor's and a hint's stand.
#include "ui/cell_frame.h"

#include "ui/cells.h"
#include "ui/layout.h"

namespace quintaro {

void CellFrame::show(Display& display, int x, int y, int side, int rings, int colour) {
    remove(display);
    platform::Surface& s = display.surface;
    x_ = x;
    y_ = y;
    under_ = s.saveRectangle(x, y, x + side - 1, y + side - 1);
    s.setMixMode(platform::MixMode::Copy);
    s.setLineWidth(1);
    display.foreground(colour);
    for (int ring = 0; ring < rings; ++ring) s.rectangle(x + ring, y + ring, x + side - 1 - ring, y + side - 1 - ring);
    display.foreground(colour::Black);
}

void CellFrame::remove(Display& display) {
    if (under_.empty()) return;
    display.surface.paintRectangle(under_, x_, y_);
    under_ = {};
}

void showCursorFrame(Display& display, CellFrame& frame, GridCell cell) {
    constexpr int kGreen = 2; // apart from the blue and red of the symbols
    const CellCorner inside = cellCorner(cell);
    frame.show(display, inside.x - 2, inside.y - 2, kCellSize + 3, 3, kGreen);
}

void showHintFrame(Display& display, CellFrame& frame, GridCell cell) {
    // Inside every cell's lines, also where the wider box lines leave the cell 31 pixels.
    constexpr int kSide = 30;
    constexpr int kMagenta = 13; // unlike givens, entries, errors and the cursor
    const CellCorner p = cellCorner(cell);
    frame.show(display, p.x, p.y, kSide, 2, kMagenta);
}

} // namespace quintaro
