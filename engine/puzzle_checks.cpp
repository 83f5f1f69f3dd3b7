// Symmetric pairs, hidden-solve runs on givens, shuffle robustness and the minimality test.
#include "engine/puzzle_checks.h"

#include "engine/field_text.h"
#include "engine/random_source.h"
#include "engine/shuffle.h"
#include "engine/solution.h"

#include <algorithm>

namespace quintaro {

namespace {

constexpr int kFieldSize = 21;

bool inSomeGrid(FieldCell f) {
    int g = 0, c = 0, r = 0;
    return gridOfFieldCell(f.x, f.y, g, c, r);
}

FieldCell opposite(FieldCell f) { return {kFieldSize - 1 - f.x, kFieldSize - 1 - f.y}; }

std::array<std::array<FieldCell, 2>, 144> makePairs() {
    std::array<std::array<FieldCell, 2>, 144> pairs{};
    int n = 0;
    for (int y = 0; y < kFieldSize; ++y)
        for (int x = 0; x < kFieldSize; ++x) {
            const FieldCell f{x, y};
            const FieldCell o = opposite(f);
            // Row-major order: the first cell of each pair is reached before its partner.
            if (inSomeGrid(f) && y * kFieldSize + x < o.y * kFieldSize + o.x) pairs[n++] = {f, o};
        }
    return pairs;
}

Board boardOfGivens(const CellLayer& givens) {
    Board b;
    b.board = givens;
    b.givens = givens;
    return b;
}

} // namespace

std::string fieldCellName(FieldCell f) {
    // Built by appending: "(" + std::to_string(...) trips a false overlap warning of GCC 12.
    std::string name = std::to_string(f.x);
    name.insert(0, 1, '(');
    return name + ", " + std::to_string(f.y) + ")";
}

const std::array<std::array<FieldCell, 2>, 144>& symmetricPairs() {
    static const auto pairs = makePairs();
    return pairs;
}

std::uint8_t fieldValue(const CellLayer& layer, FieldCell f) {
    int g = 0, c = 0, r = 0;
    return gridOfFieldCell(f.x, f.y, g, c, r) ? cellAt(layer, c, r, g) : 0;
}

void setFieldValue(CellLayer& layer, FieldCell f, std::uint8_t v) {
    for (int g = 0; g < kGridCount; ++g) {
        const int c = f.x - kGridFieldColumn[g] + 1;
        const int r = f.y - kGridFieldRow[g] + 1;
        if (c >= 1 && c <= 9 && r >= 1 && r <= 9) cellAt(layer, c, r, g) = v;
    }
}

int countFilled(const CellLayer& layer) {
    int n = 0;
    for (int y = 0; y < kFieldSize; ++y)
        for (int x = 0; x < kFieldSize; ++x)
            if (fieldValue(layer, {x, y}) != 0) ++n;
    return n;
}

std::vector<int> boxGivenCounts(const CellLayer& givens) {
    std::vector<int> counts;
    for (int g = 0; g < kGridCount; ++g)
        for (int box = 0; box < 9; ++box) {
            int n = 0;
            for (int k = 0; k < 9; ++k) n += cellAt(givens, box % 3 * 3 + k % 3 + 1, box / 3 * 3 + k / 3 + 1, g) != 0;
            counts.push_back(n);
        }
    std::sort(counts.begin(), counts.end());
    return counts;
}

bool isHalfTurnSymmetric(const CellLayer& layer) {
    for (const auto& [a, b] : symmetricPairs())
        if ((fieldValue(layer, a) != 0) != (fieldValue(layer, b) != 0)) return false;
    return true;
}

std::vector<FieldCell> unequalSharedCopies(const CellLayer& layer) {
    std::vector<FieldCell> cells;
    for (const SharedBox& box : kSharedBoxes)
        for (int dc = 0; dc < 3; ++dc)
            for (int dr = 0; dr < 3; ++dr) {
                const int mc = box.masterColumn + dc, mr = box.masterRow + dr;
                if (cellAt(layer, mc, mr, box.masterGrid) !=
                    cellAt(layer, box.secondColumn + dc, box.secondRow + dr, box.secondGrid))
                    cells.push_back(
                        {kGridFieldColumn[box.masterGrid] + mc - 1, kGridFieldRow[box.masterGrid] + mr - 1});
            }
    return cells;
}

SolveOutcome solveGivens(const CellLayer& givens, SolverPath path) {
    Board b = boardOfGivens(givens);
    SolveOutcome out;
    out.passes = computeSolution(b, path);
    out.complete = !b.noSolution;
    out.solution = b.solution;
    return out;
}

ShuffleOutcome checkShuffles(const CellLayer& givens, int perShape, std::uint64_t seed, bool stopAtFirstFailure,
                             SolverPath path) {
    SeededRandom seeds(seed);
    ShuffleOutcome out;
    for (bool symmetric : {true, false}) {
        for (int k = 0; k < perShape; ++k) {
            const std::uint64_t shuffleSeed = seeds.next();
            SeededRandom rnd(shuffleSeed);
            Board b = boardOfGivens(givens);
            shuffleMoves(b, rnd, symmetric);
            const int passes = computeSolution(b, path); // as shuffleBoard does, keeping the passes
            ++out.tried;
            if (!b.noSolution) {
                ++out.completedIn[static_cast<std::size_t>(passes)];
                continue;
            }
            if (out.failed++ == 0) {
                out.firstFailedSeed = shuffleSeed;
                out.firstFailedSymmetric = symmetric;
            }
            if (stopAtFirstFailure) return out;
        }
    }
    return out;
}

std::vector<std::array<FieldCell, 2>> removablePairs(const CellLayer& givens, SolverPath path) {
    std::vector<std::array<FieldCell, 2>> removable;
    for (const auto& pair : symmetricPairs()) {
        if (fieldValue(givens, pair[0]) == 0 && fieldValue(givens, pair[1]) == 0) continue;
        CellLayer fewer = givens;
        setFieldValue(fewer, pair[0], 0);
        setFieldValue(fewer, pair[1], 0);
        if (solveGivens(fewer, path).complete) removable.push_back(pair);
    }
    return removable;
}

} // namespace quintaro
