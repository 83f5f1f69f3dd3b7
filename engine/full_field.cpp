// Random complete fields: randomised backtracking over the 288 distinct cells, most constrained first.
#include "engine/full_field.h"

#include <array>
#include <bit>
#include <cstdint>
#include <utility>

#include "engine/grid_cell.h"
#include "engine/rules.h"

namespace quintaro {

namespace {

constexpr int kUnitsPerGrid = 27;
constexpr std::uint16_t kAllSymbols = 0x3FE; // bits 1..9
// A search that needs this many placements has wandered into a barren corner; starting afresh with
// new random choices is far cheaper than exhausting it. Each fresh start allows twice as many, so
// even a source that repeats its draws ends in a complete search.
constexpr long kFirstPlacementLimit = 4000;

struct Copy {
    int c, r, g;
};

// A distinct cell of the field: one copy, or the two copies of a shared cell, and the units
// (rows, columns, boxes of each grid it lies in) whose symbols it must avoid.
struct DistinctCell {
    std::array<Copy, 2> copies;
    int copyCount;
    std::array<int, 6> units;
    int unitCount;
};

// Bit counts of the 10-bit symbol masks, so the hot loop needs no library call where the target
// has no population-count instruction.
constexpr std::array<std::uint8_t, 1024> makeBitCounts() {
    std::array<std::uint8_t, 1024> counts{};
    for (int m = 1; m < 1024; ++m) counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}
constexpr std::array<std::uint8_t, 1024> kBitCounts = makeBitCounts();

int rowUnit(int g, int r) { return g * kUnitsPerGrid + r - 1; }
int columnUnit(int g, int c) { return g * kUnitsPerGrid + 9 + c - 1; }
int boxUnit(int g, int c, int r) { return g * kUnitsPerGrid + 18 + (r - 1) / 3 * 3 + (c - 1) / 3; }

std::array<DistinctCell, kDistinctCells> makeDistinctCells() {
    std::array<DistinctCell, kDistinctCells> cells{};
    int n = 0;
    forEachCell([&](GridCell at) {
        const auto [g, c, r] = at;
        int tc = 0, tr = 0, tg = 0;
        const bool shared = sharedTwin(c, r, g, tc, tr, tg);
        if (shared && tg < g) return; // listed with its master copy
        DistinctCell& cell = cells[n++];
        cell.copies[0] = {c, r, g};
        cell.copyCount = 1;
        cell.unitCount = 0;
        if (shared) cell.copies[cell.copyCount++] = {tc, tr, tg};
        for (int k = 0; k < cell.copyCount; ++k) {
            const Copy& cp = cell.copies[k];
            cell.units[cell.unitCount++] = rowUnit(cp.g, cp.r);
            cell.units[cell.unitCount++] = columnUnit(cp.g, cp.c);
            cell.units[cell.unitCount++] = boxUnit(cp.g, cp.c, cp.r);
        }
    });
    return cells;
}

const std::array<DistinctCell, kDistinctCells>& distinctCells() {
    static const std::array<DistinctCell, kDistinctCells> cells = makeDistinctCells();
    return cells;
}

// A uniformly chosen set bit of mask (mask != 0).
int randomBit(std::uint16_t mask, RandomSource& rnd) {
    int pick = rnd.random(kBitCounts[mask]);
    while (pick-- > 0) mask &= static_cast<std::uint16_t>(mask - 1);
    return std::countr_zero(mask);
}

struct Search {
    std::array<std::uint16_t, kGridCount * kUnitsPerGrid> used{};
    std::array<std::uint8_t, kDistinctCells> value{};
    // order[0..depth) are the assigned cells in assignment order; the rest are open.
    std::array<int, kDistinctCells> order{};
    std::array<std::uint16_t, kDistinctCells> untried{};
};

std::uint16_t allowed(const Search& s, const DistinctCell& cell) {
    std::uint16_t taken = 0;
    for (int k = 0; k < cell.unitCount; ++k) taken |= s.used[cell.units[k]];
    return static_cast<std::uint16_t>(kAllSymbols & ~taken);
}

void assign(Search& s, const DistinctCell& cell, int cellIndex, int symbol) {
    s.value[cellIndex] = static_cast<std::uint8_t>(symbol);
    for (int k = 0; k < cell.unitCount; ++k) s.used[cell.units[k]] |= static_cast<std::uint16_t>(1u << symbol);
}

void unassign(Search& s, const DistinctCell& cell, int cellIndex) {
    const int symbol = s.value[cellIndex];
    s.value[cellIndex] = 0;
    for (int k = 0; k < cell.unitCount; ++k) s.used[cell.units[k]] &= static_cast<std::uint16_t>(~(1u << symbol));
}

// One attempt of at most `limit` placements; true when every cell got a symbol.
bool attempt(Search& s, RandomSource& rnd, long limit) {
    const auto& cells = distinctCells();
    s = Search{};
    for (int i = 0; i < kDistinctCells; ++i) s.order[i] = i;
    for (int i = kDistinctCells - 1; i > 0; --i) std::swap(s.order[i], s.order[rnd.random(i + 1)]);

    int depth = 0;
    long placements = 0;
    while (depth < kDistinctCells) {
        // Most constrained open cell; ties go to the earliest in the shuffled order.
        int best = depth;
        int bestCount = 10;
        std::uint16_t bestMask = 0;
        for (int i = depth; i < kDistinctCells; ++i) {
            const std::uint16_t m = allowed(s, cells[s.order[i]]);
            const int n = kBitCounts[m];
            if (n < bestCount) {
                best = i;
                bestCount = n;
                bestMask = m;
                if (n <= 1) break;
            }
        }
        std::swap(s.order[depth], s.order[best]);
        s.untried[depth] = bestMask;
        // Place the next untried symbol at this depth, backing up while a level has none left.
        while (s.untried[depth] == 0) {
            if (depth == 0) return false;
            --depth;
            unassign(s, cells[s.order[depth]], s.order[depth]);
        }
        if (++placements > limit) return false;
        const int symbol = randomBit(s.untried[depth], rnd);
        s.untried[depth] &= static_cast<std::uint16_t>(~(1u << symbol));
        assign(s, cells[s.order[depth]], s.order[depth], symbol);
        ++depth;
    }
    return true;
}

} // namespace

void generateFullField(CellLayer& layer, RandomSource& rnd) {
    Search search;
    for (long limit = kFirstPlacementLimit; !attempt(search, rnd, limit); limit *= 2) {}
    layer.fill(0);
    const auto& cells = distinctCells();
    for (int i = 0; i < kDistinctCells; ++i) {
        for (int k = 0; k < cells[i].copyCount; ++k) {
            const Copy& cp = cells[i].copies[k];
            cellAt(layer, cp.c, cp.r, cp.g) = search.value[i];
        }
    }
}

} // namespace quintaro
