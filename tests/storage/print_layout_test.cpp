// The printed page's layout on a 4,800 x 6,600 printable area.
#include "storage/print_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace quintaro {
namespace {

TEST(PrintLayoutTest, PageUnitsPlaceGridsHeadingFooterAndShiftedSymbols) {
    const PrintLayout p = printLayout(4800, 6600);
    // Grid 0's corner, the heading and the footer are checked on the printed page of a game.
    EXPECT_EQ(p.gridCorner[3], (PagePoint{1375, 3854}));
    // One u right of and half a v below the cell's corner, plus the shifts: digits 7, letters 4, "I" 11.
    EXPECT_EQ(printedSymbolAt(p, 0, 1, 1, "5", true), (PagePoint{1430 + 7, 517 + 3}));
    EXPECT_EQ(printedSymbolAt(p, 0, 1, 1, "E", false), (PagePoint{1430 + 4, 517 + 3}));
    EXPECT_EQ(printedSymbolAt(p, 0, 1, 1, "I", false), (PagePoint{1430 + 11, 517 + 3}));
    EXPECT_EQ(printedSymbolAt(p, 2, 9, 9, "1", true),
              (PagePoint{48 * 55 + 8 * 220 + 110 + 7, 22 * 94 + 8 * 282 + 141 + 3}));
    // 1.5 v of an odd v is a half: it goes to the even neighbour.
    EXPECT_EQ(printedSymbolAt(printLayout(86, 70 * 5), 0, 1, 1, "1", true).y, 4 * 5 + 8 + 3);
}

TEST(PrintLayoutTest, LinesKeepTheScreensWeightAtAnyResolution) {
    // On screen a cell is 33 pixels with 1-pixel cell lines and 2-pixel box lines.
    const auto widths = [](int w, int h) {
        const PrintLayout p = printLayout(w, h);
        return std::array{p.cellLineWidth, p.boxLineWidth};
    };
    EXPECT_EQ(widths(4800, 6600), (std::array{7, 14}));     // 600 dpi: cells of 220 x 282, 220 / 33 = 6.7
    EXPECT_EQ(widths(9600, 13200), (std::array{13, 26}));   // 1,200 dpi: cells of 444 x 564
    EXPECT_EQ(widths(6600, 4800), (std::array{6, 12}));     // landscape: the cells' shorter side is 3v = 204
    EXPECT_EQ(widths(86 * 8, 70 * 11), (std::array{1, 2})); // a 32-pixel cell
    EXPECT_EQ(widths(86, 70), (std::array{1, 2}));          // a page too small for the grids still has lines
}

TEST(PrintLayoutTest, FooterKeepsTheLevelNamesOwnBlanks) {
    EXPECT_EQ(printFooter("Extrem ", 78), "Schwierigkeitsgrad: Extrem mit 78 Zahlen"); // " Leicht " in a printed game
    EXPECT_EQ(printFooter(" Leicht ", 130, "Rätsel L0-5"), "Schwierigkeitsgrad:  Leicht (Rätsel L0-5) mit 130 Zahlen");
}

} // namespace
} // namespace quintaro
