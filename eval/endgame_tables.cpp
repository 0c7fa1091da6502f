#include "endgame_tables.h"

#include "io/atomic_write.h"
#include "io/binary_file.h"

#include <filesystem>

namespace kv::egtb {

namespace {
std::string quoted(std::string_view name)
{
    std::string q(1, '"');
    q.append(name);
    q.push_back('"');
    return q;
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
            problems.push_back("endgame table " + quoted(layout.name) + " is missing (" + path.string() +
                               "); its positions will be searched");
            continue;
        }
        if (!why.empty()) {
            problems.push_back("endgame table " + quoted(layout.name) + " " + why + "; it is not used");
            continue;
        }
        data_[t].assign(bytes.begin(), bytes.end());
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
        const WriteResult written = writeFileAtomically(path.string(), data_[t].data(), data_[t].size());
        if (!written.ok()) problems.push_back(path.string() + " " + describe(written));
    }
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
