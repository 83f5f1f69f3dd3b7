// The kept games' bytes: a board-file record's data per game, framed by a magic, counts and a CRC-32.
#include "storage/kept_game.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace quintaro {

namespace {

using Verdict = KeptGamesReading::Verdict;

constexpr std::string_view kMagic{"QKEEP\r\n\x1A", 8}; // the CR LF shows a file mangled as text

// The filler of a record is not part of a kept game; it is drawn from a fixed source and cut off.
struct NoFiller final : RandomSource {
    int random(int) override { return 0; }
};

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) out += static_cast<char>(static_cast<std::uint8_t>(value >> (8 * k)));
}

std::uint64_t number(std::string_view bytes, std::size_t at, int count) {
    std::uint64_t value = 0;
    for (int k = count - 1; k >= 0; --k) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + k]);
    return value;
}

void encodeGame(const KeptGame& game, std::string& out) {
    Board b;
    b.board = game.board;
    b.givens = game.givens;
    b.candidates = game.candidates;
    const double elapsed = std::isfinite(game.elapsedSeconds) ? game.elapsedSeconds : 0.0;
    const RecordClock clock{static_cast<std::uint8_t>(game.timed ? 1 : 0), std::clamp(elapsed, 0.0, kMaxElapsedSeconds),
                            std::clamp<std::int16_t>(game.level, 0, 3), std::nullopt};
    std::array<std::uint8_t, kRecordSize> record{};
    NoFiller filler;
    encodeBoardRecord(b, clock, filler, record);
    // A cell byte above 9 would not read back: the record's reader empties such a cell.
    for (int i = 0; i < kCellLayerSize; ++i) {
        if (record[kBoardOffset + i] > 9) record[kBoardOffset + i] = 0;
        if (record[kGivensOffset + i] > 9) record[kGivensOffset + i] = 0;
    }
    out.append(reinterpret_cast<const char*>(record.data()), kRecordDataSize);
    putNumber(out, static_cast<std::uint16_t>(std::max<std::int16_t>(game.errors, 0)), 2);
    putNumber(out, game.puzzle ? 1 : 0, 1);
    putNumber(out, game.puzzle ? static_cast<std::uint8_t>(std::clamp(game.puzzle->level, 0, 3)) : 0, 1);
    putNumber(out, game.puzzle ? game.puzzle->seed : 0, 4);
}

KeptGame decodeGame(std::string_view bytes) {
    Board b;
    RecordClock clock;
    decodeBoardRecord(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), kRecordDataSize), b, clock);
    KeptGame game;
    game.board = b.board;
    game.givens = b.givens;
    game.candidates = b.candidates;
    game.timed = (clock.runningByte & 1) != 0;
    game.elapsedSeconds = clock.elapsedSeconds;
    game.level = clock.level;
    std::size_t at = kRecordDataSize;
    game.errors = static_cast<std::int16_t>(number(bytes, at, 2));
    if (bytes[at + 2] != 0)
        game.puzzle = PuzzleNumber{static_cast<int>(number(bytes, at + 3, 1)),
                                   static_cast<std::uint32_t>(number(bytes, at + 4, 4))};
    return game;
}

} // namespace

std::string encodeKeptGames(const std::vector<KeptGame>& games) {
    const std::size_t count = std::min(games.size(), static_cast<std::size_t>(kKeptGameLimit));
    std::string out(kMagic);
    putNumber(out, kKeptGamesVersion, 2);
    putNumber(out, count, 2);
    putNumber(out, count * kKeptGameSize, 4);
    for (std::size_t n = 0; n < count; ++n) encodeGame(games[n], out);
    putNumber(out, crc32(std::string_view(out).substr(kMagic.size())), 4);
    return out;
}

KeptGamesReading decodeKeptGames(std::string_view bytes) {
    const auto verdict = [](Verdict v) { return KeptGamesReading{v, {}}; };
    const std::size_t magic = std::min(bytes.size(), kMagic.size());
    if (bytes.substr(0, magic) != kMagic.substr(0, magic)) return verdict(Verdict::Foreign);
    if (bytes.size() < kKeptGamesHeaderSize) return verdict(Verdict::Truncated);

    const auto version = number(bytes, 8, 2), count = number(bytes, 10, 2), length = number(bytes, 12, 4);
    if (version > kKeptGamesVersion) return verdict(Verdict::Newer);
    if (version == 0 || count > kKeptGameLimit || length != count * kKeptGameSize) return verdict(Verdict::Damaged);
    const std::size_t size = kKeptGamesHeaderSize + length + 4;
    if (bytes.size() < size) return verdict(Verdict::Truncated);
    if (bytes.size() > size) return verdict(Verdict::Damaged);
    if (number(bytes, size - 4, 4) != crc32(bytes.substr(kMagic.size(), size - 4 - kMagic.size())))
        return verdict(Verdict::Damaged);

    KeptGamesReading r;
    for (std::size_t n = 0; n < count; ++n) {
        const std::string_view stored = bytes.substr(kKeptGamesHeaderSize + n * kKeptGameSize, kKeptGameSize);
        KeptGame game = decodeGame(stored);
        std::string again;
        encodeGame(game, again);
        if (again != stored) return verdict(Verdict::Damaged);
        r.games.push_back(std::move(game));
    }
    return r;
}

} // namespace quintaro
