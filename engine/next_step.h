// The player's next step by deduction alone: the entry that must go first, or the next forced placement.
#pragma once

#include "engine/board.h"
#include "engine/placement_trace.h"

namespace quintaro {

enum class StepKind {
    WrongEntry,     // a player's entry contradicts the complete solution; it must go first
    Placement,      // the deduction places a symbol next
    FieldFull,      // no cell is empty
    NothingFollows, // the deduction places nothing (it is stuck, or the field breaks a rule)
};

struct NextStep {
    StepKind kind = StepKind::NothingFollows;
    int grid = 0, column = 0, row = 0; // the cell, for WrongEntry and Placement
    Placement placement{};             // for Placement: the symbol and the scan that forces it
};

// The next step on b as it stands; b is not changed and the answer depends on nothing else.
// When b.noSolution is false, the first entry that is not a given and differs from b.solution
// (grids 0..3, rows, then columns in reading order) is the answer. Otherwise the answer is the first
// placement the deduction passes would make on b, in the solver's own scan order, so a player who
// follows every step fills the field exactly where the passes do. Entries above 9 deduce nothing.
NextStep nextStep(const Board& b);

} // namespace quintaro
