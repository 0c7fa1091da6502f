#include "commands.h"
#include "options.h"

#include "engine/search_driver.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <tuple>

namespace kv::cli {

namespace {

// Every line of PLIES plies from the initial position that reaches a new
// position, searched to DEPTH from the side to move; the lines whose score
// lies within MAXSCORE (200 = a man) of even are printed as a ballot list.
struct BallotOptions {
    int plies = 0, depth = 0, maxScore = 0;
};

int runBallots(const BallotOptions& options)
{
    const int plies = options.plies, depth = options.depth, maxScore = options.maxScore;
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = depth;

    std::set<std::pair<Board, SideToMove>,
             bool (*)(const std::pair<Board, SideToMove>&, const std::pair<Board, SideToMove>&)>
        seen([](const auto& a, const auto& b) {
            return std::tie(a.first.sq, a.second) < std::tie(b.first.sq, b.second);
        });
    int kept = 0, searched = 0;
    std::printf(
        "# korvelan-cli ballots %d %d %d: openings of %d plies within %d of even at depth %d\n",
        plies, depth, maxScore, plies, maxScore, depth);
    // Depth-first over the legal moves, in generation order.
    std::vector<std::string> line;
    std::function<void(const Board&, SideToMove)> walk = [&](const Board& b, SideToMove side) {
        if (static_cast<int>(line.size()) == plies) {
            if (!seen.insert({ b, side }).second) return;
            SearchRequest r;
            r.board = b;
            r.side = side;
            ++searched;
            const SearchResult res = searchDriver(ctx, r);
            if (res.outcome == SearchOutcome::NoMove || std::abs(res.score) > maxScore) return;
            std::string text;
            for (const std::string& m : line) text += (text.empty() ? "" : " ") + m;
            std::printf("%-40s # %+d\n", text.c_str(), res.score);
            ++kept;
            return;
        }
        MoveGenerator gen;
        Board copy = b;
        const int n = gen.generateLegal(copy, side);
        for (int i = 0; i < n; ++i) {
            Board next = b;
            const MoveRecord m = gen.list(1)[i];
            line.push_back(shortMoveText(b, side, m));
            applyMove(next, m);
            walk(next, static_cast<SideToMove>(side ^ 1));
            line.pop_back();
        }
    };
    walk(initialPosition().board, White);
    std::fprintf(stderr, "ballots: %d positions searched, %d kept\n", searched, kept);
    return 0;
}

CommandBody defineBallots(CLI::App& app)
{
    auto options = std::make_shared<BallotOptions>();
    addBoundedOption(app, "PLIES", options->plies, 1, 8, "The length of each opening")->required();
    addDepthOption(app, "DEPTH", options->depth,
                   "The depth of the search of each opening's position")
        ->required();
    addBoundedOption(app, "MAXSCORE", options->maxScore, 0, 32000,
                     "Keep the openings whose score lies within this of even (200: a man)")
        ->required();
    return [options] { return runBallots(*options); };
}

const CommandRegistration
    reg({ "ballots", "Balanced openings from the initial position, one a line with its score",
          defineBallots });
} // namespace

} // namespace kv::cli
