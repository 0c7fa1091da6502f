// Search speed: fixed-depth searches of a middle-game and a king position in
// a fresh table, and the leaf capture probe on its own.
#include "engine/capture_probe.h"
#include "engine/search_driver.h"
#include "rules/notation.h"

#include <benchmark/benchmark.h>

namespace {

void searchFrom(benchmark::State& state, const char* fen)
{
    const kv::Position p = *kv::parseFen(fen);
    kv::SearchContext ctx(kv::HashKeyTables::generated());
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = static_cast<int>(state.range(0));
    ctx.settings.bookEnabled = false;
    kv::SearchRequest request;
    request.board = p.board;
    request.side = p.side;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        ctx.clearTranspositionTable();
        nodes += kv::searchDriver(ctx, request).nodes;
    }
    state.counters["nodes/s"]
        = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_SearchMiddleGame(benchmark::State& state)
{
    searchFrom(state, "W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32");
}
void BM_SearchKings(benchmark::State& state)
{
    searchFrom(state, "W:W3,5,7,10,15,K30:B21,23,24,26");
}

void BM_CaptureProbe(benchmark::State& state)
{
    const kv::Position p = *kv::parseFen("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32");
    const kv::PieceCounts counts = kv::PieceCounts::of(p.board);
    for (auto _ : state) benchmark::DoNotOptimize(kv::hasCapture(p.board, counts, p.side));
}

} // namespace

BENCHMARK(BM_SearchMiddleGame)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchKings)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaptureProbe);
