// The endgame tables: a file of the right size may hold any bytes. The first
// input byte picks one of the smaller tables, the next four choose where its
// pieces stand, and the rest fills the table; the search then probes it.
#include "fuzz_target.h"
#include "search_probe.h"

#include "engine/endgame_knowledge.h"
#include "eval/egtb_index.h"

namespace {

// A position with the table's material ("ddop": two white kings against a
// black man...), its pieces on squares chosen by the input.
std::string positionFor(std::string_view name, const std::uint8_t* where)
{
    std::string white = "W", black = "B";
    bool forWhite = true;
    int k = 0;
    bool used[33] = {};
    for (const char c : name.substr(0, name.find('.'))) {
        if (c == 'o') {
            forWhite = false;
            continue;
        }
        // Men stay off their crowning rows: squares 5..28.
        int s = c == 'd' ? 1 + where[k] % 32 : 5 + where[k] % 24;
        ++k;
        while (used[s]) s = s % 28 + 5;
        used[s] = true;
        std::string& side = forWhite ? white : black;
        if (side.size() > 1) side += ",";
        if (c == 'd') side += 'K';
        side += std::to_string(s);
    }
    return std::string(where[3] % 2 ? "B:" : "W:") + white + ":" + black;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    if (size < 6) return 0;
    // The tables of up to 33824 bytes: the first sixteen in load order.
    const egtb::TableId table = data[0] % 16;
    const auto& layout = egtb::tableLayout(table);
    static EndgameKnowledge knowledge = [] {
        EndgameKnowledge k("/nonexistent");
        k.loadTables(); // nothing found: the tables come from the inputs
        return k;
    }();
    static SearchContext ctx(HashKeyTables::generated(), knowledge);
    std::vector<std::int8_t> bytes(layout.size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::int8_t>(data[5 + i % (size - 5)]);
    knowledge.tables().set(table, std::move(bytes));
    ctx.clearTranspositionTable();
    fuzz::searchBriefly(ctx, positionFor(layout.name, data + 1), 3);
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    std::vector<std::string> seeds;
    for (int t = 0; t < 16; ++t) {
        std::string s(64, '\0');
        s[0] = static_cast<char>(t);
        for (int i = 1; i < 64; ++i) s[i] = static_cast<char>(i * 37);
        seeds.push_back(s);
    }
    seeds.push_back(std::string("\x03\x10\x02\x1f\x01") + std::string(40, '\x7f'));
    seeds.push_back(std::string("\x05\x10\x02\x1f\x00") + std::string(40, '\x80'));
    return seeds;
}
