#include "io/keep_aside.h"

#include <cerrno>
#include <ctime>
#include <filesystem>

#include <fcntl.h>
#include <stdio.h>

namespace kv {

std::optional<std::string> keepAside(const std::string& path)
{
    const std::filesystem::path p(path);
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = (p.parent_path() / p.stem()).string() + ".unreadable-" + stamp;
    for (int n = 1; n <= 100; ++n) {
        const std::string aside
            = base + (n > 1 ? std::string("-") + std::to_string(n) : "") + p.extension().string();
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace kv
