#include "players.h"

#include "rules/movegen.h"
#include "rules/notation.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace kv {

std::string expandCommand(const std::string& command, const MoveRequest& r, double moveTimeSeconds)
{
    std::string moves;
    for (const std::string& m : r.moves) {
        if (!moves.empty()) moves += ' ';
        moves += m;
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", moveTimeSeconds);
    const std::pair<std::string, std::string> fields[]
        = { { "{fen}", r.startFen }, { "{moves}", moves }, { "{movetime}", seconds } };
    std::string out;
    for (std::size_t i = 0; i < command.size();) {
        bool replaced = false;
        for (const auto& [name, value] : fields)
            if (command.compare(i, name.size(), name) == 0) {
                out += value;
                i += name.size();
                replaced = true;
                break;
            }
        if (!replaced) out += command[i++];
    }
    return out;
}

MoveAnswer readBestMove(const std::string& output, const GameState& game)
{
    std::istringstream lines(output);
    std::string line, last;
    while (std::getline(lines, line))
        if (line.find_first_not_of(" \t\r") != std::string::npos) last = line;
    MoveAnswer a;
    std::istringstream words(last);
    std::string word, move;
    words >> word >> move;
    if (word != "bestmove" || move.empty()) {
        a.problem = "no bestmove line";
        return a;
    }
    // Our own engine names a capture "fromxto captures c1,c2": the taken
    // squares tell apart captures that share their ends.
    std::string next, taken;
    words >> next;
    if (next == "captures") words >> taken >> next;
    std::string why;
    a.move = parseMove(game.board, game.side, move, &why);
    if (!a.move && !taken.empty()) {
        MoveGenerator gen;
        Board b = game.board;
        const int n = gen.generateLegal(b, game.side);
        for (int i = 0; i < n; ++i)
            if (moveText(gen.list(1)[i]) == move + " captures " + taken) a.move = gen.list(1)[i];
    }
    if (!a.move) a.problem = "illegal move " + move + " (" + why + ")";
    int score = 0;
    if (next == "score" && words >> score) a.score = score;
    return a;
}

namespace {

class ExternalPlayer : public MatchPlayer {
public:
    ExternalPlayer(std::string command, double seconds)
        : command_(std::move(command)), seconds_(seconds)
    {
    }

    MoveAnswer play(const MoveRequest& r) override
    {
        const std::string line = expandCommand(command_, r, seconds_);
        std::FILE* pipe = ::popen(line.c_str(), "r");
        if (!pipe) {
            MoveAnswer a;
            a.problem = "cannot start the external engine";
            return a;
        }
        std::string output;
        std::array<char, 4096> buffer;
        std::size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            output.append(buffer.data(), n);
            if (output.size() > (1u << 22))
                output.erase(0, output.size() - (1u << 16)); // keep the tail
        }
        const int status = ::pclose(pipe);
        MoveAnswer a = readBestMove(output, *r.game);
        if (!a.move && status != 0) a.problem += ", exit status " + std::to_string(status);
        return a;
    }

private:
    std::string command_;
    double seconds_;
};

} // namespace

std::unique_ptr<MatchPlayer> makeExternalPlayer(const std::string& command, double moveTimeSeconds)
{
    return std::make_unique<ExternalPlayer>(command, moveTimeSeconds);
}

} // namespace kv
