// Text lists: small files read and written whole, one entry per line, each
// line ended by CR LF. The two registry files and the results history are
// kept this way.
//
// Reading refuses what cannot be a list of ours (too large, too many lines)
// before anything is taken from it. Writing never changes a file in place, so
// a failed write leaves the old file whole.
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

// Writes several lists that change together (see writeFilesTogether): on
// failure no target has changed and `error` says why.
using ListWrite = std::pair<std::filesystem::path, std::vector<std::string>>;
bool writeTextLists(const std::vector<ListWrite>& writes, std::string& error);

// Before reading lists written together, the first one first: finishes what
// a killed writer left half done and removes its leftovers.
void recoverTextLists(const std::vector<std::filesystem::path>& files);

inline bool writeTextList(const std::filesystem::path& file, const std::vector<std::string>& lines,
                          std::string& error)
{
    return writeTextLists({ { file, lines } }, error);
}

} // namespace kv
