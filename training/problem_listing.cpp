#include "training/problem_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kv {

namespace {
bool isProblemName(const std::string& name)
{
    if (name.size() < 5) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".dam";
}
} // namespace

std::vector<std::string> listProblemFiles(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isProblemName(name) && it->is_regular_file(ec)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ProblemCursor::open(const std::string& dir, const std::string& fileName)
{
    dir_ = dir;
    const auto names = listProblemFiles(dir);
    current_
        = std::find(names.begin(), names.end(), fileName) != names.end() ? fileName : std::string();
}

std::string ProblemCursor::next()
{
    const auto names = listProblemFiles(dir_);
    if (names.empty()) {
        current_.clear();
        return {};
    }
    auto it
        = current_.empty() ? names.end() : std::upper_bound(names.begin(), names.end(), current_);
    current_ = it == names.end() ? names.front() : *it;
    return currentPath();
}

std::string ProblemCursor::currentPath() const
{
    if (current_.empty()) return {};
    return (std::filesystem::path(dir_) / current_).string();
}

} // namespace kv
