// Whole-file replacement through QSaveFile.
#include "storage/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace quintaro {

std::string fileErrorDetail(const QFileDevice& f) {
    const QString why = f.errorString();
    return why.isEmpty() || why == QLatin1String("Unknown error") ? std::string() : " (" + why.toStdString() + ")";
}

bool replaceFile(const std::string& path, std::string_view bytes, std::string& reason) {
    const QString name = QString::fromStdString(path);
    // The player's data folder is made at the first save, never before.
    if (const QString folder = QFileInfo(name).absolutePath(); !QDir().mkpath(folder)) {
        reason = "der Ordner " + folder.toStdString() + " lässt sich nicht anlegen";
        return false;
    }
    QSaveFile out(name);
    // Unbuffered, so that a short write shows here: Qt 6.4 commits a file whose buffered bytes could
    // not all be flushed, cut short.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = path + " lässt sich nicht anlegen" + fileErrorDetail(out);
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (out.write(bytes.data(), size) != size) {
        reason = "Schreibfehler in " + path + ", ist der Datenträger voll?" + fileErrorDetail(out);
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        reason = path + " lässt sich nicht ersetzen" + fileErrorDetail(out);
        return false;
    }
    return true;
}

} // namespace quintaro
