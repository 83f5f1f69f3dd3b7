// The program's menu text and its reader.
#include "app/menu_text.h"

#include "app/menu_command.h"

#include <charconv>
#include <stdexcept>

namespace quintaro {

namespace {

// A command item of the menu text: the command's id, a colon and the item's text.
std::string item(MenuCommand command, const char* text) { return std::to_string(menuId(command)) + ":" + text; }

} // namespace

const std::vector<std::string>& menuText() {
    using enum MenuCommand;
    static const std::vector<std::string> entries{
        "&Quintaro",
        item(NewGame, "&Neues Spiel"),
        "-",
        item(StartGame, "&Spielstart"),
        item(RestartBoard, "N&eustart"),
        "-",
        item(PrintNewGame, "Spieldruck"),
        "-",
        item(Quit, "&Beenden"),
        "",
        "&Optionen",
        item(LoadBoard, "&lade Brett"),
        item(SaveBoard, "&sichere Brett"),
        "-",
        item(SolveBoard, "&Brett lösen"),
        item(ClearBoard, "B&rett löschen"),
        item(PrintBoard, "Brett &drucken"),
        item(ShuffleBoard, "Brett &mischen"),
        "-",
        item(OwnBoard, "&Eigenes Brett"),
        "-",
        item(FreshPuzzles, "&Neue Rätsel erzeugen"),
        "",
        "Sch&wierigkeit",
        item(LevelEasy, "&Leicht"),
        item(LevelMedium, "&Mittel"),
        item(LevelHard, "&Schwer"),
        item(LevelExtreme, "&Extrem"),
        "-",
        item(Digits, "&Zahlen"),
        item(Letters, "&Buchstaben"),
        "-",
        item(ShowCandidates, "Zeige &Kandidaten"),
        "-",
        item(PuzzleSymmetry, "Rätsel-Symmetrie"),
        "-",
        item(HallOfFame, "&Ruhmeshalle"),
        "",
        "&Hilfe",
        item(Help, "&Anleitung"),
        "-",
        item(About, "über &Quintaro..."),
        "",
        "",
    };
    return entries;
}

namespace {

using platform::MenuNode;

platform::MenuNode commandItem(const std::string& entry) {
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
std::vector<MenuNode> readDropDown(const std::vector<std::string>& entries, std::size_t& pos) {
    std::vector<MenuNode> nodes;
    for (;;) {
        if (pos >= entries.size()) throw std::invalid_argument("menu text ends inside a drop-down menu");
        const std::string& entry = entries[pos++];
        if (entry.empty()) return nodes;
        if (entry == "-")
            nodes.push_back(MenuNode::separator());
        else if (entry.front() == '>')
            nodes.push_back(MenuNode::submenu(entry.substr(1), readDropDown(entries, pos)));
        else
            nodes.push_back(commandItem(entry));
    }
}

} // namespace

std::vector<platform::MenuNode> readMenuText(const std::vector<std::string>& entries) {
    std::vector<MenuNode> bar;
    std::size_t pos = 0;
    while (pos < entries.size() && !entries[pos].empty()) {
        std::string title = entries[pos++];
        bar.push_back(MenuNode::submenu(std::move(title), readDropDown(entries, pos)));
    }
    return bar;
}

} // namespace quintaro
