// The command dispatcher: every menu command runs inside the same opening and closing steps.
#include "app/game.h"

#include "app/board_dialog.h"
#include "app/board_records.h"
#include "app/game_folders.h"
#include "app/prompts.h"
#include "engine/candidates.h"
#include "engine/shuffle.h"
#include "engine/solution.h"
#include "ui/difficulty_panel.h"
#include "ui/help_panel.h"
#include "ui/statistics_panel.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

constexpr std::array kCommandsOnTheBoard{8, 10, 11, 20, 21, 22, 24, 25};
constexpr int kButtonBarX = 18, kButtonBarY = 727;

} // namespace

void Game::Win_0_MenuEvent(int id)
{
    state.escapeConsumed = false;
    mainForm->setMenuBarEnabled(false);
    // The time of a game solved last stays in sight until the next command.
    clock->clearRecord();
    if (std::find(kCommandsOnTheBoard.begin(), kCommandsOnTheBoard.end(), id) != kCommandsOnTheBoard.end()) {
        state.hintText = prompt::ClickCell;
        Display d = display();
        drawHelpPanel(d, state.hintText);
    }
    runCommand(id);
    // A command that entered a game loop ends when the player leaves the loop.
    if (mode == GameMode::Idle)
        endOfCommand();
}

void Game::runCommand(int id)
{
    switch (id) {
    case 1:
        showAboutBox();
        break;
    case 8:
        startNewGame();
        break;
    case 10:
        runPlayLoop();
        break;
    case 11:
        runOwnBoardLoop();
        break;
    case 12:
        // A fresh puzzle on paper, then played untimed.
        if (loadPuzzleOfLevel()) {
            printBoard();
            runPlayLoop();
        }
        break;
    case 20:
        state.boardFile = "brett.qbr";
        showLoadDialog(*this);
        countGivensNow();
        runPlayLoop();
        break;
    case 21:
        showSaveDialog(*this);
        runPlayLoop();
        break;
    case 22:
        solveCommand(board, view, state.showCandidates, true);
        break;
    case 24:
        shuffleBoard(board, view, randomSource, state.puzzleSymmetry);
        drawBoard();
        view.countSymbols(board);
        break;
    case 25:
        restartBoard(board);
        runPlayLoop();
        break;
    case 26:
        clearBoard(board);
        drawBoard();
        break;
    case 27:
        printBoard();
        break;
    case 30:
    case 31:
    case 32:
    case 33:
        state.level = std::int16_t(id - 30);
        break;
    case 40:
    case 41:
        state.digitMode = id == 40;
        refreshCheckMarks();
        drawBoard();
        drawStatisticsPanelNow();
        break;
    case 44:
        state.showCandidates = !state.showCandidates;
        board.candidates.fill(false);
        drawBoard();
        break;
    case 45:
        state.puzzleSymmetry = !state.puzzleSymmetry;
        break;
    case 50:
        showHallOfFame();
        break;
    case 60:
        helpCommand(false);
        break;
    case 99:
        confirmQuit();
        break;
    default:
        break;
    }
}

bool Game::loadPuzzleOfLevel()
{
    state.boardFile = collectionFile(state.level);
    const int record = platform.random(4);
    if (const ReadStatus status = loadBoardRecord(*this, record); status != ReadStatus::Loaded) {
        // A broken collection starts no game: the board and its clock stay as they were.
        platform.messageBox(readFailureMessage(status, filePath(state.boardFile)));
        return false;
    }
    countGivensNow();
    shuffleBoard(board, view, randomSource, state.puzzleSymmetry);
    return true;
}

void Game::startNewGame()
{
    board.errorCount = 0;
    if (!loadPuzzleOfLevel())
        return;
    clock->startGame();
    runPlayLoop();
}

void Game::endOfCommand()
{
    mainForm->setMenuBarEnabled(true);
    mainForm->setBusyPointer(false);
    refreshCheckMarks();
    countGivensNow();
    state.hintText = prompt::ChooseCommand;
    Display d = display();
    drawHint(d, state.hintText);
    mainForm->surface().paintRectangle(buttonBarBackground, kButtonBarX, kButtonBarY);
    state.gameRunning = false;
}

} // namespace quintaro
