// Fresh puzzles over many numbers of every level: rules, symmetry, givens, grade, shuffles, and none
// of the collections' puzzles; the same number always gives the same puzzle; the checked shuffle
// never leaves a board without a solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>
#include <vector>

#include "engine/fresh_puzzle.h"
#include "engine/full_field.h"
#include "engine/grade.h"
#include "engine/puzzle_checks.h"
#include "engine/rules.h"
#include "engine/shuffle.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x5EED0025;
constexpr int kNumbersPerLevel = 40;

// The givens of the sixteen records of the shipped collections, read from the build folder.
std::vector<CellLayer> collectionRecords() {
    const char* bin = std::getenv("QUINTARO_BIN");
    const std::filesystem::path folder = bin ? std::filesystem::path(bin) : std::filesystem::current_path();
    std::vector<CellLayer> records;
    for (const char* name : {"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr"}) {
        std::ifstream in(folder / name, std::ios::binary);
        for (int record = 0; record < 4; ++record) {
            CellLayer givens{};
            in.seekg(record * 6000 + 400); // a record of 6,000 bytes: the board, then the givens
            if (!in.read(reinterpret_cast<char*>(givens.data()), givens.size())) return {};
            records.push_back(givens);
        }
    }
    return records;
}

CellLayer shuffledGivens(const CellLayer& givens, std::uint64_t seed) {
    Board b = puzzleBoard(givens);
    SeededRandom rnd(seed);
    shuffleMoves(b, rnd, seed % 2 == 0);
    return b.givens;
}

TEST(FreshPuzzle, KeepsTheRulesIsSymmetricGradedSolvedAfterShufflesAndNoneOfTheCollections) {
    const std::vector<CellLayer> records = collectionRecords();
    ASSERT_EQ(records.size(), 16u) << "the collections are read from QUINTARO_BIN or the working folder";
    std::set<std::vector<int>> recordCounts;
    for (const CellLayer& record : records) {
        recordCounts.insert(boxGivenCounts(record));
        for (std::uint64_t seed = 0; seed < 10; ++seed)
            ASSERT_EQ(boxGivenCounts(shuffledGivens(record, seed)), boxGivenCounts(record))
                << "shuffles keep box counts";
    }
    SCOPED_TRACE("seed " + std::to_string(kBaseSeed));
    SeededRandom rnd(kBaseSeed);
    int newExtremCounts = 0;
    for (int level = 0; level < 4; ++level) {
        for (int n = 0; n < kNumbersPerLevel; ++n) {
            const PuzzleNumber number = drawPuzzleNumber(level, rnd);
            SCOPED_TRACE(formatPuzzleNumber(number));
            const auto made = makeFreshPuzzle(number);
            ASSERT_TRUE(made.has_value());
            const CellLayer& givens = made->givens;
            Board b = puzzleBoard(givens);
            EXPECT_TRUE(made->number == number && checkRules(b));
            EXPECT_TRUE(isHalfTurnSymmetric(givens) && unequalSharedCopies(givens).empty());
            EXPECT_EQ(made->givenCount, countFilled(givens));
            EXPECT_TRUE(level < 3 ? made->givenCount == levelRecipe(level).stopAtGivens : made->givenCount <= 84);
            const Grade grade = gradePuzzle(givens);
            EXPECT_TRUE(grade.complete && grade.level == level && grade.passes == made->passes) << grade.passes;
            const ShuffleOutcome shuffles = checkShuffles(givens, 8, rnd.next(), true);
            EXPECT_EQ(shuffles.failed, 0) << "first failing shuffle seed " << shuffles.firstFailedSeed;
            EXPECT_TRUE(level < 3 || removablePairs(givens).empty()) << "Extrem is minimal";
            if (level == 3 && n % 2 == 0) { // the literal passes are slow
                const SolveOutcome fast = solveGivens(givens), literal = solveGivens(givens, SolverPath::Literal);
                EXPECT_TRUE(literal.complete && literal.solution == fast.solution) << "the literal passes agree";
            }
            // Other box counts than every record's, or else unlike every shuffle tried of those that share them.
            if (!recordCounts.contains(boxGivenCounts(givens))) {
                newExtremCounts += level == 3;
                continue;
            }
            for (const CellLayer& record : records)
                for (std::uint64_t seed = 0; seed < 400 && boxGivenCounts(record) == boxGivenCounts(givens); ++seed)
                    EXPECT_NE(shuffledGivens(record, seed), givens) << "shuffle seed " << seed;
        }
    }
    EXPECT_GE(newExtremCounts * 4, kNumbersPerLevel * 3) << "Extrem puzzles with box counts no record has";
}

// FNV-1a over the givens: a short fingerprint of a puzzle.
std::uint64_t fingerprint(const CellLayer& givens) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (const std::uint8_t v : givens) h = (h ^ v) * 0x100000001B3ULL;
    return h;
}

TEST(FreshPuzzle, TheSameNumberGivesTheSamePuzzleInEveryThreadAndEveryVersion) {
    const std::vector<PuzzleNumber> numbers{{0, 7}, {1, 7}, {2, 7}, {3, 7}, {3, 12345}, {2, 999999999}};
    std::array<std::vector<CellLayer>, 3> made;
    std::vector<std::thread> threads;
    for (auto& list : made)
        threads.emplace_back([&] {
            for (const PuzzleNumber& number : numbers) list.push_back(makeFreshPuzzle(number).value().givens);
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_TRUE(made[0] == made[1] && made[1] == made[2]);
    EXPECT_NE(made[0][0], made[0][1]) << "each level draws its own fields from the seed";
    // A player passes a number on: the puzzle it names must not change with the engine.
    EXPECT_EQ(fingerprint(made[0][4]), 0xE3B74EC227E6D471ULL);
}

TEST(FreshPuzzle, GivesUpOnlyWhenItsBudgetOfFullFieldsIsSpent) {
    int needMore = 0;
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        const auto made = makeFreshPuzzle({2, seed});
        ASSERT_TRUE(made.has_value()) << seed;
        EXPECT_FALSE(makeFreshPuzzle({2, seed}, made->attempts - 1).has_value()) << seed;
        EXPECT_EQ(makeFreshPuzzle({2, seed}, made->attempts).value().givens, made->givens) << seed;
        needMore += made->attempts > 1;
    }
    EXPECT_GT(needMore, 5) << "the budget was tested where it matters";
    EXPECT_FALSE(makeFreshPuzzle({4, 1}).has_value());
    EXPECT_FALSE(makeFreshPuzzle({0, kPuzzleSeedLimit}).has_value());
}

TEST(CheckedShuffle, KeepsTheFirstShuffleWithASolutionElseTheUnshuffledBoard) {
    // A minimal puzzle the hidden solve needs all 15 passes for: some shuffles take it past the cap.
    SeededRandom make(346);
    CellLayer full{};
    generateFullField(full, make);
    const CellLayer puzzle = thinOut(full, make, kMaxSolvePasses, 0);
    ASSERT_EQ(solveGivens(puzzle).passes, kMaxSolvePasses);
    int redrawn = 0;
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        Board checked = puzzleBoard(puzzle), plain = puzzleBoard(puzzle);
        SeededRandom a(seed), b(seed);
        EXPECT_TRUE(shuffleCheckedBoard(checked, a, seed % 2 == 0)) << seed;
        shuffleBoard(plain, b, seed % 2 == 0);
        EXPECT_TRUE(!checked.noSolution && boxGivenCounts(checked.givens) == boxGivenCounts(puzzle)) << seed;
        EXPECT_EQ(solveGivens(checked.givens).solution, checked.solution) << seed;
        EXPECT_EQ(checked.givens == plain.givens, !plain.noSolution) << "the first is kept when it completes";
        redrawn += plain.noSolution;
    }
    EXPECT_GT(redrawn, 0) << "some shuffle of the puzzle fails, and the next draws are taken";

    // A board without a solution unshuffled stays as it was, and says so.
    CellLayer hopeless = full;
    for (const auto& pair : symmetricPairs()) {
        if (pair[0].y > 8) continue;
        setFieldValue(hopeless, pair[0], 0);
        setFieldValue(hopeless, pair[1], 0);
    }
    Board none = puzzleBoard(hopeless);
    SeededRandom any(5);
    EXPECT_FALSE(shuffleCheckedBoard(none, any, false));
    EXPECT_TRUE(none.board == hopeless && none.givens == hopeless && none.noSolution);
}

} // namespace
} // namespace quintaro
