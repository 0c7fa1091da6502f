#include "commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kv::cli {

namespace {
std::vector<Command>& table()
{
    static std::vector<Command> t;
    return t;
}
} // namespace

CommandRegistration::CommandRegistration(Command c)
{
    auto& t = table();
    t.insert(std::upper_bound(t.begin(), t.end(), c, [](const Command& a, const Command& b) { return a.name < b.name; }),
             std::move(c));
}

const std::vector<Command>& commands() { return table(); }

int error(const std::string& text)
{
    std::fprintf(stderr, "korvelan-cli: %s\n", text.c_str());
    return kUsageError;
}

std::optional<Position> fenArgument(const std::string& text)
{
    std::string why;
    auto p = parseFen(text, &why);
    if (!p) error("bad FEN: " + why);
    return p;
}

std::string programDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

bool intArgument(const std::string& text, int& out)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && out >= 0;
}

bool secondsArgument(const std::string& text, std::int64_t& milliseconds)
{
    const size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (whole.empty() && fraction.empty()) return false;
    const auto digits = [](const std::string& t) {
        return t.size() <= 9 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || !digits(fraction) || (dot != std::string::npos && fraction.empty())) return false;
    std::int64_t ms = whole.empty() ? 0 : std::stoll(whole) * 1000;
    // Thousandths, then the next digit rounds.
    std::string f = fraction + "0000";
    ms += std::stoll(f.substr(0, 3)) + (f[3] >= '5' ? 1 : 0);
    milliseconds = ms;
    return true;
}

bool playMoves(GameState& game, const std::string& moves)
{
    std::size_t at = 0;
    while (at < moves.size()) {
        const std::size_t end = std::min(moves.find(' ', at), moves.size());
        const std::string token = moves.substr(at, end - at);
        at = end + 1;
        if (token.empty()) continue;
        std::string why;
        const auto m = parseMove(game.board, game.side, token, &why);
        if (!m) {
            error("move " + std::to_string(game.gamePly + 1) + ": " + why);
            return false;
        }
        if (game.playMove(*m, m->n) == PlayResult::RecordFull) {
            error("the record holds no more moves");
            return false;
        }
    }
    return true;
}

namespace {
void usage(std::FILE* out)
{
    std::fprintf(out, "usage: korvelan-cli COMMAND ...\n"
                      "positions are PDN FEN in user numbers (W:W9,10,K28:B20,22,K5) or 'start'\n");
    for (const Command& c : commands()) std::fprintf(out, "  %s %s\n", c.name.c_str(), c.usage.c_str());
}
} // namespace

} // namespace kv::cli

int main(int argc, char** argv)
{
    using namespace kv::cli;
    if (argc < 2 || !std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help")) {
        usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? kUsageError : 0;
    }
    for (const Command& c : commands())
        if (c.name == argv[1]) return c.run(Args(argv + 2, argv + argc));
    usage(stderr);
    return error(std::string("unknown command '") + argv[1] + "'");
}
