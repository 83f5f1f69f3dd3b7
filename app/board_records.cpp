// Loading and saving one record of the board file named in boardFile, with the clock and level it holds.
#include "app/board_records.h"

#include "app/game.h"
#include "storage/board_slots.h"

namespace quintaro {

ReadStatus loadBoardRecord(Game& game, int record) {
    GameState& state = game.state;
    const bool wasRunning = state.gameRunning;
    state.gameRunning = false;
    state.clockHold = true;
    RecordClock clock;
    const ReadStatus status = readBoardRecord(game.filePath(state.boardFile), record, game.board, clock);
    if (status == ReadStatus::Loaded) {
        // A never-written slot's clock flag is a filler byte: an empty board is never a game in progress.
        const bool running = (clock.runningByte & 1) != 0 && !isEmptyPosition(game.board);
        if (running) {
            state.gameSolved = false;
            state.gameStart = game.platform.timer() - clock.elapsedSeconds;
            game.choices.level = clock.level;
            game.countGivensNow();
        }
        state.gameRunning = running;
    } else {
        // Nothing was read: the game on the board goes on as it was, timed or not.
        state.gameRunning = wasRunning;
    }
    state.clockHold = false;
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

bool saveBoardRecord(Game& game, int record) {
    const GameState& state = game.state;
    RecordClock clock;
    clock.runningByte = state.gameRunning ? 0xFF : 0x00;
    clock.elapsedSeconds = game.platform.timer() - state.gameStart;
    clock.level = game.choices.level;
    std::string error;
    if (writeBoardRecord(game.filePath(state.boardFile), record, game.board, clock, game.randomSource, error,
                         game.champions.lockPatience))
        return true;
    game.platform.messageBox(error);
    return false;
}

} // namespace quintaro
