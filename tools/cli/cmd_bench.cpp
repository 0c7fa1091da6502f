#include "commands.h"

#include "engine/bench.h"

#include <cinttypes>
#include <cstdio>

namespace kv::cli {

namespace {
int runBenchCommand(const Args& args)
{
    int depth = kBenchDepth;
    if (args.size() > 1 || (args.size() == 1 && (!intArgument(args[0], depth) || depth < 1 || depth > 30)))
        return error("usage: bench [DEPTH]");
    const BenchResult r = runBench(depth);
    const auto& fens = benchPositions();
    for (std::size_t i = 0; i < r.bestMoves.size(); ++i)
        std::printf("%2zu %-60s %s\n", i + 1, fens[i].c_str(), r.bestMoves[i].c_str());
    const auto ms = static_cast<std::uint64_t>(r.seconds * 1000);
    const auto nps = r.seconds > 0 ? static_cast<std::uint64_t>(r.nodes / r.seconds) : r.nodes;
    std::printf("bench nodes %" PRIu64 " time_ms %" PRIu64 " nps %" PRIu64 "\n", r.nodes, ms, nps);
    return 0;
}

const CommandRegistration reg({ "bench", "[DEPTH]             fixed-depth search of built-in positions; bench nodes N time_ms T nps X",
                                runBenchCommand });
} // namespace

} // namespace kv::cli
