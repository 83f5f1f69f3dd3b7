// The composed shuffle leaves every byte the step-by-step one leaves, on sound and on damaged boards.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/shuffle.h"
#include "engine_test_support.h"

namespace quintaro {
namespace {

// Mostly symbols and blanks, now and then any byte at all: shared copies disagree, some entries are no symbol.
std::uint8_t damagedByte(SeededRandom& rnd) {
    return static_cast<std::uint8_t>(rnd.random(8) == 0 ? rnd.random(256) : rnd.random(10));
}

// Every array of the board filled from the seed, storage index 0 included.
Board damagedBoard(std::uint64_t seed) {
    SeededRandom rnd(seed);
    Board b;
    for (CellLayer* layer : {&b.board, &b.givens, &b.boardBackup, &b.solution})
        for (std::uint8_t& v : *layer) v = damagedByte(rnd);
    for (bool& flag : b.candidates) flag = rnd.random(2) == 1;
    for (std::uint8_t& v : b.candidateBytes) v = static_cast<std::uint8_t>(rnd.random(256));
    for (std::uint8_t& v : b.symbolMap) v = static_cast<std::uint8_t>(rnd.random(10));
    for (bool& flag : b.symbolFree) flag = rnd.random(2) == 1;
    return b;
}

// A full field, up to fifty cells no longer given but entered by the player, some candidates set.
Board soundBoard(std::uint64_t seed) {
    Board b = test::fullBoard(seed);
    SeededRandom rnd(seed + 1);
    for (int i = 0; i < 50; ++i) test::setBoth(b.givens, rnd.random(9) + 1, rnd.random(9) + 1, rnd.random(4), 0);
    for (bool& flag : b.candidates) flag = rnd.random(4) == 0;
    return b;
}

// Every field of the two boards agrees, the quarter turn's scratch and the symbol map included.
void expectSameState(const Board& composed, const Board& stepwise) {
    EXPECT_EQ(composed.board, stepwise.board);
    EXPECT_EQ(composed.givens, stepwise.givens);
    EXPECT_EQ(composed.candidates, stepwise.candidates);
    EXPECT_EQ(composed.candidateBytes, stepwise.candidateBytes);
    EXPECT_EQ(composed.boardBackup, stepwise.boardBackup);
    EXPECT_EQ(composed.solution, stepwise.solution);
    EXPECT_EQ(composed.symbolCounts, stepwise.symbolCounts);
    EXPECT_EQ(composed.ruleTally, stepwise.ruleTally);
    EXPECT_EQ(composed.symbolMap, stepwise.symbolMap);
    EXPECT_EQ(composed.symbolFree, stepwise.symbolFree);
    EXPECT_EQ(std::tie(composed.boardChanged, composed.silentSolve, composed.noSolution, composed.errorCount),
              std::tie(stepwise.boardChanged, stepwise.silentSolve, stepwise.noSolution, stepwise.errorCount));
}

class ShuffleEquality : public ::testing::TestWithParam<bool> {};

// Boards x shuffle seeds: the free variant is slow step by step, so it runs fewer.
constexpr int kDamagedBoards = 40;
int shuffleSeeds(bool symmetric) { return symmetric ? 25 : 5; }

TEST_P(ShuffleEquality, DamagedBoardsGiveTheSameBytesAndDraws) {
    const bool symmetric = GetParam();
    for (std::uint64_t boardSeed = 1; boardSeed <= kDamagedBoards; ++boardSeed) {
        const Board start = damagedBoard(boardSeed);
        for (int k = 0; k < shuffleSeeds(symmetric); ++k) {
            const std::uint64_t seed = boardSeed * 1000 + static_cast<std::uint64_t>(k);
            SCOPED_TRACE(testing::Message() << "board seed " << boardSeed << ", shuffle seed " << seed);
            Board composed = start, stepwise = start;
            SeededRandom composedRnd(seed), stepwiseRnd(seed);
            shuffleMoves(composed, composedRnd, symmetric, ShufflePath::Composed);
            shuffleMoves(stepwise, stepwiseRnd, symmetric, ShufflePath::Stepwise);
            expectSameState(composed, stepwise);
            ASSERT_EQ(composedRnd.next(), stepwiseRnd.next()) << "the paths drew differently";
            ASSERT_FALSE(HasFailure());
        }
    }
}

TEST_P(ShuffleEquality, SoundBoardsGiveTheSameGameAfterTheHiddenSolve) {
    const bool symmetric = GetParam();
    for (std::uint64_t seed = 1; seed <= (symmetric ? 200u : 40u); ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Board composed = soundBoard(seed), stepwise = composed;
        SeededRandom composedRnd(seed * 7919), stepwiseRnd(seed * 7919);
        shuffleBoard(composed, composedRnd, symmetric, SolverPath::Fast, ShufflePath::Composed);
        shuffleBoard(stepwise, stepwiseRnd, symmetric, SolverPath::Fast, ShufflePath::Stepwise);
        expectSameState(composed, stepwise);
        ASSERT_NE(composed.board, soundBoard(seed).board); // the shuffle did move something
        ASSERT_EQ(composedRnd.next(), stepwiseRnd.next()) << "the paths drew differently";
        ASSERT_FALSE(HasFailure());
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, ShuffleEquality, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Symmetric" : "Free"; });

} // namespace
} // namespace quintaro
