// The hidden solve, the symbol counts, the full-field test and the dead-end tests.
#include "engine/solution.h"

#include "engine/fast_solver.h"
#include "engine/grid_cell.h"
#include "engine/rules.h"

namespace quintaro {

namespace {

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
    forEachCell([&](GridCell k) { cellAt(b.boardBackup, k.column, k.row, k.grid) = cellAt(b.board, k.column, k.row, k.grid); });
    b.silentSolve = true;
    const int passes = runSolvePasses(b, observer, path);
    b.noSolution = !isFieldFull(b);
    b.solution.fill(0);
    forEachCell([&](GridCell k) {
        cellAt(b.solution, k.column, k.row, k.grid) = cellAt(b.board, k.column, k.row, k.grid);
        cellAt(b.board, k.column, k.row, k.grid) = cellAt(b.boardBackup, k.column, k.row, k.grid);
    });
    b.silentSolve = false;
    return passes;
}

void computeGameSolution(Board& b) {
    const CellLayer entries = b.board;
    forEachCell([&](GridCell k) {
        if (cellAt(b.givens, k.column, k.row, k.grid) == 0) cellAt(b.board, k.column, k.row, k.grid) = 0;
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
    forEachCell([&](GridCell k) { count += cellAt(b.givens, k.column, k.row, k.grid) != 0; });
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

bool hasWrongEntry(const Board& b) {
    return anyCell([&](GridCell k) {
        const std::uint8_t v = cellAt(b.board, k.column, k.row, k.grid);
        return cellAt(b.givens, k.column, k.row, k.grid) == 0 && v != 0 && cellAt(b.solution, k.column, k.row, k.grid) != v;
    });
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
