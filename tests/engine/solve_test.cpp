// The deduction passes, the hidden solve and the solve command.
#include <gtest/gtest.h>

#include <vector>

#include "engine/candidates.h"
#include "engine/full_field.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "engine/solution.h"
#include "engine/solver.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::RecordingView;

struct Trace : PlacementObserver {
    std::vector<Placement> placements;
    void placed(const Placement& p) override { placements.push_back(p); }
};

void expectPlacement(const Placement& p, Scan scan, int grid, int unit, int symbol, int column, int row, int pass) {
    EXPECT_EQ(p.scan, scan) << scanName(p.scan);
    EXPECT_EQ(p.grid, grid);
    EXPECT_EQ(p.unit, unit);
    EXPECT_EQ(p.symbol, symbol);
    EXPECT_EQ(p.column, column);
    EXPECT_EQ(p.row, row);
    EXPECT_EQ(p.pass, pass);
}

void setBoth(CellLayer& layer, int c, int r, int g, int v) {
    cellAt(layer, c, r, g) = static_cast<std::uint8_t>(v);
    int tc = 0, tr = 0, tg = 0;
    if (sharedTwin(c, r, g, tc, tr, tg)) cellAt(layer, tc, tr, tg) = static_cast<std::uint8_t>(v);
}

// A full field with `gaps` random distinct cells emptied (both copies), all the rest givens.
Board puzzleWithGaps(std::uint64_t seed, int gaps) {
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

// One deduction of each kind, each in its own grid:
// grid 0: its cell (7, 7) is shared with grid 2's (1, 1); grid 0 leaves 8 and 9, grid 2's column 1
//         holds the 8, so only a trial written into both copies sees a single candidate;
// grid 1: cell (5, 5) is left only 9 by its row, column and box;
// grid 2: in row 4 the 1 fits only column 9, a cell that still admits 1, 2 and 3;
// grid 3: the same in column 4, where the 1 fits only row 9.
constexpr const char* kOneOfEachScan =
    "      ......7..\n"
    "      .........\n"
    "      .........\n"
    "      .........\n"
    "      .........\n"
    "      .........\n"
    "....4.123456......1..\n"
    "....5................\n"
    "....6................\n"
    "...7.....   456789...\n"
    "123......   8........\n"
    ".....8...   .........\n"
    ".........4...........\n"
    ".........5.........1.\n"
    ".........6...........\n"
    "      ...7.....\n"
    "      ...8.....\n"
    "      ...9.....\n"
    "      1........\n"
    "      .......1.\n"
    "      .........\n";

// Minimal puzzle whose passes still place something in the fifteenth pass.
constexpr const char* kNeedsSixteenPasses =
    "      ....6..32\n"
    "      ..4......\n"
    "      ...81....\n"
    "      .4.6..3..\n"
    "      6...8....\n"
    "      .58..2..6\n"
    ".851.............1..8\n"
    ".................79.2\n"
    "..68..........3..4...\n"
    ".3......7   ...9..5.7\n"
    ".9..5....   .......3.\n"
    "..27....1   .3.......\n"
    "....2..7............6\n"
    "..4..9...6..2.....41.\n"
    ".6...5.....3....5....\n"
    "      8..91...3\n"
    "      .........\n"
    "      6..2.....\n"
    "      .....2.9.\n"
    "      ....4.57.\n"
    "      ..7.95..6\n";

class SolvePaths : public ::testing::TestWithParam<SolverPath> {};

TEST_P(SolvePaths, TraceNamesEachScanInOrder) {
    Board b = test::puzzleFromText(kOneOfEachScan);
    Trace trace;
    RecordingView view;
    EXPECT_EQ(runSolvePasses(b, view, &trace, GetParam()), 2);
    ASSERT_EQ(trace.placements.size(), 4u);
    expectPlacement(trace.placements[0], Scan::BoxSingleCandidate, 0, 9, 9, 7, 7, 1);
    expectPlacement(trace.placements[1], Scan::BoxSingleCandidate, 1, 5, 9, 5, 5, 1);
    expectPlacement(trace.placements[2], Scan::RowSinglePlace, 2, 4, 1, 9, 4, 1);
    expectPlacement(trace.placements[3], Scan::ColumnSinglePlace, 3, 4, 1, 4, 9, 1);
    // The shared placement lands in both grids, and each placement is shown once, in its step's grid.
    EXPECT_EQ(cellAt(b.board, 7, 7, 0), 9);
    EXPECT_EQ(cellAt(b.board, 1, 1, 2), 9);
    ASSERT_EQ(view.shown.size(), 4u);
    EXPECT_EQ(view.shown[0].g, 0);
    EXPECT_EQ(view.shown[3].g, 3);
    EXPECT_EQ(b.activeGrid, 3);
    EXPECT_FALSE(b.boardChanged);
}

TEST_P(SolvePaths, SinglePlaceInABoxFillsACellThatAdmitsOthers) {
    // In grid 2's centre box the 1 is shut out of rows 4 and 6 and columns 4 and 6: only (5, 5) is left.
    Board b;
    cellAt(b.board, 1, 4, 2) = 1;
    cellAt(b.board, 8, 6, 2) = 1;
    cellAt(b.board, 4, 1, 2) = 1;
    cellAt(b.board, 6, 9, 2) = 1;
    Board probe = b;
    RecordingView view;
    computeCandidates(probe, view, true);
    int admitted = 0;
    for (int s = 1; s <= 9; ++s) admitted += probe.candidates[candidateIndex(5, 5, s, 2)];
    EXPECT_EQ(admitted, 9);
    Trace trace;
    runSolvePasses(b, view, &trace, GetParam());
    ASSERT_FALSE(trace.placements.empty());
    expectPlacement(trace.placements[0], Scan::BoxSinglePlace, 2, 5, 1, 5, 5, 1);
}

TEST_P(SolvePaths, ConflictAnywherePlacesNothingInOnePass) {
    Board b = puzzleWithGaps(5, 80);
    // A repeat in the last row of grid 3, the last row the rule check reaches.
    cellAt(b.board, 1, 9, 3) = 5;
    cellAt(b.board, 9, 9, 3) = 5;
    const CellLayer before = b.board;
    RecordingView view;
    Trace trace;
    EXPECT_EQ(runSolvePasses(b, view, &trace, GetParam()), 1);
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.boardChanged);
    EXPECT_TRUE(trace.placements.empty());
    EXPECT_TRUE(view.shown.empty());
}

TEST_P(SolvePaths, StopsAfterTheFifteenthPass) {
    Board b = test::puzzleFromText(kNeedsSixteenPasses);
    RecordingView view;
    Trace trace;
    EXPECT_EQ(runSolvePasses(b, view, &trace, GetParam()), kMaxSolvePasses);
    EXPECT_TRUE(b.boardChanged);
    EXPECT_EQ(trace.placements.back().pass, kMaxSolvePasses);
    EXPECT_FALSE(isFieldFull(b));
    // Nothing was stuck: more passes finish the field.
    runSolvePasses(b, view, nullptr, GetParam());
    EXPECT_TRUE(isFieldFull(b));
    EXPECT_TRUE(checkRules(b));

    Board hidden = test::puzzleFromText(kNeedsSixteenPasses);
    EXPECT_EQ(computeSolution(hidden, view, GetParam()), kMaxSolvePasses);
    EXPECT_TRUE(hidden.noSolution);
}

TEST_P(SolvePaths, PuzzleWithScatteredGapsIsSolvedToItsField) {
    SeededRandom rnd(7);
    Board full;
    generateFullField(full.board, rnd);
    Board b = puzzleWithGaps(7, 70);
    RecordingView view;
    EXPECT_GE(runSolvePasses(b, view, nullptr, GetParam()), 2);
    EXPECT_EQ(b.board, full.board);
    EXPECT_EQ(view.shown.size(), 70u);
}

// Four cells of one grid that two symbols can fill either way round (rows in one band, columns in
// two stacks): single candidates and single places never decide them.
struct Rectangle {
    int c1, c2, r1, r2;
};

bool findDeadlyRectangle(const CellLayer& field, int g, Rectangle& found) {
    int tc = 0, tr = 0, tg = 0;
    for (int r1 = 1; r1 <= 9; ++r1) {
        for (int r2 = r1 + 1; r2 <= (r1 - 1) / 3 * 3 + 3; ++r2) {
            for (int c1 = 1; c1 <= 9; ++c1) {
                for (int c2 = (c1 - 1) / 3 * 3 + 4; c2 <= 9; ++c2) {
                    if (cellAt(field, c1, r1, g) != cellAt(field, c2, r2, g) ||
                        cellAt(field, c2, r1, g) != cellAt(field, c1, r2, g)) {
                        continue;
                    }
                    if (sharedTwin(c1, r1, g, tc, tr, tg) || sharedTwin(c2, r1, g, tc, tr, tg) ||
                        sharedTwin(c1, r2, g, tc, tr, tg) || sharedTwin(c2, r2, g, tc, tr, tg)) {
                        continue;
                    }
                    found = {c1, c2, r1, r2};
                    return true;
                }
            }
        }
    }
    return false;
}

TEST_P(SolvePaths, PuzzleBeyondSinglesStaysIncompleteAndHasNoSolution) {
    Board b;
    Rectangle rect{};
    for (std::uint64_t seed = 1;; ++seed) {
        SeededRandom rnd(seed);
        generateFullField(b.board, rnd);
        if (findDeadlyRectangle(b.board, 1, rect)) break;
    }
    for (int c : {rect.c1, rect.c2}) {
        for (int r : {rect.r1, rect.r2}) cellAt(b.board, c, r, 1) = 0;
    }
    b.givens = b.board;
    const CellLayer before = b.board;
    RecordingView view;
    EXPECT_EQ(computeSolution(b, view, GetParam()), 1);
    EXPECT_TRUE(b.noSolution);
    EXPECT_EQ(b.solution, before); // the partial result: here, nothing was placed
    EXPECT_EQ(b.board, before);
}

TEST_P(SolvePaths, HiddenSolveLeavesBoardByteIdentical) {
    Board b = puzzleWithGaps(11, 60);
    cellAt(b.board, 4, 4, 0) = 0; // a player's entry removed, so not every gap is a given's
    b.board[0] = 17; // index-0 entries are never copied, so they must survive untouched
    b.board[cellIndex(0, 5, 2)] = 3;
    b.board[cellIndex(4, 0, 1)] = 8;
    b.solution.fill(0);
    b.errorCount = 2;
    const CellLayer before = b.board;
    RecordingView view;
    computeSolution(b, view, GetParam());
    EXPECT_EQ(b.board, before);
    EXPECT_FALSE(b.noSolution);
    EXPECT_FALSE(b.silentSolve);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(b.errorCount, 2); // no solution was known, so no placement was judged
    EXPECT_EQ(b.solution[0], 0);
    EXPECT_EQ(b.solution[cellIndex(0, 5, 2)], 0);
    Board solved;
    solved.board = b.solution;
    EXPECT_TRUE(isFieldFull(solved));
    EXPECT_TRUE(checkRules(solved));
    EXPECT_TRUE(test::sharedCopiesEqual(b.solution));
}

TEST_P(SolvePaths, HiddenSolveZeroesErrorsOnlyWhereASolutionIsKnown) {
    Board b = puzzleWithGaps(13, 40);
    b.errorCount = 2;
    // A stale solution known for one gap only: placements elsewhere are not judged.
    int gc = 0, gr = 0, gg = 0;
    for (int i = 0; i < kCellLayerSize && gc == 0; ++i) {
        if (i / 40 != 0 && i / 4 % 10 != 0 && b.board[i] == 0) {
            gc = i / 40;
            gr = i / 4 % 10;
            gg = i % 4;
        }
    }
    RecordingView view;
    Board untouched = b;
    computeSolution(untouched, view, GetParam());
    EXPECT_EQ(untouched.errorCount, 2);
    cellAt(b.solution, gc, gr, gg) = 9;
    computeSolution(b, view, GetParam());
    EXPECT_EQ(b.errorCount, 0);
    EXPECT_EQ(view.stopTimingCalls, 0);
}

TEST_P(SolvePaths, VisibleSolveJudgesPlacementsAgainstTheKnownSolution) {
    Board b = puzzleWithGaps(17, 30);
    RecordingView view;
    computeSolution(b, view, GetParam());
    Board stale = puzzleWithGaps(18, 0);
    b.solution = stale.board; // a solution from another board: most placements contradict it
    b.errorCount = 0;
    runSolvePasses(b, view, nullptr, GetParam());
    int wrong = 0;
    for (const auto& shown : view.shown) wrong += shown.wrong;
    EXPECT_GT(wrong, 3);
    EXPECT_EQ(b.errorCount, wrong);
    EXPECT_EQ(view.stopTimingCalls, 1); // only reaching exactly three stops the timing
}

INSTANTIATE_TEST_SUITE_P(Engine, SolvePaths, ::testing::Values(SolverPath::Literal, SolverPath::Fast),
                         [](const auto& info) { return info.param == SolverPath::Fast ? "Fast" : "Literal"; });

TEST(SolveBoard, EmptyFieldIsNotSolvable) {
    Board b;
    RecordingView view;
    computeSolution(b, view);
    EXPECT_TRUE(b.noSolution);
    EXPECT_FALSE(solveBoard(b, view, false));
    EXPECT_EQ(view.notSolvableMessages, 1);
    EXPECT_EQ(view.busyOn, 1);
    EXPECT_EQ(view.busyOff, 1);
}

TEST(SolveBoard, SolvedBoardShowsNoMessageAndRecomputesShownCandidates) {
    Board b = puzzleWithGaps(19, 50);
    b.candidates.fill(true);
    RecordingView view;
    EXPECT_TRUE(solveBoard(b, view, true));
    EXPECT_EQ(view.notSolvableMessages, 0);
    EXPECT_EQ(view.shown.size(), 50u);
    EXPECT_EQ(view.candidateDraws, 1);
    EXPECT_EQ(b.candidates, CandidateFlags{}); // a full field has no candidates
}

// A puzzle and a wrong entry of the player: the symbol that cell X needs is entered in another cell
// of X's row, where it breaks no rule, so X admits nothing.
struct DeadEndGame {
    Board board;
    CellLayer field;
};

DeadEndGame deadEndGame() {
    DeadEndGame game;
    SeededRandom rnd(23);
    generateFullField(game.field, rnd);
    Board& b = game.board;
    b.board = game.field;
    const int v = cellAt(game.field, 5, 5, 0);  // X = (5, 5) of grid 0
    const int y = 8;                             // Y = (8, 5), another stack
    cellAt(b.board, 5, 5, 0) = 0;
    cellAt(b.board, y, 5, 0) = 0;
    for (int r = 1; r <= 9; ++r) {
        if (cellAt(game.field, y, r, 0) == v) setBoth(b.board, y, r, 0, 0); // v in Y's column
    }
    for (int c = 7; c <= 9; ++c) {
        for (int r = 4; r <= 6; ++r) {
            if (cellAt(game.field, c, r, 0) == v) cellAt(b.board, c, r, 0) = 0; // v in Y's box
        }
    }
    b.givens = b.board;
    cellAt(b.board, y, 5, 0) = static_cast<std::uint8_t>(v);
    return game;
}

TEST(SolveCommand, WrongEntryLeavingADeadEndRestartsFromTheGivens) {
    DeadEndGame game = deadEndGame();
    Board& b = game.board;
    ASSERT_TRUE(checkRules(b));
    ASSERT_FALSE(hasNoDeadEnd(b));
    RecordingView view;
    solveCommand(b, view, false, true);
    EXPECT_EQ(b.board, game.field);
    EXPECT_EQ(view.notSolvableMessages, 1); // the first solve got stuck, the second finished
    EXPECT_EQ(view.busyOn, 2);
}

TEST(SolveCommand, WithoutFollowUpTheWrongEntryStays) {
    DeadEndGame game = deadEndGame();
    RecordingView view;
    solveCommand(game.board, view, false, false);
    EXPECT_EQ(cellAt(game.board.board, 5, 5, 0), 0);
    EXPECT_EQ(view.notSolvableMessages, 1);
}

TEST(SolveCommand, FullWrongFieldIsNotRestarted) {
    Board b = puzzleWithGaps(29, 10);
    RecordingView view;
    computeSolution(b, view);
    b.board = b.solution;
    // Two entries of the player in one row swapped: the field is full and breaks the rules.
    int gaps[2][2];
    int n = 0;
    for (int c = 1; c <= 9 && n < 2; ++c) {
        for (int r = 1; r <= 9 && n < 2; ++r) {
            int tc = 0, tr = 0, tg = 0;
            if (cellAt(b.givens, c, r, 1) == 0 && !sharedTwin(c, r, 1, tc, tr, tg) && (n == 0 || r != gaps[0][1])) {
                gaps[n][0] = c;
                gaps[n][1] = r;
                ++n;
            }
        }
    }
    ASSERT_EQ(n, 2);
    std::swap(cellAt(b.board, gaps[0][0], gaps[0][1], 1), cellAt(b.board, gaps[1][0], gaps[1][1], 1));
    ASSERT_FALSE(checkRules(b));
    const CellLayer wrong = b.board;
    solveCommand(b, view, false, true);
    EXPECT_EQ(b.board, wrong);
    EXPECT_EQ(view.notSolvableMessages, 1);
}

TEST(SolveCommand, StuckBoardWithoutDeadEndIsNotRestarted) {
    Board b = test::puzzleFromText(kOneOfEachScan);
    cellAt(b.board, 9, 9, 3) = 5; // an entry of the player that blocks nothing
    RecordingView view;
    solveCommand(b, view, false, true);
    EXPECT_EQ(cellAt(b.board, 9, 9, 3), 5);
    EXPECT_EQ(view.notSolvableMessages, 1);
}

} // namespace
} // namespace quintaro
