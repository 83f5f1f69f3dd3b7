// Changing a player's file under its lock: a held lock, a stale one, unreadable targets, and writers racing.
#include <gtest/gtest.h>

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_bytes.h"
#include "record_fixture.h"
#include "storage/board_file.h"
#include "storage/hall_of_fame_file.h"
#include "storage/locked_update.h"

namespace quintaro {
namespace {

using namespace std::chrono_literals;

class LockedUpdateTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath("Champions.qhf").toStdString();
    int changes = 0;

    FileChange appendLine(const std::string& line) {
        return [this, line](std::string_view now) -> std::optional<std::string> {
            ++changes;
            return std::string(now) + line + "\n";
        };
    }
    std::optional<UpdateFailure> update(const std::string& path, std::chrono::milliseconds patience = 50ms) {
        return updateFile(path, 1000, appendLine("neu"), WriteRules{.regularOnly = true}, patience);
    }
};

TEST_F(LockedUpdateTest, ALockHeldTooLongWritesNothingAndSaysSoInGerman) {
    std::ofstream(file) << "alt\n";
    QLockFile other(QString::fromStdString(file + ".lock"));
    ASSERT_TRUE(other.tryLock(0));
    const auto failed = update(file);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->step, UpdateFailure::Step::Busy);
    EXPECT_NE(failed->reason.find("ist gesperrt"), std::string::npos) << failed->reason;
    EXPECT_NE(failed->reason.find("es wurde nichts geschrieben"), std::string::npos) << failed->reason;
    EXPECT_EQ(changes, 0);

    std::string error;
    Board b;
    test::CountingRandom filler;
    const std::string board = dir.filePath("brett.qbr").toStdString();
    QLockFile boardLock(QString::fromStdString(board + ".lock"));
    ASSERT_TRUE(boardLock.tryLock(0));
    EXPECT_FALSE(writeBoardRecord(board, 0, b, RecordClock{}, filler, error, 50ms));
    EXPECT_EQ(error.rfind("Das Brett konnte nicht gesichert werden: " + board + " ist gesperrt", 0), 0u) << error;
    EXPECT_FALSE(std::filesystem::exists(board));

    other.unlock();
    EXPECT_FALSE(update(file));
    EXPECT_EQ(test::fileBytes(file), "alt\nneu\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".lock")) << "the lock goes with the write";
}

TEST_F(LockedUpdateTest, ALockLeftByAnEndedGameIsTakenOverAtOnce) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(QString::fromStdString(file + ".lock"));
        ::_exit(lock.tryLock(0) ? 0 : 1); // ends without giving the lock back, as a crash would
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(std::filesystem::exists(file + ".lock"));
    EXPECT_FALSE(update(file, 2s)) << "the lock of a process that has ended is stale";
    EXPECT_EQ(test::fileBytes(file), "neu\n");
}

TEST_F(LockedUpdateTest, AFolderAFifoOrAnUnreadableFileIsNeitherChangedNorReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Ordner"));
    const std::string fifo = dir.filePath("fifo").toStdString(), secret = dir.filePath("geheim").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(secret) << "alt\n";
    ::chmod(secret.c_str(), 0);
    const bool rootReads = std::ifstream(secret).is_open();
    for (const auto& [target, why] : {std::pair{dir.filePath("Ordner").toStdString(), "ist ein Ordner"},
                                      {fifo, "ist keine gewöhnliche Datei"},
                                      {secret, "lässt sich nicht lesen"}}) {
        if (target == secret && rootReads) continue; // this process reads every file
        const auto failed = update(target);
        ASSERT_TRUE(failed) << target;
        EXPECT_EQ(failed->step, UpdateFailure::Step::Read) << target;
        EXPECT_NE(failed->reason.find(why), std::string::npos) << failed->reason;
    }
    EXPECT_EQ(changes, 0);
    ::chmod(secret.c_str(), 0600);
    EXPECT_EQ(test::fileBytes(secret), "alt\n");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// Two games entering champions at the same moments: every level's ten ranks fill up with both games'
// entries, none lost to the other's save.
TEST_F(LockedUpdateTest, TwoThreadsEnteringChampionsTogetherLoseNone) {
    constexpr int kEach = kHallLevels * kHallRanks / 2; // each game takes half of the forty places
    std::atomic<int> failures = 0;
    const auto enter = [&](char writer) {
        for (int n = 0; n < kEach; ++n) {
            const int level = n % kHallLevels;
            const std::string name = writer + std::to_string(n), time = "00:0" + std::to_string(n % 10) + ":00.0";
            std::string error;
            const bool ok = updateHallOfFame(
                file,
                [&](HallOfFame& hof) {
                    const int rank = championRank(hof, level, time);
                    if (rank != 0) insertChampion(hof, level, rank, name, "01.01.2026", time);
                    return rank != 0;
                },
                error);
            if (!ok) ++failures;
        }
    };
    std::thread a(enter, 'A'), b(enter, 'B');
    a.join();
    b.join();
    EXPECT_EQ(failures, 0);

    HallOfFame hof;
    ASSERT_TRUE(readHallOfFame(file, hof));
    std::set<std::string> names;
    for (int level = 0; level < kHallLevels; ++level)
        for (int rank = 1; rank <= kHallRanks; ++rank) {
            const std::string& name = hof.championNames[rank][level];
            EXPECT_EQ(std::stoi(name.substr(1)) % kHallLevels, level) << name;
            names.insert(name);
        }
    EXPECT_EQ(names.size(), std::size_t(2 * kEach)) << "every entry is in the file";
}

// One of two processes saving into the board file over and over, each into its own slot: before each
// save its slot must still hold its previous one and the file its 24,000 bytes. Returns the problems.
int saveRounds(const std::string& path, int slot, int rounds) {
    int problems = 0;
    Board b;
    test::CountingRandom filler;
    std::string error;
    for (int n = 1; n <= rounds; ++n) {
        Board mine;
        RecordClock stored;
        if (n > 1 &&
            (readBoardRecord(path, slot, mine, stored) != ReadStatus::Loaded || stored.elapsedSeconds != n - 1))
            ++problems;
        if (!writeBoardRecord(path, slot, b, RecordClock{0xFF, double(n), 0, std::nullopt}, filler, error)) ++problems;
        if (std::filesystem::file_size(path) != 24000) ++problems;
    }
    return problems;
}

TEST_F(LockedUpdateTest, TwoProcessesSavingIntoOneBoardFileKeepEachOthersSlot) {
    constexpr int kRounds = 100;
    const std::string path = dir.filePath("brett.qbr").toStdString();
    pid_t writers[2];
    for (int slot = 0; slot < 2; ++slot) {
        writers[slot] = ::fork();
        ASSERT_GE(writers[slot], 0);
        if (writers[slot] == 0) ::_exit(std::min(saveRounds(path, slot * 3, kRounds), 100));
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "problems: " << WEXITSTATUS(status);
    }
    for (const int slot : {0, 3}) {
        Board b;
        RecordClock stored;
        ASSERT_EQ(readBoardRecord(path, slot, b, stored), ReadStatus::Loaded);
        EXPECT_EQ(stored.elapsedSeconds, kRounds) << "slot " << slot;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"brett.qbr"}) << "no lock or temporary file left";
}

} // namespace
} // namespace quintaro
