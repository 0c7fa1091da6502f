#include "commands.h"
#include "options.h"

#include "engine/endgame_knowledge.h"
#include "engine/levels.h"
#include "engine/search_driver.h"
#include "rules/repetition.h"

#include <cstdio>

namespace kv::cli {

namespace {
// Prints the statistics as they stand after each iteration.
class PrintingObserver : public SearchObserver {
public:
    explicit PrintingObserver(const SearchContext& ctx) : ctx_(ctx) { }
    void iterationFinished(int, int) override
    {
        static const SearchInfoLabels french { "Profondeur", "Noeuds", "Temps",
                                               "Noeuds/s",   "Score",  "Coups" };
        if (const SearchInfo* info = ctx_.lastSearchInfo())
            for (const auto& line : searchInfoLines(*info, french))
                std::printf("%s\n", line.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    const SearchContext& ctx_;
};

struct SearchOptions {
    std::string fen;
    std::vector<std::string> moves;
    bool noTables = false;
    int depth = 0, moveTimeMs = 0; // 0: not given
    std::uint32_t nodes = 0;       // 0: not given
    int level = -1;                // -1: not given
};

int runSearch(const SearchOptions& options)
{
    const bool useTables = !options.noTables;
    std::string moves;
    for (const std::string& m : options.moves) moves += " " + m;
    auto pos = fenArgument(options.fen);
    if (!pos) return kUsageError;

    // The game so far: the repetition rule of the search sees its positions.
    GameState game;
    game.startFrom(pos->board, pos->side);
    if (!playMoves(game, moves)) return kUsageError;

    // The shipped keys and endgame tables of the program directory, as the
    // game uses them. A missing key file is an error: the engine never runs
    // on keys other than the shipped ones.
    std::string why;
    const auto keys = loadHashKeys(programDir() + "/hashkey33.dat", why);
    if (!keys) return error(why);
    EndgameKnowledge tables(programDir(), [](const std::string& m) {
        std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str());
    });
    SearchKnowledge none;
    SearchContext ctx(*keys, useTables ? static_cast<const SearchKnowledge&>(tables) : none);
    ctx.settings.bookEnabled = false;
    if (options.moveTimeMs) ctx.settings.moveTimeMs = options.moveTimeMs;
    if (options.depth) {
        ctx.settings.levelTime = 32000;
        ctx.settings.fixedDepth = options.depth;
    }
    if (options.nodes) {
        ctx.settings.levelTime = 32000;
        ctx.settings.nodeLimit = options.nodes;
    }
    if (options.level >= 0) {
        const auto level = levelByIndex(options.level);
        ctx.settings.levelTime = level->levelTime;
        ctx.settings.levelCap = level->levelCap;
    }

    if (isRepetitionDraw(game.record, game.gamePly)) {
        std::printf("draw by repetition\nbestmove none score 0\n");
        return 0;
    }

    PrintingObserver observer(ctx);
    ctx.observer = &observer;
    SearchRequest request;
    request.board = game.board;
    request.side = game.side;
    request.gamePly = game.gamePly;
    request.record = &game.record;
    const SearchResult r = searchDriver(ctx, request);
    if (r.outcome == SearchOutcome::NoMove) {
        std::printf("bestmove none score %d\n", r.score);
        return 0;
    }
    std::printf("bestmove %s score %d\n", moveText(r.move).c_str(), r.score);
    return 0;
}

CommandBody defineSearch(CLI::App& app)
{
    auto options = std::make_shared<SearchOptions>();
    app.add_option("FEN", options->fen, "The position")->required();
    app.add_option("--moves", options->moves,
                   "The game so far from FEN, \"11-15 24-20 ...\" (the repetition rule sees it)")
        ->allow_extra_args(false);
    // A depth and a time may bound the same search (a deep search of a
    // position full of kings can take minutes); a level stands alone.
    auto* depth = addDepthOption(app, "--depth", options->depth, "Search to this depth");
    auto* time = addSecondsOption(app, "--movetime", options->moveTimeMs, "Search for this time");
    // A node count bounds a search whatever the load of the machine.
    auto* nodes
        = app.add_option("--nodes", options->nodes, "Stop at the first poll past this many nodes")
              ->check(CLI::Range(1u, 4000000000u));
    addLevelOption(app, "--level", options->level, "Search as the game's level does")
        ->excludes(depth, time, nodes);
    app.add_flag("--no-tables", options->noTables, "Search without the endgame tables");
    return [options] { return runSearch(*options); };
}

const CommandRegistration
    reg({ "search",
          "A search of a position: statistics after each iteration, then 'bestmove MOVE score S'",
          defineSearch });
} // namespace

} // namespace kv::cli
