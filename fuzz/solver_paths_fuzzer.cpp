// libFuzzer harness: the fast path against the reference steps on a full field with a few cells changed
// (emptied, rewritten, or one copy of a shared cell alone, as a damaged file holds): hidden solve,
// dead-end test and candidates must come out the same on both paths.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "engine/candidates.h"
#include "engine/full_field.h"
#include "engine/rules.h"
#include "engine/solution.h"

namespace {

using namespace quintaro;

// Few enough changed cells that the reference steps, a whole-field rule check per trial, stay quick.
constexpr std::size_t kMaxChanges = 20;
constexpr int kFields = 16;

void require(bool ok) {
    if (!ok) std::abort();
}

const std::array<CellLayer, kFields>& fullFields() {
    static const std::array<CellLayer, kFields> fields = [] {
        std::array<CellLayer, kFields> made{};
        for (int n = 0; n < kFields; ++n) {
            SeededRandom rnd(static_cast<std::uint64_t>(n));
            generateFullField(made[n], rnd);
        }
        return made;
    }();
    return fields;
}

// The first byte picks a full field; each following pair of bytes changes one grid cell: its place
// (0..323), the value 0..9 and whether a shared cell's twin changes with it.
Board boardFrom(const std::uint8_t* data, std::size_t size) {
    Board b;
    b.board = fullFields()[data[0] % kFields];
    for (std::size_t i = 1; i + 1 < size && i / 2 < kMaxChanges; i += 2) {
        const int place = (data[i] | (data[i + 1] & 1) << 8) % 324;
        const int c = place / 36 + 1, r = place / 4 % 9 + 1, g = place % 4;
        const auto v = static_cast<std::uint8_t>((data[i + 1] >> 1 & 15) % 10);
        if (data[i + 1] & 0x80)
            cellAt(b.board, c, r, g) = v;
        else
            setCellAndTwin(b.board, c, r, g, v);
    }
    b.givens = b.board;
    return b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Board start = boardFrom(data, size);

    Board fast = start, literal = start;
    const int passes = computeSolution(fast, SolverPath::Fast);
    require(computeSolution(literal, SolverPath::Literal) == passes);
    require(fast.solution == literal.solution && fast.noSolution == literal.noSolution);
    require(fast.board == start.board && literal.board == start.board);

    require(hasNoDeadEnd(fast, SolverPath::Fast) == hasNoDeadEnd(literal, SolverPath::Literal));
    computeCandidates(fast, true, SolverPath::Fast);
    computeCandidates(literal, true, SolverPath::Literal);
    require(fast.candidates == literal.candidates);
    return 0;
}
