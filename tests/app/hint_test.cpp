// Key T in a played game: the step named and framed, the wrong entry first, nothing to follow, the
// frame gone without a trace; an own puzzle's grade when its loop ends.
#include "play_fixture.h"

#include "engine/grade.h"
#include "engine/rules.h"
#include "ui/hint_text.h"

#include <algorithm>

namespace quintaro {
namespace {

namespace CharacterCode = platform::CharacterCode;
namespace VK = platform::VirtualKey;

class HintTest : public PlayTest {
public:
    std::vector<std::uint32_t> screen() const {
        const platform::Surface& s = window.surface();
        return s.saveRectangle(0, 0, s.width() - 1, s.height() - 1).pixels();
    }
    // The frame's inner ring, two pixels inside the lines of cell (c, r) of grid g, is magenta.
    bool framed(std::tuple<int, int, int> cell) const {
        const auto [x, y] = centre(std::get<0>(cell), std::get<1>(cell), std::get<2>(cell));
        const platform::Surface& s = window.surface();
        return s.pixel(x - 14, y) == platform::Rgb{255, 0, 255} &&
               s.pixel(x + 13, y - 14) == platform::Rgb{255, 0, 255};
    }
};

TEST_F(HintTest, TheStepIsNamedAndFramedAWrongEntryFirstAndTheNextInputLeavesNoTrace) {
    command(MenuCommand::NewGame);
    // All but one cell filled right, the keyboard cursor standing on it: it admits its symbol alone.
    const auto cell = openCell(3, 4), wrong = openCell(2);
    const auto [c, r, g] = cell;
    game.board.board = game.board.solution;
    setCellAndTwin(game.board.board, c, r, g, 0);
    game.drawBoard();
    game.view.cursor.place = fieldPlaceOf(GridCell{g, c, r});
    key(VK::Left);
    const std::vector<std::uint32_t> before = screen();
    key('T');
    EXPECT_EQ(game.view.hintText, std::to_string(solutionAt(cell)) + ": einzige Zahl im Feld");
    EXPECT_TRUE(framed(cell));
    EXPECT_FALSE(game.play.gameRunning) << "a hint untimes the game";
    EXPECT_EQ(game.play.clockLabel->caption(), " 99:99:99");
    key('Q'); // a key without a task: the frame and the hint go all the same
    EXPECT_TRUE(screen() == before) << "the cell, the cursor and the help panel as they were";
    EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken!");

    type(wrong, '0' + solutionAt(wrong) % 9 + 1);
    key('T');
    EXPECT_EQ(game.view.hintText, "Diese Zahl ist falsch");
    EXPECT_TRUE(framed(wrong));
    EXPECT_FALSE(framed(cell));
    clickCell(wrong, platform::MouseButton::Right);
    EXPECT_FALSE(framed(wrong)) << "the erased cell is drawn empty, not painted over";

    key('A');
    command(MenuCommand::ClearBoard); // a cleared field: nothing can follow
    command(MenuCommand::StartGame);
    key('T');
    EXPECT_EQ(game.view.hintText, "Keine Zahl folgt zwingend");
    const std::vector<std::uint32_t> now = screen();
    EXPECT_EQ(std::count(now.begin(), now.end(), 0xFF00FFu), 0) << "no frame";
}

TEST_F(HintTest, AnOwnPuzzleIsGradedWhenItsLoopEnds) {
    HeadlessGame other;
    other.platform.inject(menuEvent(MenuCommand::NewGame));
    other.platform.deliverPending();
    command(MenuCommand::ClearBoard);
    command(MenuCommand::OwnBoard);
    game.board.givens = game.board.board = other.game.board.givens;
    key(VK::Escape, CharacterCode::Escape);
    const Grade grade = gradePuzzle(other.game.board.givens);
    ASSERT_TRUE(grade.complete);
    expectIdle("own puzzle", gradeLine(grade));
    EXPECT_TRUE(game.view.hintText.starts_with("Lösbar: ")) << game.view.hintText;
    command(MenuCommand::NewGame);
    EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken!") << "the next command writes over the grade";
}

} // namespace
} // namespace quintaro
