// Cells, candidate marks and the symbol chooser, probed on the surface.
#include "screen_fixture.h"
#include "text_probe.h"

#include "ui/cells.h"
#include "ui/entry_popup.h"
#include "ui/field.h"
#include "ui/fonts.h"

namespace quintaro {
namespace {

using namespace colour;

class CellsTest : public ScreenFixture {
protected:
    CellsTest() {
        screen.cellWidth = screen.cellHeight = kCellSize;
        Display d = display();
        for (int g = 0; g < 4; ++g) drawGrid(d, gridOrigin(g).x, gridOrigin(g).y);
    }
    // The inside of cell (c, r) of grid g.
    Box inside(int c, int r, int g) const {
        const CellCorner p = cellCorner({g, c, r});
        return {p.x, p.y, p.x + 30, p.y + 30};
    }
    int inCell(int colourIndex, int c, int r, int g) const {
        const Box b = inside(c, r, g);
        return count(colourIndex, b.x1, b.y1, b.x2, b.y2);
    }
    std::vector<std::uint32_t> pixels(Box b) const { return surface.saveRectangle(b.x1, b.y1, b.x2, b.y2).pixels(); }
    platform::SavedRectangle snapshot() const { return surface.saveRectangle(0, 0, 1051, 786); }
};

TEST_F(CellsTest, GivenIsBlackAndStoredPlayerSymbolsBlueOrRedAndAnEmptyCellKeepsItsLines) {
    Display d = display();
    drawGivenCell(d, 4, 5, 2, 7, true);
    const CellCorner given = cellCorner({2, 4, 5});
    EXPECT_EQ(given.x, 411 + 99 + 1);
    EXPECT_TRUE(showsText(surface, given.x + 4, given.y - 2, "7", fontFor(font::Symbols), c(Black), inside(4, 5, 2)));

    paintPlayerCell(d, 1, 1, 0, 3, false, true);
    paintPlayerCell(d, 9, 9, 3, 3, true, true);
    EXPECT_GT(inCell(DarkBlue, 1, 1, 0), 20);
    EXPECT_EQ(inCell(Red, 1, 1, 0), 0);
    EXPECT_GT(inCell(Red, 9, 9, 3), 20);

    // Emptying erases the inside only: the cell lines and the wider box lines stay.
    paintPlayerCell(d, 9, 9, 3, 0, false, true);
    EXPECT_EQ(inCell(White, 9, 9, 3), 31 * 31);
    const CellCorner last = cellCorner({3, 9, 9});
    expectProbes({{last.x - 1, last.y + 5, Black},
                  {last.x + 31, last.y + 5, DarkBlue},
                  {last.x + 32, last.y + 5, DarkBlue},
                  {last.x + 5, last.y + 31, DarkBlue}});
    EXPECT_EQ(surface.fill(), true);
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_EQ(surface.foreground(), c(Black));
}

TEST_F(CellsTest, LettersSitAtTheirOffsetsWithIAndAShifted) {
    Display d = display();
    struct Case {
        int s;
        bool digits;
        const char* text;
        int dx;
    };
    for (const Case k : {Case{1, false, "A", 1}, {9, false, "I", 10}, {5, false, "E", 0}, {9, true, "9", 4}}) {
        paintPlayerCell(d, k.s, 2, 1, k.s, false, k.digits);
        const CellCorner p = cellCorner({1, k.s, 2});
        EXPECT_TRUE(
            showsText(surface, p.x + k.dx, p.y - 2, k.text, fontFor(font::Symbols), c(DarkBlue), inside(k.s, 2, 1)))
            << k.text;
    }
}

TEST_F(CellsTest, CandidateMarksStandOnATenPixelPitchAndSpareFilledCells) {
    Display d = display();
    board.candidates[candidateIndex(5, 5, 1, 0)] = true;
    board.candidates[candidateIndex(5, 5, 9, 0)] = true;
    board.candidates[candidateIndex(6, 5, 4, 0)] = true; // a filled cell: never drawn
    cellAt(board.board, 6, 5, 0) = 2;
    paintPlayerCell(d, 6, 5, 0, 2, false, false);
    const auto filled = pixels(inside(6, 5, 0));
    drawCandidates(d, board, true);
    const int cx = 213 + 4 * 33 + 2, cy = 15 + 4 * 33;
    EXPECT_TRUE(showsText(surface, cx, cy, "1", fontFor(font::CandidateDigits), c(Black), inside(5, 5, 0)));
    EXPECT_TRUE(showsText(surface, cx + 20, cy + 20, "9", fontFor(font::CandidateDigits), c(Black), inside(5, 5, 0)));
    EXPECT_EQ(count(Black, cx + 10, cy + 2, cx + 19, cy + 10), 0) << "mark 2 is not a candidate";
    EXPECT_EQ(pixels(inside(6, 5, 0)), filled);

    // Letter mode, "I" three pixels in; a mark taken away is erased at the next drawing.
    board.candidates[candidateIndex(5, 5, 1, 0)] = false;
    drawCandidates(d, board, false);
    EXPECT_EQ(count(Black, cx, cy + 2, cx + 9, cy + 10), 0);
    EXPECT_TRUE(showsText(surface, cx + 23, cy + 20, "I", fontFor(font::CandidateLetters), c(Black), inside(5, 5, 0)));
}

TEST_F(CellsTest, ChooserHasNineSquaresHighlightsTheHoverSymbolAndPutsBackWhatItCovered) {
    Display d = display();
    // Column 1 of the left grid and row 1 of the top grid: the chooser reaches over the field's edge.
    for (const auto [col, row, g] : {std::array{1, 5, 1}, std::array{4, 1, 0}, std::array{9, 9, 3}}) {
        const platform::SavedRectangle before = snapshot();
        EntryPopup popup;
        popup.hoverSymbol = 5;
        drawEntryPopup(d, popup, col, row, g, true);
        const CellCorner o = popupCorner({g, col, row});
        EXPECT_EQ(o.x, 33 * (col - 1) + gridOrigin(g).x - 10);
        for (int i = 0; i <= 3; ++i) expectProbes({{o.x + 18 * i, o.y + 9, Black}, {o.x + 9, o.y + 18 * i, Black}});
        expectProbes({{o.x + 19, o.y + 19, LightGrey}, {o.x + 1, o.y + 1, White}, {o.x + 53, o.y + 53, White}});
        EXPECT_TRUE(showsText(surface, o.x + 36 + 3, o.y + 36 - 1, "9", fontFor(font::Popup), c(Black),
                              {o.x + 37, o.y + 37, o.x + 53, o.y + 53}));

        popup.hoverSymbol = 9; // a hover change redraws without saving again
        drawEntryPopup(d, popup, col, row, g, true);
        expectProbes({{o.x + 19, o.y + 19, White}, {o.x + 37, o.y + 37, LightGrey}});
        restorePopupBackground(d, popup);
        EXPECT_FALSE(popup.saved);
        EXPECT_EQ(snapshot().pixels(), before.pixels()) << "grid " << g;
    }
}

} // namespace
} // namespace quintaro
