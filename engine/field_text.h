// The text form of a field: 21 lines of 21 characters, for the puzzle tool and for tests.
#pragma once

#include <string>
#include <string_view>

#include "engine/board.h"

namespace quintaro {

// Where a text field went wrong: 1-based line and column, and what was found there.
struct TextError {
    int line = 0;
    int column = 0;
    std::string message;
};

// Grid g's cell (c, r) lies at field column kGridFieldColumn[g] + c - 1, field row kGridFieldRow[g] + r - 1.
// Returns false for field cells that belong to no grid; otherwise the lowest grid holding the cell.
bool gridOfFieldCell(int fieldColumn, int fieldRow, int& g, int& c, int& r);

// Reads a text field into layer: '1'..'9' a symbol, '.' or '0' an empty grid cell, a blank where no
// grid lies; trailing blanks may be left out, a CR before the line end is ignored, and blank lines
// after the 21st are allowed. Both copies of a shared cell get its symbol; index-0 entries become 0.
// On failure returns false, leaves layer unchanged and describes the first fault in err.
bool parseFieldText(std::string_view text, CellLayer& layer, TextError& err);

// Writes layer as 21 lines of 21 characters each ending in '\n', shared cells from their master copy,
// trailing blanks left out. Entries above 9 are shown as '?'.
std::string fieldToText(const CellLayer& layer);

} // namespace quintaro
