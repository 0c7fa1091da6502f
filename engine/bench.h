// The fixed search of `korvelan-cli bench` and of the signature test: a set
// of positions from every stage of the game, each searched to the same depth
// in a fresh transposition table. The total node count changes only when the
// search's behaviour changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

const std::vector<std::string>& benchPositions();

constexpr int kBenchDepth = 9;

struct BenchResult {
    std::uint64_t nodes = 0;
    double seconds = 0;
    std::vector<std::string> bestMoves; // one per position
};

BenchResult runBench(int depth = kBenchDepth);

} // namespace kv
