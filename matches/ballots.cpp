#include "ballots.h"

#include "rules/game_state.h"
#include "rules/notation.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace kv {

std::optional<std::vector<Ballot>> parseBallots(const std::string& text, const std::string& name, std::string& why)
{
    std::vector<Ballot> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    GameState game;
    while (std::getline(in, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Ballot b;
        b.line = number;
        std::string word;
        bool first = true;
        while (words >> word) {
            if (std::exchange(first, false) && word.find(':') != std::string::npos) {
                std::string reason;
                const auto p = parseFen(word, &reason);
                if (!p) {
                    why = name + ":" + std::to_string(number) + ": " + reason;
                    return std::nullopt;
                }
                b.fen = word;
                b.start = *p;
                continue;
            }
            if (b.moves.empty()) game.startFrom(b.start.board, b.start.side);
            std::string reason;
            const auto m = parseMove(game.board, game.side, word, &reason);
            if (!m || game.playMove(*m, m->n) != PlayResult::Played) {
                why = name + ":" + std::to_string(number) + ": " + (reason.empty() ? "too many moves" : reason);
                return std::nullopt;
            }
            b.moves.push_back(word);
        }
        if (!b.moves.empty() || b.fen != "start") out.push_back(std::move(b));
    }
    if (out.empty()) {
        why = name + ": no ballot";
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<Ballot>> readBallots(const std::string& path, std::string& why)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        why = "cannot read " + path;
        return std::nullopt;
    }
    std::ostringstream text;
    text << f.rdbuf();
    if (text.str().size() > (1u << 20)) {
        why = path + ": too large for a ballot list";
        return std::nullopt;
    }
    return parseBallots(text.str(), path, why);
}

} // namespace kv
