// The shuffle: validity-preserving transformations of the whole cross, drawn in the game's fixed order.
#include "engine/shuffle.h"

#include <array>
#include <cstdint>
#include <utility>

#include "engine/composed_moves.h"
#include "engine/draw_buffer.h"
#include "engine/grid_cell.h"
#include "engine/solution.h"

namespace quintaro {

namespace {

void swapCells(Board& b, int c1, int r1, int g1, int c2, int r2, int g2) {
    std::swap(cellAt(b.board, c1, r1, g1), cellAt(b.board, c2, r2, g2));
    std::swap(cellAt(b.givens, c1, r1, g1), cellAt(b.givens, c2, r2, g2));
}

// The moves applied to the board one by one, as they are drawn.
struct StepwiseMoves {
    Board& b;
    void swapRows(int g, int ra, int rb) { quintaro::swapRows(b, g, ra, rb); }
    void swapColumns(int g, int ca, int cb) { quintaro::swapColumns(b, g, ca, cb); }
    void swapRowsIf(bool on, int g, int ra, int rb) {
        if (on) swapRows(g, ra, rb);
    }
    void swapColumnsIf(bool on, int g, int ca, int cb) {
        if (on) swapColumns(g, ca, cb);
    }
    void permuteSymbols(RandomSource& rnd) { quintaro::permuteSymbols(b, rnd); }
    void mirrorLeftRight() { quintaro::mirrorLeftRight(b); }
    void mirrorTopBottom() { quintaro::mirrorTopBottom(b); }
    void rotateClockwise() { quintaro::rotateClockwise(b); }
};

// Stacks a and bb of grid g trade places when on.
template <class Moves>
void stackSwapIf(Moves& m, bool on, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) m.swapColumnsIf(on, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

// Bands a and bb of grid g trade places when on.
template <class Moves>
void bandSwapIf(Moves& m, bool on, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) m.swapRowsIf(on, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

template <class Moves>
void upperBandRowSwap(Moves& m, int a, int bb) {
    m.swapRows(1, a, bb);
    m.swapRows(2, a, bb);
    m.swapRows(0, a + 6, bb + 6);
}

template <class Moves>
void lowerBandRowSwap(Moves& m, int a, int bb) {
    m.swapRows(1, a + 6, bb + 6);
    m.swapRows(2, a + 6, bb + 6);
    m.swapRows(3, a, bb);
}

template <class Moves>
void leftBandColumnSwap(Moves& m, int a, int bb) {
    m.swapColumns(0, a, bb);
    m.swapColumns(3, a, bb);
    m.swapColumns(1, a + 6, bb + 6);
}

template <class Moves>
void rightBandColumnSwap(Moves& m, int a, int bb) {
    m.swapColumns(0, a + 6, bb + 6);
    m.swapColumns(3, a + 6, bb + 6);
    m.swapColumns(2, a, bb);
}

// A chance-½ draw: the symmetric variant acts on 0, the free variant on 1.
template <class Rnd>
bool chance(Rnd& rnd, int hit) {
    return rnd.random(2) == hit;
}

template <class Moves, class Rnd>
void shuffleSymmetric(Moves& m, Rnd& rnd) {
    constexpr int hit = 0;
    const int n = rnd.random(150) + 101;
    for (int i = 0; i < n; ++i) {
        int x = rnd.random(2) + 1;
        m.swapRows(0, x, x + 1);
        m.swapRows(3, 10 - x, 9 - x);
        if (chance(rnd, hit)) {
            m.swapColumns(0, x, x + 1);
            m.swapColumns(3, x, x + 1);
            m.swapColumns(1, x + 6, x + 7);
            m.swapColumns(0, 10 - x, 9 - x);
            m.swapColumns(3, 10 - x, 9 - x);
            m.swapColumns(2, 3 - x, 4 - x);
        }
        x = rnd.random(2) + 1;
        m.swapRows(0, x + 3, x + 4);
        m.swapRows(3, 7 - x, 6 - x);
        if (chance(rnd, hit)) {
            m.swapColumns(1, x + 3, x + 4);
            m.swapColumns(2, 7 - x, 6 - x);
        }
        x = rnd.random(2) + 1;
        m.swapRows(0, x + 6, x + 7);
        m.swapRows(1, x, x + 1);
        m.swapRows(2, x, x + 1);
        m.swapRows(3, 4 - x, 3 - x);
        m.swapRows(1, 10 - x, 9 - x);
        m.swapRows(2, 10 - x, 9 - x);
        m.swapColumns(0, x, x + 1);
        m.swapColumns(3, x, x + 1);
        m.swapColumns(1, x + 6, x + 7);
        m.swapColumns(0, 10 - x, 9 - x);
        m.swapColumns(3, 10 - x, 9 - x);
        m.swapColumns(2, 4 - x, 3 - x);
        const bool stacks = chance(rnd, hit);
        stackSwapIf(m, stacks, 1, 1, 2);
        stackSwapIf(m, stacks, 2, 3, 2);
        const bool bands = chance(rnd, hit);
        bandSwapIf(m, bands, 0, 1, 2);
        bandSwapIf(m, bands, 3, 2, 3);
        m.permuteSymbols(rnd);
        if (chance(rnd, hit)) m.mirrorLeftRight();
        if (chance(rnd, hit)) m.mirrorTopBottom();
        if (chance(rnd, hit)) m.rotateClockwise();
    }
}

// One round of the free shuffle's line swaps: fifteen draws of RANDOM(2), each acting on 1. The
// composed path follows these rounds by table (ComposedMoves::composeLineSwapRounds).
template <class Moves, class Rnd>
void lineSwapRound(Moves& m, Rnd& rnd) {
    constexpr int hit = 1;
    int x = rnd.random(2) + 1;
    m.swapRowsIf(chance(rnd, hit), 0, x, x + 1);
    m.swapColumnsIf(chance(rnd, hit), 1, x, x + 1);
    x = rnd.random(2) + 4;
    m.swapRowsIf(chance(rnd, hit), 1, x, x + 1);
    m.swapRowsIf(chance(rnd, hit), 2, x, x + 1);
    m.swapColumnsIf(chance(rnd, hit), 0, x, x + 1);
    m.swapColumnsIf(chance(rnd, hit), 3, x, x + 1);
    x = rnd.random(2) + 7;
    m.swapRowsIf(chance(rnd, hit), 3, x, x + 1);
    m.swapColumnsIf(chance(rnd, hit), 2, x, x + 1);
    stackSwapIf(m, chance(rnd, hit), 1, 1, 2);
    stackSwapIf(m, chance(rnd, hit), 2, 2, 3);
    bandSwapIf(m, chance(rnd, hit), 0, 1, 2);
    bandSwapIf(m, chance(rnd, hit), 3, 2, 3);
}

template <class Moves, class Rnd>
void shuffleFree(Moves& m, Rnd& rnd) {
    constexpr int hit = 1;
    const int outer = rnd.random(50) + 100;
    const auto bandLines = [&](auto bandLineSwap) {
        const int count = rnd.random(20) + 20;
        if constexpr (requires { m.composeBandLineSwaps(rnd, count, bandLineSwap); }) {
            m.composeBandLineSwaps(rnd, count, bandLineSwap);
        } else {
            for (int j = 0; j < count; ++j) {
                const int x = rnd.random(2) + 1;
                bandLineSwap(m, x, x + 1);
            }
        }
    };
    for (int i = 0; i < outer; ++i) {
        const int k = rnd.random(20) + 50;
        if constexpr (requires { m.composeLineSwapRounds(rnd, k); }) {
            m.composeLineSwapRounds(rnd, k);
        } else {
            for (int j = 0; j < k; ++j) lineSwapRound(m, rnd);
        }
        bandLines([](auto& moves, int a, int bb) { upperBandRowSwap(moves, a, bb); });
        bandLines([](auto& moves, int a, int bb) { lowerBandRowSwap(moves, a, bb); });
        bandLines([](auto& moves, int a, int bb) { leftBandColumnSwap(moves, a, bb); });
        bandLines([](auto& moves, int a, int bb) { rightBandColumnSwap(moves, a, bb); });
        const int count = rnd.random(20) + 20;
        for (int j = 0; j < count; ++j) {
            if (chance(rnd, hit)) m.mirrorLeftRight();
            if (chance(rnd, hit)) m.mirrorTopBottom();
            if (chance(rnd, hit)) m.rotateClockwise();
            m.permuteSymbols(rnd);
        }
    }
}

template <class Moves, class Rnd>
void shuffleVariant(Moves& m, Rnd& rnd, bool symmetric) {
    if (symmetric) {
        shuffleSymmetric(m, rnd);
    } else {
        shuffleFree(m, rnd);
    }
}

template <class Rnd>
void shuffleComposed(Board& b, Rnd& rnd, bool symmetric) {
    ComposedMoves m(b);
    shuffleVariant(m, rnd, symmetric);
    m.apply();
}

} // namespace

void swapRows(Board& b, int g, int ra, int rb) {
    for (int c = 1; c <= 9; ++c) swapCells(b, c, ra, g, c, rb, g);
}

void swapColumns(Board& b, int g, int ca, int cb) {
    for (int r = 1; r <= 9; ++r) swapCells(b, ca, r, g, cb, r, g);
}

void swapUpperBandRows(Board& b, int a, int bb) {
    StepwiseMoves m{b};
    upperBandRowSwap(m, a, bb);
}

void swapLowerBandRows(Board& b, int a, int bb) {
    StepwiseMoves m{b};
    lowerBandRowSwap(m, a, bb);
}

void swapLeftBandColumns(Board& b, int a, int bb) {
    StepwiseMoves m{b};
    leftBandColumnSwap(m, a, bb);
}

void swapRightBandColumns(Board& b, int a, int bb) {
    StepwiseMoves m{b};
    rightBandColumnSwap(m, a, bb);
}

void swapStacks(Board& b, int g, int a, int bb) {
    StepwiseMoves m{b};
    stackSwapIf(m, true, g, a, bb);
}

void swapBands(Board& b, int g, int a, int bb) {
    StepwiseMoves m{b};
    bandSwapIf(m, true, g, a, bb);
}

void permuteSymbols(Board& b, RandomSource& rnd) {
    const SymbolMap map = drawSymbolPermutation(rnd);
    for (int v = 0; v < 10; ++v) b.symbolMap[v] = static_cast<std::uint8_t>(map[v]);
    b.symbolFree.fill(false);
    b.symbolFree[0] = true;
    forEachCell([&](GridCell k) {
        // Entries above 9 are no symbols; they are left as they are rather than read past the map.
        std::uint8_t& v = cellAt(b.board, k.column, k.row, k.grid);
        if (v <= 9) v = b.symbolMap[v];
        std::uint8_t& given = cellAt(b.givens, k.column, k.row, k.grid);
        if (given <= 9) given = b.symbolMap[given];
    });
}

void mirrorLeftRight(Board& b) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) swapCells(b, c, r, 1, 10 - c, r, 2);
    }
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 9; ++r) {
            swapCells(b, c, r, 0, 10 - c, r, 0);
            swapCells(b, c, r, 3, 10 - c, r, 3);
        }
    }
}

void mirrorTopBottom(Board& b) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) swapCells(b, c, r, 0, c, 10 - r, 3);
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 4; ++r) {
            swapCells(b, c, r, 1, c, 10 - r, 1);
            swapCells(b, c, r, 2, c, 10 - r, 2);
        }
    }
}

void rotateClockwise(Board& b) {
    // Old grid of each new grid under the quarter turn: 0 <- 1, 1 <- 3, 2 <- 0, 3 <- 2.
    constexpr int from[kGridCount] = {1, 3, 0, 2};
    forEachCell([&](GridCell k) {
        const auto [g, c, r] = k;
        cellAt(b.boardBackup, 10 - r, c, g) = cellAt(b.board, c, r, from[g]);
        cellAt(b.solution, 10 - r, c, g) = cellAt(b.givens, c, r, from[g]);
    });
    forEachCell([&](GridCell k) {
        cellAt(b.board, k.column, k.row, k.grid) = cellAt(b.boardBackup, k.column, k.row, k.grid);
        cellAt(b.givens, k.column, k.row, k.grid) = cellAt(b.solution, k.column, k.row, k.grid);
    });
}

void shuffleMoves(Board& b, RandomSource& rnd, bool symmetric, ShufflePath shufflePath) {
    if (shufflePath == ShufflePath::Stepwise) {
        StepwiseMoves m{b};
        shuffleVariant(m, rnd, symmetric);
    } else if (auto* seeded = dynamic_cast<SeededRandom*>(&rnd)) {
        // The seeded generator's draws inline and made ahead in blocks: a free shuffle makes over two
        // hundred thousand of them.
        DrawBuffer draws(*seeded);
        shuffleComposed(b, draws, symmetric);
        *seeded = draws.position();
    } else {
        shuffleComposed(b, rnd, symmetric);
    }
}

void shuffleBoard(Board& b, RandomSource& rnd, bool symmetric, SolverPath path, ShufflePath shufflePath) {
    shuffleMoves(b, rnd, symmetric, shufflePath);
    computeSolution(b, path);
}

} // namespace quintaro
