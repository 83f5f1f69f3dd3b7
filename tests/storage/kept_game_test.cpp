// Kept games: the bytes read back, every damage found, files set aside, and games ending or starting at once.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/stat.h>

#include "engine/grid_cell.h"
#include "file_bytes.h"
#include "locked_folder.h"
#include "storage/kept_game_file.h"

namespace quintaro {
namespace {

using Verdict = KeptGamesReading::Verdict;
using Status = TakeResult::Status;

KeptGame randomGame(SeededRandom& random) {
    KeptGame g;
    forEachCell([&](GridCell k) {
        const int i = cellIndex(k.column, k.row, k.grid);
        g.givens[i] = random.random(3) ? 0 : static_cast<std::uint8_t>(random.random(9) + 1);
        g.board[i] = g.givens[i] ? g.givens[i] : static_cast<std::uint8_t>(random.random(10));
        for (int s = 1; s <= 9; ++s) g.candidates[candidateIndex(k.column, k.row, s, k.grid)] = random.random(4) == 0;
    });
    g.errors = static_cast<std::int16_t>(random.random(3));
    g.level = static_cast<std::int16_t>(random.random(4));
    g.elapsedSeconds = random.random(1'000'000) / 10.0;
    g.timed = random.random(2) == 1;
    if (random.random(2)) g.puzzle = PuzzleNumber{random.random(4), static_cast<std::uint32_t>(random.random(1 << 30))};
    return g;
}

// bytes with a CRC-32 (IEEE) of all after the magic, computed here apart from the writer's own.
std::string withFreshChecksum(std::string bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 8; i + 4 < bytes.size(); ++i) {
        crc ^= static_cast<std::uint8_t>(bytes[i]);
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    for (int k = 0; k < 4; ++k) bytes[bytes.size() - 4 + k] = static_cast<char>(~crc >> (8 * k));
    return bytes;
}

TEST(KeptGameBytes, UpToFourGamesReadBackNewestFirstAndValuesOutOfRangeAreClampedOnWriting) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        SeededRandom random(seed);
        std::vector<KeptGame> games(static_cast<std::size_t>(random.random(kKeptGameLimit + 2)));
        for (KeptGame& g : games) g = randomGame(random);
        const std::string bytes = encodeKeptGames(games);
        EXPECT_EQ(withFreshChecksum(bytes), bytes);
        games.resize(std::min<std::size_t>(games.size(), kKeptGameLimit));
        const KeptGamesReading read = decodeKeptGames(bytes);
        ASSERT_EQ(read.verdict, Verdict::Read);
        EXPECT_TRUE(read.games == games);
    }
    KeptGame g;
    g.board[cellIndex(1, 1, 0)] = 200;
    g.errors = -3;
    g.level = 9;
    g.elapsedSeconds = 1e300;
    g.puzzle = PuzzleNumber{-1, 77};
    const KeptGame back = decodeKeptGames(encodeKeptGames({g})).games.at(0);
    EXPECT_EQ(back.board[cellIndex(1, 1, 0)], 0);
    EXPECT_EQ(std::tuple(back.errors, back.level, back.elapsedSeconds), std::tuple(0, 3, kMaxElapsedSeconds));
    EXPECT_EQ(back.puzzle, (PuzzleNumber{0, 77}));
}

TEST(KeptGameBytes, EveryCutChangedByteForeignOrNewerFileAndUnwrittenValueIsFound) {
    SeededRandom random(7);
    const std::string bytes = encodeKeptGames({randomGame(random), randomGame(random)});
    for (std::size_t size = 0; size < bytes.size(); ++size)
        ASSERT_EQ(decodeKeptGames(bytes.substr(0, size)).verdict, Verdict::Truncated) << size << " bytes";
    EXPECT_EQ(decodeKeptGames(bytes + '\0').verdict, Verdict::Damaged);
    const std::uint64_t seed = 2026;
    SeededRandom flips(seed);
    for (int n = 0; n < 1000; ++n) {
        std::string changed = bytes;
        const auto at = static_cast<std::size_t>(flips.random(static_cast<int>(bytes.size())));
        changed[at] = static_cast<char>(changed[at] ^ (flips.random(255) + 1));
        ASSERT_NE(decodeKeptGames(changed).verdict, Verdict::Read) << "seed " << seed << ", byte " << at;
    }
    EXPECT_EQ(decodeKeptGames(std::string(24000, '\0')).verdict, Verdict::Foreign) << "a board file";

    // Bytes no writer gives, behind a checksum that fits.
    const auto changed = [&](std::size_t at, char value) {
        std::string b = bytes;
        b[at] = value;
        return decodeKeptGames(withFreshChecksum(b)).verdict;
    };
    const std::size_t game = kKeptGamesHeaderSize, extra = game + kRecordDataSize;
    EXPECT_EQ(changed(8, 2), Verdict::Newer);
    for (const auto& [at, value] : {std::pair{std::size_t{8}, '\0'}, // version 0
                                    {10, '\3'},                      // count without the length to match
                                    {game + kCandidatesOffset + candidateIndex(1, 1, 1, 0), '\1'},
                                    {game + kCandidatesOffset, '\xFF'}, // a candidate outside the field
                                    {game + kClockFlagOffset, '\2'},
                                    {game + kElapsedOffset + 7, '\xFF'}, // not a number
                                    {game + kLevelOffset, '\4'},
                                    {extra + 1, '\x80'}, // negative errors
                                    {extra + 2, '\2'},   // puzzle flag
                                    {extra + 3, '\4'}})  // puzzle level
        EXPECT_EQ(changed(at, value), Verdict::Damaged) << "byte " << at;
}

class KeptGameFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath(kKeptGamesFileName).toStdString();
    SeededRandom random{5};
};

TEST_F(KeptGameFileTest, GamesComeBackNewestFirstOnceEachAndDamagedFilesAreRenamedNeverOverwritten) {
    EXPECT_EQ(takeKeptGame(file).status, Status::None);
    std::vector<KeptGame> games(kKeptGameLimit + 1);
    for (KeptGame& g : games) ASSERT_TRUE(keepGame(file, g = randomGame(random)).kept);
    for (int n = kKeptGameLimit; n >= 1; --n) {
        const TakeResult taken = takeKeptGame(file);
        EXPECT_TRUE(taken.status == Status::Taken && taken.game == games[std::size_t(n)]) << "game " << n;
    }
    EXPECT_EQ(takeKeptGame(file).status, Status::None) << "the oldest of five was dropped";

    std::string damaged = encodeKeptGames({});
    damaged.back() ^= 1;
    std::ofstream(file, std::ios::binary) << damaged;
    const TakeResult taken = takeKeptGame(file);
    ASSERT_EQ(taken.status, Status::SetAside);
    EXPECT_EQ(taken.message, "Das aufbewahrte Spiel lässt sich nicht lesen: " + file +
                                 " ist beschädigt. Die Datei wurde in " + file + ".defekt umbenannt.");
    std::ofstream(file, std::ios::binary) << "fremd";
    const KeepResult kept = keepGame(file, games[0]);
    EXPECT_TRUE(kept.kept);
    EXPECT_NE(kept.message.find("ist keine Datei aufbewahrter Spiele"), std::string::npos) << kept.message;
    EXPECT_EQ(test::fileBytes(file + ".defekt"), damaged);
    EXPECT_EQ(test::fileBytes(file + ".defekt-2"), "fremd");
    EXPECT_TRUE(takeKeptGame(file).game == games[0]);
}

TEST_F(KeptGameFileTest, AFolderFifoOrUnwritableFolderLosesNothingAndSaysSo) {
    const std::string folder = dir.filePath("Ordner").toStdString(), fifo = dir.filePath("fifo").toStdString();
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(takeKeptGame(folder).message,
              "Das aufbewahrte Spiel lässt sich nicht lesen: " + folder + " ist ein Ordner");
    EXPECT_EQ(takeKeptGame(fifo).status, Status::Failed);
    EXPECT_FALSE(keepGame(fifo, KeptGame{}).kept);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const KeptGame first = randomGame(random);
    ASSERT_TRUE(keepGame(file, first).kept);
    const std::string before = test::fileBytes(file), cut = dir.filePath("kurz.qsp").toStdString();
    std::ofstream(cut, std::ios::binary) << "QKEEP";
    test::LockedFolder locked(dir.path().toStdString());
    if (!locked.locked) GTEST_SKIP() << "this process can write into every folder";
    const KeepResult kept = keepGame(file, randomGame(random));
    EXPECT_FALSE(kept.kept);
    EXPECT_EQ(kept.message.rfind("Das laufende Spiel konnte nicht aufbewahrt werden: " + file, 0), 0u) << kept.message;
    const TakeResult taken = takeKeptGame(file);
    EXPECT_TRUE(taken.status == Status::Taken && taken.game == first);
    EXPECT_EQ(taken.message.rfind("Das fortgesetzte Spiel bleibt auch aufbewahrt", 0), 0u) << taken.message;
    EXPECT_EQ(test::fileBytes(file), before);
    const TakeResult stuck = takeKeptGame(cut);
    EXPECT_EQ(stuck.status, Status::Failed);
    EXPECT_NE(stuck.message.find("ist unvollständig, und " + cut + " lässt sich nicht umbenennen"), std::string::npos);
    EXPECT_EQ(test::fileBytes(cut), "QKEEP");
}

TEST_F(KeptGameFileTest, TwoGamesKeepingOrTakingAtOnceLoseNoGameAndShareNone) {
    for (int round = 0; round < 10; ++round) {
        std::array<KeptGame, 4> games;
        for (KeptGame& g : games) g = randomGame(random);
        std::array<std::vector<KeptGame>, 2> taken;
        const auto keepTwo = [&](std::size_t from) {
            for (std::size_t n = from; n < from + 2; ++n) EXPECT_TRUE(keepGame(file, games[n]).kept);
        };
        const auto takeTwo = [&](std::size_t who) {
            for (int n = 0; n < 2; ++n)
                if (auto game = takeKeptGame(file).game) taken[who].push_back(*game);
        };
        std::jthread(keepTwo, 0), std::jthread(keepTwo, 2); // both joined here
        std::jthread(takeTwo, 0), std::jthread(takeTwo, 1);
        for (const KeptGame& g : games)
            EXPECT_EQ(std::ranges::count(taken[0], g) + std::ranges::count(taken[1], g), 1) << "round " << round;
    }
}

} // namespace
} // namespace quintaro
