// The keyboard cursor's frame.
#include "ui/cursor_frame.h"

#include "ui/cells.h"

namespace quintaro {

namespace {

constexpr int kFrameColour = 2; // green: apart from the blue and red of the symbols
constexpr int kSpan = 33;       // from the cell's top-left line to the next cell's

} // namespace

void drawCursorFrame(Display& display, CursorFrame& frame, int c, int r, int g)
{
    platform::Surface& s = display.surface;
    const CellCorner inside = cellCorner(display.screen, c, r, g);
    frame.x = inside.x - 2;
    frame.y = inside.y - 2;
    const int side = kSpan + 2;
    frame.background = s.saveRectangle(frame.x, frame.y, frame.x + side, frame.y + side);
    frame.drawn = true;
    s.setMixMode(platform::MixMode::Copy);
    s.setLineWidth(1);
    display.foreground(kFrameColour);
    for (int ring = 0; ring < 3; ++ring)
        s.rectangle(frame.x + ring, frame.y + ring, frame.x + side - ring, frame.y + side - ring);
    display.foreground(colour::Black);
}

void eraseCursorFrame(Display& display, CursorFrame& frame)
{
    if (!frame.drawn)
        return;
    display.surface.paintRectangle(frame.background, frame.x, frame.y);
    frame.background = {};
    frame.drawn = false;
}

} // namespace quintaro
