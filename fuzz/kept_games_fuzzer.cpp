// libFuzzer harness: arbitrary bytes as a file of kept games; whatever reads as games writes back to the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/kept_game.h"

namespace {

using namespace quintaro;

void require(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KeptGamesReading reading = decodeKeptGames(bytes);
    if (reading.verdict != KeptGamesReading::Verdict::Read) {
        require(reading.games.empty());
        return 0;
    }
    require(reading.games.size() <= static_cast<std::size_t>(kKeptGameLimit));
    for (const KeptGame& game : reading.games) {
        require(game.level >= 0 && game.level <= 3 && game.errors >= 0);
        require(std::isfinite(game.elapsedSeconds) && game.elapsedSeconds >= 0.0 &&
                game.elapsedSeconds <= kMaxElapsedSeconds);
        for (int i = 0; i < kCellLayerSize; ++i) require(game.board[i] <= 9 && game.givens[i] <= 9);
        if (game.puzzle) require(game.puzzle->level >= 0 && game.puzzle->level <= 3);
    }
    // Only what the writer gives is read: the games, written again, are the file byte for byte.
    require(encodeKeptGames(reading.games) == bytes);
    return 0;
}
