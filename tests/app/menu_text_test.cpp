// The menu text read into drop-down menus: titles, ids, texts with accelerators, separators, nesting, malformed text.
#include "app/menu_text.h"

#include "app/menu_command.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quintaro {
namespace {

using platform::MenuNode;

std::string shape(const std::vector<MenuNode>& nodes) {
    std::string s;
    for (const MenuNode& n : nodes) {
        switch (n.kind) {
        case MenuNode::Kind::Item:
            s += std::to_string(n.id) + "=" + n.text + ";";
            break;
        case MenuNode::Kind::Separator:
            s += "-;";
            break;
        case MenuNode::Kind::Submenu:
            s += n.text + "[" + shape(n.children) + "];";
            break;
        }
    }
    return s;
}

TEST(MenuTextTest, ProgramMenuHasFourDropDownsWithTheirItemsInOrder) {
    using enum MenuCommand;
    const auto item = [](MenuCommand c, const char* text) { return MenuNode::item(menuId(c), text); };
    const MenuNode line = MenuNode::separator();
    const auto bar = readMenuText(menuText());
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_EQ(
        shape({bar[0]}),
        shape({MenuNode::submenu("&Quintaro", {item(NewGame, "&Neues Spiel"), line, item(StartGame, "&Spielstart"),
                                               item(RestartBoard, "N&eustart"), line, item(PrintNewGame, "Spieldruck"),
                                               line, item(Quit, "&Beenden")})}));
    EXPECT_EQ(
        shape({bar[1]}),
        shape({MenuNode::submenu("&Optionen", {item(LoadBoard, "&lade Brett"), item(SaveBoard, "&sichere Brett"), line,
                                               item(SolveBoard, "&Brett lösen"), item(ClearBoard, "B&rett löschen"),
                                               item(PrintBoard, "Brett &drucken"), item(ShuffleBoard, "Brett &mischen"),
                                               line, item(OwnBoard, "&Eigenes Brett"), line,
                                               item(FreshPuzzles, "&Neue Rätsel erzeugen")})}));
    EXPECT_EQ(
        shape({bar[2]}),
        shape({MenuNode::submenu("Sch&wierigkeit",
                                 {item(LevelEasy, "&Leicht"), item(LevelMedium, "&Mittel"), item(LevelHard, "&Schwer"),
                                  item(LevelExtreme, "&Extrem"), line, item(Digits, "&Zahlen"),
                                  item(Letters, "&Buchstaben"), line, item(ShowCandidates, "Zeige &Kandidaten"), line,
                                  item(PuzzleSymmetry, "Rätsel-Symmetrie"), line, item(HallOfFame, "&Ruhmeshalle")})}));
    EXPECT_EQ(shape({bar[3]}),
              shape({MenuNode::submenu("&Hilfe", {item(Help, "&Anleitung"), line, item(About, "über &Quintaro...")})}));
}

TEST(MenuTextTest, NestingColonsInTextsAndTheEmptyEntryThatEndsTheBar) {
    EXPECT_EQ(shape(readMenuText({"&A", "1:x:y", ">&Sub", "2:two", ">&Deep", "3:three", "", "", "4:four", "", ""})),
              "&A[1=x:y;&Sub[2=two;&Deep[3=three;];];4=four;];");
    EXPECT_EQ(shape(readMenuText({"&A", "", "", "&B", "5:x", ""})), "&A[];");
}

TEST(MenuTextTest, MalformedTextIsRefused) {
    using Text = std::vector<std::string>;
    for (const Text& text : {Text{"&A", "Neues Spiel", ""}, Text{"&A", ":x", ""}, Text{"&A", "8x:x", ""},
                             Text{"&A", "8:x"}, Text{"&A", ">&Sub", "8:x", ""}})
        EXPECT_THROW(readMenuText(text), std::invalid_argument) << text[1];
}

} // namespace
} // namespace quintaro
