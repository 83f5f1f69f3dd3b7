// The fast path: row, column and box bitmasks of each grid answer a trial placement in O(1).
//
// A trial of s in an empty cell passes the whole-field rule check exactly when the field holds no
// conflict already and s is absent from the row, column and box of every copy that the trial writes.
// Placements never create a conflict (they are trials that passed), so one check on entry settles
// the conflict question for a whole solve.
#include "engine/fast_solver.h"

#include <array>
#include <bit>
#include <cstdint>

#include "engine/player_cell.h"
#include "engine/rules.h"
#include "engine/solver.h"

namespace quintaro {

namespace {

constexpr std::uint16_t kAllSymbols = 0x3FE; // bits 1..9

constexpr int boxOf(int c, int r) { return (r - 1) / 3 * 3 + (c - 1) / 3; }

// The other copy of each cell, precomputed; g = -1 where the cell is not shared.
struct TwinCell {
    std::int8_t c, r, g;
};
using TwinTable = std::array<std::array<std::array<TwinCell, 10>, 10>, kGridCount>;

constexpr TwinTable makeTwinTable() {
    TwinTable t{};
    for (auto& grid : t) {
        for (auto& column : grid) {
            for (TwinCell& cell : column) cell = {0, 0, -1};
        }
    }
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                const int mc = box.masterColumn + dc, mr = box.masterRow + dr;
                const int sc = box.secondColumn + dc, sr = box.secondRow + dr;
                t[box.masterGrid][mc][mr] = {static_cast<std::int8_t>(sc), static_cast<std::int8_t>(sr),
                                             static_cast<std::int8_t>(box.secondGrid)};
                t[box.secondGrid][sc][sr] = {static_cast<std::int8_t>(mc), static_cast<std::int8_t>(mr),
                                             static_cast<std::int8_t>(box.masterGrid)};
            }
        }
    }
    return t;
}
constexpr TwinTable kTwins = makeTwinTable();

// Symbols present in each row, column and box of each grid (bit s for symbol s), and which cells of
// each unit are empty: rows by column bit, columns by row bit, boxes by scan position (column outer).
struct GridMasks {
    std::uint16_t row[kGridCount][10]{};
    std::uint16_t col[kGridCount][10]{};
    std::uint16_t box[kGridCount][9]{};
    std::uint16_t rowEmpty[kGridCount][10]{};
    std::uint16_t colEmpty[kGridCount][10]{};
    std::uint16_t boxEmpty[kGridCount][9]{};
    bool conflict = false;
};

constexpr int boxPosition(int c, int r) { return (c - 1) % 3 * 3 + (r - 1) % 3; }

// Fills m from b.board; false when an entry lies above 9 (the masks cannot represent it).
bool buildMasks(const Board& b, GridMasks& m) {
    for (int g = 0; g < kGridCount; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                const int v = cellAt(b.board, c, r, g);
                const int bx = boxOf(c, r);
                if (v == 0) {
                    m.rowEmpty[g][r] |= static_cast<std::uint16_t>(1u << c);
                    m.colEmpty[g][c] |= static_cast<std::uint16_t>(1u << r);
                    m.boxEmpty[g][bx] |= static_cast<std::uint16_t>(1u << boxPosition(c, r));
                    continue;
                }
                if (v > 9) return false;
                const auto bit = static_cast<std::uint16_t>(1u << v);
                if ((m.row[g][r] | m.col[g][c] | m.box[g][bx]) & bit) m.conflict = true;
                m.row[g][r] |= bit;
                m.col[g][c] |= bit;
                m.box[g][bx] |= bit;
            }
        }
    }
    return true;
}

// Symbols that cell (c, r) of grid g alone admits, the field being free of conflicts.
std::uint16_t admitsInGrid(const GridMasks& m, int g, int c, int r) {
    return static_cast<std::uint16_t>(kAllSymbols & ~(m.row[g][r] | m.col[g][c] | m.box[g][boxOf(c, r)]));
}

bool sharedCopiesEqual(const Board& b) {
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                if (cellAt(b.board, box.masterColumn + dc, box.masterRow + dr, box.masterGrid) !=
                    cellAt(b.board, box.secondColumn + dc, box.secondRow + dr, box.secondGrid)) {
                    return false;
                }
            }
        }
    }
    return true;
}

struct Solve {
    Board& b;
    BoardView& view;
    PlacementObserver* observer;
    GridMasks m;
    int pass = 1;

    // Symbols a solver trial admits: both copies of a shared cell are written, so both grids decide.
    std::uint16_t admits(int g, int c, int r) const {
        std::uint16_t a = admitsInGrid(m, g, c, r);
        const TwinCell& t = kTwins[g][c][r];
        if (t.g >= 0) a &= admitsInGrid(m, t.g, t.c, t.r);
        return a;
    }

    void mark(int g, int c, int r, int s) {
        const auto bit = static_cast<std::uint16_t>(1u << s);
        const int bx = boxOf(c, r);
        m.row[g][r] |= bit;
        m.col[g][c] |= bit;
        m.box[g][bx] |= bit;
        m.rowEmpty[g][r] &= static_cast<std::uint16_t>(~(1u << c));
        m.colEmpty[g][c] &= static_cast<std::uint16_t>(~(1u << r));
        m.boxEmpty[g][bx] &= static_cast<std::uint16_t>(~(1u << boxPosition(c, r)));
        cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(s);
    }

    void place(int g, int c, int r, int s, Scan scan, int unit) {
        mark(g, c, r, s);
        const TwinCell& t = kTwins[g][c][r];
        if (t.g >= 0) mark(t.g, t.c, t.r, s);
        b.activeGrid = static_cast<std::int16_t>(g);
        drawPlayerCell(b, view, c, r, s);
        if (observer) observer->placed({scan, g, unit, s, c, r, pass});
    }

    // The single-place scan over the empty cells of one unit, given in scan order: for s = 1..9 the
    // symbol goes where it is admitted by exactly one cell. A placement only takes its symbol from
    // the other cells' admits, so the later symbols need just the placed cell dropped.
    void singlePlaces(int g, const int* cs, const int* rs, int n, std::uint16_t admitted[], Scan scan, int unit) {
        std::uint16_t done = 0; // bits of the symbols already scanned
        for (;;) {
            std::uint16_t once = 0, twice = 0;
            for (int i = 0; i < n; ++i) {
                twice |= once & admitted[i];
                once |= admitted[i];
            }
            const auto single = static_cast<std::uint16_t>(once & ~twice & ~done);
            if (single == 0) return;
            const int s = std::countr_zero(single);
            int i = 0;
            while (!(admitted[i] >> s & 1)) ++i;
            place(g, cs[i], rs[i], s, scan, unit);
            admitted[i] = 0;
            done = static_cast<std::uint16_t>((2u << s) - 1);
        }
    }

    void block(int g, int c0, int r0) {
        const int bx = boxOf(c0, r0);
        const int unit = bx + 1;
        b.activeGrid = static_cast<std::int16_t>(g);
        for (std::uint16_t e = m.boxEmpty[g][bx]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
            const int p = std::countr_zero(e);
            const int c = c0 + p / 3, r = r0 + p % 3;
            const std::uint16_t a = admits(g, c, r);
            if (std::has_single_bit(a)) place(g, c, r, std::countr_zero(a), Scan::BoxSingleCandidate, unit);
        }
        int cs[9], rs[9], n = 0;
        std::uint16_t admitted[9];
        for (std::uint16_t e = m.boxEmpty[g][bx]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
            const int p = std::countr_zero(e);
            cs[n] = c0 + p / 3;
            rs[n] = r0 + p % 3;
            admitted[n] = admits(g, cs[n], rs[n]);
            ++n;
        }
        singlePlaces(g, cs, rs, n, admitted, Scan::BoxSinglePlace, unit);
    }

    void row(int g, int r) {
        b.activeGrid = static_cast<std::int16_t>(g);
        int cs[9], rs[9], n = 0;
        std::uint16_t admitted[9];
        for (std::uint16_t e = m.rowEmpty[g][r]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
            cs[n] = std::countr_zero(e);
            rs[n] = r;
            admitted[n] = admits(g, cs[n], r);
            ++n;
        }
        singlePlaces(g, cs, rs, n, admitted, Scan::RowSinglePlace, r);
    }

    void column(int g, int c) {
        b.activeGrid = static_cast<std::int16_t>(g);
        int cs[9], rs[9], n = 0;
        std::uint16_t admitted[9];
        for (std::uint16_t e = m.colEmpty[g][c]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
            cs[n] = c;
            rs[n] = std::countr_zero(e);
            admitted[n] = admits(g, c, rs[n]);
            ++n;
        }
        singlePlaces(g, cs, rs, n, admitted, Scan::ColumnSinglePlace, c);
    }
};

} // namespace

bool runFastSolvePasses(Board& b, BoardView& view, PlacementObserver* observer, int& passes) {
    if (!sharedCopiesEqual(b)) return false;
    Solve solve{b, view, observer, {}};
    if (!buildMasks(b, solve.m)) return false;
    if (solve.m.conflict) {
        // Every trial fails: the literal passes end after one pass that places nothing.
        b.boardChanged = false;
        b.activeGrid = kGridCount - 1;
        passes = 1;
        return true;
    }
    for (;;) {
        b.boardChanged = false;
        for (int g = 0; g < kGridCount; ++g) {
            for (int c0 = 1; c0 <= 7; c0 += 3) {
                for (int r0 = 1; r0 <= 7; r0 += 3) solve.block(g, c0, r0);
            }
            for (int k = 1; k <= 9; ++k) {
                solve.row(g, k);
                solve.column(g, k);
            }
        }
        if (!b.boardChanged || solve.pass >= kMaxSolvePasses) break;
        ++solve.pass;
    }
    passes = solve.pass;
    return true;
}

bool fastHasNoDeadEnd(const Board& b, bool& result) {
    GridMasks m;
    if (!buildMasks(b, m)) return false;
    for (int g = 0; g < kGridCount; ++g) {
        for (int r = 1; r <= 9; ++r) {
            for (std::uint16_t e = m.rowEmpty[g][r]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
                if (m.conflict || admitsInGrid(m, g, std::countr_zero(e), r) == 0) {
                    result = false;
                    return true;
                }
            }
        }
    }
    result = true;
    return true;
}

bool fastCandidates(Board& b) {
    GridMasks m;
    if (!buildMasks(b, m)) return false;
    if (m.conflict) return true; // no trial passes: every flag stays cleared
    for (int g = 0; g < kGridCount; ++g) {
        for (int r = 1; r <= 9; ++r) {
            for (std::uint16_t e = m.rowEmpty[g][r]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
                const int c = std::countr_zero(e);
                const std::uint16_t a = admitsInGrid(m, g, c, r);
                for (int s = 1; s <= 9; ++s) b.candidates[candidateIndex(c, r, s, g)] = (a >> s & 1) != 0;
            }
        }
    }
    return true;
}

} // namespace quintaro
