// The load and save dialogs: the record form that picks one of the four slots of the board file.
#pragma once

namespace quintaro {

class Game;

// Sets boardFile to "brett.qbr" and lets the player pick the slot to save the board into.
void showSaveDialog(Game& game);

// Lets the player pick the slot of boardFile to load (boardFile as the caller set it). When a record
// was read, computes the solution the game is judged against (from the givens when they determine it)
// and returns true; a cancelled dialog or a failed read changes nothing and returns false.
bool showLoadDialog(Game& game);

} // namespace quintaro
