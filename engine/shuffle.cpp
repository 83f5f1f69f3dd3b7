// The shuffle: validity-preserving transformations of the whole cross, drawn in the game's fixed order.
#include "engine/shuffle.h"

#include <array>
#include <cstdint>
#include <utility>

#include "engine/solution.h"

namespace quintaro {

namespace {

void swapCells(Board& b, int c1, int r1, int g1, int c2, int r2, int g2) {
    std::swap(cellAt(b.board, c1, r1, g1), cellAt(b.board, c2, r2, g2));
    std::swap(cellAt(b.givens, c1, r1, g1), cellAt(b.givens, c2, r2, g2));
}

// Draws a permutation of 1..9 into b.symbolMap, nine times RANDOM(9) with redraws of used symbols.
// The map is the order in which the draws first show each symbol, so one pass over the draws,
// without a branch on each (their outcomes are coin tosses to a predictor), gives it.
template <class Rnd> void drawSymbolMap(Board& b, Rnd& rnd) {
    constexpr unsigned kAll = 0x3FE; // bits 1..9
    unsigned seen = 0;
    unsigned k = 1;
    while (seen != kAll) {
        const int v = rnd.random(9) + 1;
        const unsigned bit = 1U << v;
        // A used symbol is written too, and overwritten by the next new one: k stays put.
        b.symbolMap[k] = static_cast<std::uint8_t>(v);
        k += (seen & bit) == 0 ? 1 : 0;
        seen |= bit;
    }
    b.symbolMap[0] = 0;
    b.symbolFree.fill(false);
    b.symbolFree[0] = true;
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

// Where every cell's content has gone after some moves: cell (c, r) of grid g holds what the starting
// board had in cell (cols[g][c], rows[g][r]) of grid source[g], or in (rows[g][r], cols[g][c]) when
// transposed[g]; a starting symbol v of 1..9 now reads symbols[v].
struct Placement {
    std::array<std::array<std::uint8_t, 10>, kGridCount> cols;
    std::array<std::array<std::uint8_t, 10>, kGridCount> rows;
    std::array<std::uint8_t, kGridCount> source;
    std::array<bool, kGridCount> transposed;
    std::array<std::uint8_t, 10> symbols;

    // Cells (c, r), c and r 1..9, of every grid of `to` from `from` as placed; storage index 0 stays.
    void write(const CellLayer& from, CellLayer& to) const {
        for (int g = 0; g < kGridCount; ++g) {
            const auto& cg = cols[g];
            const auto& rg = rows[g];
            const int s = source[g];
            for (int c = 1; c <= 9; ++c) {
                for (int r = 1; r <= 9; ++r) {
                    const std::uint8_t v =
                        from[transposed[g] ? cellIndex(rg[r], cg[c], s) : cellIndex(cg[c], rg[r], s)];
                    // Entries above 9 are no symbols and keep their bytes, as under permuteSymbols.
                    cellAt(to, c, r, g) = v <= 9 ? symbols[v] : v;
                }
            }
        }
    }
};

// The moves gathered into one Placement as they are drawn, then applied to the board at once. Symbol
// permutations commute with the moves of cells, so one map of the symbols covers all of them.
class ComposedMoves {
public:
    explicit ComposedMoves(Board& b) : b_(b) {
        for (int g = 0; g < kGridCount; ++g) {
            for (int i = 0; i < 10; ++i) now_.cols[g][i] = now_.rows[g][i] = static_cast<std::uint8_t>(i);
            now_.source[g] = static_cast<std::uint8_t>(g);
            now_.transposed[g] = false;
        }
        for (int v = 0; v < 10; ++v) now_.symbols[v] = static_cast<std::uint8_t>(v);
    }

    void swapRows(int g, int ra, int rb) { std::swap(now_.rows[g][ra], now_.rows[g][rb]); }
    void swapColumns(int g, int ca, int cb) { std::swap(now_.cols[g][ca], now_.cols[g][cb]); }
    // Without a branch: the free shuffle's chances are coin tosses no branch predictor can guess.
    void swapRowsIf(bool on, int g, int ra, int rb) { swapIf(on, now_.rows[g], ra, rb); }
    void swapColumnsIf(bool on, int g, int ca, int cb) { swapIf(on, now_.cols[g], ca, cb); }

    template <class Rnd> void permuteSymbols(Rnd& rnd) {
        drawSymbolMap(b_, rnd);
        for (int v = 1; v <= 9; ++v) now_.symbols[v] = b_.symbolMap[now_.symbols[v]];
    }

    // Grids 1 and 2 trade places, every column c becomes 10 - c.
    void mirrorLeftRight() {
        constexpr int from[kGridCount] = {0, 2, 1, 3};
        const Placement was = now_;
        for (int g = 0; g < kGridCount; ++g) {
            takeGrid(was, from[g], g);
            for (int c = 1; c <= 9; ++c) now_.cols[g][c] = was.cols[from[g]][10 - c];
        }
    }

    // Grids 0 and 3 trade places, every row r becomes 10 - r.
    void mirrorTopBottom() {
        constexpr int from[kGridCount] = {3, 1, 2, 0};
        const Placement was = now_;
        for (int g = 0; g < kGridCount; ++g) {
            takeGrid(was, from[g], g);
            for (int r = 1; r <= 9; ++r) now_.rows[g][r] = was.rows[from[g]][10 - r];
        }
    }

    // New (c, r) of grid g is old (r, 10 - c) of grid from[g]: columns become rows and the other way round.
    void rotateClockwise() {
        constexpr int from[kGridCount] = {1, 3, 0, 2};
        const Placement was = now_;
        for (int g = 0; g < kGridCount; ++g) {
            const int h = from[g];
            now_.source[g] = was.source[h];
            now_.transposed[g] = !was.transposed[h];
            for (int i = 1; i <= 9; ++i) {
                now_.cols[g][i] = was.rows[h][10 - i];
                now_.rows[g][i] = was.cols[h][i];
            }
        }
        lastTurn_ = now_;
        turned_ = true;
    }

    // Writes board and givens as the moves leave them, and the last quarter turn's scratch.
    void apply() const {
        const CellLayer board = b_.board;
        const CellLayer givens = b_.givens;
        if (turned_) {
            lastTurn_.write(board, b_.boardBackup);
            lastTurn_.write(givens, b_.solution);
        }
        now_.write(board, b_.board);
        now_.write(givens, b_.givens);
    }

private:
    static void swapIf(bool on, std::array<std::uint8_t, 10>& line, int a, int bb) {
        const auto trade = static_cast<std::uint8_t>((line[a] ^ line[bb]) & -static_cast<int>(on));
        line[a] ^= trade;
        line[bb] ^= trade;
    }

    void takeGrid(const Placement& was, int h, int g) {
        now_.cols[g] = was.cols[h];
        now_.rows[g] = was.rows[h];
        now_.source[g] = was.source[h];
        now_.transposed[g] = was.transposed[h];
    }

    Board& b_;
    Placement now_{};
    Placement lastTurn_{};
    bool turned_ = false;
};

// Stacks a and bb of grid g trade places when on.
template <class Moves> void stackSwapIf(Moves& m, bool on, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) m.swapColumnsIf(on, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

// Bands a and bb of grid g trade places when on.
template <class Moves> void bandSwapIf(Moves& m, bool on, int g, int a, int bb) {
    for (int k = 1; k <= 3; ++k) m.swapRowsIf(on, g, 3 * (a - 1) + k, 3 * (bb - 1) + k);
}

template <class Moves> void upperBandRowSwap(Moves& m, int a, int bb) {
    m.swapRows(1, a, bb);
    m.swapRows(2, a, bb);
    m.swapRows(0, a + 6, bb + 6);
}

template <class Moves> void lowerBandRowSwap(Moves& m, int a, int bb) {
    m.swapRows(1, a + 6, bb + 6);
    m.swapRows(2, a + 6, bb + 6);
    m.swapRows(3, a, bb);
}

template <class Moves> void leftBandColumnSwap(Moves& m, int a, int bb) {
    m.swapColumns(0, a, bb);
    m.swapColumns(3, a, bb);
    m.swapColumns(1, a + 6, bb + 6);
}

template <class Moves> void rightBandColumnSwap(Moves& m, int a, int bb) {
    m.swapColumns(0, a + 6, bb + 6);
    m.swapColumns(3, a + 6, bb + 6);
    m.swapColumns(2, a, bb);
}

// A chance-½ draw: the symmetric variant acts on 0, the free variant on 1.
template <class Rnd> bool chance(Rnd& rnd, int hit) { return rnd.random(2) == hit; }

template <class Moves, class Rnd> void shuffleSymmetric(Moves& m, Rnd& rnd) {
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

template <class Moves, class Rnd> void shuffleFree(Moves& m, Rnd& rnd) {
    constexpr int hit = 1;
    const int outer = rnd.random(50) + 100;
    const auto bandLines = [&](auto swapBandLines) {
        const int count = rnd.random(20) + 20;
        for (int j = 0; j < count; ++j) {
            const int x = rnd.random(2) + 1;
            swapBandLines(x, x + 1);
        }
    };
    for (int i = 0; i < outer; ++i) {
        const int k = rnd.random(20) + 50;
        for (int j = 0; j < k; ++j) {
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
        bandLines([&](int a, int bb) { upperBandRowSwap(m, a, bb); });
        bandLines([&](int a, int bb) { lowerBandRowSwap(m, a, bb); });
        bandLines([&](int a, int bb) { leftBandColumnSwap(m, a, bb); });
        bandLines([&](int a, int bb) { rightBandColumnSwap(m, a, bb); });
        const int count = rnd.random(20) + 20;
        for (int j = 0; j < count; ++j) {
            if (chance(rnd, hit)) m.mirrorLeftRight();
            if (chance(rnd, hit)) m.mirrorTopBottom();
            if (chance(rnd, hit)) m.rotateClockwise();
            m.permuteSymbols(rnd);
        }
    }
}

template <class Moves, class Rnd> void shuffleVariant(Moves& m, Rnd& rnd, bool symmetric) {
    if (symmetric) {
        shuffleSymmetric(m, rnd);
    } else {
        shuffleFree(m, rnd);
    }
}

template <class Rnd> void shuffleComposed(Board& b, Rnd& rnd, bool symmetric) {
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
    drawSymbolMap(b, rnd);
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

void shuffleMoves(Board& b, RandomSource& rnd, bool symmetric, ShufflePath shufflePath) {
    if (shufflePath == ShufflePath::Stepwise) {
        StepwiseMoves m{b};
        shuffleVariant(m, rnd, symmetric);
    } else if (auto* seeded = dynamic_cast<SeededRandom*>(&rnd)) {
        // The seeded generator's draws inline: a free shuffle makes over two hundred thousand of them.
        // A local copy's state stays in a register; the original's could alias every byte stored.
        SeededRandom local = *seeded;
        shuffleComposed(b, local, symmetric);
        *seeded = local;
    } else {
        shuffleComposed(b, rnd, symmetric);
    }
}

void shuffleBoard(Board& b, BoardView& view, RandomSource& rnd, bool symmetric, SolverPath path,
                  ShufflePath shufflePath) {
    shuffleMoves(b, rnd, symmetric, shufflePath);
    computeSolution(b, view, path);
}

} // namespace quintaro
