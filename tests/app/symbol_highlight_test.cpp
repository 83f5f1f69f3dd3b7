// The symbol highlight in play: chosen on the statistics panel, kept by redraws, cleared again.
#include "play_fixture.h"

#include "ui/cells.h"
#include "ui/symbol_highlight.h"

namespace quintaro {
namespace {

constexpr platform::Rgb kWhite{255, 255, 255};

class SymbolHighlightTest : public PlayTest {
public:
    // The x of a click on symbol s in the statistics panel (0: on the row labels).
    static int statisticsX(int s) { return s == 0 ? 760 : 802 + 24 * (s - 1) + 12; }
    platform::SavedRectangle screen() { return window.surface().saveRectangle(0, 0, 1051, 786); }
    // The paper of cell (c, r, g), just inside its top-left corner.
    platform::Rgb paper(int c, int r, int g) {
        const CellCorner p = cellCorner({g, c, r});
        return window.surface().pixel(p.x + 1, p.y + 1);
    }
    platform::Rgb statisticsBox(int s) { return window.surface().pixel(802 + 24 * (s - 1) + 1, 246); }
    // Every cell holding s (a given or a player's symbol) and every other filled cell have the paper of
    // their kind; returns how many cells hold s.
    int expectCells(int s, platform::Rgb paperOfS, const std::string& when) {
        int held = 0;
        for (int g = 0; g < 4; ++g)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (const int v = cellAt(game.board.board, c, r, g); v != 0) {
                        held += v == s;
                        EXPECT_EQ(paper(c, r, g), v == s ? paperOfS : kWhite) << when << " cell " << c << r << g;
                    }
        return held;
    }
};

TEST_F(SymbolHighlightTest, AStatisticsClickTintsTheSymbolEverywhereRedrawsKeepItAndASecondClickOrTheLabelClearsIt) {
    command(MenuCommand::NewGame);
    const platform::SavedRectangle before = screen();
    for (const int clear : {5, 0}) {
        click(statisticsX(5), 256);
        EXPECT_EQ(statisticsBox(5), kHighlightTint);
        EXPECT_GT(expectCells(5, kHighlightTint, "on"), 0);
        click(statisticsX(clear), 280); // the count row takes the click as well
        EXPECT_EQ(screen().pixels(), before.pixels()) << "cleared by " << clear;
        EXPECT_EQ(game.view.screen.highlightSymbol, 0);
    }

    // A restart and the candidates redraw the whole board: the tint stays and the marks of 5 are framed.
    click(statisticsX(5), 256);
    key('N');
    key('F');
    expectCells(5, kHighlightTint, "after N and F");
    const auto [c, r, g] = openCell(0);
    const int x = 33 * (c - 1) + gridOrigin(g).x + 2;
    const int y = 33 * (r - 1) + gridOrigin(g).y;
    const platform::Surface& s = window.surface();
    EXPECT_EQ(s.pixel(x + 10, y + 12), kHighlightFrame) << "mark 5 sits in the middle of its cell";
    EXPECT_EQ(s.pixel(x + 19, y + 20), kHighlightFrame);
    EXPECT_EQ(s.pixel(x, y + 2), kWhite) << "mark 1";

    // Entered, even wrongly, the symbol takes the tint; another symbol takes it over.
    int wrong = 1;
    while (wrong == 5 || wrong == solutionAt({c, r, g})) ++wrong;
    click(statisticsX(wrong), 256);
    type(c, r, g, '0' + wrong);
    expectCells(wrong, kHighlightTint, "switched");
    EXPECT_EQ(statisticsBox(5), kWhite);

    // Idle, the panel drawn anew in letters keeps its box; the label clears it there too.
    key(platform::VirtualKey::Escape);
    ASSERT_EQ(game.play.mode, GameMode::Idle);
    command(MenuCommand::Letters);
    EXPECT_EQ(statisticsBox(wrong), kHighlightTint);
    click(statisticsX(0), 256);
    EXPECT_EQ(statisticsBox(wrong), kWhite);
    expectCells(wrong, kWhite, "idle, cleared");
}

} // namespace
} // namespace quintaro
