// The shuffle: line, band and stack swaps, mirrors, the quarter turn and a symbol permutation.
#pragma once

#include "engine/board.h"
#include "engine/random_source.h"
#include "engine/solver.h"

namespace quintaro {

// How the shuffle applies its moves. Composed gathers every drawn move into one permutation of the
// cells and one map of the symbols and applies them once; Stepwise applies each move as it is drawn.
// Both draw the same numbers in the same order and leave byte-identical boards.
enum class ShufflePath { Composed, Stepwise };

// Each exchange acts on board and givens alike; candidates are not touched.
void swapRows(Board& b, int g, int ra, int rb);
void swapColumns(Board& b, int g, int ca, int cb);
void swapUpperBandRows(Board& b, int a, int bb);
void swapLowerBandRows(Board& b, int a, int bb);
void swapLeftBandColumns(Board& b, int a, int bb);
void swapRightBandColumns(Board& b, int a, int bb);
void swapStacks(Board& b, int g, int a, int bb);
void swapBands(Board& b, int g, int a, int bb);
// Draws a permutation of 1..9 into symbolMap (symbolFree left as the drawing left it) and maps every
// board and givens entry 1..9 through it; 0 stays 0 and entries above 9 stay as they are.
void permuteSymbols(Board& b, RandomSource& rnd);
void mirrorLeftRight(Board& b);
void mirrorTopBottom(Board& b);
void rotateClockwise(Board& b); // uses boardBackup and solution as scratch

// The moves of the shuffle without the hidden solve, in the symmetric (symmetric = true) or the free
// variant, drawing from rnd in the game's exact order and ranges. Board, givens, symbolMap, symbolFree
// and, when a quarter turn was drawn, the quarter turn's scratch in boardBackup and solution end as the
// moves leave them one after the other, whichever path applies them; any byte values are carried along.
void shuffleMoves(Board& b, RandomSource& rnd, bool symmetric, ShufflePath shufflePath = ShufflePath::Composed);

// The whole shuffle: shuffleMoves, then computeSolution on the shuffled board.
void shuffleBoard(Board& b, RandomSource& rnd, bool symmetric, SolverPath path = SolverPath::Fast,
                  ShufflePath shufflePath = ShufflePath::Composed);

} // namespace quintaro
