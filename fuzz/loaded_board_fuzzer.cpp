// libFuzzer harness: arbitrary bytes read as a board-file record and then played on as a loaded board
// is: hidden solve, the solution a load computes, dead-end test, candidates. Whatever a damaged file
// holds must stay in bounds and give answers that fit together.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/candidates.h"
#include "engine/rules.h"
#include "engine/solution.h"
#include "storage/board_record.h"

namespace {

using namespace quintaro;

void require(bool ok) {
    if (!ok) std::abort();
}

// The solution a hidden solve leaves: symbols in the grid cells only, a complete one full with both
// copies of each shared cell equal, and every cell that board and givens agree on kept.
void checkSolution(const Board& start, const Board& solved) {
    require(solved.board == start.board && solved.givens == start.givens);
    Board full;
    full.board = solved.solution;
    for (int i = 0; i < kCellLayerSize; ++i) {
        const int c = i / 40, r = i / 4 % 10;
        require(c == 0 || r == 0 ? solved.solution[i] == 0 : solved.solution[i] <= 9);
        if (c != 0 && r != 0 && start.board[i] != 0 && start.board[i] == start.givens[i])
            require(solved.solution[i] == start.board[i]);
        if (!solved.noSolution && c != 0 && r != 0) require(solved.solution[i] != 0);
    }
    if (!solved.noSolution) {
        Board copy = full;
        syncSharedBoxes(copy);
        require(copy.board == full.board);
    }
}

// Candidates only on empty grid cells, equal on both copies of a shared cell. Outside the shared boxes
// (where the two copies' flags are merged) an empty cell without any is exactly a dead end, and a
// board without empty cells has none.
void checkCandidates(const Board& b, bool noDeadEnd) {
    bool someCellWithout = false, someEmptyCell = false;
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 0; c <= 9; ++c) {
            for (int r = 0; r <= 9; ++r) {
                int count = 0;
                for (int s = 0; s <= 9; ++s) count += b.candidates[candidateIndex(c, r, s, g)];
                const bool gridCell = c != 0 && r != 0;
                require(gridCell && cellAt(b.board, c, r, g) == 0 ? !b.candidates[candidateIndex(c, r, 0, g)]
                                                                  : count == 0);
                if (!gridCell || cellAt(b.board, c, r, g) != 0) continue;
                someEmptyCell = true;
                int tc = 0, tr = 0, tg = 0;
                if (!sharedTwin(c, r, g, tc, tr, tg))
                    someCellWithout = someCellWithout || count == 0;
                else
                    for (int s = 1; s <= 9; ++s)
                        require(b.candidates[candidateIndex(c, r, s, g)] ==
                                b.candidates[candidateIndex(tc, tr, s, tg)]);
            }
        }
    }
    if (someCellWithout) require(!noDeadEnd);
    if (!someEmptyCell) require(noDeadEnd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Board b;
    RecordClock clock;
    if (!decodeBoardRecord(std::span<const std::uint8_t>(data, size), b, clock)) return 0;
    // A record whose two copies of a shared cell differ is solved by the reference steps, which take
    // milliseconds; solver_paths_fuzzer plays those. Here the master copies win, as after any placement.
    syncSharedBoxes(b);

    Board played = b;
    const int passes = computeSolution(played);
    require(passes >= 1 && passes <= kMaxSolvePasses);
    checkSolution(b, played);
    computeGameSolution(played);
    checkSolution(b, played);

    const bool noDeadEnd = hasNoDeadEnd(played);
    require(played.board == b.board);
    computeCandidates(played, true);
    require(played.board == b.board);
    checkCandidates(played, noDeadEnd);
    return 0;
}
