// A game in progress kept when the game ends, and the bytes of the file holding a short list of them (no Qt).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/puzzle_number.h"
#include "storage/board_record.h"

namespace quintaro {

// One unsolved game as the player left it.
struct KeptGame {
    CellLayer givens{};
    CellLayer board{};                  // the givens and the player's entries, 0 = empty
    CandidateFlags candidates{};        // by candidateIndex; only the flags of cells and symbols 1..9 are kept
    std::int16_t errors = 0;            // wrong entries so far, 0..32767
    std::int16_t level = 0;             // 0..3
    double elapsedSeconds = 0.0;        // the clock's time when the game was kept, 0..kMaxElapsedSeconds
    bool timed = false;                 // the clock ran: a solve can enter the hall of fame
    std::optional<PuzzleNumber> puzzle; // a freshly made puzzle's number; none for any other board
    bool operator==(const KeptGame&) const = default;
};

// The file holds the newest games first, at most this many.
constexpr int kKeptGameLimit = 4;

// The file: an 8-byte magic, then version, count (both 16 bits) and the length of the games in bytes
// (32 bits), the games, and a CRC-32 of everything after the magic. All numbers little-endian.
// One game: the data part of a board-file record (board, givens, candidates as 0x00/0xFF, the clock
// byte with bit 0 for timed, the elapsed seconds, the level; see board_record.h), then the errors (16
// bits), a byte 1 or 0 for a puzzle number, its level (8 bits) and seed (32 bits), both 0 without one.
constexpr std::uint16_t kKeptGamesVersion = 1;
constexpr std::size_t kKeptGamesHeaderSize = 16;
constexpr std::size_t kKeptGameSize = kRecordDataSize + 8;
constexpr std::size_t kKeptGamesFileLimit = kKeptGamesHeaderSize + kKeptGameLimit * kKeptGameSize + 4;

struct KeptGamesReading {
    enum class Verdict {
        Read,      // games holds what the file holds (possibly nothing)
        Truncated, // the file ends before its games or its checksum do (an empty file too)
        Foreign,   // the file does not begin with the magic: it is no file of kept games
        Newer,     // a later version of the game wrote it
        Damaged,   // a count, length or checksum that does not fit, or a value no writer gives
    };
    Verdict verdict = Verdict::Read;
    std::vector<KeptGame> games; // newest first; empty unless Read
};

// The file's bytes for games, newest first: the first kKeptGameLimit of them. Values out of range are
// clamped into it (the level and a puzzle's level to 0..3, errors to 0.., the elapsed time to
// 0..kMaxElapsedSeconds, a time that is not finite to 0), so that what is written always reads back.
std::string encodeKeptGames(const std::vector<KeptGame>& games);

// Reads the bytes of a file of kept games. Any byte that the writer would not have written is found:
// a game is taken only when encoding it again gives its bytes exactly.
KeptGamesReading decodeKeptGames(std::string_view bytes);

} // namespace quintaro
