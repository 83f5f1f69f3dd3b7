// The menu bar of the main window and its check marks.
#include "app/menu_bar.h"

#include "app/menu_command.h"
#include "app/menu_text.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {

// The items that mirror a setting and so carry a check mark.
constexpr std::array kCheckableItems{
    MenuCommand::LevelEasy,      MenuCommand::LevelMedium,    MenuCommand::LevelHard,
    MenuCommand::LevelExtreme,   MenuCommand::Digits,         MenuCommand::Letters,
    MenuCommand::ShowCandidates, MenuCommand::PuzzleSymmetry, MenuCommand::FreshPuzzles};

bool isCheckable(int id) {
    return std::any_of(kCheckableItems.begin(), kCheckableItems.end(), [id](MenuCommand c) { return menuId(c) == id; });
}

} // namespace

void buildMenuBar(platform::MainWindow& window) {
    std::vector<platform::MenuNode> menus = readMenuText(menuText());
    // Only the items that mirror a setting show a check box; the others are plain commands.
    const auto markCheckable = [](auto& self, std::vector<platform::MenuNode>& nodes) -> void {
        for (platform::MenuNode& node : nodes) {
            node.checkable = node.kind == platform::MenuNode::Kind::Item && isCheckable(node.id);
            self(self, node.children);
        }
    };
    markCheckable(markCheckable, menus);
    window.setMenuBar(menus);
}

void refreshCheckMarks(platform::MainWindow& window, const PlayerChoices& choices) {
    for (const MenuCommand item : kCheckableItems) window.setMenuChecked(menuId(item), false);
    window.setMenuChecked(menuId(levelCommand(choices.level)), true);
    window.setMenuChecked(menuId(choices.digitMode ? MenuCommand::Digits : MenuCommand::Letters), true);
    if (choices.showCandidates) window.setMenuChecked(menuId(MenuCommand::ShowCandidates), true);
    if (choices.puzzleSymmetry) window.setMenuChecked(menuId(MenuCommand::PuzzleSymmetry), true);
    if (choices.freshPuzzles) window.setMenuChecked(menuId(MenuCommand::FreshPuzzles), true);
}

} // namespace quintaro
