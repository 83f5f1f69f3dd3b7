// Board files on disk: reading records back, missing and short files, and saves that must fail safely.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include <sys/resource.h>

#include "record_fixture.h"
#include "storage/file_size_limit.h"
#include "storage/locked_folder.h"
#include "storage/board_file.h"

namespace quintaro {
namespace {

class BoardFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Board saved; // a 7 in cell (9, 9) of grid 3
    test::CountingRandom filler;
    std::string error;

    BoardFileTest() { saved.board[cellIndex(9, 9, 3)] = 7; }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    static void writeBytes(const std::string& p, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static std::vector<std::uint8_t> readBytes(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // saved as record 1 between the other records of the old file.
    static void expectRecordOneSaved(const std::vector<std::uint8_t>& old, const std::vector<std::uint8_t>& now) {
        ASSERT_EQ(now.size(), 24000u);
        EXPECT_TRUE(std::equal(old.begin(), old.begin() + 6000, now.begin()));
        EXPECT_TRUE(std::equal(old.begin() + 12000, old.end(), now.begin() + 12000));
        EXPECT_EQ(now[6000 + cellIndex(9, 9, 3)], 7);
    }

    // Four records, record n holding symbol n + 1 in cell (5, 5) of grid 0 and level n.
    static std::vector<std::uint8_t> fourRecords() {
        std::vector<std::uint8_t> file;
        for (int n = 0; n < 4; ++n) {
            test::RecordBytes rec;
            rec.boardCell(5, 5, 0, static_cast<std::uint8_t>(n + 1));
            rec.level(static_cast<std::uint8_t>(n), 0);
            file.insert(file.end(), rec.bytes.begin(), rec.bytes.end());
        }
        return file;
    }
};

TEST_F(BoardFileTest, ReadsEachRecordAtItsOffsetAndFromShortOrUnusableFilesNothing) {
    auto file = fourRecords();
    writeBytes(path("brett.qbr"), file);
    Board b;
    RecordClock clock;
    for (int n = 0; n < 4; ++n) {
        ASSERT_EQ(readBoardRecord(path("brett.qbr"), n, b, clock), ReadStatus::Loaded);
        EXPECT_EQ(std::tuple(int{b.board[cellIndex(5, 5, 0)]}, int{clock.level}), std::tuple(n + 1, n));
    }
    const Board before = b;
    file.resize(18000 + 4810); // record 3 stops one byte before its filler
    writeBytes(path("kurz.qbr"), file);
    writeBytes(path("leer.qbr"), {});
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.qbr"));
    using enum ReadStatus;
    for (const auto& [name, record, status] : {std::tuple{"nicht-da.qbr", 0, Missing},
                                               {"kurz.qbr", 3, TooShort},
                                               {"kurz.qbr", -1, Unreadable},
                                               {"kurz.qbr", 4, Unreadable},
                                               {"leer.qbr", 0, TooShort},
                                               {"ordner.qbr", 0, Unreadable}})
        EXPECT_EQ(readBoardRecord(path(name), record, b, clock), status) << name << " record " << record;
    EXPECT_EQ(b.board, before.board);
    EXPECT_EQ(clock.level, 3);

    file.push_back(0); // now the data of record 3 are complete; only its filler is cut short
    writeBytes(path("kurz.qbr"), file);
    b = Board{};
    EXPECT_EQ(readBoardRecord(path("kurz.qbr"), 3, b, clock), ReadStatus::Loaded);
    EXPECT_EQ(b.board[cellIndex(5, 5, 0)], 4);
}

TEST_F(BoardFileTest, SaveKeepsTheOtherSlotsAndAFailedOneLeavesTheOldFileAlone) {
    const auto old = fourRecords();
    writeBytes(path("brett.qbr"), old);
    ASSERT_TRUE(writeBoardRecord(path("brett.qbr"), 1, saved, RecordClock{}, filler, error)) << error;
    const auto now = readBytes(path("brett.qbr"));
    expectRecordOneSaved(old, now);
    ASSERT_TRUE(writeBoardRecord(path("neu.qbr"), 3, saved, RecordClock{}, filler, error)) << error;
    EXPECT_EQ(readBytes(path("neu.qbr")).size(), 24000u); // a new file gets all four records

    ASSERT_TRUE(QDir(dir.path()).mkpath("ordner.qbr/inhalt"));
    const auto failedSave = [&](const std::string& target, int record) {
        EXPECT_FALSE(writeBoardRecord(target, record, saved, RecordClock{}, filler, error)) << target;
        EXPECT_EQ(error.rfind("Das Brett konnte nicht gesichert werden: ", 0), 0u) << error;
        return error;
    };
    failedSave(path("brett.qbr") + "/brett.qbr", 0); // inside a folder that cannot exist
    EXPECT_NE(failedSave(path("ordner.qbr"), 0).find("Ordner"), std::string::npos);
    failedSave(path("brett.qbr"), 4);
    {
        test::FileSizeLimit full(1000);
        failedSave(path("brett.qbr"), 0);
    }
    EXPECT_EQ(readBytes(path("brett.qbr")), now);
    EXPECT_TRUE(QDir(dir.filePath("ordner.qbr/inhalt")).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"brett.qbr", "neu.qbr"}))
        << "no temporary file left";
}

TEST_F(BoardFileTest, SaveIntoAHugeFileReadsOnlyItsFourRecordsAndDropsTheRest) {
    const auto old = fourRecords();
    writeBytes(path("brett.qbr"), old);
    std::filesystem::resize_file(path("brett.qbr"), 400'000'000); // sparse: it takes no room on the disk
    ASSERT_TRUE(writeBoardRecord(path("brett.qbr"), 1, saved, RecordClock{}, filler, error)) << error;
    expectRecordOneSaved(old, readBytes(path("brett.qbr")));
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "peak memory in KiB: the save read the whole file";
}

TEST_F(BoardFileTest, SaveInAFolderThatRefusesNewFilesOverwritesTheFileInPlaceAndReportsAFailure) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("fest"));
    const std::string file = path("fest/brett.qbr");
    const auto old = fourRecords();
    writeBytes(file, old);
    test::LockedFolder lock(dir.filePath("fest").toStdString());
    if (!lock.locked) GTEST_SKIP() << "this process may make files in any folder and cannot make one immutable";

    ASSERT_TRUE(writeBoardRecord(file, 1, saved, RecordClock{}, filler, error)) << error;
    expectRecordOneSaved(old, readBytes(file));
    EXPECT_EQ(QDir(dir.filePath("fest")).entryList(QDir::Files), QStringList{"brett.qbr"});

    {
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(writeBoardRecord(file, 2, saved, RecordClock{}, filler, error));
        EXPECT_NE(error.find("Schreibfehler in " + file), std::string::npos) << error;
    }
    EXPECT_FALSE(writeBoardRecord(path("fest/neu.qbr"), 0, saved, RecordClock{}, filler, error));
    EXPECT_NE(error.find("neu.qbr lässt sich nicht anlegen"), std::string::npos) << error;
}

} // namespace
} // namespace quintaro
