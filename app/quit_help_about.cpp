// Quitting with a question first, the help pages, and the about box.
#include "app/game.h"

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

} // namespace

void Game::confirmQuit() {
    const int answer = platform.alertBox(platform::AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2);
    if (answer == 1)
        endProgram();
    else
        platform.restoreFocus();
}

void Game::requestClose() {
    confirmQuit();
    if (mainWindow->isOpen()) play.escapeConsumed = true;
}

void Game::endProgram() {
    // The clock thread sees the game stopped at its next poll; the window's end ends the idle loop.
    play.gameRunning = false;
    mainWindow->close();
}

bool Game::detectHtmlHelp() { return platform.htmlHelpAvailable(); }

void Game::showHelpTopic(const std::string& topic) {
    const std::string path = filePath(topic);
    if (platform.showHelpPage(path)) return;
    const std::string shown = messagePath(path);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        platform.messageBox("Die Hilfeseite \"" + shown + "\" lässt sich nicht lesen.");
    else
        platform.messageBox("Die Hilfeseite \"" + topic + "\" fehlt; gesucht wurde \"" + shown + "\".");
}

void Game::helpCommand(bool fromGame) {
    const HelpTopic& topic = fromGame ? kGameHelp : kMenuHelp;
    if (help.html)
        showHelpTopic(topic.page);
    else
        platform.showHelpPage(filePath(pageOfKeyword(topic.keyword))); // the older help reports nothing
}

void Game::showAboutBox() {
    const platform::WindowGeometry at = mainWindow->geometry();
    platform.showAboutBox({"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "von Norvik"}, at.x + 206, at.y + 188);
    platform.restoreFocus();
}

} // namespace quintaro
