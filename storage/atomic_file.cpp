// Whole-file replacement through QSaveFile, and the in-place write for a folder that refuses new files.
#include "storage/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quintaro {

namespace {

using Step = WriteFailure::Step;

WriteFailure failure(Step step, const std::string& where, const QFileDevice& file, bool inPlace = false) {
    return {step, where, fileErrorDetail(file), inPlace};
}

// Checks what can be checked before a file is opened: that path may be a file and its folder exists.
std::optional<WriteFailure> checkTarget(const QString& name, const std::string& path, WriteRules rules) {
    const QFileInfo info(name);
    if (info.isDir()) return WriteFailure{Step::Folder, path, ""};
    if (rules.regularOnly && info.exists() && !info.isFile()) return WriteFailure{Step::NotAFile, path, ""};
    const QString folder = info.absolutePath();
    if (!(rules.makeFolder ? QDir().mkpath(folder) : QDir(folder).exists()))
        return WriteFailure{Step::NoFolder, folder.toStdString(), ""};
    return std::nullopt;
}

// Writes bytes over path from its start, then cuts it to their length; every step is checked and the
// data must reach the disk. The file is not emptied first: a write that stops part way, on a full
// disk, leaves the old bytes behind that point rather than a short file.
std::optional<WriteFailure> overwriteInPlace(const QString& name, const std::string& path, std::string_view bytes) {
    QFile file(name);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return failure(Step::Create, path, file);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || (file.size() != size && !file.resize(size)))
        return failure(Step::Write, path, file, true);
    if (::fsync(file.handle()) != 0)
        return WriteFailure{Step::Write, path, std::string(" (") + std::strerror(errno) + ")", true};
    file.close();
    if (file.error() != QFileDevice::NoError) return failure(Step::Write, path, file, true);
    return std::nullopt;
}

} // namespace

std::string fileErrorDetail(const QFileDevice& f) {
    // A short write (the disk filled part way) sets no error: Qt then has no system reason, only its
    // "Unknown error" in the language of the moment, which tells the player nothing.
    if (f.error() == QFileDevice::NoError) return {};
    const QString why = f.errorString();
    return why.isEmpty() ? std::string() : " (" + why.toStdString() + ")";
}

std::optional<WriteFailure> writeWholeFile(const std::string& path, std::string_view bytes, WriteRules rules) {
    const QString name = QString::fromStdString(path);
    if (auto bad = checkTarget(name, path, rules)) return bad;
    QSaveFile out(name);
    // Unbuffered, so that a short write shows here: Qt 6.4 commits a file whose buffered bytes could
    // not all be flushed, cut short.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // A writable file in a folder the user cannot write: the new file cannot go beside it, so
        // it is written over instead; the folder's refusal is what the user hears if that fails too.
        if (rules.overwriteInPlace && QFileInfo(name).isFile()) {
            auto inPlace = overwriteInPlace(name, path, bytes);
            return inPlace && inPlace->step == Step::Create ? failure(Step::Create, path, out) : inPlace;
        }
        return failure(Step::Create, path, out);
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (out.write(bytes.data(), size) != size) {
        const WriteFailure why = failure(Step::Write, path, out);
        out.cancelWriting();
        return why;
    }
    if (!out.commit()) return failure(Step::Replace, path, out);
    return std::nullopt;
}

std::string germanReason(const WriteFailure& f) {
    switch (f.step) {
    case Step::Folder:
        return f.where + " ist ein Ordner";
    case Step::NotAFile:
        return f.where + " ist keine gewöhnliche Datei";
    case Step::NoFolder:
        return "der Ordner " + f.where + " lässt sich nicht anlegen";
    case Step::Create:
        return f.where + " lässt sich nicht anlegen" + f.detail;
    case Step::Write:
        return "Schreibfehler in " + f.where + ", ist der Datenträger voll?" + f.detail +
               (f.inPlace ? "; die Datei ist nun womöglich unvollständig" : "");
    case Step::Replace:
        return f.where + " lässt sich nicht ersetzen" + f.detail;
    }
    return f.where;
}

} // namespace quintaro
