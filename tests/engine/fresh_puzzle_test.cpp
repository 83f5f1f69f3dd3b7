// Fresh puzzles over many numbers of every level: rules, symmetry, givens, grade, an independent
// solve, shuffles, and that they are none of the collections' puzzles; the same number always gives
// the same puzzle; the checked shuffle never leaves a board without a solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "engine/fresh_puzzle.h"
#include "engine/full_field.h"
#include "engine/grade.h"
#include "engine/puzzle_checks.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solution.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kBaseSeed = 0x5EED0025;
constexpr int kNumbersPerLevel = 40;
constexpr int kFieldSize = 21;

using Field = std::array<int, kFieldSize * kFieldSize>; // by y * 21 + x, 0 = open or outside the grids

// The 108 units (rows, columns, boxes of the four grids) as field cells, from the grids' positions alone.
std::vector<std::array<int, 9>> fieldUnits() {
    std::vector<std::array<int, 9>> units;
    for (int g = 0; g < kGridCount; ++g) {
        const auto at = [&](int c, int r) { return (kGridFieldRow[g] + r) * kFieldSize + kGridFieldColumn[g] + c; };
        for (int i = 0; i < 9; ++i) {
            std::array<int, 9> row{}, column{}, box{};
            for (int k = 0; k < 9; ++k) {
                row[k] = at(k, i);
                column[k] = at(i, k);
                box[k] = at(i % 3 * 3 + k % 3, i / 3 * 3 + k / 3);
            }
            units.insert(units.end(), {row, column, box});
        }
    }
    return units;
}

// Single candidates and single places, repeated until nothing follows, written apart from the
// engine's solvers and without their pass limit. Returns the field reached, nullopt on a contradiction.
std::optional<Field> singlesSolve(const CellLayer& givens) {
    static const std::vector<std::array<int, 9>> units = fieldUnits();
    Field value{};
    std::array<std::uint16_t, kFieldSize * kFieldSize> allowed{};
    std::vector<std::vector<int>> unitsOf(value.size());
    for (std::size_t u = 0; u < units.size(); ++u)
        for (const int cell : units[u]) {
            unitsOf[static_cast<std::size_t>(cell)].push_back(static_cast<int>(u));
            allowed[static_cast<std::size_t>(cell)] = 0x1FF;
        }
    bool broken = false;
    const auto place = [&](int cell, int v) {
        if (value[cell] == v) return;
        if (value[cell] != 0 || !(allowed[cell] >> (v - 1) & 1)) broken = true;
        value[cell] = v;
        allowed[cell] = static_cast<std::uint16_t>(1 << (v - 1));
        for (const int u : unitsOf[static_cast<std::size_t>(cell)])
            for (const int other : units[static_cast<std::size_t>(u)])
                if (other != cell) allowed[other] &= static_cast<std::uint16_t>(~(1 << (v - 1)));
    };
    for (int y = 0; y < kFieldSize; ++y)
        for (int x = 0; x < kFieldSize; ++x)
            if (const int v = fieldValue(givens, {x, y}); v != 0) place(y * kFieldSize + x, v);
    for (bool placed = true; placed && !broken;) {
        placed = false;
        for (std::size_t cell = 0; cell < value.size(); ++cell) {
            if (unitsOf[cell].empty() || value[cell] != 0) continue;
            if (allowed[cell] == 0) broken = true;
            if (std::popcount(allowed[cell]) == 1) {
                place(static_cast<int>(cell), std::countr_zero(allowed[cell]) + 1);
                placed = true;
            }
        }
        for (const auto& unit : units)
            for (int v = 1; v <= 9; ++v) {
                int places = 0, last = 0;
                for (const int cell : unit)
                    if (value[cell] == v || (value[cell] == 0 && (allowed[cell] >> (v - 1) & 1))) ++places, last = cell;
                if (places == 0) broken = true;
                if (places == 1 && value[last] == 0) {
                    place(last, v);
                    placed = true;
                }
            }
    }
    if (broken) return std::nullopt;
    return value;
}

// The layer as a field, as the independent solve gives it.
Field fieldOf(const CellLayer& layer) {
    Field field{};
    for (int y = 0; y < kFieldSize; ++y)
        for (int x = 0; x < kFieldSize; ++x) field[y * kFieldSize + x] = fieldValue(layer, {x, y});
    return field;
}

// The givens of each grid box, counted and sorted: a shuffle moves boxes as wholes, so it keeps these.
std::vector<int> boxCounts(const CellLayer& givens) {
    std::vector<int> counts;
    for (int g = 0; g < kGridCount; ++g)
        for (int box = 0; box < 9; ++box) {
            int n = 0;
            for (int k = 0; k < 9; ++k) n += cellAt(givens, box % 3 * 3 + k % 3 + 1, box / 3 * 3 + k / 3 + 1, g) != 0;
            counts.push_back(n);
        }
    std::sort(counts.begin(), counts.end());
    return counts;
}

// The givens of the sixteen records of the shipped collections, read from the build folder.
std::vector<CellLayer> collectionRecords() {
    const char* bin = std::getenv("QUINTARO_BIN");
    const std::filesystem::path folder = bin ? std::filesystem::path(bin) : std::filesystem::current_path();
    std::vector<CellLayer> records;
    for (const char* name : {"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr"}) {
        std::ifstream in(folder / name, std::ios::binary);
        for (int record = 0; record < 4; ++record) {
            // A record of 6,000 bytes holds the board, then the givens, 400 bytes each.
            in.seekg(record * 6000 + 400);
            CellLayer givens{};
            if (!in.read(reinterpret_cast<char*>(givens.data()), givens.size())) return {};
            records.push_back(givens);
        }
    }
    return records;
}

Board shuffled(const CellLayer& givens, std::uint64_t seed, bool symmetric) {
    Board b = puzzleBoard(givens);
    SeededRandom rnd(seed);
    shuffleMoves(b, rnd, symmetric);
    return b;
}

TEST(FreshPuzzle, ShufflesKeepEachBoxCountOfTheCollectionsPuzzles) {
    const std::vector<CellLayer> records = collectionRecords();
    ASSERT_EQ(records.size(), 16u) << "the collections are read from QUINTARO_BIN or the working folder";
    for (std::size_t n = 0; n < records.size(); ++n)
        for (std::uint64_t seed = 0; seed < 20; ++seed)
            ASSERT_EQ(boxCounts(shuffled(records[n], seed, seed % 2 == 0).givens), boxCounts(records[n]))
                << "record " << n << ", shuffle seed " << seed;
}

TEST(FreshPuzzle, KeepsTheRulesIsSymmetricGradedSolvedAfterShufflesAndNoneOfTheCollections) {
    const std::vector<CellLayer> records = collectionRecords();
    ASSERT_EQ(records.size(), 16u);
    std::set<std::vector<int>> recordCounts;
    for (const CellLayer& record : records) recordCounts.insert(boxCounts(record));
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
            if (level < 3) {
                EXPECT_EQ(made->givenCount, levelRecipe(level).stopAtGivens);
            } else {
                EXPECT_LE(made->givenCount, 84);
                EXPECT_TRUE(removablePairs(givens).empty()) << "minimal";
            }
            const Grade grade = gradePuzzle(givens);
            EXPECT_TRUE(grade.complete && grade.level == level && grade.passes == made->passes) << grade.passes;
            EXPECT_LE(made->passes, kMaxStoredPasses);

            const SolveOutcome hidden = solveGivens(givens);
            const auto independent = singlesSolve(givens);
            ASSERT_TRUE(independent.has_value());
            EXPECT_EQ(*independent, fieldOf(hidden.solution));
            EXPECT_EQ(std::count(independent->begin(), independent->end(), 0), 441 - kDistinctCells);

            const ShuffleOutcome shuffles = checkShuffles(givens, 8, rnd.next(), true);
            EXPECT_EQ(shuffles.failed, 0) << "first failing shuffle seed " << shuffles.firstFailedSeed;

            // Other box counts than every record's, or else unlike every shuffle of the records that share them.
            if (!recordCounts.contains(boxCounts(givens))) {
                newExtremCounts += level == 3;
                continue;
            }
            for (const CellLayer& record : records) {
                if (boxCounts(record) != boxCounts(givens)) continue;
                EXPECT_NE(record, givens);
                for (std::uint64_t seed = 0; seed < 400; ++seed)
                    EXPECT_NE(shuffled(record, seed, seed % 2 == 0).givens, givens) << "shuffle seed " << seed;
            }
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
    std::vector<CellLayer> alone;
    for (const PuzzleNumber& number : numbers) alone.push_back(makeFreshPuzzle(number).value().givens);
    EXPECT_NE(alone[0], alone[1]) << "each level draws its own fields from the seed";

    std::array<std::vector<CellLayer>, 3> together;
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < together.size(); ++t)
        threads.emplace_back([&, t] {
            for (const PuzzleNumber& number : numbers) together[t].push_back(makeFreshPuzzle(number).value().givens);
        });
    for (std::thread& thread : threads) thread.join();
    for (const auto& made : together) EXPECT_EQ(made, alone);

    // A player passes a number on: the puzzle it names must not change with the engine.
    const auto pinned = makeFreshPuzzle({3, 12345});
    EXPECT_EQ(std::pair(pinned->givenCount, pinned->passes), std::pair(82, 11));
    EXPECT_EQ(fingerprint(pinned->givens), 0xE3B74EC227E6D471ULL);
}

TEST(FreshPuzzle, GivesUpOnlyWhenItsBudgetOfFullFieldsIsSpent) {
    int needMore = 0;
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        SCOPED_TRACE("L2-" + std::to_string(seed));
        const auto made = makeFreshPuzzle({2, seed});
        ASSERT_TRUE(made.has_value());
        EXPECT_FALSE(makeFreshPuzzle({2, seed}, made->attempts - 1).has_value());
        const auto exact = makeFreshPuzzle({2, seed}, made->attempts);
        ASSERT_TRUE(exact.has_value());
        EXPECT_EQ(exact->givens, made->givens);
        needMore += made->attempts > 1;
    }
    EXPECT_GT(needMore, 5) << "the budget was tested where it matters";
    EXPECT_FALSE(makeFreshPuzzle({4, 1}).has_value());
    EXPECT_FALSE(makeFreshPuzzle({0, kPuzzleSeedLimit}).has_value());
}

// Hands out the draws of one shuffle again and again, so every shuffle made from it is that one.
class Replay final : public RandomSource {
public:
    explicit Replay(std::vector<int> draws) : draws_(std::move(draws)) {}
    int random(int) override { return draws_[at_++ % draws_.size()]; }

private:
    std::vector<int> draws_;
    std::size_t at_ = 0;
};

// Keeps the draws it passes on from a seeded generator.
class Recorder final : public RandomSource {
public:
    explicit Recorder(std::uint64_t seed) : rnd_(seed) {}
    int random(int n) override { return draws.emplace_back(rnd_.random(n)); }
    std::vector<int> draws;

private:
    SeededRandom rnd_;
};

TEST(CheckedShuffle, KeepsTheFirstShuffleWithASolutionElseTheUnshuffledBoard) {
    // A minimal puzzle the hidden solve needs all 15 passes for: some shuffles take it past the cap.
    SeededRandom make(346);
    CellLayer full{};
    generateFullField(full, make);
    const CellLayer puzzle = thinOut(full, make, kMaxSolvePasses, 0);
    ASSERT_EQ(solveGivens(puzzle).passes, kMaxSolvePasses);

    int redrawn = 0;
    std::optional<std::uint64_t> failingSeed;
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        SCOPED_TRACE("shuffle seed " + std::to_string(seed));
        const bool symmetric = seed % 2 == 0;
        Board checked = puzzleBoard(puzzle), plain = puzzleBoard(puzzle);
        SeededRandom a(seed), b(seed);
        EXPECT_TRUE(shuffleCheckedBoard(checked, a, symmetric));
        shuffleBoard(plain, b, symmetric);
        EXPECT_FALSE(checked.noSolution);
        EXPECT_EQ(boxCounts(checked.givens), boxCounts(puzzle));
        EXPECT_EQ(fieldOf(checked.solution), singlesSolve(checked.givens).value_or(Field{}));
        if (!plain.noSolution) {
            EXPECT_TRUE(checked.givens == plain.givens && checked.solution == plain.solution) << "the first is kept";
            continue;
        }
        ++redrawn;
        if (!failingSeed) failingSeed = seed;
        EXPECT_NE(checked.givens, plain.givens);
    }
    ASSERT_GT(redrawn, 0) << "some shuffle of the puzzle fails, and the next draws are taken";

    // Every try the same failing shuffle: the puzzle is played unshuffled, with its solution.
    Recorder recorder(*failingSeed);
    Board probe = puzzleBoard(puzzle);
    shuffleBoard(probe, recorder, *failingSeed % 2 == 0);
    ASSERT_TRUE(probe.noSolution);
    Replay replay(recorder.draws);
    Board fallback = puzzleBoard(puzzle);
    EXPECT_FALSE(shuffleCheckedBoard(fallback, replay, *failingSeed % 2 == 0));
    EXPECT_TRUE(fallback.board == puzzle && fallback.givens == puzzle && !fallback.noSolution);
    EXPECT_EQ(fallback.solution, full);

    // A board that has no solution unshuffled keeps it that way and says so.
    CellLayer hopeless = full;
    for (const auto& pair : symmetricPairs()) {
        if (pair[0].y > 8) continue;
        setFieldValue(hopeless, pair[0], 0);
        setFieldValue(hopeless, pair[1], 0);
    }
    Board none = puzzleBoard(hopeless);
    SeededRandom any(5);
    EXPECT_FALSE(shuffleCheckedBoard(none, any, false));
    EXPECT_TRUE(none.givens == hopeless && none.noSolution);
}

} // namespace
} // namespace quintaro
