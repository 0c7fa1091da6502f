// Text lists: small files read and written whole, one entry per line, each
// line ended by CR LF. The two registry files and the results history are
// kept this way.
//
// Reading refuses what cannot be a list of ours (too large, too many lines)
// before anything is taken from it. Writing goes through a temporary file
// beside the target and a rename, so a failed write leaves the old file whole.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kv {

inline constexpr std::size_t kMaxListBytes = 1 << 20;
inline constexpr std::size_t kMaxListLines = 20000;

enum class ListStatus { Ok, Missing, Unreadable, TooLarge };

struct TextList {
    ListStatus status = ListStatus::Ok;
    std::vector<std::string> lines; // without their line ends; trailing empty lines dropped
};

TextList readTextList(const std::filesystem::path& file);

// The bytes written for `lines`: each line followed by CR LF.
std::string textListBytes(const std::vector<std::string>& lines);

// Writes several lists so that they change together as far as the file
// system allows: every temporary file is written and checked first, then all
// are renamed in order. On failure no target has changed and `error` says why.
using ListWrite = std::pair<std::filesystem::path, std::vector<std::string>>;
bool writeTextLists(const std::vector<ListWrite>& writes, std::string& error);

inline bool writeTextList(const std::filesystem::path& file, const std::vector<std::string>& lines,
                          std::string& error)
{
    return writeTextLists({ { file, lines } }, error);
}

} // namespace kv
