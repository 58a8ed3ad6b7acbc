// A file-size limit for the length of a call.
#include "file_limit.h"

#include <csignal>

void with_file_size_limit(rlim_t bytes, const std::function<void()>& f)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    // Without this the first write past the limit ends the process.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    f();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}
