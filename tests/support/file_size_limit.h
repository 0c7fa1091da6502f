// Runs a piece of code as on a full disc: files may not grow past `bytes`
// (a write beyond fails with EFBIG instead of raising SIGXFSZ).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace kv::test {

template <class Body> auto withFileSizeLimit(rlim_t bytes, Body body)
{
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

} // namespace kv::test
