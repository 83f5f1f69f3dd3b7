// The shuffle's moves gathered into one placement of the cells and one map of the symbols, applied once.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"
#include "engine/draw_buffer.h"
#include "engine/line_runs.h"

namespace quintaro {

// The lines 0..9 of one grid in placed order, four bits each: bits 4i..4i+3 hold the line whose content
// stands at line i. Nibble 0 and nibbles 10..15 stay 0.
using PackedLines = std::uint64_t;

// Where every cell's content has gone after some moves: cell (c, r) of grid g holds what the starting
// board had in cell (line c of cols[g], line r of rows[g]) of grid source[g], or in (line r of rows[g],
// line c of cols[g]) when transposed[g]; a starting symbol v of 1..9 now reads symbols[v].
struct CellPlacement {
    std::array<PackedLines, kGridCount> cols;
    std::array<PackedLines, kGridCount> rows;
    std::array<std::uint32_t, kGridCount> source;
    std::array<std::uint32_t, kGridCount> transposed;
    SymbolMap symbols;

    // Cells (c, r), c and r 1..9, of every grid of `to` from `from` as placed; storage index 0 stays.
    void write(const CellLayer& from, CellLayer& to) const;
};

// Every move of the shuffle on a CellPlacement; Moves for the shuffle's sequences of moves (the other is
// the board itself, moved step by step). b receives the result in apply().
class ComposedMoves {
public:
    explicit ComposedMoves(Board& b);

    void swapRows(int g, int ra, int rb) { swapLines(now_.rows[g], ra, rb, 1); }
    void swapColumns(int g, int ca, int cb) { swapLines(now_.cols[g], ca, cb, 1); }
    // Without a branch: the free shuffle's chances are coin tosses no branch predictor can guess.
    void swapRowsIf(bool on, int g, int ra, int rb) { swapLines(now_.rows[g], ra, rb, on); }
    void swapColumnsIf(bool on, int g, int ca, int cb) { swapLines(now_.cols[g], ca, cb, on); }

    template <class Rnd>
    void permuteSymbols(Rnd& rnd) {
        const SymbolMap map = drawSymbolPermutation(rnd);
        for (int v = 1; v <= 9; ++v) now_.symbols[v] = map[now_.symbols[v]];
        lastMap_ = map;
        drewMap_ = true;
    }

    // k rounds of lineSwapRound (shuffle.cpp), followed by table: each of the eight lines arrays a
    // round touches is one run over six of its lines, composed over all rounds and applied once.
    template <class Rnd>
    void composeLineSwapRounds(Rnd& rnd, int k) {
        const LineRunTables& t = lineRunTables();
        std::array<unsigned, kRounds.size()> state{};
        for (int j = 0; j < k; ++j) {
            const std::uint32_t draws = coins(rnd, 15);
            const auto drawn = [draws](int i) { return (draws >> i) & 1U; };
            for (std::size_t c = 0; c < kRounds.size(); ++c) {
                const RoundRun& run = kRounds[c];
                const unsigned move = drawn(run.pairDraw) | drawn(run.swapDraw) << 1 | drawn(run.exchangeDraw) << 2;
                state[c] = t.next[run.block][state[c]][move];
            }
        }
        for (std::size_t c = 0; c < kRounds.size(); ++c) {
            const RoundRun& run = kRounds[c];
            applyRun(run.columns ? now_.cols[run.grid] : now_.rows[run.grid], run.firstLine, t.places[state[c]]);
        }
    }

    // count draws of RANDOM(2), each followed by bandLineSwap(this, x, x + 1) for x = draw + 1, which
    // swaps those two lines of three blocks at once: followed by table and applied once to each block.
    template <class Rnd, class BandLineSwap>
    void composeBandLineSwaps(Rnd& rnd, int count, BandLineSwap bandLineSwap) {
        const LineRunTables& t = lineRunTables();
        unsigned state = 0;
        for (int done = 0; done < count; done += 32) {
            const int n = count - done < 32 ? count - done : 32;
            const std::uint32_t draws = coins(rnd, n);
            int i = 0;
            for (; i + 4 <= n; i += 4) state = t.pairSwaps4[state][(draws >> i) & 0xFU];
            for (; i < n; ++i) state = t.next[0][state][((draws >> i) & 1U) | 2U];
        }
        // The blocks the swap acts on, learnt by letting it swap lines 1 and 2 of a recorder.
        BlockRecorder blocks;
        bandLineSwap(blocks, 1, 2);
        for (int i = 0; i < blocks.count; ++i) {
            const BlockRecorder::Block& block = blocks.blocks[i];
            applyRun(block.columns ? now_.cols[block.grid] : now_.rows[block.grid], block.firstLine, t.places[state]);
        }
    }

    // Grids 1 and 2 trade places, every column c becomes 10 - c.
    void mirrorLeftRight();
    // Grids 0 and 3 trade places, every row r becomes 10 - r.
    void mirrorTopBottom();
    // New (c, r) of grid g is old (r, 10 - c) of grid from[g]: columns become rows and the other way round.
    void rotateClockwise();

    // Writes board and givens as the moves leave them, symbolMap and symbolFree as the last symbol
    // permutation left them, and the last quarter turn's scratch in boardBackup and solution.
    void apply() const;

private:
    // How a round of lineSwapRound acts on one lines array: six lines from firstLine on, the swapped
    // pair in block 0 or 1 of them; the pair is picked by draw pairDraw, swapped on draw swapDraw, and
    // the blocks exchanged on draw exchangeDraw (15: never, as no round has a sixteenth draw).
    struct RoundRun {
        int grid;
        bool columns;
        int firstLine;
        int block;
        int pairDraw, swapDraw, exchangeDraw;
    };
    static constexpr std::array<RoundRun, 8> kRounds{{
        {0, false, 1, 0, 0, 1, 13},
        {1, true, 1, 0, 0, 2, 11},
        {1, false, 4, 0, 3, 4, 15},
        {2, false, 4, 0, 3, 5, 15},
        {0, true, 4, 0, 3, 6, 15},
        {3, true, 4, 0, 3, 7, 15},
        {3, false, 4, 1, 8, 9, 14},
        {2, true, 4, 1, 8, 10, 12},
    }};

    // Takes note of the lines a band-line swap touches: lines a and a + 1 of each block it names.
    struct BlockRecorder {
        struct Block {
            int grid;
            bool columns;
            int firstLine;
        };
        std::array<Block, 4> blocks{};
        int count = 0;
        void swapRows(int g, int a, int) { note(g, false, a); }
        void swapColumns(int g, int a, int) { note(g, true, a); }
        void note(int g, bool columns, int a) {
            if (count < static_cast<int>(blocks.size())) blocks[count++] = {g, columns, a};
        }
    };

    static void swapLines(PackedLines& lines, int a, int b, bool on) {
        const PackedLines trade = ((lines >> (4 * a)) ^ (lines >> (4 * b))) & 0xF & (0 - PackedLines{on});
        lines ^= (trade << (4 * a)) | (trade << (4 * b));
    }

    // Lines first..first+5 (or fewer, up to line 9) of lines take their content from first + places[i].
    static void applyRun(PackedLines& lines, int first, const std::array<std::uint8_t, 6>& places);

    Board& b_;
    CellPlacement now_{};
    CellPlacement lastTurn_{};
    SymbolMap lastMap_{};
    bool turned_ = false;
    bool drewMap_ = false;
};

} // namespace quintaro
