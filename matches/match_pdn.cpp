#include "match_pdn.h"

#include "files/pdn_writer.h"
#include "io/atomic_write.h"

namespace kv {

std::string pdnText(const PdnGame& g)
{
    const MatchGameResult& r = *g.result;
    PdnGameText text;
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
    const WriteResult written = writeFileAtomically(path, text);
    if (!written.ok()) why = written.path + " " + describe(written);
    return written.ok();
}

} // namespace kv
