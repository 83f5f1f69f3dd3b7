// The next step on random puzzles: right, for the reason it names, and walked to the end like the passes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/next_step.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x4E585400;
constexpr int kBoards = 400;

bool admits(Board& b, int c, int r, int g, int s) {
    const int before = cellAt(b.board, c, r, g);
    test::setBoth(b.board, c, r, g, s);
    const bool ok = checkRules(b);
    test::setBoth(b.board, c, r, g, before);
    return ok;
}

// True when the placement's reason holds on b: its cell admits its symbol alone, or its symbol fits
// no other empty cell of the box, row or column it names.
bool reasonHolds(Board& b, const Placement& p) {
    if (cellAt(b.board, p.column, p.row, p.grid) != 0) return false;
    if (p.scan == Scan::BoxSingleCandidate) {
        for (int s = 1; s <= 9; ++s)
            if (admits(b, p.column, p.row, p.grid, s) != (s == p.symbol)) return false;
        return true;
    }
    int places = 0;
    bool here = false;
    for (int k = 0; k < 9; ++k) {
        int c = k + 1, r = p.unit;
        if (p.scan == Scan::ColumnSinglePlace) std::swap(c, r);
        if (p.scan == Scan::BoxSinglePlace) c = (p.unit - 1) % 3 * 3 + k % 3 + 1, r = (p.unit - 1) / 3 * 3 + k / 3 + 1;
        if (cellAt(b.board, c, r, p.grid) == 0 && admits(b, c, r, p.grid, p.symbol)) {
            ++places;
            here = here || (c == p.column && r == p.row);
        }
    }
    return places == 1 && here;
}

bool samePlace(const NextStep& step, int c, int r, int g) {
    int tc = 0, tr = 0, tg = 0;
    return (step.column == c && step.row == r && step.grid == g) ||
           (sharedTwin(c, r, g, tc, tr, tg) && step.column == tc && step.row == tr && step.grid == tg);
}

TEST(NextStep, EachStepIsRightForItsReasonAndTheStepsFillWhatThePassesFill) {
    std::map<std::string, int> reached;
    for (int i = 0; i < kBoards; ++i) {
        const std::uint64_t seed = kBaseSeed + static_cast<std::uint64_t>(i);
        SCOPED_TRACE(testing::Message() << "board seed " << seed);
        SeededRandom rnd(seed);
        Board b = test::puzzleWithGaps(seed, 40 + rnd.random(170));
        BoardView quiet;
        computeSolution(b, quiet);
        reached[b.noSolution ? "passes stuck" : "passes complete"]++;

        Board walk = b;
        NextStep step = nextStep(walk);
        for (; step.kind == StepKind::Placement; step = nextStep(walk)) {
            const Placement& p = step.placement;
            ASSERT_TRUE(reasonHolds(walk, p)) << scanName(p.scan) << " " << p.unit << " of grid " << p.grid << ": "
                                              << p.symbol << " at " << p.column << "," << p.row;
            ASSERT_EQ((std::tuple{step.column, step.row, step.grid}), (std::tuple{p.column, p.row, p.grid}));
            if (!b.noSolution) {
                ASSERT_EQ(p.symbol, cellAt(b.solution, p.column, p.row, p.grid));
            }
            test::setBoth(walk.board, p.column, p.row, p.grid, p.symbol);
            reached[scanName(p.scan)]++;
        }
        if (!b.noSolution) {
            ASSERT_EQ(step.kind, StepKind::FieldFull);
            ASSERT_EQ(walk.board, b.solution);
        } else {
            // Without the passes' cap the steps reach at least as far.
            for (int k = 0; k < kCellLayerSize; ++k)
                if (b.solution[k] != 0) {
                    ASSERT_EQ(walk.board[k], b.solution[k]) << "layer index " << k;
                }
            reached[step.kind == StepKind::FieldFull ? "steps beyond the cap" : "steps stuck"]++;
            continue;
        }

        // A wrong entry among right ones goes first; without a complete solution nothing is judged.
        Board wrong = b;
        int c = 0, r = 0, g = 0;
        for (int n = 0; n < 3 || cellAt(wrong.board, c, r, g) != 0;) {
            c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
            if (cellAt(wrong.board, c, r, g) == 0 && n++ < 3) test::setBoth(wrong.board, c, r, g, cellAt(b.solution, c, r, g));
        }
        test::setBoth(wrong.board, c, r, g, cellAt(b.solution, c, r, g) % 9 + 1);
        const NextStep first = nextStep(wrong);
        ASSERT_EQ(first.kind, StepKind::WrongEntry);
        ASSERT_TRUE(samePlace(first, c, r, g)) << first.column << "," << first.row << " of " << first.grid;
        wrong.noSolution = true;
        ASSERT_NE(nextStep(wrong).kind, StepKind::WrongEntry);
    }
    for (const char* what : {"passes complete", "passes stuck", "steps stuck", "box single candidate", "box single place",
                             "row single place", "column single place"})
        EXPECT_GT(reached[what], 0) << what;
}

TEST(NextStep, NothingFollowsOnAnEmptyConflictingOrDamagedFieldAndAFullOneSaysSo) {
    Board empty;
    Board conflict = test::puzzleWithGaps(5, 80);
    cellAt(conflict.board, 1, 9, 3) = cellAt(conflict.board, 9, 9, 3) = 5;
    Board damaged = test::puzzleWithGaps(6, 1);
    cellAt(damaged.board, 5, 5, 0) = 200;
    for (Board* b : {&empty, &conflict, &damaged}) {
        b->noSolution = true; // nothing to judge entries by
        EXPECT_EQ(nextStep(*b).kind, StepKind::NothingFollows);
    }
    EXPECT_EQ(nextStep(test::fullBoard(7)).kind, StepKind::FieldFull);
}

} // namespace
} // namespace quintaro
