// Clicks on the field and the symbol entry: the chooser over a cell, symbols by mouse and keys, candidate notation.
#include "app/game.h"

#include "app/game_keys.h"
#include "app/prompts.h"
#include "app/rounding.h"
#include "engine/rules.h"
#include "ui/cells.h"
#include "ui/help_panel.h"

namespace quintaro {

namespace {

// The square 1..9 of the open chooser at (x, y), or 0 outside it.
int squareAt(const EntryPopup& popup, int x, int y) { return popupSquareAt({popup.x, popup.y}, x, y); }

} // namespace

void Game::movePointer(double x, double y) {
    view.pointer = {roundHalfEven(x), roundHalfEven(y)};
    if (!play.entry.active) return;
    if (const int square = squareAt(view.popup, view.pointer.x, view.pointer.y);
        square != 0 && square != view.popup.hoverSymbol) {
        view.popup.hoverSymbol = square;
        drawEntryPopup(play.entry.cell, play.entry.candidateNotation);
    }
}

void Game::drawEntryPopup(GridCell cell, bool candidateNotation) {
    play.clockHold = true;
    view.hintText = candidateNotation ? "Bitte Kandidaten notieren!" : "Rechte Taste löscht Feld!";
    Display d = display();
    drawHint(d, view.hintText);
    quintaro::drawEntryPopup(d, view.popup, cell.column, cell.row, cell.grid, choices.digitMode);
    play.clockHold = false;
}

void Game::clickCell(platform::MouseButton button, GridCell cell, Pixel at) {
    const int c = cell.column, r = cell.row, g = cell.grid;
    if (cellAt(board.givens, c, r, g) != 0) return;
    const bool right = button == platform::MouseButton::Right;
    if (right && cellAt(board.board, c, r, g) != 0) {
        cellAt(board.board, c, r, g) = 0;
        judgeAndDrawCell({g, c, r}, 0);
        if (choices.showCandidates) refreshCandidates();
        countSymbols();
        return;
    }
    openChooser(cell, right, at);
}

void Game::clickOwnBoardCell(platform::MouseButton button, GridCell cell, Pixel at) {
    const int c = cell.column, r = cell.row, g = cell.grid;
    if (button == platform::MouseButton::Right) {
        if (cellAt(board.givens, c, r, g) != 0) {
            cellAt(board.board, c, r, g) = cellAt(board.givens, c, r, g) = 0;
            judgeAndDrawCell({g, c, r}, 0);
            if (choices.showCandidates) refreshCandidates();
        }
        countSymbols();
        countGivensNow();
        return;
    }
    openChooser(cell, false, at);
}

void Game::openChooser(GridCell cell, bool candidateNotation, Pixel pointerAt) {
    // A click that does not move the pointer takes the square under it, so that square is the one
    // shown; opened from the keyboard with the pointer elsewhere, it shows the symbol entered last.
    const int square = popupSquareAt(popupCorner(cell), pointerAt.x, pointerAt.y);
    if (square != 0) view.popup.hoverSymbol = square;
    drawEntryPopup(cell, candidateNotation);
    enterSymbol(play, cell, candidateNotation);
}

void Game::onEntryCharacter(int code) {
    std::optional<int> typed = symbolTyped(code, choices.digitMode);
    if (code == platform::CharacterCode::Escape) {
        typed = 0;
        play.entry.rightPressed = false;
        play.escapeConsumed = true;
    }
    if (!typed) return;
    const int s = *typed;
    if (!play.entry.candidateNotation) view.popup.hoverSymbol = s;
    finishEntry(s);
}

void Game::onEntryButton(platform::MouseButton button, Pixel at) {
    if (button == platform::MouseButton::Right) {
        play.entry.rightPressed = true;
        finishEntry(-1);
        return;
    }
    // The symbol is the square under the pointer: a click that follows another quickly (a double
    // click) must not take a symbol left over from an earlier entry.
    const int square = squareAt(view.popup, at.x, at.y);
    if (square == 0) return;
    view.popup.hoverSymbol = square;
    finishEntry(square);
}

void Game::finishEntry(int symbol) {
    const int c = play.entry.cell.column, r = play.entry.cell.row, g = play.entry.cell.grid;
    const bool ownBoard = play.mode == GameMode::OwnBoardLoop;
    play.clockHold = true;
    Display d = display();
    restorePopupBackground(d, view.popup);
    const bool erase = symbol < 0;
    if (!play.entry.candidateNotation) {
        if (!erase) {
            cellAt(board.board, c, r, g) = std::uint8_t(symbol);
            if (!ownBoard) judgeAndDrawCell({g, c, r}, symbol);
        } else if (!ownBoard) {
            cellAt(board.board, c, r, g) = 0;
            judgeAndDrawCell({g, c, r}, 0);
        }
    } else {
        if (erase) {
            for (int s = 1; s <= 9; ++s) board.candidates[std::size_t(candidateIndex(c, r, s, g))] = false;
        } else if (symbol > 0) {
            bool& mark = board.candidates[std::size_t(candidateIndex(c, r, symbol, g))];
            mark = !mark;
            syncSharedCandidates(board);
        }
        refreshCandidates();
    }
    play.clockHold = false;
    play.entry.active = false;
    view.hintText = std::string(prompt::ClickCell) + (view.screen.largeFontMode ? "   " : " ");
    drawHint(d, view.hintText);
    syncSharedBoxes(board);
    if (choices.showCandidates) refreshCandidates();

    if (ownBoard) {
        // "0", Escape or the right button over any cell erase it in both layers, so that board and
        // givens never disagree; a symbol becomes a given.
        if (erase || symbol == 0) {
            cellAt(board.board, c, r, g) = cellAt(board.givens, c, r, g) = 0;
            judgeAndDrawCell({g, c, r}, 0);
            if (choices.showCandidates) refreshCandidates();
        } else {
            cellAt(board.givens, c, r, g) = std::uint8_t(symbol);
            drawGivenCell(d, c, r, g, symbol, choices.digitMode);
        }
        countSymbols();
        countGivensNow();
    } else if (!play.entry.candidateNotation) {
        countSymbols();
    }
}

} // namespace quintaro
