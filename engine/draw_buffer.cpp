// Blocks of seeded words: eight at a time where the processor multiplies 64-bit vectors, else one by one.
#include "engine/draw_buffer.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define QUINTARO_WIDE_VECTORS 1
#else
#define QUINTARO_WIDE_VECTORS 0
#endif

#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 takes the "undefined" vector inside its own shift intrinsics for an uninitialised one.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace quintaro {

namespace {

void fillPlain(std::uint64_t counter, WordBlock& block) {
    for (int i = 0; i < kWordBlock; ++i)
        block.words[i] = SeededRandom::mix(counter + static_cast<std::uint64_t>(i + 1) * SeededRandom::kGamma);
    for (int q = 0; q < kWordBlock / 64; ++q) {
        std::uint64_t bits = 0;
        for (int i = 0; i < 64; ++i) bits |= (block.words[64 * q + i] & 1) << i;
        block.lowBits[q] = bits;
    }
}

#if QUINTARO_WIDE_VECTORS
__attribute__((target("avx512f,avx512dq"))) void fillWide(std::uint64_t counter, WordBlock& block) {
    const __m512i gamma = _mm512_set1_epi64(static_cast<long long>(SeededRandom::kGamma));
    const __m512i m1 = _mm512_set1_epi64(static_cast<long long>(SeededRandom::kMix1));
    const __m512i m2 = _mm512_set1_epi64(static_cast<long long>(SeededRandom::kMix2));
    const __m512i step = _mm512_mullo_epi64(gamma, _mm512_set1_epi64(8));
    __m512i z0 = _mm512_add_epi64(_mm512_set1_epi64(static_cast<long long>(counter)),
                                  _mm512_mullo_epi64(gamma, _mm512_setr_epi64(1, 2, 3, 4, 5, 6, 7, 8)));
    const __m512i one = _mm512_set1_epi64(1);
    for (int q = 0; q < kWordBlock / 64; ++q) {
        std::uint64_t bits = 0;
        for (int g = 0; g < 8; ++g) {
            __m512i z = _mm512_mullo_epi64(_mm512_xor_si512(z0, _mm512_srli_epi64(z0, 30)), m1);
            z = _mm512_mullo_epi64(_mm512_xor_si512(z, _mm512_srli_epi64(z, 27)), m2);
            z = _mm512_xor_si512(z, _mm512_srli_epi64(z, 31));
            _mm512_storeu_si512(&block.words[64 * q + 8 * g], z);
            bits |= static_cast<std::uint64_t>(_mm512_test_epi64_mask(z, one)) << (8 * g);
            z0 = _mm512_add_epi64(z0, step);
        }
        block.lowBits[q] = bits;
    }
}
#endif

} // namespace

bool hasWideVectors() {
#if QUINTARO_WIDE_VECTORS
    static const bool wide = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    return wide;
#else
    return false;
#endif
}

SymbolMap DrawBuffer::symbolPermutation() {
    return wide_ ? symbolPermutationWide() : drawSymbolPermutation<DrawBuffer>(*this);
}

#if QUINTARO_WIDE_VECTORS
// The draws of drawSymbolPermutation 32 words at a time: the four vectors of eight are worked on side
// by side, and only the symbols seen before each vector tie them together.
__attribute__((target("avx512f,avx512dq"))) SymbolMap DrawBuffer::symbolPermutationWide() {
    constexpr unsigned kAll = 0x3FE;
    constexpr int kWords = 32;
    std::array<std::uint64_t, 17> found{}; // room for a whole vector stored at found[9]
    unsigned seen = 0;
    unsigned k = 1;
    const __m512i zero = _mm512_setzero_si512();
    const __m512i one = _mm512_set1_epi64(1);
    while (seen != kAll) {
        __m512i w[4];
        __mmask8 low = 0;
        if (taken_ + kWords <= kWordBlock) {
            for (int j = 0; j < 4; ++j) {
                w[j] = _mm512_loadu_si512(&block_.words[taken_ + 8 * j]);
                // Words below 2^64 mod 9 = 7 are drawn again; the plain draw below takes care of that.
                low |= _mm512_cmplt_epu64_mask(w[j], _mm512_set1_epi64(7));
            }
        }
        if (taken_ + kWords > kWordBlock || low != 0) {
            // One draw the plain way, as in drawSymbolPermutation.
            const int v = random(9) + 1;
            const unsigned bit = 1U << v;
            found[k] = static_cast<std::uint64_t>(v);
            k += (seen & bit) == 0 ? 1 : 0;
            seen |= bit;
            continue;
        }
        __m512i symbol[4], bit[4], upTo[4];
        for (int j = 0; j < 4; ++j) {
            // w mod 9 from its digits to the bases 2^24, 2^12 and 2^6, each of which leaves 1 mod 9.
            const __m512i m24 = _mm512_set1_epi64(0xFFFFFF);
            const __m512i a = _mm512_add_epi64(
                _mm512_add_epi64(_mm512_and_si512(w[j], m24), _mm512_and_si512(_mm512_srli_epi64(w[j], 24), m24)),
                _mm512_srli_epi64(w[j], 48));
            const __m512i b = _mm512_add_epi64(_mm512_and_si512(a, _mm512_set1_epi64(0xFFF)), _mm512_srli_epi64(a, 12));
            const __m512i c = _mm512_add_epi64(_mm512_and_si512(b, _mm512_set1_epi64(0x3F)), _mm512_srli_epi64(b, 6));
            const __m512i q = _mm512_srli_epi64(_mm512_mullo_epi64(c, _mm512_set1_epi64(57)), 9); // c / 9, c < 320
            symbol[j] = _mm512_add_epi64(_mm512_sub_epi64(c, _mm512_mullo_epi64(q, _mm512_set1_epi64(9))), one);
            bit[j] = _mm512_sllv_epi64(one, symbol[j]);
            // Lane i of upTo: the bits of lanes 0..i; alignr by 8 - n moves every lane n lanes up.
            upTo[j] = _mm512_or_si512(bit[j], _mm512_alignr_epi64(bit[j], zero, 7));
            upTo[j] = _mm512_or_si512(upTo[j], _mm512_alignr_epi64(upTo[j], zero, 6));
            upTo[j] = _mm512_or_si512(upTo[j], _mm512_alignr_epi64(upTo[j], zero, 4));
        }
        std::uint32_t fresh = 0;
        __m512i before = _mm512_set1_epi64(seen);
        for (int j = 0; j < 4; ++j) {
            const __m512i inside = _mm512_or_si512(_mm512_alignr_epi64(upTo[j], zero, 7), before);
            const __mmask8 mask = _mm512_testn_epi64_mask(inside, bit[j]);
            // Compressed in a register and stored whole: a compressing store is slow on some processors.
            _mm512_storeu_si512(&found[k], _mm512_maskz_compress_epi64(mask, symbol[j]));
            k += static_cast<unsigned>(__builtin_popcount(mask));
            fresh |= static_cast<std::uint32_t>(mask) << (8 * j);
            before = _mm512_or_si512(before, _mm512_permutexvar_epi64(_mm512_set1_epi64(7), upTo[j]));
        }
        seen = static_cast<unsigned>(_mm_cvtsi128_si64(_mm512_castsi512_si128(before)));
        // The last symbol's word is the last with a new symbol; the words after it stay undrawn.
        taken_ += seen == kAll ? 32 - __builtin_clz(fresh) : kWords;
    }
    SymbolMap map{};
    for (int v = 1; v <= 9; ++v) map[v] = static_cast<std::uint16_t>(found[v]);
    return map;
}
#else
SymbolMap DrawBuffer::symbolPermutationWide() { return drawSymbolPermutation<DrawBuffer>(*this); }
#endif

void fillWordBlock(std::uint64_t counter, WordBlock& block, bool wide) {
#if QUINTARO_WIDE_VECTORS
    if (wide) {
        fillWide(counter, block);
    } else {
        fillPlain(counter, block);
    }
#else
    (void)wide;
    fillPlain(counter, block);
#endif
    block.lowBits[kWordBlock / 64] = 0;
}

} // namespace quintaro
