// Writing qbr's board files through the system's own calls, so that any name a shell can give works.
#include "tools/output_file.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "tools/escape_text.h"

namespace quintaro {

namespace {

std::string failure(const std::string& why) { return "cannot write the board file: " + why; }

std::string reason(int errorNumber) { return " (" + std::generic_category().message(errorNumber) + ")"; }

// The folder part of path as given ("." for a bare name), so that a message names what the user typed.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file in path's folder with a name no other file has, open for writing, made with mode (less the umask).
struct NewFile {
    std::string name;
    int fd = -1;
    int errorNumber = 0;
};

NewFile makeNewFile(const std::string& path, mode_t mode) {
    const std::size_t slash = path.find_last_of('/');
    const std::string prefix = path.substr(0, slash + 1) + "." + path.substr(slash + 1) + ".";
    std::random_device device;
    NewFile made;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made.name = prefix + std::to_string(device() % 1000000);
        made.fd = ::open(made.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (made.fd >= 0 || errno != EEXIST) break;
    }
    made.errorNumber = made.fd < 0 ? errno : 0;
    return made;
}

// What must hold before a file is made: path names a file that may be replaced, in a folder that
// exists. oldMode gets the permissions of the file path names now, if any.
std::optional<std::string> checkTarget(const std::string& path, std::optional<mode_t>& oldMode) {
    if (path.empty()) return failure("the file name is empty");
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return failure(shownName(path) + " is a folder");
        if (!S_ISREG(st.st_mode)) return failure(shownName(path) + " is not a regular file");
        oldMode = st.st_mode & 0777;
    }
    const std::string folder = folderOf(path);
    if (::stat(folder.c_str(), &st) != 0) return failure("the folder " + shownName(folder) + " does not exist");
    if (!S_ISDIR(st.st_mode)) return failure(shownName(folder) + " is not a folder");
    return std::nullopt;
}

// A new file beside path, made with mode, once path passes checkTarget; none, with the message in error,
// otherwise. oldMode as checkTarget gives it.
std::optional<NewFile> openBeside(const std::string& path, mode_t mode, std::optional<mode_t>& oldMode,
                                  std::string& error) {
    if (const auto bad = checkTarget(path, oldMode)) {
        error = *bad;
        return std::nullopt;
    }
    NewFile file = makeNewFile(path, mode);
    if (file.fd < 0) {
        error = failure(shownName(path) + " cannot be created" + reason(file.errorNumber));
        return std::nullopt;
    }
    return file;
}

// Writes every byte to fd and makes sure it reached the disk; 0, or the system's error number.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error) {
    std::optional<mode_t> oldMode;
    const std::optional<NewFile> made = openBeside(path, 0666, oldMode, error);
    if (!made) return false;
    const NewFile& file = *made;
    // A replaced file keeps its permissions; a new one gets what the umask leaves.
    int failed = oldMode && ::fchmod(file.fd, *oldMode) != 0 ? errno : writeAll(file.fd, bytes);
    if (::close(file.fd) != 0 && failed == 0) failed = errno;
    if (failed != 0) {
        ::unlink(file.name.c_str());
        error = failure("write error in " + shownName(path) + ", is the disk full?" + reason(failed));
        return false;
    }
    if (::rename(file.name.c_str(), path.c_str()) != 0) {
        const int why = errno;
        ::unlink(file.name.c_str());
        error = failure(shownName(path) + " cannot be replaced" + reason(why));
        return false;
    }
    return true;
}

bool checkOutputFile(const std::string& path, std::string& error) {
    std::optional<mode_t> oldMode;
    const std::optional<NewFile> probe = openBeside(path, 0600, oldMode, error);
    if (!probe) return false;
    ::close(probe->fd);
    ::unlink(probe->name.c_str());
    return true;
}

} // namespace quintaro
