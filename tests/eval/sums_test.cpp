#include "random_positions.h"
#include "test_positions.h"

#include "rules/notation.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// Plays every legal move of `p` and checks the incremental update against the
// sums computed from scratch on the board after it, for both root sides.
void checkEveryMove(Evaluator& ev, MoveGenerator& gen, const test::SidedBoard& p)
{
    Board b = p.board;
    const int n = gen.generateLegal(b, p.side);
    for (SideToMove e : { White, Black }) {
        const EvalSums before = ev.prepareSums(b, PieceCounts::of(b), e);
        for (int i = 0; i < n; ++i) {
            const MoveRecord& m = gen.list(1)[i];
            EvalSums sums = before;
            ev.updateSums(sums, b, m, e);
            Board after = b;
            applyMove(after, m);
            ASSERT_EQ(sums, ev.computeSums(after, e))
                << "move " << moveText(m) << " root side " << int(e);
        }
    }
}

TEST(IncrementalSums, AgreeWithScratchAfterEveryMoveOfRandomGames)
{
    std::mt19937 rng(7);
    Evaluator ev(defaultParameters());
    MoveGenerator gen;
    int checked = 0;
    for (const auto& p : test::randomGamePositions(rng, 40, 120)) {
        ev.preparePhase(p.board, PieceCounts::of(p.board));
        checkEveryMove(ev, gen, p);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

TEST(IncrementalSums, AgreeWithScratchOnRandomBoardsWithKingsAndPromotions)
{
    std::mt19937 rng(11);
    Evaluator ev(defaultParameters());
    MoveGenerator gen;
    for (int i = 0; i < 3000; ++i) {
        const auto p = test::randomBoard(rng, 14, 0.25);
        ev.preparePhase(p.board, PieceCounts::of(p.board));
        checkEveryMove(ev, gen, p);
    }
}

TEST(IncrementalSums, ScratchSumsOfTheStartAreBalanced)
{
    Board b;
    b.setInitial();
    Evaluator ev(defaultParameters());
    ev.preparePhase(b, PieceCounts::of(b));
    const EvalSums s = ev.prepareSums(b, PieceCounts::of(b), White);
    EXPECT_EQ(s.positional, 0);
    EXPECT_EQ(s.advance, 0);
    EXPECT_EQ(s.zoneOwn, s.zoneOpp);
    EXPECT_EQ(s.zoneOwn[1] + s.zoneOwn[2], 12);
    // Each of the three home rows holds column weights summing to 10.
    EXPECT_EQ(s.centreOwn, 30);
    EXPECT_EQ(s.centreOpp, 30);
}

} // namespace
} // namespace kv
