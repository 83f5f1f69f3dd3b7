// Whole games with "Neue Rätsel erzeugen": fresh puzzles made ahead, their numbers on screen, on paper
// and in saved games, the collections' records with the option off or no puzzle ready.
#include "play_fixture.h"

#include "engine/puzzle_checks.h"
#include "storage/board_file.h"
#include "ui/help_panel.h"

#include <algorithm>
#include <set>

namespace quintaro {
namespace {

using platform::RecordFormAction;

std::set<std::vector<int>> extremBoxCounts() {
    std::set<std::vector<int>> counts;
    for (int k = 0; k < 4; ++k) {
        Board b;
        RecordClock clock;
        EXPECT_EQ(readBoardRecord("extrem.qbr", k, b, clock), ReadStatus::Loaded);
        counts.insert(boxGivenCounts(b.givens));
    }
    return counts;
}

class FreshPuzzlePlayTest : public PlayTest {
public:
    // Lets the worker make its puzzle: the headless platform runs started bodies only when asked, and
    // only while idle, where no clock body would run on.
    void makeAhead() {
        platform.deliverPending();
        ASSERT_EQ(game.play.mode, GameMode::Idle);
        platform.runStartedThreads();
    }
    void leaveLoop() { click(650, 740); }
    void save(char slot) {
        platform.scriptRecordForm(RecordFormAction::keyPress(0, slot));
        key('S', 's');
    }
    // Whether the help panel shows exactly text: drawing it once more changes no pixel there.
    bool helpPanelShows(const std::string& text) {
        const auto panel = [&] {
            std::vector<platform::Rgb> pixels;
            for (int y = 560; y < 600; ++y)
                for (int x = 770; x < 990; ++x) pixels.push_back(window.surface().pixel(x, y));
            return pixels;
        };
        const auto before = panel();
        Display d = game.display();
        drawHint(d, text);
        const bool same = panel() == before;
        drawHint(d, game.view.hintText);
        return same;
    }
};

TEST_F(FreshPuzzlePlayTest, FourExtremGamesSavedAreSmallSymmetricSolvedAndMostlyUnlikeTheCollection) {
    EXPECT_TRUE(game.choices.freshPuzzles && menuChecked(window, MenuCommand::FreshPuzzles)) << "ticked by default";
    command(MenuCommand::LevelExtreme);
    std::vector<PuzzleNumber> numbers;
    for (char slot = '1'; slot <= '4'; ++slot) {
        makeAhead();
        const std::optional<PuzzleNumber> ahead = game.puzzles.awaiting();
        ASSERT_TRUE(ahead && ahead->level == 3);
        command(MenuCommand::NewGame);
        EXPECT_EQ(game.play.puzzle, ahead);
        EXPECT_TRUE(game.play.gameRunning && !game.board.noSolution);
        EXPECT_EQ(game.view.hintText, "Rätsel " + formatPuzzleNumber(*ahead));
        EXPECT_TRUE(helpPanelShows(game.view.hintText));
        EXPECT_FALSE(helpPanelShows("Bitte ein Feld anklicken!")) << "the loop's prompt does not stand over it";
        numbers.push_back(*ahead);
        save(slot);
        leaveLoop();
    }
    const std::set<std::vector<int>> collection = extremBoxCounts();
    int unlike = 0;
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE("slot " + std::to_string(k + 1));
        Board b;
        RecordClock clock;
        ASSERT_EQ(readBoardRecord("brett.qbr", k, b, clock), ReadStatus::Loaded);
        EXPECT_EQ(clock.puzzle, numbers[std::size_t(k)]);
        EXPECT_LE(countFilled(b.givens), 84);
        EXPECT_TRUE(isHalfTurnSymmetric(b.givens));
        EXPECT_TRUE(solveGivens(b.givens, SolverPath::Literal).complete) << "the reference deduction completes it";
        unlike += !collection.contains(boxGivenCounts(b.givens));
    }
    EXPECT_GE(unlike, 3) << "box counts no record of extrem.qbr has";
}

TEST_F(FreshPuzzlePlayTest, APuzzleNotReadyGivesTheRecordAtOnceAndStaysForThePrintedGame) {
    platform.deliverPending();
    const std::optional<PuzzleNumber> ahead = game.puzzles.awaiting();
    ASSERT_TRUE(ahead && ahead->level == 0);
    command(MenuCommand::NewGame); // the worker has not run: nothing is ready
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop);
    EXPECT_EQ(game.records.boardFile, "leicht.qbr");
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    EXPECT_EQ(game.puzzles.awaiting(), ahead) << "still under way, not drawn anew";
    leaveLoop();
    makeAhead();
    command(MenuCommand::PrintNewGame);
    EXPECT_EQ(game.play.puzzle, ahead);
    const std::string footer = "Schwierigkeitsgrad:  Leicht (Rätsel " + formatPuzzleNumber(*ahead) + ") mit 130 Zahlen";
    const auto& ops = platform.lastPrintJob().operations;
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const auto& o) { return o.text == footer; })) << footer;
    EXPECT_TRUE(helpPanelShows("Rätsel " + formatPuzzleNumber(*ahead)));
}

TEST_F(FreshPuzzlePlayTest, UntickedARecordIsPlayedAndTheNumberIsKeptBySaveAndLoadAndLeavesWithAnyOtherBoard) {
    command(MenuCommand::LevelExtreme);
    command(MenuCommand::FreshPuzzles);
    EXPECT_FALSE(game.choices.freshPuzzles || menuChecked(window, MenuCommand::FreshPuzzles));
    makeAhead(); // the puzzle drawn while ticked is ready, and must not be played
    command(MenuCommand::NewGame);
    EXPECT_EQ(game.records.boardFile, "extrem.qbr");
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    EXPECT_TRUE(extremBoxCounts().contains(boxGivenCounts(game.board.givens)));
    EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken!");
    save('1');
    leaveLoop();
    command(MenuCommand::FreshPuzzles);
    makeAhead();
    command(MenuCommand::NewGame);
    const std::optional<PuzzleNumber> number = game.play.puzzle;
    ASSERT_TRUE(number.has_value());
    save('2');
    leaveLoop();
    const auto load = [&](char slot) {
        platform.scriptRecordForm(RecordFormAction::keyPress(0, slot));
        command(MenuCommand::LoadBoard);
        if (game.play.puzzle) {
            EXPECT_TRUE(helpPanelShows("Rätsel " + formatPuzzleNumber(*game.play.puzzle)))
                << "named as its game starts";
        }
        leaveLoop();
        return game.play.puzzle;
    };
    command(MenuCommand::ClearBoard);
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    EXPECT_EQ(load('2'), number);
    EXPECT_EQ(load('1'), std::nullopt);
    load('2');
    command(MenuCommand::OwnBoard);
    EXPECT_EQ(game.play.puzzle, std::nullopt) << "the player's own givens";
}

} // namespace
} // namespace quintaro
