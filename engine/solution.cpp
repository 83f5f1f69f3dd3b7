// The hidden solve, the symbol counts, the full-field test and the dead-end tests.
#include "engine/solution.h"

#include "engine/fast_solver.h"
#include "engine/grid_cell.h"
#include "engine/rules.h"

namespace quintaro {

namespace {

// Calls f(c, r, g) for every cell of the four grids in the layers' memory order: for the copies of the
// hidden solve, where the order makes no difference but the walk in memory order is measurably faster.
template <class F>
void forEachLayerCell(F&& f) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) f(c, r, g);
        }
    }
}

bool literalHasNoDeadEnd(Board& b) {
    return !anyCell([&](GridCell k) {
        std::uint8_t& cell = cellAt(b.board, k.column, k.row, k.grid);
        if (cell != 0) return false;
        bool admits = false;
        for (int s = 1; s <= 9 && !admits; ++s) {
            cell = static_cast<std::uint8_t>(s);
            admits = checkRules(b);
            cell = 0;
        }
        return !admits;
    });
}

} // namespace

int computeSolution(Board& b, SolverPath path, PlacementObserver* observer) {
    forEachLayerCell([&](int c, int r, int g) { cellAt(b.boardBackup, c, r, g) = cellAt(b.board, c, r, g); });
    b.silentSolve = true;
    const int passes = runSolvePasses(b, observer, path);
    b.noSolution = !isFieldFull(b);
    b.solution.fill(0);
    forEachLayerCell([&](int c, int r, int g) {
        cellAt(b.solution, c, r, g) = cellAt(b.board, c, r, g);
        cellAt(b.board, c, r, g) = cellAt(b.boardBackup, c, r, g);
    });
    b.silentSolve = false;
    return passes;
}

void computeGameSolution(Board& b) {
    const CellLayer entries = b.board;
    forEachLayerCell([&](int c, int r, int g) {
        if (cellAt(b.givens, c, r, g) == 0) cellAt(b.board, c, r, g) = 0;
    });
    computeSolution(b);
    b.board = entries;
    if (b.noSolution) computeSolution(b);
}

void recountSymbols(Board& b) {
    clearSharedCopies(b);
    b.symbolCounts.fill(0);
    forEachCell([&](GridCell k) {
        const std::uint8_t v = cellAt(b.board, k.column, k.row, k.grid);
        // An entry above 9 is no symbol; it is not counted rather than indexing past the counts.
        if (v <= 9) ++b.symbolCounts[v];
    });
    syncSharedBoxes(b);
}

int countGivenCells(Board& b) {
    clearSharedCopies(b);
    int count = 0;
    forEachLayerCell([&](int c, int r, int g) { count += cellAt(b.givens, c, r, g) != 0; });
    syncSharedBoxes(b);
    return count;
}

bool allSymbolsComplete(const Board& b) {
    for (int s = 1; s <= 9; ++s) {
        if (b.symbolCounts[s] != kSymbolTotal) return false;
    }
    return true;
}

bool isFieldFull(Board& b) {
    recountSymbols(b);
    return allSymbolsComplete(b);
}

bool hasNoDeadEnd(Board& b, SolverPath path) {
    if (path == SolverPath::Fast) {
        bool result = false;
        if (fastHasNoDeadEnd(b, result)) return result;
    }
    return literalHasNoDeadEnd(b);
}

bool solveRanIntoDeadEnd(Board& b, SolverPath path) {
    const bool completeAndValid = isFieldFull(b) && checkRules(b);
    return !completeAndValid && !hasNoDeadEnd(b, path);
}

} // namespace quintaro
