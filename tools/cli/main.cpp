#include "commands.h"
#include "io/text_encoding.h"
#include "manual.h"

#include <CLI/CLI.hpp>

#include <functional>

#include <algorithm>
#include <charconv>
#include <cstdio>
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
    t.insert(std::upper_bound(t.begin(), t.end(), c,
                              [](const Command& a, const Command& b) { return a.name < b.name; }),
             std::move(c));
}

const std::vector<Command>& commands() { return table(); }

int error(const std::string& text)
{
    // Reasons may quote what a file holds: no control character reaches the terminal.
    std::fprintf(stderr, "korvelan-cli: %s\n", escapeControls(text).c_str());
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
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    // A build keeps the data beside the executable; an installation in
    // share/korvelan beside its bin folder.
    const fs::path dir = exe.parent_path(), installed = dir / ".." / "share" / "korvelan";
    if (!fs::exists(dir / "hashkey33.dat", ec) && fs::exists(installed / "hashkey33.dat", ec))
        return fs::weakly_canonical(installed, ec).string();
    return dir.string();
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
        return t.size() <= 9
            && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || !digits(fraction) || (dot != std::string::npos && fraction.empty()))
        return false;
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

} // namespace kv::cli

namespace {

// Prints the tool's help, or a command's, and returns the status to exit with.
int printHelp(const CLI::App& app, const std::string& command, std::FILE* out, int status)
{
    const CLI::App* shown = &app;
    if (!command.empty()) {
        try {
            shown = app.get_subcommand(command);
        } catch (const CLI::OptionNotFound&) {
            return kv::cli::error("unknown command '" + command + "'");
        }
    }
    std::fputs(shown->help(shown == &app ? "" : "korvelan-cli").c_str(), out);
    return status;
}

// The tool's help, then every command's in full, nested commands included:
// what --help-all prints and the manual page is made from.
int printAllHelp(const CLI::App& app)
{
    std::fputs(app.help().c_str(), stdout);
    const std::function<void(const CLI::App&, const std::string&)> commandsOf
        = [&](const CLI::App& parent, const std::string& path) {
              for (const CLI::App* sub :
                   parent.get_subcommands([](const CLI::App*) { return true; })) {
                  std::printf("\n");
                  std::fputs(sub->help(path).c_str(), stdout);
                  commandsOf(*sub, path + " " + sub->get_name());
              }
          };
    commandsOf(app, "korvelan-cli");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace kv::cli;
    CLI::App app(
        "korvelan-cli " KV_VERSION
        ": the Korvelan draughts engine, its files and its tables from the command "
        "line. Positions are PDN FEN with the men of white on squares 1..12 at the start "
        "(W:W9,10,K28:B20,22,K5), or 'start'. Errors go to standard error with exit status 2.",
        "korvelan-cli");
    app.set_version_flag("--version", "korvelan-cli " KV_VERSION);
    bool helpAll = false; // handled before parsing, which asks for a command
    app.add_flag("--help-all", helpAll, "Print the help of every command");
    app.require_subcommand(1);
    std::vector<std::pair<const CLI::App*, CommandBody>> bodies;
    for (const Command& c : commands()) {
        CLI::App* sub = app.add_subcommand(c.name, c.summary);
        bodies.emplace_back(sub, c.define(*sub));
    }

    if (argc < 2) return printHelp(app, "", stderr, kUsageError);
    const std::string first = argv[1];
    if (first == "--help-all") return printAllHelp(app);
    // Not in the help: the manual page's section on the commands, made by the build.
    if (first == "--manual-commands") return std::fputs(manualCommands(app).c_str(), stdout) < 0;
    if (first == "help" && argc <= 3) return printHelp(app, argc == 3 ? argv[2] : "", stdout, 0);
    if (first[0] != '-' && std::none_of(bodies.begin(), bodies.end(), [&](const auto& b) {
            return b.first->get_name() == first;
        }))
        return error("unknown command '" + first + "' (korvelan-cli --help lists them)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e); // --help, --help-all, --version
    } catch (const CLI::ParseError& e) {
        const auto chosen = app.get_subcommands();
        return error((chosen.empty() ? std::string() : chosen.front()->get_name() + ": ")
                     + e.what());
    }
    for (const auto& [sub, body] : bodies)
        if (sub->parsed()) return body();
    return kUsageError;
}
