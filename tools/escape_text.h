// Bytes from files and the command line made safe to print on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace quintaro {

// text with valid UTF-8 kept, except control characters: those (C0, DEL and C1), bytes that are not
// valid UTF-8 and the backslash itself come out as \xNN (the backslash as \\), so no byte of the
// input can move the cursor, change colours or break the terminal's decoding.
std::string escapeText(std::string_view text);

} // namespace quintaro
