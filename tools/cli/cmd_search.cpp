#include "commands.h"

#include "engine/endgame_knowledge.h"
#include "engine/levels.h"
#include "engine/search_driver.h"
#include "rules/repetition.h"

#include <cstdio>
#include <set>

namespace kv::cli {

namespace {
// Prints the statistics as they stand after each iteration.
class PrintingObserver : public SearchObserver {
public:
    explicit PrintingObserver(const SearchContext& ctx) : ctx_(ctx) { }
    void iterationFinished(int, int) override
    {
        static const SearchInfoLabels french { "Profondeur", "Noeuds", "Temps", "Noeuds/s", "Score", "Coups" };
        if (const SearchInfo* info = ctx_.lastSearchInfo())
            for (const auto& line : searchInfoLines(*info, french)) std::printf("%s\n", line.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    const SearchContext& ctx_;
};

int runSearch(const Args& args)
{
    const char* usage = "usage: search FEN [--moves \"11-15 24-20 ...\"] [--depth N] [--movetime S] | [--level L] [--no-tables]";
    Args rest;
    bool useTables = true;
    std::string moves;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--no-tables") {
            useTables = false;
        } else if (args[i] == "--moves") {
            if (i + 1 >= args.size()) return error(usage);
            moves += " " + args[++i];
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.empty()) return error(usage);
    auto pos = fenArgument(rest[0]);
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
    EndgameKnowledge tables(programDir(), [](const std::string& m) { std::fprintf(stderr, "korvelan-cli: %s\n", m.c_str()); });
    SearchKnowledge none;
    SearchContext ctx(*keys, useTables ? static_cast<const SearchKnowledge&>(tables) : none);
    ctx.settings.bookEnabled = false;
    // A depth and a time may bound the same search (a deep search of a
    // position full of kings can take minutes); a level stands alone.
    std::set<std::string> given;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (i + 1 >= rest.size()) return error(usage);
        const std::string& option = rest[i++];
        const std::string& text = rest[i];
        if (!given.insert(option).second) return error(usage);
        int value = 0;
        if (option == "--movetime") {
            std::int64_t ms = 0;
            if (!secondsArgument(text, ms) || ms < 1 || ms > 86400000)
                return error("movetime must be a number of seconds from 0.001 to 86400");
            ctx.settings.moveTimeMs = static_cast<int>(ms);
        } else if (!intArgument(text, value)) {
            return error(usage);
        } else if (option == "--depth") {
            if (value < 1 || value > 30) return error("depth must be 1..30");
            ctx.settings.levelTime = 32000;
            ctx.settings.fixedDepth = value;
        } else if (option == "--level") {
            const auto level = levelByIndex(value);
            if (!level) return error("level must be 0..8 or 11..17");
            ctx.settings.levelTime = level->levelTime;
            ctx.settings.levelCap = level->levelCap;
        } else {
            return error(usage);
        }
    }
    if (given.count("--level") && given.size() > 1) return error(usage);

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

const CommandRegistration reg({ "search", "FEN [--moves \"11-15 24-20 ...\"] [--depth N] [--movetime S] | [--level L] [--no-tables]  statistics, then bestmove MOVE score S",
                                runSearch });
} // namespace

} // namespace kv::cli
