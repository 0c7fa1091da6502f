#include "openings/book_builder.h"

#include "engine/hash_keys.h"
#include "engine/search_driver.h"
#include "openings/book_lookup.h"
#include "openings/line_replay.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(BookBuilder, WritesLegalVariedLinesEndingOnTheBookSide)
{
    for (SideToMove side : { White, Black }) {
        SearchContext ctx(HashKeyTables::generated());
        BookBuildOptions o;
        o.bookSide = side;
        o.plies = 6;
        o.depth = 3;
        o.margin = 400; // every move that keeps the balance
        o.ownWidth = { 2, 1 };
        o.replyWidth = { 2, 1 };
        BookBuildStats stats;
        const auto lines = buildBook(ctx, o, &stats);
        ASSERT_GE(lines.size(), 2u) << int(side);
        EXPECT_LE(lines.size(), 4u);
        EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
        EXPECT_EQ(stats.lines, static_cast<int>(lines.size()));
        for (const auto& line : lines) {
            const auto moves = parseMoveText(line);
            ASSERT_TRUE(moves) << line;
            EXPECT_EQ(lineText(*moves), line);
            Position p = initialPosition();
            EXPECT_EQ(replayMoves(*moves, p.board, p.side), moves->size()) << line;
            // The last move is the book side's, so the line offers something.
            EXPECT_NE(p.side, side) << line;
            EXPECT_GE(moves->size(), 6u) << line;
        }
        // The settings of the context are given back.
        EXPECT_TRUE(ctx.settings.bookEnabled);
        EXPECT_FALSE(ctx.state.unlimitedTime);
    }
}

} // namespace
} // namespace kv
