// The keyboard cursor's frame over one cell: drawn over what is there and taken away without a trace.
#pragma once

#include "platform/saved_rectangle.h"
#include "ui/display.h"

namespace quintaro {

// The frame on the screen and the pixels it covers.
struct CursorFrame {
    bool drawn = false;
    int x = 0, y = 0; // top-left corner of the covered square
    platform::SavedRectangle background;
};

// Frames cell (c, r) of grid g: three green rings, on the cell's lines and one pixel either side of
// them, clear of the symbol and the candidate marks. Saves the 36 x 36 pixels it covers first.
// An earlier frame must have been erased.
void drawCursorFrame(Display& display, CursorFrame& frame, int c, int r, int g);

// Puts back what the frame covered; nothing when no frame is drawn. Whatever draws in the framed cell
// must erase the frame first, or its pixels would be painted over by old ones.
void eraseCursorFrame(Display& display, CursorFrame& frame);

} // namespace quintaro
