// The game values the side panels show.
#pragma once

#include <string>

namespace quintaro {

struct PanelValues {
    bool digitMode = true;  // symbols as digits 1..9, else as letters A..I
    int errorCount = 0;
    int givenCount = 0;
    std::string levelName;  // as shown, with its blanks (" Leicht ")
};

} // namespace quintaro
