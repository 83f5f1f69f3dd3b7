// Helpers shared by the engine tests: a placement trace and boards to start from.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/candidates.h"
#include "engine/field_text.h"
#include "engine/full_field.h"
#include "engine/rules.h"
#include "engine/solution.h"
#include "engine/solver.h"

namespace quintaro::test {

// Each placement reported, as one line of text, and how it was judged.
struct Trace : PlacementObserver {
    std::vector<std::string> placements;
    std::vector<CellJudgement> judged;
    void placed(const Placement& p) override {
        judged.push_back(p.judged);
        placements.push_back(std::string(scanName(p.scan)) + " " + std::to_string(p.unit) + " of grid " +
                             std::to_string(p.grid) + ": " + std::to_string(p.symbol) + " at " +
                             std::to_string(p.column) + "," + std::to_string(p.row) + " in pass " +
                             std::to_string(p.pass));
    }
};

// A board whose entries, read from field text, are all givens.
inline Board puzzleFromText(std::string_view text) {
    Board b;
    TextError err;
    EXPECT_TRUE(parseFieldText(text, b.board, err)) << err.line << ":" << err.column << " " << err.message;
    b.givens = b.board;
    return b;
}

// Writes v into cell (c, r, g) and into its twin when the cell is shared.
inline void setBoth(CellLayer& layer, int c, int r, int g, int v) {
    setCellAndTwin(layer, c, r, g, static_cast<std::uint8_t>(v));
}

// A full field with `gaps` random distinct cells emptied, all the rest givens.
inline Board puzzleWithGaps(std::uint64_t seed, int gaps) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    while (gaps > 0) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        if (cellAt(b.board, c, r, g) == 0) continue;
        setBoth(b.board, c, r, g, 0);
        --gaps;
    }
    b.givens = b.board;
    return b;
}

inline Board fullBoard(std::uint64_t seed) { return puzzleWithGaps(seed, 0); }

// A full field (fullBoard(23)) with the player's v in Y, another cell of X's row, where it breaks no
// rule once the v of Y's column and box are not given: X = (5, 5) of grid 0 then admits nothing, and
// only a restarted board solves.
inline Board deadEndBoard() {
    const Board field = fullBoard(23);
    Board b = field;
    const int v = cellAt(field.board, 5, 5, 0);
    for (int i = 0; i < kCellLayerSize; ++i) {
        const int c = i / 40, r = i / 4 % 10;
        if (i % 4 == 0 && field.board[i] == v && c >= 7 && (c == 8 || (r >= 4 && r <= 6))) setBoth(b.board, c, r, 0, 0);
    }
    cellAt(b.board, 5, 5, 0) = cellAt(b.board, 8, 5, 0) = 0;
    b.givens = b.board;
    cellAt(b.board, 8, 5, 0) = static_cast<std::uint8_t>(v);
    EXPECT_TRUE(checkRules(b) && !hasNoDeadEnd(b));
    return b;
}

// Filled cells of columns and rows 1..9 of all grids, both copies of a shared cell counted.
inline int filledCells(const CellLayer& layer) {
    int n = 0;
    for (int i = 0; i < kCellLayerSize; ++i) n += i / 40 != 0 && i / 4 % 10 != 0 && layer[i] != 0;
    return n;
}

inline bool sharedCopiesEqual(const CellLayer& layer) {
    Board b;
    b.board = layer;
    syncSharedBoxes(b);
    return b.board == layer;
}

inline std::string pathName(const testing::TestParamInfo<SolverPath>& info) {
    return info.param == SolverPath::Fast ? "Fast" : "Literal";
}

} // namespace quintaro::test
