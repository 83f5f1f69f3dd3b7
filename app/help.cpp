// The help pages of the menu and of a running game, and the about box.
#include "app/help.h"

#include "storage/kept_game_file.h"
#include "storage/player_settings.h"

#include <filesystem>

namespace quintaro {

namespace {

// The help pages of the two callers, by topic of the HTML help and by keyword of the older help.
struct HelpTopic {
    const char* page;
    const char* keyword;
};
constexpr HelpTopic kMenuHelp{"Übersicht.htm", "Menupunkte"};
constexpr HelpTopic kGameHelp{"Erklärung.htm", "Erklärung"};

// The keyword help shows the same pages.
const char* pageOfKeyword(const std::string& keyword) {
    return keyword == kMenuHelp.keyword ? kMenuHelp.page : kGameHelp.page;
}

// Shows the help page `topic` ("Übersicht.htm"); when it cannot, tells the player which page is
// missing or unreadable and where it was looked for.
void showHelpTopic(platform::Platform& platform, const GameFolders& folders, const std::string& topic) {
    const std::string path = gameFilePath(folders, topic);
    if (platform.showHelpPage(path)) return;
    const std::string shown = messagePath(path);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        platform.messageBox("Die Hilfeseite \"" + shown + "\" lässt sich nicht lesen.");
    else
        platform.messageBox("Die Hilfeseite \"" + topic + "\" fehlt; gesucht wurde \"" + shown + "\".");
}

} // namespace

void showHelp(platform::Platform& platform, const GameFolders& folders, HelpPages help, bool fromGame) {
    const HelpTopic& topic = fromGame ? kGameHelp : kMenuHelp;
    if (help.html)
        showHelpTopic(platform, folders, topic.page);
    else
        platform.showHelpPage(gameFilePath(folders, pageOfKeyword(topic.keyword))); // the older help reports nothing
}

void showAboutBox(platform::Platform& platform, const platform::MainWindow& window, const GameFolders& folders) {
    const platform::WindowGeometry at = window.geometry();
    platform.showAboutBox({"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "von Norvik", "",
                           "Einstellungen: " + settingsFilePath(),
                           "Aufbewahrte Spiele: " + messagePath(gameFilePath(folders, kKeptGamesFileName))},
                          at.x + 206, at.y + 188);
    platform.restoreFocus();
}

} // namespace quintaro
