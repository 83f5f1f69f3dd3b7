// The game's process-wide state: flags, texts and values every part of the game reads and writes.
#pragma once

#include "app/undo_history.h"
#include "engine/grid_cell.h"
#include "ui/clock.h"

#include <cstdint>
#include <string>

namespace quintaro {

// Start values are those of a fresh run; start-up sets hintText. The wrong-entry count lives in
// Board::errorCount, beside the arrays where entries are judged. The flags shared with the clock thread
// (gameRunning, gameSolved, clockHold, gameStart) come from ClockFlags.
struct GameState : ClockFlags {
    bool htmlHelp = false;       // which help system the help commands open
    bool escapeConsumed = false; // an Escape was used up; the game loops ignore it
    bool ownBoardMode = false;   // the own-board loop runs
    std::string hintText;        // the prompt of the help panel
    std::string boardFile;       // file of the next load or save
    char pendingKey = 0;         // first key of the two-key solve sequence ("K"), 0 for none

    std::int16_t selectedRecord = 0; // slot 0..3 last chosen in the load/save form; kept between dialogs
    bool dialogDone = false;         // the open dialog has finished
};

// What the game is doing; the menu bar takes commands only while idle.
enum class GameMode { Idle, PlayLoop, OwnBoardLoop };

// The symbol entry under way in one cell while the chooser is open.
struct SymbolEntry {
    bool active = false;            // entryActive: the chooser is open and takes the input
    bool candidateNotation = false; // opened with the right button on an empty cell
    bool rightPressed = false;      // the entry ended with the right button (an erase request)
    GridCell cell;                  // the cell the chooser stands over
};

// The game in play beside the board: what the game is doing, the symbol entry under way and the
// steps keyboard play can take back.
struct GameInPlay {
    GameMode mode = GameMode::Idle;
    SymbolEntry entry;
    UndoHistory history;
};

} // namespace quintaro
