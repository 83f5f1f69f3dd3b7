// What the side panels show, and the board and mode they show it for.
#pragma once

#include "engine/board.h"
#include "engine/board_verdict.h"

#include <string>

namespace quintaro {

// What the panels show, kept between redraws. The game sets it when it judges the board or counts the
// givens; the panels only read it.
struct PanelState {
    BoardStatus status = BoardStatus::NoErrors; // the verdict the status panel shows
    std::string statusText;                     // its message, with its blanks
    int givenCount = 0;                         // distinct given cells
};

struct PanelContext {
    const Board& board; // symbolCounts and errorCount as they stand
    const PanelState& state;
    bool digitMode;        // symbols as digits 1..9, else as letters A..I
    std::string levelName; // as shown, with its blanks (" Leicht ")
};

} // namespace quintaro
