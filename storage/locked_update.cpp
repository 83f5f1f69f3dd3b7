// Read, change and replace a file under a QLockFile beside it, so that games sharing a folder lose nothing.
#include "storage/locked_update.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cstring>
#include <thread>

#include "storage/bounded_read.h"

namespace quintaro {

namespace {

// How often a waiting save looks at the lock again: Qt's own wait doubles its pauses from 100 ms,
// far longer than another game's save takes.
constexpr std::chrono::milliseconds kLockPoll{10};

UpdateFailure readFailure(const std::string& path, const FileRange& file) {
    using enum WriteFailure::Step;
    switch (file.kind) {
    case FileKind::Folder:
        return {UpdateFailure::Step::Read, germanReason({Folder, path, ""})};
    case FileKind::Unreadable:
        return {UpdateFailure::Step::Read, path + " lässt sich nicht lesen (" + std::strerror(file.errorNumber) + ")"};
    default:
        return {UpdateFailure::Step::Read, germanReason({NotAFile, path, ""})};
    }
}

} // namespace

std::optional<UpdateFailure> updateFile(const std::string& path, std::size_t readLimit, const FileChange& change,
                                        WriteRules rules, std::chrono::milliseconds patience) {
    const QString name = QString::fromStdString(path);
    // The lock file goes into the folder too; a folder that cannot be made is reported by the write.
    if (rules.makeFolder) QDir().mkpath(QFileInfo(name).absolutePath());

    // A lock whose game has ended (no such process any more) counts as stale and is taken over at
    // once; so is one older than Qt's 30 seconds, unless its game still holds it open.
    QLockFile lock(name + ".lock");
    const QDeadlineTimer deadline(patience);
    while (!lock.tryLock(0)) {
        // No lock file can be made here at all: no other game can take one either.
        if (lock.error() != QLockFile::LockFailedError) break;
        if (deadline.hasExpired()) {
            const std::string lockFile = path + ".lock";
            return UpdateFailure{UpdateFailure::Step::Busy,
                                 path +
                                     " ist gesperrt: ein anderes laufendes Spiel schreibt gerade hinein oder hängt "
                                     "dabei (Sperrdatei " +
                                     lockFile + "); es wurde nichts geschrieben, bitte gleich noch einmal versuchen"};
        }
        std::this_thread::sleep_for(kLockPoll);
    }

    const FileRange now = readFileRange(path, 0, readLimit);
    if (now.kind != FileKind::Regular && now.kind != FileKind::Missing) return readFailure(path, now);
    const std::optional<std::string> bytes =
        change(std::string_view(reinterpret_cast<const char*>(now.bytes.data()), now.bytes.size()));
    if (!bytes) return std::nullopt;
    if (const auto failed = writeWholeFile(path, *bytes, rules))
        return UpdateFailure{UpdateFailure::Step::Write, germanReason(*failed)};
    return std::nullopt;
}

} // namespace quintaro
