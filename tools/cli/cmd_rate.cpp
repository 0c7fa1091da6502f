#include "commands.h"

#include <CLI/CLI.hpp>

#include "players/history.h"
#include "players/rating.h"

#include <cstdio>

namespace kv::cli {

namespace {
int runRate(const std::vector<std::string>& args)
{
    const auto white = parseRating(args[0]), black = parseRating(args[1]);
    if (!white || !black) return error("ratings are whole numbers of at most five digits");
    const auto outcome = parseScoreText(args[2]);
    if (!outcome) return error("RESULT is 2-0 (white won), 1-1 (draw) or 0-2 (black won)");
    const RatingPair after = rateMatchResult(*white, *black, *outcome);
    std::printf("white %d -> %d (%+d)\n", *white, after.white, after.white - *white);
    std::printf("black %d -> %d (%+d)\n", *black, after.black, after.black - *black);
    std::printf("white %d black %d\n", after.white, after.black);
    return 0;
}

CommandBody defineRate(CLI::App& app)
{
    auto args = std::make_shared<std::vector<std::string>>(3);
    app.add_option("WHITE", (*args)[0], "White's rating before the game")->required();
    app.add_option("BLACK", (*args)[1], "Black's rating before the game")->required();
    app.add_option("RESULT", (*args)[2], "2-0 (white won), 1-1 (a draw) or 0-2 (black won)")
        ->required();
    return [args] { return runRate(*args); };
}

const CommandRegistration
    reg({ "rate", "The ratings after a rated game; last line: 'white W black B'", defineRate });
} // namespace

} // namespace kv::cli
