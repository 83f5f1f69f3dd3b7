// The next step: the wrong entry first, else the first placement of the deduction passes.
#include "engine/next_step.h"

#include <algorithm>

#include "engine/solution.h"
#include "engine/solver.h"

namespace quintaro {

namespace {

// Keeps the first placement of a run and ignores the rest.
class FirstPlacement final : public PlacementObserver {
public:
    void placed(const Placement& p) override {
        if (!seen) first = p;
        seen = true;
    }
    bool seen = false;
    Placement first{};
};

bool findWrongEntry(const Board& b, NextStep& step) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                const int s = cellAt(b.board, c, r, g);
                if (s != 0 && cellAt(b.givens, c, r, g) == 0 && s != cellAt(b.solution, c, r, g)) {
                    step = {StepKind::WrongEntry, g, c, r, {}};
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

NextStep nextStep(const Board& b) {
    NextStep step;
    if (!b.noSolution && findWrongEntry(b, step)) return step;
    // The rule check counts symbols 0..9 only; a damaged entry makes every deduction meaningless.
    if (std::any_of(b.board.begin(), b.board.end(), [](std::uint8_t s) { return s > 9; })) return step;

    Board scratch = b;
    scratch.silentSolve = true;
    FirstPlacement first;
    runSolvePasses(scratch, &first);
    if (first.seen) {
        const Placement& p = first.first;
        return {StepKind::Placement, p.grid, p.column, p.row, p};
    }
    if (isFieldFull(scratch)) step.kind = StepKind::FieldFull;
    return step;
}

} // namespace quintaro
