// Puzzle making and the checks behind it: symmetric pairs, thinning, minimality, shuffles, recipes.
#include <gtest/gtest.h>

#include <set>

#include "engine/full_field.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "tools/puzzle_checks.h"
#include "tools/puzzle_maker.h"

namespace quintaro {
namespace {

CellLayer fullField(std::uint64_t seed) {
    SeededRandom rnd(seed);
    CellLayer full{};
    generateFullField(full, rnd);
    return full;
}

TEST(SymmetricPairs, CoverEveryDistinctCellOnceAndFaceEachOtherThroughTheCentre) {
    std::set<std::pair<int, int>> seen;
    CellLayer probe{};
    for (const auto& [a, b] : symmetricPairs()) {
        EXPECT_EQ(a.x + b.x, 20);
        EXPECT_EQ(a.y + b.y, 20);
        EXPECT_TRUE(seen.insert({a.x, a.y}).second);
        EXPECT_TRUE(seen.insert({b.x, b.y}).second);
        setFieldValue(probe, a, 1);
        setFieldValue(probe, b, 1);
    }
    EXPECT_EQ(seen.size(), 288u);
    EXPECT_EQ(countFilled(probe), 288) << "every pair cell lies in a grid";
    EXPECT_TRUE(unequalSharedCopies(probe).empty()) << "setFieldValue writes both copies of a shared cell";
}

TEST(PuzzleChecks, SymmetryAndSharedCopies) {
    CellLayer layer = fullField(3);
    EXPECT_TRUE(isHalfTurnSymmetric(layer));
    const auto& pair = symmetricPairs()[17];
    setFieldValue(layer, pair[0], 0);
    EXPECT_FALSE(isHalfTurnSymmetric(layer));
    setFieldValue(layer, pair[1], 0);
    EXPECT_TRUE(isHalfTurnSymmetric(layer));
    EXPECT_EQ(countFilled(layer), 286);

    cellAt(layer, 2, 8, 0) = 0; // master copy of the upper-left shared box only: field cell (7, 7)
    const auto unequal = unequalSharedCopies(layer);
    ASSERT_EQ(unequal.size(), 1u);
    EXPECT_EQ(unequal[0].x, 7);
    EXPECT_EQ(unequal[0].y, 7);
}

TEST(ThinOut, KeepsSymmetryAndTheFieldsSymbolsAndStopsAtTheTarget) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const CellLayer full = fullField(seed);
        SeededRandom rnd(seed);
        const CellLayer givens = thinOut(full, rnd, 5, 110);
        EXPECT_EQ(countFilled(givens), 110);
        EXPECT_TRUE(isHalfTurnSymmetric(givens));
        for (int i = 0; i < kCellLayerSize; ++i)
            if (givens[i] != 0) {
                ASSERT_EQ(givens[i], full[i]);
            }
        const SolveOutcome outcome = solveGivens(givens);
        EXPECT_TRUE(outcome.complete);
        EXPECT_LE(outcome.passes, 5);
        EXPECT_EQ(outcome.solution, full);
    }
}

TEST(ThinOut, ToTheEndGivesAMinimalPuzzle) {
    for (std::uint64_t seed : {4u, 5u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SeededRandom rnd(seed);
        const CellLayer givens = thinOut(fullField(seed), rnd, kMaxSolvePasses, 0);
        EXPECT_TRUE(solveGivens(givens).complete);
        EXPECT_TRUE(removablePairs(givens).empty());
        EXPECT_LT(countFilled(givens), 100);
    }
}

TEST(RemovablePairs, FindsEveryPairThatCanGo) {
    const CellLayer full = fullField(6);
    EXPECT_EQ(removablePairs(full).size(), 144u) << "any single pair can go from a full field";
    CellLayer empty{};
    EXPECT_TRUE(removablePairs(empty).empty());
}

TEST(CheckShuffles, CountsFailuresOverBothVariants) {
    const CellLayer full = fullField(7);
    const ShuffleOutcome solved = checkShuffles(full, 3, 11, false);
    EXPECT_EQ(solved.tried, 6);
    EXPECT_EQ(solved.failed, 0);

    CellLayer hopeless = full;
    for (const auto& pair : symmetricPairs()) {
        if (pair[0].y > 8) continue; // empty the whole upper part
        setFieldValue(hopeless, pair[0], 0);
        setFieldValue(hopeless, pair[1], 0);
    }
    const ShuffleOutcome all = checkShuffles(hopeless, 3, 11, false);
    EXPECT_EQ(all.tried, 6);
    EXPECT_EQ(all.failed, 6);
    EXPECT_TRUE(all.firstFailedSymmetric);
    const ShuffleOutcome first = checkShuffles(hopeless, 3, 11, true);
    EXPECT_EQ(first.tried, 1);
    EXPECT_EQ(first.firstFailedSeed, all.firstFailedSeed);
}

TEST(LevelRecipes, GetHarderFromLeichtToExtrem) {
    for (int level = 1; level < 4; ++level) {
        EXPECT_LT(levelRecipe(level).maxGivens, levelRecipe(level - 1).maxGivens) << level;
        EXPECT_GT(levelRecipe(level).minPasses, levelRecipe(level - 1).maxPasses) << level;
    }
    for (int level = 0; level < 4; ++level) EXPECT_LE(levelRecipe(level).maxPasses, kMaxStoredPasses);
    EXPECT_EQ(levelRecipe(3).stopAtGivens, 0) << "Extrem puzzles are thinned until minimal";
}

TEST(MakePuzzle, MeetsEachLevelsRecipeAndRepeatsForTheSameSeed) {
    for (int level = 0; level < 4; ++level) {
        const std::uint64_t seed = 100 + level;
        SCOPED_TRACE("level " + std::to_string(level) + ", seed " + std::to_string(seed));
        const LevelRecipe& recipe = levelRecipe(level);
        const auto made = makePuzzle(recipe, seed, 4, 200);
        ASSERT_TRUE(made.has_value());
        EXPECT_EQ(made->givenCount, countFilled(made->givens));
        EXPECT_LE(made->givenCount, recipe.maxGivens);
        EXPECT_GE(made->passes, recipe.minPasses);
        EXPECT_LE(made->passes, recipe.maxPasses);
        EXPECT_TRUE(isHalfTurnSymmetric(made->givens));
        EXPECT_TRUE(unequalSharedCopies(made->givens).empty());
        const SolveOutcome outcome = solveGivens(made->givens);
        EXPECT_TRUE(outcome.complete);
        EXPECT_EQ(outcome.passes, made->passes);
        if (recipe.stopAtGivens == 0) EXPECT_TRUE(removablePairs(made->givens).empty());
        else EXPECT_EQ(made->givenCount, recipe.stopAtGivens);

        const auto again = makePuzzle(recipe, seed, 4, 200);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->givens, made->givens);
    }
}

TEST(MakePuzzle, GivesUpAfterItsAttempts) {
    LevelRecipe impossible = levelRecipe(3);
    impossible.maxGivens = 10;
    int reports = 0;
    EXPECT_FALSE(makePuzzle(impossible, 1, 0, 3, [&](const std::string&) { ++reports; }).has_value());
    EXPECT_EQ(reports, 3);
}

TEST(CollectionSeeds, DifferPerRecordAndRepeatPerSeed) {
    const CollectionSeeds a = collectionSeeds(42), b = collectionSeeds(42), c = collectionSeeds(43);
    const std::set<std::uint64_t> distinct{a.record[0], a.record[1], a.record[2], a.record[3], a.filler};
    EXPECT_EQ(distinct.size(), 5u);
    EXPECT_EQ(a.record[2], b.record[2]);
    EXPECT_NE(a.record[0], c.record[0]);
}

} // namespace
} // namespace quintaro
