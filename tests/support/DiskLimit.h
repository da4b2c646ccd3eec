#pragma once
// Files may not grow past a few bytes while it lives: a full disk, even for root
// (who ignores permissions, so a read-only folder proves nothing).
#include <sys/resource.h>

#include <csignal>

class DiskLimit {
public:
    explicit DiskLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~DiskLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    DiskLimit(const DiskLimit&) = delete;
    DiskLimit& operator=(const DiskLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
