// The program's menu text and its reader.
#include "app/menu_text.h"

#include <charconv>
#include <stdexcept>

namespace quintaro {

const std::vector<std::string>& menuText()
{
    static const std::vector<std::string> entries{
        "&Quintaro",
        "8:&Neues Spiel", "-", "10:&Spielstart", "25:N&eustart", "-", "12:Spieldruck", "-", "99:&Beenden", "",
        "&Optionen",
        "20:&lade Brett", "21:&sichere Brett", "-", "22:&Brett lösen", "26:B&rett löschen", "27:Brett &drucken",
        "24:Brett &mischen", "-", "11:&Eigenes Brett", "",
        "Sch&wierigkeit",
        "30:&Leicht", "31:&Mittel", "32:&Schwer", "33:&Extrem", "-", "40:&Zahlen", "41:&Buchstaben", "-",
        "44:Zeige &Kandidaten", "-", "45:Rätsel-Symmetrie", "-", "50:&Ruhmeshalle", "",
        "&Hilfe",
        "60:&Anleitung", "-", "1:über &Quintaro...", "",
        "",
    };
    return entries;
}

namespace {

using platform::MenuNode;

platform::MenuNode commandItem(const std::string& entry)
{
    const auto colon = entry.find(':');
    int id = 0;
    const char* first = entry.data();
    const char* last = entry.data() + (colon == std::string::npos ? 0 : colon);
    const auto [end, error] = std::from_chars(first, last, id);
    if (colon == std::string::npos || colon == 0 || error != std::errc{} || end != last)
        throw std::invalid_argument("menu entry without a command id: " + entry);
    return MenuNode::item(id, entry.substr(colon + 1));
}

// Reads the entries of one drop-down up to its closing empty entry.
std::vector<MenuNode> readDropDown(const std::vector<std::string>& entries, std::size_t& pos)
{
    std::vector<MenuNode> nodes;
    for (;;) {
        if (pos >= entries.size())
            throw std::invalid_argument("menu text ends inside a drop-down menu");
        const std::string& entry = entries[pos++];
        if (entry.empty())
            return nodes;
        if (entry == "-")
            nodes.push_back(MenuNode::separator());
        else if (entry.front() == '>')
            nodes.push_back(MenuNode::submenu(entry.substr(1), readDropDown(entries, pos)));
        else
            nodes.push_back(commandItem(entry));
    }
}

} // namespace

std::vector<platform::MenuNode> readMenuText(const std::vector<std::string>& entries)
{
    std::vector<MenuNode> bar;
    std::size_t pos = 0;
    while (pos < entries.size() && !entries[pos].empty()) {
        std::string title = entries[pos++];
        bar.push_back(MenuNode::submenu(std::move(title), readDropDown(entries, pos)));
    }
    return bar;
}

} // namespace quintaro
