#pragma once

#include <csignal>
#include <sys/resource.h>

// Stands in for a full disk while it lives: no file grows past `bytes`, and
// a write beyond fails (its signal ignored) instead of ending the process.
// It binds whatever rights the test runs with, root's included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit full{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*handler_)(int);
};
