// The menu bar as text entries, and the reader that turns them into drop-down menus.
#pragma once

#include "platform/menu.h"

#include <string>
#include <vector>

namespace quintaro {

// Top level: each entry is a drop-down title, an empty entry ends the bar. Inside a drop-down: "-" is a
// separator, ">Title" opens a nested drop-down ended by an empty entry, "id:text" is a command item,
// an empty entry ends the drop-down.
const std::vector<std::string>& menuText();

// Reads menu text into drop-down menus. Throws std::invalid_argument for a command entry without
// a decimal id before its first ":" and for text that ends inside a drop-down.
std::vector<platform::MenuNode> readMenuText(const std::vector<std::string>& entries);

} // namespace quintaro
