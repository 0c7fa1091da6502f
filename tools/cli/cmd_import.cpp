#include "commands.h"
#include "options.h"

#include "files/exchange.h"
#include "files/replay.h"
#include "io/text_encoding.h"
#include "rules/game_state.h"

#include <cstdio>
#include <memory>

namespace kv::cli {

namespace {
int runImport(const std::vector<std::string>& args, int number)
{
    std::string why;
    const auto file = readExchangeFile(args[0], why);
    if (!file) return error(why);
    const GameIndex games = listGames(*file);
    if (games.empty()) return error(args[0] + " holds no game");
    // A refused game: its number, its line and why, with status 2.
    ExchangeProblem problem;
    const auto parsed = readGame(*file, games, number - 1, &problem);
    if (!parsed) return error(args[0] + ": " + problemText(problem));

    auto game = std::make_unique<GameState>();
    const ReplayReport report = replayGame(*parsed, *game);
    if (report.refused) return error(args[0] + ": " + problemText(*report.refused));
    if (parsed->gameType == GameTypeNote::Missing)
        std::fprintf(stderr, "korvelan-cli: no GameType: the moves are read under these rules\n");
    if (file->cut) std::fprintf(stderr, "korvelan-cli: only the beginning of the file was read\n");
    for (const std::string& s : report.skipped)
        std::fprintf(stderr, "korvelan-cli: skipped '%s'\n", escapeControls(s).c_str());
    if (report.cut)
        std::fprintf(stderr, "korvelan-cli: the record is full; the game stops at ply %d\n",
                     game->gamePly);
    for (const MoveRecord& m : report.played) std::printf("%s\n", moveText(m).c_str());
    std::printf("%s\n", formatFen({ game->board, game->side }).c_str());
    return 0;
}

CommandBody defineImport(CLI::App& app)
{
    auto path = std::make_shared<std::vector<std::string>>(1);
    auto number = std::make_shared<int>(1);
    app.add_option("FILE", path->front(), "A text game or a PDN")->required();
    addBoundedOption(app, "--game", *number, 1, 16'777'216,
                     "Read this game of the file (default 1)");
    return [path, number] { return runImport(*path, *number); };
}

const CommandRegistration
    reg({ "import", "Reads a text or PDN game: its legal moves, one a line, then the final FEN",
          defineImport });
} // namespace

} // namespace kv::cli
