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
    frame.x = inside.x - 1;
    frame.y = inside.y - 1;
    frame.background = s.saveRectangle(frame.x, frame.y, frame.x + kSpan, frame.y + kSpan);
    frame.drawn = true;
    s.setMixMode(platform::MixMode::Copy);
    s.setLineWidth(1);
    display.foreground(kFrameColour);
    s.rectangle(frame.x, frame.y, frame.x + kSpan, frame.y + kSpan);
    s.rectangle(frame.x + 1, frame.y + 1, frame.x + kSpan - 1, frame.y + kSpan - 1);
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
