// Puzzle making and the checks behind it: symmetric pairs, thinning, minimality, shuffles, recipes.
#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "engine/full_field.h"
#include "engine/grade.h"
#include "engine/shuffle.h"
#include "engine/puzzle_checks.h"
#include "engine/puzzle_maker.h"

namespace quintaro {
namespace {

CellLayer fullField(std::uint64_t seed) {
    SeededRandom rnd(seed);
    CellLayer full{};
    generateFullField(full, rnd);
    return full;
}

TEST(PuzzleChecks, PairsFaceEachOtherThroughTheCentreSymmetryAndCopiesAreJudged) {
    std::set<std::pair<int, int>> seen;
    CellLayer probe{};
    for (const auto& [a, b] : symmetricPairs()) {
        EXPECT_TRUE(a.x + b.x == 20 && a.y + b.y == 20) << a.x << "," << a.y;
        seen.insert({a.x, a.y});
        seen.insert({b.x, b.y});
        setFieldValue(probe, a, 1);
        setFieldValue(probe, b, 1);
    }
    EXPECT_EQ(seen.size(), 288u);
    EXPECT_EQ(countFilled(probe), 288) << "every pair cell lies in a grid";
    EXPECT_TRUE(unequalSharedCopies(probe).empty()) << "setFieldValue writes both copies of a shared cell";

    CellLayer layer = fullField(3);
    const auto& pair = symmetricPairs()[17];
    setFieldValue(layer, pair[0], 0);
    EXPECT_FALSE(isHalfTurnSymmetric(layer));
    setFieldValue(layer, pair[1], 0);
    EXPECT_TRUE(isHalfTurnSymmetric(layer));
    EXPECT_EQ(countFilled(layer), 286);
    cellAt(layer, 2, 8, 0) = 0; // master copy of the upper-left shared box only: field cell (7, 7)
    const auto unequal = unequalSharedCopies(layer);
    ASSERT_EQ(unequal.size(), 1u);
    EXPECT_EQ(std::pair(unequal[0].x, unequal[0].y), std::pair(7, 7));
}

TEST(ThinOut, KeepsSymmetryAndTheFieldsSymbolsAndStopsAtTheTargetOrWhenMinimal) {
    for (std::uint64_t seed : {1u, 2u, 4u, 5u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const bool toTheEnd = seed >= 4;
        const CellLayer full = fullField(seed);
        SeededRandom rnd(seed);
        const CellLayer givens = thinOut(full, rnd, toTheEnd ? kMaxSolvePasses : 5, toTheEnd ? 0 : 110);
        EXPECT_TRUE(isHalfTurnSymmetric(givens));
        for (int i = 0; i < kCellLayerSize; ++i) ASSERT_TRUE(givens[i] == 0 || givens[i] == full[i]) << i;
        const SolveOutcome outcome = solveGivens(givens);
        EXPECT_TRUE(outcome.complete && outcome.solution == full);
        EXPECT_TRUE(toTheEnd ? removablePairs(givens).empty() && countFilled(givens) < 100
                             : countFilled(givens) == 110 && outcome.passes <= 5);
    }
    EXPECT_EQ(removablePairs(fullField(6)).size(), 144u) << "any single pair can go from a full field";
    EXPECT_TRUE(removablePairs(CellLayer{}).empty());
}

// The shuffles counted by the passes that completed them.
int completedShuffles(const ShuffleOutcome& outcome) {
    return std::accumulate(outcome.completedIn.begin(), outcome.completedIn.end(), 0);
}

TEST(CheckShuffles, CountsFailuresOverBothVariantsAndTheCompletedOnesByTheirPasses) {
    const CellLayer full = fullField(7);
    const ShuffleOutcome solved = checkShuffles(full, 3, 11, false);
    EXPECT_EQ(std::pair(solved.tried, solved.failed), std::pair(6, 0));
    EXPECT_EQ(solved.completedIn[1], 6) << "a full field is complete after one pass";

    // A puzzle the passes complete: each shuffle counted by the passes the game's grade of it names.
    SeededRandom rnd(21);
    const CellLayer puzzle = thinOut(full, rnd, 8, 92);
    const ShuffleOutcome graded = checkShuffles(puzzle, 20, 11, false);
    std::array<int, kMaxSolvePasses + 1> expected{};
    SeededRandom seeds(11);
    for (bool symmetric : {true, false}) {
        for (int k = 0; k < 20; ++k) {
            Board b;
            b.board = b.givens = puzzle;
            SeededRandom shuffle(seeds.next());
            shuffleMoves(b, shuffle, symmetric);
            const Grade grade = gradePuzzle(b.givens);
            if (grade.complete) ++expected[static_cast<std::size_t>(grade.passes)];
        }
    }
    EXPECT_EQ(graded.completedIn, expected);
    EXPECT_EQ(completedShuffles(graded), graded.tried - graded.failed);
    CellLayer hopeless = full;
    for (const auto& pair : symmetricPairs()) {
        if (pair[0].y > 8) continue; // empty the whole upper part
        setFieldValue(hopeless, pair[0], 0);
        setFieldValue(hopeless, pair[1], 0);
    }
    const ShuffleOutcome all = checkShuffles(hopeless, 3, 11, false);
    EXPECT_EQ(std::pair(all.tried, all.failed), std::pair(6, 6));
    EXPECT_EQ(completedShuffles(all), 0);
    EXPECT_TRUE(all.firstFailedSymmetric);
    const ShuffleOutcome first = checkShuffles(hopeless, 3, 11, true);
    EXPECT_EQ(first.tried, 1);
    EXPECT_EQ(first.firstFailedSeed, all.firstFailedSeed);
}

TEST(MakePuzzle, MeetsEachLevelsRecipeRepeatsForTheSameSeedAndGivesUpInTime) {
    for (int level = 0; level < 4; ++level) {
        const std::uint64_t seed = 100 + level;
        SCOPED_TRACE("level " + std::to_string(level) + ", seed " + std::to_string(seed));
        const LevelRecipe& recipe = levelRecipe(level);
        EXPECT_LE(recipe.maxPasses, kMaxStoredPasses);
        const LevelRecipe& easier = levelRecipe(level > 0 ? level - 1 : 0);
        EXPECT_TRUE(level == 0 || (recipe.maxGivens < easier.maxGivens && recipe.minPasses > easier.maxPasses));
        const auto made = makePuzzle(recipe, seed, 4, 200);
        ASSERT_TRUE(made.has_value());
        EXPECT_EQ(made->givenCount, countFilled(made->givens));
        EXPECT_LE(made->givenCount, recipe.maxGivens);
        EXPECT_TRUE(isHalfTurnSymmetric(made->givens) && unequalSharedCopies(made->givens).empty());
        const SolveOutcome outcome = solveGivens(made->givens);
        EXPECT_TRUE(outcome.complete);
        EXPECT_EQ(outcome.passes, made->passes);
        EXPECT_TRUE(made->passes >= recipe.minPasses && made->passes <= recipe.maxPasses) << made->passes;
        EXPECT_TRUE(recipe.stopAtGivens == 0 ? removablePairs(made->givens).empty()
                                             : made->givenCount == recipe.stopAtGivens);
        EXPECT_EQ(makePuzzle(recipe, seed, 4, 200)->givens, made->givens);
    }
    LevelRecipe impossible = levelRecipe(3);
    impossible.maxGivens = 10;
    int reports = 0;
    EXPECT_FALSE(makePuzzle(impossible, 1, 0, 3, [&](const std::string&) { ++reports; }).has_value());
    EXPECT_EQ(reports, 3);
}

TEST(CollectionSeeds, DifferPerRecordAndRepeatPerSeed) {
    const CollectionSeeds a = collectionSeeds(42), b = collectionSeeds(42), c = collectionSeeds(43);
    EXPECT_EQ((std::set<std::uint64_t>{a.record[0], a.record[1], a.record[2], a.record[3], a.filler}).size(), 5u);
    EXPECT_TRUE(a.record[2] == b.record[2] && a.record[0] != c.record[0]);
}

} // namespace
} // namespace quintaro
