// Collection images: where the puzzles land, what the other bytes of a record hold.
#include <gtest/gtest.h>

#include "engine/full_field.h"
#include "storage/board_record.h"
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

    for (int n = 0; n < 2; ++n) {
        SCOPED_TRACE("record " + std::to_string(n));
        const std::uint8_t* rec = &file[n * 6000];
        const CellLayer& puzzle = n == 0 ? first : second;
        for (int i = 0; i < 400; ++i) {
            ASSERT_EQ(rec[i], puzzle[i]) << "board byte " << i;
            ASSERT_EQ(rec[400 + i], puzzle[i]) << "givens byte " << i;
        }
        for (int i = 800; i < 4800; ++i) ASSERT_EQ(rec[i], 0) << "candidate byte " << i;
        EXPECT_EQ(rec[4800], 0x00) << "clock flag";
        for (int i = 4801; i < 4809; ++i) EXPECT_EQ(rec[i], 0) << "elapsed byte " << i;
        EXPECT_EQ(rec[4809], 2);
        EXPECT_EQ(rec[4810], 0);
        for (int i = 4811; i < 6000; ++i) ASSERT_TRUE(rec[i] >= 1 && rec[i] <= 9) << "filler byte " << i;
    }
    for (int n = 2; n < 4; ++n) {
        const std::uint8_t* rec = &file[n * 6000];
        for (int i = 0; i < 4800; ++i) ASSERT_EQ(rec[i], 0) << "record " << n << " byte " << i;
        for (int i = 4800; i < 6000; ++i) ASSERT_TRUE(rec[i] >= 1 && rec[i] <= 9) << "record " << n << " byte " << i;
    }

    SeededRandom sameFiller(1);
    EXPECT_EQ(collectionFile({first, second}, 2, sameFiller), file) << "the same filler seed gives the same bytes";
}

} // namespace
} // namespace quintaro
