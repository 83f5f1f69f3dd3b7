// Board files on disk: reading records back, missing and short files, and saves that must fail safely.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include "record_fixture.h"
#include "storage/board_file.h"

namespace quintaro {
namespace {

using test::CountingRandom;
using test::RecordBytes;

class BoardFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    static void writeBytes(const std::string& p, const std::vector<std::uint8_t>& bytes) {
        QFile f(QString::fromStdString(p));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())), qint64(bytes.size()));
    }

    static std::vector<std::uint8_t> readBytes(const std::string& p) {
        QFile f(QString::fromStdString(p));
        const QByteArray data = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        return {data.begin(), data.end()};
    }

    // Board fixture: four records, record n holding symbol n + 1 in cell (5, 5) of grid 0.
    static std::vector<std::uint8_t> fourRecords() {
        std::vector<std::uint8_t> file;
        for (int n = 0; n < 4; ++n) {
            RecordBytes rec;
            rec.boardCell(5, 5, 0, static_cast<std::uint8_t>(n + 1));
            rec.givenCell(5, 5, 0, static_cast<std::uint8_t>(n + 1));
            rec.clockFlag(n == 2 ? 0xFF : 0x00);
            rec.elapsed(100.0 * n);
            rec.level(static_cast<std::uint8_t>(n), 0);
            file.insert(file.end(), rec.bytes.begin(), rec.bytes.end());
        }
        return file;
    }
};

TEST_F(BoardFileTest, ReadsTheChosenRecordAtItsOffset) {
    writeBytes(path("brett.qbr"), fourRecords());
    for (int n = 0; n < 4; ++n) {
        Board b;
        RecordClock clock;
        ASSERT_EQ(readBoardRecord(path("brett.qbr"), n, b, clock), ReadStatus::Loaded);
        EXPECT_EQ(b.board[cellIndex(5, 5, 0)], n + 1);
        EXPECT_EQ(b.givens[cellIndex(5, 5, 0)], n + 1);
        EXPECT_EQ(clock.runningByte, n == 2 ? 0xFF : 0x00);
        EXPECT_EQ(clock.elapsedSeconds, 100.0 * n);
        EXPECT_EQ(clock.level, n);
    }
}

TEST_F(BoardFileTest, MissingShortOrUnusableFilesLoadNothing) {
    Board b;
    b.board[cellIndex(2, 2, 1)] = 6;
    RecordClock clock;
    clock.level = 1;
    const Board before = b;

    EXPECT_EQ(readBoardRecord(path("nicht-da.qbr"), 0, b, clock), ReadStatus::Missing);

    auto file = fourRecords();
    file.resize(18000 + 4810); // record 3 stops one byte before its filler
    writeBytes(path("kurz.qbr"), file);
    EXPECT_EQ(readBoardRecord(path("kurz.qbr"), 3, b, clock), ReadStatus::TooShort);
    EXPECT_EQ(readBoardRecord(path("kurz.qbr"), -1, b, clock), ReadStatus::Unreadable);
    EXPECT_EQ(readBoardRecord(path("kurz.qbr"), 4, b, clock), ReadStatus::Unreadable);
    writeBytes(path("leer.qbr"), {});
    EXPECT_EQ(readBoardRecord(path("leer.qbr"), 0, b, clock), ReadStatus::TooShort);
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.qbr"));
    EXPECT_EQ(readBoardRecord(path("ordner.qbr"), 0, b, clock), ReadStatus::Unreadable);

    EXPECT_EQ(b.board, before.board);
    EXPECT_EQ(clock.level, 1);

    file.push_back(0); // now the data of record 3 are complete; only its filler is cut short
    writeBytes(path("kurz.qbr"), file);
    EXPECT_EQ(readBoardRecord(path("kurz.qbr"), 3, b, clock), ReadStatus::Loaded);
    EXPECT_EQ(b.board[cellIndex(5, 5, 0)], 4);
}

TEST_F(BoardFileTest, SavedRecordReadsBackAndOtherSlotsSurvive) {
    writeBytes(path("brett.qbr"), fourRecords());
    Board b;
    b.board[cellIndex(9, 9, 3)] = 7;
    b.candidates[candidateIndex(1, 2, 3, 0)] = true;
    CountingRandom filler;
    std::string error;
    ASSERT_TRUE(writeBoardRecord(path("brett.qbr"), 1, b, RecordClock{0xFF, 42.0, 2}, filler, error)) << error;

    const auto bytes = readBytes(path("brett.qbr"));
    ASSERT_EQ(bytes.size(), 24000u);
    const auto old = fourRecords();
    EXPECT_TRUE(std::equal(old.begin(), old.begin() + 6000, bytes.begin()));
    EXPECT_TRUE(std::equal(old.begin() + 12000, old.end(), bytes.begin() + 12000));

    Board back;
    RecordClock clock;
    ASSERT_EQ(readBoardRecord(path("brett.qbr"), 1, back, clock), ReadStatus::Loaded);
    EXPECT_EQ(back.board, b.board);
    EXPECT_TRUE(back.candidates[candidateIndex(1, 2, 3, 0)]);
    EXPECT_EQ(clock.elapsedSeconds, 42.0);
    EXPECT_EQ(clock.level, 2);
}

TEST_F(BoardFileTest, SavingCreatesAFileOfFourRecords) {
    Board b;
    CountingRandom filler;
    std::string error;
    ASSERT_TRUE(writeBoardRecord(path("neu.qbr"), 3, b, RecordClock{}, filler, error)) << error;
    const auto bytes = readBytes(path("neu.qbr"));
    ASSERT_EQ(bytes.size(), 24000u);
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(test::isEmptyRecord(&bytes[n * 6000])) << n;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"neu.qbr"}) << "no temporary file left";
}

void expectSaveFailure(const std::string& target, std::string& error) {
    Board b;
    b.board[cellIndex(1, 1, 0)] = 1;
    CountingRandom filler;
    EXPECT_FALSE(writeBoardRecord(target, 0, b, RecordClock{}, filler, error));
    EXPECT_EQ(error.rfind("Das Brett konnte nicht gesichert werden: ", 0), 0u) << error;
}

TEST_F(BoardFileTest, SaveIntoAFolderThatCannotExistFails) {
    writeBytes(path("datei"), {1, 2, 3});
    std::string error;
    expectSaveFailure(path("datei") + "/brett.qbr", error);
    EXPECT_EQ(readBytes(path("datei")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(BoardFileTest, SaveOntoAFolderFailsAndLeavesItAlone) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("brett.qbr/inhalt"));
    std::string error;
    expectSaveFailure(path("brett.qbr"), error);
    EXPECT_NE(error.find("Ordner"), std::string::npos) << error;
    EXPECT_TRUE(QDir(dir.filePath("brett.qbr/inhalt")).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(BoardFileTest, BadSlotNumberIsRefused) {
    writeBytes(path("brett.qbr"), fourRecords());
    Board b;
    CountingRandom filler;
    std::string error;
    EXPECT_FALSE(writeBoardRecord(path("brett.qbr"), 4, b, RecordClock{}, filler, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readBytes(path("brett.qbr")), fourRecords());
}

// A full disk, as far as this process can tell: writes past the limit fail (and SIGXFSZ is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(BoardFileTest, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
    const auto old = fourRecords();
    writeBytes(path("brett.qbr"), old);
    std::string error;
    {
        FileSizeLimit full(1000);
        expectSaveFailure(path("brett.qbr"), error);
    }
    EXPECT_EQ(readBytes(path("brett.qbr")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"brett.qbr"}) << "no temporary file left";
}

} // namespace
} // namespace quintaro
