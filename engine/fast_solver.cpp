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

#include "engine/grid_cell.h"
#include "engine/player_cell.h"
#include "engine/rules.h"
#include "engine/solver.h"

namespace quintaro {

namespace {

constexpr std::uint16_t kAllSymbols = 0x3FE; // bits 1..9

constexpr int boxOf(int c, int r) { return (r - 1) / 3 * 3 + (c - 1) / 3; }
constexpr int boxPosition(int c, int r) { return (c - 1) % 3 * 3 + (r - 1) % 3; }
constexpr int kBoxColumnOffset[9] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
constexpr int kBoxRowOffset[9] = {0, 1, 2, 0, 1, 2, 0, 1, 2};

// Units of all grids in one array: grid g's rows at 27g + 0..8, columns at 27g + 9..17, boxes at
// 27g + 18..26.
constexpr int kUnitsPerGrid = 27;
constexpr int rowUnit(int g, int r) { return g * kUnitsPerGrid + r - 1; }
constexpr int columnUnit(int g, int c) { return g * kUnitsPerGrid + 9 + c - 1; }
constexpr int boxUnit(int g, int c, int r) { return g * kUnitsPerGrid + 18 + boxOf(c, r); }

// The units a cell copy's symbol must be absent from: its own row, column and box first, then those
// of its twin in the other grid (for a cell that is not shared, its own three again, so that the
// solver's test needs no branch).
struct CellUnits {
    std::uint8_t unit[6];
    std::uint8_t box;                // 0..8, row-major
    std::uint16_t boxBit;            // the cell's bit in its box's empty-cell mask
    std::int8_t twinC, twinR, twinG; // twinG = -1 where the cell is not shared
};
using CellTable = std::array<std::array<std::array<CellUnits, 10>, 10>, kGridCount>;

constexpr CellTable makeCellTable() {
    CellTable t{};
    forEachCell([&](GridCell k) {
        const auto [g, c, r] = k;
        CellUnits& u = t[g][c][r];
        u.unit[0] = u.unit[3] = static_cast<std::uint8_t>(rowUnit(g, r));
        u.unit[1] = u.unit[4] = static_cast<std::uint8_t>(columnUnit(g, c));
        u.unit[2] = u.unit[5] = static_cast<std::uint8_t>(boxUnit(g, c, r));
        u.box = static_cast<std::uint8_t>(boxOf(c, r));
        u.boxBit = static_cast<std::uint16_t>(1u << boxPosition(c, r));
        u.twinC = u.twinR = 0;
        u.twinG = -1;
    });
    for (const SharedBox& box : kSharedBoxes) {
        for (int dc = 0; dc < 3; ++dc) {
            for (int dr = 0; dr < 3; ++dr) {
                const int mc = box.masterColumn + dc, mr = box.masterRow + dr, mg = box.masterGrid;
                const int sc = box.secondColumn + dc, sr = box.secondRow + dr, sg = box.secondGrid;
                CellUnits& m = t[mg][mc][mr];
                CellUnits& s = t[sg][sc][sr];
                m.unit[3] = s.unit[0];
                m.unit[4] = s.unit[1];
                m.unit[5] = s.unit[2];
                s.unit[3] = m.unit[0];
                s.unit[4] = m.unit[1];
                s.unit[5] = m.unit[2];
                m.twinC = static_cast<std::int8_t>(sc);
                m.twinR = static_cast<std::int8_t>(sr);
                m.twinG = static_cast<std::int8_t>(sg);
                s.twinC = static_cast<std::int8_t>(mc);
                s.twinR = static_cast<std::int8_t>(mr);
                s.twinG = static_cast<std::int8_t>(mg);
            }
        }
    }
    return t;
}
constexpr CellTable kCells = makeCellTable();

// Symbols present in each unit (bit s for symbol s), and which cells of each unit are empty: rows by
// column bit, columns by row bit, boxes by scan position (column outer).
struct GridMasks {
    std::array<std::uint16_t, kGridCount * kUnitsPerGrid> used{};
    std::uint16_t rowEmpty[kGridCount][10]{};
    std::uint16_t colEmpty[kGridCount][10]{};
    std::uint16_t boxEmpty[kGridCount][9]{};
    bool conflict = false;
};

// Fills m from b.board; false when an entry lies above 9 (the masks cannot represent it).
bool buildMasks(const Board& b, GridMasks& m) {
    // Stops at the first entry above 9.
    return !anyCell([&](GridCell k) {
        const auto [g, c, r] = k;
        const int v = cellAt(b.board, c, r, g);
        if (v == 0) {
            m.rowEmpty[g][r] |= static_cast<std::uint16_t>(1u << c);
            m.colEmpty[g][c] |= static_cast<std::uint16_t>(1u << r);
            m.boxEmpty[g][boxOf(c, r)] |= static_cast<std::uint16_t>(1u << boxPosition(c, r));
            return false;
        }
        if (v > 9) return true;
        const auto bit = static_cast<std::uint16_t>(1u << v);
        const CellUnits& u = kCells[g][c][r];
        if ((m.used[u.unit[0]] | m.used[u.unit[1]] | m.used[u.unit[2]]) & bit) m.conflict = true;
        m.used[u.unit[0]] |= bit;
        m.used[u.unit[1]] |= bit;
        m.used[u.unit[2]] |= bit;
        return false;
    });
}

// Symbols that cell (c, r) of grid g alone admits, the field being free of conflicts.
std::uint16_t admitsInGrid(const GridMasks& m, int g, int c, int r) {
    const CellUnits& u = kCells[g][c][r];
    return static_cast<std::uint16_t>(kAllSymbols & ~(m.used[u.unit[0]] | m.used[u.unit[1]] | m.used[u.unit[2]]));
}

bool singleBit(std::uint16_t x) { return x != 0 && (x & (x - 1)) == 0; }

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
    PlacementObserver* observer;
    GridMasks m;
    int pass = 1;

    // Symbols a solver trial admits: both copies of a shared cell are written, so both grids decide.
    std::uint16_t admits(int g, int c, int r) const {
        const CellUnits& u = kCells[g][c][r];
        const auto& used = m.used;
        return static_cast<std::uint16_t>(kAllSymbols & ~(used[u.unit[0]] | used[u.unit[1]] | used[u.unit[2]] |
                                                          used[u.unit[3]] | used[u.unit[4]] | used[u.unit[5]]));
    }

    void mark(int g, int c, int r, int s) {
        const auto bit = static_cast<std::uint16_t>(1u << s);
        const CellUnits& u = kCells[g][c][r];
        m.used[u.unit[0]] |= bit;
        m.used[u.unit[1]] |= bit;
        m.used[u.unit[2]] |= bit;
        m.rowEmpty[g][r] &= static_cast<std::uint16_t>(~(1u << c));
        m.colEmpty[g][c] &= static_cast<std::uint16_t>(~(1u << r));
        m.boxEmpty[g][u.box] &= static_cast<std::uint16_t>(~u.boxBit);
        cellAt(b.board, c, r, g) = static_cast<std::uint8_t>(s);
    }

    void place(int g, int c, int r, int s, Scan scan, int unit) {
        mark(g, c, r, s);
        const CellUnits& u = kCells[g][c][r];
        if (u.twinG >= 0) mark(u.twinG, u.twinC, u.twinR, s);
        const CellJudgement judged = judgePlayerCell(b, {g, c, r}, s);
        if (observer) observer->placed({scan, g, unit, s, c, r, pass, judged});
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
        int cs[9], rs[9], n = 0;
        std::uint16_t admitted[9];
        // The single-candidate scan. Its placements all lie in this box, so each takes only its own
        // symbol from the other cells: the admits it saw serve the single-place scan with those removed.
        std::uint16_t placed = 0;
        for (std::uint16_t e = m.boxEmpty[g][bx]; e != 0; e &= static_cast<std::uint16_t>(e - 1)) {
            const int p = std::countr_zero(e);
            const int c = c0 + kBoxColumnOffset[p], r = r0 + kBoxRowOffset[p];
            const std::uint16_t a = admits(g, c, r);
            if (singleBit(a)) {
                place(g, c, r, std::countr_zero(a), Scan::BoxSingleCandidate, unit);
                placed |= a;
                continue;
            }
            cs[n] = c;
            rs[n] = r;
            admitted[n++] = a;
        }
        for (int i = 0; i < n; ++i) admitted[i] &= static_cast<std::uint16_t>(~placed);
        singlePlaces(g, cs, rs, n, admitted, Scan::BoxSinglePlace, unit);
    }

    void row(int g, int r) {
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

bool runFastSolvePasses(Board& b, PlacementObserver* observer, int& passes) {
    if (!sharedCopiesEqual(b)) return false;
    Solve solve{b, observer, {}};
    if (!buildMasks(b, solve.m)) return false;
    if (solve.m.conflict) {
        // Every trial fails: the literal passes end after one pass that places nothing.
        b.boardChanged = false;
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
