#include "commands.h"
#include "options.h"

#include "engine/bench.h"

#include <cinttypes>
#include <cstdio>

namespace kv::cli {

namespace {
int runBenchCommand(int depth)
{
    const BenchResult r = runBench(depth);
    const auto& fens = benchPositions();
    for (std::size_t i = 0; i < r.bestMoves.size(); ++i)
        std::printf("%2zu %-60s %s\n", i + 1, fens[i].c_str(), r.bestMoves[i].c_str());
    const auto ms = static_cast<std::uint64_t>(r.seconds * 1000);
    const auto nps = r.seconds > 0 ? static_cast<std::uint64_t>(r.nodes / r.seconds) : r.nodes;
    std::printf("bench nodes %" PRIu64 " time_ms %" PRIu64 " nps %" PRIu64 "\n", r.nodes, ms, nps);
    return 0;
}

CommandBody defineBench(CLI::App& app)
{
    auto depth = std::make_shared<int>(kBenchDepth);
    addDepthOption(app, "DEPTH", *depth,
                   "The depth of each search (default " + std::to_string(kBenchDepth) + ")");
    return [depth] { return runBenchCommand(*depth); };
}

const CommandRegistration reg({ "bench",
                                "Fixed-depth searches of built-in positions: their best moves, "
                                "then 'bench nodes N time_ms T nps X'",
                                defineBench });
} // namespace

} // namespace kv::cli
