#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/notation.h"
#include "rules/repetition.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// Two kings shuttling: white 29-25-29, black 4-8-4 (user numbers).
GameState shuttle(int plies)
{
    GameState g;
    g.startFrom(parseFen("W:WK29:BK4,K3")->board, White);
    const char* moves[] = { "29-25", "4-8", "25-29", "8-4" };
    for (int i = 0; i < plies; ++i) {
        const auto m = parseMove(g.board, g.side, moves[i % 4]);
        EXPECT_TRUE(m) << i;
        g.playMove(*m, m->n);
    }
    return g;
}

} // namespace

TEST(Repetition, TheThirdOccurrenceWithTheSameSideToMoveDraws)
{
    // The start position comes back after plies 4 and 8.
    EXPECT_EQ(occurrencesOfEntry(shuttle(4).record, 4), 2);
    EXPECT_FALSE(isRepetitionDraw(shuttle(4).record, 4));
    EXPECT_FALSE(isRepetitionDraw(shuttle(7).record, 7)); // entry 3 seen twice only
    EXPECT_TRUE(isRepetitionDraw(shuttle(8).record, 8));
    // Ply 9 shows the position of plies 1 and 5: its third time as well.
    EXPECT_TRUE(isRepetitionDraw(shuttle(9).record, 9));
}

TEST(Repetition, TheSameSquaresWithTheOtherSideToMoveAreAnotherPosition)
{
    const GameState g = shuttle(4);
    Board b = g.board;
    // Entries 0 and 4 show this board with white to move; the odd entries never do.
    EXPECT_EQ(occurrences(g.record, 4, b, 0), 2);
    EXPECT_EQ(occurrences(g.record, 4, b, 1), 0);
    // Entries after the last ply asked for are not part of the game.
    EXPECT_EQ(occurrences(g.record, 3, b, 0), 1);
    EXPECT_EQ(occurrencesOfEntry(g.record, kRecordEntries), 0);
}

TEST(Notation, MovesAreReadFromTheirShortText)
{
    const Position start = *parseFen("start");
    const auto quiet = parseMove(start.board, White, "11-15");
    ASSERT_TRUE(quiet);
    EXPECT_EQ(moveText(*quiet), "11-15");
    std::string why;
    EXPECT_FALSE(parseMove(start.board, White, "9-14", &why));
    EXPECT_EQ(why, "no legal move 9-14");
    for (const char* bad : { "", "11", "11-", "11-15-19", "0-4", "11-33", "a-b" })
        EXPECT_FALSE(parseMove(start.board, White, bad)) << bad;

    // A man takes two black men going round either side of a diamond and
    // lands on the same square: the landing square tells the two apart.
    Board b;
    b.clear();
    b[detail::squareAt(6, 2)] = WhiteMan;
    for (auto [r, c] : { std::pair { 5, 1 }, { 3, 1 }, { 5, 3 }, { 3, 3 } })
        b[detail::squareAt(r, c)] = BlackMan;
    const int from = userNumber(detail::squareAt(6, 2)), to = userNumber(detail::squareAt(2, 2));
    const int left = userNumber(detail::squareAt(4, 0)), right = userNumber(detail::squareAt(4, 4));
    const std::string ends = std::to_string(from) + "x" + std::to_string(to);
    EXPECT_FALSE(parseMove(b, White, ends, &why));
    EXPECT_EQ(why.rfind("ambiguous move", 0), 0u);
    for (int via : { left, right }) {
        const std::string text
            = std::to_string(from) + "x" + std::to_string(via) + "x" + std::to_string(to);
        const auto m = parseMove(b, White, text);
        ASSERT_TRUE(m) << text;
        EXPECT_EQ(shortMoveText(b, White, *m), text);
    }
    EXPECT_EQ(shortMoveText(start.board, White, *quiet), "11-15");
}
