#include "pdn.h"

#include "io/atomic_write.h"

namespace kv {

std::string resultText(GameOutcome o)
{
    switch (o) {
    case GameOutcome::WhiteWins: return "2-0";
    case GameOutcome::BlackWins: return "0-2";
    case GameOutcome::Draw: break;
    }
    return "1-1";
}

namespace {
// Tag values may not hold a double quote or a backslash unescaped.
std::string tagValue(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}
} // namespace

std::string pdnText(const PdnGame& g)
{
    const MatchGameResult& r = *g.result;
    const std::string result = resultText(r.outcome);
    std::string out;
    out += "[Event \"" + tagValue(g.event) + "\"]\n";
    out += "[Round \"" + std::to_string(g.round) + "\"]\n";
    out += "[White \"" + tagValue(g.white) + "\"]\n";
    out += "[Black \"" + tagValue(g.black) + "\"]\n";
    out += "[Result \"" + result + "\"]\n";
    if (r.fen != "start") out += "[FEN \"" + tagValue(r.fen) + "\"]\n";
    out += "\n";
    std::string line;
    const auto put = [&](const std::string& word) {
        if (!line.empty() && line.size() + 1 + word.size() > 79) {
            out += line + "\n";
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
    };
    // Move numbers count from the side that moved first; a game begun by
    // black opens with "1. ..." as usual.
    const bool blackFirst = r.fen.size() > 0 && (r.fen[0] == 'B' || r.fen[0] == 'b');
    for (std::size_t i = 0; i < r.moves.size(); ++i) {
        const std::size_t ply = i + (blackFirst ? 1 : 0);
        if (ply % 2 == 0) put(std::to_string(ply / 2 + 1) + ". " + r.moves[i]);
        else if (i == 0) put("1. ... " + r.moves[i]);
        else put(r.moves[i]);
    }
    std::string comment = "{" + r.reason + "}";
    for (char& c : comment)
        if (c == '}' && &c != &comment.back()) c = ')';
    put(comment);
    put(result);
    out += line + "\n\n";
    return out;
}

bool writeTextFile(const std::string& path, const std::string& text, std::string& why)
{
    const WriteResult written = writeFileAtomically(path, text);
    if (!written.ok()) why = written.path + " " + describe(written);
    return written.ok();
}

} // namespace kv
