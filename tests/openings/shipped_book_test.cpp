// The libraries the build installs: every line is a legal game from the
// initial position, and no sampled book move loses material by force.
#include "engine/hash_keys.h"
#include "engine/search_driver.h"
#include "openings/library_sets.h"
#include "openings/line_replay.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <set>

namespace kv {
namespace {

OpeningLibrary shipped(const char* name)
{
    OpeningLibrary lib;
    std::string why;
    EXPECT_TRUE(readLibrary(std::string(KV_PROGRAM_DIR) + "/" + name, lib, why)) << why;
    return lib;
}

TEST(ShippedBook, EveryLineIsLegalAndTheBookIsReal)
{
    for (SideToMove side : { White, Black }) {
        const OpeningLibrary lib = shipped(activeLibraryFile(side));
        EXPECT_GE(lib.size(), 100u);
        std::set<std::string> firstMoves;
        for (const auto& line : lib.lines()) {
            const auto moves = parseMoveText(line);
            ASSERT_TRUE(moves) << line;
            EXPECT_GE(moves->size(), 8u) << line;
            EXPECT_LE(moves->size(), 16u) << line;
            Position p = initialPosition();
            EXPECT_EQ(replayMoves(*moves, p.board, p.side), moves->size()) << line;
            firstMoves.insert(line.substr(0, 6));
        }
        // Variety from the first move on.
        EXPECT_GE(firstMoves.size(), side == White ? 2u : 3u);
    }
}

// After each book move of a sampled line, a search of the opponent's replies
// must not find that it wins material by force. The search judges with the
// hand-written evaluation alone: the learned patterns can value a position
// by more than the margin without any material changing hands.
TEST(ShippedBook, SampledBookMovesKeepTheMaterial)
{
    constexpr int kDepth = 8;
    constexpr int kLoss = 150; // three quarters of a man
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = kDepth;
    ctx.state.unlimitedTime = true;
    ctx.evaluator().usePatterns(false);
    for (SideToMove side : { White, Black }) {
        const OpeningLibrary lib = shipped(activeLibraryFile(side));
        for (std::size_t i = 0; i < lib.size(); i += 25) {
            const auto moves = parseMoveText(lib.lines()[i]);
            ASSERT_TRUE(moves);
            Position p = initialPosition();
            for (const BookMove& m : *moves) {
                const bool bookMove = p.side == side;
                const auto legal = legalMove(p.board, p.side, m);
                ASSERT_TRUE(legal) << lib.lines()[i];
                applyMove(p.board, *legal);
                p.side = p.side == White ? Black : White;
                if (!bookMove) continue;
                SearchRequest r;
                r.board = p.board;
                r.side = p.side;
                const SearchResult res = searchDriver(ctx, r);
                EXPECT_LT(res.score, kLoss) << lib.lines()[i] << " after " << formatFen(p);
            }
        }
    }
}

} // namespace
} // namespace kv
