// The board arrays of the four-grid cross and the engine's flags, in the byte layout of the board file.
#pragma once

#include <array>
#include <cstdint>

namespace quintaro {

// Grid 0..3 (top, left, right, bottom), column and row 1..9; index 0 exists in storage only.
constexpr int kGridCount = 4;
constexpr int kCellLayerSize = 10 * 10 * 4;           // 400 bytes
constexpr int kCandidateLayerSize = 10 * 10 * 10 * 4; // 4,000 bytes
constexpr int kDistinctCells = 4 * 81 - 4 * 9;        // 288
constexpr int kSymbolTotal = 32;                      // distinct cells of each symbol in a full field

constexpr int cellIndex(int c, int r, int g) { return c * 40 + r * 4 + g; }
constexpr int candidateIndex(int c, int r, int s, int g) { return c * 400 + r * 40 + s * 4 + g; }

using CellLayer = std::array<std::uint8_t, kCellLayerSize>;
using CandidateFlags = std::array<bool, kCandidateLayerSize>;
using CandidateBytes = std::array<std::uint8_t, kCandidateLayerSize>;

// Field position of each grid's column 1, row 1 (field columns and rows counted from 0).
constexpr std::array<int, 4> kGridFieldColumn{6, 0, 12, 6};
constexpr std::array<int, 4> kGridFieldRow{0, 6, 6, 12};

// One shared box: its master copy (lower-numbered grid) and its second copy, by first column and row.
struct SharedBox {
    int masterGrid, masterColumn, masterRow;
    int secondGrid, secondColumn, secondRow;
};

// The four shared boxes in their fixed order: upper left, upper right, lower left, lower right.
constexpr std::array<SharedBox, 4> kSharedBoxes{{
    {0, 1, 7, 1, 7, 1},
    {0, 7, 7, 2, 1, 1},
    {1, 7, 7, 3, 1, 1},
    {2, 1, 7, 3, 7, 1},
}};

// All engine state. Plain data; every operation takes it by reference.
struct Board {
    CellLayer board{};  // current symbol of each cell, 0 = empty
    CellLayer givens{}; // the puzzle's givens, 0 = not a given
    CandidateFlags candidates{};
    CandidateBytes candidateBytes{};    // candidates as bytes, for the board file only
    CellLayer boardBackup{};            // board saved around the hidden solve; scratch of the quarter turn
    CellLayer solution{};               // the board as the last hidden solve left it
    std::array<int, 10> symbolCounts{}; // index 0 counts empty cells, up to 288
    std::array<std::uint8_t, 10> ruleTally{};
    std::array<std::uint8_t, 10> symbolMap{};
    std::array<bool, 10> symbolFree{};

    bool boardChanged = false;   // a solver placed a symbol in the current pass
    bool silentSolve = false;    // nothing is drawn (hidden solve)
    bool noSolution = false;     // the last hidden solve did not complete the field
    std::int16_t errorCount = 0; // wrong entries of the current game, counted where cells are judged
};

inline std::uint8_t& cellAt(CellLayer& layer, int c, int r, int g) { return layer[cellIndex(c, r, g)]; }
inline std::uint8_t cellAt(const CellLayer& layer, int c, int r, int g) { return layer[cellIndex(c, r, g)]; }

} // namespace quintaro
