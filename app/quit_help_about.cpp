// Quitting with a question first, the help pages, and the about box.
#include "app/game.h"

namespace quintaro {

namespace {

constexpr const char* kHtmlHelpFile = "Quintaro.chm";

// The help pages of the two callers, by topic of the HTML help and by keyword of the older help.
struct HelpTopic {
    const char* page;
    const char* keyword;
};
constexpr HelpTopic kMenuHelp{"Übersicht.htm", "Menupunkte"};
constexpr HelpTopic kGameHelp{"Erklärung.htm", "Erklärung"};

// The keyword help shows the same pages.
const char* pageOfKeyword(const std::string& keyword)
{
    return keyword == kMenuHelp.keyword ? kMenuHelp.page : kGameHelp.page;
}

} // namespace

void Game::confirmQuit()
{
    const int answer = platform.alertBox(platform::AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2);
    if (answer == 1)
        endProgram();
    else
        platform.restoreFocus();
}

void Game::Win_0_Close()
{
    confirmQuit();
    if (mainForm->isOpen())
        state.escapeConsumed = true;
}

void Game::endProgram()
{
    // The clock thread sees the game stopped at its next poll; the window's end ends the idle loop.
    state.gameRunning = false;
    mainForm->close();
}

bool Game::detectHtmlHelp() { return platform.htmlHelpAvailable(); }

void Game::showHelpTopic(const std::string& file, const std::string& topic)
{
    if (!platform.showHelpPage(filePath(topic)))
        platform.messageBox("Error while trying to display a topic of " + file);
}

void Game::helpCommand(bool fromGame)
{
    const HelpTopic& topic = fromGame ? kGameHelp : kMenuHelp;
    if (state.htmlHelp)
        showHelpTopic(kHtmlHelpFile, topic.page);
    else
        platform.showHelpPage(filePath(pageOfKeyword(topic.keyword))); // the older help reports nothing
}

void Game::showAboutBox()
{
    const platform::WindowGeometry at = mainForm->geometry();
    platform.showAboutBox({"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "von Norvik"}, at.x + 206, at.y + 188);
    platform.restoreFocus();
}

} // namespace quintaro
