#include "commands.h"

#include "players/history.h"
#include "players/rating.h"

#include <cstdio>

namespace kv::cli {

namespace {
int runRate(const Args& args)
{
    if (args.size() != 3) return error("usage: rate WHITE BLACK RESULT");
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

const CommandRegistration reg({ "rate", "WHITE BLACK RESULT   ratings after a rated game (2-0, 1-1, 0-2): \"white W black B\"",
                                runRate });
} // namespace

} // namespace kv::cli
