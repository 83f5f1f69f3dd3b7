// The load and save dialogs: the form frm1 that picks one of the four slots of the board file.
#pragma once

namespace quintaro {

class Game;

// Sets boardFile to "brett.qbr" and lets the player pick the slot to save the board into.
void showSaveDialog(Game& game);

// Lets the player pick the slot of boardFile to load (boardFile as the caller set it), then computes
// the solution of the board with the hidden solve, loaded or not.
void showLoadDialog(Game& game);

} // namespace quintaro
