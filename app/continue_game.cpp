// Continuing, at start-up, the game the last run kept unsolved.
#include "app/game.h"

#include "app/menu_bar.h"
#include "app/unsolved_game.h"
#include "storage/kept_game_file.h"

namespace quintaro {

void Game::offerKeptGame() {
    // Taken out of the file before the question: declined, the game is gone as the player chose; of two
    // games started at once only one is offered it.
    const TakeResult taken = takeKeptGame(keptGamesPath());
    if (!taken.message.empty()) platform.messageBox(taken.message);
    if (taken.status != TakeResult::Status::Taken || !taken.game) return;
    const int answer = platform.alertBox(platform::AlertIcon::Question, "Letztes Spiel fortsetzen?", "&JA|&NEIN", 1);
    platform.restoreFocus();
    if (answer != 1) return;

    const KeptGame& game = *taken.game;
    play.puzzle = putOnBoard(game, board);
    choices.level = game.level;
    refreshCheckMarks(*mainWindow, choices);
    if (game.timed) {
        // The clock goes on from the kept time: the time between the runs is not the player's.
        play.clock->startGame();
        play.gameStart = platform.timer() - game.elapsedSeconds;
        play.clock->refreshClock();
    } else {
        play.gameRunning = false;
    }
    countGivensNow();
    runMenuCommand(MenuCommand::StartGame);
}

} // namespace quintaro
