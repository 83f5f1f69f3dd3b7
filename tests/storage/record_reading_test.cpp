// Reading board files safely: regular files only, never more than asked, no wait on a FIFO, and the
// decoder's account of the cell bytes it emptied.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <tuple>

#include "record_fixture.h"
#include "storage/board_file.h"
#include "storage/bounded_read.h"
#include "storage/hall_of_fame_file.h"

namespace quintaro {
namespace {

TEST(BoundedRead, ReadsOnlyWhatIsAskedAndNamesWhatIsNoRegularFile) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    std::ofstream(path("lang.qbr"), std::ios::binary) << std::string(30000, 'x') << "yz";
    ASSERT_EQ(::mkfifo(path("fifo.qbr").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(path("ordner.qbr").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("null.qbr").c_str()), 0);
    ASSERT_EQ(::symlink(path("weg.qbr").c_str(), path("verwaist.qbr").c_str()), 0);

    const FileRange tail = readFileRange(path("lang.qbr"), 30000, 10);
    EXPECT_EQ(std::tuple(tail.kind, tail.size, std::string(tail.bytes.begin(), tail.bytes.end())),
              std::tuple(FileKind::Regular, 30002LL, std::string("yz")));
    EXPECT_EQ(readFileRange(path("lang.qbr"), 0, 4811).bytes.size(), 4811u);

    using enum FileKind;
    for (const auto& [name, kind, status] : {std::tuple{"fifo.qbr", Fifo, ReadStatus::Unreadable},
                                             {"ordner.qbr", Folder, ReadStatus::Unreadable},
                                             {"null.qbr", Device, ReadStatus::Unreadable},
                                             {"verwaist.qbr", Missing, ReadStatus::Missing}}) {
        EXPECT_EQ(readFileRange(path(name), 0, 100).kind, kind) << name;
        // The game's own readers on the same paths, away from the test thread: a FIFO must not hold them.
        auto read = std::async(std::launch::async, [&, name = name] {
            Board b;
            RecordClock clock;
            HallOfFame hof;
            hof.championNames[1][0] = "alt";
            const bool champions = readHallOfFame(path(name), hof);
            const HallOfFame empty;
            EXPECT_TRUE(!champions && hof == empty) << name;
            return readBoardRecord(path(name), 0, b, clock);
        });
        if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            ADD_FAILURE() << name << ": the read waits";
            ::close(::open(path(name).c_str(), O_WRONLY | O_NONBLOCK)); // a writer comes and goes: the read ends
        }
        EXPECT_EQ(read.get(), status) << name;
    }
}

TEST(DecodeBoardRecord, ListsTheCellsItEmptiedAndLoadsTheSameWithOrWithoutTheList) {
    test::RecordBytes rec;
    rec.boardCell(3, 4, 1, 10);
    rec.givenCell(9, 9, 3, 255);
    rec.givenCell(0, 2, 0, 12); // an entry without meaning is mended all the same
    rec.boardCell(5, 5, 2, 9);  // a good cell stays off the list
    Board plain, listed;
    RecordClock clock;
    RecordRepairs repairs{{1, 2, 3}}; // stale contents are replaced
    ASSERT_TRUE(decodeBoardRecord(rec.bytes, plain, clock));
    ASSERT_TRUE(decodeBoardRecord(rec.bytes, listed, clock, &repairs));
    EXPECT_EQ(repairs.emptiedCells, (std::vector{cellIndex(0, 2, 0), cellIndex(3, 4, 1), cellIndex(9, 9, 3)}));
    EXPECT_EQ(std::tie(listed.board, listed.givens), std::tie(plain.board, plain.givens));
    EXPECT_EQ(listed.board[cellIndex(5, 5, 2)], 9);
}

} // namespace
} // namespace quintaro
