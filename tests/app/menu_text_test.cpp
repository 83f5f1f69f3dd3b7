// The menu text read into drop-down menus: titles, ids, texts with accelerators, separators, nesting, malformed text.
#include "app/menu_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quintaro {
namespace {

using platform::MenuNode;

std::string shape(const std::vector<MenuNode>& nodes) {
    std::string s;
    for (const MenuNode& n : nodes) {
        switch (n.kind) {
        case MenuNode::Kind::Item: s += std::to_string(n.id) + "=" + n.text + ";"; break;
        case MenuNode::Kind::Separator: s += "-;"; break;
        case MenuNode::Kind::Submenu: s += n.text + "[" + shape(n.children) + "];"; break;
        }
    }
    return s;
}

TEST(MenuTextTest, ProgramMenuHasFourDropDownsWithTheirItemsInOrder) {
    const auto bar = readMenuText(menuText());
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_EQ(shape({bar[0]}),
              "&Quintaro[8=&Neues Spiel;-;10=&Spielstart;25=N&eustart;-;12=Spieldruck;-;99=&Beenden;];");
    EXPECT_EQ(shape({bar[1]}), "&Optionen[20=&lade Brett;21=&sichere Brett;-;22=&Brett lösen;26=B&rett löschen;"
                               "27=Brett &drucken;24=Brett &mischen;-;11=&Eigenes Brett;];");
    EXPECT_EQ(shape({bar[2]}), "Sch&wierigkeit[30=&Leicht;31=&Mittel;32=&Schwer;33=&Extrem;-;40=&Zahlen;"
                               "41=&Buchstaben;-;44=Zeige &Kandidaten;-;45=Rätsel-Symmetrie;-;50=&Ruhmeshalle;];");
    EXPECT_EQ(shape({bar[3]}), "&Hilfe[60=&Anleitung;-;1=über &Quintaro...;];");
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
