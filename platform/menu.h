// A menu bar described as data: drop-down menus of command items, separators and nested menus.
#pragma once

#include <string>
#include <vector>

namespace quintaro::platform {

// Texts mark the accelerator letter with "&" as usual ("&Neues Spiel").
struct MenuNode {
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    int id = 0;                     // Item: the command id its choice delivers
    std::string text;               // Item and Submenu
    std::vector<MenuNode> children; // Submenu
    bool checkable = false;         // Item: shows a check mark box

    static MenuNode item(int id, std::string text) { return {Kind::Item, id, std::move(text), {}, false}; }
    static MenuNode separator() { return {Kind::Separator, 0, {}, {}, false}; }
    static MenuNode submenu(std::string text, std::vector<MenuNode> children) {
        return {Kind::Submenu, 0, std::move(text), std::move(children), false};
    }
    friend bool operator==(const MenuNode&, const MenuNode&) = default;
};

} // namespace quintaro::platform
