#include "engine/bench.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// The node count of `korvelan-cli bench`. It changes only when the search or
// the evaluation changes what it computes: after such a change, check the
// new count with `korvelan-cli bench` and update this one constant.
constexpr std::uint64_t kBenchSignature = 359651;

TEST(Bench, NodeCountSignature)
{
    const BenchResult r = runBench();
    EXPECT_EQ(r.nodes, kBenchSignature);
    for (const std::string& move : r.bestMoves) EXPECT_NE(move, "none");
}

} // namespace
} // namespace kv
