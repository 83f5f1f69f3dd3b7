// The menu bar of the main window and its check marks.
#include "app/game.h"
#include "app/menu_text.h"

namespace quintaro {

namespace {

constexpr int kFirstLevelItem = 30;
constexpr int kDigitsItem = 40, kLettersItem = 41, kCandidatesItem = 44, kSymmetryItem = 45;

} // namespace

void Game::buildMenuBar() { mainForm->setMenuBar(readMenuText(menuText())); }

void Game::refreshCheckMarks()
{
    for (int id : {30, 31, 32, 33, kDigitsItem, kLettersItem, kCandidatesItem, kSymmetryItem})
        mainForm->setMenuChecked(id, false);
    mainForm->setMenuChecked(kFirstLevelItem + state.level, true);
    mainForm->setMenuChecked(state.digitMode ? kDigitsItem : kLettersItem, true);
    if (state.showCandidates)
        mainForm->setMenuChecked(kCandidatesItem, true);
    if (state.puzzleSymmetry)
        mainForm->setMenuChecked(kSymmetryItem, true);
}

} // namespace quintaro
