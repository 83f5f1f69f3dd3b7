// Setting a damaged file aside under a name that says so, beside where it was.
#include "storage/set_aside.h"

#include <QFile>
#include <QFileInfo>

#include "storage/atomic_file.h"

namespace quintaro {

std::optional<std::string> setFileAside(const std::string& path, std::string& error) {
    constexpr int kNames = 99;
    QFile file(QString::fromStdString(path));
    for (int n = 1; n <= kNames; ++n) {
        std::string aside = path + ".defekt";
        if (n > 1) aside.append("-").append(std::to_string(n));
        const QString name = QString::fromStdString(aside);
        // A dangling link counts as taken too: renaming onto it would replace it.
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink()) continue;
        if (file.rename(name)) return aside;
        error = path + " lässt sich nicht umbenennen" + fileErrorDetail(file);
        return std::nullopt;
    }
    error = path + " lässt sich nicht umbenennen: die Namen " + path + ".defekt bis .defekt-" + std::to_string(kNames) +
            " sind alle vergeben";
    return std::nullopt;
}

} // namespace quintaro
