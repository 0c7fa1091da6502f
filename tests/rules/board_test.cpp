#include "rules/board.h"
#include "rules/game_state.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <random>

using namespace kv;

TEST(Geometry, DirectionTableCheckValues)
{
    EXPECT_EQ(DirectionTable[0][6], 1);
    EXPECT_EQ(DirectionTable[0][5], 0);
    EXPECT_EQ(DirectionTable[1][5], 1);
    EXPECT_EQ(DirectionTable[1][12], 0);
    EXPECT_EQ(DirectionTable[2][1], 5);
    EXPECT_EQ(DirectionTable[2][13], 0);
    EXPECT_EQ(DirectionTable[3][1], 6);
    EXPECT_EQ(DirectionTable[3][4], 0);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(DirectionTable[0][s], 0);
    for (int s = 29; s <= 32; ++s) {
        EXPECT_EQ(DirectionTable[2][s], 0);
        EXPECT_EQ(DirectionTable[3][s], 0);
    }
}

TEST(Geometry, StepsAreReversibleAndStayOnBoard)
{
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(DirectionTable[d][0], 0);
        for (int s = 1; s <= 32; ++s) {
            const Square t = DirectionTable[d][s];
            if (t) {
                EXPECT_EQ(DirectionTable[opposite(d)][t], s) << "d=" << d << " s=" << s;
            }
        }
    }
}

TEST(Geometry, CornersAndLongDiagonal)
{
    auto exits = [](Square s) {
        int n = 0;
        for (int d = 0; d < 4; ++d) n += DirectionTable[d][s] != 0;
        return n;
    };
    EXPECT_EQ(exits(4), 1);
    EXPECT_EQ(exits(29), 1);
    EXPECT_NE(DirectionTable[2][4], 0);
    EXPECT_NE(DirectionTable[1][29], 0);
    const Square diagonal[] = { 4, 8, 11, 15, 18, 22, 25, 29 };
    for (int i = 0; i + 1 < 8; ++i) EXPECT_EQ(DirectionTable[2][diagonal[i]], diagonal[i + 1]);
}

TEST(Geometry, LabelsAndScanOrder)
{
    EXPECT_EQ(label(0), "00");
    EXPECT_EQ(label(1), "29");
    EXPECT_EQ(label(4), "32");
    EXPECT_EQ(label(5), "25");
    EXPECT_EQ(label(21), "09");
    EXPECT_EQ(label(29), "01");
    EXPECT_EQ(label(32), "04");
    for (int s = 1; s <= 32; ++s) {
        EXPECT_EQ(internalSquare(userNumber(static_cast<Square>(s))), s);
        EXPECT_EQ(ScanOrder[s], 33 - s);
    }
    EXPECT_EQ(ScanOrder[0], 0);
}

TEST(BoardModel, InitialPositionAndPromotion)
{
    GameState g;
    g.board[0] = 0; // a loaded position may have overwritten the sentinel
    g.newGame();
    EXPECT_EQ(g.board[0], OffBoard);
    const PieceCounts c = PieceCounts::of(g.board);
    EXPECT_EQ(c[WhiteMan], 12);
    EXPECT_EQ(c[BlackMan], 12);
    for (int s = 1; s <= 12; ++s) EXPECT_EQ(g.board[s], BlackMan);
    for (int s = 21; s <= 32; ++s) EXPECT_EQ(g.board[s], WhiteMan);
    EXPECT_EQ(g.side, White);
    EXPECT_EQ(g.displayed, g.board);

    EXPECT_TRUE(promotes(WhiteMan, 4));
    EXPECT_FALSE(promotes(WhiteMan, 5));
    EXPECT_TRUE(promotes(BlackMan, 29));
    EXPECT_FALSE(promotes(BlackMan, 28));
    EXPECT_FALSE(promotes(WhiteKing, 1));
}

TEST(BoardModel, ChangeDirectionTwiceRestores)
{
    GameState g;
    g.newGame();
    g.board[13] = WhiteKing;
    const Board before = g.board;
    g.changeDirection();
    EXPECT_EQ(g.orientation, 1);
    EXPECT_EQ(g.board[33 - 13], WhiteKing);
    EXPECT_EQ(g.board[0], OffBoard);
    g.changeDirection();
    EXPECT_EQ(g.orientation, 0);
    EXPECT_EQ(g.board, before);
}

TEST(BoardModel, ColourMirrorSwapsColoursAndTurnsTheBoard)
{
    std::mt19937 rng(33);
    for (int trial = 0; trial < 2000; ++trial) {
        Board b;
        b.clear();
        for (int s = 1; s <= 32; ++s) b[s] = static_cast<std::uint8_t>(rng() % 5);
        if (trial % 100 == 0)
            b[1 + rng() % 32] = Jumped; // codes outside the pieces stay as they are
        const Board m = colourMirrored(b);
        EXPECT_EQ(m[0], OffBoard);
        for (int s = 1; s <= 32; ++s) {
            const std::uint8_t c = b[33 - s];
            const std::uint8_t expected = isWhite(c) ? c + 2 : isBlack(c) ? c - 2 : c;
            ASSERT_EQ(m[s], expected) << "trial " << trial << " square " << s;
        }
        EXPECT_EQ(colourMirrored(m), b);
    }
}
