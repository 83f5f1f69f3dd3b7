// Key T in a played game: the step named and framed, the wrong entry first, nothing to follow; the
// frame gone without a trace; an own puzzle's grade when its loop ends.
#include "play_fixture.h"

#include "engine/grade.h"
#include "engine/rules.h"

#include <algorithm>

namespace quintaro {
namespace {

using platform::Event;
using platform::MouseButton;
using platform::Rgb;
namespace VK = platform::VirtualKey;

constexpr Rgb kMagenta{255, 0, 255};

class HintTest : public PlayTest {
public:
    std::vector<std::uint32_t> screen() const
    {
        const platform::Surface& s = window.surface();
        return s.saveRectangle(0, 0, s.width() - 1, s.height() - 1).pixels();
    }
    // The frame stands on cell (c, r) of grid g: its inner ring, two pixels inside the cell's lines.
    bool framed(int c, int r, int g) const
    {
        const auto [x, y] = centre(c, r, g);
        const platform::Surface& s = window.surface();
        return s.pixel(x - 14, y) == kMagenta && s.pixel(x + 13, y) == kMagenta && s.pixel(x, y - 14) == kMagenta;
    }
};

TEST_F(HintTest, TheNextStepIsNamedAndFramedAndTheNextInputLeavesNoTrace)
{
    command(8);
    ASSERT_TRUE(game.state.gameRunning);
    // All but one cell filled right: that cell admits its symbol alone.
    const auto cell = openCell(3, 4);
    const auto [c, r, g] = cell;
    game.board.board = game.board.solution;
    setCellAndTwin(game.board.board, c, r, g, 0);
    game.drawBoard();
    game.cursor.place = fieldPlaceOf(GridCell{g, c, r});
    key(VK::Left); // the keyboard cursor's frame shows on the same cell
    const std::vector<std::uint32_t> before = screen();

    key('T');
    EXPECT_EQ(game.state.hintText, std::to_string(solutionAt(cell)) + ": einzige Zahl im Feld");
    EXPECT_TRUE(framed(c, r, g));
    EXPECT_FALSE(game.state.gameRunning) << "a hint untimes the game";
    EXPECT_EQ(game.clockDisplay->caption(), " 99:99:99");
    EXPECT_EQ(boardAt(cell), 0) << "a hint places nothing";

    key('Q'); // a key without a task: the frame and the hint go all the same
    EXPECT_TRUE(screen() == before) << "the cell and the help panel are as they were";
    EXPECT_EQ(game.state.hintText, "Bitte ein Feld anklicken!");

    // In letter mode the symbol is a letter; entering it after the hint draws a clean cell.
    game.state.digitMode = false;
    key('T');
    EXPECT_EQ(game.state.hintText, std::string(1, char('@' + solutionAt(cell))) + ": einzige Zahl im Feld");
    type(c, r, g, 'a' - 1 + solutionAt(cell));
    EXPECT_FALSE(framed(c, r, g));
    EXPECT_EQ(game.panelState.statusText, "Brett gelöst!!! ");
    key('T');
    EXPECT_EQ(game.state.hintText, "Kein Feld ist mehr frei");
}

TEST_F(HintTest, AWrongEntryIsFramedFirstAndAnEmptyFieldHasNothingToFollow)
{
    command(8);
    const auto right = openCell(1), wrong = openCell(2);
    type(std::get<0>(right), std::get<1>(right), 1, '0' + solutionAt(right));
    type(std::get<0>(wrong), std::get<1>(wrong), 2, '0' + solutionAt(wrong) % 9 + 1);
    ASSERT_EQ(game.board.errorCount, 1);
    key('T');
    EXPECT_EQ(game.state.hintText, "Diese Zahl ist falsch");
    EXPECT_TRUE(framed(std::get<0>(wrong), std::get<1>(wrong), 2));
    EXPECT_FALSE(framed(std::get<0>(right), std::get<1>(right), 1));
    clickCell(std::get<0>(wrong), std::get<1>(wrong), 2, MouseButton::Right); // erased: the cell drawn empty
    EXPECT_FALSE(framed(std::get<0>(wrong), std::get<1>(wrong), 2));
    EXPECT_EQ(boardAt(wrong), 0);
    EXPECT_EQ(game.board.errorCount, 1);

    key('A');
    command(26); // a cleared field: nothing can follow
    command(10);
    key('T');
    EXPECT_EQ(game.state.hintText, "Keine Zahl folgt zwingend");
    const std::vector<std::uint32_t> now = screen();
    EXPECT_EQ(std::count(now.begin(), now.end(), 0xFF00FFu), 0) << "no frame";
    key('T');
    EXPECT_EQ(game.state.hintText, "Keine Zahl folgt zwingend") << "a second T shows it again";
    key(VK::Escape, 27);
    expectIdle("hint");
}

TEST_F(HintTest, AnOwnPuzzleIsGradedWhenItsLoopEnds)
{
    HeadlessGame other;
    other.platform.inject(Event::menu(8));
    other.platform.deliverPending();
    command(26);
    command(11);
    game.board.givens = game.board.board = other.game.board.givens;
    key(VK::Escape, 27);
    const Grade grade = gradePuzzle(other.game.board.givens);
    ASSERT_TRUE(grade.complete);
    const char* names[] = {"Leicht", "Mittel", "Schwer", "Extrem"};
    expectIdle("own puzzle", std::string("Lösbar: ") + names[grade.level] + ", " + std::to_string(grade.passes) + " Runden");
    command(8);
    EXPECT_EQ(game.state.hintText, "Bitte ein Feld anklicken!") << "the next command writes over the grade";
}

} // namespace
} // namespace quintaro
