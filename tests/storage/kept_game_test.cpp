// Kept games: the bytes read back, every damage found, files set aside, and games ending or starting at once.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <sys/stat.h>

#include "engine/grid_cell.h"
#include "locked_folder.h"
#include "storage/kept_game.h"
#include "storage/kept_game_file.h"

namespace quintaro {
namespace {

using Verdict = KeptGamesReading::Verdict;
using Status = TakeResult::Status;

// A game with random cells, candidates and values, all in range.
KeptGame randomGame(SeededRandom& random) {
    KeptGame g;
    forEachCell([&](GridCell k) {
        const int i = cellIndex(k.column, k.row, k.grid);
        if (random.random(3) == 0) g.givens[i] = static_cast<std::uint8_t>(random.random(9) + 1);
        g.board[i] = g.givens[i] ? g.givens[i] : static_cast<std::uint8_t>(random.random(10));
        for (int s = 1; s <= 9; ++s) g.candidates[candidateIndex(k.column, k.row, s, k.grid)] = random.random(4) == 0;
    });
    g.errors = static_cast<std::int16_t>(random.random(3));
    g.level = static_cast<std::int16_t>(random.random(4));
    g.elapsedSeconds = random.random(1'000'000) / 10.0;
    g.timed = random.random(2) == 1;
    if (random.random(2))
        g.puzzle = KeptPuzzleNumber{random.random(4), static_cast<std::uint32_t>(random.random(1 << 30))};
    return g;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// CRC-32 (IEEE), table-driven, apart from the writer's own.
std::uint32_t referenceCrc(std::string_view bytes) {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char b : bytes) crc = table[(crc ^ static_cast<std::uint8_t>(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// bytes with its checksum made to fit again, as a foreign writer that knows the frame would.
std::string withFreshChecksum(std::string bytes) {
    const std::uint32_t crc = referenceCrc(std::string_view(bytes).substr(8, bytes.size() - 12));
    for (int k = 0; k < 4; ++k) bytes[bytes.size() - 4 + k] = static_cast<char>(crc >> (8 * k));
    return bytes;
}

TEST(KeptGameBytes, ListsOfUpToFourRandomGamesReadBackNewestFirstAndAFifthIsDropped) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        SeededRandom random(seed);
        std::vector<KeptGame> games(static_cast<std::size_t>(random.random(kKeptGameLimit + 2)));
        for (KeptGame& g : games) g = randomGame(random);
        const std::string bytes = encodeKeptGames(games);
        const std::size_t kept = std::min<std::size_t>(games.size(), kKeptGameLimit);
        ASSERT_EQ(bytes.size(), kKeptGamesHeaderSize + kept * kKeptGameSize + 4);
        EXPECT_EQ(bytes.substr(0, 8), std::string("QKEEP\r\n\x1A", 8));
        EXPECT_EQ(withFreshChecksum(bytes), bytes) << "the checksum is CRC-32 of all after the magic";
        const KeptGamesReading read = decodeKeptGames(bytes);
        ASSERT_EQ(read.verdict, Verdict::Read);
        games.resize(kept);
        EXPECT_TRUE(read.games == games);
    }
}

TEST(KeptGameBytes, ValuesOutOfRangeAreClampedSoTheFileAlwaysReadsBack) {
    KeptGame g;
    g.board[cellIndex(1, 1, 0)] = 200;
    g.givens[cellIndex(2, 1, 0)] = 10;
    g.board[cellIndex(2, 1, 0)] = 10;
    g.errors = -3;
    g.level = 9;
    g.elapsedSeconds = -std::numeric_limits<double>::infinity();
    g.puzzle = KeptPuzzleNumber{-1, 77};
    const KeptGamesReading read = decodeKeptGames(encodeKeptGames({g}));
    ASSERT_EQ(read.verdict, Verdict::Read);
    const KeptGame& back = read.games.at(0);
    EXPECT_EQ(back.board[cellIndex(1, 1, 0)], 0);
    EXPECT_EQ(back.givens[cellIndex(2, 1, 0)], 0);
    EXPECT_EQ(back.errors, 0);
    EXPECT_EQ(back.level, 3);
    EXPECT_EQ(back.elapsedSeconds, 0.0);
    EXPECT_EQ(back.puzzle, (KeptPuzzleNumber{0, 77}));

    g.elapsedSeconds = 1e300;
    EXPECT_EQ(decodeKeptGames(encodeKeptGames({g})).games.at(0).elapsedSeconds, kMaxElapsedSeconds);
}

TEST(KeptGameBytes, EveryCutIsTruncatedAndEveryChangedByteIsFound) {
    SeededRandom random(7);
    const std::string bytes = encodeKeptGames({randomGame(random), randomGame(random)});
    for (std::size_t size = 0; size < bytes.size(); ++size)
        ASSERT_EQ(decodeKeptGames(bytes.substr(0, size)).verdict, Verdict::Truncated) << size << " bytes";
    EXPECT_EQ(decodeKeptGames(bytes + '\0').verdict, Verdict::Damaged) << "a byte too many";

    const std::uint64_t seed = 2026;
    SeededRandom flips(seed);
    for (int n = 0; n < 2000; ++n) {
        std::string changed = bytes;
        const auto at = static_cast<std::size_t>(flips.random(static_cast<int>(bytes.size())));
        changed[at] = static_cast<char>(changed[at] ^ (flips.random(255) + 1));
        ASSERT_NE(decodeKeptGames(changed).verdict, Verdict::Read) << "seed " << seed << ", byte " << at;
    }
}

TEST(KeptGameBytes, ForeignNewerAndUnwrittenValuesAreToldApartEvenWithAFittingChecksum) {
    EXPECT_EQ(decodeKeptGames("[game]\nlevel=2\n").verdict, Verdict::Foreign);
    EXPECT_EQ(decodeKeptGames(std::string(24000, '\0')).verdict, Verdict::Foreign) << "a board file";
    EXPECT_EQ(decodeKeptGames("QK").verdict, Verdict::Truncated) << "the magic's start";

    SeededRandom random(11);
    const std::string good = encodeKeptGames({randomGame(random)});
    const auto changed = [&](std::size_t at, char value) {
        std::string bytes = good;
        bytes[at] = value;
        return decodeKeptGames(withFreshChecksum(bytes)).verdict;
    };
    const std::size_t game = kKeptGamesHeaderSize, extra = game + kRecordDataSize;
    EXPECT_EQ(changed(8, 2), Verdict::Newer);
    EXPECT_EQ(changed(8, 0), Verdict::Damaged) << "version 0";
    EXPECT_EQ(changed(10, 2), Verdict::Damaged) << "count without the length to match";
    EXPECT_EQ(changed(game + kBoardOffset + 1, 10), Verdict::Damaged) << "cell byte above 9";
    EXPECT_EQ(changed(game + kCandidatesOffset + candidateIndex(1, 1, 1, 0), 1), Verdict::Damaged)
        << "candidate byte neither 0x00 nor 0xFF";
    EXPECT_EQ(changed(game + kCandidatesOffset, '\xFF'), Verdict::Damaged) << "candidate outside the field";
    EXPECT_EQ(changed(game + kClockFlagOffset, 2), Verdict::Damaged) << "clock byte";
    EXPECT_EQ(changed(game + kElapsedOffset + 7, '\xFF'), Verdict::Damaged) << "elapsed time not a number";
    EXPECT_EQ(changed(game + kLevelOffset, 4), Verdict::Damaged) << "level";
    EXPECT_EQ(changed(extra + 1, '\x80'), Verdict::Damaged) << "negative errors";
    EXPECT_EQ(changed(extra + 2, 2), Verdict::Damaged) << "puzzle flag";
    EXPECT_EQ(changed(extra + 3, 4), Verdict::Damaged) << "puzzle level";

    std::string five = encodeKeptGames({});
    five[10] = 5;
    five[12] = static_cast<char>(5 * kKeptGameSize & 0xFF);
    five[13] = static_cast<char>(5 * kKeptGameSize >> 8);
    EXPECT_EQ(decodeKeptGames(withFreshChecksum(five)).verdict, Verdict::Damaged) << "more games than are kept";
}

class KeptGameFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath(kKeptGamesFileName).toStdString();
    SeededRandom random{5};
};

TEST_F(KeptGameFileTest, GamesComeBackNewestFirstEachOnceAndTheFifthOldestIsDropped) {
    EXPECT_EQ(takeKeptGame(file).status, Status::None);
    EXPECT_FALSE(std::filesystem::exists(file));
    std::vector<KeptGame> games;
    for (int n = 0; n < kKeptGameLimit + 1; ++n) {
        games.push_back(randomGame(random));
        const KeepResult kept = keepGame(file, games.back());
        ASSERT_TRUE(kept.kept) << kept.message;
        EXPECT_EQ(kept.message, "");
    }
    for (int n = kKeptGameLimit; n >= 1; --n) {
        const TakeResult taken = takeKeptGame(file);
        ASSERT_EQ(taken.status, Status::Taken) << taken.message;
        EXPECT_TRUE(taken.game == games[static_cast<std::size_t>(n)]) << "game " << n;
        EXPECT_EQ(taken.message, "");
    }
    EXPECT_EQ(takeKeptGame(file).status, Status::None);
    EXPECT_TRUE(std::filesystem::exists(file)) << "an empty list stays";
}

TEST_F(KeptGameFileTest, ADamagedFileIsRenamedAsideByteForByteAndNeverOverwritten) {
    std::string damaged = encodeKeptGames({}), foreign = "ganz etwas anderes";
    damaged.back() = static_cast<char>(damaged.back() ^ 1);
    std::ofstream(file, std::ios::binary) << damaged;
    TakeResult taken = takeKeptGame(file);
    ASSERT_EQ(taken.status, Status::SetAside);
    EXPECT_EQ(taken.setAsidePath, file + ".defekt");
    EXPECT_EQ(taken.message, "Das aufbewahrte Spiel lässt sich nicht lesen: " + file +
                                 " ist beschädigt. Die Datei wurde in " + file + ".defekt umbenannt.");
    EXPECT_EQ(readBytes(file + ".defekt"), damaged);
    EXPECT_FALSE(std::filesystem::exists(file));

    std::ofstream(file, std::ios::binary) << foreign;
    const KeptGame game = randomGame(random);
    const KeepResult kept = keepGame(file, game);
    ASSERT_TRUE(kept.kept);
    EXPECT_NE(kept.message.find("ist keine Datei aufbewahrter Spiele"), std::string::npos) << kept.message;
    EXPECT_EQ(readBytes(file + ".defekt-2"), foreign);
    EXPECT_EQ(readBytes(file + ".defekt"), damaged);
    taken = takeKeptGame(file);
    EXPECT_TRUE(taken.status == Status::Taken && taken.game == game);
}

TEST_F(KeptGameFileTest, AFolderOrAFifoInItsPlaceIsReportedAndLeftAlone) {
    ASSERT_TRUE(std::filesystem::create_directory(file));
    TakeResult taken = takeKeptGame(file);
    EXPECT_EQ(taken.status, Status::Failed);
    EXPECT_EQ(taken.message, "Das aufbewahrte Spiel lässt sich nicht lesen: " + file + " ist ein Ordner");
    const KeepResult kept = keepGame(file, KeptGame{});
    EXPECT_FALSE(kept.kept);
    EXPECT_EQ(kept.message.rfind("Das laufende Spiel konnte nicht aufbewahrt werden: ", 0), 0u) << kept.message;
    EXPECT_TRUE(std::filesystem::is_directory(file));

    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(takeKeptGame(fifo).status, Status::Failed);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(KeptGameFileTest, AnUnwritableFolderKeepsNothingNewButHandsTheKeptGameOverAndLosesNothing) {
    const KeptGame first = randomGame(random), second = randomGame(random);
    ASSERT_TRUE(keepGame(file, first).kept);
    const std::string before = readBytes(file);
    const std::string damagedFile = dir.filePath("alt.qsp").toStdString();
    std::ofstream(damagedFile, std::ios::binary) << "QKEEP";
    test::LockedFolder locked(dir.path().toStdString());
    if (!locked.locked) GTEST_SKIP() << "this process can write into every folder";

    const KeepResult kept = keepGame(file, second);
    EXPECT_FALSE(kept.kept);
    EXPECT_NE(kept.message.find("lässt sich nicht anlegen"), std::string::npos) << kept.message;
    EXPECT_EQ(readBytes(file), before);

    const TakeResult taken = takeKeptGame(file);
    ASSERT_EQ(taken.status, Status::Taken);
    EXPECT_TRUE(taken.game == first);
    EXPECT_EQ(taken.message.rfind("Das fortgesetzte Spiel bleibt auch aufbewahrt", 0), 0u) << taken.message;
    EXPECT_EQ(readBytes(file), before);

    const TakeResult stuck = takeKeptGame(damagedFile);
    EXPECT_EQ(stuck.status, Status::Failed);
    EXPECT_NE(stuck.message.find("ist unvollständig, und " + damagedFile + " lässt sich nicht umbenennen"),
              std::string::npos)
        << stuck.message;
    EXPECT_EQ(readBytes(damagedFile), "QKEEP");
}

// Games ending at the same moments keep every game; games starting at the same moments never
// continue the same one.
TEST_F(KeptGameFileTest, TwoGamesKeepingAndTakingAtOnceLoseNoGameAndShareNone) {
    constexpr int kRounds = 10;
    for (int round = 0; round < kRounds; ++round) {
        std::array<KeptGame, 4> games;
        for (KeptGame& g : games) g = randomGame(random);
        const auto keepTwo = [&](std::size_t from) {
            for (std::size_t n = from; n < from + 2; ++n) EXPECT_TRUE(keepGame(file, games[n]).kept);
        };
        std::thread a(keepTwo, 0), b(keepTwo, 2);
        a.join();
        b.join();

        std::array<std::vector<KeptGame>, 2> taken;
        const auto takeTwo = [&](std::size_t who) {
            for (int n = 0; n < 2; ++n) {
                TakeResult t = takeKeptGame(file);
                EXPECT_EQ(t.status, Status::Taken) << t.message;
                if (t.game) taken[who].push_back(*t.game);
            }
        };
        std::thread c(takeTwo, 0), d(takeTwo, 1);
        c.join();
        d.join();
        for (const KeptGame& g : games) {
            const auto count =
                std::count(taken[0].begin(), taken[0].end(), g) + std::count(taken[1].begin(), taken[1].end(), g);
            EXPECT_EQ(count, 1) << "round " << round;
        }
        ASSERT_EQ(takeKeptGame(file).status, Status::None);
    }
}

} // namespace
} // namespace quintaro
