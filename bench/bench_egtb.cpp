// Endgame tables: a probe (index and one byte read) and the solving of the
// two- and three-piece tables.
#include "eval/egtb_solver.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace kv;

void BM_EgtbProbe(benchmark::State& state)
{
    egtb::EndgameTables tables;
    egtb::solveAllTables(tables, 3);
    // Random three-piece positions with a table, either side to move.
    std::vector<std::pair<Board, SideToMove>> positions;
    std::mt19937 rng(3);
    const std::uint8_t codes[4] = { WhiteMan, WhiteKing, BlackMan, BlackKing };
    while (positions.size() < 1024) {
        Board b;
        b.clear();
        for (int i = 0; i < 3; ++i) {
            int s;
            do s = 1 + static_cast<int>(rng() % 32);
            while (b[s] != Empty);
            b[s] = codes[rng() % 4];
        }
        const SideToMove side = static_cast<SideToMove>(rng() % 2);
        if (tables.value(b, side)) positions.emplace_back(b, side);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [b, side] = positions[i++ & 1023];
        benchmark::DoNotOptimize(tables.value(b, side));
    }
}
BENCHMARK(BM_EgtbProbe);

void BM_EgtbSolveThreePieces(benchmark::State& state)
{
    for (auto _ : state) {
        egtb::EndgameTables tables;
        benchmark::DoNotOptimize(egtb::solveAllTables(tables, 3));
    }
}
BENCHMARK(BM_EgtbSolveThreePieces)->Unit(benchmark::kMillisecond);

} // namespace
