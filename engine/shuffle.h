// The shuffle: line, band and stack swaps, mirrors, the quarter turn and a symbol permutation.
#pragma once

#include "engine/board.h"
#include "engine/board_view.h"
#include "engine/random_source.h"
#include "engine/solver.h"

namespace quintaro {

// Each exchange acts on board and givens alike; candidates are not touched.
void swapRows(Board& b, int g, int ra, int rb);
void swapColumns(Board& b, int g, int ca, int cb);
void swapUpperBandRows(Board& b, int a, int bb);
void swapLowerBandRows(Board& b, int a, int bb);
void swapLeftBandColumns(Board& b, int a, int bb);
void swapRightBandColumns(Board& b, int a, int bb);
void swapStacks(Board& b, int g, int a, int bb);
void swapBands(Board& b, int g, int a, int bb);
void permuteSymbols(Board& b, RandomSource& rnd);
void mirrorLeftRight(Board& b);
void mirrorTopBottom(Board& b);
void rotateClockwise(Board& b); // uses boardBackup and solution as scratch

// The whole shuffle in the symmetric (symmetric = true) or the free variant, drawing from rnd in the
// game's exact order and ranges; ends with computeSolution.
void shuffleBoard(Board& b, BoardView& view, RandomSource& rnd, bool symmetric,
                  SolverPath path = SolverPath::Fast);

} // namespace quintaro
