// Clicks on the field and the symbol entry: chooser, mouse and keys, candidate notation, letters, own boards.
#include "play_fixture.h"

namespace quintaro {
namespace {

using platform::Event;
using platform::MouseButton;
using platform::Rgb;
namespace CharacterCode = platform::CharacterCode;
namespace VK = platform::VirtualKey;

class SymbolEntryTest : public PlayTest {
public:
    SymbolEntryTest() { command(MenuCommand::NewGame); }
    bool candidate(Cell k, int s) const {
        const auto [c, r, g] = k;
        return game.board.candidates[std::size_t(candidateIndex(c, r, s, g))];
    }
};

TEST_F(SymbolEntryTest, TheChooserFollowsThePointerAndAClickTakesTheSquareUnderIt) {
    const auto cell = openCell(0);
    const auto [x, y] = centre(std::get<0>(cell), std::get<1>(cell), 0);
    const platform::SavedRectangle before = window.surface().saveRectangle(x - 27, y - 27, x + 28, y + 28);
    clickCell(cell);
    ASSERT_TRUE(game.play.entry.active);
    EXPECT_EQ(game.view.hintText, "Rechte Taste löscht Feld!");
    const int sx = x - 26 + 9, sy = y - 26 + 18 * 2 + 9; // square 7, lower left
    deliver(Event::moved(sx, sy));
    EXPECT_EQ(window.surface().pixel(sx - 7, sy - 7), (Rgb{192, 192, 192})) << "the hovered square is light grey";
    click(sx, sy);
    EXPECT_FALSE(game.play.entry.active);
    EXPECT_EQ(boardAt(cell), 7);
    EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken! ");
    EXPECT_EQ(game.board.errorCount, solutionAt(cell) == 7 ? 0 : 1);
    // Around the cell the chooser's place is as it was.
    const platform::SavedRectangle after = window.surface().saveRectangle(x - 27, y - 27, x + 28, y + 28);
    for (int i = 0; i < after.width() * after.height(); ++i) {
        const int px = i % after.width(), py = i / after.width();
        const bool inCell = px >= 10 && px <= 43 && py >= 10 && py <= 43; // now shows the symbol
        ASSERT_TRUE(inCell || after.pixels()[std::size_t(i)] == before.pixels()[std::size_t(i)]) << px << ',' << py;
    }

    // A second quick click enters the square under the pointer, not a symbol left over from before.
    const auto other = openCell(0, 1);
    game.view.popup.hoverSymbol = 8;
    clickCell(other);
    clickCell(other);
    EXPECT_EQ(boardAt(other), 5) << "the cell's centre lies on the middle square";
}

TEST_F(SymbolEntryTest, TheChooserOpensOnTheSquareAClickWithoutMovingEnters) {
    // Whether square k of the chooser over the cell centred at (x, y) is the highlighted one.
    const auto lit = [&](std::pair<int, int> at, int k) {
        const int x = at.first - 27 + 18 * ((k - 1) % 3) + 3, y = at.second - 27 + 18 * ((k - 1) / 3) + 3;
        return window.surface().pixel(x, y) == Rgb{192, 192, 192};
    };
    const auto first = openCell(0), second = openCell(0, 1), third = openCell(0, 2);
    const auto a = centre(std::get<0>(first), std::get<1>(first), 0);
    clickCell(first);
    click(a.first - 27 + 9, a.second - 27 + 18 + 9); // square 4
    ASSERT_EQ(boardAt(first), 4);

    const auto b = centre(std::get<0>(second), std::get<1>(second), 0);
    clickCell(second);
    EXPECT_TRUE(lit(b, 5) && !lit(b, 4)) << "the middle square lies under the pointer";
    click(b.first, b.second);
    EXPECT_EQ(boardAt(second), 5);

    // Opened by a key with the pointer beside the field, it shows the symbol entered last, which
    // Enter takes; with the pointer over it, the square under the pointer, which a click takes.
    const auto c = centre(std::get<0>(third), std::get<1>(third), 0);
    type(third, '8');
    deliver(Event::moved(900, 100));
    key(VK::Right); // the cursor frame shows on the cell clicked last
    key(VK::Enter);
    ASSERT_TRUE(game.play.entry.active);
    EXPECT_TRUE(lit(c, 8) && !lit(c, 5));
    deliver(Event::keyPressed(VK::Enter));
    EXPECT_EQ(boardAt(third), 8);
    deliver(Event::moved(c.first - 20, c.second - 20)); // over square 1
    key(VK::Enter);
    ASSERT_TRUE(game.play.entry.active);
    EXPECT_TRUE(lit(c, 1) && !lit(c, 8));
    click(c.first - 20, c.second - 20);
    EXPECT_EQ(boardAt(third), 1);
}

TEST_F(SymbolEntryTest, KeysEnterZeroAndEscapeEmptyAndTheRightButtonClears) {
    const auto cell = openCell(1);
    type(cell, '0' + solutionAt(cell));
    EXPECT_EQ(boardAt(cell), solutionAt(cell));
    EXPECT_EQ(game.board.errorCount, 0);
    EXPECT_EQ(game.view.panelState.statusText, "Keine Fehler! ");
    type(cell, 'x'); // not a symbol: the chooser stays open
    EXPECT_TRUE(game.play.entry.active);
    deliver(Event::character('0'));
    EXPECT_EQ(boardAt(cell), 0);

    type(cell, '3');
    type(cell, CharacterCode::Escape);
    EXPECT_EQ(boardAt(cell), 0);
    EXPECT_TRUE(game.play.escapeConsumed);

    type(cell, '3');
    clickCell(cell, MouseButton::Right); // a right click on a filled cell empties it at once
    EXPECT_EQ(boardAt(cell), 0);
    EXPECT_FALSE(game.play.entry.active);
    clickCell(cell);
    click(5, 5, MouseButton::Right); // the right button anywhere clears
    EXPECT_EQ(boardAt(cell), 0);
    EXPECT_FALSE(game.play.entry.active);

    // Givens, the middle recess and the space outside the grids take no clicks.
    int given = 1;
    while (cellAt(game.board.givens, given, 1, 0) == 0) ++given;
    clickCell(given, 1, 0);
    click(360, 360);
    click(100, 100);
    EXPECT_FALSE(game.play.entry.active);
}

TEST_F(SymbolEntryTest, CandidateNotationTogglesMarksAndTheRightButtonClearsThem) {
    const auto cell = openCell(2);
    const auto note = [&](int character) {
        clickCell(cell, MouseButton::Right);
        deliver(Event::character(character));
    };
    clickCell(cell, MouseButton::Right);
    EXPECT_EQ(game.view.hintText, "Bitte Kandidaten notieren!");
    deliver(Event::character('4'));
    note('6');
    EXPECT_TRUE(candidate(cell, 4) && candidate(cell, 6));
    EXPECT_EQ(boardAt(cell), 0);
    note('4');
    EXPECT_FALSE(candidate(cell, 4));
    note('0');
    EXPECT_TRUE(candidate(cell, 6)) << "0 closes the chooser and changes no mark";
    clickCell(cell, MouseButton::Right);
    click(5, 5, MouseButton::Right);
    EXPECT_FALSE(candidate(cell, 6));
}

TEST_F(SymbolEntryTest, APressIsTakenWhereItHappensWhereverThePointerWasLastReported) {
    const auto cell = openCell(0);
    const auto [x, y] = centre(std::get<0>(cell), std::get<1>(cell), 0);
    deliver(Event::moved(600, 600));
    deliver(Event::pressed(MouseButton::Left, x, y));
    ASSERT_TRUE(game.play.entry.active);
    EXPECT_EQ(game.play.entry.cell, (GridCell{0, std::get<0>(cell), std::get<1>(cell)}));
    // The chooser's squares too answer to the press's own position.
    deliver(Event::moved(600, 600));
    deliver(Event::pressed(MouseButton::Left, x - 26 + 9, y - 26 + 9));
    EXPECT_FALSE(game.play.entry.active);
    EXPECT_EQ(boardAt(cell), 1);
}

TEST_F(SymbolEntryTest, AClickInASharedBoxEditsTheCopyOfTheLowerGrid) {
    // Grid 0's columns 1..3, rows 7..9 are grid 1's columns 7..9, rows 1..3.
    int c = 0, r = 0;
    for (int col = 1; col <= 3 && c == 0; ++col)
        for (int row = 7; row <= 9 && c == 0; ++row)
            if (cellAt(game.board.givens, col, row, 0) == 0) c = col, r = row;
    ASSERT_NE(c, 0);
    type(c, r, 0, '0' + solutionAt({c, r, 0}));
    EXPECT_EQ(boardAt({c, r, 0}), solutionAt({c, r, 0}));
    EXPECT_EQ(boardAt({c + 6, r - 6, 1}), boardAt({c, r, 0}));
}

TEST_F(SymbolEntryTest, InLetterModeLowerCaseLettersAreSymbolsAndTheirReleasesDoNothing) {
    click(650, 740);
    command(MenuCommand::Letters);
    command(MenuCommand::NewGame);
    const auto cell = openCell(3), other = openCell(3, 1);
    clickCell(other, MouseButton::Right);
    deliver(Event::character('b'));
    ASSERT_TRUE(candidate(other, 2));
    const CandidateFlags marks = game.board.candidates;

    clickCell(cell);
    for (const int ignored : {'A', '1', '0'}) deliver(Event::character(ignored));
    EXPECT_TRUE(game.play.entry.active);
    key('C', 'c'); // c is symbol 3; the loop's C (clear the marks) must not follow on its release
    EXPECT_EQ(boardAt(cell), 3);
    EXPECT_EQ(game.board.candidates, marks);

    type(cell, '`');
    EXPECT_EQ(boardAt(cell), 0);
    key('A', 'a'); // a symbol key in letter mode, not Abort
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop);
}

class OwnBoardTest : public PlayTest {
public:
    OwnBoardTest() {
        command(MenuCommand::ClearBoard);
        command(MenuCommand::OwnBoard);
    }
};

TEST_F(OwnBoardTest, LeftClicksPlaceGivensAndRightClicksOrZeroRemoveThemFromBothLayers) {
    EXPECT_EQ(game.play.mode, GameMode::OwnBoardLoop);
    const auto layers = [&](Cell k) { return std::pair{at(game.board.givens, k), boardAt(k)}; };
    type(5, 5, 0, '4');
    type(1, 1, 2, '9');
    EXPECT_EQ(layers({5, 5, 0}), std::pair(4, 4));
    EXPECT_EQ(game.view.panelState.givenCount, 2);

    clickCell(5, 5, 0, MouseButton::Right);
    type(1, 1, 2, '0'); // over a given: erases it
    type(2, 2, 2, '6');
    clickCell(2, 2, 2);
    click(5, 5, MouseButton::Right); // the right button in the chooser erases too
    for (const Cell& k : {Cell{5, 5, 0}, {1, 1, 2}, {2, 2, 2}}) EXPECT_EQ(layers(k), std::pair(0, 0)) << std::get<0>(k);
    EXPECT_EQ(game.view.panelState.givenCount, 0);

    key(VK::Escape, CharacterCode::Escape);
    expectIdle("own board", "Nicht durch Logik lösbar");
}

TEST_F(OwnBoardTest, TwoEqualGivensInARowSoundOneAlertPerEntryAndASharedGivenCountsOnce) {
    type(1, 7, 0, '5'); // in the box grids 0 and 1 share
    EXPECT_EQ(game.view.panelState.givenCount, 1);
    EXPECT_EQ(platform.beeps(), 0);
    type(5, 7, 0, '5');
    EXPECT_EQ(game.view.panelState.status, BoardStatus::RuleBroken);
    EXPECT_EQ(game.view.panelState.statusText, "Falsche Zahl! ");
    EXPECT_EQ(platform.beeps(), 1);
    type(9, 9, 3, '1');
    EXPECT_EQ(platform.beeps(), 2) << "the rule stays broken";
    clickCell(5, 7, 0, MouseButton::Right);
    EXPECT_EQ(game.view.panelState.status, BoardStatus::NoErrors);
    EXPECT_EQ(platform.beeps(), 2);
}

TEST_F(OwnBoardTest, AnOwnPuzzleIsJudgedAgainstItsOwnSolution) {
    // The givens of a new game, placed by hand on the cleared field, then played.
    HeadlessGame other;
    other.platform.inject(menuEvent(MenuCommand::NewGame));
    other.platform.deliverPending();
    const Board puzzle = other.game.board;
    for (int g = 0; g < 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (const int s = cellAt(puzzle.givens, c, r, g); s != 0 && cellAt(game.board.givens, c, r, g) == 0)
                    type(c, r, g, '0' + s);
    key(VK::Escape, CharacterCode::Escape);
    EXPECT_EQ(game.board.solution, puzzle.solution);
    EXPECT_FALSE(game.board.noSolution);
}

TEST_F(OwnBoardTest, TheGamesOwnSolveIsNeverTimed) {
    game.play.gameRunning = true; // as after loading a saved game in progress
    key('K');
    key('O');
    EXPECT_FALSE(game.play.gameRunning);
    EXPECT_EQ(game.play.clock->finalTime(), "X");
    EXPECT_EQ(platform.alerts().size(), 1u) << "an empty board cannot be solved";
}

} // namespace
} // namespace quintaro
