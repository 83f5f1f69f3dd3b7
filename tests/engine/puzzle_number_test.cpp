// Puzzle numbers: written and read back exactly, everything else refused, drawn within range.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/puzzle_number.h"

namespace quintaro {
namespace {

constexpr std::uint64_t kSeed = 0x5EED0024;

TEST(PuzzleNumber, ReadsBackWhatItWritesForAnyNumber) {
    EXPECT_EQ(formatPuzzleNumber({3, 12345}), "L3-12345");
    EXPECT_EQ(formatPuzzleNumber({0, 0}), "L0-0");
    EXPECT_EQ(formatPuzzleNumber({2, kPuzzleSeedLimit - 1}), "L2-999999999");
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    SeededRandom rnd(kSeed);
    for (int n = 0; n < 2000; ++n) {
        // Seeds of every length, not only the nine-digit ones a uniform draw nearly always gives.
        const int digits = 1 + rnd.random(9);
        std::uint32_t limit = 1;
        for (int d = 0; d < digits; ++d) limit *= 10;
        const PuzzleNumber number{rnd.random(4), static_cast<std::uint32_t>(rnd.random(static_cast<int>(limit)))};
        const std::string text = formatPuzzleNumber(number);
        ASSERT_EQ(parsePuzzleNumber(text), number) << text;
    }
}

TEST(PuzzleNumber, RefusesEveryOtherSpelling) {
    for (const char* text : {"",
                             "L",
                             "L3",
                             "L3-",
                             "l3-12",
                             "L4-12",
                             "L9-1",
                             "L-1-2",
                             "L3_12",
                             "L312",
                             " L3-12",
                             "L3-12 ",
                             "L3--12",
                             "L3-+12",
                             "L3-012",
                             "L3-00",
                             "L3-1234567890",
                             "L3-1000000000",
                             "L3-12a",
                             "L3-1 2",
                             "Rätsel L3-12",
                             "L3-\xef\xbc\x91"}) {
        EXPECT_FALSE(parsePuzzleNumber(text).has_value()) << text;
    }
    EXPECT_TRUE(isValidPuzzleNumber({3, kPuzzleSeedLimit - 1}));
    EXPECT_FALSE(isValidPuzzleNumber({3, kPuzzleSeedLimit}));
    EXPECT_FALSE(isValidPuzzleNumber({4, 0}));
    EXPECT_FALSE(isValidPuzzleNumber({-1, 0}));
}

TEST(PuzzleNumber, DrawsValidNumbersOfTheChosenLevelRepeatablyFromTheSource) {
    SeededRandom a(kSeed), b(kSeed);
    std::set<std::uint32_t> seeds;
    for (int n = 0; n < 200; ++n) {
        const PuzzleNumber drawn = drawPuzzleNumber(n % 4, a);
        EXPECT_EQ(drawn, drawPuzzleNumber(n % 4, b));
        EXPECT_TRUE(isValidPuzzleNumber(drawn) && drawn.level == n % 4);
        seeds.insert(drawn.seed);
    }
    EXPECT_GT(seeds.size(), 195u) << "seeds spread over the whole range";
}

} // namespace
} // namespace quintaro
