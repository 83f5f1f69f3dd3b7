// The highlighted symbol's tint, its candidate frames and its box in the statistics panel.
#include "ui/symbol_highlight.h"

#include "ui/fonts.h"
#include "ui/statistics_panel.h"
#include "ui/symbol_text.h"

#include <algorithm>

namespace quintaro {

namespace {

// The statistics panel's writing area inside its outline, and the column line between labels and symbols.
constexpr int kAreaLeft = 739, kAreaTop = 245, kAreaRight = 1024, kAreaBottom = 292;
constexpr int kColumnLine = 801, kColumnWidth = 24;
// The symbol row lies above the line at y = 268.
constexpr int kSymbolRowBottom = 267;

int columnLeft(int s) { return kColumnLine + 1 + kColumnWidth * (s - 1); }

} // namespace

std::optional<int> statisticsColumnAt(int x, int y) {
    if (x < kAreaLeft || x > kAreaRight || y < kAreaTop || y > kAreaBottom) return std::nullopt;
    if (x < kColumnLine) return 0;
    if (x == kColumnLine) return std::nullopt;
    // The last column reaches to the edge of the area.
    return std::min(9, (x - columnLeft(1)) / kColumnWidth + 1);
}

platform::Rgb cellPaper(const Display& display, int s) {
    return isHighlighted(display.screen, s) ? kHighlightTint : display.colourTable[colour::White];
}

void frameCandidateMark(Display& display, int x, int y) {
    platform::Surface& surface = display.surface;
    surface.setFill(true);
    surface.setLineWidth(1);
    surface.setMixMode(platform::MixMode::Copy);
    surface.setForeground(kHighlightFrame);
    surface.setBackground(kHighlightTint);
    surface.filledRectangle(x, y, x + 9, y + 8);
    display.foreground(colour::Black);
    display.background(colour::White);
}

void drawStatisticsMark(Display& display, int s, bool on, bool digitMode) {
    if (s < 1 || s > 9) return;
    platform::Surface& surface = display.surface;
    const platform::Rgb paper = on ? kHighlightTint : display.colourTable[colour::White];
    surface.setFill(true);
    surface.setLineWidth(1);
    surface.setMixMode(platform::MixMode::Copy);
    surface.setForeground(paper);
    surface.setBackground(paper);
    surface.filledRectangle(columnLeft(s), kAreaTop, columnLeft(s) + kColumnWidth - 1, kSymbolRowBottom);
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    surface.setTextBackground(platform::TextBackground::Transparent);
    surface.text(statisticsSymbolX(s, digitMode, display.screen.largeFontMode), 254, symbolText(s, digitMode));
    surface.setTextBackground(platform::TextBackground::Opaque);
}

} // namespace quintaro
