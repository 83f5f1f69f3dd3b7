// The command dispatcher: every menu command runs inside the same opening and closing steps.
#include "app/game.h"

#include "app/prompts.h"
#include "ui/help_panel.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

constexpr std::array kCommandsOnTheBoard{8, 10, 11, 20, 21, 22, 24, 25};
constexpr int kButtonBarX = 18, kButtonBarY = 727;

} // namespace

void Game::Win_0_MenuEvent(int id)
{
    state.escapeConsumed = false;
    mainForm->setMenuBarEnabled(false);
    if (std::find(kCommandsOnTheBoard.begin(), kCommandsOnTheBoard.end(), id) != kCommandsOnTheBoard.end()) {
        state.hintText = prompt::ClickCell;
        Display d = display();
        drawHelpPanel(d, state.hintText);
    }
    switch (id) {
    case 30:
    case 31:
    case 32:
    case 33:
        state.level = std::int16_t(id - 30);
        break;
    case 45:
        state.puzzleSymmetry = !state.puzzleSymmetry;
        break;
    case 99:
        endProgram();
        break;
    default:
        // The other commands join the game as their parts arrive.
        break;
    }
    endOfCommand();
}

void Game::endOfCommand()
{
    mainForm->setMenuBarEnabled(true);
    mainForm->setBusyPointer(false);
    refreshCheckMarks();
    state.hintText = prompt::ChooseCommand;
    Display d = display();
    drawHint(d, state.hintText);
    mainForm->surface().paintRectangle(buttonBarBackground, kButtonBarX, kButtonBarY);
    state.gameRunning = false;
}

} // namespace quintaro
