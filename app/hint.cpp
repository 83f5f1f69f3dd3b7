// The hint of key T and the grade of an own puzzle, shown in the help panel.
#include "app/hint.h"

#include "app/game.h"
#include "engine/grade.h"
#include "engine/next_step.h"
#include "ui/help_panel.h"
#include "ui/hint_text.h"

namespace quintaro {

void showHint(Game& game)
{
    takeHintAway(game);
    // A game played with help is not a record, as with the candidates shown.
    if (game.state.gameRunning)
        game.stopTiming();
    const NextStep step = nextStep(game.board);
    Display d = game.display();
    if (step.kind == StepKind::WrongEntry || step.kind == StepKind::Placement)
        showHintFrame(d, game.hint.frame, GridCell{step.grid, step.column, step.row});
    game.hint.textBefore = game.state.hintText;
    game.state.hintText = hintLine(step, game.state.digitMode);
    drawHint(d, game.state.hintText);
}

void takeHintAway(Game& game)
{
    if (!game.hint.textBefore)
        return;
    Display d = game.display();
    game.hint.frame.remove(d);
    game.state.hintText = *game.hint.textBefore;
    game.hint.textBefore.reset();
    drawHint(d, game.state.hintText);
}

void showOwnBoardGrade(Game& game)
{
    game.state.hintText = gradeLine(gradePuzzle(game.board.givens));
    Display d = game.display();
    drawHint(d, game.state.hintText);
}

} // namespace quintaro
