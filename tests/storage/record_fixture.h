// Board-file bytes built by hand from the record layout, independent of the writer under test.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/random_source.h"

namespace quintaro::test {

// A record of 6,000 bytes, all zero until set.
struct RecordBytes {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(6000, 0);

    void boardCell(int c, int r, int g, std::uint8_t v) { bytes[c * 40 + r * 4 + g] = v; }
    void givenCell(int c, int r, int g, std::uint8_t v) { bytes[400 + c * 40 + r * 4 + g] = v; }
    void candidate(int c, int r, int s, int g, std::uint8_t v) { bytes[800 + c * 400 + r * 40 + s * 4 + g] = v; }
    void clockFlag(std::uint8_t v) { bytes[4800] = v; }
    void elapsedBits(std::uint64_t bits) {
        for (int k = 0; k < 8; ++k) bytes[4801 + k] = static_cast<std::uint8_t>(bits >> (8 * k));
    }
    void elapsed(double seconds) {
        std::uint64_t bits;
        std::memcpy(&bits, &seconds, sizeof bits);
        elapsedBits(bits);
    }
    void level(std::uint8_t low, std::uint8_t high) {
        bytes[4809] = low;
        bytes[4810] = high;
    }
};

// Draws 0, 1, 2, ... modulo n: predictable filler for byte-level checks.
struct CountingRandom final : RandomSource {
    unsigned count = 0;
    int random(int n) override { return static_cast<int>(count++ % static_cast<unsigned>(n)); }
};

// 4,800 zero bytes, then filler 1..9.
inline bool isEmptyRecord(const std::uint8_t* record) {
    for (int i = 0; i < 6000; ++i)
        if (i < 4800 ? record[i] != 0 : record[i] < 1 || record[i] > 9) return false;
    return true;
}

} // namespace quintaro::test
