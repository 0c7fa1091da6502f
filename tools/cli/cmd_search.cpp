#include "commands.h"

#include "engine/endgame_knowledge.h"
#include "engine/levels.h"
#include "engine/search_driver.h"

#include <cstdio>

namespace kv::cli {

namespace {
// Prints the statistics as they stand after each iteration.
class PrintingObserver : public SearchObserver {
public:
    explicit PrintingObserver(const SearchContext& ctx) : ctx_(ctx) { }
    void iterationFinished(int, int) override
    {
        for (const auto& line : ctx_.statisticsLines()) std::printf("%s\n", line.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    const SearchContext& ctx_;
};

int runSearch(const Args& args)
{
    const char* usage = "usage: search FEN [--depth N | --level L | --movetime S] [--no-tables]";
    Args rest;
    bool useTables = true;
    for (const auto& a : args) {
        if (a == "--no-tables")
            useTables = false;
        else
            rest.push_back(a);
    }
    if (rest.empty()) return error(usage);
    auto pos = fenArgument(rest[0]);
    if (!pos) return kUsageError;

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
    int limits = 0;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        int value = 0;
        if (i + 1 >= rest.size() || !intArgument(rest[i + 1], value)) return error(usage);
        const std::string& option = rest[i++];
        ++limits;
        if (option == "--depth") {
            if (value < 1 || value > 30) return error("depth must be 1..30");
            ctx.settings.levelTime = 32000;
            ctx.settings.fixedDepth = value;
        } else if (option == "--level") {
            const auto level = levelByIndex(value);
            if (!level) return error("level must be 0..8 or 11..17");
            ctx.settings.levelTime = level->levelTime;
            ctx.settings.levelCap = level->levelCap;
        } else if (option == "--movetime") {
            if (value < 1) return error("movetime must be at least 1 second");
            ctx.settings.moveTime = value;
        } else {
            return error(usage);
        }
    }
    if (limits > 1) return error(usage);

    PrintingObserver observer(ctx);
    ctx.observer = &observer;
    SearchRequest request;
    request.board = pos->board;
    request.side = pos->side;
    const SearchResult r = searchDriver(ctx, request);
    if (r.outcome == SearchOutcome::NoMove) {
        std::printf("bestmove none score %d\n", r.score);
        return 0;
    }
    std::printf("bestmove %s score %d\n", moveText(r.move).c_str(), r.score);
    return 0;
}

const CommandRegistration reg({ "search", "FEN [--depth N | --level L | --movetime S] [--no-tables]  statistics, then bestmove MOVE score S",
                                runSearch });
} // namespace

} // namespace kv::cli
