// The statistics and status panels: counts, each status message with its colour, the error line, the given count.
#include "screen_fixture.h"
#include "text_probe.h"

#include "ui/difficulty_panel.h"
#include "ui/fonts.h"
#include "ui/help_panel.h"
#include "ui/statistics_panel.h"
#include "ui/status_panel.h"

namespace quintaro {
namespace {

using namespace colour;

class PanelsTest : public ScreenFixture {
protected:
    void draw(BoardStatus status, bool digitMode = true) {
        panelState.status = status;
        Display d = display();
        drawStatisticsPanel(d, panels(digitMode));
    }
    void redrawCounts(BoardStatus status) {
        panelState.status = status;
        Display d = display();
        drawSymbolCounts(d, panels());
    }
    ::testing::AssertionResult status(const std::string& text, int colourIndex) const {
        return showsText(surface, 760, 347, text, fontFor(font::Symbols), c(colourIndex), {760, 347, 1024, 381});
    }
    ::testing::AssertionResult errorLine(const std::string& text) const {
        return showsText(surface, 832, 382, text, fontFor(font::Body), c(Black));
    }
};

TEST_F(PanelsTest, EachVerdictHasItsMessageAndColourAndTheCountsStandAsCounted) {
    board.symbolCounts[4] = 1;
    draw(BoardStatus::NoErrors);
    EXPECT_TRUE(status("Keine Fehler! ", Black));
    EXPECT_TRUE(errorLine("Fehler:0/3    "));
    EXPECT_TRUE(showsText(surface, 776 + 24 * 4, 274, "  1 ", fontFor(font::Body), c(Black)));

    board.symbolCounts.fill(32);
    redrawCounts(BoardStatus::Solved);
    EXPECT_TRUE(status("Brett gelöst!!! ", Black));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(showsText(surface, 776 + 24 * i, 274, " 32 ", fontFor(font::Body), c(Black), {802, 0, 2000, 2000}))
            << i;

    for (const BoardStatus wrong : {BoardStatus::WrongEntry, BoardStatus::RuleBroken}) {
        redrawCounts(wrong);
        EXPECT_TRUE(status("Falsche Zahl! ", Red));
    }
    redrawCounts(BoardStatus::NotSolvable);
    EXPECT_TRUE(status("Nicht lösbar!!!", Red));
}

TEST_F(PanelsTest, AShorterMessageOrCountLeavesNothingOfTheLongerOneBehind) {
    board.errorCount = 10;
    draw(BoardStatus::Solved);
    EXPECT_TRUE(errorLine("Fehler:10/3   "));
    board.errorCount = 0;
    redrawCounts(BoardStatus::NoErrors);
    EXPECT_TRUE(errorLine("Fehler:0/3    "));
    // The whole message line right of the new text is white again.
    Display d = display();
    selectFont(d, font::Symbols);
    const int end = 760 + surface.textWidth("Keine Fehler! ");
    EXPECT_TRUE(status("Keine Fehler! ", Black));
    EXPECT_EQ(count(White, end, 347, 1024, 381), (1024 - end + 1) * 35);

    drawHelpPanel(d, "Bitte Menupunkt auswählen!");
    drawHint(d, "Rechte Taste löscht Feld!");
    EXPECT_TRUE(showsText(surface, 776, 576, "Rechte Taste löscht Feld! ", fontFor(font::Body), c(Black)));
}

TEST_F(PanelsTest, LetterModeLabelsTheRowZifferWithLetters) {
    draw(BoardStatus::NoErrors, false);
    EXPECT_TRUE(showsText(surface, 748, 254, "Ziffer", fontFor(font::Body), c(Black)));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(showsText(surface, 808 + 24 * (i - 1) + 8, 254, std::string(1, char('A' + i - 1)),
                              fontFor(font::Body), c(Black)));
}

TEST_F(PanelsTest, TheDifficultyPanelShowsTheGivenCountItIsHanded) {
    panelState.givenCount = 2;
    Display d = display();
    drawDifficultyPanel(d, panels());
    EXPECT_TRUE(showsText(surface, 953, 455, " 2 ", fontFor(font::Body), c(Black)));
}

} // namespace
} // namespace quintaro
