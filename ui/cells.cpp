// Given and player symbols in their cells, and candidate marks.
#include "ui/cells.h"

#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/symbol_highlight.h"
#include "ui/symbol_text.h"

namespace quintaro {

namespace {

// Erases the inside of the cell to the paper of symbol s, leaving its lines and the wider box lines on
// its right and lower edge.
void eraseCell(Display& display, CellCorner p, int c, int r, int s) {
    const int a = c % 3 == 0 ? 1 : 0, b = r % 3 == 0 ? 1 : 0;
    display.surface.setFill(true);
    display.surface.setForeground(cellPaper(display, s));
    display.surface.setBackground(cellPaper(display, s));
    display.surface.filledRectangle(p.x, p.y, p.x + 31 - a, p.y + 31 - b);
}

// Writes the symbol at its place in the cell in the current foreground colour, then leaves black on
// white, copy mode and opaque text.
void writeSymbol(Display& display, CellCorner p, int s, bool digitMode) {
    platform::Surface& surface = display.surface;
    display.background(colour::White);
    surface.setMixMode(platform::MixMode::Merge);
    surface.setTextBackground(platform::TextBackground::Transparent);
    const std::string text = symbolText(s, digitMode);
    if (!text.empty()) {
        const int dx = (digitMode ? 4 : 0) + (text == "I" ? 10 : 0) + (text == "A" ? 1 : 0);
        surface.text(p.x + dx, p.y - 2, text);
    }
    surface.setMixMode(platform::MixMode::Copy);
    surface.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(colour::Black);
    display.background(colour::White);
}

} // namespace

CellCorner cellCorner(GridCell cell) {
    const Pixel origin = gridOrigin(cell.grid);
    return {kCellSize * (cell.column - 1) + origin.x + 1, kCellSize * (cell.row - 1) + origin.y + 1};
}

void drawGivenCell(Display& display, int c, int r, int g, int s, bool digitMode) {
    const CellCorner p = cellCorner({g, c, r});
    selectFont(display, font::Symbols);
    eraseCell(display, p, c, r, s);
    display.foreground(colour::Black);
    writeSymbol(display, p, s, digitMode);
}

void paintPlayerCell(Display& display, int c, int r, int g, int s, bool wrong, bool digitMode) {
    const CellCorner p = cellCorner({g, c, r});
    selectFont(display, font::Symbols);
    eraseCell(display, p, c, r, s);
    display.foreground(wrong ? colour::Red : colour::DarkBlue);
    writeSymbol(display, p, s, digitMode);
}

void drawCandidates(Display& display, const Board& b, bool digitMode) {
    platform::Surface& surface = display.surface;
    const ScreenState& screen = display.screen;
    surface.setFill(true);
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) {
                if (cellAt(b.board, c, r, g) != 0) continue;
                for (int k = 1; k <= 9; ++k) {
                    const int cx = 10 * ((k - 1) % 3) + kCellSize * (c - 1) + gridOrigin(g).x + 2;
                    const int cy = 10 * ((k - 1) / 3) + kCellSize * (r - 1) + gridOrigin(g).y;
                    display.foreground(colour::White);
                    display.background(colour::White);
                    surface.filledRectangle(cx, cy + 2, cx + 9, cy + 10);
                    display.foreground(colour::Black);
                    display.background(colour::White);
                    if (!b.candidates[std::size_t(candidateIndex(c, r, k, g))]) continue;
                    if (isHighlighted(screen, k)) frameCandidateMark(display, cx, cy + 2);
                    surface.setMixMode(platform::MixMode::Merge);
                    surface.setTextBackground(platform::TextBackground::Transparent);
                    selectFont(display, digitMode ? font::CandidateDigits : font::CandidateLetters);
                    const std::string text = symbolText(k, digitMode);
                    surface.text(text == "I" ? cx + 3 : cx, cy, text);
                    surface.setMixMode(platform::MixMode::Copy);
                    surface.setTextBackground(platform::TextBackground::Opaque);
                }
            }
        }
    }
}

} // namespace quintaro
