// The statistics panel: labels, counts and its grid lines.
#include "ui/statistics_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"
#include "ui/status_panel.h"
#include "ui/symbol_text.h"

namespace quintaro {

namespace {

void drawColumnLine(Display& display) {
    display.foreground(colour::Black);
    display.surface.setLineWidth(1);
    display.surface.line(801, 250, 801, 289);
}

} // namespace

void drawStatisticsPanel(Display& display, const PanelContext& panels) {
    platform::Surface& s = display.surface;
    const bool digits = panels.digitMode;
    drawPanel(display, kStatisticsPanel);
    s.text(748, 254, digits ? "Zahlen" : "Ziffer");
    s.text(748, 274, "Anzahl");
    for (int i = 1; i <= 9; ++i) {
        s.text(statisticsSymbolX(i, digits, display.screen.largeFontMode), 254, symbolText(i, digits));
        if (digits) s.text(808 + 24 * (i - 1), 274, " 0");
    }
    display.foreground(colour::Black);
    s.setLineWidth(1);
    s.line(744, 268, 1020, 268);
    drawColumnLine(display);
    drawSymbolCounts(display, panels);
    drawStatusPanel(display, panels.state.status, panels.board.errorCount);
}

int statisticsSymbolX(int i, bool digitMode, bool largeFontMode) {
    const int x = 808 + 24 * (i - 1);
    if (!largeFontMode) return x + 8;
    return !digitMode && i == 9 ? x + 4 : x; // the narrow "I"
}

void drawSymbolCounts(Display& display, const PanelContext& panels) {
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    display.surface.setMixMode(platform::MixMode::Copy);
    display.surface.setTextBackground(platform::TextBackground::Opaque);
    for (int i = 1; i <= 9; ++i)
        display.surface.text(776 + 24 * i, 274, rightAligned(panels.board.symbolCounts[std::size_t(i)], 3) + " ");
    drawColumnLine(display);
    drawStatus(display, panels.state.status, panels.board.errorCount);
}

} // namespace quintaro
