// Whole games with "Neue Rätsel erzeugen": fresh puzzles made ahead, their numbers on screen, on paper
// and in saved games, the collections' records with the option off or no puzzle ready.
#include "play_fixture.h"

#include "app/board_records.h"
#include "engine/puzzle_checks.h"
#include "storage/board_file.h"
#include "ui/help_panel.h"

#include <algorithm>
#include <set>

namespace quintaro {
namespace {

using platform::RecordFormAction;

// The givens of each grid box, counted and sorted: a shuffle moves boxes as wholes, so it keeps these.
std::vector<int> boxCounts(const CellLayer& givens) {
    std::vector<int> counts;
    for (int g = 0; g < kGridCount; ++g)
        for (int box = 0; box < 9; ++box) {
            int n = 0;
            for (int k = 0; k < 9; ++k) n += cellAt(givens, box % 3 * 3 + k % 3 + 1, box / 3 * 3 + k / 3 + 1, g) != 0;
            counts.push_back(n);
        }
    std::sort(counts.begin(), counts.end());
    return counts;
}

class FreshPuzzlePlayTest : public PlayTest {
public:
    // Lets the worker the game started make its puzzle: the headless platform runs started bodies only
    // when asked. Only while idle, where no clock body would run on.
    void makeAhead() {
        platform.deliverPending();
        ASSERT_EQ(game.play.mode, GameMode::Idle);
        platform.runStartedThreads();
    }
    void leaveLoop() { click(650, 740); }
    // The game's records of a board file, read as the game reads them.
    std::vector<std::pair<Board, RecordClock>> records(const char* file) const {
        std::vector<std::pair<Board, RecordClock>> read;
        for (int k = 0; k < 4; ++k) {
            Board b;
            RecordClock clock;
            EXPECT_EQ(readBoardRecord(file, k, b, clock), ReadStatus::Loaded) << file << " " << k;
            read.emplace_back(b, clock);
        }
        return read;
    }
    // Whether the help panel shows exactly text: drawing it once more changes no pixel there, and
    // drawing anything else would.
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
    EXPECT_TRUE(game.choices.freshPuzzles) << "ticked by default";
    EXPECT_TRUE(menuChecked(window, MenuCommand::FreshPuzzles));
    command(MenuCommand::LevelExtreme);
    std::vector<PuzzleNumber> numbers;
    for (int slot = 0; slot < 4; ++slot) {
        makeAhead();
        const std::optional<PuzzleNumber> ahead = game.puzzles.awaiting();
        ASSERT_TRUE(ahead && ahead->level == 3);
        command(MenuCommand::NewGame);
        EXPECT_EQ(game.play.puzzle, ahead);
        EXPECT_TRUE(game.play.gameRunning) << "a fresh puzzle is timed like any new game";
        EXPECT_FALSE(game.board.noSolution);
        EXPECT_EQ(game.view.hintText, "Rätsel " + formatPuzzleNumber(*ahead));
        EXPECT_TRUE(helpPanelShows(game.view.hintText));
        EXPECT_FALSE(helpPanelShows("Bitte ein Feld anklicken!")) << "the loop's prompt does not stand over it";
        EXPECT_NE(game.puzzles.awaiting(), ahead) << "the next one is under way";
        numbers.push_back(*ahead);
        platform.scriptRecordForm(RecordFormAction::keyPress(0, '1' + slot));
        key('S', 's');
        leaveLoop();
    }
    EXPECT_EQ(std::set<std::uint32_t>({numbers[0].seed, numbers[1].seed, numbers[2].seed, numbers[3].seed}).size(), 4u);

    std::set<std::vector<int>> collection;
    for (const auto& [record, clock] : records("extrem.qbr")) collection.insert(boxCounts(record.givens));
    int unlike = 0;
    const auto saved = records("brett.qbr");
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot + 1));
        const auto& [b, clock] = saved[std::size_t(slot)];
        EXPECT_EQ(clock.puzzle, numbers[std::size_t(slot)]);
        EXPECT_LE(countFilled(b.givens), 84);
        EXPECT_TRUE(isHalfTurnSymmetric(b.givens));
        const SolveOutcome solved = solveGivens(b.givens, SolverPath::Literal);
        EXPECT_TRUE(solved.complete) << "the reference deduction completes the saved puzzle";
        unlike += !collection.contains(boxCounts(b.givens));
    }
    EXPECT_GE(unlike, 3) << "box counts no record of extrem.qbr has";
}

TEST_F(FreshPuzzlePlayTest, UntickedANewGamePlaysARecordOfTheCollectionAndDrawsNoNumber) {
    command(MenuCommand::LevelExtreme);
    command(MenuCommand::FreshPuzzles);
    EXPECT_FALSE(game.choices.freshPuzzles);
    EXPECT_FALSE(menuChecked(window, MenuCommand::FreshPuzzles));
    makeAhead(); // the puzzle drawn while ticked is ready, and must not be played
    std::set<std::vector<int>> collection;
    for (const auto& [record, clock] : records("extrem.qbr")) collection.insert(boxCounts(record.givens));
    for (int game_ = 0; game_ < 3; ++game_) {
        command(MenuCommand::NewGame);
        EXPECT_EQ(game.records.boardFile, "extrem.qbr");
        EXPECT_EQ(game.play.puzzle, std::nullopt);
        EXPECT_TRUE(collection.contains(boxCounts(game.board.givens)));
        EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken!");
        leaveLoop();
    }
    // Ticked again: the next puzzle is made for the level of now.
    command(MenuCommand::LevelMedium);
    command(MenuCommand::FreshPuzzles);
    makeAhead();
    command(MenuCommand::NewGame);
    ASSERT_TRUE(game.play.puzzle.has_value());
    EXPECT_EQ(game.play.puzzle->level, 1);
    EXPECT_EQ(game.view.panelState.givenCount, 106);
}

TEST_F(FreshPuzzlePlayTest, APuzzleNotReadyGivesTheRecordAtOnceAndStaysForTheNextGame) {
    platform.deliverPending();
    const std::optional<PuzzleNumber> ahead = game.puzzles.awaiting();
    ASSERT_TRUE(ahead && ahead->level == 0);
    command(MenuCommand::NewGame); // the worker has not run: nothing is ready
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop);
    EXPECT_EQ(game.records.boardFile, "leicht.qbr");
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    EXPECT_EQ(game.view.panelState.givenCount, 130);
    EXPECT_EQ(game.puzzles.awaiting(), ahead) << "still under way, not drawn anew";
    leaveLoop();
    makeAhead();
    command(MenuCommand::PrintNewGame);
    EXPECT_EQ(game.play.puzzle, ahead);
    const std::string footer = "Schwierigkeitsgrad:  Leicht (Rätsel " + formatPuzzleNumber(*ahead) + ") mit 130 Zahlen";
    const auto& ops = platform.lastPrintJob().operations;
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const auto& o) { return o.text == footer; })) << footer;
    EXPECT_FALSE(game.play.gameRunning) << "a printed puzzle is played untimed";
    EXPECT_TRUE(helpPanelShows("Rätsel " + formatPuzzleNumber(*ahead)));
    leaveLoop();

    // A level change drops a puzzle made for the old level.
    makeAhead();
    command(MenuCommand::LevelHard);
    command(MenuCommand::NewGame);
    EXPECT_EQ(game.records.boardFile, "schwer.qbr");
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    leaveLoop();
}

TEST_F(FreshPuzzlePlayTest, TheNumberIsKeptBySaveAndLoadAndLeavesWithAnyOtherBoard) {
    const auto save = [&](char slot) {
        platform.scriptRecordForm(RecordFormAction::keyPress(0, slot));
        key('S', 's');
        leaveLoop();
    };
    command(MenuCommand::FreshPuzzles); // a collection's record into slot 1
    command(MenuCommand::NewGame);
    save('1');
    command(MenuCommand::FreshPuzzles);
    makeAhead();
    command(MenuCommand::NewGame);
    const std::optional<PuzzleNumber> number = game.play.puzzle;
    ASSERT_TRUE(number.has_value());
    save('2');

    command(MenuCommand::ClearBoard);
    EXPECT_EQ(game.play.puzzle, std::nullopt) << "a cleared board is no fresh puzzle";
    const auto load = [&](char slot) {
        platform.scriptRecordForm(RecordFormAction::keyPress(0, slot));
        command(MenuCommand::LoadBoard);
        leaveLoop();
    };
    load('2');
    EXPECT_EQ(game.play.puzzle, number);
    load('1');
    EXPECT_EQ(game.play.puzzle, std::nullopt);
    load('2');
    command(MenuCommand::OwnBoard);
    EXPECT_EQ(game.play.puzzle, std::nullopt) << "the player's own givens";
    leaveLoop();
    load('2');
    command(MenuCommand::ShuffleBoard);
    EXPECT_EQ(game.play.puzzle, number) << "shuffled, it is still the same puzzle";
}

} // namespace
} // namespace quintaro
