// The shuffle: validity-preserving transformations of the whole cross, drawn in the game's fixed order.
#include "engine/shuffle.h"

#include <utility>

#include "engine/solution.h"

namespace quintaro {

namespace {

void swapCells(Board& b, int c1, int r1, int g1, int c2, int r2, int g2) {
    std::swap(cellAt(b.board, c1, r1, g1), cellAt(b.board, c2, r2, g2));
    std::swap(cellAt(b.givens, c1, r1, g1), cellAt(b.givens, c2, r2, g2));
}

// A chance-½ draw: the symmetric variant acts on 0, the free variant on 1.
bool chance(RandomSource& rnd, int hit) { return rnd.random(2) == hit; }

void shuffleSymmetric(Board& b, RandomSource& rnd) {
    constexpr int hit = 0;
    const int n = rnd.random(150) + 101;
    for (int i = 0; i < n; ++i) {
        int x = rnd.random(2) + 1;
        swapRows(b, 0, x, x + 1);
        swapRows(b, 3, 10 - x, 9 - x);
        if (chance(rnd, hit)) {
            swapColumns(b, 0, x, x + 1);
            swapColumns(b, 3, x, x + 1);
            swapColumns(b, 1, x + 6, x + 7);
            swapColumns(b, 0, 10 - x, 9 - x);
            swapColumns(b, 3, 10 - x, 9 - x);
            swapColumns(b, 2, 3 - x, 4 - x);
        }
        x = rnd.random(2) + 1;
        swapRows(b, 0, x + 3, x + 4);
        swapRows(b, 3, 7 - x, 6 - x);
        if (chance(rnd, hit)) {
            swapColumns(b, 1, x + 3, x + 4);
            swapColumns(b, 2, 7 - x, 6 - x);
        }
        x = rnd.random(2) + 1;
        swapRows(b, 0, x + 6, x + 7);
        swapRows(b, 1, x, x + 1);
        swapRows(b, 2, x, x + 1);
        swapRows(b, 3, 4 - x, 3 - x);
        swapRows(b, 1, 10 - x, 9 - x);
        swapRows(b, 2, 10 - x, 9 - x);
        swapColumns(b, 0, x, x + 1);
        swapColumns(b, 3, x, x + 1);
        swapColumns(b, 1, x + 6, x + 7);
        swapColumns(b, 0, 10 - x, 9 - x);
        swapColumns(b, 3, 10 - x, 9 - x);
        swapColumns(b, 2, 4 - x, 3 - x);
        if (chance(rnd, hit)) {
            swapStacks(b, 1, 1, 2);
            swapStacks(b, 2, 3, 2);
        }
        if (chance(rnd, hit)) {
            swapBands(b, 0, 1, 2);
            swapBands(b, 3, 2, 3);
        }
        permuteSymbols(b, rnd);
        if (chance(rnd, hit)) mirrorLeftRight(b);
        if (chance(rnd, hit)) mirrorTopBottom(b);
        if (chance(rnd, hit)) rotateClockwise(b);
    }
}

void shuffleFree(Board& b, RandomSource& rnd) {
    constexpr int hit = 1;
    const int m = rnd.random(50) + 100;
    for (int i = 0; i < m; ++i) {
        const int k = rnd.random(20) + 50;
        for (int j = 0; j < k; ++j) {
            int x = rnd.random(2) + 1;
            if (chance(rnd, hit)) swapRows(b, 0, x, x + 1);
            if (chance(rnd, hit)) swapColumns(b, 1, x, x + 1);
            x = rnd.random(2) + 4;
            if (chance(rnd, hit)) swapRows(b, 1, x, x + 1);
            if (chance(rnd, hit)) swapRows(b, 2, x, x + 1);
            if (chance(rnd, hit)) swapColumns(b, 0, x, x + 1);
            if (chance(rnd, hit)) swapColumns(b, 3, x, x + 1);
            x = rnd.random(2) + 7;
            if (chance(rnd, hit)) swapRows(b, 3, x, x + 1);
            if (chance(rnd, hit)) swapColumns(b, 2, x, x + 1);
            if (chance(rnd, hit)) swapStacks(b, 1, 1, 2);
            if (chance(rnd, hit)) swapStacks(b, 2, 2, 3);
            if (chance(rnd, hit)) swapBands(b, 0, 1, 2);
            if (chance(rnd, hit)) swapBands(b, 3, 2, 3);
        }
        void (*const bandSwaps[])(Board&, int, int) = {swapUpperBandRows, swapLowerBandRows, swapLeftBandColumns,
                                                      swapRightBandColumns};
        for (auto* swapBandLines : bandSwaps) {
            const int count = rnd.random(20) + 20;
            for (int j = 0; j < count; ++j) {
                const int x = rnd.random(2) + 1;
                swapBandLines(b, x, x + 1);
            }
        }
        const int count = rnd.random(20) + 20;
        for (int j = 0; j < count; ++j) {
            if (chance(rnd, hit)) mirrorLeftRight(b);
            if (chance(rnd, hit)) mirrorTopBottom(b);
            if (chance(rnd, hit)) rotateClockwise(b);
            permuteSymbols(b, rnd);
        }
    }
}

} // namespace

void swapRows(Board& b, int g, int ra, int rb) {
    for (int c = 1; c <= 9; ++c) swapCells(b, c, ra, g, c, rb, g);
}

void swapColumns(Board& b, int g, int ca, int cb) {
    for (int r = 1; r <= 9; ++r) swapCells(b, ca, r, g, cb, r, g);
}

void swapUpperBandRows(Board& b, int a, int bb) {
    swapRows(b, 1, a, bb);
    swapRows(b, 2, a, bb);
    swapRows(b, 0, a + 6, bb + 6);
}

void swapLowerBandRows(Board& b, int a, int bb) {
    swapRows(b, 1, a + 6, bb + 6);
    swapRows(b, 2, a + 6, bb + 6);
    swapRows(b, 3, a, bb);
}

void swapLeftBandColumns(Board& b, int a, int bb) {
    swapColumns(b, 0, a, bb);
    swapColumns(b, 3, a, bb);
    swapColumns(b, 1, a + 6, bb + 6);
}

void swapRightBandColumns(Board& b, int a, int bb) {
    swapColumns(b, 0, a + 6, bb + 6);
    swapColumns(b, 3, a + 6, bb + 6);
    swapColumns(b, 2, a, bb);
}

void swapStacks(Board& b, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) swapColumns(b, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

void swapBands(Board& b, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) swapRows(b, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

void permuteSymbols(Board& b, RandomSource& rnd) {
    b.symbolFree.fill(true);
    b.symbolMap.fill(0);
    for (int k = 1; k <= 9; ++k) {
        int v = 0;
        do {
            v = rnd.random(9) + 1;
        } while (!b.symbolFree[v]);
        b.symbolMap[k] = static_cast<std::uint8_t>(v);
        b.symbolFree[v] = false;
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            for (int g = 0; g < kGridCount; ++g) {
                // Entries above 9 are no symbols; they are left as they are rather than read past the map.
                std::uint8_t& v = cellAt(b.board, c, r, g);
                if (v <= 9) v = b.symbolMap[v];
                std::uint8_t& given = cellAt(b.givens, c, r, g);
                if (given <= 9) given = b.symbolMap[given];
            }
        }
    }
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
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                cellAt(b.boardBackup, 10 - r, c, g) = cellAt(b.board, c, r, from[g]);
                cellAt(b.solution, 10 - r, c, g) = cellAt(b.givens, c, r, from[g]);
            }
        }
    }
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                cellAt(b.board, c, r, g) = cellAt(b.boardBackup, c, r, g);
                cellAt(b.givens, c, r, g) = cellAt(b.solution, c, r, g);
            }
        }
    }
}

void shuffleBoard(Board& b, BoardView& view, RandomSource& rnd, bool symmetric, SolverPath path) {
    if (symmetric) {
        shuffleSymmetric(b, rnd);
    } else {
        shuffleFree(b, rnd);
    }
    computeSolution(b, view, path);
}

} // namespace quintaro
