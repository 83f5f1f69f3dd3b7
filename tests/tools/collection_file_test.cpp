// Collection images: where the puzzles land, what the other bytes of a record hold.
#include <gtest/gtest.h>

#include "engine/full_field.h"
#include "tools/collection_file.h"

namespace quintaro {
namespace {

TEST(CollectionFile, HoldsEachPuzzleAsGivensWithAClearClockAndEmptyRecordsAfter) {
    SeededRandom rnd(9);
    CellLayer first{}, second{};
    generateFullField(first, rnd);
    generateFullField(second, rnd);
    cellAt(second, 5, 5, 0) = 0;
    SeededRandom filler(1);
    const std::vector<std::uint8_t> file = collectionFile({first, second}, 2, filler);
    ASSERT_EQ(file.size(), 24000u);
    for (int n = 0; n < 4; ++n) {
        const CellLayer puzzle = n == 0 ? first : n == 1 ? second : CellLayer{};
        // Board and givens blocks, no candidates, clock flag and elapsed time 0, level 2, filler 1..9;
        // a record without a puzzle is 4,800 zeros and filler.
        for (int i = 0; i < 6000; ++i) {
            const std::uint8_t v = file[n * 6000 + i];
            if (i >= (n < 2 ? 4811 : 4800))
                ASSERT_TRUE(v >= 1 && v <= 9) << "record " << n << " byte " << i;
            else
                ASSERT_EQ(v, i < 800 ? puzzle[i % 400] : i == 4809 ? 2 : 0) << "record " << n << " byte " << i;
        }
    }
    SeededRandom sameFiller(1);
    EXPECT_EQ(collectionFile({first, second}, 2, sameFiller), file) << "the same filler seed gives the same bytes";
}

} // namespace
} // namespace quintaro
