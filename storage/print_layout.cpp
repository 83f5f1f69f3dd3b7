// The printed page's layout.
#include "storage/print_layout.h"

#include <algorithm>
#include <cmath>

namespace quintaro {

namespace {

int roundHalfEven(double v) { return int(std::nearbyint(v)); }

} // namespace

PrintLayout printLayout(int pageWidth, int pageHeight) {
    PrintLayout p;
    p.u = pageWidth / 86;
    p.v = pageHeight / 70;
    p.cellWidth = 4 * p.u;
    p.cellHeight = 3 * p.v;
    constexpr int kScreenCell = 33; // pixels of a screen cell, whose cell lines are 1 pixel wide
    p.cellLineWidth = std::max(1, roundHalfEven(double(std::min(p.cellWidth, p.cellHeight)) / kScreenCell));
    p.boxLineWidth = 2 * p.cellLineWidth;
    const int u = p.u, v = p.v;
    p.gridCorner = {{{25 * u, 5 * v}, {u, 23 * v}, {49 * u, 23 * v}, {25 * u, 41 * v}}};
    p.symbolOffset = {{{24 * u, 4 * v}, {0, 22 * v}, {48 * u, 22 * v}, {24 * u, 40 * v}}};
    p.heading = {29 * u, v};
    p.footer = {u, roundHalfEven(68.5 * v)};
    return p;
}

PagePoint printedSymbolAt(const PrintLayout& p, int g, int c, int r, const std::string& text, bool digitMode) {
    const PagePoint o = p.symbolOffset[std::size_t(g)];
    const int x = o.x + (c - 1) * p.cellWidth + 2 * p.u;
    const int y = roundHalfEven(o.y + (r - 1) * p.cellHeight + 1.5 * p.v);
    const int shift = (digitMode ? 7 : 4) + (text == "I" ? 7 : 0);
    return {x + shift, y + 3};
}

std::string printFooter(const std::string& levelName, int givenCount, const std::string& puzzleName) {
    const std::string puzzle = puzzleName.empty() ? std::string() : "(" + puzzleName + ") ";
    return "Schwierigkeitsgrad: " + levelName + puzzle + "mit " + std::to_string(givenCount) + " Zahlen";
}

} // namespace quintaro
