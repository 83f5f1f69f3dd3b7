// A folder in which no new file can be made, while the files already in it stay writable.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace quintaro::test {

// Mode 0555 stops everyone but root; for root the folder is also made immutable, where the file
// system and the process's rights allow it. locked tells whether either worked.
class LockedFolder {
public:
    explicit LockedFolder(std::string folder) : path_(std::move(folder)) {
        ::chmod(path_.c_str(), 0555);
        locked = !canCreate();
        if (!locked && setImmutable(true)) {
            immutable_ = true;
            locked = !canCreate();
        }
    }
    ~LockedFolder() {
        if (immutable_) setImmutable(false);
        ::chmod(path_.c_str(), 0755);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked = false;

private:
    std::string path_;
    bool immutable_ = false;

    bool canCreate() const {
        const std::string probe = path_ + "/.probe";
        const int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }
    bool setImmutable(bool on) const {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
};

} // namespace quintaro::test
