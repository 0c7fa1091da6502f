// Every breakthrough pattern must be sound: in its example position the side
// to move comes out at least a man's worth ahead (a king for a man) by force,
// found by a plain search in which the defender may also pass.
#include "breakthrough_examples.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace kv {
namespace {

constexpr int kDepth = 12;

TEST(BreakthroughSoundness, EveryExampleWinsMaterialBySearch)
{
    const auto white = knowledge::breakthroughRules(true);
    const auto source = knowledge::breakthroughSource();
    test::BreakthroughSolver solver;
    for (std::size_t i = 0; i < white.size(); ++i) {
        if (white[i].isGroup()) continue;
        Board b = test::breakthroughExample(i);
        const int before = test::materialOf(b, White);
        const int after = solver.search(b, White, kDepth, -20000, 20000);
        EXPECT_GE(after - before, 100)
            << source[white[i].line] << " (gain " << after - before << ")";
    }
}

} // namespace
} // namespace kv
