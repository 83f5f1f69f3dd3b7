// The frame around the cell a hint names, and putting back exactly what it covered.
#pragma once

#include "platform/saved_rectangle.h"
#include "ui/display.h"

namespace quintaro {

class HintFrame {
public:
    // Removes a frame still standing, keeps the pixels of cell (c, r) of grid g that the new frame will
    // cover, then draws it inside the cell's lines: two pixels wide, in magenta.
    void show(Display& display, int c, int r, int g);
    // Paints back what the frame covered; does nothing when no frame stands. Only exact when nothing
    // has drawn into the cell since show, so it must run before any input is handled.
    void remove(Display& display);
    bool shown() const { return !under_.empty(); }

private:
    int x_ = 0, y_ = 0;
    platform::SavedRectangle under_;
};

} // namespace quintaro
