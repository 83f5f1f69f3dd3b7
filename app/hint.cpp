// The hint of key T and the grade of an own puzzle, shown in the help panel.
#include "app/hint.h"

#include "engine/grade.h"
#include "engine/grid_cell.h"
#include "engine/next_step.h"
#include "ui/help_panel.h"
#include "ui/hint_text.h"

namespace quintaro {

void showHint(Display& display, HintMark& hint, std::string& helpText, const Board& board, bool digitMode) {
    takeHintAway(display, hint, helpText);
    const NextStep step = nextStep(board);
    if (step.kind == StepKind::WrongEntry || step.kind == StepKind::Placement)
        showHintFrame(display, hint.frame, GridCell{step.grid, step.column, step.row});
    hint.textBefore = helpText;
    helpText = hintLine(step, digitMode);
    drawHint(display, helpText);
}

void takeHintAway(Display& display, HintMark& hint, std::string& helpText) {
    if (!hint.textBefore) return;
    hint.frame.remove(display);
    helpText = *hint.textBefore;
    hint.textBefore.reset();
    drawHint(display, helpText);
}

void showOwnBoardGrade(Display& display, std::string& helpText, const CellLayer& givens) {
    helpText = gradeLine(gradePuzzle(givens));
    drawHint(display, helpText);
}

} // namespace quintaro
