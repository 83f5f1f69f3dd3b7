// Keyboard play and undo in the game loops: the cursor frame and its keys, digits typed straight into
// the cell under it, Ctrl+Z and Ctrl+Y, and every change of the board kept as one step.
#include "app/game.h"

#include "app/game_keys.h"
#include "app/event_position.h"
#include "ui/button_bar.h"
#include "ui/field.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

using platform::Event;
using platform::EventKind;
namespace VK = platform::VirtualKey;

// Menu commands that put another game on the board: a new game, a new puzzle printed, a load, a
// shuffle, a cleared board.
constexpr std::array kFreshStartCommands{MenuCommand::NewGame, MenuCommand::PrintNewGame, MenuCommand::LoadBoard,
                                         MenuCommand::ShuffleBoard, MenuCommand::ClearBoard};

struct Direction {
    int dx, dy;
};

std::optional<Direction> arrowDirection(int vk) {
    switch (vk) {
    case VK::Left:
        return Direction{-1, 0};
    case VK::Right:
        return Direction{1, 0};
    case VK::Up:
        return Direction{0, -1};
    case VK::Down:
        return Direction{0, 1};
    default:
        return std::nullopt;
    }
}

bool isCursorKey(int vk) {
    return arrowDirection(vk) || vk == VK::Enter || vk == VK::Space || vk == VK::Delete || vk == VK::Backspace ||
           vk == VK::Insert;
}

enum class HistoryMove { None, Undo, Redo };

// Ctrl+Z takes a step back; Ctrl+Y and Ctrl+Shift+Z do it again.
HistoryMove historyMoveOf(const Event& e) {
    if (e.kind != EventKind::KeyPressed || (e.modifiers & platform::Modifier::Control) == 0) return HistoryMove::None;
    if (e.code == key::Undo)
        return (e.modifiers & platform::Modifier::Shift) != 0 ? HistoryMove::Redo : HistoryMove::Undo;
    return e.code == key::Redo ? HistoryMove::Redo : HistoryMove::None;
}

// Whether the event may have put another game on the board: a load (key L, the Load button), the
// own puzzle shuffled (key X) or one of the fresh-start commands. The keys act as they do in the
// game loops; a key or click that did nothing leaves the board as it was and so starts nothing.
bool mayStartAfresh(const Event& e) {
    switch (e.kind) {
    case EventKind::MenuCommand:
        return std::find(kFreshStartCommands.begin(), kFreshStartCommands.end(), menuCommandOf(e)) !=
               kFreshStartCommands.end();
    case EventKind::KeyReleased:
        return e.code == key::Load || e.code == key::ShuffleOwnBoard;
    case EventKind::ButtonPressed:
        return e.code == int(platform::MouseButton::Left) && buttonAt(pixelOf(e).x, pixelOf(e).y) == BarButton::Load;
    default:
        return false;
    }
}

} // namespace

void Game::playEvent(const Event& event) {
    // Only the player's input changes the board or draws under the frame: pointer moves draw at most
    // the chooser, which the frame never shows with; closing and minimising draw nothing.
    if (!event.isInput() || mainWindow == nullptr) {
        dispatchEvent(event);
        return;
    }
    Display d = display();
    view.cursorFrame.remove(d);
    const bool inLoop = play.mode != GameMode::Idle;
    if (event.kind == EventKind::ButtonPressed) {
        view.cursor.shown = false;
        if (inLoop && !play.entry.active)
            if (const std::optional<GridCell> cell = cellAtPixel(view.screen, pixelOf(event)))
                view.cursor.place = fieldPlaceOf(*cell);
    }
    const BoardLayers before = layersOf(board, choices.showCandidates);
    if (const HistoryMove move = inLoop && !play.entry.active ? historyMoveOf(event) : HistoryMove::None;
        move != HistoryMove::None) {
        stepHistory(move == HistoryMove::Undo);
    } else {
        if (!takeKeyboardPlay(event)) dispatchEvent(event);
        const BoardLayers after = layersOf(board, choices.showCandidates);
        if (mayStartAfresh(event) && after != before)
            startAfresh(play.history);
        else
            recordStep(play.history, before, after);
    }
    if (play.mode == GameMode::Idle) view.cursor.shown = false;
    if (view.cursor.shown && !play.entry.active) {
        showCursorFrame(d, view.cursorFrame, cursorCell(view.cursor));
    }
}

bool Game::takeKeyboardPlay(const Event& event) {
    if (play.mode == GameMode::Idle) return false;
    switch (event.kind) {
    case EventKind::KeyRepeated:
        // A held arrow goes on moving the cursor, or the chooser's square.
        if (!arrowDirection(event.code)) return false;
        if (!play.entry.active) {
            if (!keysDown_.test(std::size_t(event.code))) return false;
            onCursorKey(event.code);
            return true;
        }
        [[fallthrough]];
    case EventKind::KeyPressed:
        // In the open chooser the arrow keys move the highlighted square and Enter takes it.
        if (!play.entry.active) return false;
        if (const std::optional<Direction> dir = arrowDirection(event.code)) {
            view.popup.hoverSymbol = stepChooserSquare(view.popup.hoverSymbol, dir->dx, dir->dy);
            drawEntryPopup(play.entry.cell, play.entry.candidateNotation);
            return true;
        }
        if (event.code == VK::Enter && view.popup.hoverSymbol >= 1 && view.popup.hoverSymbol <= 9) {
            finishEntry(view.popup.hoverSymbol);
            return true;
        }
        return false;
    case EventKind::KeyReleased:
        // As every key of the loops, only when its press came in here too.
        if (play.entry.active || !isCursorKey(event.code) || !keysDown_.test(std::size_t(event.code))) return false;
        keysDown_.reset(std::size_t(event.code));
        onCursorKey(event.code);
        return true;
    case EventKind::Character:
        // In letter mode the letters are the loops' keys, so only digits go straight into a cell.
        if (play.entry.active || !view.cursor.shown || !choices.digitMode ||
            !symbolTyped(event.code, choices.digitMode))
            return false;
        typeIntoCursorCell(event.code);
        return true;
    default:
        return false;
    }
}

void Game::onCursorKey(int vk) {
    if (const std::optional<Direction> dir = arrowDirection(vk)) {
        // The first arrow shows where the cursor stands; the next ones move it.
        if (view.cursor.shown) view.cursor.place = stepCursor(view.cursor.place, dir->dx, dir->dy);
        view.cursor.shown = true;
        return;
    }
    if (!view.cursor.shown) return;
    const GridCell cell = cursorCell(view.cursor);
    const bool given = cellAt(board.givens, cell.column, cell.row, cell.grid) != 0;
    const bool filled = cellAt(board.board, cell.column, cell.row, cell.grid) != 0;
    const bool own = play.mode == GameMode::OwnBoardLoop;
    using platform::MouseButton;
    // Each key acts as the click it stands for: Enter and Space the left button; Delete and Backspace
    // the right button on a filled cell (a given of an own puzzle); Insert the right button on an
    // empty cell, which opens candidate notation (there is none in an own puzzle).
    std::optional<MouseButton> click;
    if (vk == VK::Enter || vk == VK::Space)
        click = MouseButton::Left;
    else if ((vk == VK::Delete || vk == VK::Backspace) && (own ? given : filled && !given))
        click = MouseButton::Right;
    else if (vk == VK::Insert && !own && !filled && !given)
        click = MouseButton::Right;
    if (!click) return;
    // The chooser it opens highlights the square under the pointer, wherever the pointer stands.
    if (own)
        clickOwnBoardCell(*click, cell, view.pointer);
    else
        clickCell(*click, cell, view.pointer);
}

void Game::typeIntoCursorCell(int character) {
    const GridCell cell = cursorCell(view.cursor);
    if (play.mode == GameMode::PlayLoop && cellAt(board.givens, cell.column, cell.row, cell.grid) != 0) return;
    // The symbol entry of a click, finished by the typed digit before its chooser is drawn.
    enterSymbol(play, cell, false);
    onEntryCharacter(character);
}

void Game::stepHistory(bool back) {
    if (!(back ? undoStep : redoStep)(play.history, board, choices.showCandidates)) return;
    // The redraw judges nothing again: the error count stays as it is.
    drawBoard();
    if (play.mode == GameMode::OwnBoardLoop) countGivensNow();
}

} // namespace quintaro
