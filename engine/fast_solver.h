// The fast path of the deduction passes, the dead-end test and the candidates: per-grid bitmasks
// in place of the whole-field rule check, giving the same results as the literal steps.
#pragma once

#include "engine/board.h"
#include "engine/placement_trace.h"

namespace quintaro {

// The passes of runSolvePasses on bitmasks. Returns false, having changed nothing, when the board is
// outside what the masks model (an entry above 9, or the two copies of a shared cell differ); the
// caller then runs the literal passes. Otherwise stores the number of passes run in passes.
bool runFastSolvePasses(Board& b, PlacementObserver* observer, int& passes);

// hasNoDeadEnd on bitmasks; false, with result untouched, when an entry lies above 9.
bool fastHasNoDeadEnd(const Board& b, bool& result);

// Sets the candidate flags of every empty cell copy (flags must be cleared beforehand); false,
// having set nothing, when an entry lies above 9.
bool fastCandidates(Board& b);

} // namespace quintaro
