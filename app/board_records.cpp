// Loading and saving one record of a board file, with the clock and level it holds.
#include "app/board_records.h"

#include "app/game_folders.h"
#include "engine/solution.h"
#include "storage/board_slots.h"

namespace quintaro {

ReadStatus loadBoardRecord(const std::string& file, int record, platform::Platform& platform, Board& board,
                           ClockFlags& timing, std::int16_t& level, int& givenCount,
                           std::optional<PuzzleNumber>& puzzle) {
    const bool wasRunning = timing.gameRunning;
    timing.gameRunning = false;
    timing.clockHold = true;
    RecordClock clock;
    const ReadStatus status = readBoardRecord(file, record, board, clock);
    if (status == ReadStatus::Loaded) {
        // A never-written slot's clock flag is a filler byte: an empty board is never a game in progress.
        const bool running = (clock.runningByte & 1) != 0 && !isEmptyPosition(board);
        if (running) {
            timing.gameSolved = false;
            timing.gameStart = platform.timer() - clock.elapsedSeconds;
            level = clock.level;
            givenCount = countGivenCells(board);
        }
        timing.gameRunning = running;
        puzzle = clock.puzzle;
    } else {
        // Nothing was read: the game on the board goes on as it was, timed or not.
        timing.gameRunning = wasRunning;
    }
    timing.clockHold = false;
    return status;
}

std::string readFailureMessage(ReadStatus status, const std::string& file) {
    const std::string path = messagePath(file);
    switch (status) {
    case ReadStatus::Loaded:
        return {};
    case ReadStatus::Missing:
        return "Die Datei \"" + path + "\" fehlt.";
    case ReadStatus::TooShort:
        return "Die Datei \"" + path + "\" ist zu kurz für dieses Brett.";
    case ReadStatus::Unreadable:
        break;
    }
    return "Die Datei \"" + path + "\" kann nicht gelesen werden.";
}

bool saveBoardRecord(const std::string& file, int record, platform::Platform& platform, Board& board,
                     const ClockFlags& timing, std::int16_t level, const std::optional<PuzzleNumber>& puzzle,
                     RandomSource& random, std::chrono::milliseconds lockPatience) {
    RecordClock clock;
    clock.runningByte = timing.gameRunning ? 0xFF : 0x00;
    clock.elapsedSeconds = platform.timer() - timing.gameStart;
    clock.level = level;
    clock.puzzle = puzzle;
    std::string error;
    if (writeBoardRecord(file, record, board, clock, random, error, lockPatience)) return true;
    platform.messageBox(error);
    return false;
}

} // namespace quintaro
