// The player's settings: round trips, damaged values and files, odd paths, an unwritable folder, XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "engine/random_source.h"
#include "file_bytes.h"
#include "locked_folder.h"
#include "storage/player_settings.h"

namespace quintaro {
namespace {

using Status = SettingsReading::Status;

PlayerSettings atLevel(int level) {
    PlayerSettings s;
    s.level = level;
    return s;
}

class PlayerSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string file = dir.filePath("quintaro/quintaro.conf").toStdString();

    void writeText(const std::string& text) {
        std::filesystem::create_directories(dir.filePath("quintaro").toStdString());
        std::ofstream(file, std::ios::binary) << text;
    }
};

TEST_F(PlayerSettingsTest, NoFileGivesTheClassicStartAndRandomSettingsReadBackAsWritten) {
    const SettingsReading none = readPlayerSettings(file);
    EXPECT_EQ(none.status, Status::Missing);
    EXPECT_TRUE(none.settings == (PlayerSettings{0, true, false, true, true, std::nullopt, std::nullopt, false}));
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        SeededRandom random(seed);
        const auto coin = [&] { return random.random(2) == 1; };
        const auto between = [&](int low, int high) { return low + random.random(high - low + 1); };
        PlayerSettings s{between(0, 3), coin(), coin(), coin(), coin(), std::nullopt, std::nullopt, coin()};
        if (coin())
            s.window = WindowPlace{between(-kMaxWindowOffset, kMaxWindowOffset), between(-kMaxWindowOffset, 0),
                                   between(kMinWindowSide, kMaxWindowSide), between(kMinWindowSide, kMaxWindowSide)};
        if (coin())
            s.scaleFactor = kMinScaleFactor + between(0, 1 << 20) * (kMaxScaleFactor - kMinScaleFactor) / (1 << 20);
        ASSERT_EQ(writePlayerSettings(file, s), "");
        const SettingsReading r = readPlayerSettings(file);
        EXPECT_TRUE(r.status == Status::Loaded && r.reset.empty() && r.settings == s);
        EXPECT_NE(test::fileBytes(file).find("level=" + std::to_string(s.level)), std::string::npos) << "on the disk";
    }
}

TEST_F(PlayerSettingsTest, EachDamagedValueIsResetOnItsOwnAndUnknownKeysSurviveAWrite) {
    writeText("[game]\nlevel=4\ndigits=false\ncandidates=1\nsymmetry=false\nfuture=42\n"
              "[window]\nx=-20\ny=abc\nwidth=800\nheight=600\nfactor=nan\nfullScreen=1,2\n");
    SettingsReading r = readPlayerSettings(file);
    EXPECT_EQ(r.reset, (std::vector<std::string>{"game/level", "game/candidates", "window/y", "window/factor",
                                                 "window/fullScreen"}));
    EXPECT_TRUE(r.settings.level == 0 && !r.settings.digitMode && !r.settings.puzzleSymmetry) << "good values stay";
    EXPECT_FALSE(r.settings.window || r.settings.scaleFactor);
    for (const char* bad : {"width=99\nfactor=0.2", "height=16385\nfactor=8.5", "x=16385\nfactor=inf",
                            "y=-16385\nfactor=@Variant(\\0\\0\\0\\x6)", "height=2.5"}) {
        writeText(std::string("[window]\nx=0\ny=0\nwidth=800\nheight=600\n") + bad + "\n");
        const PlayerSettings r = readPlayerSettings(file).settings;
        EXPECT_FALSE(r.window || r.scaleFactor) << bad;
    }
    writeText("[game]\nfuture=42\n");
    ASSERT_EQ(writePlayerSettings(file, PlayerSettings{}), "");
    EXPECT_NE(test::fileBytes(file).find("future=42"), std::string::npos);
}

TEST_F(PlayerSettingsTest, AFileQSettingsCannotParseGivesDefaultsEveryTimeAndIsSetAsideOnWriting) {
    const std::string damaged = "\xEF\xBB\xBF[game]\nlevel=2\n\x01\xFF";
    const PlayerSettings s = atLevel(3);
    for (const char* aside : {".defekt", ".defekt-2"}) { // the second time, in a file this run wrote and read
        writeText(damaged);
        for (int n = 0; n < 2; ++n) {
            const SettingsReading r = readPlayerSettings(file);
            EXPECT_TRUE(r.status == Status::Unusable && r.settings == PlayerSettings{}) << aside << n;
        }
        ASSERT_EQ(writePlayerSettings(file, s), "");
        EXPECT_EQ(readPlayerSettings(file).settings.level, 3);
        EXPECT_EQ(test::fileBytes(file + aside), damaged);
    }
    writeText(std::string(kSettingsReadLimit + 1, '\n'));
    EXPECT_EQ(readPlayerSettings(file).status, Status::Unusable) << "too long to be ours";
}

TEST_F(PlayerSettingsTest, AFolderFifoOrUnwritableFolderIsReportedAndNothingIsLost) {
    const std::string folder = dir.filePath("Ordner").toStdString(), fifo = dir.filePath("fifo").toStdString();
    ASSERT_TRUE(std::filesystem::create_directories(folder));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readPlayerSettings(folder).status, Status::Unusable);
    EXPECT_EQ(writePlayerSettings(folder, PlayerSettings{}), folder + " ist ein Ordner");
    EXPECT_EQ(readPlayerSettings(fifo).status, Status::Unusable) << "and it did not wait for a writer";
    EXPECT_EQ(writePlayerSettings(fifo, PlayerSettings{}), fifo + " ist keine gewöhnliche Datei");

    ASSERT_EQ(writePlayerSettings(file, PlayerSettings{}), "");
    const std::string before = test::fileBytes(file);
    test::LockedFolder locked(dir.filePath("quintaro").toStdString());
    if (!locked.locked) GTEST_SKIP() << "this process can write into every folder";
    EXPECT_EQ(writePlayerSettings(file, atLevel(2)), file + " lässt sich nicht schreiben");
    EXPECT_EQ(test::fileBytes(file), before);
    EXPECT_EQ(writePlayerSettings(file + ".d/x.conf", PlayerSettings{}),
              "der Ordner " + file + ".d lässt sich nicht anlegen");
}

// Sets an environment variable for one scope and puts back what was there.
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

TEST_F(PlayerSettingsTest, TheFileFollowsXdgConfigHomeElseDotConfigInHome) {
    const std::string home = dir.filePath("home").toStdString(), config = dir.filePath("config").toStdString();
    const ScopedEnv homeEnv("HOME", home.c_str());
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
        EXPECT_EQ(settingsFilePath(), config + "/quintaro/quintaro.conf");
        EXPECT_EQ(readPlayerSettings(settingsFilePath()).status, Status::Missing) << "an empty folder: classic start";
        ASSERT_EQ(writePlayerSettings(settingsFilePath(), atLevel(1)), "");
        EXPECT_EQ(readPlayerSettings(config + "/quintaro/quintaro.conf").settings.level, 1);
    }
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relativ/config"}) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(settingsFilePath(), home + "/.config/quintaro/quintaro.conf") << (ignored ? ignored : "unset");
    }
}

} // namespace
} // namespace quintaro
