// Key T's hint in the help panel with its cell frame, and the grade of an own puzzle when its loop ends.
#pragma once

#include <optional>
#include <string>

#include "ui/cell_frame.h"

namespace quintaro {

class Game;

// A hint on the screen: its cell frame and the help panel's text it replaced.
struct HintMark {
    CellFrame frame;
    std::optional<std::string> textBefore; // set while a hint stands in the help panel
};

// Key T in the play loop: the help panel names the next step by deduction (or the wrong entry that
// must go first, or that nothing follows), its cell is framed, and the game is no longer timed.
void showHint(Game& game);

// Takes a standing hint away, putting back the framed cell and the help panel's text exactly; does
// nothing when none stands. Runs before any input is handled, so nothing has drawn over the hint.
void takeHintAway(Game& game);

// When the own-board loop ends: the help panel tells whether the deduction completes the puzzle of
// the givens and which level its passes belong to.
void showOwnBoardGrade(Game& game);

} // namespace quintaro
