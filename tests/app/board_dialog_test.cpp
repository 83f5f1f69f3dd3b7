// The load/save dialog played headless: slot keys, last choice, cancelling, hidden solve, clock and level, failures.
#include "play_fixture.h"

#include "app/board_dialog.h"
#include "app/board_records.h"
#include "engine/full_field.h"
#include "storage/record_fixture.h"

#include <fstream>
#include <tuple>

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using platform::RecordFormAction;
namespace CharacterCode = platform::CharacterCode;

// A game inside a fresh working directory of its own, loading from brett.qbr.
class BoardDialogTest : public PlayTest {
protected:
    BoardDialogTest() { game.records.boardFile = "brett.qbr"; }

    // Four records; record k has symbol k + 1 in cell (5, 5) of grid 3, as board and given.
    static void writeFourMarkedRecords(std::uint8_t clockFlag) {
        std::ofstream out("brett.qbr", std::ios::binary);
        for (int k = 0; k < 4; ++k) {
            test::RecordBytes rec;
            rec.boardCell(5, 5, 3, std::uint8_t(k + 1));
            rec.givenCell(5, 5, 3, std::uint8_t(k + 1));
            rec.clockFlag(clockFlag);
            rec.elapsed(125.5);
            rec.level(2, 0);
            out.write(reinterpret_cast<const char*>(rec.bytes.data()), std::streamsize(rec.bytes.size()));
        }
    }
    static int marked(const Board& b) { return cellAt(b.board, 5, 5, 3) - 1; }
    void load(RecordFormAction action) {
        platform.scriptRecordForm(action);
        game.showLoadDialog();
    }
};

TEST_F(BoardDialogTest, SlotKeysPickTheRecordAndTheFormOpensOnTheLastChoice) {
    writeFourMarkedRecords(0x00);
    game.choices.level = 1;
    game.play.gameRunning = true;
    // "3" on any option picks record 2, Enter on the fourth option record 3, other characters the last choice.
    for (const auto& [action, record] : {std::pair{RecordFormAction::keyPress(0, '3'), 2},
                                         {RecordFormAction::keyPress(3, CharacterCode::Enter), 3},
                                         {RecordFormAction::keyPress(1, 'x'), 3},
                                         {RecordFormAction::click(1), 1}}) {
        const int before = game.records.selectedRecord;
        load(action);
        EXPECT_EQ(std::tuple(marked(game.board), int(game.records.selectedRecord)), std::tuple(record, record));
        const auto& shown = platform.lastRecordForm();
        EXPECT_EQ(std::tuple(shown.optionOnAtShow, shown.focusAtShow), std::tuple(before, before));
    }
    const auto& shown = platform.lastRecordForm();
    const auto at = window.geometry();
    EXPECT_EQ(std::tuple(shown.caption, shown.x - at.x, shown.y - at.y), std::tuple("Welches Brett laden?", 686, 266));
    // No timed game was stored: the level stays and the clock stops.
    EXPECT_FALSE(game.play.gameRunning);
    EXPECT_EQ(game.choices.level, 1);
}

TEST_F(BoardDialogTest, CancelAndCloseLeaveBoardChoiceAndSolutionAsTheyWere) {
    writeFourMarkedRecords(0x00);
    game.records.selectedRecord = 2;
    SeededRandom rnd(11);
    generateFullField(game.board.solution, rnd);
    const CellLayer full = game.board.solution;
    game.board.board = full;
    // A wrong entry on the board: a hidden solve from it now would judge every later entry wrongly.
    cellAt(game.board.board, 1, 1, 0) = std::uint8_t(cellAt(full, 1, 1, 0) % 9 + 1);
    const CellLayer shown = game.board.board;
    for (const RecordFormAction action : {RecordFormAction::cancel(), RecordFormAction::close()}) {
        load(action);
        EXPECT_EQ(game.board.board, shown);
        EXPECT_EQ(game.records.selectedRecord, 2);
        EXPECT_EQ(game.board.solution, full);
        EXPECT_TRUE(window.isEnabled());
    }
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(BoardDialogTest, ClockAndLevelGoThroughLoadAndSaveOnlyForARunningGame) {
    writeFourMarkedRecords(0xFF);
    platform.setTime(1000.0);
    game.play.gameSolved = true; // the last game was solved: its final time must not end this one
    load(RecordFormAction::keyPress(0, '2'));
    EXPECT_EQ(std::tuple(bool(game.play.gameRunning), bool(game.play.clockHold), bool(game.play.gameSolved)),
              std::tuple(true, false, false));
    EXPECT_DOUBLE_EQ(game.play.gameStart, 1000.0 - 125.5);
    EXPECT_EQ(std::tuple(int(game.choices.level), game.view.panelState.givenCount), std::tuple(2, 1));

    // Saving goes to brett.qbr, on the slot chosen last, with the time the clock shows now.
    game.records.boardFile = "leicht.qbr";
    cellAt(game.board.board, 2, 3, 0) = 7;
    platform.setTime(1010.0);
    platform.scriptRecordForm(RecordFormAction::perform());
    game.showSaveDialog();
    EXPECT_EQ(platform.lastRecordForm().caption, "Sichern unter ...");
    Board reread;
    RecordClock clock;
    ASSERT_EQ(readBoardRecord("brett.qbr", 1, reread, clock), ReadStatus::Loaded);
    EXPECT_EQ(cellAt(reread.board, 2, 3, 0), 7);
    EXPECT_EQ(std::tuple(int(clock.runningByte), clock.elapsedSeconds, int(clock.level)), std::tuple(0xFF, 135.5, 2));

    // Saved with no game running, the board comes back untimed and leaves the level alone.
    game.play.gameRunning = false;
    platform.scriptRecordForm(RecordFormAction::perform());
    game.showSaveDialog();
    ASSERT_EQ(readBoardRecord("brett.qbr", 1, reread, clock), ReadStatus::Loaded);
    EXPECT_EQ(int(clock.runningByte), 0x00);
    game.choices.level = 0;
    cellAt(game.board.board, 2, 3, 0) = 0;
    load(RecordFormAction::perform());
    EXPECT_EQ(std::tuple(bool(game.play.gameRunning), int(game.choices.level), int(cellAt(game.board.board, 2, 3, 0))),
              std::tuple(false, 0, 7));
}

TEST_F(BoardDialogTest, EmptySlotsAreMarkedAndLoadingOneAsksFirst) {
    // Slot 1 holds a board, slot 2 was never written (its clock flag an odd filler byte), slot 3 an
    // empty board saved untimed, slot 4 nothing but one candidate mark.
    {
        std::ofstream out("brett.qbr", std::ios::binary);
        test::RecordBytes recs[4];
        recs[0].boardCell(5, 5, 3, 1);
        std::fill(recs[1].bytes.begin() + 4800, recs[1].bytes.end(), std::uint8_t(7));
        recs[3].candidate(2, 2, 6, 1, 0xFF);
        for (const test::RecordBytes& rec : recs)
            out.write(reinterpret_cast<const char*>(rec.bytes.data()), std::streamsize(rec.bytes.size()));
    }
    game.choices.level = 1;
    cellAt(game.board.board, 1, 1, 0) = 4;
    // "&NEIN" keeps the form open for another choice.
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '2'));
    platform.scriptAlertAnswer(2);
    platform.scriptRecordForm(RecordFormAction::click(0));
    game.showLoadDialog();
    EXPECT_EQ(platform.lastRecordForm().markedEmpty, (std::array{false, true, true, false}));
    ASSERT_EQ(platform.alerts().size(), 1u);
    const platform::AlertRecord& asked = platform.alerts()[0];
    EXPECT_EQ(std::tuple(asked.icon, asked.text, asked.buttons, asked.defaultButton),
              std::tuple(platform::AlertIcon::Question, "Brett 2 ist leer. Trotzdem laden?", "&JA|&NEIN", 2));
    EXPECT_EQ(marked(game.board), 0);

    // "&JA" loads the empty board, untimed, at the level of before.
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '2'));
    platform.scriptAlertAnswer(1);
    game.showLoadDialog();
    EXPECT_EQ(game.board.board, CellLayer{});
    EXPECT_EQ(std::tuple(bool(game.play.gameRunning), int(game.choices.level)), std::tuple(false, 1));
    EXPECT_EQ(platform.alerts().size(), 2u);
    load(RecordFormAction::keyPress(0, '4')); // a mark is something: no question
    EXPECT_EQ(platform.alerts().size(), 2u);

    // Without a file every slot is empty, for saving too; loading says so once the form is closed.
    std::filesystem::remove("brett.qbr");
    load(RecordFormAction::keyPress(0, '1'));
    EXPECT_EQ(platform.lastRecordForm().markedEmpty, (std::array{true, true, true, true}));
    EXPECT_EQ(platform.alerts().size(), 2u);
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messagesOverRecordForm(), 0);
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '3'));
    game.showSaveDialog();
    platform.scriptRecordForm(RecordFormAction::cancel());
    game.showSaveDialog();
    EXPECT_EQ(platform.lastRecordForm().markedEmpty, (std::array{true, true, false, true}));
}

// A save that fails is reported by the game's folders test; the old file stays, as the storage tests show.
TEST_F(BoardDialogTest, AMissingOrShortFileLoadsNothingAndSaysWhichFile) {
    cellAt(game.board.board, 1, 1, 0) = 4;
    game.play.gameRunning = true;
    game.play.puzzle = PuzzleNumber{2, 7};
    load(RecordFormAction::keyPress(0, '1')); // no file yet
    std::ofstream("brett.qbr", std::ios::binary) << std::string(6000, '\0');
    load(RecordFormAction::keyPress(0, '3'));
    EXPECT_EQ(std::tuple(int(cellAt(game.board.board, 1, 1, 0)), bool(game.play.gameRunning), game.play.puzzle),
              std::tuple(4, true, std::optional(PuzzleNumber{2, 7})));
    const std::string file = "\"" + (std::filesystem::current_path() / "brett.qbr").string() + "\"";
    EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Die Datei " + file + " fehlt.",
                                                             "Die Datei " + file + " ist zu kurz für dieses Brett."}));
}

} // namespace
} // namespace quintaro
