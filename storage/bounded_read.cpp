// Bounded reads of regular files through the system's own calls: a look before opening, no waiting on open.
#include "storage/bounded_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintaro {

namespace {

FileKind kindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    if (S_ISDIR(st.st_mode)) return FileKind::Folder;
    if (S_ISFIFO(st.st_mode)) return FileKind::Fifo;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return FileKind::Device;
    return FileKind::Other;
}

FileRange failed(int errorNumber) {
    FileRange r;
    r.kind = errorNumber == ENOENT || errorNumber == ENOTDIR ? FileKind::Missing : FileKind::Unreadable;
    r.errorNumber = errorNumber;
    return r;
}

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

FileRange readFileRange(const std::string& path, long long offset, std::size_t count) {
    if (offset < 0) return failed(EINVAL);
    struct stat st {};
    // Devices and FIFOs are named from a look at the path alone: opening some of them has effects.
    if (::stat(path.c_str(), &st) != 0) return failed(errno);
    if (kindOf(st) != FileKind::Regular) return FileRange{kindOf(st), 0, {}, 0};

    // Without waiting: the path may have become a FIFO since the look above.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) return failed(errno);
    if (::fstat(file.fd, &st) != 0) return failed(errno);
    if (kindOf(st) != FileKind::Regular) return FileRange{kindOf(st), 0, {}, 0};

    FileRange r;
    r.kind = FileKind::Regular;
    r.size = static_cast<long long>(st.st_size);
    r.bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n =
            ::pread(file.fd, r.bytes.data() + got, count - got, static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(errno);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    r.bytes.resize(got);
    return r;
}

} // namespace quintaro
