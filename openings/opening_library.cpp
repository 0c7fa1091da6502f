#include "openings/opening_library.h"

#include "openings/book_lookup.h"

#include "io/atomic_write.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

std::size_t OpeningLibrary::add(std::string line)
{
    const auto at = std::upper_bound(lines_.begin(), lines_.end(), line);
    const auto index = static_cast<std::size_t>(at - lines_.begin());
    lines_.insert(at, std::move(line));
    return index;
}

bool OpeningLibrary::remove(std::size_t index)
{
    if (index >= lines_.size()) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void OpeningLibrary::assign(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    std::stable_sort(lines_.begin(), lines_.end());
}

std::string cutLine(std::string_view line)
{
    if (line.size() <= kMaxLineLength) return std::string(line);
    // The end of the last move that fits, as the lookup reads the moves.
    std::size_t keep = 0;
    for (const LineMove& m : parseLineMoves(line)) {
        if (m.end > kMaxLineLength) break;
        keep = m.end;
    }
    if (keep == 0) {
        // Not read as moves at all: cut at the last space that fits.
        const std::size_t space = line.rfind(' ', kMaxLineLength);
        keep = space == std::string_view::npos ? kMaxLineLength : space + 1;
    }
    return std::string(line.substr(0, keep));
}

namespace {
// Text of a library: printable characters, tabs and line ends only.
bool isTextByte(unsigned char c) { return c >= 0x20 || c == '\t' || c == '\r' || c == '\n'; }

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& l : lines) {
        bytes += l;
        bytes += "\r\n";
    }
    return bytes;
}
} // namespace

bool readLibrary(const fs::path& file, OpeningLibrary& out, std::string& error)
{
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec || !fs::is_regular_file(file, ec)) {
        error = "Bibliothèque d'ouvertures introuvable : " + file.string();
        return false;
    }
    if (size > kMaxLibraryBytes) {
        error = "Bibliothèque d'ouvertures trop grande : " + file.string();
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "Impossible d'ouvrir ce fichier : " + file.string();
        return false;
    }
    const std::string bytes { std::istreambuf_iterator<char>(in),
                              std::istreambuf_iterator<char>() };
    if (in.bad() || bytes.size() != size) {
        error = "Impossible d'ouvrir ce fichier : " + file.string();
        return false;
    }
    if (!std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return isTextByte(static_cast<unsigned char>(c)); })) {
        error = "Ce fichier n'est pas une bibliothèque d'ouvertures : " + file.string();
        return false;
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back(cutLine(line));
        start = end + 1;
    }
    out.assign(std::move(lines));
    return true;
}

namespace {
std::string libraryWriteError(const WriteResult& result)
{
    if (result.ok()) return {};
    if (result.kind == WriteErrorKind::NotRegularFile)
        return "Impossible d'ouvrir ce fichier : " + result.path;
    return "Impossible d'écrire le fichier " + result.path;
}
} // namespace

bool writeTextFiles(const std::vector<TextLinesFile>& files, std::string& error)
{
    std::vector<FileContents> contents;
    for (const auto& [file, lines] : files)
        contents.push_back({ file.string(), crlfLines(*lines) });
    const WriteResult written = writeFilesTogether(contents);
    error = libraryWriteError(written);
    return written.ok();
}

bool writeTextLines(const fs::path& file, const std::vector<std::string>& lines, std::string& error)
{
    return writeTextFiles({ { file, &lines } }, error);
}

bool writeLibrary(const fs::path& file, const OpeningLibrary& lib, std::string& error)
{
    return writeTextLines(file, lib.lines(), error);
}

} // namespace kv
