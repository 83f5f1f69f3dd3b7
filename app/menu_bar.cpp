// The menu bar of the main window and its check marks.
#include "app/game.h"
#include "app/menu_text.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

// The items that mirror a setting and so carry a check mark.
constexpr std::array kCheckableItems{MenuCommand::LevelEasy,      MenuCommand::LevelMedium,   MenuCommand::LevelHard,
                                     MenuCommand::LevelExtreme,   MenuCommand::Digits,        MenuCommand::Letters,
                                     MenuCommand::ShowCandidates, MenuCommand::PuzzleSymmetry};

bool isCheckable(int id) {
    return std::any_of(kCheckableItems.begin(), kCheckableItems.end(), [id](MenuCommand c) { return menuId(c) == id; });
}

} // namespace

void Game::buildMenuBar() {
    std::vector<platform::MenuNode> menus = readMenuText(menuText());
    // Only the items that mirror a setting show a check box; the others are plain commands.
    const auto markCheckable = [](auto& self, std::vector<platform::MenuNode>& nodes) -> void {
        for (platform::MenuNode& node : nodes) {
            node.checkable = node.kind == platform::MenuNode::Kind::Item && isCheckable(node.id);
            self(self, node.children);
        }
    };
    markCheckable(markCheckable, menus);
    mainWindow->setMenuBar(menus);
}

void Game::refreshCheckMarks() {
    for (const MenuCommand item : kCheckableItems) mainWindow->setMenuChecked(menuId(item), false);
    mainWindow->setMenuChecked(menuId(levelCommand(choices.level)), true);
    mainWindow->setMenuChecked(menuId(choices.digitMode ? MenuCommand::Digits : MenuCommand::Letters), true);
    if (choices.showCandidates) mainWindow->setMenuChecked(menuId(MenuCommand::ShowCandidates), true);
    if (choices.puzzleSymmetry) mainWindow->setMenuChecked(menuId(MenuCommand::PuzzleSymmetry), true);
}

} // namespace quintaro
