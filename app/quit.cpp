// Quitting with a question first.
#include "app/game.h"

namespace quintaro {

void Game::confirmQuit() {
    const int answer = platform.alertBox(platform::AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2);
    if (answer != 1) {
        platform.restoreFocus();
        return;
    }
    // The clock thread sees the game stopped at its next poll; the window's end ends the idle loop.
    play.gameRunning = false;
    mainWindow->close();
}

void Game::requestClose() {
    confirmQuit();
    if (mainWindow->isOpen()) play.escapeConsumed = true;
}

} // namespace quintaro
