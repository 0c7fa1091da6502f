// The search with the endgame knowledge: a won ending is played out to the
// end with the real tables, and the kings-versus-men rule decides nodes.
#include "engine/endgame_knowledge.h"
#include "engine/search_driver.h"
#include "rules/movegen.h"
#include "rules/notation.h"
#include "tests/support/boards.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace kv;
using kv::test::boardOf;

namespace {

// The tables are built into the program directory, beside this test.
std::string programDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

constexpr egtb::TableId kThreeKings = 16; // dddod.bib

// The position of a table with its largest value, white to move.
std::pair<Board, int> slowestWin(const egtb::EndgameTables& tables, egtb::TableId t)
{
    std::pair<Board, int> best { {}, 0 };
    egtb::forEachPosition(t, [&](const Board& b, std::uint32_t i) {
        const int v = *tables.at(t, i);
        if (v > best.second) best = { b, v };
    });
    return best;
}

SearchContext& fixedDepth(SearchContext& ctx, int depth)
{
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = depth;
    ctx.settings.bookEnabled = false;
    ctx.clockMs = [] { return std::int64_t(1000); };
    return ctx;
}

int rootScore(const SearchKnowledge& knowledge, const Board& b, SideToMove side)
{
    SearchContext ctx(HashKeyTables::generated(), knowledge);
    fixedDepth(ctx, 3);
    SearchRequest r;
    r.board = b;
    r.side = side;
    return searchDriver(ctx, r).score;
}

} // namespace

// A white king on 1 holds black men on 3, 8 and 12: every man's move keeps
// them on first coordinate 6 or more, out of reach, so from ply 3 on the
// rule decides every line in which the king stays on its diagonal.
TEST(SearchWithKnowledge, KingsVersusMenDecidesFromPlyThree)
{
    EndgameKnowledge knowledge(programDir());
    const Board kingsWin
        = boardOf({ { 1, WhiteKing }, { 3, BlackMan }, { 8, BlackMan }, { 12, BlackMan } });
    EXPECT_EQ(rootScore(knowledge, kingsWin, White), 31001);
    EXPECT_EQ(rootScore(knowledge, colourMirrored(kingsWin), Black), 31001);
    // The side with the men at the root: the rule holds for the opponent.
    EXPECT_EQ(rootScore(knowledge, colourMirrored(kingsWin), White), -31001);
    EXPECT_EQ(rootScore(knowledge, kingsWin, Black), -31001);
    // Without the rule the same position is only a material judgement.
    EXPECT_LT(rootScore(SearchKnowledge(), kingsWin, White), 30000);
}

TEST(SearchWithTables, ConvertsTheSlowestThreeKingsWinAtFullSpeed)
{
    std::vector<std::string> problems;
    EndgameKnowledge knowledge(programDir(), [&](const std::string& m) { problems.push_back(m); });
    knowledge.loadTables();
    ASSERT_TRUE(problems.empty()) << problems.front();
    auto [board, v] = slowestWin(knowledge.tables(), kThreeKings);
    ASSERT_GT(v, 10);

    SearchContext ctx(HashKeyTables::generated(), knowledge);
    fixedDepth(ctx, 3);

    auto gen = std::make_unique<MoveGenerator>();
    int plies = 0;
    for (SideToMove side = White;; side = static_cast<SideToMove>(1 - side)) {
        const PieceCounts c = PieceCounts::of(board);
        if (c.black() == 0) break;
        Board probe = board;
        const int n = gen->generateLegal(probe, side);
        if (n == 0) {
            ASSERT_EQ(side, Black) << formatFen({ board, side });
            break;
        }
        ASSERT_LT(plies, v) << "not converted: " << formatFen({ board, side });
        if (side == White) {
            SearchRequest r;
            r.board = board;
            r.side = White;
            const SearchResult res = searchDriver(ctx, r);
            ASSERT_GE(res.legalIndex, 0) << formatFen({ board, side });
            EXPECT_GT(res.score, 30000);
            applyMove(board, res.move);
        } else {
            // Black resists as long as the table allows.
            int bestValue = -1;
            MoveRecord bestMove;
            for (int m = 0; m < n; ++m) {
                Board next = board;
                applyMove(next, gen->list(1)[m]);
                const int w = PieceCounts::of(next).black() == 0
                    ? 0
                    : knowledge.tables().value(next, White).value_or(0);
                ASSERT_GT(w, 0) << "a reply escapes the win";
                if (w > bestValue) bestValue = w, bestMove = gen->list(1)[m];
            }
            applyMove(board, bestMove);
        }
        ++plies;
    }
    // The table counts v - 1 plies to the end; the search loses none.
    EXPECT_EQ(plies, v - 1);
}
