// The hall-of-fame file: its 120 lines in Windows-1252, read when shown and changed under its lock.
#include "storage/hall_of_fame_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#include "storage/bounded_read.h"
#include "storage/hall_of_fame_text.h"

namespace quintaro {

namespace {

std::string saveFailure(const std::string& reason) {
    return "Die Ruhmeshalle konnte nicht gesichert werden: " + reason;
}

// Where line n (0-based) of the file belongs: level n / 30, rank n % 30 / 3 + 1, name, date or time.
struct LineField {
    HallOfFame::Table HallOfFame::*table;
    int rank, level;
    bool isName() const { return table == &HallOfFame::championNames; }
};

LineField lineField(int n) {
    constexpr HallOfFame::Table HallOfFame::*kFields[] = {&HallOfFame::championNames, &HallOfFame::championDates,
                                                          &HallOfFame::championTimes};
    return {kFields[n % 3], n % (3 * kHallRanks) / 3 + 1, n / (3 * kHallRanks)};
}

std::string storedField(const LineField& f, const std::string& text) {
    return f.isName() ? championName(text) : storableLine(text);
}

} // namespace

void decodeHallOfFame(std::string_view bytes, HallOfFame& hof) {
    resetHallOfFame(hof);
    QStringDecoder decode(kHallCodePage);
    std::size_t start = 0;
    for (int n = 0; n < kHallFileLines && start < bytes.size(); ++n) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const QString line = decode.decode(QByteArrayView(bytes.data() + start, static_cast<qsizetype>(end - start)));
        start = end + 1;
        // The CR of a CR LF goes with the other control characters.
        const LineField f = lineField(n);
        (hof.*f.table)[f.rank][f.level] = storedField(f, line.toStdString());
    }
}

std::string encodeHallOfFame(const HallOfFame& hof) {
    QStringEncoder encode(kHallCodePage);
    std::string out;
    for (int n = 0; n < kHallFileLines; ++n) {
        const LineField f = lineField(n);
        const QByteArray bytes = encode.encode(QString::fromStdString(storedField(f, (hof.*f.table)[f.rank][f.level])));
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        out += "\r\n";
    }
    return out;
}

bool readHallOfFame(const std::string& path, HallOfFame& hof) {
    // Regular files only, and no more of one than a hall of fame can hold: a FIFO or a device in its
    // place must neither hold the game nor flood it.
    const FileRange file = readFileRange(path, 0, kHallFileReadLimit);
    if (file.kind != FileKind::Regular) {
        resetHallOfFame(hof);
        return false;
    }
    decodeHallOfFame(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()), hof);
    return true;
}

bool updateHallOfFame(const std::string& path, const std::function<bool(HallOfFame&)>& change, std::string& error,
                      std::chrono::milliseconds patience) {
    const auto changed = [&](std::string_view now) -> std::optional<std::string> {
        HallOfFame hof;
        decodeHallOfFame(now, hof);
        if (!change(hof)) return std::nullopt;
        return encodeHallOfFame(hof);
    };
    const auto failed = updateFile(path, kHallFileReadLimit, changed,
                                   {.makeFolder = true, .regularOnly = true, .overwriteInPlace = false}, patience);
    if (failed) error = saveFailure(failed->reason);
    return !failed;
}

bool writeHallOfFame(const std::string& path, const HallOfFame& hof, std::string& error) {
    return updateHallOfFame(
        path,
        [&](HallOfFame& stored) {
            stored = hof;
            return true;
        },
        error);
}

} // namespace quintaro
