#include "endgame_tables.h"

#include "io/atomic_write.h"
#include "io/binary_file.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

namespace kv::egtb {

namespace {
std::string quoted(std::string_view name)
{
    std::string q(1, '"');
    q.append(name);
    q.push_back('"');
    return q;
}

// FNV-1a over the table's bytes: cheap, and any zeroed or shifted block changes it.
std::uint64_t checksum(const std::vector<std::int8_t>& bytes)
{
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const std::int8_t b : bytes) h = (h ^ static_cast<std::uint8_t>(b)) * 0x100000001b3u;
    return h;
}

std::string sumText(std::uint64_t sum)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(sum));
    return text;
}

// The sums file as name -> checksum text; nothing when it cannot be read.
std::optional<std::map<std::string, std::string, std::less<>>>
readSums(const std::filesystem::path& path)
{
    std::vector<unsigned char> bytes;
    if (!readRegularFile(path.string(), 0, 4096, bytes).empty()) return std::nullopt;
    std::map<std::string, std::string, std::less<>> sums;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string name, sum; in >> name >> sum;) sums[name] = sum;
    return sums;
}
} // namespace

std::vector<std::string> EndgameTables::load(const std::string& dir)
{
    std::vector<std::string> problems;
    for (TableId t = 0; t < kTableCount; ++t) {
        const TableLayout& layout = tableLayout(t);
        data_[t].clear();
        const std::filesystem::path path = std::filesystem::path(dir) / layout.name;
        std::vector<unsigned char> bytes;
        const std::string why = readExactFile(path.string(), layout.size, bytes);
        if (why == "is missing") {
            problems.push_back("endgame table " + quoted(layout.name) + " is missing ("
                               + path.string() + "); its positions will be searched");
            continue;
        }
        if (!why.empty()) {
            problems.push_back("endgame table " + quoted(layout.name) + " " + why
                               + "; it is not used");
            continue;
        }
        data_[t].assign(bytes.begin(), bytes.end());
    }
    const auto sums = readSums(std::filesystem::path(dir) / kTableSumsFile);
    if (!sums) {
        if (loadedCount() > 0)
            problems.push_back(std::string("the endgame tables have no checksums (")
                               + kTableSumsFile + "); they are used unchecked");
        return problems;
    }
    for (TableId t = 0; t < kTableCount; ++t) {
        if (!loaded(t)) continue;
        const std::string_view name = tableLayout(t).name;
        const auto it = sums->find(name);
        if (it != sums->end() && it->second == sumText(checksum(data_[t]))) continue;
        data_[t].clear();
        problems.push_back("endgame table " + quoted(name)
                           + " is damaged (its checksum differs from " + kTableSumsFile
                           + "); it is not used");
    }
    return problems;
}

std::vector<std::string> EndgameTables::save(const std::string& dir) const
{
    std::vector<std::string> problems;
    for (TableId t = 0; t < kTableCount; ++t) {
        if (!loaded(t)) continue;
        const TableLayout& layout = tableLayout(t);
        const std::filesystem::path path = std::filesystem::path(dir) / layout.name;
        const WriteResult written
            = writeFileAtomically(path.string(), data_[t].data(), data_[t].size());
        if (!written.ok()) problems.push_back(path.string() + " " + describe(written));
    }
    std::string sums;
    for (TableId t = 0; t < kTableCount; ++t)
        if (loaded(t))
            sums += std::string(tableLayout(t).name) + " " + sumText(checksum(data_[t])) + "\n";
    const std::filesystem::path path = std::filesystem::path(dir) / kTableSumsFile;
    if (const WriteResult written = writeFileAtomically(path.string(), sums); !written.ok())
        problems.push_back(path.string() + " " + describe(written));
    return problems;
}

int EndgameTables::loadedCount() const
{
    int n = 0;
    for (TableId t = 0; t < kTableCount; ++t) n += loaded(t);
    return n;
}

void EndgameTables::set(TableId t, std::vector<std::int8_t> bytes)
{
    if (bytes.size() == tableLayout(t).size) data_[t] = std::move(bytes);
}

std::optional<int> EndgameTables::at(TableId t, std::uint32_t index) const
{
    if (t < 0 || t >= kTableCount || index >= data_[t].size()) return std::nullopt;
    return data_[t][index];
}

std::optional<int> EndgameTables::value(const Board& b, SideToMove toMove) const
{
    const auto slot = locate(b, toMove);
    if (!slot) return std::nullopt;
    return at(slot->table, slot->index);
}

} // namespace kv::egtb
