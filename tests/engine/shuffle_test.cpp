// The shuffle keeps fields valid, givens given and symmetric patterns symmetric, drawing in a fixed order.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/shuffle.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

// Half turn about the field centre: grid 0 <-> 3 and grid 1 <-> 2, (c, r) -> (10 - c, 10 - r).
constexpr int kOpposite[kGridCount] = {3, 2, 1, 0};

bool halfTurnSymmetric(const CellLayer& layer) {
    for (int i = 0; i < kCellLayerSize; ++i) {
        const int c = i / 40, r = i / 4 % 10, g = i % 4;
        if (c && r && (layer[i] != 0) != (cellAt(layer, 10 - c, 10 - r, kOpposite[g]) != 0)) return false;
    }
    return true;
}

// A full field whose givens form a half-turn symmetric pattern; the rest are the player's entries.
Board symmetricPuzzle(std::uint64_t seed) {
    Board b = test::fullBoard(seed);
    SeededRandom rnd(seed);
    for (int i = 0; i < 60; ++i) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        test::setBoth(b.givens, c, r, g, 0);
        test::setBoth(b.givens, 10 - c, 10 - r, kOpposite[g], 0);
    }
    return b;
}

class ShuffleVariants : public ::testing::TestWithParam<bool> {};

TEST_P(ShuffleVariants, FullFieldStaysValidAndGivensStay) {
    const bool symmetric = GetParam();
    for (std::uint64_t seed = 1; seed <= (symmetric ? 1500u : 300u); ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Board b = symmetricPuzzle(seed);
        const int givens = test::filledCells(b.givens);
        b.candidates[candidateIndex(4, 4, 4, 0)] = true; // candidates are not touched
        SeededRandom rnd(seed * 7919);
        shuffleBoard(b, rnd, symmetric);
        ASSERT_TRUE(checkRules(b) && test::sharedCopiesEqual(b.board) && test::sharedCopiesEqual(b.givens));
        ASSERT_EQ(test::filledCells(b.givens), givens);
        for (int i = 0; i < kCellLayerSize; ++i) ASSERT_TRUE(b.givens[i] == 0 || b.givens[i] == b.board[i]) << i;
        ASSERT_TRUE(!symmetric || halfTurnSymmetric(b.givens));
        ASSERT_TRUE(b.candidates[candidateIndex(4, 4, 4, 0)]);
        ASSERT_TRUE(b.solution == b.board && !b.noSolution); // the hidden solve describes the shuffled board
    }
}

TEST_P(ShuffleVariants, EmptyCellsStayEmpty) {
    Board b = symmetricPuzzle(99);
    b.board = b.givens;
    const int filled = test::filledCells(b.board);
    SeededRandom rnd(4);
    shuffleBoard(b, rnd, GetParam());
    EXPECT_EQ(test::filledCells(b.board), filled);
    EXPECT_EQ(b.board, b.givens);
}

INSTANTIATE_TEST_SUITE_P(Engine, ShuffleVariants, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Symmetric" : "Free"; });

TEST(ShuffleMoves, MirrorsTwiceAndQuarterTurnFourTimesAreIdentityAndTheTurnIsClockwise) {
    SeededRandom rnd(3); // arbitrary bytes, not a valid field: the moves only move cells
    Board b;
    for (CellLayer* layer : {&b.board, &b.givens})
        for (std::uint8_t& v : *layer) v = static_cast<std::uint8_t>(rnd.random(10));
    const Board start = b;
    for (void (*move)(Board&) : {mirrorLeftRight, mirrorTopBottom}) {
        move(b);
        EXPECT_NE(b.board, start.board);
        move(b);
        EXPECT_EQ(std::tie(b.board, b.givens), std::tie(start.board, start.givens));
    }
    for (int i = 1; i <= 4; ++i) {
        rotateClockwise(b);
        EXPECT_EQ(b.board == start.board, i == 4);
    }
    EXPECT_EQ(b.givens, start.givens);

    Board one;
    cellAt(one.board, 2, 1, 0) = 5;  // top grid, upper edge, near its left side
    cellAt(one.givens, 1, 9, 1) = 6; // left grid, bottom-left corner
    rotateClockwise(one);
    EXPECT_EQ(cellAt(one.board, 9, 2, 2), 5);  // right grid, right edge, near its top
    EXPECT_EQ(cellAt(one.givens, 1, 1, 0), 6); // top grid, top-left corner
}

TEST(ShuffleDraws, SymmetricVariantDrawsInItsFixedOrder) {
    struct ScriptedRandom : RandomSource { // 0 for every range but 9, which cycles so permutations finish
        std::vector<int> ranges;
        int random(int n) override {
            ranges.push_back(n);
            return n == 9 ? static_cast<int>(ranges.size() % 9) : 0;
        }
    } rnd;
    Board b;
    shuffleBoard(b, rnd, true);
    // 101 repetitions: x, chance, x, chance, x, two chances, nine permutation draws, three chances.
    const std::vector<int> repetition{2, 2, 2, 2, 2, 2, 2, 9, 9, 9, 9, 9, 9, 9, 9, 9, 2, 2, 2};
    ASSERT_EQ(rnd.ranges.size(), 1 + 101 * repetition.size());
    EXPECT_EQ(rnd.ranges[0], 150);
    for (std::size_t i = 1; i < rnd.ranges.size(); ++i)
        ASSERT_EQ(rnd.ranges[i], repetition[(i - 1) % repetition.size()]) << i;
}

TEST(ShuffleDraws, FreeVariantRepeatsItsLoopsAndMovesOnlyWhereAChanceDrawIsOne) {
    // Every count at its minimum, every permutation the identity, and a 1 only on two RANDOM(2) draws:
    // the second (the chance of swapping rows 1 and 2 of grid 0) and the last (the last quarter turn's).
    struct ScriptedRandom : RandomSource {
        std::vector<int> ranges;
        int coins = 0, symbols = 0;
        // Per repetition: 50 inner rounds of 15, four band loops of 20 and 20 rounds of three chances.
        const int lastCoin = 100 * (50 * 15 + 4 * 20 + 20 * 3) - 1;
        int random(int n) override {
            ranges.push_back(n);
            if (n == 9) return symbols++ % 9;
            if (n != 2) return 0;
            const int i = coins++;
            return i == 1 || i == lastCoin ? 1 : 0;
        }
    } rnd;
    SeededRandom bytes(8); // arbitrary bytes: the moves only move cells
    Board b;
    for (CellLayer* layer : {&b.board, &b.givens})
        for (std::uint8_t& v : *layer) v = static_cast<std::uint8_t>(bytes.random(10));
    Board expected = b;
    swapRows(expected, 0, 1, 2);
    rotateClockwise(expected); // 20 swaps of the same two band lines cancel; identity maps change nothing
    shuffleMoves(b, rnd, false);
    EXPECT_TRUE(b.board == expected.board && b.givens == expected.givens)
        << "moves other than one row swap and one quarter turn";

    std::vector<int> ranges{50};
    for (int i = 0; i < 100; ++i) {
        ranges.push_back(20);
        ranges.insert(ranges.end(), 50 * 15, 2); // x, 2 chances, x, 4 chances, x, 2 chances, 4 chances
        for (int band = 0; band < 4; ++band) {
            ranges.push_back(20);
            ranges.insert(ranges.end(), 20, 2);
        }
        ranges.push_back(20);
        for (int j = 0; j < 20; ++j) {
            ranges.insert(ranges.end(), 3, 2);
            ranges.insert(ranges.end(), 9, 9);
        }
    }
    const auto [got, want] = std::mismatch(rnd.ranges.begin(), rnd.ranges.end(), ranges.begin(), ranges.end());
    EXPECT_TRUE(got == rnd.ranges.end() && want == ranges.end())
        << "first difference at draw " << got - rnd.ranges.begin() << " (" << rnd.ranges.size() << " drawn, "
        << ranges.size() << " expected)";
}

} // namespace
} // namespace quintaro
