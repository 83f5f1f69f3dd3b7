// The composed moves' placement: grids and lines followed as packed numbers, written out once.
#include "engine/composed_moves.h"

namespace quintaro {

namespace {

constexpr PackedLines kIdentityLines = 0x9876543210ULL;

int lineAt(PackedLines lines, int i) { return static_cast<int>((lines >> (4 * i)) & 0xF); }

// Line i becomes line 10 - i, i = 1..9: all sixteen nibbles reversed, then nibble 15 - (10 - i) = 5 + i
// moved down to i. Nibbles 0 and 10..15 are 0 before and after.
PackedLines reversed(PackedLines lines) {
    PackedLines r = __builtin_bswap64(lines);
    r = ((r >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((r & 0x0F0F0F0F0F0F0F0FULL) << 4);
    return r >> 20;
}

} // namespace

void CellPlacement::write(const CellLayer& from, CellLayer& to) const {
    for (int g = 0; g < kGridCount; ++g) {
        const auto s = static_cast<int>(source[g]);
        for (int c = 1; c <= 9; ++c) {
            const int fc = lineAt(cols[g], c);
            for (int r = 1; r <= 9; ++r) {
                const int fr = lineAt(rows[g], r);
                const std::uint8_t v = from[transposed[g] ? cellIndex(fr, fc, s) : cellIndex(fc, fr, s)];
                // Entries above 9 are no symbols and keep their bytes, as under permuteSymbols.
                cellAt(to, c, r, g) = v <= 9 ? static_cast<std::uint8_t>(symbols[v]) : v;
            }
        }
    }
}

ComposedMoves::ComposedMoves(Board& b) : b_(b) {
    for (int g = 0; g < kGridCount; ++g) {
        now_.cols[g] = now_.rows[g] = kIdentityLines;
        now_.source[g] = static_cast<std::uint32_t>(g);
        now_.transposed[g] = 0;
    }
    for (int v = 0; v < 10; ++v) now_.symbols[v] = static_cast<std::uint16_t>(v);
}

void ComposedMoves::applyRun(PackedLines& lines, int first, const std::array<std::uint8_t, 6>& places) {
    const PackedLines was = lines;
    for (int i = 0; i < 6 && first + i <= 9; ++i) {
        const int at = 4 * (first + i);
        lines = (lines & ~(PackedLines{0xF} << at)) | (PackedLines(lineAt(was, first + places[i])) << at);
    }
}

void ComposedMoves::mirrorLeftRight() {
    std::swap(now_.cols[1], now_.cols[2]);
    std::swap(now_.rows[1], now_.rows[2]);
    std::swap(now_.source[1], now_.source[2]);
    std::swap(now_.transposed[1], now_.transposed[2]);
    for (PackedLines& lines : now_.cols) lines = reversed(lines);
}

void ComposedMoves::mirrorTopBottom() {
    std::swap(now_.cols[0], now_.cols[3]);
    std::swap(now_.rows[0], now_.rows[3]);
    std::swap(now_.source[0], now_.source[3]);
    std::swap(now_.transposed[0], now_.transposed[3]);
    for (PackedLines& lines : now_.rows) lines = reversed(lines);
}

void ComposedMoves::rotateClockwise() {
    constexpr int from[kGridCount] = {1, 3, 0, 2};
    const CellPlacement was = now_;
    for (int g = 0; g < kGridCount; ++g) {
        const int h = from[g];
        now_.source[g] = was.source[h];
        now_.transposed[g] = was.transposed[h] ^ 1U;
        now_.cols[g] = reversed(was.rows[h]);
        now_.rows[g] = was.cols[h];
    }
    lastTurn_ = now_;
    turned_ = true;
}

void ComposedMoves::apply() const {
    const CellLayer board = b_.board;
    const CellLayer givens = b_.givens;
    if (turned_) {
        lastTurn_.write(board, b_.boardBackup);
        lastTurn_.write(givens, b_.solution);
    }
    now_.write(board, b_.board);
    now_.write(givens, b_.givens);
    if (drewMap_) {
        for (int v = 0; v < 10; ++v) b_.symbolMap[v] = static_cast<std::uint8_t>(lastMap_[v]);
        b_.symbolFree.fill(false);
        b_.symbolFree[0] = true;
    }
}

} // namespace quintaro
