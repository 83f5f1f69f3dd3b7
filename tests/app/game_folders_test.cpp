// Where an installed game reads and writes: collections from its data folder, the player's files in
// the player's folder, made at the first save; the working folder when it holds the collections.
#include "game_fixture.h"

#include "app/game_folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using platform::Event;
using platform::RecordFormAction;

class GameFoldersTest : public ::testing::Test {
public:
    GameFoldersTest() {
        fs::remove_all(root);
        fs::create_directories(root / "share" / "quintaro");
        fs::create_directories(root / "elsewhere");
        const char* bin = std::getenv("QUINTARO_BIN");
        for (const char* name : {"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr"})
            fs::copy_file(fs::path(bin ? bin : ".") / name, root / "share" / "quintaro" / name);
        fs::current_path(root / "elsewhere");
    }
    ~GameFoldersTest() override {
        fs::current_path(previous);
        fs::remove_all(root);
    }
    // A game started with the installed data and the player's folder in their places.
    void start() {
        platform.setDataFolders((root / "share" / "quintaro").string(), player.string());
        platform.setEventHandler(&game);
        game.startUp();
    }
    void deliver(const Event& e) {
        platform.inject(e);
        platform.deliverPending();
    }
    void key(int vk) {
        deliver(Event::keyPressed(vk));
        deliver(Event::keyReleased(vk));
    }
    static std::size_t filesBelow(const fs::path& dir) {
        return std::size_t(std::distance(fs::recursive_directory_iterator(dir), fs::recursive_directory_iterator()));
    }

    const fs::path previous = fs::current_path();
    const fs::path root = fs::temp_directory_path() / ("quintaro-folders-" + std::to_string(::getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path player = root / "home" / ".local" / "share" / "quintaro";
    PrivateSettingsFolder settingsFolder;
    platform::HeadlessPlatform platform{3, {1280, 1024}};
    Game game{platform};
};

TEST_F(GameFoldersTest, AnInstalledGameReadsItsDataFolderAndSavesIntoThePlayersFolderMadeAtTheFirstSave) {
    start();
    EXPECT_FALSE(fs::exists(player)) << "nothing is made before the first save";
    deliver(menuEvent(MenuCommand::NewGame));
    ASSERT_EQ(game.play.mode, GameMode::PlayLoop);
    EXPECT_EQ(game.view.panelState.givenCount, 130);
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '2'));
    key('S');
    EXPECT_EQ(fs::file_size(player / "brett.qbr"), 24000u);
    EXPECT_EQ(filesBelow(root / "share"), 5u) << "nothing is written into the install tree";
    EXPECT_EQ(filesBelow(root / "elsewhere"), 0u);
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(GameFoldersTest, AFolderThatCannotBeMadeOrABrokenInstallIsToldAndTheGameGoesOn) {
    fs::create_directories(player.parent_path());
    { std::ofstream(player) << "a file where the folder should be"; }
    start();
    deliver(menuEvent(MenuCommand::NewGame));
    platform.scriptRecordForm(RecordFormAction::keyPress(0, '1'));
    key('S');
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].rfind("Das Brett konnte nicht gesichert werden: ", 0), 0u)
        << platform.messages()[0];
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop);

    key(platform::VirtualKey::Escape);
    fs::remove_all(root / "share");
    deliver(menuEvent(MenuCommand::NewGame));
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_NE(platform.messages()[1].find((root / "share" / "quintaro" / "leicht.qbr").string()), std::string::npos);
    EXPECT_EQ(game.play.mode, GameMode::Idle);
}

TEST(GameFolderChoiceTest, AWorkingFolderWithTheCollectionsServesForEverything) {
    // The tests run in the build folder, which holds the collections.
    const GameFolders here = chooseGameFolders("/usr/share/quintaro", "/home/p/.local/share/quintaro");
    EXPECT_EQ(gameFilePath(here, "brett.qbr"), "brett.qbr");
    const GameFolders installed{"/usr/share/quintaro", "/home/p/.local/share/quintaro"};
    EXPECT_EQ(gameFilePath(installed, "schwer.qbr"), "/usr/share/quintaro/schwer.qbr");
    EXPECT_EQ(gameFilePath(installed, "Erklärung.htm"), "/usr/share/quintaro/Erklärung.htm");
    EXPECT_EQ(gameFilePath(installed, "Champions.qhf"), "/home/p/.local/share/quintaro/Champions.qhf");
    EXPECT_EQ(gameFilePath(installed, "brett.qbr"), "/home/p/.local/share/quintaro/brett.qbr");
}

} // namespace
} // namespace quintaro
