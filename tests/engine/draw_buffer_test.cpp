// Draws made ahead in blocks, plain or eight at a time, are the seeded generator's draws word for word.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw_buffer.h"

namespace quintaro {
namespace {

// The counter value whose word is w: mix undone step by step (xor-shifts and odd multipliers are
// invertible modulo 2^64).
std::uint64_t unmix(std::uint64_t w) {
    const auto inverse = [](std::uint64_t a) {
        std::uint64_t x = a; // Newton's iteration doubles the correct low bits each step
        for (int i = 0; i < 6; ++i) x *= 2 - a * x;
        return x;
    };
    const auto unshift = [](std::uint64_t z, int s) {
        std::uint64_t x = z;
        for (int i = 0; i < 64 / s; ++i) x = z ^ (x >> s);
        return x;
    };
    w = unshift(w, 31) * inverse(SeededRandom::kMix2);
    w = unshift(w, 27) * inverse(SeededRandom::kMix1);
    return unshift(w, 30);
}

// A mixed run of draws as the shuffle makes them, chosen by script, from both sources side by side.
void expectSameDraws(std::uint64_t seed, bool wide, std::uint64_t script) {
    SeededRandom plain(seed);
    DrawBuffer buffered(SeededRandom(seed), wide);
    SeededRandom pick(script);
    for (int step = 0; step < 3000; ++step) {
        switch (pick.random(3)) {
        case 0: {
            const int n = std::vector<int>{2, 7, 9, 20, 50, 150}[pick.random(6)];
            ASSERT_EQ(buffered.random(n), plain.random(n)) << "step " << step;
            break;
        }
        case 1: {
            const int n = pick.random(32) + 1;
            ASSERT_EQ(buffered.coins(n), coins(plain, n)) << "step " << step << ", " << n << " coins";
            break;
        }
        default:
            ASSERT_EQ(buffered.symbolPermutation(), drawSymbolPermutation(plain)) << "step " << step;
        }
    }
    EXPECT_EQ(buffered.position().state(), plain.state());
}

TEST(DrawBuffer, DrawsWordForWordWhatTheSeededGeneratorDraws) {
    ASSERT_EQ(unmix(SeededRandom::mix(12345)), 12345U);
    std::vector<bool> ways{false};
    if (hasWideVectors()) ways.push_back(true);
    for (const bool wide : ways) {
        for (std::uint64_t seed = 0; seed < 40; ++seed) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << (wide ? ", wide" : ", plain"));
            expectSameDraws(seed * 0x9E3779B97F4A7C15ULL, wide, seed + 1);
        }
        // Words below 2^64 mod 9, which RANDOM(9) rejects, placed early, inside a later vector and at
        // the end of a block: the symbol draws step round them as the plain draws do.
        for (const int at : {0, 3, 17, 250, 255}) {
            for (const std::uint64_t low : {0ULL, 6ULL}) {
                SCOPED_TRACE(testing::Message() << "word " << low << " at " << at << (wide ? ", wide" : ", plain"));
                const std::uint64_t seed = unmix(low) - static_cast<std::uint64_t>(at + 1) * SeededRandom::kGamma;
                SeededRandom plain(seed);
                DrawBuffer buffered(SeededRandom(seed), wide);
                for (int i = 0; i < 20; ++i) ASSERT_EQ(buffered.symbolPermutation(), drawSymbolPermutation(plain));
                EXPECT_EQ(buffered.position().state(), plain.state());
            }
        }
    }
}

} // namespace
} // namespace quintaro
