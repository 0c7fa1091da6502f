// Evaluation speed: calls per second over positions met in random games from
// the start (every ply of 200 games, so openings, middle games and endings
// with kings), each evaluated with a full window as at a leaf of the search.
#include "eval/evaluate.h"
#include "rules/movegen.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

struct Leaf {
    kv::Board board;
    kv::PieceCounts counts;
    kv::EvalSums sums;
    kv::SideToMove rootSide;
    int ply;
};

std::vector<Leaf> leaves(kv::Evaluator& ev)
{
    std::mt19937 rng(2024);
    kv::MoveGenerator gen;
    std::vector<Leaf> out;
    for (int game = 0; game < 200; ++game) {
        kv::Board b;
        b.setInitial();
        kv::SideToMove side = kv::White;
        for (int ply = 0; ply < 150; ++ply) {
            const int n = gen.generateLegal(b, side);
            if (n == 0) break;
            const kv::PieceCounts c = kv::PieceCounts::of(b);
            ev.preparePhase(b, c);
            out.push_back({ b, c, ev.prepareSums(b, c, side), side, 1 + ply % 2 });
            kv::applyMove(b, gen.list(1)[std::uniform_int_distribution<int>(0, n - 1)(rng)]);
            side = side == kv::White ? kv::Black : kv::White;
        }
    }
    return out;
}

void BM_Evaluate(benchmark::State& state)
{
    kv::Evaluator ev(kv::defaultParameters());
    const std::vector<Leaf> set = leaves(ev);
    // One phase for the whole run, as within one search.
    ev.preparePhase(set.front().board, set.front().counts);
    std::int64_t calls = 0;
    for (auto _ : state) {
        int sum = 0;
        for (const Leaf& l : set)
            sum += ev.evaluate(kv::EvalNode { l.board, l.counts, l.ply, 0, 0, l.sums }, l.rootSide,
                               -32000, 32000);
        benchmark::DoNotOptimize(sum);
        calls += static_cast<std::int64_t>(set.size());
    }
    state.counters["evals/s"]
        = benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsRate);
    state.counters["positions"] = static_cast<double>(set.size());
}

} // namespace

BENCHMARK(BM_Evaluate)->Unit(benchmark::kMillisecond);
