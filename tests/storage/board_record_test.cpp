// Record bytes: decoding hand-made records, the bytes the encoder lays down, and the repair of odd file sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <tuple>

#include "record_fixture.h"
#include "storage/board_record.h"

namespace quintaro {
namespace {

using test::RecordBytes;

RecordClock decoded(const RecordBytes& rec, Board& b) {
    RecordClock clock;
    EXPECT_TRUE(decodeBoardRecord(rec.bytes, b, clock));
    return clock;
}

TEST(DecodeBoardRecord, ReadsTheLayoutAndTurnsDamageHarmless) {
    // Board and given byte of cells: (9, 1) holds an entry of the player; damage in either byte
    // empties the cell in both layers, also in an entry without meaning (column 0).
    const int cells[][5] = {{3, 5, 2, 7, 7},   {9, 1, 0, 4, 0},   {1, 1, 0, 10, 10},
                            {5, 5, 1, 5, 200}, {6, 6, 2, 255, 3}, {0, 3, 3, 99, 0}};
    RecordBytes rec;
    for (const auto& [c, r, g, board, given] : cells) {
        rec.boardCell(c, r, g, static_cast<std::uint8_t>(board));
        rec.givenCell(c, r, g, static_cast<std::uint8_t>(given));
    }
    rec.candidate(2, 8, 6, 3, 0xFF);
    rec.candidate(9, 9, 9, 1, 0x01); // any non-zero byte is a set candidate
    rec.candidate(4, 4, 0, 1, 0xFF); // symbol 0 carries no candidate, but the byte block is kept as stored
    rec.clockFlag(0xFF);
    rec.elapsedBits(0x40934A0000000000); // 1234.5
    rec.level(2, 0);
    Board b;
    b.candidates[candidateIndex(1, 1, 1, 0)] = true; // stale flags are cleared
    const RecordClock clock = decoded(rec, b);
    CellLayer board{}, givens{};
    board[cellIndex(3, 5, 2)] = givens[cellIndex(3, 5, 2)] = 7;
    board[cellIndex(9, 1, 0)] = 4;
    CandidateFlags flags{};
    flags[candidateIndex(2, 8, 6, 3)] = flags[candidateIndex(9, 9, 9, 1)] = true;
    EXPECT_EQ(b.board, board);
    EXPECT_EQ(b.givens, givens);
    EXPECT_EQ(b.candidates, flags);
    EXPECT_EQ(b.candidateBytes[candidateIndex(4, 4, 0, 1)], 0xFF);
    EXPECT_EQ(std::tuple(int{clock.runningByte}, clock.elapsedSeconds, int{clock.level}), std::tuple(0xFF, 1234.5, 2));

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double seconds : {nan, inf, -inf, -1.0, 1e300, kMaxElapsedSeconds * 2, 0.25, kMaxElapsedSeconds}) {
        rec.elapsed(seconds);
        EXPECT_EQ(decoded(rec, b).elapsedSeconds, seconds == 0.25 || seconds == kMaxElapsedSeconds ? seconds : 0.0)
            << seconds;
    }
    const int levels[][3] = {{3, 0, 3}, {7, 0, 3}, {0, 1, 3}, {0xFF, 0xFF, 0}, {0, 0x80, 0}, {0xFE, 0x7F, 3}};
    for (const auto& [low, high, level] : levels) {
        rec.level(static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high));
        EXPECT_EQ(decoded(rec, b).level, level) << "bytes " << low << " " << high;
    }
}

TEST(DecodeBoardRecord, NeverWrittenRecordGivesAnEmptyBoardAndAShortBufferNothing) {
    RecordBytes rec;
    for (int i = 4800; i < 6000; ++i) rec.bytes[i] = static_cast<std::uint8_t>(1 + i % 9);
    Board b;
    b.board[cellIndex(4, 4, 0)] = b.givens[cellIndex(4, 4, 0)] = 3;
    RecordClock clock;
    EXPECT_FALSE(decodeBoardRecord(std::span<const std::uint8_t>(rec.bytes).first(kRecordDataSize - 1), b, clock));
    EXPECT_EQ(b.board[cellIndex(4, 4, 0)], 3) << "a buffer short of the filler changes nothing";
    clock = decoded(rec, b);
    EXPECT_EQ(b.board, CellLayer{});
    EXPECT_EQ(b.givens, CellLayer{});
    EXPECT_EQ(b.candidates, CandidateFlags{});
    EXPECT_EQ(clock.level, 3) << "filler level bytes are far above 3";
    EXPECT_TRUE(clock.elapsedSeconds >= 0.0 && clock.elapsedSeconds < 1e-200) << "filler as a double is tiny";
}

TEST(EncodeBoardRecord, LaysDownTheRecordByteForByte) {
    Board b;
    b.board[cellIndex(1, 7, 0)] = b.givens[cellIndex(1, 7, 0)] = 8;
    b.board[cellIndex(9, 9, 3)] = 2;
    b.candidates[candidateIndex(4, 5, 6, 2)] = b.candidates[candidateIndex(9, 9, 1, 3)] = true;
    b.candidates[candidateIndex(0, 5, 6, 2)] = b.candidates[candidateIndex(4, 5, 0, 2)] = true; // no meaning: 0x00
    b.candidateBytes[candidateIndex(1, 1, 1, 0)] = 0x55; // a stale byte the writer must not keep
    test::CountingRandom filler;
    std::vector<std::uint8_t> out(kRecordSize, 0xEE);
    encodeBoardRecord(b, RecordClock{0xFF, 1234.5, 3, std::nullopt}, filler,
                      std::span<std::uint8_t, kRecordSize>(out.data(), kRecordSize));

    RecordBytes expected;
    expected.boardCell(1, 7, 0, 8);
    expected.givenCell(1, 7, 0, 8);
    expected.boardCell(9, 9, 3, 2);
    expected.candidate(4, 5, 6, 2, 0xFF);
    expected.candidate(9, 9, 1, 3, 0xFF);
    expected.clockFlag(0xFF);
    expected.elapsedBits(0x40934A0000000000);
    expected.level(3, 0);
    for (int i = 4811; i < 6000; ++i) expected.bytes[i] = static_cast<std::uint8_t>((i - 4811) % 9 + 1);
    for (int i = 0; i < kRecordSize; ++i) ASSERT_EQ(out[i], expected.bytes[i]) << "byte " << i;
    EXPECT_TRUE(std::equal(b.candidateBytes.begin(), b.candidateBytes.end(), expected.bytes.begin() + 800))
        << "candidateBytes is refreshed";
}

// A fresh puzzle's number at the start of the filler: marker, text, zero bytes and check byte, read back only whole.
TEST(RecordPuzzleNumber, IsWrittenIntoTheFillerAndReadBackOnlyWhenWhole) {
    Board b;
    b.board[cellIndex(2, 2, 1)] = b.givens[cellIndex(2, 2, 1)] = 5;
    std::vector<std::uint8_t> plain(kRecordSize), numbered(kRecordSize);
    test::CountingRandom fillerA, fillerB;
    encodeBoardRecord(b, RecordClock{}, fillerA, std::span<std::uint8_t, kRecordSize>(plain.data(), kRecordSize));
    encodeBoardRecord(b, RecordClock{0, 0.0, 0, PuzzleNumber{3, 987654321}}, fillerB,
                      std::span<std::uint8_t, kRecordSize>(numbered.data(), kRecordSize));
    const std::string text("Nr:L3-987654321\0", 16);
    EXPECT_EQ(std::string(numbered.begin() + 4811, numbered.begin() + 4827), text);
    unsigned sum = 0;
    for (unsigned char c : text) sum += c;
    EXPECT_EQ(numbered[4827], sum % 256) << "the check byte";
    EXPECT_TRUE(std::all_of(numbered.begin() + 4828, numbered.end(), [](std::uint8_t v) { return v >= 1 && v <= 9; }));
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 4811, numbered.begin())) << "the data stay as they were";

    const auto read = [](std::vector<std::uint8_t> bytes, auto&& change) {
        change(bytes);
        Board back;
        RecordClock clock;
        clock.puzzle = PuzzleNumber{0, 0}; // reading clears the last number
        EXPECT_TRUE(decodeBoardRecord(bytes, back, clock));
        return clock.puzzle;
    };
    const auto unchanged = [](auto&) {};
    EXPECT_EQ(read(numbered, unchanged), (PuzzleNumber{3, 987654321}));
    EXPECT_EQ(read(plain, unchanged), std::nullopt) << "filler never forms the marker";
    // Any one byte of the field changed to any other value: no number, never another one.
    for (int at = 4811; at < 4828; ++at)
        for (int value = 0; value < 256; ++value) {
            if (value == numbered[std::size_t(at)]) continue;
            ASSERT_EQ(read(numbered, [&](auto& v) { v[std::size_t(at)] = std::uint8_t(value); }), std::nullopt)
                << "byte " << at << " set to " << value;
        }
    EXPECT_EQ(read(numbered, [](auto& v) { v.resize(4827); }), std::nullopt) << "cut off before its check byte";
}

TEST(BoardFileWithRecord, OtherLengthsKeepEveryCompleteRecordAndDropTheTailBeyondTheFourth) {
    Board b;
    b.board[cellIndex(9, 9, 3)] = 2;
    test::CountingRandom filler;
    const auto patterned = [](std::size_t size) {
        std::vector<std::uint8_t> v(size);
        for (std::size_t i = 0; i < size; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return v;
    };
    // 10811: record 1 has its data but no filler; 23999: record 3 lacks its last filler byte.
    for (std::size_t size : {0, 1, 6000, 10810, 10811, 23999, 30000}) {
        const auto old = patterned(size);
        const auto file = boardFileWithRecord(old, 2, b, RecordClock{}, filler);
        ASSERT_EQ(file.size(), 24000u) << size;
        for (std::size_t start : {0, 6000, 18000}) {
            if (size < start + 4811) {
                EXPECT_TRUE(test::isEmptyRecord(&file[start])) << size << " bytes, record at " << start;
                continue;
            }
            const std::size_t kept = std::min(size, start + 6000);
            EXPECT_TRUE(std::equal(old.begin() + start, old.begin() + kept, file.begin() + start)) << size;
            const auto isFiller = [](int v) { return v >= 1 && v <= 9; };
            EXPECT_TRUE(std::all_of(file.begin() + kept, file.begin() + start + 6000, isFiller))
                << size << " bytes: new filler for record at " << start;
        }
        EXPECT_EQ(file[12000 + cellIndex(9, 9, 3)], 2) << size;
    }
}

} // namespace
} // namespace quintaro
