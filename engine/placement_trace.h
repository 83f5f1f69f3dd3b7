// Reports every placement of the deduction passes with the reason it was forced and how it was judged.
#pragma once

#include "engine/player_cell.h"

namespace quintaro {

enum class Scan {
    BoxSingleCandidate, // the only symbol a cell of the box admits
    BoxSinglePlace,     // the only cell of the box that admits the symbol
    RowSinglePlace,     // the only cell of the row that admits the symbol
    ColumnSinglePlace,  // the only cell of the column that admits the symbol
};

struct Placement {
    Scan scan;
    int grid;             // 0..3, the grid of the step
    int unit;             // box 1..9 (row-major), row 1..9 or column 1..9 of that grid
    int symbol;           // 1..9
    int column;           // 1..9 in that grid
    int row;              // 1..9 in that grid
    int pass;             // 1..15
    CellJudgement judged; // against the solution known when it was placed
};

class PlacementObserver {
public:
    virtual ~PlacementObserver() = default;
    virtual void placed(const Placement& p) = 0;
};

const char* scanName(Scan s);

} // namespace quintaro
