// libFuzzer harness: the bounded reader on every kind of path a player's folder may hold (a file of any
// length, with holes, links, a folder, a FIFO, a device, a socket, nothing) and any offset and count:
// it names the kind, never waits, and reads exactly the asked-for part of a regular file.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "storage/bounded_read.h"

namespace {

using namespace quintaro;
namespace fs = std::filesystem;

// Reads ask for at most this much: the game's own readers ask for 24,000 bytes or less.
constexpr std::size_t kMaxCount = 1 << 16;
// The hole after a file's bytes reaches up to 2^40 bytes; the file system keeps it sparse.
constexpr int kHoleBits = 40;

void require(bool ok) {
    if (!ok) std::abort();
}

std::uint64_t wordAt(const std::uint8_t* data, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | data[i];
    return v;
}

// A folder of its own with one path of each kind, made at start and removed at exit; "datei" is
// rewritten for each input.
class Paths {
public:
    Paths() {
        std::string pattern = (fs::temp_directory_path() / "read-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr);
        folder_ = pattern;
        fs::create_directory(folder_ / "ordner");
        require(::mkfifo((folder_ / "fifo").c_str(), 0600) == 0);
        fs::create_symlink("datei", folder_ / "verweis");
        fs::create_symlink("fehlt", folder_ / "ins-leere");
        fs::create_symlink("schleife", folder_ / "schleife");
        fs::create_symlink("/dev/null", folder_ / "geraet");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = (folder_ / "sockel").string();
        require(socketPath.size() < sizeof address.sun_path);
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        require(socket_ >= 0 && ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    }
    ~Paths() {
        ::close(socket_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Paths(const Paths&) = delete;
    Paths& operator=(const Paths&) = delete;

    std::string operator()(const char* name) const { return (folder_ / name).string(); }

private:
    fs::path folder_;
    int socket_ = -1;
};

const Paths& paths() {
    static const Paths made;
    return made;
}

// Writes bytes to path, then a hole up to length when that is longer.
void writeFile(const std::string& path, const std::uint8_t* bytes, std::size_t size, long long length) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    require(fd >= 0);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        require(n > 0);
        done += static_cast<std::size_t>(n);
    }
    if (length > static_cast<long long>(size)) require(::ftruncate(fd, static_cast<off_t>(length)) == 0);
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    paths();
    return 0;
}

// Input: which of the ten paths (1 byte), the offset (8 bytes, any sign), the count (4 bytes), the hole's length
// (5 bytes), then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 1 + 8 + 4 + 5;
    if (size < kHeader) return 0;
    const int which = data[0] % 10;
    const auto offset = static_cast<long long>(wordAt(data + 1, 8));
    const std::size_t count = wordAt(data + 9, 4) % (kMaxCount + 1);
    const std::uint8_t* bytes = data + kHeader;
    const std::size_t length = size - kHeader;
    const long long fileLength =
        std::max(static_cast<long long>(length), static_cast<long long>(wordAt(data + 13, 5) % (1ULL << kHoleBits)));
    writeFile(paths()("datei"), bytes, length, fileLength);

    static constexpr const char* kNames[] = {"datei",  "verweis",   "fehlt",       "ordner",   "fifo",
                                             "geraet", "ins-leere", "datei/darin", "schleife", "sockel"};
    const FileRange range = readFileRange(paths()(kNames[which]), offset, count);
    require(range.bytes.size() <= count);
    if (range.kind != FileKind::Regular) require(range.bytes.empty() && range.size == 0);
    if (range.kind == FileKind::Unreadable) require(range.errorNumber != 0);
    if (range.kind != FileKind::Unreadable && range.kind != FileKind::Missing) require(range.errorNumber == 0);

    if (offset < 0) {
        require(range.kind == FileKind::Unreadable && range.errorNumber == EINVAL);
        return 0;
    }
    switch (which) {
    case 0:
    case 1: {
        require(range.kind == FileKind::Regular && range.size == fileLength);
        const long long expected =
            offset >= fileLength ? 0 : std::min(fileLength - offset, static_cast<long long>(count));
        require(static_cast<long long>(range.bytes.size()) == expected);
        for (std::size_t i = 0; i < range.bytes.size(); ++i) {
            const auto at = static_cast<std::size_t>(offset) + i;
            require(range.bytes[i] == (at < length ? bytes[at] : 0));
        }
        break;
    }
    case 2:
    case 6:
    case 7:
        require(range.kind == FileKind::Missing);
        break;
    case 3:
        require(range.kind == FileKind::Folder);
        break;
    case 4:
        require(range.kind == FileKind::Fifo);
        break;
    case 5:
        require(range.kind == FileKind::Device);
        break;
    case 8:
        require(range.kind == FileKind::Unreadable && range.errorNumber == ELOOP);
        break;
    case 9:
        require(range.kind == FileKind::Other);
        break;
    }
    return 0;
}
