// The statistics panel: labels, counts and its grid lines.
#include "ui/statistics_panel.h"

#include "engine/solution.h"
#include "ui/fonts.h"
#include "ui/panel.h"
#include "ui/status_panel.h"
#include "ui/symbol_text.h"

namespace quintaro {

namespace {

void drawColumnLine(Display& display)
{
    display.foreground(colour::Black);
    display.surface.setLineWidth(1);
    display.surface.line(801, 250, 801, 289);
}

} // namespace

void drawStatisticsPanel(Display& display, PanelContext& panels)
{
    platform::Surface& s = display.surface;
    const bool digits = panels.digitMode;
    drawPanel(display, kStatisticsPanel);
    s.text(748, 254, digits ? "Zahlen" : "Ziffer");
    s.text(748, 274, "Anzahl");
    const bool large = display.screen.largeFontMode;
    int x = 808;
    for (int i = 1; i <= 9; ++i) {
        const std::string symbol = symbolText(i, digits);
        if (digits) {
            s.text(large ? x : x + 8, 254, symbol);
            s.text(x, 274, " 0");
        } else {
            const int lx = !large ? x + 8 : symbol == "I" ? x + 4 : x;
            s.text(lx, 254, symbol);
        }
        x += i < 9 ? 24 : 16;
    }
    display.foreground(colour::Black);
    s.setLineWidth(1);
    s.line(744, 268, 1020, 268);
    drawColumnLine(display);
    countSymbols(display, panels);
    drawStatusPanel(display, panels);
}

void countSymbols(Display& display, PanelContext& panels)
{
    recountSymbols(panels.board);
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    display.surface.setMixMode(platform::MixMode::Copy);
    display.surface.setTextBackground(platform::TextBackground::Opaque);
    for (int i = 1; i <= 9; ++i)
        display.surface.text(776 + 24 * i, 274, rightAligned(panels.board.symbolCounts[std::size_t(i)], 3) + " ");
    drawColumnLine(display);
    updateStatus(display, panels);
}

} // namespace quintaro
