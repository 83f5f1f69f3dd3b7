// The deduction passes, judging placed symbols, the hidden solve and the dead end after a visible solve.
#include <gtest/gtest.h>

#include "engine/player_cell.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::puzzleWithGaps;
using test::Trace;

// One deduction of each kind, each in its own grid:
// grid 0: its cell (7, 7) is grid 2's (1, 1); grid 0 leaves it 8 and 9, grid 2's column 1 holds the
//         8, so only a trial written into both copies finds a single candidate;
// grid 1: cell (5, 5) is left only 9 by its row, column and box;
// grid 2: in row 4 the 1 fits only column 9, a cell that still admits 1, 2 and 3;
// grid 3: the same in column 4, where the 1 fits only row 9.
constexpr const char* kOneOfEachScan =
    "      ......7..\n      .........\n      .........\n      .........\n      .........\n      .........\n"
    "....4.123456......1..\n....5................\n....6................\n"
    "...7.....   456789...\n123......   8........\n.....8...   .........\n"
    ".........4...........\n.........5.........1.\n.........6...........\n"
    "      ...7.....\n      ...8.....\n      ...9.....\n      1........\n      .......1.\n      .........\n";

// A minimal puzzle whose fifteenth pass still places symbols.
constexpr const char* kNeedsSixteenPasses =
    "      ....6..32\n      ..4......\n      ...81....\n      .4.6..3..\n      6...8....\n      .58..2..6\n"
    ".851.............1..8\n.................79.2\n..68..........3..4...\n"
    ".3......7   ...9..5.7\n.9..5....   .......3.\n..27....1   .3.......\n"
    "....2..7............6\n..4..9...6..2.....41.\n.6...5.....3....5....\n"
    "      8..91...3\n      .........\n      6..2.....\n      .....2.9.\n      ....4.57.\n      ..7.95..6\n";

class SolvePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(SolvePaths, EachScanPlacesInTraceOrderButAConflictAnywherePlacesNothing) {
    Board b = test::puzzleFromText(kOneOfEachScan);
    Trace trace;
    EXPECT_EQ(runSolvePasses(b, &trace, GetParam()), 2);
    EXPECT_EQ(trace.placements, (std::vector<std::string>{"box single candidate 9 of grid 0: 9 at 7,7 in pass 1",
                                                          "box single candidate 5 of grid 1: 9 at 5,5 in pass 1",
                                                          "row single place 4 of grid 2: 1 at 9,4 in pass 1",
                                                          "column single place 4 of grid 3: 1 at 4,9 in pass 1"}));
    EXPECT_EQ(cellAt(b.board, 1, 1, 2), 9); // the shared placement lands in both grids

    // In grid 2's centre box the 1 is shut out of rows 4 and 6 and columns 4 and 6: only (5, 5) is left.
    Board box;
    for (const auto& [c, r] : {std::pair{1, 4}, {8, 6}, {4, 1}, {6, 9}}) cellAt(box.board, c, r, 2) = 1;
    trace.placements.clear();
    runSolvePasses(box, &trace, GetParam());
    ASSERT_FALSE(trace.placements.empty());
    EXPECT_EQ(trace.placements[0], "box single place 5 of grid 2: 1 at 5,5 in pass 1");

    Board conflict = puzzleWithGaps(5, 80);
    cellAt(conflict.board, 1, 9, 3) = cellAt(conflict.board, 9, 9, 3) = 5; // in the last row the rule check reaches
    const CellLayer before = conflict.board;
    EXPECT_EQ(runSolvePasses(conflict, nullptr, GetParam()), 1);
    EXPECT_EQ(conflict.board, before);
    EXPECT_FALSE(conflict.boardChanged);
}

TEST_P(SolvePaths, StopsAfterTheFifteenthPassHiddenOrNot) {
    Board b = test::puzzleFromText(kNeedsSixteenPasses);
    EXPECT_EQ(computeSolution(b, GetParam()), kMaxSolvePasses);
    EXPECT_TRUE(b.noSolution && b.solution != b.board); // the hidden solve keeps its partial result
    EXPECT_EQ(runSolvePasses(b, nullptr, GetParam()), kMaxSolvePasses);
    EXPECT_TRUE(b.boardChanged && !isFieldFull(b)); // the fifteenth pass still placed symbols
    runSolvePasses(b, nullptr, GetParam());         // nothing was stuck: more passes finish it
    EXPECT_TRUE(isFieldFull(b) && checkRules(b));
}

TEST_P(SolvePaths, HiddenSolveChangesOnlySolutionNoSolutionAndJudgedErrors) {
    Board b = puzzleWithGaps(11, 60);
    cellAt(b.board, 4, 4, 0) = 0; // an entry of the player taken back
    b.board[0] = 17;              // index-0 entries are never copied: they must survive
    b.board[cellIndex(0, 5, 2)] = 3;
    b.errorCount = 2;
    const CellLayer before = b.board;
    computeSolution(b, GetParam());
    EXPECT_EQ(b.board, before);
    EXPECT_TRUE(!b.noSolution && !b.silentSolve);
    EXPECT_EQ(b.errorCount, 2); // no solution was known, so no placement was judged
    Board solved;
    solved.board = b.solution;
    EXPECT_TRUE(isFieldFull(solved) && checkRules(solved) && b.solution[0] == 0);
    computeSolution(b, GetParam()); // with a solution known where it places, no error is left
    EXPECT_EQ(b.errorCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Engine, SolvePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast), test::pathName);

TEST(PlayerCell, WrongSymbolsCountOnlyTheThirdStopsTheClockAndCopiesFollow) {
    Board b;
    cellAt(b.solution, 2, 2, 1) = 4;
    const auto enter = [&](int c, int r, int g, int s) {
        cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(s);
        return judgePlayerCell(b, {g, c, r}, s);
    };
    EXPECT_EQ(enter(2, 2, 1, 4), CellJudgement{});
    EXPECT_EQ(enter(8, 8, 1, 3), CellJudgement{}); // no solution known; a master copy of the lower-left shared box
    EXPECT_EQ(enter(2, 2, 1, 0), CellJudgement{}); // erasing
    EXPECT_EQ(cellAt(b.board, 2, 2, 3), 3);
    EXPECT_EQ(b.errorCount, 0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(enter(2, 2, 1, 5), (CellJudgement{true, i == 3}));
        EXPECT_EQ(b.errorCount, i);
    }
    EXPECT_TRUE(contradictsSolution(b, {1, 2, 2}));
    EXPECT_FALSE(contradictsSolution(b, {1, 8, 8})) << "no solution known";
    // A placement of the hidden solve leaves no error of the player's.
    b.silentSolve = true;
    EXPECT_TRUE(enter(2, 2, 1, 5).wrong);
    EXPECT_EQ(b.errorCount, 0);
}

TEST(SolveRanIntoDeadEnd, OnlyWhenAWrongEntryLeavesACellThatAdmitsNothing) {
    Board b = test::deadEndBoard();
    runSolvePasses(b);
    EXPECT_EQ(cellAt(b.board, 5, 5, 0), 0); // the entry blocks it
    EXPECT_TRUE(solveRanIntoDeadEnd(b));
    restartBoard(b);
    runSolvePasses(b);
    EXPECT_EQ(b.board, test::fullBoard(23).board);
    EXPECT_FALSE(solveRanIntoDeadEnd(b));

    Board wrong = test::fullBoard(29); // full but wrong: no dead end
    for (int c = 1; c <= 9; ++c) cellAt(wrong.givens, c, 5, 1) = 0;
    std::swap(cellAt(wrong.board, 2, 5, 1), cellAt(wrong.board, 3, 5, 1));
    Board stuck = test::puzzleFromText(kOneOfEachScan);
    cellAt(stuck.board, 9, 9, 3) = 5; // an entry of the player that blocks nothing
    for (Board* x : {&wrong, &stuck}) {
        runSolvePasses(*x);
        EXPECT_FALSE(solveRanIntoDeadEnd(*x));
    }
}

} // namespace
} // namespace quintaro
