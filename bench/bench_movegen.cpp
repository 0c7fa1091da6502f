// Move generation speed: perft from the initial position and from a king
// ending, where the flying-king capture search dominates.
#include "rules/notation.h"
#include "rules/perft.h"

#include <benchmark/benchmark.h>

namespace {

void perftFrom(benchmark::State& state, const char* fen)
{
    const kv::Position p = *kv::parseFen(fen);
    kv::MoveGenerator gen;
    const int depth = static_cast<int>(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state) nodes += kv::perft(gen, p.board, p.side, depth);
    state.counters["nodes/s"]
        = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_PerftStart(benchmark::State& state) { perftFrom(state, "start"); }
void BM_PerftKings(benchmark::State& state)
{
    perftFrom(state, "W:WK1,K9,17,18:BK32,K24,14,15,20");
}

} // namespace

BENCHMARK(BM_PerftStart)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerftKings)->Arg(5)->Unit(benchmark::kMillisecond);
