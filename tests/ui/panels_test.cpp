// The statistics and status panels: counts, each status message with its colour and condition, the error line.
#include "screen_fixture.h"
#include "text_probe.h"

#include "engine/full_field.h"
#include "engine/random_source.h"
#include "ui/difficulty_panel.h"
#include "ui/fonts.h"
#include "ui/help_panel.h"
#include "ui/statistics_panel.h"

namespace quintaro {
namespace {

using namespace colour;

class PanelsTest : public ScreenFixture {
protected:
    void draw(bool digitMode = true) {
        Display d = display();
        PanelContext p = panels(digitMode);
        drawStatisticsPanel(d, p);
    }
    void recount() {
        Display d = display();
        PanelContext p = panels();
        countSymbols(d, p);
    }
    ::testing::AssertionResult status(const std::string& text, int colourIndex) const {
        if (panelState.statusText != text)
            return ::testing::AssertionFailure() << "status is \"" << panelState.statusText << '"';
        return showsText(surface, 760, 347, text, fontFor(font::Symbols), c(colourIndex), {760, 347, 1024, 381});
    }
    ::testing::AssertionResult errorLine(const std::string& text) const {
        return showsText(surface, 832, 382, text, fontFor(font::Body), c(Black));
    }
    void fillField() {
        SeededRandom rnd(7);
        generateFullField(board.board, rnd);
        board.solution = board.board;
    }
};

TEST_F(PanelsTest, GivensAloneReadNoErrorsAndAFullValidFieldIsSolvedWithThirtyTwoOfEach) {
    cellAt(board.givens, 1, 1, 0) = cellAt(board.board, 1, 1, 0) = 4;
    draw();
    EXPECT_TRUE(status("Keine Fehler! ", Black));
    EXPECT_TRUE(errorLine("Fehler:0/3    "));
    EXPECT_TRUE(showsText(surface, 776 + 24 * 4, 274, "  1 ", fontFor(font::Body), c(Black)));
    EXPECT_EQ(board.symbolCounts[4], 1);
    EXPECT_EQ(listener.solved, 0);

    fillField();
    recount();
    EXPECT_TRUE(status("Brett gelöst!!! ", Black));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(showsText(surface, 776 + 24 * i, 274, " 32 ", fontFor(font::Body), c(Black), {802, 0, 2000, 2000})) << i;
    EXPECT_EQ(listener.solved, 1);
    EXPECT_EQ(listener.beeps, 0);
}

TEST_F(PanelsTest, ABrokenRuleOrAWrongSymbolReadsFalscheZahlInRedAndOnlyTheRuleBreakBeeps) {
    // An own board: a full field of givens with two symbols swapped in one row breaks its columns.
    fillField();
    std::swap(cellAt(board.board, 4, 5, 3), cellAt(board.board, 5, 5, 3));
    board.givens = board.board;
    draw();
    EXPECT_TRUE(status("Falsche Zahl! ", Red));
    EXPECT_EQ(listener.beeps, 2) << "the counts and the status panel each judge once";
    EXPECT_EQ(listener.solved, 0) << "a full field that breaks a rule is never solved";

    // A player's wrong symbol on an otherwise valid board: red, no sound.
    listener.beeps = 0;
    board.givens.fill(0);
    fillField();
    cellAt(board.board, 5, 5, 0) = 0;
    recount();
    EXPECT_TRUE(status("Keine Fehler! ", Black));
    cellAt(board.board, 5, 5, 0) = std::uint8_t(cellAt(board.solution, 5, 5, 0) % 9 + 1);
    recount();
    EXPECT_TRUE(status("Falsche Zahl! ", Red));
    EXPECT_TRUE(panelState.wrongEntry);
    EXPECT_EQ(listener.beeps, 0);

    board.noSolution = true;
    recount();
    EXPECT_TRUE(status("Nicht lösbar!!!", Red));
}

TEST_F(PanelsTest, AShorterMessageOrCountLeavesNothingOfTheLongerOneBehind) {
    fillField();
    board.errorCount = 10;
    draw();
    EXPECT_TRUE(errorLine("Fehler:10/3   "));
    cellAt(board.board, 9, 9, 3) = 0;
    board.errorCount = 0;
    recount();
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

TEST_F(PanelsTest, LetterModeLabelsTheRowZifferWithLettersAndSilentSolvesDrawNoMessage) {
    draw(false);
    EXPECT_TRUE(showsText(surface, 748, 254, "Ziffer", fontFor(font::Body), c(Black)));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(showsText(surface, 808 + 24 * (i - 1) + 8, 254, std::string(1, char('A' + i - 1)), fontFor(font::Body), c(Black)));

    const platform::SavedRectangle before = surface.saveRectangle(739, 346, 1024, 381);
    board.silentSolve = true;
    board.noSolution = true;
    recount();
    EXPECT_EQ(panelState.statusText, "Nicht lösbar!!!");
    EXPECT_EQ(surface.saveRectangle(739, 346, 1024, 381).pixels(), before.pixels());
}

TEST_F(PanelsTest, GivenCountCountsASharedCellOnce) {
    cellAt(board.givens, 1, 7, 0) = 5; // in the box grids 0 and 1 share
    cellAt(board.givens, 7, 1, 1) = 5;
    cellAt(board.givens, 5, 5, 2) = 1;
    Display d = display();
    PanelContext p = panels();
    drawDifficultyPanel(d, p);
    EXPECT_EQ(panelState.givenCount, 2);
    EXPECT_TRUE(showsText(surface, 953, 455, " 2 ", fontFor(font::Body), c(Black)));
}

} // namespace
} // namespace quintaro
