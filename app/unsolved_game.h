// A game left unsolved at quit: whether the board holds one, and the game taken off the board and put back.
#pragma once

#include "app/game_in_play.h"
#include "engine/board.h"
#include "engine/puzzle_number.h"
#include "storage/kept_game.h"

#include <optional>

namespace quintaro {

// Whether quitting keeps what is on the board: it has givens, its field is not complete and rule-abiding,
// and it is no own puzzle still being set up (mode OwnBoardLoop). An empty board is no game; a solved one
// is over. A board with givens outside the own-board loop is a game even before the first entry: the
// player chose that puzzle. Recounts b.symbolCounts.
bool holdsUnsolvedGame(Board& b, GameMode mode);

// The game on the board as kept: the givens, the entries, the candidate marks, the errors and level,
// the clock's time (kept only when timed; an untimed game's clock shows no time) and the puzzle's number.
KeptGame keptGameOf(const Board& b, std::int16_t level, bool timed, double elapsedSeconds,
                    const std::optional<PuzzleNumber>& puzzle);

// Puts game back on b: givens, entries, candidate marks and error count, the rest of b cleared, then the
// solution computed by the hidden solve as for a loaded game (computeGameSolution). Returns the puzzle's
// number when it is one a fresh puzzle can carry (isValidPuzzleNumber), else none.
std::optional<PuzzleNumber> putOnBoard(const KeptGame& game, Board& b);

} // namespace quintaro
