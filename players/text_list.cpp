#include "players/text_list.h"

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

namespace {

fs::path temporaryBeside(const fs::path& file) { return fs::path(file).concat(".tmp"); }

bool writeWhole(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool ok = out.good();
    out.close();
    return ok && !out.fail();
}

} // namespace

bool writeTextLists(const std::vector<ListWrite>& writes, std::string& error)
{
    std::vector<fs::path> written;
    auto discard = [&written] {
        std::error_code ignored;
        for (const fs::path& t : written) fs::remove(t, ignored);
    };
    for (const auto& [file, lines] : writes) {
        const fs::path tmp = temporaryBeside(file);
        written.push_back(tmp);
        if (!writeWhole(tmp, textListBytes(lines))) {
            error = "cannot write " + tmp.string();
            discard();
            return false;
        }
    }
    for (std::size_t i = 0; i < writes.size(); ++i) {
        std::error_code ec;
        fs::rename(written[i], writes[i].first, ec);
        if (ec) {
            error = "cannot replace " + writes[i].first.string() + ": " + ec.message();
            written.erase(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(i));
            discard();
            return false;
        }
    }
    return true;
}

} // namespace kv
