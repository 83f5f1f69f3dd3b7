// The player's settings: round trips, damaged values and files, odd paths, an unwritable folder, XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "engine/random_source.h"
#include "locked_folder.h"
#include "storage/player_settings.h"

namespace quintaro {
namespace {

using Status = SettingsReading::Status;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PlayerSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath("quintaro/quintaro.conf").toStdString();

    void writeText(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
};

TEST_F(PlayerSettingsTest, NoFileGivesTheClassicStart) {
    const SettingsReading r = readPlayerSettings(file);
    EXPECT_EQ(r.status, Status::Missing);
    const PlayerSettings& s = r.settings;
    EXPECT_EQ(s.level, 0);
    EXPECT_TRUE(s.digitMode && s.puzzleSymmetry && s.freshPuzzles);
    EXPECT_FALSE(s.showCandidates || s.fullScreen || s.window || s.scaleFactor);
}

TEST_F(PlayerSettingsTest, RandomSettingsReadBackAsWrittenAndAbsentWindowValuesStayAbsent) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        SeededRandom random(seed);
        const auto coin = [&] { return random.random(2) == 1; };
        PlayerSettings s;
        s.level = random.random(4);
        s.digitMode = coin();
        s.showCandidates = coin();
        s.puzzleSymmetry = coin();
        s.freshPuzzles = coin();
        s.fullScreen = coin();
        if (coin())
            s.window = WindowPlace{random.random(2 * kMaxWindowOffset + 1) - kMaxWindowOffset,
                                   random.random(2 * kMaxWindowOffset + 1) - kMaxWindowOffset,
                                   kMinWindowSide + random.random(kMaxWindowSide - kMinWindowSide + 1),
                                   kMinWindowSide + random.random(kMaxWindowSide - kMinWindowSide + 1)};
        if (coin())
            s.scaleFactor = kMinScaleFactor + random.random(1 << 20) * (kMaxScaleFactor - kMinScaleFactor) / (1 << 20);
        ASSERT_EQ(writePlayerSettings(file, s), "");
        const SettingsReading r = readPlayerSettings(file);
        EXPECT_EQ(r.status, Status::Loaded);
        EXPECT_TRUE(r.reset.empty());
        EXPECT_TRUE(r.settings == s);
        EXPECT_NE(readBytes(file).find("level=" + std::to_string(s.level)), std::string::npos) << "on the disk";
    }
}

TEST_F(PlayerSettingsTest, EachDamagedValueIsResetOnItsOwnAndUnknownKeysSurviveAWrite) {
    writeText("[game]\nlevel=4\ndigits=false\ncandidates=1\nsymmetry=false\nfreshPuzzles=true\nfuture=42\n"
              "[window]\nx=-20\ny=abc\nwidth=800\nheight=600\nfactor=nan\nfullScreen=1,2\n");
    SettingsReading r = readPlayerSettings(file);
    EXPECT_EQ(r.status, Status::Loaded);
    EXPECT_EQ(r.reset, (std::vector<std::string>{"game/level", "game/candidates", "window/y", "window/factor",
                                                 "window/fullScreen"}));
    EXPECT_EQ(r.settings.level, 0);
    EXPECT_FALSE(r.settings.digitMode) << "good values are kept";
    EXPECT_FALSE(r.settings.puzzleSymmetry);
    EXPECT_FALSE(r.settings.window) << "a window place with one bad value is none";
    EXPECT_FALSE(r.settings.scaleFactor);

    for (const char* bad : {"width=99", "width=16385", "x=16385", "x=-16385", "height=2.5"}) {
        writeText(std::string("[window]\nx=0\ny=0\nwidth=800\nheight=600\n") + bad + "\n");
        EXPECT_FALSE(readPlayerSettings(file).settings.window) << bad;
    }
    for (const char* bad : {"factor=0.2", "factor=8.5", "factor=inf", "factor=@Variant(\\0\\0\\0\\x6\\0\\0\\0\\x1)"}) {
        writeText(std::string("[window]\n") + bad + "\n");
        EXPECT_FALSE(readPlayerSettings(file).settings.scaleFactor) << bad;
    }

    writeText("[game]\nfuture=42\n");
    ASSERT_EQ(writePlayerSettings(file, PlayerSettings{}), "");
    EXPECT_NE(readBytes(file).find("future=42"), std::string::npos) << "a later version's key stays";
}

TEST_F(PlayerSettingsTest, AFileQSettingsCannotParseGivesDefaultsAndIsSetAsideOnTheNextWrite) {
    const std::string damaged = "\xEF\xBB\xBF[game]\nlevel=2\n\x01\xFF";
    writeText(damaged);
    const SettingsReading r = readPlayerSettings(file);
    EXPECT_EQ(r.status, Status::Unusable);
    EXPECT_TRUE(r.settings == PlayerSettings{});

    PlayerSettings s;
    s.level = 3;
    ASSERT_EQ(writePlayerSettings(file, s), "");
    EXPECT_EQ(readPlayerSettings(file).settings.level, 3);
    EXPECT_EQ(readBytes(file + ".defekt"), damaged);

    // Damage to a file this run has written and read is found too, on every read.
    writeText(damaged);
    EXPECT_EQ(readPlayerSettings(file).status, Status::Unusable);
    EXPECT_EQ(readPlayerSettings(file).status, Status::Unusable);
    ASSERT_EQ(writePlayerSettings(file, s), "");
    EXPECT_EQ(readPlayerSettings(file).status, Status::Loaded);
    EXPECT_EQ(readBytes(file + ".defekt-2"), damaged);

    writeText(std::string(kSettingsReadLimit + 1, '\n'));
    EXPECT_EQ(readPlayerSettings(file).status, Status::Unusable) << "too long to be ours";
}

TEST_F(PlayerSettingsTest, AFolderOrAFifoInItsPlaceIsNeitherReadNorWritten) {
    ASSERT_TRUE(std::filesystem::create_directories(file));
    EXPECT_EQ(readPlayerSettings(file).status, Status::Unusable);
    EXPECT_EQ(writePlayerSettings(file, PlayerSettings{}), file + " ist ein Ordner");

    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readPlayerSettings(fifo).status, Status::Unusable) << "and it did not wait for a writer";
    EXPECT_EQ(writePlayerSettings(fifo, PlayerSettings{}), fifo + " ist keine gewöhnliche Datei");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(PlayerSettingsTest, AnUnwritableFolderIsReportedAndTheOldFileStays) {
    PlayerSettings s;
    s.level = 2;
    ASSERT_EQ(writePlayerSettings(file, s), "");
    const std::string before = readBytes(file);
    test::LockedFolder locked(dir.filePath("quintaro").toStdString());
    if (!locked.locked) GTEST_SKIP() << "this process can write into every folder";
    s.level = 1;
    EXPECT_EQ(writePlayerSettings(file, s), file + " lässt sich nicht schreiben");
    EXPECT_EQ(readBytes(file), before);

    const std::string inside = dir.filePath("quintaro/neu/quintaro.conf").toStdString();
    EXPECT_EQ(writePlayerSettings(inside, s),
              "der Ordner " + dir.filePath("quintaro/neu").toStdString() + " lässt sich nicht anlegen");
}

// Sets an environment variable for one test and puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(PlayerSettingsTest, TheFileFollowsXdgConfigHomeAndFallsBackToDotConfigInHome) {
    const std::string home = dir.filePath("home").toStdString(), config = dir.filePath("config").toStdString();
    const ScopedEnv homeEnv("HOME", home.c_str());
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
        EXPECT_EQ(settingsFilePath(), config + "/quintaro/quintaro.conf");
        PlayerSettings s;
        s.showCandidates = true;
        ASSERT_EQ(writePlayerSettings(settingsFilePath(), s), "");
        EXPECT_TRUE(readPlayerSettings(config + "/quintaro/quintaro.conf").settings.showCandidates);
    }
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relativ/config"}) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(settingsFilePath(), home + "/.config/quintaro/quintaro.conf") << (ignored ? ignored : "unset");
    }
    EXPECT_EQ(readPlayerSettings(settingsFilePath()).status, Status::Missing) << "an empty folder: the classic start";
}

} // namespace
} // namespace quintaro
