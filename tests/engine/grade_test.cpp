// Grading: the pass ranges cover 1..15 without gaps, and a puzzle is graded by its own hidden solve.
#include <gtest/gtest.h>

#include "engine/grade.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

TEST(Grade, LevelsFollowThePassesOfTheHiddenSolveFromTheGivensAlone) {
    int expectedFirst = 1;
    for (const PassRange& range : kLevelPasses) {
        EXPECT_EQ(range.first, expectedFirst) << "ranges must join";
        expectedFirst = range.last + 1;
    }
    EXPECT_EQ(expectedFirst, kMaxSolvePasses + 1);
    EXPECT_EQ(levelOfPasses(0), -1);
    EXPECT_EQ(levelOfPasses(kMaxSolvePasses + 1), -1);

    // Entries of the player's on the board do not change the puzzle's grade.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Board b = test::puzzleWithGaps(seed, int(seed) * 9);
        BoardView quiet;
        Board solved = b;
        const int passes = computeSolution(solved, quiet);
        b.board = solved.solution;
        const Grade grade = gradePuzzle(b.givens);
        EXPECT_EQ(grade.complete, !solved.noSolution) << seed;
        EXPECT_EQ(grade.passes, passes) << seed;
        EXPECT_EQ(grade.level, solved.noSolution ? -1 : levelOfPasses(passes)) << seed;
    }
    Board damaged = test::fullBoard(3);
    cellAt(damaged.givens, 2, 2, 1) = 77;
    EXPECT_FALSE(gradePuzzle(damaged.givens).complete);
    EXPECT_EQ(gradePuzzle(test::fullBoard(4).givens).level, 0);
}

} // namespace
} // namespace quintaro
