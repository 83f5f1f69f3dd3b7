// Reading and writing one record of a board file on disk; the byte layout lives in board_record.cpp.
#include "storage/board_file.h"

#include "storage/atomic_file.h"
#include "storage/bounded_read.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

namespace quintaro {

namespace {

std::string saveFailure(const std::string& reason) { return "Das Brett konnte nicht gesichert werden: " + reason; }

} // namespace

ReadStatus readBoardRecord(const std::string& path, int record, Board& b, RecordClock& clock) {
    if (record < 0 || record >= kRecordCount) return ReadStatus::Unreadable;
    // Only the record's data are read: a huge file, a FIFO or a device never holds the game up.
    const FileRange range = readFileRange(path, std::int64_t{record} * kRecordSize, kRecordDataSize);
    if (range.kind == FileKind::Missing) return ReadStatus::Missing;
    if (range.kind != FileKind::Regular) return ReadStatus::Unreadable;
    if (!decodeBoardRecord(range.bytes, b, clock)) return ReadStatus::TooShort;
    return ReadStatus::Loaded;
}

bool writeBoardRecord(const std::string& path, int record, Board& b, const RecordClock& clock,
                      RandomSource& filler, std::string& error) {
    if (record < 0 || record >= kRecordCount) {
        error = saveFailure("Platz " + std::to_string(record + 1) + " gibt es nicht (erlaubt sind 1 bis 4)");
        return false;
    }
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    // A FIFO or device would hold the game up here, and would not give the board back.
    if (info.isDir() || (info.exists() && !info.isFile())) {
        using enum WriteFailure::Step;
        error = saveFailure(germanReason({info.isDir() ? Folder : NotAFile, path, ""}));
        return false;
    }

    // The other three slots must survive, so the old contents are read in full before anything is written.
    std::vector<std::uint8_t> old;
    if (info.exists()) {
        QFile in(name);
        if (!in.open(QIODevice::ReadOnly)) {
            error = saveFailure(path + " lässt sich nicht lesen" + fileErrorDetail(in));
            return false;
        }
        const QByteArray data = in.readAll();
        if (in.error() != QFileDevice::NoError) {
            error = saveFailure(path + " lässt sich nicht lesen" + fileErrorDetail(in));
            return false;
        }
        old.assign(data.begin(), data.end());
    }

    const std::vector<std::uint8_t> image = boardFileWithRecord(std::move(old), record, b, clock, filler);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    const auto failed = writeWholeFile(path, bytes, {.makeFolder = true, .regularOnly = true, .overwriteInPlace = true});
    if (failed) error = saveFailure(germanReason(*failed));
    return !failed;
}

} // namespace quintaro
