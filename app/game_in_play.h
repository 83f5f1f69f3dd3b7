// The game in play beside the board: what the game is doing, its timing and clock, the entry under way, undo.
#pragma once

#include "app/undo_history.h"
#include "engine/grid_cell.h"
#include "engine/puzzle_number.h"
#include "platform/label.h"
#include "ui/clock.h"

#include <memory>
#include <optional>

namespace quintaro {

// What the game is doing; the menu bar takes commands only while idle.
enum class GameMode { Idle, PlayLoop, OwnBoardLoop };

// The symbol entry under way in one cell while the chooser is open.
struct SymbolEntry {
    bool active = false;            // entryActive: the chooser is open and takes the input
    bool candidateNotation = false; // opened with the right button on an empty cell
    bool rightPressed = false;      // the entry ended with the right button (an erase request)
    GridCell cell;                  // the cell the chooser stands over
};

// The flags shared with the clock thread (gameRunning, gameSolved, clockHold, gameStart) come from
// ClockFlags; the clock, made at start-up, refers to them and to its label.
struct GameInPlay : ClockFlags {
    GameMode mode = GameMode::Idle;
    std::optional<PuzzleNumber> puzzle; // the number of the freshly made puzzle on the board; none for any other board
    bool escapeConsumed = false;        // an Escape was used up; the game loops ignore it
    char pendingKey = 0;                // first key of the two-key solve sequence ("K"), 0 for none
    SymbolEntry entry;
    UndoHistory history; // the steps keyboard play can take back
    platform::Label* clockLabel = nullptr;
    std::unique_ptr<GameClock> clock;
};

// The chooser over cell takes the input from now on; an Escape before it counts no longer.
inline void enterSymbol(GameInPlay& play, GridCell cell, bool candidateNotation) {
    play.entry = SymbolEntry{true, candidateNotation, false, cell};
    play.escapeConsumed = false;
}

} // namespace quintaro
