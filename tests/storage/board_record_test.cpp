// Record bytes: decoding hand-made records, the bytes the encoder lays down, and the repair of odd file sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "record_fixture.h"
#include "storage/board_record.h"

namespace quintaro {
namespace {

using test::CountingRandom;
using test::isEmptyRecord;
using test::RecordBytes;

RecordClock decodeOk(const RecordBytes& rec, Board& b) {
    RecordClock clock;
    EXPECT_TRUE(decodeBoardRecord(rec.bytes, b, clock));
    return clock;
}

TEST(DecodeBoardRecord, PlacesCellsAndCandidatesByColumnThenRowThenGrid) {
    RecordBytes rec;
    rec.boardCell(3, 5, 2, 7);
    rec.givenCell(3, 5, 2, 7);
    rec.boardCell(9, 1, 0, 4); // a player's entry: no given
    rec.candidate(2, 8, 6, 3, 0xFF);
    rec.candidate(9, 9, 9, 1, 0x01); // any non-zero byte is a set candidate
    rec.candidate(4, 4, 0, 1, 0xFF); // symbol 0 carries no candidate
    Board b;
    b.candidates[candidateIndex(1, 1, 1, 0)] = true; // stale flags are cleared
    decodeOk(rec, b);

    EXPECT_EQ(b.board[cellIndex(3, 5, 2)], 7);
    EXPECT_EQ(b.givens[cellIndex(3, 5, 2)], 7);
    EXPECT_EQ(b.board[cellIndex(9, 1, 0)], 4);
    EXPECT_EQ(b.givens[cellIndex(9, 1, 0)], 0);
    EXPECT_EQ(std::count_if(b.board.begin(), b.board.end(), [](auto v) { return v != 0; }), 2);

    EXPECT_TRUE(b.candidates[candidateIndex(2, 8, 6, 3)]);
    EXPECT_TRUE(b.candidates[candidateIndex(9, 9, 9, 1)]);
    EXPECT_FALSE(b.candidates[candidateIndex(4, 4, 0, 1)]);
    EXPECT_EQ(std::count(b.candidates.begin(), b.candidates.end(), true), 2);
    EXPECT_EQ(b.candidateBytes[candidateIndex(4, 4, 0, 1)], 0xFF) << "the byte block is kept as stored";
    EXPECT_EQ(b.candidateBytes[candidateIndex(9, 9, 9, 1)], 0x01);
}

TEST(DecodeBoardRecord, ReadsClockFlagElapsedTimeAndLevelLittleEndian) {
    RecordBytes rec;
    rec.clockFlag(0xFF);
    rec.elapsedBits(0x40934A0000000000); // 1234.5
    rec.level(2, 0);
    Board b;
    const RecordClock clock = decodeOk(rec, b);
    EXPECT_EQ(clock.runningByte, 0xFF);
    EXPECT_EQ(clock.elapsedSeconds, 1234.5);
    EXPECT_EQ(clock.level, 2);
}

TEST(DecodeBoardRecord, ClampsLevelIntoZeroToThree) {
    const struct {
        std::uint8_t low, high;
        int expected;
    } cases[] = {{3, 0, 3}, {7, 0, 3}, {0, 1, 3}, {0xFF, 0xFF, 0}, {0, 0x80, 0}, {0xFE, 0x7F, 3}};
    for (const auto& c : cases) {
        RecordBytes rec;
        rec.level(c.low, c.high);
        Board b;
        EXPECT_EQ(decodeOk(rec, b).level, c.expected) << "bytes " << int(c.low) << " " << int(c.high);
    }
}

TEST(DecodeBoardRecord, DamagedElapsedTimeReadsAsZero) {
    const double damaged[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), -1.0, 1e300, kMaxElapsedSeconds * 2};
    for (double d : damaged) {
        RecordBytes rec;
        rec.clockFlag(0xFF);
        rec.elapsed(d);
        Board b;
        EXPECT_EQ(decodeOk(rec, b).elapsedSeconds, 0.0) << d;
    }
    for (double fine : {0.0, 0.25, 86399.9, kMaxElapsedSeconds}) {
        RecordBytes rec;
        rec.elapsed(fine);
        Board b;
        EXPECT_EQ(decodeOk(rec, b).elapsedSeconds, fine);
    }
}

TEST(DecodeBoardRecord, CellBytesAboveNineLoadAsEmptyInBothLayers) {
    RecordBytes rec;
    rec.boardCell(1, 1, 0, 10);
    rec.givenCell(1, 1, 0, 10);
    rec.boardCell(5, 5, 1, 5); // board fine, given damaged
    rec.givenCell(5, 5, 1, 200);
    rec.boardCell(6, 6, 2, 255); // board damaged, given fine
    rec.givenCell(6, 6, 2, 3);
    rec.boardCell(0, 3, 3, 99); // an entry without meaning gets the same treatment
    rec.boardCell(2, 2, 2, 9);  // untouched neighbour
    rec.givenCell(2, 2, 2, 9);
    Board b;
    decodeOk(rec, b);
    for (int i = 0; i < kCellLayerSize; ++i) {
        ASSERT_LE(b.board[i], 9) << "entry " << i;
        ASSERT_LE(b.givens[i], 9) << "entry " << i;
    }
    EXPECT_EQ(b.board[cellIndex(1, 1, 0)], 0);
    EXPECT_EQ(b.givens[cellIndex(5, 5, 1)], 0);
    EXPECT_EQ(b.board[cellIndex(5, 5, 1)], 0);
    EXPECT_EQ(b.givens[cellIndex(6, 6, 2)], 0);
    EXPECT_EQ(b.board[cellIndex(0, 3, 3)], 0);
    EXPECT_EQ(b.board[cellIndex(2, 2, 2)], 9);
    EXPECT_EQ(b.givens[cellIndex(2, 2, 2)], 9);
}

TEST(DecodeBoardRecord, NeverWrittenRecordGivesAnEmptyBoardAndFillerClock) {
    RecordBytes rec;
    for (int i = 4800; i < 6000; ++i) rec.bytes[i] = static_cast<std::uint8_t>(1 + i % 9);
    Board b;
    b.board[cellIndex(4, 4, 0)] = 3;
    b.givens[cellIndex(4, 4, 0)] = 3;
    const RecordClock clock = decodeOk(rec, b);
    EXPECT_TRUE(std::all_of(b.board.begin(), b.board.end(), [](auto v) { return v == 0; }));
    EXPECT_TRUE(std::all_of(b.givens.begin(), b.givens.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(std::count(b.candidates.begin(), b.candidates.end(), true), 0);
    EXPECT_EQ(clock.runningByte, rec.bytes[4800]);
    EXPECT_EQ(clock.level, 3) << "filler level bytes are far above 3";
    EXPECT_GE(clock.elapsedSeconds, 0.0);
    EXPECT_LT(clock.elapsedSeconds, 1e-200) << "filler as a double is a tiny positive number";
}

TEST(DecodeBoardRecord, NeedsTheBytesUpToTheFiller) {
    RecordBytes rec;
    rec.boardCell(1, 1, 0, 1);
    Board b;
    RecordClock clock;
    clock.level = 2;
    const std::span<const std::uint8_t> all(rec.bytes);
    EXPECT_FALSE(decodeBoardRecord(all.first(4810), b, clock));
    EXPECT_EQ(b.board[cellIndex(1, 1, 0)], 0) << "a short buffer changes nothing";
    EXPECT_EQ(clock.level, 2);
    EXPECT_FALSE(decodeBoardRecord({}, b, clock));
    EXPECT_TRUE(decodeBoardRecord(all.first(4811), b, clock)) << "the filler is never read";
    EXPECT_EQ(b.board[cellIndex(1, 1, 0)], 1);
}

// A board with a few cells, givens, candidates (one on a meaningless entry) and a running clock.
Board sampleBoard() {
    Board b;
    b.board[cellIndex(1, 7, 0)] = 8;
    b.givens[cellIndex(1, 7, 0)] = 8;
    b.board[cellIndex(7, 1, 1)] = 8;
    b.givens[cellIndex(7, 1, 1)] = 8;
    b.board[cellIndex(9, 9, 3)] = 2;
    b.candidates[candidateIndex(4, 5, 6, 2)] = true;
    b.candidates[candidateIndex(9, 9, 1, 3)] = true;
    b.candidates[candidateIndex(0, 5, 6, 2)] = true;
    b.candidates[candidateIndex(4, 5, 0, 2)] = true;
    b.candidateBytes[candidateIndex(1, 1, 1, 0)] = 0x55; // stale byte the writer must not keep
    return b;
}

TEST(EncodeBoardRecord, LaysDownTheRecordByteForByte) {
    Board b = sampleBoard();
    RecordClock clock{0xFF, 1234.5, 3};
    CountingRandom filler;
    std::vector<std::uint8_t> out(kRecordSize, 0xEE);
    encodeBoardRecord(b, clock, filler, std::span<std::uint8_t, kRecordSize>(out.data(), kRecordSize));

    RecordBytes expected;
    expected.boardCell(1, 7, 0, 8);
    expected.givenCell(1, 7, 0, 8);
    expected.boardCell(7, 1, 1, 8);
    expected.givenCell(7, 1, 1, 8);
    expected.boardCell(9, 9, 3, 2);
    expected.candidate(4, 5, 6, 2, 0xFF);
    expected.candidate(9, 9, 1, 3, 0xFF);
    expected.clockFlag(0xFF);
    expected.elapsedBits(0x40934A0000000000);
    expected.level(3, 0);
    for (int i = 4811; i < 6000; ++i) expected.bytes[i] = static_cast<std::uint8_t>((i - 4811) % 9 + 1);
    for (int i = 0; i < kRecordSize; ++i) ASSERT_EQ(out[i], expected.bytes[i]) << "byte " << i;

    EXPECT_EQ(b.candidateBytes[candidateIndex(4, 5, 6, 2)], 0xFF) << "candidateBytes is refreshed";
    EXPECT_EQ(b.candidateBytes[candidateIndex(1, 1, 1, 0)], 0x00);
    EXPECT_EQ(b.candidateBytes[candidateIndex(0, 5, 6, 2)], 0x00);
}

std::vector<std::uint8_t> patterned(std::size_t size) {
    std::vector<std::uint8_t> v(size);
    for (std::size_t i = 0; i < size; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return v;
}

TEST(BoardFileWithRecord, NewFileGetsThreeEmptyRecordsBesideTheWrittenOne) {
    Board b = sampleBoard();
    CountingRandom filler;
    const auto file = boardFileWithRecord({}, 2, b, RecordClock{}, filler);
    ASSERT_EQ(file.size(), 24000u);
    EXPECT_TRUE(isEmptyRecord(&file[0]));
    EXPECT_TRUE(isEmptyRecord(&file[6000]));
    EXPECT_TRUE(isEmptyRecord(&file[18000]));
    EXPECT_EQ(file[12000 + cellIndex(9, 9, 3)], 2);
    EXPECT_EQ(file[12000 + 400 + cellIndex(1, 7, 0)], 8);
}

TEST(BoardFileWithRecord, ProperFileChangesOnlyTheChosenRecord) {
    const auto old = patterned(24000);
    Board b = sampleBoard();
    CountingRandom filler;
    const auto file = boardFileWithRecord(old, 1, b, RecordClock{}, filler);
    ASSERT_EQ(file.size(), 24000u);
    EXPECT_TRUE(std::equal(old.begin(), old.begin() + 6000, file.begin()));
    EXPECT_TRUE(std::equal(old.begin() + 12000, old.end(), file.begin() + 12000));
    EXPECT_EQ(file[6000 + cellIndex(9, 9, 3)], 2);
}

TEST(BoardFileWithRecord, OtherLengthsAreResetFirstAndATailBeyondTheFourRecordsStays) {
    Board b = sampleBoard();
    CountingRandom filler;
    for (std::size_t size : {std::size_t{1}, std::size_t{6000}, std::size_t{23999}}) {
        const auto file = boardFileWithRecord(patterned(size), 0, b, RecordClock{}, filler);
        ASSERT_EQ(file.size(), 24000u) << size;
        for (int n = 1; n < 4; ++n) EXPECT_TRUE(isEmptyRecord(&file[n * 6000])) << size << " record " << n;
    }

    const auto old = patterned(30000);
    const auto once = boardFileWithRecord(old, 3, b, RecordClock{}, filler);
    ASSERT_EQ(once.size(), 30000u);
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(isEmptyRecord(&once[n * 6000])) << "record " << n;
    EXPECT_EQ(once[18000 + cellIndex(9, 9, 3)], 2);
    EXPECT_TRUE(std::equal(old.begin() + 24000, old.end(), once.begin() + 24000));

    // Still not 24,000 bytes long, so the next save resets it again and record 3 is lost.
    const auto twice = boardFileWithRecord(once, 0, b, RecordClock{}, filler);
    ASSERT_EQ(twice.size(), 30000u);
    EXPECT_TRUE(isEmptyRecord(&twice[18000]));
    EXPECT_TRUE(std::equal(old.begin() + 24000, old.end(), twice.begin() + 24000));
}

} // namespace
} // namespace quintaro
