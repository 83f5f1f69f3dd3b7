// The hint's cell frame.
#include "ui/hint_frame.h"

#include "ui/cells.h"

namespace quintaro {

namespace {

// Inside every cell's lines, also where the wider box lines leave the cell 31 pixels.
constexpr int kFrameSize = 30;
constexpr int kFrameColour = 13; // magenta: unlike givens, entries, errors and the cursor

} // namespace

void HintFrame::show(Display& display, int c, int r, int g)
{
    remove(display);
    const CellCorner p = cellCorner(display.screen, c, r, g);
    platform::Surface& s = display.surface;
    x_ = p.x;
    y_ = p.y;
    under_ = s.saveRectangle(x_, y_, x_ + kFrameSize - 1, y_ + kFrameSize - 1);
    s.setMixMode(platform::MixMode::Copy);
    s.setLineWidth(1);
    display.foreground(kFrameColour);
    s.rectangle(x_, y_, x_ + kFrameSize - 1, y_ + kFrameSize - 1);
    s.rectangle(x_ + 1, y_ + 1, x_ + kFrameSize - 2, y_ + kFrameSize - 2);
    display.foreground(colour::Black);
}

void HintFrame::remove(Display& display)
{
    if (under_.empty())
        return;
    display.surface.paintRectangle(under_, x_, y_);
    under_ = {};
}

} // namespace quintaro
