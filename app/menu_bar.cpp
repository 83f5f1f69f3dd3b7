// The menu bar of the main window and its check marks.
#include "app/game.h"
#include "app/menu_text.h"

namespace quintaro {

namespace {

constexpr int kFirstLevelItem = 30;
constexpr int kDigitsItem = 40, kLettersItem = 41, kCandidatesItem = 44, kSymmetryItem = 45;

} // namespace

void Game::buildMenuBar()
{
    std::vector<platform::MenuNode> menus = readMenuText(menuText());
    // Only the items that mirror a setting show a check box; the others are plain commands.
    const auto markCheckable = [](auto& self, std::vector<platform::MenuNode>& nodes) -> void {
        for (platform::MenuNode& node : nodes) {
            node.checkable = node.kind == platform::MenuNode::Kind::Item &&
                             ((node.id >= kFirstLevelItem && node.id <= kFirstLevelItem + 3) || node.id == kDigitsItem ||
                              node.id == kLettersItem || node.id == kCandidatesItem || node.id == kSymmetryItem);
            self(self, node.children);
        }
    };
    markCheckable(markCheckable, menus);
    mainForm->setMenuBar(menus);
}

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
