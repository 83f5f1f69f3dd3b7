// The deduction passes, the hidden solve and the solve command.
#include <gtest/gtest.h>

#include "engine/candidates.h"
#include "engine/solution.h"
#include "engine/solver.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::puzzleWithGaps;
using test::RecordingView;
using test::Trace;

void expectPlacement(const Placement& p, Scan scan, int grid, int unit, int symbol, int column, int row) {
    EXPECT_EQ(p.scan, scan) << scanName(p.scan);
    EXPECT_EQ(p.grid, grid);
    EXPECT_EQ(p.unit, unit);
    EXPECT_EQ(p.symbol, symbol);
    EXPECT_EQ(p.column, column);
    EXPECT_EQ(p.row, row);
    EXPECT_EQ(p.pass, 1);
}

// One deduction of each kind, each in its own grid:
// grid 0: its cell (7, 7) is grid 2's (1, 1); grid 0 leaves it 8 and 9, grid 2's column 1 holds the
//         8, so only a trial written into both copies finds a single candidate;
// grid 1: cell (5, 5) is left only 9 by its row, column and box;
// grid 2: in row 4 the 1 fits only column 9, a cell that still admits 1, 2 and 3;
// grid 3: the same in column 4, where the 1 fits only row 9.
constexpr const char* kOneOfEachScan =
    "      ......7..\n      .........\n      .........\n      .........\n      .........\n      .........\n"
    "....4.123456......1..\n"
    "....5................\n"
    "....6................\n"
    "...7.....   456789...\n"
    "123......   8........\n"
    ".....8...   .........\n"
    ".........4...........\n"
    ".........5.........1.\n"
    ".........6...........\n"
    "      ...7.....\n      ...8.....\n      ...9.....\n      1........\n      .......1.\n      .........\n";

// A minimal puzzle whose fifteenth pass still places symbols.
constexpr const char* kNeedsSixteenPasses =
    "      ....6..32\n      ..4......\n      ...81....\n      .4.6..3..\n      6...8....\n      .58..2..6\n"
    ".851.............1..8\n"
    ".................79.2\n"
    "..68..........3..4...\n"
    ".3......7   ...9..5.7\n"
    ".9..5....   .......3.\n"
    "..27....1   .3.......\n"
    "....2..7............6\n"
    "..4..9...6..2.....41.\n"
    ".6...5.....3....5....\n"
    "      8..91...3\n      .........\n      6..2.....\n      .....2.9.\n      ....4.57.\n      ..7.95..6\n";

class SolvePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(SolvePaths, TraceNamesEachScanInOrder) {
    Board b = test::puzzleFromText(kOneOfEachScan);
    Trace trace;
    RecordingView view;
    EXPECT_EQ(runSolvePasses(b, view, &trace, GetParam()), 2);
    ASSERT_EQ(trace.placements.size(), 4u);
    expectPlacement(trace.placements[0], Scan::BoxSingleCandidate, 0, 9, 9, 7, 7);
    expectPlacement(trace.placements[1], Scan::BoxSingleCandidate, 1, 5, 9, 5, 5);
    expectPlacement(trace.placements[2], Scan::RowSinglePlace, 2, 4, 1, 9, 4);
    expectPlacement(trace.placements[3], Scan::ColumnSinglePlace, 3, 4, 1, 4, 9);
    EXPECT_EQ(cellAt(b.board, 1, 1, 2), 9); // the shared placement lands in both grids
    ASSERT_EQ(view.shown.size(), 4u);
    EXPECT_EQ(view.shown[0].g, 0);
    EXPECT_EQ(b.activeGrid, 3);
    EXPECT_FALSE(b.boardChanged);
}

TEST_P(SolvePaths, SinglePlaceInABoxFillsACellThatAdmitsOthers) {
    // In grid 2's centre box the 1 is shut out of rows 4 and 6 and columns 4 and 6: only (5, 5) is left.
    Board b;
    cellAt(b.board, 1, 4, 2) = cellAt(b.board, 8, 6, 2) = cellAt(b.board, 4, 1, 2) = cellAt(b.board, 6, 9, 2) = 1;
    Trace trace;
    RecordingView view;
    runSolvePasses(b, view, &trace, GetParam());
    ASSERT_FALSE(trace.placements.empty());
    expectPlacement(trace.placements[0], Scan::BoxSinglePlace, 2, 5, 1, 5, 5);
}

TEST_P(SolvePaths, ConflictAnywherePlacesNothingInOnePass) {
    Board b = puzzleWithGaps(5, 80);
    cellAt(b.board, 1, 9, 3) = cellAt(b.board, 9, 9, 3) = 5; // in the last row the rule check reaches
    const CellLayer before = b.board;
    RecordingView view;
    EXPECT_EQ(runSolvePasses(b, view, nullptr, GetParam()), 1);
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.boardChanged);
    EXPECT_TRUE(view.shown.empty());
}

TEST_P(SolvePaths, StopsAfterTheFifteenthPass) {
    Board b = test::puzzleFromText(kNeedsSixteenPasses);
    RecordingView view;
    EXPECT_EQ(runSolvePasses(b, view, nullptr, GetParam()), kMaxSolvePasses);
    EXPECT_TRUE(b.boardChanged);
    EXPECT_FALSE(isFieldFull(b));
    runSolvePasses(b, view, nullptr, GetParam()); // nothing was stuck: more passes finish it
    EXPECT_TRUE(isFieldFull(b) && checkRules(b));
}

TEST_P(SolvePaths, HiddenSolveChangesOnlySolutionNoSolutionAndJudgedErrors) {
    Board b = puzzleWithGaps(11, 60);
    cellAt(b.board, 4, 4, 0) = 0;      // an entry of the player taken back
    b.board[0] = 17;                   // index-0 entries are never copied: they must survive
    b.board[cellIndex(0, 5, 2)] = 3;
    b.errorCount = 2;
    const CellLayer before = b.board;
    RecordingView view;
    computeSolution(b, view, GetParam());
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.noSolution || b.silentSolve);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(b.errorCount, 2); // no solution was known, so no placement was judged
    EXPECT_EQ(b.solution[0], 0);
    Board solved;
    solved.board = b.solution;
    EXPECT_TRUE(isFieldFull(solved) && checkRules(solved));
    // With a solution known for the cells it fills, the hidden solve leaves no error.
    computeSolution(b, view, GetParam());
    EXPECT_EQ(b.errorCount, 0);

    Board hard = test::puzzleFromText(kNeedsSixteenPasses);
    computeSolution(hard, view, GetParam());
    EXPECT_TRUE(hard.noSolution);
    EXPECT_NE(hard.solution, hard.board); // the partial result
}

INSTANTIATE_TEST_SUITE_P(Engine, SolvePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast), test::pathName);

TEST(SolveBoard, TellsThePlayerOnlyWhenUnsolvedAndRecomputesShownCandidates) {
    Board empty;
    RecordingView view;
    EXPECT_FALSE(solveBoard(empty, view, false));
    EXPECT_EQ(view.notSolvableMessages, 1);
    Board b = puzzleWithGaps(19, 50);
    b.candidates.fill(true);
    EXPECT_TRUE(solveBoard(b, view, true));
    EXPECT_EQ(view.notSolvableMessages, 1);
    EXPECT_EQ(view.shown.size(), 50u);
    EXPECT_EQ(view.candidateDraws, 1);
    EXPECT_EQ(b.candidates, CandidateFlags{}); // a full field has none
    EXPECT_EQ(view.busyOn, 2);
    EXPECT_EQ(view.busyOff, 2);
}

TEST(SolveCommand, WrongEntryLeavingADeadEndRestartsFromTheGivens) {
    // The player puts X's symbol v into Y, another cell of X's row, where it breaks no rule once the
    // v of Y's column and box are not given: X = (5, 5) of grid 0 then admits nothing.
    const Board field = test::fullBoard(23);
    Board b = field;
    const int v = cellAt(field.board, 5, 5, 0);
    for (int i = 0; i < kCellLayerSize; ++i) {
        const int c = i / 40, r = i / 4 % 10;
        if (i % 4 == 0 && field.board[i] == v && c >= 7 && (c == 8 || (r >= 4 && r <= 6))) {
            test::setBoth(b.board, c, r, 0, 0);
        }
    }
    cellAt(b.board, 5, 5, 0) = cellAt(b.board, 8, 5, 0) = 0;
    b.givens = b.board;
    cellAt(b.board, 8, 5, 0) = static_cast<std::uint8_t>(v);
    ASSERT_TRUE(checkRules(b));
    ASSERT_FALSE(hasNoDeadEnd(b));
    Board once = b;
    RecordingView view;
    solveCommand(once, view, false, false);
    EXPECT_EQ(cellAt(once.board, 5, 5, 0), 0); // without the follow-up the entry stays
    solveCommand(b, view, false, true);
    EXPECT_EQ(b.board, field.board);
    EXPECT_EQ(view.notSolvableMessages, 2); // the two stuck solves; the restarted one finished
}

TEST(SolveCommand, FullWrongFieldOrStuckBoardIsNotRestarted) {
    Board b = test::fullBoard(29);
    for (int c = 1; c <= 9; ++c) cellAt(b.givens, c, 5, 1) = 0; // row 5 of grid 1 is the player's
    std::swap(cellAt(b.board, 2, 5, 1), cellAt(b.board, 3, 5, 1));
    ASSERT_FALSE(checkRules(b));
    const CellLayer wrong = b.board;
    RecordingView view;
    solveCommand(b, view, false, true);
    EXPECT_EQ(b.board, wrong);
    Board stuck = test::puzzleFromText(kOneOfEachScan);
    cellAt(stuck.board, 9, 9, 3) = 5; // an entry of the player that blocks nothing
    solveCommand(stuck, view, false, true);
    EXPECT_EQ(cellAt(stuck.board, 9, 9, 3), 5);
    EXPECT_EQ(view.notSolvableMessages, 2);
}

} // namespace
} // namespace quintaro
