// The printed page's layout on a 4,800 x 6,600 printable area.
#include "storage/print_layout.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(printedSymbolAt(p, 2, 9, 9, "1", true), (PagePoint{48 * 55 + 8 * 220 + 110 + 7, 22 * 94 + 8 * 282 + 141 + 3}));
    // 1.5 v of an odd v is a half: it goes to the even neighbour.
    EXPECT_EQ(printedSymbolAt(printLayout(86, 70 * 5), 0, 1, 1, "1", true).y, 4 * 5 + 8 + 3);
}

TEST(PrintLayoutTest, FooterKeepsTheLevelNamesOwnBlanks) {
    EXPECT_EQ(printFooter("Extrem ", 78), "Schwierigkeitsgrad: Extrem mit 78 Zahlen"); // " Leicht " in a printed game
}

} // namespace
} // namespace quintaro
