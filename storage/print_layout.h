// Where a printed board's heading, grids, symbols and footer go on a page, in printer pixels.
#pragma once

#include <array>
#include <string>

namespace quintaro {

struct PagePoint {
    int x = 0, y = 0;
    friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

// The page units of a printable area: u = width / 86 and v = height / 70 (integer division); a cell is
// 4u by 3v. Grids 0..3 (top, left, right, bottom) have their top-left cell corners at (25u, 5v),
// (u, 23v), (49u, 23v), (25u, 41v) and place their symbols from offsets one cell up and left of that.
// The lines keep the screen's weight whatever the printer's resolution: a cell line is 1/33 of the
// cell's shorter side (as 1 pixel is of a 33-pixel cell on screen), at least 1 pixel, and a box line
// twice that.
struct PrintLayout {
    int u = 0, v = 0;
    int cellWidth = 0, cellHeight = 0;
    int cellLineWidth = 1, boxLineWidth = 2;
    std::array<PagePoint, 4> gridCorner{};
    std::array<PagePoint, 4> symbolOffset{};
    PagePoint heading; // "QUINTARO"
    PagePoint footer;  // "Schwierigkeitsgrad: ..."
};

PrintLayout printLayout(int pageWidth, int pageHeight);

// Top-left corner of the symbol text `text` ("1".."9" or "A".."I") of cell (c, r) of grid g: 2u and
// 1.5v (half to even) into the cell from the grid's symbol offset, shifted 7 pixels right for digits
// or 4 for letters, 7 more for the narrow "I", and 3 pixels down.
PagePoint printedSymbolAt(const PrintLayout& layout, int g, int c, int r, const std::string& text, bool digitMode);

// "Schwierigkeitsgrad: " + level name (with its own blanks) + "mit " + count + " Zahlen"; a puzzle
// name ("Rätsel L3-12345") that is not empty stands in brackets after the level name:
// "Schwierigkeitsgrad: Extrem (Rätsel L3-12345) mit 80 Zahlen".
std::string printFooter(const std::string& levelName, int givenCount, const std::string& puzzleName = {});

} // namespace quintaro
