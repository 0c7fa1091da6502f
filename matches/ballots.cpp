#include "ballots.h"

#include "io/binary_file.h"
#include "rules/game_state.h"
#include "rules/notation.h"

#include <sstream>
#include <utility>

namespace kv {

std::optional<std::vector<Ballot>> parseBallots(const std::string& text, const std::string& name,
                                                std::string& why)
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
                why = name + ":" + std::to_string(number) + ": "
                    + (reason.empty() ? "too many moves" : reason);
                return std::nullopt;
            }
            b.moves.push_back(word);
        }
        if (!b.moves.empty() || b.fen != "start") out.push_back(std::move(b));
        if (out.size() > kMaxBallots) {
            why = name + ": more than " + std::to_string(kMaxBallots) + " ballots";
            return std::nullopt;
        }
    }
    if (out.empty()) {
        why = name + ": no ballot";
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<Ballot>> readBallots(const std::string& path, std::string& why)
{
    // A regular file of bounded size only: a FIFO would block, a device never end.
    std::vector<unsigned char> bytes;
    if (const std::string problem = readRegularFile(path, 0, kMaxBallotBytes, bytes);
        !problem.empty()) {
        why = path + " " + problem;
        return std::nullopt;
    }
    return parseBallots(std::string(bytes.begin(), bytes.end()), path, why);
}

} // namespace kv
