#include "commands.h"
#include "options.h"

#include "engine/endgame_knowledge.h"
#include "files/exchange.h"
#include "files/game_file.h"
#include "files/replay.h"
#include "rules/game_state.h"
#include "training/game_analysis.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace kv::cli {

namespace {

// A game file of our own (its exact size), else a text or PDN game.
bool loadGame(const std::string& path, GameState& game, std::string& why)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size == kGameFileSize) {
        GameFileError err;
        const auto file = ReadGameFile(path, err);
        if (!file) {
            why = path + ": " + err.detail;
            return false;
        }
        loadGameFile(*file, game);
        return true;
    }
    const auto file = readExchangeFile(path, why);
    if (!file) return false;
    const GameIndex games = listGames(*file);
    if (games.empty()) {
        why = path + " holds no game";
        return false;
    }
    ExchangeProblem problem;
    const auto parsed = readGame(*file, games, 0, &problem);
    if (!parsed) {
        why = path + ": " + problemText(problem);
        return false;
    }
    const ReplayReport report = replayGame(*parsed, game);
    if (report.refused) {
        why = path + ": " + problemText(*report.refused);
        return false;
    }
    for (const std::string& s : report.skipped)
        std::fprintf(stderr, "korvelan-cli: skipped '%s'\n", s.c_str());
    return true;
}

struct AnalyseOptions {
    std::string path;
    int depth = 10;
    int moveTimeMs = 0;
};

int runAnalyse(const AnalyseOptions& options)
{
    const int depth = options.moveTimeMs > 0 ? 0 : options.depth;
    auto game = std::make_unique<GameState>();
    std::string why;
    if (!loadGame(options.path, *game, why)) return error(why);
    // The whole game is analysed, from its last recorded position.
    game->gamePly = static_cast<std::uint8_t>(game->recordedPlies);
    game->restoreRecordEntry();
    game->side = game->sideAtPly(game->gamePly);
    if (game->gamePly == 0) return error(options.path + " holds no move to analyse");

    const auto keys = loadHashKeys(programDir() + "/hashkey33.dat", why);
    if (!keys) return error(why);
    EndgameKnowledge tables(programDir(), [](const std::string& m) {
        std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str());
    });
    SearchContext ctx(*keys, tables);
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = depth;
    ctx.settings.moveTimeMs = options.moveTimeMs;

    GameAnalysis analysis(ctx);
    analysis.begin(*game, AnalysisLanguage::French);
    while (analysis.step(*game)) { }
    analysis.finish(*game);

    for (const std::string& l : analysis.windowLines()) std::printf("%s\n", l.c_str());
    for (int ply = 0; ply <= analysis.topPly(); ++ply) {
        bool marked = false;
        for (const AnalysisEntry& e : analysis.entries())
            if (e.move.ply == ply) marked = e.marked;
        std::printf("ply %d score %d%s\n", ply, analysis.plyScore(ply).value_or(0),
                    marked ? " *" : "");
    }
    return 0;
}

CommandBody defineAnalyse(CLI::App& app)
{
    auto options = std::make_shared<AnalyseOptions>();
    app.add_option("FILE", options->path, "A game file, a text game or a PDN (its first game)")
        ->required();
    auto* depth = addDepthOption(app, "--depth", options->depth,
                                 "Search each position to this depth (default 10)");
    addSecondsOption(app, "--movetime", options->moveTimeMs,
                     "Search each position for this time instead")
        ->excludes(depth);
    return [options] { return runAnalyse(*options); };
}

const CommandRegistration
    reg({ "analyse",
          "Analysis of a game: the analysis lines, then 'ply P score S [*]' (* the move played "
          "from P is much worse than the best)",
          defineAnalyse });
} // namespace

} // namespace kv::cli
