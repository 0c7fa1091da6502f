// The rules a node applies to single moves: the promotion extension, forward
// pruning near the horizon and the material signs of the min node. Each test
// prepares the searcher by hand at one node, as the driver would.
#include "engine/searcher.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kv {
namespace {

// A searcher standing at a node of the given position, for root side white.
struct Node {
    SearchContext ctx { HashKeyTables::generated() };
    Searcher& s = ctx.searcher();

    Node(const std::string& fen, int depth)
    {
        const auto p = parseFen(fen);
        EXPECT_TRUE(p) << fen;
        s.state = &ctx.state;
        s.poll = &ctx.poll;
        s.clockMs = &ctx.clockMs;
        s.rootSide = White;
        s.opponentSide = Black;
        s.pos = NodeFrame {};
        s.pos.board = p->board;
        s.pos.counts = PieceCounts::of(p->board);
        s.pos.keys = computeHashKeys(s.keys, p->board);
        s.evaluator.preparePhase(p->board, s.pos.counts);
        s.gamePhase = s.evaluator.gamePhase();
        s.pos.sums = s.evaluator.prepareSums(p->board, s.pos.counts, White);
        s.iterationDepth = depth;
        s.extensionCount.fill(0);
        for (int ply = 0; ply < kPlyTables; ++ply) s.emptyKillers(ply);
        s.advancedMax = s.advancedMin = 0;
        s.nodes = 0;
    }

    // The first move of `side`'s list that crowns a man.
    MoveRecord crowning(SideToMove side)
    {
        const int n = s.gen.generate(s.pos.board, side, 5);
        for (int i = 0; i < n; ++i)
            if (promotes(s.pos.board[s.gen.list(5)[i].from], s.gen.list(5)[i].to))
                return s.gen.list(5)[i];
        ADD_FAILURE() << "no crowning move";
        return {};
    }

    // Static evaluations of the positions after each of `side`'s moves, in
    // generation order, seen at `ply`.
    std::vector<int> evaluationsAfterEachMove(SideToMove side, int ply)
    {
        const NodeFrame frame = s.pos;
        const int n = s.gen.generate(s.pos.board, side, ply);
        std::vector<int> values;
        for (int i = 0; i < n; ++i) {
            s.makeSearchMove(s.gen.list(ply)[i], ply);
            values.push_back(s.evaluate(ply, -kWinScore, kWinScore));
            s.pos = frame;
        }
        return values;
    }
};

// White men on 2 and 25 (25 one step from crowning), black men on 14 and 15.
constexpr const char* kCrowning = "W:W2,25:B14,15";
// Black to move with a man on 8 one step from crowning.
constexpr const char* kBlackCrowning = "B:W18,19:B8,31";

TEST(NodeRules, AFirstKingNearTheHorizonInABalancedPositionExtendsTwoPlies)
{
    // ply 3 at depth 4: 3 - 0 - 0 > 4 - 2, balance 0, no white king yet.
    {
        Node n(kCrowning, 4);
        n.s.makeSearchMove(n.crowning(White), 3);
        EXPECT_EQ(n.s.pos.promotionExtension, 2);
        EXPECT_EQ(n.s.pos.counts[WhiteKing], 1);
        EXPECT_EQ(n.s.pos.materialBalance, 2);
    }
    // Far from the horizon (3 > 5 - 2 fails): no extension.
    {
        Node n(kCrowning, 5);
        n.s.makeSearchMove(n.crowning(White), 3);
        EXPECT_EQ(n.s.pos.promotionExtension, 0);
    }
    // The capture plies of the path and a root reduction move the horizon.
    {
        Node n(kCrowning, 4);
        n.s.extensionCount[4] = 1; // 3 - 1 > 2 fails
        n.s.makeSearchMove(n.crowning(White), 3);
        EXPECT_EQ(n.s.pos.promotionExtension, 0);
        Node r(kCrowning, 5);
        r.s.pos.rootReduction = -1; // 3 + 1 > 3 holds
        r.s.makeSearchMove(r.crowning(White), 3);
        EXPECT_EQ(r.s.pos.promotionExtension, 2);
    }
    // A side that already has a king, or whose balance is outside 0..4
    // before the crowning's 2, gets no extension.
    {
        Node n("W:W2,25,K30:B14,15", 4);
        n.s.makeSearchMove(n.crowning(White), 3);
        EXPECT_EQ(n.s.pos.promotionExtension, 0);
    }
    for (const auto& [balance, extension] :
         { std::pair { -1, 0 }, std::pair { 0, 2 }, std::pair { 4, 2 }, std::pair { 5, 0 } }) {
        Node n(kCrowning, 4);
        n.s.pos.materialBalance = balance;
        n.s.makeSearchMove(n.crowning(White), 3);
        EXPECT_EQ(n.s.pos.promotionExtension, extension) << balance;
    }
    // The opponent's crowning: its balance is minus the root side's.
    for (const auto& [balance, extension] : { std::pair { -4, 2 }, std::pair { 1, 0 } }) {
        Node n(kBlackCrowning, 5);
        n.s.pos.materialBalance = balance;
        n.s.makeSearchMove(n.crowning(Black), 4);
        EXPECT_EQ(n.s.pos.promotionExtension, extension) << balance;
        EXPECT_EQ(n.s.pos.materialBalance, balance - 2);
    }
}

// Seven white and seven black men, white to move, no capture on the board.
constexpr const char* kQuietMiddle = "W:W1,2,3,5,6,7,10:B23,26,27,28,30,31,32";

TEST(NodeRules, MaterialPruningNearTheHorizon)
{
    // Four men down after a quiet move, two quiet plies in a row, d = 3 >
    // 4 - 4: the max node ends at once with the evaluation after its first move.
    {
        Node n(kQuietMiddle, 4);
        const std::vector<int> after = n.evaluationsAfterEachMove(White, 3);
        ASSERT_GE(after.size(), 2u);
        n.s.pos.materialBalance = -4;
        n.s.pos.quietPlyCount = 1;
        EXPECT_EQ(n.s.maxNode(-kWinScore, kWinScore, 3), after.front());
        EXPECT_EQ(n.s.nodes, 1u);
    }
    // Three men down: every move is replaced by its evaluation and the node
    // keeps the largest.
    {
        Node n(kQuietMiddle, 4);
        const std::vector<int> after = n.evaluationsAfterEachMove(White, 3);
        n.s.pos.materialBalance = -3;
        n.s.pos.quietPlyCount = 1;
        EXPECT_EQ(n.s.maxNode(-kWinScore, kWinScore, 3),
                  *std::max_element(after.begin(), after.end()));
        EXPECT_EQ(n.s.nodes, 1u);
    }
    // Only the first quiet ply: nothing is pruned and the children are searched.
    {
        Node n(kQuietMiddle, 4);
        n.s.pos.materialBalance = -4;
        n.s.pos.quietPlyCount = 0;
        n.s.maxNode(-kWinScore, kWinScore, 3);
        EXPECT_GT(n.s.nodes, 1u);
    }
    // Fewer than seven pieces: nothing is pruned either.
    {
        Node n("W:W1,2,3,5:B30,31", 4);
        n.s.pos.materialBalance = -4;
        n.s.pos.quietPlyCount = 1;
        n.s.maxNode(-kWinScore, kWinScore, 3);
        EXPECT_GT(n.s.nodes, 1u);
    }
}

TEST(NodeRules, MinNodesPruneWithTheSignsReversed)
{
    const std::string blackToMove = "B:W1,2,3,5,6,7,10:B23,26,27,28,30,31,32";
    // The root side four men up is the opponent four down: the min node ends.
    // (Depth 4 keeps the quiet-sequence rule, 2 > 4 / 2, out of the way.)
    {
        Node n(blackToMove, 4);
        const std::vector<int> after = n.evaluationsAfterEachMove(Black, 2);
        n.s.pos.materialBalance = 4;
        n.s.pos.quietPlyCount = 1;
        EXPECT_EQ(n.s.minNode(-kWinScore, kWinScore, 2), after.front());
        EXPECT_EQ(n.s.nodes, 1u);
    }
    // Three up: every move replaced, the smallest kept.
    {
        Node n(blackToMove, 4);
        const std::vector<int> after = n.evaluationsAfterEachMove(Black, 2);
        n.s.pos.materialBalance = 3;
        n.s.pos.quietPlyCount = 1;
        EXPECT_EQ(n.s.minNode(-kWinScore, kWinScore, 2),
                  *std::min_element(after.begin(), after.end()));
        EXPECT_EQ(n.s.nodes, 1u);
    }
    // The root side behind is no reason to prune the opponent's moves.
    {
        Node n(blackToMove, 4);
        n.s.pos.materialBalance = -4;
        n.s.pos.quietPlyCount = 1;
        n.s.minNode(-kWinScore, kWinScore, 2);
        EXPECT_GT(n.s.nodes, 1u);
    }
}

TEST(NodeRules, QuietSequencePruningSparesMenEnteringTheirLastRows)
{
    // A man down and a long quiet sequence (3 > 4 / 2): the move is replaced by
    // its evaluation although d = 3 is too shallow for the material rules.
    {
        Node n(kQuietMiddle, 4);
        n.s.pos.materialBalance = -1;
        n.s.pos.quietPlyCount = 2;
        const std::vector<int> after = n.evaluationsAfterEachMove(White, 3);
        EXPECT_EQ(n.s.maxNode(-kWinScore, kWinScore, 3),
                  *std::max_element(after.begin(), after.end()));
        EXPECT_EQ(n.s.nodes, 1u);
    }
    // The same with the opponent's last move taking a man into its last
    // three rows: the sequence rule is off and the moves are searched.
    {
        Node n(kQuietMiddle, 4);
        n.s.pos.materialBalance = -1;
        n.s.pos.quietPlyCount = 2;
        n.s.advancedMin = 1;
        n.s.maxNode(-kWinScore, kWinScore, 3);
        EXPECT_GT(n.s.nodes, 1u);
    }
}

TEST(NodeRules, AQuietNodeNearItsHorizonFarOutsideTheWindowTriesOnlyItsFirstMove)
{
    // A window `outside` beyond the node's evaluation on its losing side.
    struct Case {
        int ply, depth, outside;
        bool futile;
    };
    const Case cases[] = {
        { 5, 5, 150, true },                        // max node at its horizon, 150 below alpha
        { 5, 5, 50, false },                        // within the margin of 100
        { 5, 6, 150, false },                       // a ply before its horizon the margin is 200...
        { 5, 6, 250, true },  { 5, 7, 350, true },  // ...two plies before, 300
        { 5, 7, 250, false }, { 5, 8, 450, false }, // three plies before: never
        { 6, 6, 150, true },                        // min node at its horizon, 150 above beta
        { 6, 6, 50, false },  { 6, 8, 350, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("ply " + std::to_string(c.ply) + " depth " + std::to_string(c.depth));
        const bool maxSide = c.ply % 2 == 1;
        Node n(kQuietMiddle, c.depth);
        const int e = n.s.evaluate(c.ply, -kWinScore, kWinScore);
        const int alpha = maxSide ? e + c.outside : e - c.outside - 1;
        const int beta = alpha + 1;
        int bound = 0;
        const int draft = n.s.horizon(c.ply) - c.ply;
        EXPECT_EQ(n.s.futileNode(c.ply, draft, alpha, beta, maxSide, bound), c.futile);
        if (!c.futile) continue;
        // The node fails on its losing side after fewer moves than a full search.
        const int score
            = maxSide ? n.s.maxNode(alpha, beta, c.ply) : n.s.minNode(alpha, beta, c.ply);
        EXPECT_TRUE(maxSide ? score <= alpha : score >= beta) << score;
        const std::uint64_t futileNodes = n.s.nodes;
        Node full(kQuietMiddle, c.depth);
        if (maxSide) full.s.maxNode(-kWinScore, kWinScore, c.ply);
        else full.s.minNode(-kWinScore, kWinScore, c.ply);
        EXPECT_LT(futileNodes, full.s.nodes);
    }
    // A decided window is never futile.
    Node n(kQuietMiddle, 5);
    int bound = 0;
    EXPECT_FALSE(n.s.futileNode(5, 0, kDecidedScore, kDecidedScore + 1, true, bound));
}

} // namespace
} // namespace kv
