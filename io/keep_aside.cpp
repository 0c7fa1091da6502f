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
    // Appended piece by piece: GCC 12 reports a false -Wrestrict on literal + temporary.
    std::string base = (p.parent_path() / p.stem()).string();
    base += ".unreadable-";
    base += stamp;
    for (int n = 1; n <= 100; ++n) {
        std::string aside = base;
        if (n > 1) {
            aside += '-';
            aside += std::to_string(n);
        }
        aside += p.extension().string();
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace kv
