// Puzzle numbers: written and read back exactly, everything else refused, drawn within range.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/puzzle_number.h"

namespace quintaro {
namespace {

TEST(PuzzleNumber, ReadsBackWhatItWritesAndDrawsValidNumbersRepeatably) {
    EXPECT_EQ(formatPuzzleNumber({3, 12345}), "L3-12345");
    EXPECT_EQ(parsePuzzleNumber("L0-0"), (PuzzleNumber{0, 0}));
    EXPECT_EQ(parsePuzzleNumber("L2-999999999"), (PuzzleNumber{2, kPuzzleSeedLimit - 1}));
    constexpr std::uint64_t kSeed = 0x5EED0024;
    SeededRandom a(kSeed), b(kSeed);
    std::set<std::uint32_t> seeds;
    for (int n = 0; n < 500; ++n) {
        const PuzzleNumber drawn = drawPuzzleNumber(n % 4, a);
        ASSERT_TRUE(drawn == drawPuzzleNumber(n % 4, b) && isValidPuzzleNumber(drawn) && drawn.level == n % 4);
        // Shorter seeds too: a uniform draw nearly always has nine digits.
        const PuzzleNumber shorter{drawn.level, drawn.seed >> (n % 30)};
        ASSERT_EQ(parsePuzzleNumber(formatPuzzleNumber(shorter)), shorter) << "seed " << kSeed << ", draw " << n;
        seeds.insert(drawn.seed);
    }
    EXPECT_GT(seeds.size(), 495u) << "seeds spread over the whole range";
}

TEST(PuzzleNumber, RefusesEveryOtherSpelling) {
    for (const char* text : {"", "L", "L3-", "l3-12", "L4-12", "L-1-2", "L3_12", "L312", " L3-12", "L3-12 ", "L3--12",
                             "L3-+12", "L3-012", "L3-00", "L3-1000000000", "L3-12a", "Rätsel L3-12", "L3-\xef\xbc\x91"})
        EXPECT_FALSE(parsePuzzleNumber(text).has_value()) << text;
    EXPECT_FALSE(isValidPuzzleNumber({3, kPuzzleSeedLimit}) || isValidPuzzleNumber({4, 0}) ||
                 isValidPuzzleNumber({-1, 0}));
}

} // namespace
} // namespace quintaro
