// The field and its grids.
#include "ui/field.h"

#include "ui/clock_panel.h"
#include "ui/difficulty_panel.h"
#include "ui/primitives.h"
#include "ui/statistics_panel.h"

#include <array>
#include <cmath>

namespace quintaro {

namespace {

struct Line {
    int x1, y1, x2, y2;
};

// The light edges of the cross's raised frame (width 2) ...
constexpr std::array<Line, 6> kFrameLight{{
    {203, 6, 518, 6},
    {203, 204, 203, 5},
    {6, 204, 203, 204},
    {6, 203, 6, 519},
    {518, 204, 717, 204},
    {203, 519, 203, 719},
}};

// ... and its dark edges, two one-pixel lines each.
constexpr std::array<Line, 12> kFrameDark{{
    {519, 6, 519, 204},
    {520, 5, 520, 203},
    {6, 519, 203, 519},
    {5, 520, 202, 520},
    {717, 519, 717, 204},
    {718, 520, 718, 203},
    {520, 519, 718, 519},
    {521, 520, 718, 520},
    {519, 519, 519, 718},
    {520, 519, 520, 719},
    {204, 718, 521, 718},
    {203, 719, 521, 719},
}};

} // namespace

std::optional<GridCell> cellAtPixel(const ScreenState& screen, Pixel p) {
    if (p.x < screen.fieldOriginX || p.y < screen.fieldOriginY || screen.cellWidth <= 0 || screen.cellHeight <= 0)
        return std::nullopt;
    return gridCellAt(
        {(p.x - screen.fieldOriginX) / screen.cellWidth, (p.y - screen.fieldOriginY) / screen.cellHeight});
}

void drawGrid(Display& display, int x, int y) {
    platform::Surface& s = display.surface;
    const int cw = display.screen.cellWidth, ch = display.screen.cellHeight;
    display.foreground(colour::Black);
    display.background(colour::White);
    s.filledRectangle(x - 1, y - 1, x + 9 * cw, y + 9 * ch);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) s.rectangle(x + cw * c, y + ch * r, x + cw * c + cw, y + ch * r + ch);
    s.setLineWidth(2);
    display.foreground(colour::DarkBlue);
    const int bw = int(std::lround(3.0 * cw)), bh = int(std::lround(3.0 * ch));
    for (int b = 0; b < 3; ++b)
        for (int a = 0; a < 3; ++a) s.rectangle(x + bw * a, y + bh * b, x + bw * a + bw, y + bh * b + bh);
    s.setLineWidth(1);
}

void drawField(Display& display, const PanelContext& panels) {
    platform::Surface& s = display.surface;
    drawBevel(display, true, 2, 321, 321, 401, 401);
    drawBevel(display, true, 2, 16, 725, 709, 754);

    s.setLineWidth(2);
    display.foreground(colour::White);
    for (const Line& l : kFrameLight) s.line(l.x1, l.y1, l.x2, l.y2);
    display.foreground(colour::Black);
    display.background(colour::White);
    s.setFill(true);
    s.setLineWidth(1);
    for (const Line& l : kFrameDark) s.line(l.x1, l.y1, l.x2, l.y2);

    ScreenState& screen = display.screen;
    screen.fieldOriginX = screen.fieldOriginY = kFieldOrigin;
    screen.cellWidth = screen.cellHeight = kCellSize;
    const int ox = screen.fieldOriginX, oy = screen.fieldOriginY;
    const int box = 3 * kCellSize;
    for (int g = 0; g < kGridCount; ++g) drawGrid(display, gridOrigin(g).x, gridOrigin(g).y);

    // The shared boxes, each belonging to two grids.
    s.setLineWidth(2);
    display.foreground(colour::DarkRed);
    for (const auto& [bx, by] : std::array<std::pair<int, int>, 4>{{{2, 2}, {4, 2}, {2, 4}, {4, 4}}})
        s.rectangle(ox + bx * box, oy + by * box, ox + (bx + 1) * box, oy + (by + 1) * box);
    s.setLineWidth(1);
    display.foreground(colour::Black);
    display.background(colour::White);

    drawStatisticsPanel(display, panels);
    drawDifficultyPanel(display, panels);
    drawClockPanel(display);
}

} // namespace quintaro
