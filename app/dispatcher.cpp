// The command dispatcher: every menu command runs inside the same opening and closing steps.
#include "app/game.h"

#include "app/board_dialog.h"
#include "app/board_records.h"
#include "app/game_folders.h"
#include "app/hall_of_fame.h"
#include "app/help.h"
#include "app/menu_bar.h"
#include "app/printing.h"
#include "app/prompts.h"
#include "engine/candidates.h"
#include "engine/fresh_puzzle.h"
#include "engine/shuffle.h"
#include "engine/solution.h"
#include "ui/difficulty_panel.h"
#include "ui/help_panel.h"
#include "app/symbol_highlight.h"
#include "ui/statistics_panel.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

// The commands that work on the board: the prompt asks for a click while they run.
constexpr std::array kCommandsOnTheBoard{MenuCommand::NewGame,      MenuCommand::StartGame,   MenuCommand::OwnBoard,
                                         MenuCommand::LoadBoard,    MenuCommand::SaveBoard,   MenuCommand::SolveBoard,
                                         MenuCommand::ShuffleBoard, MenuCommand::RestartBoard};
constexpr int kButtonBarX = 18, kButtonBarY = 727;

} // namespace

void Game::runMenuCommand(MenuCommand command) {
    play.escapeConsumed = false;
    mainWindow->setMenuBarEnabled(false);
    // The time of a game solved last stays in sight until the next command.
    play.clock->clearRecord();
    if (std::find(kCommandsOnTheBoard.begin(), kCommandsOnTheBoard.end(), command) != kCommandsOnTheBoard.end()) {
        view.hintText = prompt::ClickCell;
        Display d = display();
        drawHelpPanel(d, view.hintText);
    }
    performCommand(command);
    // A command that entered a game loop ends when the player leaves the loop.
    if (play.mode == GameMode::Idle) endOfCommand();
}

void Game::performCommand(MenuCommand command) {
    switch (command) {
    case MenuCommand::About:
        showAboutBox(platform, *mainWindow, folders);
        break;
    case MenuCommand::NewGame:
        startNewGame();
        break;
    case MenuCommand::StartGame:
        runPlayLoop();
        break;
    case MenuCommand::OwnBoard:
        play.puzzle.reset();
        runOwnBoardLoop();
        break;
    case MenuCommand::PrintNewGame:
        // A fresh puzzle on paper, then played untimed.
        if (loadPuzzleOfLevel()) {
            printCommand();
            runPlayLoop();
        }
        break;
    case MenuCommand::LoadBoard:
        records.boardFile = "brett.qbr";
        showLoadDialog();
        countGivensNow();
        runPlayLoop();
        break;
    case MenuCommand::SaveBoard:
        showSaveDialog();
        runPlayLoop();
        break;
    case MenuCommand::SolveBoard:
        solveCommand(true);
        break;
    case MenuCommand::ShuffleBoard:
        // A fresh puzzle is proven by its hidden solve, not against every shuffle: it takes only a
        // shuffle that the hidden solve completes, as when its game started.
        if (play.puzzle)
            shuffleCheckedBoard(board, randomSource, choices.puzzleSymmetry);
        else
            shuffleBoard(board, randomSource, choices.puzzleSymmetry);
        drawBoard();
        countSymbols();
        break;
    case MenuCommand::RestartBoard:
        restartBoard(board);
        runPlayLoop();
        break;
    case MenuCommand::ClearBoard:
        play.puzzle.reset();
        clearBoard(board);
        drawBoard();
        break;
    case MenuCommand::PrintBoard:
        printCommand();
        break;
    case MenuCommand::LevelEasy:
    case MenuCommand::LevelMedium:
    case MenuCommand::LevelHard:
    case MenuCommand::LevelExtreme:
        choices.level = std::int16_t(levelOf(command));
        prepareFreshPuzzle();
        break;
    case MenuCommand::Digits:
    case MenuCommand::Letters:
        choices.digitMode = command == MenuCommand::Digits;
        refreshCheckMarks(*mainWindow, choices);
        drawBoard();
        {
            // The statistics panel with the status below it, as last counted and judged, in the new symbols.
            Display d = display();
            drawStatisticsPanel(d, panels());
            redrawStatisticsMark(d, choices.digitMode);
        }
        break;
    case MenuCommand::ShowCandidates:
        choices.showCandidates = !choices.showCandidates;
        board.candidates.fill(false);
        drawBoard();
        break;
    case MenuCommand::PuzzleSymmetry:
        choices.puzzleSymmetry = !choices.puzzleSymmetry;
        break;
    case MenuCommand::FreshPuzzles:
        choices.freshPuzzles = !choices.freshPuzzles;
        prepareFreshPuzzle();
        break;
    case MenuCommand::HallOfFame:
        hallOfFame().show(choices.level, *mainWindow);
        play.escapeConsumed = true;
        break;
    case MenuCommand::Help:
        showHelp(platform, folders, help, false);
        break;
    case MenuCommand::Quit:
        confirmQuit();
        break;
    default:
        break;
    }
}

bool Game::loadPuzzleOfLevel() {
    // A puzzle still being made is not waited for: the collection's record is there at once, and the
    // puzzle stays for the next game.
    if (std::optional<FreshPuzzle> fresh = choices.freshPuzzles ? puzzles.take(choices.level) : std::nullopt) {
        // As a collection record loads: the timing stops, the level stays.
        play.gameRunning = false;
        board = puzzleBoard(fresh->givens);
        countGivensNow();
        shuffleCheckedBoard(board, randomSource, choices.puzzleSymmetry);
        play.puzzle = fresh->number;
        prepareFreshPuzzle();
        return true;
    }
    records.boardFile = collectionFile(choices.level);
    const int record = platform.random(4);
    if (const ReadStatus status = loadRecord(record); status != ReadStatus::Loaded) {
        // A broken collection starts no game: the board and its clock stay as they were.
        platform.messageBox(readFailureMessage(status, filePath(records.boardFile)));
        return false;
    }
    play.puzzle.reset();
    countGivensNow();
    shuffleBoard(board, randomSource, choices.puzzleSymmetry);
    prepareFreshPuzzle();
    return true;
}

void Game::prepareFreshPuzzle() {
    if (choices.freshPuzzles) puzzles.prepare(choices.level, randomSource);
}

void Game::startNewGame() {
    board.errorCount = 0;
    if (!loadPuzzleOfLevel()) return;
    play.clock->startGame();
    runPlayLoop();
}

void Game::printCommand() {
    printBoard(platform, board, choices.digitMode, view.levelNames[std::size_t(choices.level)],
               play.puzzle ? puzzleTitle(*play.puzzle) : std::string(), view.panelState.givenCount);
}

void Game::endOfCommand() {
    mainWindow->setMenuBarEnabled(true);
    mainWindow->setBusyPointer(false);
    refreshCheckMarks(*mainWindow, choices);
    countGivensNow();
    view.hintText = prompt::ChooseCommand;
    Display d = display();
    drawHint(d, view.hintText);
    mainWindow->surface().paintRectangle(view.buttonBarBackground, kButtonBarX, kButtonBarY);
    play.gameRunning = false;
}

} // namespace quintaro
