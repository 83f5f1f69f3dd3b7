// Whole sessions through the game's events: new games, the clock, the button bar and keys of the game loops.
#include "play_fixture.h"

#include "engine/grade.h"
#include "storage/board_file.h"
#include "ui/hint_text.h"

namespace quintaro {
namespace {

using platform::Event;
using platform::MouseButton;
namespace CharacterCode = platform::CharacterCode;
namespace VK = platform::VirtualKey;

// The play loop over the collections' records, as with "Neue Rätsel erzeugen" unticked: no worker makes
// puzzles beside the clock, and the records and shuffles come from the seeded draws alone.
class PlayLoopTest : public PlayTest {
public:
    PlayLoopTest() { game.choices.freshPuzzles = false; }
};

TEST_F(PlayLoopTest, NewGameShufflesARecordOfTheLevelsCollectionAndTimesIt) {
    command(MenuCommand::LevelHard);
    platform.setTime(1000.0);
    command(MenuCommand::NewGame);
    EXPECT_EQ(game.records.boardFile, "schwer.qbr");
    EXPECT_EQ(game.view.panelState.givenCount, 92);
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop);
    EXPECT_FALSE(window.menuBarEnabled());
    EXPECT_EQ(game.view.hintText, "Bitte ein Feld anklicken!");
    // Shuffled: no record of the collection stands as it was read.
    for (int k = 0; k < 4; ++k) {
        Board raw;
        RecordClock clock;
        ASSERT_EQ(readBoardRecord("schwer.qbr", k, raw, clock), ReadStatus::Loaded);
        EXPECT_NE(raw.givens, game.board.givens) << k;
    }
    EXPECT_FALSE(game.board.noSolution);
    EXPECT_TRUE(game.play.gameRunning);
    EXPECT_EQ(game.play.clockLabel->caption(), " 00:00:00");
    EXPECT_EQ(platform.startedThreads(), 1u);

    platform.setTime(1065.05);
    game.play.clock->tick();
    platform.deliverPending();
    EXPECT_EQ(game.play.clockLabel->caption(), " 00:01:05");
}

TEST_F(PlayLoopTest, ThreeWrongEntriesStopTheTimingAndAFourthIsStillCounted) {
    command(MenuCommand::NewGame);
    for (int i = 0; i < 4; ++i) {
        const auto cell = openCell(3, i);
        type(cell, '0' + solutionAt(cell) % 9 + 1);
        EXPECT_EQ(game.board.errorCount, i + 1);
        EXPECT_EQ(game.play.gameRunning, i < 2) << i;
    }
    EXPECT_EQ(game.play.clockLabel->caption(), " 99:99:99");
    EXPECT_EQ(game.view.panelState.statusText, "Falsche Zahl! ");
}

TEST_F(PlayLoopTest, AbortByButtonKeyAOrEscapeButNotAfterAConsumedEscape) {
    struct Case {
        const char* how;
        bool digits;
        std::function<void(PlayLoopTest&)> act;
        bool aborts;
    };
    const std::vector<Case> cases{
        {"button at x = 706", true, [](PlayLoopTest& t) { t.click(706, 740); }, true},
        {"button at x = 707", true, [](PlayLoopTest& t) { t.click(707, 740); }, false},
        {"A in digit mode", true, [](PlayLoopTest& t) { t.key('A'); }, true},
        {"A in letter mode", false, [](PlayLoopTest& t) { t.key('A'); }, false},
        {"Escape", false, [](PlayLoopTest& t) { t.key(VK::Escape, CharacterCode::Escape); }, true},
        {"Escape after one that cancelled an entry", true,
         [](PlayLoopTest& t) {
             const auto cell = t.openCell(0);
             t.clickCell(cell);
             t.key(VK::Escape, CharacterCode::Escape); // ends the entry: its release must not abort
             t.deliver(Event::keyReleased(VK::Escape));
             t.key(VK::Escape, CharacterCode::Escape);
         },
         false},
        {"a release whose press went to a dialog", true,
         [](PlayLoopTest& t) { t.deliver(Event::keyReleased(VK::Escape)); }, false},
    };
    for (const Case& k : cases) {
        command(k.digits ? MenuCommand::Digits : MenuCommand::Letters);
        command(MenuCommand::NewGame);
        platform.setTime(platform.timer() + 3);
        game.play.clock->refreshClock();
        k.act(*this);
        EXPECT_EQ(game.play.mode == GameMode::Idle, k.aborts) << k.how;
        if (k.aborts) {
            expectIdle(k.how);
            EXPECT_FALSE(game.play.gameRunning);
            // The mouse stops the clock; a key leaves the last time standing.
            EXPECT_EQ(game.play.clockLabel->caption() == " 99:99:99", std::string(k.how).starts_with("button"))
                << k.how;
        } else {
            click(650, 740);
        }
    }
}

TEST_F(PlayLoopTest, KThenOSolvesUntimedAndMToggledCandidatesUntimeTheGame) {
    command(MenuCommand::NewGame);
    key('K');
    key('N');
    key('O');
    EXPECT_EQ(game.view.panelState.statusText, "Brett gelöst!!! ");
    EXPECT_FALSE(game.play.gameRunning);
    EXPECT_EQ(game.play.clock->finalTime(), "X") << "the game's own solve records no time";
    key('O'); // O alone only clears the pending K
    key('N'); // restart: back to the givens
    EXPECT_EQ(game.view.panelState.statusText, "Keine Fehler! ");

    click(650, 740);
    command(MenuCommand::NewGame);
    key('M');
    EXPECT_TRUE(game.choices.showCandidates);
    EXPECT_FALSE(game.play.gameRunning);
    EXPECT_EQ(game.play.clockLabel->caption(), " 99:99:99");
    const auto cell = openCell(1);
    EXPECT_TRUE(
        game.board.candidates[std::size_t(candidateIndex(std::get<0>(cell), std::get<1>(cell), solutionAt(cell), 1))]);
    key('M');
    EXPECT_FALSE(game.choices.showCandidates);
    EXPECT_EQ(std::count(game.board.candidates.begin(), game.board.candidates.end(), true), 0);
    click(650, 740);
    expectIdle("M");
}

TEST_F(PlayLoopTest, SavingAndLoadingDuringAGameKeepItsEntriesAndClock) {
    platform.setTime(50.0);
    command(MenuCommand::NewGame);
    const auto cell = openCell(2);
    type(cell, '0' + solutionAt(cell));
    platform.setTime(80.0);
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '3'));
    key('S', 's');
    const Board saved = game.board;

    key('N');
    EXPECT_EQ(boardAt(cell), 0);
    platform.setTime(500.0);
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '3'));
    key('L', 'l');
    EXPECT_EQ(game.board.board, saved.board);
    EXPECT_EQ(game.board.solution, saved.solution);
    EXPECT_TRUE(game.play.gameRunning);
    EXPECT_DOUBLE_EQ(game.play.gameStart, 500.0 - 30.0);
    EXPECT_EQ(game.play.clockLabel->caption(), " 00:00:30");
    EXPECT_EQ(platform.startedThreads(), 2u) << "the loaded game in progress runs a clock";
}

TEST_F(PlayLoopTest, NoClockRunsInTheOwnBoardLoopOrAnyUntimedLoop) {
    // A timed game saved into slot 1 at 31 seconds, then left with key A, which leaves its time standing.
    platform.setTime(100.0);
    command(MenuCommand::NewGame);
    const Board saved = game.board;
    platform.setTime(131.0);
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '1'));
    key('S', 's');
    game.play.clock->refreshClock();
    key('A');
    ASSERT_EQ(game.play.clockLabel->caption(), " 00:00:31");
    const std::size_t threads = platform.startedThreads();
    // Stopped, and still so two seconds later, with no clock thread started.
    const auto stopped = [&](const std::string& where) {
        EXPECT_FALSE(game.play.gameRunning) << where;
        EXPECT_EQ(game.play.clockLabel->caption(), " 99:99:99") << where;
        platform.advanceTime(2.0);
        game.play.clock->tick();
        platform.deliverPending();
        EXPECT_EQ(game.play.clockLabel->caption(), " 99:99:99") << where;
        EXPECT_EQ(platform.startedThreads(), threads) << where;
    };
    command(MenuCommand::OwnBoard);
    stopped("Eigenes Brett");
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '1'));
    key('L', 'l');
    EXPECT_EQ(game.board.board, saved.board);
    stopped("a game in progress loaded there with L");
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '1'));
    click(70, 740); // Laden
    stopped("loaded there with the Load button");
    std::filesystem::remove("brett.qbr");
    platform.scriptRecordForm(platform::RecordFormAction::keyPress(0, '1'));
    key('L', 'l');
    stopped("a load that finds no file");
    click(650, 740);
    for (const MenuCommand c : {MenuCommand::StartGame, MenuCommand::RestartBoard}) {
        command(c);
        stopped("command " + std::to_string(menuId(c)));
        click(650, 740);
    }
}

TEST_F(PlayLoopTest, CommandsEndIdleWithCheckMarksMatchingTheState) {
    using enum MenuCommand;
    for (const MenuCommand c : {LevelMedium, Letters, ShowCandidates, PuzzleSymmetry, ShuffleBoard, SolveBoard,
                                ClearBoard, Digits, LevelExtreme, ShowCandidates, PuzzleSymmetry, LevelEasy}) {
        command(c);
        expectIdle("command " + std::to_string(menuId(c)));
    }
    for (const MenuCommand c : {NewGame, StartGame, RestartBoard, LoadBoard, SaveBoard, OwnBoard}) {
        platform.scriptRecordForm(platform::RecordFormAction::cancel());
        command(c);
        EXPECT_NE(game.play.mode, GameMode::Idle) << menuId(c);
        click(650, 740);
        // Leaving an own board leaves the puzzle's grade in the help panel.
        expectIdle("command " + std::to_string(menuId(c)),
                   c == OwnBoard ? gradeLine(gradePuzzle(game.board.givens)) : "Bitte Menupunkt auswählen!");
    }
    EXPECT_FALSE(menuChecked(window, NewGame)) << "a command item has no check box";
}

TEST_F(PlayLoopTest, AMissingCollectionIsToldAndStartsNoGame) {
    command(MenuCommand::NewGame);
    click(650, 740);
    const Board before = game.board;
    std::filesystem::remove("extrem.qbr");
    command(MenuCommand::LevelExtreme);
    command(MenuCommand::NewGame);
    EXPECT_EQ(platform.messages(),
              std::vector<std::string>{"Die Datei \"" + (std::filesystem::current_path() / "extrem.qbr").string() +
                                       "\" fehlt."});
    EXPECT_EQ(game.board.board, before.board);
    EXPECT_FALSE(game.play.gameRunning);
    expectIdle("a missing collection");
}

} // namespace
} // namespace quintaro
