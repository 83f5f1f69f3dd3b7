// A seeded generator's words made ahead in blocks, for the shuffle's few hundred thousand draws.
#pragma once

#include <array>
#include <cstdint>

#include "engine/random_source.h"

namespace quintaro {

// A permutation of the symbols 1..9: map[k] for k = 1..9, map[0] = 0. Words wider than a byte, since
// stores of bytes might alias anything, the draws' own state among it, and keep that out of registers.
using SymbolMap = std::array<std::uint16_t, 10>;

// The shuffle's symbol permutation: RANDOM(9) drawn again and again until each of 0..8 has come up;
// map[k] is one more than the k-th value to come up first.
template <class Rnd>
SymbolMap drawSymbolPermutation(Rnd& rnd) {
    constexpr unsigned kAll = 0x3FE; // bits 1..9
    std::array<std::uint16_t, 11> map{};
    unsigned seen = 0;
    unsigned k = 1;
    // One pass over the draws, without a branch on each: their outcomes are coin tosses to a predictor.
    while (seen != kAll) {
        const int v = rnd.random(9) + 1;
        const unsigned bit = 1U << v;
        // A used symbol is written too, and overwritten by the next new one: k stays put.
        map[k] = static_cast<std::uint16_t>(v);
        k += (seen & bit) == 0 ? 1 : 0;
        seen |= bit;
    }
    SymbolMap out{};
    for (int v = 1; v <= 9; ++v) out[v] = map[v];
    return out;
}

constexpr int kWordBlock = 256;

// The words a SeededRandom at state counter returns next, one block of them: words[i] is
// mix(counter + (i + 1) kGamma), and bit i % 64 of lowBits[i / 64] is the low bit of words[i].
struct WordBlock {
    std::array<std::uint64_t, kWordBlock> words;
    std::array<std::uint64_t, kWordBlock / 64 + 1> lowBits; // the last word stays 0: read past the end
};
// wide: eight words at a time with 64-bit vector multiplies; only where hasWideVectors().
void fillWordBlock(std::uint64_t counter, WordBlock& block, bool wide);

// Whether this processor multiplies 64-bit numbers eight at a time (x86-64 with AVX-512 F and DQ).
bool hasWideVectors();

// The draws of a SeededRandom, word for word, from blocks made at once (the words are independent
// of each other, so a block is made many at a time). position() tells where the stream stands after
// the draws taken so far. wide picks the vector code; false gives the plain code on any processor.
class DrawBuffer {
public:
    explicit DrawBuffer(const SeededRandom& source, bool wide = hasWideVectors())
        : counter_(source.state()), wide_(wide) {}

    int random(int n) {
        return uniformBelow(n, [this] { return next(); });
    }

    // n <= 32 draws of RANDOM(2) at once: bit i is the i-th draw.
    std::uint32_t coins(int n) {
        if (taken_ + n > kWordBlock) {
            std::uint32_t bits = 0;
            for (int i = 0; i < n; ++i) bits |= static_cast<std::uint32_t>(next() & 1) << i;
            return bits;
        }
        const int q = taken_ >> 6;
        const int s = taken_ & 63;
        // Shifted by two steps so that s = 0 shifts the next word out altogether.
        const std::uint64_t bits = (block_.lowBits[q] >> s) | ((block_.lowBits[q + 1] << (63 - s)) << 1);
        taken_ += n;
        return static_cast<std::uint32_t>(bits & ((std::uint64_t{1} << n) - 1));
    }

    // drawSymbolPermutation(*this), many draws at a time where the processor has wide vectors.
    SymbolMap symbolPermutation();

    // A generator that goes on after the last word taken.
    SeededRandom position() const {
        return SeededRandom(counter_ - static_cast<std::uint64_t>(kWordBlock - taken_) * SeededRandom::kGamma);
    }

private:
    SymbolMap symbolPermutationWide(); // only where hasWideVectors()

    std::uint64_t next() {
        if (taken_ == kWordBlock) {
            fillWordBlock(counter_, block_, wide_);
            counter_ += static_cast<std::uint64_t>(kWordBlock) * SeededRandom::kGamma;
            taken_ = 0;
        }
        return block_.words[taken_++];
    }

    std::uint64_t counter_; // the state after the block's last word
    bool wide_;
    int taken_ = kWordBlock; // words of the block already drawn
    WordBlock block_{};
};

// n <= 32 draws of RANDOM(2), bit i the i-th draw, from any source; DrawBuffer takes them at once.
template <class Rnd>
std::uint32_t coins(Rnd& rnd, int n) {
    std::uint32_t bits = 0;
    for (int i = 0; i < n; ++i) bits |= static_cast<std::uint32_t>(rnd.random(2)) << i;
    return bits;
}
inline std::uint32_t coins(DrawBuffer& draws, int n) { return draws.coins(n); }
inline SymbolMap drawSymbolPermutation(DrawBuffer& draws) { return draws.symbolPermutation(); }

} // namespace quintaro
