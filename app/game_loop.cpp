// The play loop and the own-board loop: their button bar, keys and clicks, and leaving them.
#include "app/game.h"

#include "app/board_dialog.h"
#include "app/game_keys.h"
#include "app/help.h"
#include "app/hint.h"
#include "engine/candidates.h"
#include "engine/shuffle.h"
#include "engine/solution.h"
#include "ui/help_panel.h"

namespace quintaro {

namespace {

constexpr int kButtonPauseMilliseconds = 200;

// The button drawn pressed, and on the screen at once.
void pressBarButton(Display d, platform::MainWindow& window, BarButton button) {
    drawBarButton(d, button, true);
    window.flush();
}

void raiseBarButton(Display d, BarButton button) { drawBarButton(d, button, false); }

// The button drawn pressed while the action runs (a dialog, the printer, the help window).
void withButtonPressed(Display d, platform::MainWindow& window, BarButton button, const std::function<void()>& action) {
    pressBarButton(d, window, button);
    action();
    raiseBarButton(d, button);
}

} // namespace

void Game::runPlayLoop() {
    play.mode = GameMode::PlayLoop;
    keysDown_.reset();
    drawBoard();
    Display d = display();
    drawButtonBar(d);
    // A fresh puzzle's game starts with its number in the help panel, so that it can be made again; the
    // first entry's prompt replaces it. New, loaded and continued games alike.
    if (play.puzzle) {
        view.hintText = puzzleTitle(*play.puzzle);
        drawHint(d, view.hintText);
    }
    // The redraw stops the timing when it computes the candidates, before a clock would start.
    // An untimed game shows the stopped clock, not the last time of a game left with a key.
    if (play.gameRunning)
        play.clock->startThread();
    else
        play.clock->refreshClock();
}

void Game::runOwnBoardLoop() {
    play.mode = GameMode::OwnBoardLoop;
    // The player's own puzzle is never timed.
    play.gameRunning = false;
    play.clock->refreshClock();
    keysDown_.reset();
    Display d = display();
    drawButtonBar(d);
}

void Game::onKeyReleased(int vk) {
    // Only a key pressed while the loop itself listened acts: not the release of the letter that
    // just finished a symbol, nor of an Escape or N that closed a dialog.
    if (vk < 0 || vk >= int(keysDown_.size()) || !keysDown_.test(std::size_t(vk))) return;
    keysDown_.reset(std::size_t(vk));
    const bool own = play.mode == GameMode::OwnBoardLoop;
    if (vk == key::Load) {
        loadInLoop();
    } else if (vk == key::Save) {
        withButtonPressed(display(), *mainWindow, BarButton::Save, [this] { showSaveDialog(); });
    } else if (vk == key::Print) {
        withButtonPressed(display(), *mainWindow, BarButton::Print, [this] { printCommand(); });
    } else if (vk == key::Help) {
        withButtonPressed(display(), *mainWindow, BarButton::Help, [this] { showHelp(platform, folders, help, true); });
    } else if (vk == key::Abort) {
        if (choices.digitMode) abortLoop(false);
    } else if (vk == key::Escape) {
        if (!play.escapeConsumed) abortLoop(false);
    } else if (vk == key::SolveFirst) {
        play.pendingKey = char(key::SolveFirst);
        return;
    } else if (vk == key::SolveSecond) {
        if (play.pendingKey == key::SolveFirst) solveInLoop();
        play.pendingKey = 0;
        return;
    } else if (vk == key::FillCandidates && !own) {
        board.candidates.fill(true);
        drawBoard();
    } else if (vk == key::ClearCandidates && !own) {
        board.candidates.fill(false);
        drawBoard();
    } else if (vk == key::ShowCandidates) {
        if (!own) play.gameRunning = false;
        board.candidates.fill(false);
        choices.showCandidates = !choices.showCandidates;
        drawBoard();
    } else if (vk == key::Restart) {
        restartBoard(board);
        drawBoard();
    } else if (vk == key::ShuffleOwnBoard && own) {
        shuffleBoard(board, randomSource, choices.puzzleSymmetry);
        drawBoard();
    } else if (vk == key::Hint && !own) { // the hint (hint.cpp)
        // A game played with help is not a record, as with the candidates shown.
        if (play.gameRunning) stopTiming();
        Display d = display();
        showHint(d, view.hint, view.hintText, board, choices.digitMode);
    }
}

void Game::onButtonPressed(platform::MouseButton button, Pixel at) {
    const GameMode before = play.mode;
    if (button == platform::MouseButton::Left) {
        if (const std::optional<BarButton> b = buttonAt(at.x, at.y)) {
            switch (*b) {
            case BarButton::Load:
                loadInLoop();
                break;
            case BarButton::Save:
                withButtonPressed(display(), *mainWindow, BarButton::Save, [this] { showSaveDialog(); });
                break;
            case BarButton::Restart:
                pressBarButton(display(), *mainWindow, BarButton::Restart);
                platform.pause(kButtonPauseMilliseconds);
                restartBoard(board);
                drawBoard();
                raiseBarButton(display(), BarButton::Restart);
                break;
            case BarButton::Abort:
                abortLoop(true);
                break;
            case BarButton::Print:
                withButtonPressed(display(), *mainWindow, BarButton::Print, [this] { printCommand(); });
                break;
            case BarButton::Help:
                withButtonPressed(display(), *mainWindow, BarButton::Help,
                                  [this] { showHelp(platform, folders, help, true); });
                break;
            }
        }
    }
    if (play.mode != before) return;
    const std::optional<GridCell> cell = cellAtPixel(view.screen, at);
    if (!cell) return;
    if (play.mode == GameMode::PlayLoop)
        clickCell(button, *cell, at);
    else
        clickOwnBoardCell(button, *cell, at);
}

void Game::loadInLoop() {
    pressBarButton(display(), *mainWindow, BarButton::Load);
    records.boardFile = "brett.qbr";
    showLoadDialog();
    // A game in progress loaded into the own-board loop becomes a puzzle to edit, untimed.
    if (play.mode == GameMode::OwnBoardLoop) play.gameRunning = false;
    countGivensNow();
    drawBoard();
    play.clock->refreshClock();
    raiseBarButton(display(), BarButton::Load);
    // A load may leave a saved game in progress timed: its clock runs from the stored time.
    if (play.gameRunning) play.clock->startThread();
}

void Game::solveInLoop() {
    // The game's own solve never counts as the player's: no time, no hall of fame.
    play.gameRunning = false;
    if (play.mode == GameMode::OwnBoardLoop) {
        solveCommand(false);
        return;
    }
    solveCommand(true);
    play.clock->refreshClock();
}

void Game::abortLoop(bool byButton) {
    pressBarButton(display(), *mainWindow, BarButton::Abort);
    const bool inPlayLoop = play.mode == GameMode::PlayLoop;
    if (inPlayLoop) play.gameRunning = false;
    platform.pause(kButtonPauseMilliseconds);
    // The mouse leaves the clock stopped; a key leaves the last time standing.
    if (inPlayLoop && byButton) play.clock->refreshClock();
    if (play.mode == GameMode::OwnBoardLoop) {
        // The player's own puzzle is judged against its own solution from now on, not the last one's.
        computeGameSolution(board);
    }
    play.mode = GameMode::Idle;
    endOfCommand();
    if (!inPlayLoop) { // the own puzzle's grade (hint.cpp)
        Display d = display();
        showOwnBoardGrade(d, view.hintText, board.givens);
    }
}

} // namespace quintaro
