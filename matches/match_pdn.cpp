#include "match_pdn.h"

#include "files/pdn_writer.h"

#include <filesystem>
#include <fstream>

namespace kv {

std::string pdnText(const PdnGame& g)
{
    const MatchGameResult& r = *g.result;
    PdnGameText            text;
    text.tags.event = g.event;
    text.tags.round = std::to_string(g.round);
    text.white = g.white;
    text.black = g.black;
    text.result = r.outcome;
    // Ballots and match positions are checked when read: the FEN parses.
    text.start = parseFen(r.fen).value_or(initialPosition());
    text.moves = r.moves;
    text.comment = r.reason;
    return writePdnGame(text);
}

bool writeTextFile(const std::string& path, const std::string& text, std::string& why)
{
    const std::string temp = path + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f || !f.write(text.data(), static_cast<std::streamsize>(text.size())) || !f.flush()) {
            why = "cannot write " + temp;
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        why = "cannot rename " + temp + " to " + path + ": " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace kv
