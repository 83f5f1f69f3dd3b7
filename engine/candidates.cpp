// Restarting and clearing the board, and the candidates shown to the player.
#include "engine/candidates.h"

#include "engine/fast_solver.h"
#include "engine/grid_cell.h"
#include "engine/rules.h"

namespace quintaro {

namespace {

void literalCandidates(Board& b) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) {
                std::uint8_t& cell = cellAt(b.board, c, r, g);
                if (cell != 0) continue;
                for (int s = 1; s <= 9; ++s) {
                    cell = static_cast<std::uint8_t>(s);
                    b.candidates[candidateIndex(c, r, s, g)] = checkRules(b);
                }
                cell = 0;
            }
        }
    }
}

} // namespace

void restartBoard(Board& b) {
    b.candidates.fill(false);
    forEachCell([&](GridCell k) {
        if (cellAt(b.givens, k.column, k.row, k.grid) == 0) cellAt(b.board, k.column, k.row, k.grid) = 0;
    });
}

void clearBoard(Board& b) {
    b.noSolution = false;
    b.board.fill(0);
    b.givens.fill(0);
    b.candidates.fill(false);
}

void computeCandidates(Board& b, bool showCandidates, SolverPath path) {
    if (showCandidates) {
        b.candidates.fill(false);
        if (path == SolverPath::Literal || !fastCandidates(b)) literalCandidates(b);
    }
    mergeSharedCandidates(b);
}

void mergeSharedCandidates(Board& b) {
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                for (int s = 1; s <= 9; ++s) {
                    bool& master =
                        b.candidates[candidateIndex(box.masterColumn + dc, box.masterRow + dr, s, box.masterGrid)];
                    bool& second =
                        b.candidates[candidateIndex(box.secondColumn + dc, box.secondRow + dr, s, box.secondGrid)];
                    if (!master || !second) master = second = false;
                }
            }
        }
    }
}

} // namespace quintaro
