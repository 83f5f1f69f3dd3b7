// Key T's hint in the help panel with its cell frame, and the grade of an own puzzle when its loop ends.
#pragma once

#include <optional>
#include <string>

#include "engine/board.h"
#include "ui/cell_frame.h"
#include "ui/display.h"

namespace quintaro {

// A hint on the screen: its cell frame and the help panel's text it replaced.
struct HintMark {
    CellFrame frame;
    std::optional<std::string> textBefore; // set while a hint stands in the help panel
};

// Key T in the play loop: the help panel (helpText) names the next step by deduction on board (or the
// wrong entry that must go first, or that nothing follows) and its cell is framed. A standing hint
// goes first. Timing is the caller's: a game played with help is not a record.
void showHint(Display& display, HintMark& hint, std::string& helpText, const Board& board, bool digitMode);

// Takes a standing hint away, putting back the framed cell and the help panel's text exactly; does
// nothing when none stands. Runs before any input is handled, so nothing has drawn over the hint.
void takeHintAway(Display& display, HintMark& hint, std::string& helpText);

// When the own-board loop ends: the help panel tells whether the deduction completes the puzzle of
// the givens and which level its passes belong to.
void showOwnBoardGrade(Display& display, std::string& helpText, const CellLayer& givens);

} // namespace quintaro
