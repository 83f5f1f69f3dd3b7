// Empty slots of a board file: what counts as nothing stored, and what is left unmarked because it cannot be read.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <fstream>

#include "record_fixture.h"
#include "storage/board_slots.h"

namespace quintaro {
namespace {

TEST(BoardSlots, OnlyReadableRecordsWithNothingOnTheirCellsAreEmpty) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("brett.qbr").toStdString();
    EXPECT_EQ(emptySlots(path), (std::array{true, true, true, true})) << "no file: nothing stored anywhere";

    // Slot 1 holds a given; slot 2 only bytes of column 0, which mean nothing; slot 3 is cut off
    // after its data, slot 4 is not there at all.
    test::RecordBytes given, stray;
    given.givenCell(9, 9, 3, 2);
    stray.boardCell(0, 4, 1, 5);
    stray.clockFlag(0xFF);
    {
        std::ofstream out(path, std::ios::binary);
        for (const test::RecordBytes* rec : {&given, &stray})
            out.write(reinterpret_cast<const char*>(rec->bytes.data()), std::streamsize(rec->bytes.size()));
        out << std::string(4811, '\0');
    }
    EXPECT_EQ(emptySlots(path), (std::array{false, true, true, false}));
    std::filesystem::resize_file(path, 2 * 6000 + 4810);
    EXPECT_EQ(emptySlots(path), (std::array{false, true, false, false})) << "a record short of its data is unreadable";
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(emptySlots(path), (std::array{false, false, false, false})) << "a folder holds no board file";
}

} // namespace
} // namespace quintaro
