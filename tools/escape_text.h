// Bytes from files and the command line made safe to print on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quintaro {

// text with valid UTF-8 kept, except control characters: those (C0, DEL and C1), bytes that are not
// valid UTF-8 and the backslash itself come out as \xNN (the backslash as \\), so no byte of the
// input can move the cursor, change colours or break the terminal's decoding.
std::string escapeText(std::string_view text);

// A name shown in a message is cut to this many characters.
constexpr std::size_t kShownNameLength = 200;

// A file name or argument as a message shows it: escaped as escapeText does; when that is longer
// than kShownNameLength characters, its middle gives way to "…" so that the start and the end (the
// file's own name) stay, kShownNameLength characters in all. An escape is never cut apart.
std::string shownName(std::string_view name);

} // namespace quintaro
