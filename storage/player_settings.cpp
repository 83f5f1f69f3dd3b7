// The player's settings through QSettings: every value checked on reading, every failure named on writing.
#include "storage/player_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cmath>

#include "storage/atomic_file.h"
#include "storage/bounded_read.h"
#include "storage/set_aside.h"

namespace quintaro {

namespace {

namespace key {
constexpr const char* level = "game/level";
constexpr const char* digits = "game/digits";
constexpr const char* candidates = "game/candidates";
constexpr const char* symmetry = "game/symmetry";
constexpr const char* freshPuzzles = "game/freshPuzzles";
constexpr const char* x = "window/x";
constexpr const char* y = "window/y";
constexpr const char* width = "window/width";
constexpr const char* height = "window/height";
constexpr const char* factor = "window/factor";
constexpr const char* fullScreen = "window/fullScreen";
} // namespace key

// Reads the values of one file, noting each key that is there but unusable.
class ValueReader {
public:
    ValueReader(const QSettings& file, std::vector<std::string>& reset) : file_(file), reset_(reset) {}

    void readBool(const char* name, bool& out) {
        const auto text = plainText(name);
        if (!text) return;
        if (*text == QLatin1String("true") || *text == QLatin1String("false"))
            out = *text == QLatin1String("true");
        else
            reset_.push_back(name);
    }

    std::optional<int> readInt(const char* name, int low, int high) {
        const auto text = plainText(name);
        if (!text) return std::nullopt;
        bool ok = false;
        const int value = text->toInt(&ok);
        if (ok && value >= low && value <= high) return value;
        reset_.push_back(name);
        return std::nullopt;
    }

    std::optional<double> readDouble(const char* name, double low, double high) {
        const auto text = plainText(name);
        if (!text) return std::nullopt;
        bool ok = false;
        const double value = text->toDouble(&ok);
        if (ok && std::isfinite(value) && value >= low && value <= high) return value;
        reset_.push_back(name);
        return std::nullopt;
    }

private:
    const QSettings& file_;
    std::vector<std::string>& reset_;

    // The INI format gives a plain value as a string; a list ("1,2") or a typed value ("@Size(…)") is
    // no value the game writes.
    std::optional<QString> plainText(const char* name) {
        if (!file_.contains(QLatin1String(name))) return std::nullopt;
        const QVariant value = file_.value(QLatin1String(name));
        if (value.typeId() == QMetaType::QString) return value.toString().trimmed();
        reset_.push_back(name);
        return std::nullopt;
    }
};

PlayerSettings readValues(const QSettings& file, std::vector<std::string>& reset) {
    PlayerSettings s;
    ValueReader read(file, reset);
    s.level = read.readInt(key::level, 0, 3).value_or(s.level);
    read.readBool(key::digits, s.digitMode);
    read.readBool(key::candidates, s.showCandidates);
    read.readBool(key::symmetry, s.puzzleSymmetry);
    read.readBool(key::freshPuzzles, s.freshPuzzles);
    const auto x = read.readInt(key::x, -kMaxWindowOffset, kMaxWindowOffset);
    const auto y = read.readInt(key::y, -kMaxWindowOffset, kMaxWindowOffset);
    const auto width = read.readInt(key::width, kMinWindowSide, kMaxWindowSide);
    const auto height = read.readInt(key::height, kMinWindowSide, kMaxWindowSide);
    if (x && y && width && height) s.window = WindowPlace{*x, *y, *width, *height};
    s.scaleFactor = read.readDouble(key::factor, kMinScaleFactor, kMaxScaleFactor);
    read.readBool(key::fullScreen, s.fullScreen);
    return s;
}

} // namespace

std::string settingsFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!QDir::isAbsolutePath(folder)) folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(folder + QStringLiteral("/quintaro/quintaro.conf")).toStdString();
}

SettingsReading readPlayerSettings(const std::string& path) {
    // One byte more than the limit shows a longer file; a FIFO or a device is never opened.
    const FileRange bytes = readFileRange(path, 0, kSettingsReadLimit + 1);
    if (bytes.kind == FileKind::Missing) return {};
    SettingsReading r{PlayerSettings{}, SettingsReading::Status::Unusable, {}};
    if (bytes.kind != FileKind::Regular || bytes.bytes.size() > kSettingsReadLimit) return r;

    // QSettings keeps what it parsed of a path for the whole run and reports a parse error only the
    // first time, so a private copy of the bytes is parsed instead, afresh on every read.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/quintaro-settings-XXXXXX.conf"));
    const auto size = static_cast<qint64>(bytes.bytes.size());
    const bool copied =
        copy.open() && copy.write(reinterpret_cast<const char*>(bytes.bytes.data()), size) == size && copy.flush();
    const QSettings file(copied ? copy.fileName() : QString::fromStdString(path), QSettings::IniFormat);
    r.settings = readValues(file, r.reset);
    // QSettings parses at the first look at a value, so only now does its status tell.
    if (file.status() != QSettings::NoError) return {PlayerSettings{}, SettingsReading::Status::Unusable, {}};
    r.status = SettingsReading::Status::Loaded;
    return r;
}

std::string writePlayerSettings(const std::string& path, const PlayerSettings& s) {
    const QString name = QString::fromStdString(path);
    const FileRange look = readFileRange(path, 0, 0);
    if (look.kind == FileKind::Folder) return germanReason({WriteFailure::Step::Folder, path, ""});
    if (look.kind != FileKind::Regular && look.kind != FileKind::Missing)
        return germanReason({WriteFailure::Step::NotAFile, path, ""});
    const QString folder = QFileInfo(name).absolutePath();
    if (!QDir().mkpath(folder)) return germanReason({WriteFailure::Step::NoFolder, folder.toStdString(), ""});
    // QSettings would keep the parse error of a damaged file in its status, hiding how the write went.
    if (readPlayerSettings(path).status == SettingsReading::Status::Unusable) {
        std::string error;
        if (!setFileAside(path, error)) return error;
    }

    QSettings file(name, QSettings::IniFormat);
    file.setValue(key::level, s.level);
    file.setValue(key::digits, s.digitMode);
    file.setValue(key::candidates, s.showCandidates);
    file.setValue(key::symmetry, s.puzzleSymmetry);
    file.setValue(key::freshPuzzles, s.freshPuzzles);
    for (const char* k : {key::x, key::y, key::width, key::height}) file.remove(k);
    if (s.window) {
        file.setValue(key::x, s.window->x);
        file.setValue(key::y, s.window->y);
        file.setValue(key::width, s.window->width);
        file.setValue(key::height, s.window->height);
    }
    if (s.scaleFactor)
        file.setValue(key::factor, *s.scaleFactor);
    else
        file.remove(key::factor);
    file.setValue(key::fullScreen, s.fullScreen);
    file.sync();
    if (file.status() != QSettings::NoError) return path + " lässt sich nicht schreiben";
    return {};
}

} // namespace quintaro
