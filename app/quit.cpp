// Quitting with a question first, keeping the settings and a game left unsolved.
#include "app/game.h"

#include "app/unsolved_game.h"
#include "storage/kept_game_file.h"

namespace quintaro {

void Game::confirmQuit() {
    // The clock's time as the question comes up: the time spent answering is no play.
    const bool timed = play.gameRunning;
    const double elapsed = play.clock->elapsed(platform.timer());
    const int answer = platform.alertBox(platform::AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2);
    if (answer != 1) {
        platform.restoreFocus();
        return;
    }
    // The clock thread sees the game stopped at its next poll; the window's end ends the idle loop.
    play.gameRunning = false;
    keepAtQuit(timed, elapsed);
    mainWindow->close();
}

void Game::keepAtQuit(bool timed, double elapsedSeconds) {
    const std::string failure =
        rememberSettings(settings, withWindow(withChoices(settings.attempted, choices), mainWindow->geometry()));
    if (!failure.empty()) platform.messageBox(failure);
    if (!holdsUnsolvedGame(board, play.mode)) return;
    const KeepResult kept =
        keepGame(keptGamesPath(), keptGameOf(board, choices.level, timed, elapsedSeconds, play.puzzle));
    if (!kept.message.empty()) platform.messageBox(kept.message);
}

void Game::requestClose() {
    confirmQuit();
    if (mainWindow->isOpen()) play.escapeConsumed = true;
}

} // namespace quintaro
