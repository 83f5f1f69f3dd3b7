// A settings folder of the test's own, empty at first: the game starts as on a first run and never reads or
// writes the settings of the player running the tests.
#pragma once

#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>

namespace quintaro {

// Points XDG_CONFIG_HOME at a new empty folder for its lifetime; the value before comes back after.
// Held before the game it serves, so that the game's start-up sees it.
class PrivateSettingsFolder {
public:
    PrivateSettingsFolder() {
        if (const char* before = std::getenv("XDG_CONFIG_HOME")) before_ = before;
        ::setenv("XDG_CONFIG_HOME", path().c_str(), 1);
    }
    ~PrivateSettingsFolder() {
        if (before_)
            ::setenv("XDG_CONFIG_HOME", before_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    PrivateSettingsFolder(const PrivateSettingsFolder&) = delete;
    PrivateSettingsFolder& operator=(const PrivateSettingsFolder&) = delete;

    std::string path() const { return folder_.path().toStdString(); }
    // Where the game keeps its settings inside it.
    std::string settingsFile() const { return path() + "/quintaro/quintaro.conf"; }

private:
    QTemporaryDir folder_;
    std::optional<std::string> before_;
};

} // namespace quintaro
