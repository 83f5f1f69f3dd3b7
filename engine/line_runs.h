// The free shuffle's runs of neighbouring-line swaps, composed by table look-ups instead of applied.
#pragma once

#include <array>
#include <cstdint>

namespace quintaro {

// Six neighbouring lines of a grid (two blocks of three) and what a run of the free shuffle's moves
// does to them: swaps of neighbouring lines inside one of the blocks and exchanges of the two blocks.
// These generate a group of 72 permutations; a run is followed as one element of it.
struct LineRunTables {
    static constexpr int kStates = 72;
    // next[block][state][move]: the state after one move. move bit 0 picks the pair of lines (first
    // and second, or second and third of the block), bit 1 swaps that pair, bit 2 then exchanges the
    // blocks; block 0 or 1 is the block whose lines the move swaps. State 0 leaves every line in place.
    std::array<std::array<std::array<std::uint8_t, 8>, kStates>, 2> next;
    // pairSwaps4[state][bits]: the state after four moves of block 0 that each swap a pair, the pair of
    // the i-th picked by bit i of bits, as next[0] would leave it four look-ups later.
    std::array<std::array<std::uint8_t, 16>, kStates> pairSwaps4;
    // places[state][i]: the line (0..5) whose content stands at line i once the run is done.
    std::array<std::array<std::uint8_t, 6>, kStates> places;
};

// The tables, made once.
const LineRunTables& lineRunTables();

} // namespace quintaro
