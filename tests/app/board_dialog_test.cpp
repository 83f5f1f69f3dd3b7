// The load/save dialog played headless: slot keys, preselection, cancelling, clock and level, failures.
#include "app/board_dialog.h"
#include "app/board_records.h"
#include "app/game.h"
#include "engine/full_field.h"
#include "platform/headless_platform.h"
#include "storage/record_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using platform::RecordFormAction;

std::vector<std::uint8_t> fileBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A game started headless inside a fresh working directory of its own.
class BoardDialogTest : public ::testing::Test {
protected:
    BoardDialogTest()
    {
        dir = fs::temp_directory_path() / ("quintaro-dialog-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        previous = fs::current_path();
        fs::current_path(dir);
        platform.setEventHandler(&game);
        game.startUp();
    }
    ~BoardDialogTest() override
    {
        fs::current_path(previous);
        fs::remove_all(dir);
    }

    // A file of four records; record k has symbol k+1 in cell (5, 5) of grid 3, as board and given.
    void writeFourMarkedRecords(std::uint8_t clockFlag = 0)
    {
        std::vector<std::uint8_t> file;
        for (int k = 0; k < 4; ++k) {
            test::RecordBytes rec;
            rec.boardCell(5, 5, 3, std::uint8_t(k + 1));
            rec.givenCell(5, 5, 3, std::uint8_t(k + 1));
            rec.clockFlag(clockFlag);
            rec.elapsed(125.5);
            rec.level(2, 0);
            file.insert(file.end(), rec.bytes.begin(), rec.bytes.end());
        }
        writeBytes("brett.qbr", file);
    }
    int markedRecord() { return cellAt(game.board.board, 5, 5, 3) - 1; }

    fs::path dir, previous;
    platform::HeadlessPlatform platform{7, {1280, 1024}};
    Game game{platform};
};

TEST_F(BoardDialogTest, SlotKeysAndTheLastChoice)
{
    writeFourMarkedRecords();
    game.state.boardFile = "brett.qbr";
    // "3" on any option picks slot 2, Enter on opt4 slot 3, any other character the last choice.
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '3'));
    showLoadDialog(game);
    EXPECT_EQ(markedRecord(), 2);
    EXPECT_EQ(game.state.selectedRecord, 2);
    platform.scriptRecordForm(RecordFormAction::keyPress(3, 13));
    showLoadDialog(game);
    EXPECT_EQ(markedRecord(), 3);
    platform.scriptRecordForm(RecordFormAction::keyPress(1, 'x'));
    showLoadDialog(game);
    EXPECT_EQ(markedRecord(), 3);
    // The form opened on the slot chosen last, with its caption beside the main window.
    const auto& shown = platform.lastRecordForm();
    EXPECT_EQ(shown.optionOnAtShow, 3);
    EXPECT_EQ(shown.focusAtShow, 3);
    EXPECT_EQ(shown.caption, "Welches Brett laden?");
    const auto at = game.mainForm->geometry();
    EXPECT_EQ(shown.x, at.x + 686);
    EXPECT_EQ(shown.y, at.y + 266);
    platform.scriptRecordForm(RecordFormAction::click(1));
    showLoadDialog(game);
    EXPECT_EQ(markedRecord(), 1);
    EXPECT_TRUE(game.mainForm->isEnabled());
    EXPECT_TRUE(game.state.dialogDone);
}

TEST_F(BoardDialogTest, SaveWritesTheChosenSlotOfBrettQbr)
{
    game.state.boardFile = "leicht.qbr";
    game.state.selectedRecord = 1;
    cellAt(game.board.board, 2, 3, 0) = 7;
    game.board.candidates[candidateIndex(4, 4, 9, 1)] = true;
    platform.scriptRecordForm(RecordFormAction::perform());
    showSaveDialog(game);
    EXPECT_EQ(game.state.boardFile, "brett.qbr");
    EXPECT_EQ(platform.lastRecordForm().caption, "Sichern unter ...");
    EXPECT_EQ(platform.lastRecordForm().optionOnAtShow, 1);
    const auto bytes = fileBytes("brett.qbr");
    ASSERT_EQ(bytes.size(), 24000u);
    EXPECT_EQ(bytes[6000 + cellIndex(2, 3, 0)], 7);
    EXPECT_EQ(bytes[6000 + 800 + candidateIndex(4, 4, 9, 1)], 0xFF);
    EXPECT_EQ(bytes[6000 + 4800], 0x00); // no timed game
    EXPECT_TRUE(test::isEmptyRecord(bytes.data()));
    EXPECT_TRUE(test::isEmptyRecord(bytes.data() + 12000));
}

TEST_F(BoardDialogTest, CancelAndCloseBoxLeaveBoardAndChoiceButStillSolve)
{
    writeFourMarkedRecords();
    game.state.boardFile = "brett.qbr";
    game.state.selectedRecord = 2;
    CellLayer full{};
    SeededRandom rnd(11);
    generateFullField(full, rnd);
    game.board.board = full;
    cellAt(game.board.board, 1, 1, 0) = 0;
    for (auto action : {RecordFormAction::cancel(), RecordFormAction::close()}) {
        game.board.solution = {};
        platform.scriptRecordForm(action);
        showLoadDialog(game);
        EXPECT_EQ(cellAt(game.board.board, 1, 1, 0), 0);
        EXPECT_EQ(game.state.selectedRecord, 2);
        // The hidden solve ran on the unchanged board.
        EXPECT_FALSE(game.board.noSolution);
        EXPECT_EQ(game.board.solution, full);
        EXPECT_TRUE(game.mainForm->isEnabled());
    }
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(BoardDialogTest, ARunningGameContinuesItsClockAndLevel)
{
    writeFourMarkedRecords(0xFF);
    game.state.boardFile = "brett.qbr";
    platform.setTime(1000.0);
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '1'));
    showLoadDialog(game);
    EXPECT_TRUE(game.state.gameRunning);
    EXPECT_DOUBLE_EQ(game.state.gameStart, 1000.0 - 125.5);
    EXPECT_EQ(game.state.level, 2);
    EXPECT_FALSE(game.state.clockHold);

    // Saving it again stores the elapsed time as the clock shows it now.
    platform.setTime(1010.0);
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '4'));
    showSaveDialog(game);
    Board reread;
    RecordClock clock;
    ASSERT_EQ(readBoardRecord("brett.qbr", 3, reread, clock), ReadStatus::Loaded);
    EXPECT_EQ(clock.runningByte, 0xFF);
    EXPECT_DOUBLE_EQ(clock.elapsedSeconds, 135.5);
    EXPECT_EQ(clock.level, 2);
}

TEST_F(BoardDialogTest, ARecordWithoutAGameInProgressKeepsLevelAndStopsTheClock)
{
    writeFourMarkedRecords(0x00);
    game.state.boardFile = "brett.qbr";
    game.state.level = 1;
    game.state.gameRunning = true;
    game.state.gameStart = 5.0;
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '2'));
    showLoadDialog(game);
    EXPECT_EQ(markedRecord(), 1);
    EXPECT_FALSE(game.state.gameRunning);
    EXPECT_EQ(game.state.level, 1);
    EXPECT_DOUBLE_EQ(game.state.gameStart, 5.0);
}

TEST_F(BoardDialogTest, MissingOrShortFilesLoadNothingAndSaySo)
{
    game.state.boardFile = "brett.qbr";
    cellAt(game.board.board, 1, 1, 0) = 4;
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '1'));
    showLoadDialog(game);
    EXPECT_EQ(cellAt(game.board.board, 1, 1, 0), 4);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0].find("brett.qbr"), std::string::npos);

    writeBytes("brett.qbr", std::vector<std::uint8_t>(6000, 0));
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '3'));
    showLoadDialog(game);
    EXPECT_EQ(cellAt(game.board.board, 1, 1, 0), 4);
    EXPECT_EQ(platform.messages().size(), 2u);
}

TEST_F(BoardDialogTest, AFailedSaveIsReportedAndKeepsWhatWasStored)
{
    // A folder where the file should be: nothing can replace it.
    fs::create_directory("brett.qbr");
    platform.scriptRecordForm(RecordFormAction::perform());
    showSaveDialog(game);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0].find("nicht gesichert"), std::string::npos);
    EXPECT_TRUE(fs::is_directory("brett.qbr"));
    EXPECT_TRUE(game.mainForm->isEnabled());
}

} // namespace
} // namespace quintaro
