// Frames over one cell (the keyboard cursor's, a hint's): drawn over what is there, taken away without a trace.
#pragma once

#include "engine/grid_cell.h"
#include "platform/saved_rectangle.h"
#include "ui/display.h"

namespace quintaro {

// A square of one-pixel rings on the screen and the pixels it covers.
class CellFrame {
public:
    // Removes a frame still standing, keeps the side x side pixels from (x, y) on, then draws `rings`
    // rings from that square's edge inwards in the colour of colourTable index colour.
    void show(Display& display, int x, int y, int side, int rings, int colour);
    // Paints back what the frame covered; nothing when no frame stands. Only exact when nothing has
    // drawn into the square since show, so whatever draws there must remove the frame first.
    void remove(Display& display);
    bool shown() const { return !under_.empty(); }

private:
    int x_ = 0, y_ = 0;
    platform::SavedRectangle under_;
};

// The keyboard cursor's frame on a cell: three green rings, on the cell's lines and one
// pixel either side of them, clear of the symbol and the candidate marks (36 x 36 pixels).
void showCursorFrame(Display& display, CellFrame& frame, GridCell cell);

// A hint's frame on a cell: two magenta rings inside the cell's lines.
void showHintFrame(Display& display, CellFrame& frame, GridCell cell);

} // namespace quintaro
