// A full disk, as far as this process can tell: writes past the limit fail (SIGXFSZ stays ignored).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quintaro::test {

struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
};

} // namespace quintaro::test
