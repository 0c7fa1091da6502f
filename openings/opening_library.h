// One opening library: the sorted list of opening lines the book is looked
// up in, and its text file (one line per text line, CR LF endings).
//
//     OpeningLibrary lib;
//     std::string why;
//     if (!readLibrary("ouvert_b.ouv", lib, why)) showError(why); // lib unchanged
//     lib.add("12-16 21-17 ");
//     writeLibrary("ouvert_b.ouv", lib, why);
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv {

// The longest line kept. The editors write at most 42 moves of six
// characters; a longer line is cut after its last whole move that fits.
constexpr std::size_t kMaxLineLength = 300;
// A library file larger than this is not an opening library.
constexpr std::uintmax_t kMaxLibraryBytes = 4u << 20;

class OpeningLibrary {
public:
    OpeningLibrary() = default;
    explicit OpeningLibrary(std::vector<std::string> lines) { assign(std::move(lines)); }

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }

    // Inserts in sorted order, after any equal lines (duplicates are kept);
    // returns the index it went to.
    std::size_t add(std::string line);
    // Removes one line; false when the index is out of range.
    bool remove(std::size_t index);
    void clear() { lines_.clear(); }
    void assign(std::vector<std::string> lines);

    bool operator==(const OpeningLibrary&) const = default;

private:
    std::vector<std::string> lines_;
};

// Cuts a line longer than kMaxLineLength after its last whole move that fits;
// a shorter line comes back unchanged.
std::string cutLine(std::string_view line);

// Reads a library file whole. A missing, unreadable, oversized or binary file
// gives false with a one-line reason in `error` and leaves `out` unchanged.
// Empty lines are skipped; lines are cut as cutLine does.
bool readLibrary(const std::filesystem::path& file, OpeningLibrary& out, std::string& error);

// Writes the lines with CR LF endings, never in place (io/atomic_write.h), so
// a failure leaves the previous file as it was.
bool writeLibrary(const std::filesystem::path& file, const OpeningLibrary& lib, std::string& error);

// Writes any text lines the same way (the marker file of a stored set).
bool writeTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                    std::string& error);

// Writes several files of lines that change together: all of them or none.
using TextLinesFile = std::pair<std::filesystem::path, const std::vector<std::string>*>;
bool writeTextFiles(const std::vector<TextLinesFile>& files, std::string& error);

} // namespace kv
