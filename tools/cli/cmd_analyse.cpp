#include "commands.h"

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
    if (listGames(*file).empty()) {
        why = path + " holds no game";
        return false;
    }
    const auto parsed = readGame(*file, 0, &why);
    if (!parsed) return false;
    const ReplayReport report = replayGame(*parsed, game);
    for (const std::string& s : report.skipped) std::fprintf(stderr, "korvelan-cli: skipped '%s'\n", s.c_str());
    return true;
}

int runAnalyse(const Args& args)
{
    const char* usage = "usage: analyse FILE [--depth N | --movetime S]";
    if (args.empty() || (args.size() != 1 && args.size() != 3)) return error(usage);
    int depth = 10, moveTime = 0;
    if (args.size() == 3) {
        int value = 0;
        if (!intArgument(args[2], value)) return error(usage);
        if (args[1] == "--depth") {
            if (value < 1 || value > 30) return error("depth must be 1..30");
            depth = value;
        } else if (args[1] == "--movetime") {
            if (value < 1) return error("movetime must be at least 1 second");
            moveTime = value;
            depth = 0;
        } else {
            return error(usage);
        }
    }

    auto game = std::make_unique<GameState>();
    std::string why;
    if (!loadGame(args[0], *game, why)) return error(why);
    // The whole game is analysed, from its last recorded position.
    game->gamePly = static_cast<std::uint8_t>(game->recordedPlies);
    game->restoreRecordEntry();
    game->side = game->sideAtPly(game->gamePly);
    if (game->gamePly == 0) return error(args[0] + " holds no move to analyse");

    const auto keys = loadHashKeys(programDir() + "/hashkey33.dat", why);
    if (!keys) return error(why);
    EndgameKnowledge tables(programDir(), [](const std::string& m) { std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str()); });
    SearchContext ctx(*keys, tables);
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = depth;
    ctx.settings.moveTimeMs = moveTime * 1000;

    GameAnalysis analysis(ctx);
    analysis.begin(*game, AnalysisLanguage::French);
    while (analysis.step(*game)) {}
    analysis.finish(*game);

    for (const std::string& l : analysis.windowLines()) std::printf("%s\n", l.c_str());
    for (int ply = 0; ply <= analysis.topPly(); ++ply) {
        bool marked = false;
        for (const AnalysisEntry& e : analysis.entries())
            if (e.move.ply == ply) marked = e.marked;
        std::printf("ply %d score %d%s\n", ply, analysis.plyScore(ply).value_or(0), marked ? " *" : "");
    }
    return 0;
}

const CommandRegistration reg({ "analyse",
                                "FILE [--depth N | --movetime S]  analysis of a game file, text or PDN: the analysis "
                                "lines, then 'ply P score S [*]' (* the move played from P is much worse than the best)",
                                runAnalyse });
} // namespace

} // namespace kv::cli
