// libFuzzer harness: arbitrary bytes read as a board-file record and then played on as a loaded board
// is: hidden solve, dead-end test, candidates. Whatever a damaged file holds must stay in bounds.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/candidates.h"
#include "engine/solution.h"
#include "storage/board_record.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintaro;
    Board b;
    RecordClock clock;
    if (!decodeBoardRecord(std::span<const std::uint8_t>(data, size), b, clock)) return 0;

    Board played = b;
    const int passes = computeSolution(played);
    require(passes >= 1 && passes <= kMaxSolvePasses);
    require(played.board == b.board); // the hidden solve works on a copy
    for (auto v : played.solution) require(v <= 9);
    hasNoDeadEnd(played);
    computeCandidates(played, true);
    require(played.board == b.board);
    // The givens may change: the full-field count rewrites second copies of shared cells from their masters.
    for (auto v : played.givens) require(v <= 9);
    return 0;
}
