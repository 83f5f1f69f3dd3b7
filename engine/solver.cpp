// The deduction steps exactly as the game describes them: every trial runs the whole-field rule check.
#include "engine/solver.h"

#include "engine/fast_solver.h"
#include "engine/player_cell.h"
#include "engine/rules.h"

namespace quintaro {

namespace {

// Writes s into the cell and, for a shared cell, into its twin so that both grids take part; checks
// the whole field and puts the previous entries back.
bool trialPasses(Board& b, int c, int r, int g, int s) {
    std::uint8_t& cell = cellAt(b.board, c, r, g);
    int tc = 0, tr = 0, tg = 0;
    std::uint8_t* twin = sharedTwin(c, r, g, tc, tr, tg) ? &cellAt(b.board, tc, tr, tg) : nullptr;
    const std::uint8_t cellBefore = cell;
    const std::uint8_t twinBefore = twin ? *twin : 0;
    cell = static_cast<std::uint8_t>(s);
    if (twin) *twin = static_cast<std::uint8_t>(s);
    const bool ok = checkRules(b);
    cell = cellBefore;
    if (twin) *twin = twinBefore;
    return ok;
}

struct Step {
    int grid;
    Scan scan;
    int unit;
    PlacementObserver* observer;
    int pass;
};

void place(Board& b, int c, int r, int s, const Step& step) {
    const int g = step.grid;
    setCellAndTwin(b.board, c, r, g, static_cast<std::uint8_t>(s));
    const CellJudgement judged = judgePlayerCell(b, {g, c, r}, s);
    if (step.observer) step.observer->placed({step.scan, g, step.unit, s, c, r, step.pass, judged});
}

int boxNumber(int c0, int r0) { return (r0 - 1) / 3 * 3 + (c0 - 1) / 3 + 1; }

// One single-place scan of a row (byRow) or a column of grid g.
void solveLine(Board& b, int g, int line, bool byRow, PlacementObserver* observer, int pass) {
    const Step step{g, byRow ? Scan::RowSinglePlace : Scan::ColumnSinglePlace, line, observer, pass};
    for (int s = 1; s <= 9; ++s) {
        int hits = 0, hitC = 0, hitR = 0;
        for (int k = 1; k <= 9; ++k) {
            const int c = byRow ? k : line;
            const int r = byRow ? line : k;
            if (cellAt(b.board, c, r, g) == 0 && trialPasses(b, c, r, g, s)) {
                ++hits;
                hitC = c;
                hitR = r;
            }
        }
        if (hits == 1) place(b, hitC, hitR, s, step);
    }
}

} // namespace

void solveBlock(Board& b, int g, int c0, int r0, PlacementObserver* observer, int pass) {
    const int unit = boxNumber(c0, r0);
    const Step candidateStep{g, Scan::BoxSingleCandidate, unit, observer, pass};
    for (int c = c0; c <= c0 + 2; ++c) {
        for (int r = r0; r <= r0 + 2; ++r) {
            int hits = 0, hitS = 0;
            for (int s = 1; s <= 9; ++s) {
                if (cellAt(b.board, c, r, g) == 0 && trialPasses(b, c, r, g, s)) {
                    ++hits;
                    hitS = s;
                }
            }
            if (hits == 1) place(b, c, r, hitS, candidateStep);
        }
    }
    const Step placeStep{g, Scan::BoxSinglePlace, unit, observer, pass};
    for (int s = 1; s <= 9; ++s) {
        int hits = 0, hitC = 0, hitR = 0;
        for (int c = c0; c <= c0 + 2; ++c) {
            for (int r = r0; r <= r0 + 2; ++r) {
                if (cellAt(b.board, c, r, g) == 0 && trialPasses(b, c, r, g, s)) {
                    ++hits;
                    hitC = c;
                    hitR = r;
                }
            }
        }
        if (hits == 1) place(b, hitC, hitR, s, placeStep);
    }
}

void solveRow(Board& b, int g, int r, PlacementObserver* observer, int pass) {
    solveLine(b, g, r, true, observer, pass);
}

void solveColumn(Board& b, int g, int c, PlacementObserver* observer, int pass) {
    solveLine(b, g, c, false, observer, pass);
}

int runSolvePasses(Board& b, PlacementObserver* observer, SolverPath path) {
    if (path == SolverPath::Fast) {
        int passes = 0;
        if (runFastSolvePasses(b, observer, passes)) return passes;
    }
    int pass = 1;
    for (;;) {
        b.boardChanged = false;
        for (int g = 0; g < kGridCount; ++g) {
            for (int c0 = 1; c0 <= 7; c0 += 3) {
                for (int r0 = 1; r0 <= 7; r0 += 3) solveBlock(b, g, c0, r0, observer, pass);
            }
            for (int k = 1; k <= 9; ++k) {
                solveRow(b, g, k, observer, pass);
                solveColumn(b, g, k, observer, pass);
            }
        }
        if (!b.boardChanged || pass >= kMaxSolvePasses) return pass;
        ++pass;
    }
}

} // namespace quintaro
