#include "engine/search_driver.h"
#include "engine/time_rules.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv {
namespace {

struct Iteration {
    std::int64_t end; // ms into the move
    int move, score;
};

struct TimerCase {
    const char* what;
    std::vector<Iteration> iterations;
    std::int64_t budget;
    bool another;
};

// Target 1000 ms, hard limit 5000 ms. Iterations grow three times over.
TEST(IterationTimer, BudgetFollowsTheSearchAndNoIterationStartsThatCannotEnd)
{
    const std::vector<TimerCase> cases {
        { "steady growth, the next ends within 1.5 x the budget",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 0 }, { 270, 1, 0 } },
          1000,
          true },
        { "the next would end at 2430 ms: not started although 810 < 1000",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 0 }, { 270, 1, 0 }, { 810, 1, 0 } },
          1000,
          false },
        { "a new best move buys time",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 0 }, { 270, 1, 0 }, { 700, 2, 0 } },
          1600,
          true },
        { "the same without the change",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 0 }, { 270, 1, 0 }, { 700, 1, 0 } },
          1000,
          false },
        { "the unrest halves with each quiet iteration",
          { { 10, 1, 0 }, { 30, 2, 0 }, { 90, 2, 0 }, { 270, 2, 0 }, { 810, 2, 0 } },
          1070,
          false },
        { "a score falling by half a man doubles the budget",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 0 }, { 270, 1, 0 }, { 810, 1, -100 } },
          2000,
          true },
        { "a smaller fall adds half",
          { { 10, 1, 0 }, { 30, 1, 0 }, { 90, 1, 40 }, { 270, 1, 0 } },
          1500,
          true },
        { "one move best six times running with a steady score spends less",
          { { 1, 1, 0 }, { 2, 1, 0 }, { 4, 1, 0 }, { 8, 1, 0 }, { 16, 1, 0 }, { 32, 1, 5 } },
          700,
          true },
        { "decided scores are no fall", { { 10, 1, 31000 }, { 30, 1, 0 } }, 1000, true },
        { "budget spent", { { 10, 1, 0 }, { 1000, 1, 0 } }, 1000, false },
    };
    for (const TimerCase& c : cases) {
        IterationTimer t(1000, 5000);
        for (const Iteration& i : c.iterations) t.iterationDone(i.end, i.move, i.score);
        EXPECT_EQ(t.budget(), c.budget) << c.what;
        EXPECT_EQ(t.startAnother(c.iterations.back().end), c.another) << c.what;
    }
    // Never beyond nine tenths of the hard limit, and never an iteration that
    // cannot end before it.
    IterationTimer t(4000, 5000);
    t.iterationDone(1000, 1, 0);
    t.iterationDone(3000, 2, 0);
    EXPECT_EQ(t.budget(), 4500);
    EXPECT_FALSE(t.startAnother(3000));
}

// A clock that runs with the search: one millisecond per 200 nodes. At
// LevelTime 240 (target 5,600 ms) one move stays best with a steady score, and
// the iteration after depth 14 would end far past the budget: the search ends
// there, before its target, where a rule that only compares the time with the
// budget would start it and end past half as much again as the target.
TEST(IterationTimer, ATimedSearchEndsBetweenIterations)
{
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.levelTime = 240;
    ctx.settings.levelCap = 600;
    ctx.settings.bookEnabled = false;
    ctx.clockMs = [&ctx] { return std::int64_t(ctx.nodes() / 200); };
    auto pos = parseFen("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32");
    ASSERT_TRUE(pos);
    SearchRequest r;
    r.board = pos->board;
    r.side = pos->side;
    const SearchResult res = searchDriver(ctx, r);
    EXPECT_FALSE(ctx.state.stopRequested);
    EXPECT_EQ(res.depth, 14);
    EXPECT_LT(ctx.nodes() / 200, 5600);
}

} // namespace
} // namespace kv
