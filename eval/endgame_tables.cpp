#include "endgame_tables.h"

#include <filesystem>
#include <fstream>
#include <system_error>

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
        std::error_code ec;
        const auto size = std::filesystem::file_size(path, ec);
        if (ec) {
            problems.push_back("endgame table " + quoted(layout.name) + " is missing (" + path.string() +
                               "); its positions will be searched");
            continue;
        }
        if (size != layout.size) {
            problems.push_back("endgame table " + quoted(layout.name) + " has " + std::to_string(size) +
                               " bytes instead of " + std::to_string(layout.size) + "; it is not used");
            continue;
        }
        std::vector<std::int8_t> bytes(layout.size);
        std::ifstream in(path, std::ios::binary);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!in || in.gcount() != static_cast<std::streamsize>(layout.size)) {
            problems.push_back("endgame table " + quoted(layout.name) + " could not be read; it is not used");
            continue;
        }
        data_[t] = std::move(bytes);
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
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data_[t].data()), static_cast<std::streamsize>(data_[t].size()));
        out.close();
        if (!out) problems.push_back("cannot write " + path.string());
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
