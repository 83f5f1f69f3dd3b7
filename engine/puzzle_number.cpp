// Writing, reading and drawing puzzle numbers.
#include "engine/puzzle_number.h"

namespace quintaro {

bool isValidPuzzleNumber(PuzzleNumber number) {
    return number.level >= 0 && number.level <= 3 && number.seed < kPuzzleSeedLimit;
}

std::string formatPuzzleNumber(PuzzleNumber number) {
    std::string text = "L";
    text += static_cast<char>('0' + number.level);
    return text + "-" + std::to_string(number.seed);
}

std::optional<PuzzleNumber> parsePuzzleNumber(std::string_view text) {
    // "L", one level digit, "-", then 1..9 digits with no leading zero (but "0" itself).
    if (text.size() < 4 || text.size() > 12 || text[0] != 'L' || text[2] != '-') return std::nullopt;
    if (text[1] < '0' || text[1] > '3') return std::nullopt;
    const std::string_view digits = text.substr(3);
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    std::uint32_t seed = 0;
    for (const char d : digits) {
        if (d < '0' || d > '9') return std::nullopt;
        seed = seed * 10 + static_cast<std::uint32_t>(d - '0'); // nine digits stay below 2^32
    }
    return PuzzleNumber{text[1] - '0', seed};
}

PuzzleNumber drawPuzzleNumber(int level, RandomSource& rnd) {
    return {level, static_cast<std::uint32_t>(rnd.random(static_cast<int>(kPuzzleSeedLimit)))};
}

} // namespace quintaro
