// The hall of fame: its file byte for byte, damaged and short files, ranking, clearing, failed saves, names.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>

#include "storage/file_bytes.h"
#include "storage/file_size_limit.h"
#include "storage/hall_of_fame.h"
#include "storage/hall_of_fame_file.h"
#include "storage/hall_of_fame_text.h"

namespace quintaro {
namespace {

using namespace std::string_literals;

class HallOfFameTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath("Champions.qhf").toStdString();
    std::string error;
};

TEST_F(HallOfFameTest, WritesThreeCrLfLinesPerRankInWindows1252WithClearedLevelsEmptyAndReadsThemBack) {
    HallOfFame hof;
    std::string expected;
    for (int level = 0; level < 4; ++level)
        for (int rank = 1; rank <= 10; ++rank) {
            const std::string n = std::to_string(level * 10 + rank), time = "00:00:" + std::to_string(10 + rank) + ".0";
            insertChampion(hof, level, rank, "Jörg ä " + n, "24.12.2023", time);
            const std::string name = level == 3 && rank == 10 ? "?" : "J\xF6rg \xE4 " + n;
            expected += level == 2 ? "\r\n\r\n9\r\n" : name + "\r\n24.12.2023\r\n" + time + "\r\n";
        }
    hof.championNames[10][3] = "Ω\n"; // put in directly, past the name cleaning
    clearLevel(hof, 2);
    ASSERT_TRUE(writeHallOfFame(file, hof, error)) << error;
    EXPECT_EQ(test::fileBytes(file), expected);

    HallOfFame back;
    back.championNames[5][0] = "verloren";
    EXPECT_TRUE(readHallOfFame(file, back));
    hof.championNames[10][3] = "?";
    EXPECT_EQ(back, hof);
}

TEST_F(HallOfFameTest, ShortDamagedMissingOrFolderFilesReadAsEmptyRanks) {
    // LF alone, then CR LF; the fourth line (rank 2's name) holds bytes no name may keep; the file stops there.
    std::ofstream(file, std::ios::binary) << "Anna\n01.01.2024\n00:00:10.0\r\nBe\x81rt\x1A\0\t\xE4\r"s;
    HallOfFame hof;
    hof.championNames[3][3] = "verloren";
    EXPECT_TRUE(readHallOfFame(file, hof));
    HallOfFame expected;
    expected.championNames[1][0] = "Anna";
    expected.championDates[1][0] = "01.01.2024";
    expected.championTimes[1][0] = "00:00:10.0";
    expected.championNames[2][0] = "Bertä";
    EXPECT_EQ(hof, expected);

    ASSERT_TRUE(QDir(dir.path()).mkdir("Ordner.qhf"));
    for (const char* name : {"fehlt.qhf", "Ordner.qhf"}) {
        hof = expected;
        EXPECT_FALSE(readHallOfFame(dir.filePath(name).toStdString(), hof)) << name;
        EXPECT_EQ(hof, HallOfFame{}) << name;
    }
}

TEST_F(HallOfFameTest, EqualTimesGoBelowTheLastRankIsLostAndTimesFrom9OnAreNotListed) {
    HallOfFame hof;
    for (int rank = 1; rank <= 10; ++rank) {
        const std::string time = rank < 10 ? "00:0" + std::to_string(rank) + ":00.0" : "00:10:00.0";
        ASSERT_EQ(championRank(hof, 2, time), rank);
        insertChampion(hof, 2, rank, "P" + std::to_string(rank), "d", time);
    }
    EXPECT_EQ(championRank(hof, 2, "00:10:00.0"), 0);
    EXPECT_EQ(championRank(hof, 2, "00:03:00.0"), 4);
    insertChampion(hof, 2, 4, "Ne\nu", "e", "00:03:00.0"); // the name as championName gives it
    std::string names;
    for (int rank = 1; rank <= 10; ++rank) names += hof.championNames[rank][2] + " ";
    EXPECT_EQ(names, "P1 P2 P3 Neu P4 P5 P6 P7 P8 P9 ");
    const auto rows = hallOfFameRows(hof, 2);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[3], (HallOfFameListRow{" 4.", "Neu", "e", "00:03:00.0"}));
    EXPECT_EQ(rows[9].rank, "10.");

    hof.championNames[1][0] = "Langsam"; // as a file may hold it
    hof.championTimes[1][0] = "90:00:00.0";
    EXPECT_EQ(championRank(hof, 0, "90:00:00.0"), 0);
    EXPECT_TRUE(hallOfFameRows(hof, 0).empty());
    insertChampion(hof, 0, championRank(hof, 0, "89:59:59.9"), "Schnell", "d", "89:59:59.9");
    EXPECT_EQ(hof.championNames[2][0], "Langsam");
    EXPECT_EQ(hallOfFameRows(hof, 0), (std::vector<HallOfFameListRow>{{" 1.", "Schnell", "d", "89:59:59.9"}}));
    EXPECT_TRUE(hallOfFameRows(hof, 1).empty());
}

TEST_F(HallOfFameTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    HallOfFame hof;
    insertChampion(hof, 0, 1, "Alt", "01.01.2020", "00:01:00.0");
    ASSERT_TRUE(writeHallOfFame(file, hof, error)) << error;
    const std::string old = test::fileBytes(file);
    insertChampion(hof, 0, 1, "Neu", "02.01.2020", "00:00:59.0");

    ASSERT_TRUE(QDir(dir.path()).mkdir("Ordner.qhf"));
    const auto failedSave = [&](const std::string& target) {
        EXPECT_FALSE(writeHallOfFame(target, hof, error)) << target;
        EXPECT_EQ(error.rfind("Die Ruhmeshalle konnte nicht gesichert werden: ", 0), 0u) << error;
        return error;
    };
    failedSave(file + "/Champions.qhf"); // a folder that cannot be made: a file stands where it would go
    EXPECT_NE(failedSave(dir.filePath("Ordner.qhf").toStdString()).find("Ordner"), std::string::npos);
    {
        test::FileSizeLimit full(100);
        failedSave(file);
    }
    EXPECT_EQ(test::fileBytes(file), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Champions.qhf"}) << "no temporary file left";
}

TEST(ChampionNameTest, KeepsOneLineOfAtMost30CharactersWindows1252CanHold) {
    EXPECT_EQ(championName("An\nna\r\t B\u2028"), "Anna B");
    EXPECT_EQ(championName("Ω-Jörg 😀"), "?-Jörg ?");
    EXPECT_EQ(championName("\xFF\xC3"), "??"); // not UTF-8
    EXPECT_EQ(championName(std::string(40, 'x')), std::string(30, 'x'));
    std::string umlauts;
    for (int i = 0; i < 40; ++i) umlauts += "ä";
    EXPECT_EQ(championName(umlauts), umlauts.substr(0, 60));
    EXPECT_EQ(storableLine(std::string(40, 'x')), std::string(40, 'x'));
}

} // namespace
} // namespace quintaro
