#include "players/text_list.h"

#include "io/atomic_write.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

TextList readTextList(const fs::path& file)
{
    TextList out;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        out.status = ec ? ListStatus::Unreadable : ListStatus::Missing;
        return out;
    }
    const auto size = fs::file_size(file, ec);
    if (ec || !fs::is_regular_file(file, ec)) {
        out.status = ListStatus::Unreadable;
        return out;
    }
    if (size > kMaxListBytes) {
        out.status = ListStatus::TooLarge;
        return out;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        out.status = ListStatus::Unreadable;
        return out;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > kMaxListBytes) {
        out.status = in.bad() ? ListStatus::Unreadable : ListStatus::TooLarge;
        return out;
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.lines.push_back(std::move(line));
        if (out.lines.size() > kMaxListLines) {
            out.lines.clear();
            out.status = ListStatus::TooLarge;
            return out;
        }
        start = end + 1;
    }
    while (!out.lines.empty() && out.lines.back().empty()) out.lines.pop_back();
    return out;
}

std::string textListBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& l : lines) {
        bytes += l;
        bytes += "\r\n";
    }
    return bytes;
}

bool writeTextLists(const std::vector<ListWrite>& writes, std::string& error)
{
    std::vector<FileContents> files;
    for (const auto& [file, lines] : writes)
        files.push_back({ file.string(), textListBytes(lines) });
    const WriteResult written = writeFilesTogether(files);
    if (!written.ok()) error = written.path + " " + describe(written);
    return written.ok();
}

void recoverTextLists(const std::vector<std::filesystem::path>& files)
{
    std::vector<std::string> paths;
    for (const auto& f : files) paths.push_back(f.string());
    recoverFilesTogether(paths);
}

} // namespace kv
