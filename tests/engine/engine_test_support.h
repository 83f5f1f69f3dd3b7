// Helpers shared by the engine tests: a recording view, a placement trace and boards to start from.
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

// Records what the engine asks of the screen; its status is "solved" when the field is full and valid.
struct RecordingView : BoardView {
    struct Shown { int g; bool wrong; };
    std::vector<Shown> shown;
    int stopTimingCalls = 0, candidateDraws = 0, notSolvableMessages = 0, busy = 0;

    void showPlayerCell(const Board&, int, int, int g, int, bool wrong) override { shown.push_back({g, wrong}); }
    void stopTiming() override { ++stopTimingCalls; }
    void showCandidates(const Board&) override { ++candidateDraws; }
    bool countSymbols(Board& b) override { return isFieldFull(b) && checkRules(b); }
    void setBusy(bool on) override { busy += on ? 1 : -1; }
    void showNotSolvableMessage() override { ++notSolvableMessages; }
};

// Each placement reported, as one line of text.
struct Trace : PlacementObserver {
    std::vector<std::string> placements;
    void placed(const Placement& p) override {
        placements.push_back(std::string(scanName(p.scan)) + " " + std::to_string(p.unit) + " of grid " +
                             std::to_string(p.grid) + ": " + std::to_string(p.symbol) + " at " + std::to_string(p.column) +
                             "," + std::to_string(p.row) + " in pass " + std::to_string(p.pass));
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
