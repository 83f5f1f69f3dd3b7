// Placeholder: the fast path declines every board until it is built.
#include "engine/fast_solver.h"

namespace quintaro {

bool runFastSolvePasses(Board&, BoardView&, PlacementObserver*, int&) { return false; }
bool fastHasNoDeadEnd(const Board&, bool&) { return false; }
bool fastCandidates(Board&) { return false; }

} // namespace quintaro
