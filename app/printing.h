// Printing the board on one page: heading, the four grids with their symbols, and a footer.
#pragma once

#include "engine/board.h"
#include "platform/platform.h"

#include <string>

namespace quintaro {

// Prints board on one page of the printer, symbols as digits or letters, the footer naming levelName,
// then puzzleName unless it is empty, and the givens, which it recounts into givenCount; "Druckerfehler!"
// when printing fails. A cancelled print dialog prints nothing and changes nothing.
void printBoard(platform::Platform& platform, Board& board, bool digitMode, const std::string& levelName,
                const std::string& puzzleName, int& givenCount);

} // namespace quintaro
