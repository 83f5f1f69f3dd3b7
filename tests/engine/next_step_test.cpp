// The next step on random puzzles: right, for the reason it names, and walked to where the passes get.
#include <gtest/gtest.h>

#include <set>

#include "engine/next_step.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x4E585400;

bool admits(Board& b, int c, int r, int g, int s) {
    const int before = cellAt(b.board, c, r, g);
    test::setBoth(b.board, c, r, g, s);
    const bool ok = checkRules(b);
    test::setBoth(b.board, c, r, g, before);
    return ok;
}

// The placement's reason holds on b: its cell admits its symbol alone, or its symbol fits no other
// empty cell of the box, row or column it names.
bool reasonHolds(Board& b, const Placement& p) {
    int fits = 0;
    for (int k = 0; k < 9; ++k) {
        int c = k + 1, r = p.unit, s = p.symbol;
        if (p.scan == Scan::BoxSingleCandidate) c = p.column, r = p.row, s = k + 1;
        if (p.scan == Scan::ColumnSinglePlace) std::swap(c, r);
        if (p.scan == Scan::BoxSinglePlace) c = (p.unit - 1) % 3 * 3 + k % 3 + 1, r = (p.unit - 1) / 3 * 3 + k / 3 + 1;
        if (cellAt(b.board, c, r, p.grid) == 0 && admits(b, c, r, p.grid, s))
            fits += c == p.column && r == p.row && s == p.symbol ? 1 : 10;
    }
    return fits == 1;
}

TEST(NextStep, EachStepIsRightForItsReasonAndTheStepsFillWhatThePassesFill) {
    std::set<Scan> scans;
    for (int i = 0; i < 400; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE(testing::Message() << "board seed " << seed);
        SeededRandom rnd(seed);
        Board b = test::puzzleWithGaps(seed, 40 + rnd.random(170));
        computeSolution(b);

        Board walk = b;
        NextStep step = nextStep(walk);
        for (; step.kind == StepKind::Placement; step = nextStep(walk)) {
            const Placement& p = step.placement;
            ASSERT_TRUE(reasonHolds(walk, p)) << scanName(p.scan) << " " << p.unit << " of grid " << p.grid << ": "
                                              << p.symbol << " at " << p.column << "," << p.row;
            ASSERT_TRUE(b.noSolution || p.symbol == cellAt(b.solution, p.column, p.row, p.grid));
            test::setBoth(walk.board, p.column, p.row, p.grid, p.symbol);
            scans.insert(p.scan);
        }
        // Without the passes' cap the steps reach at least as far.
        for (int k = 0; k < kCellLayerSize; ++k) ASSERT_TRUE(b.solution[k] == 0 || walk.board[k] == b.solution[k]) << k;
        ASSERT_EQ(step.kind == StepKind::FieldFull, !b.noSolution || test::filledCells(walk.board) == 288 + 36);
        if (b.noSolution) continue;

        // A wrong entry among right ones goes first (its master copy, where it is shared); without a
        // complete solution nothing is judged.
        Board wrong = b;
        int c = 0, r = 0, g = 0, tc = 0, tr = 0, tg = 0;
        for (int n = 0; n < 3 || cellAt(wrong.board, c, r, g) != 0 || (sharedTwin(c, r, g, tc, tr, tg) && tg < g);) {
            c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
            if (cellAt(wrong.board, c, r, g) == 0 && n++ < 3)
                test::setBoth(wrong.board, c, r, g, cellAt(b.solution, c, r, g));
        }
        test::setBoth(wrong.board, c, r, g, cellAt(b.solution, c, r, g) % 9 + 1);
        const NextStep first = nextStep(wrong);
        ASSERT_EQ((std::tuple{first.kind, first.column, first.row, first.grid}),
                  (std::tuple{StepKind::WrongEntry, c, r, g}));
        wrong.noSolution = true;
        ASSERT_NE(nextStep(wrong).kind, StepKind::WrongEntry);
    }
    EXPECT_EQ(scans.size(), 4u) << "every scan's reason was checked";

    // Nothing follows on an empty, a conflicting or a damaged field (with no solution to judge by).
    Board empty, conflict = test::puzzleWithGaps(5, 80), damaged = test::puzzleWithGaps(6, 1);
    cellAt(conflict.board, 1, 9, 3) = cellAt(conflict.board, 9, 9, 3) = 5;
    cellAt(damaged.board, 5, 5, 0) = 200;
    for (Board* b : {&empty, &conflict, &damaged}) {
        b->noSolution = true;
        EXPECT_EQ(nextStep(*b).kind, StepKind::NothingFollows);
    }
}

} // namespace
} // namespace quintaro
