// The shuffle keeps fields valid, givens given and symmetric patterns symmetric, drawing in a fixed order.
#include <gtest/gtest.h>

#include <vector>

#include "engine/full_field.h"
#include "engine/random_source.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

using test::RecordingView;
using test::sharedCopiesEqual;

// Half turn about the field centre: grid 0 <-> 3 and grid 1 <-> 2, (c, r) -> (10 - c, 10 - r).
bool halfTurnSymmetricPattern(const CellLayer& layer) {
    constexpr int opposite[kGridCount] = {3, 2, 1, 0};
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if ((cellAt(layer, c, r, g) != 0) != (cellAt(layer, 10 - c, 10 - r, opposite[g]) != 0)) return false;
            }
        }
    }
    return true;
}

// A full field whose givens form a half-turn symmetric pattern; the player has filled a few other cells.
Board symmetricPuzzle(std::uint64_t seed) {
    SeededRandom rnd(seed);
    Board b;
    generateFullField(b.board, rnd);
    b.givens = b.board;
    constexpr int opposite[kGridCount] = {3, 2, 1, 0};
    for (int i = 0; i < 60; ++i) {
        const int c = rnd.random(9) + 1, r = rnd.random(9) + 1, g = rnd.random(4);
        for (auto [cc, rr, gg] : {std::array{c, r, g}, std::array{10 - c, 10 - r, opposite[g]}}) {
            cellAt(b.givens, cc, rr, gg) = 0;
            int tc = 0, tr = 0, tg = 0;
            if (sharedTwin(cc, rr, gg, tc, tr, tg)) cellAt(b.givens, tc, tr, tg) = 0;
        }
    }
    return b;
}

int givenCount(Board b) {
    clearSharedCopies(b);
    return test::filledCells(b.givens);
}

bool givensStandOnTheBoard(const Board& b) {
    for (int i = 0; i < kCellLayerSize; ++i) {
        if (b.givens[i] != 0 && b.givens[i] != b.board[i]) return false;
    }
    return true;
}

class ShuffleVariants : public ::testing::TestWithParam<bool> {};

TEST_P(ShuffleVariants, FullFieldStaysValidAndGivensStay) {
    const bool symmetric = GetParam();
    for (std::uint64_t seed = 1; seed <= (symmetric ? 1500u : 300u); ++seed) {
        Board b = symmetricPuzzle(seed);
        const int givens = givenCount(b);
        b.candidates[candidateIndex(4, 4, 4, 0)] = true;
        const auto candidates = b.candidates;
        SeededRandom rnd(seed * 7919);
        RecordingView view;
        shuffleBoard(b, view, rnd, symmetric);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ASSERT_TRUE(checkRules(b));
        ASSERT_TRUE(isFieldFull(b));
        ASSERT_TRUE(sharedCopiesEqual(b.board));
        ASSERT_TRUE(sharedCopiesEqual(b.givens));
        ASSERT_EQ(givenCount(b), givens);
        ASSERT_TRUE(givensStandOnTheBoard(b));
        if (symmetric) {
            ASSERT_TRUE(halfTurnSymmetricPattern(b.givens));
        }
        ASSERT_EQ(b.candidates, candidates);
        // The hidden solve at the end describes the shuffled board.
        ASSERT_EQ(b.solution, b.board);
        ASSERT_FALSE(b.noSolution);
    }
}

TEST_P(ShuffleVariants, EmptyCellsStayEmpty) {
    Board b = symmetricPuzzle(99);
    b.board = b.givens; // only the givens: the rest is empty
    SeededRandom rnd(4);
    RecordingView view;
    const int filled = test::filledCells(b.board);
    shuffleBoard(b, view, rnd, GetParam());
    EXPECT_EQ(test::filledCells(b.board), filled);
    EXPECT_EQ(b.board, b.givens);
    EXPECT_TRUE(checkRules(b));
}

INSTANTIATE_TEST_SUITE_P(Engine, ShuffleVariants, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Symmetric" : "Free"; });

TEST(ShuffleMoves, MirrorsTwiceAndQuarterTurnFourTimesAreIdentity) {
    // Arbitrary bytes, not a valid field: the moves are pure permutations of cells.
    SeededRandom rnd(3);
    Board b;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) {
                cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(rnd.random(10));
                cellAt(b.givens, c, r, g) = static_cast<std::uint8_t>(rnd.random(10));
            }
        }
    }
    const Board start = b;
    mirrorLeftRight(b);
    EXPECT_NE(b.board, start.board);
    mirrorLeftRight(b);
    EXPECT_EQ(b.board, start.board);
    EXPECT_EQ(b.givens, start.givens);
    mirrorTopBottom(b);
    mirrorTopBottom(b);
    EXPECT_EQ(b.board, start.board);
    EXPECT_EQ(b.givens, start.givens);
    for (int i = 0; i < 4; ++i) {
        rotateClockwise(b);
        if (i < 3) {
            EXPECT_NE(b.board, start.board);
        }
    }
    EXPECT_EQ(b.board, start.board);
    EXPECT_EQ(b.givens, start.givens);
}

TEST(ShuffleMoves, QuarterTurnIsClockwiseOnTheScreen) {
    Board b;
    cellAt(b.board, 2, 1, 0) = 5;  // top grid, upper edge, near its left side
    cellAt(b.givens, 1, 9, 1) = 6; // left grid, bottom-left corner
    rotateClockwise(b);
    EXPECT_EQ(cellAt(b.board, 9, 2, 2), 5);  // right grid, right edge, near its top
    EXPECT_EQ(cellAt(b.givens, 1, 1, 0), 6); // top grid, top-left corner
    EXPECT_EQ(test::filledCells(b.board), 1);
}

TEST(ShuffleMoves, PermutationMapsEverySymbolAndKeepsEmpty) {
    SeededRandom fieldRnd(8);
    Board b;
    generateFullField(b.board, fieldRnd);
    cellAt(b.board, 5, 5, 0) = 0;
    b.givens = b.board;
    const Board start = b;
    SeededRandom rnd(9);
    permuteSymbols(b, rnd);
    EXPECT_EQ(b.symbolMap[0], 0);
    for (int i = 0; i < kCellLayerSize; ++i) {
        ASSERT_EQ(b.board[i], b.symbolMap[start.board[i]]);
        ASSERT_EQ(b.givens[i], b.symbolMap[start.givens[i]]);
    }
    EXPECT_TRUE(checkRules(b));
}

// Hands out scripted draws: 0 for every range except 9, which cycles so that permutations finish.
struct ScriptedRandom : RandomSource {
    std::vector<int> ranges;
    int nineCounter = 0;
    int random(int n) override {
        ranges.push_back(n);
        return n == 9 ? nineCounter++ % 9 : 0;
    }
};

TEST(ShuffleDraws, SymmetricVariantDrawsInItsFixedOrder) {
    Board b;
    ScriptedRandom rnd;
    RecordingView view;
    shuffleBoard(b, view, rnd, true);
    // 101 repetitions, each: x, chance, x, chance, x, chance, chance, nine permutation draws, three chances.
    const std::vector<int> repetition{2, 2, 2, 2, 2, 2, 2, 9, 9, 9, 9, 9, 9, 9, 9, 9, 2, 2, 2};
    ASSERT_EQ(rnd.ranges.size(), 1 + 101 * repetition.size());
    EXPECT_EQ(rnd.ranges[0], 150);
    for (std::size_t i = 1; i < rnd.ranges.size(); ++i) {
        ASSERT_EQ(rnd.ranges[i], repetition[(i - 1) % repetition.size()]) << i;
    }
}

TEST(ShuffleDraws, FreeVariantDrawsInItsFixedOrder) {
    Board b;
    ScriptedRandom rnd;
    RecordingView view;
    shuffleBoard(b, view, rnd, false);
    // 100 repetitions of: 50 line-swap rounds of 15 draws, four band loops of 20 rounds, 20 mirror rounds.
    std::vector<int> repetition{20};
    const std::vector<int> lineRound{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int i = 0; i < 50; ++i) repetition.insert(repetition.end(), lineRound.begin(), lineRound.end());
    for (int band = 0; band < 4; ++band) {
        repetition.push_back(20);
        repetition.insert(repetition.end(), 20, 2);
    }
    repetition.push_back(20);
    for (int i = 0; i < 20; ++i) {
        repetition.insert(repetition.end(), {2, 2, 2});
        repetition.insert(repetition.end(), 9, 9);
    }
    ASSERT_EQ(rnd.ranges.size(), 1 + 100 * repetition.size());
    EXPECT_EQ(rnd.ranges[0], 50);
    for (std::size_t i = 1; i < rnd.ranges.size(); ++i) {
        ASSERT_EQ(rnd.ranges[i], repetition[(i - 1) % repetition.size()]) << i;
    }
}

} // namespace
} // namespace quintaro
