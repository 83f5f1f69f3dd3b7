// The board file in the game's commands: one record read, and the load and save forms over "brett.qbr".
#include "app/game.h"

#include "app/board_dialog.h"
#include "app/board_records.h"
#include "engine/solution.h"

namespace quintaro {

namespace {

constexpr const char* kPlayerBoardFile = "brett.qbr";

} // namespace

ReadStatus Game::loadRecord(int record) {
    return loadBoardRecord(filePath(records.boardFile), record, platform, board, play, choices.level,
                           view.panelState.givenCount, play.puzzle);
}

bool Game::showLoadDialog() {
    const bool loaded = quintaro::showLoadDialog(platform, *mainWindow, records, filePath(records.boardFile),
                                                 [this](int record) { return loadRecord(record); });
    if (loaded) computeGameSolution(board);
    return loaded;
}

void Game::showSaveDialog() {
    records.boardFile = kPlayerBoardFile;
    quintaro::showSaveDialog(platform, *mainWindow, records, filePath(records.boardFile), [this](int record) {
        saveBoardRecord(filePath(records.boardFile), record, platform, board, play, choices.level, play.puzzle,
                        randomSource, champions.lockPatience);
    });
}

} // namespace quintaro
