#include "rules/geometry.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(Notation, FenRoundTripInUserNumbers)
{
    auto p = parseFen("W:W9,10,K28:B20,22,K5");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->side, White);
    EXPECT_EQ(p->board[internalSquare(9)], WhiteMan);
    EXPECT_EQ(p->board[internalSquare(28)], WhiteKing);
    EXPECT_EQ(p->board[internalSquare(5)], BlackKing);
    EXPECT_EQ(p->board[0], OffBoard);
    EXPECT_EQ(formatFen(*p), "W:W9,10,K28:BK5,20,22");

    auto start = parseFen("start");
    ASSERT_TRUE(start);
    EXPECT_EQ(formatFen(*start),
              "W:W1,2,3,4,5,6,7,8,9,10,11,12:B21,22,23,24,25,26,27,28,29,30,31,32");
    auto ranged = parseFen("B:W1-12:B21-32");
    ASSERT_TRUE(ranged);
    EXPECT_EQ(ranged->board, start->board);
    EXPECT_EQ(ranged->side, Black);
}

TEST(Notation, MalformedFenIsRefusedWithAReason)
{
    const char* bad[] = {
        "",             // nothing
        "X:W1:B32",     // side to move
        "W:W33:B1",     // square out of range
        "W:W0:B20",     // square 0
        "W:W9,9:B20",   // duplicate
        "W:W9:B9",      // the same square for both colours
        "W:Wx:B20",     // not a number
        "W:W9:Q20",     // unknown letter
        "W:W1-13:B20",  // thirteen pieces
        "W:W30:B20",    // white man on its promotion row
        "W:W9:B2",      // black man on its promotion row
        "W:W9",         // missing field
        "W:W9:W10",     // colour twice
        "W:W9:B20:B21", // extra field
    };
    for (const char* fen : bad) {
        std::string why;
        EXPECT_FALSE(parseFen(fen, &why)) << fen;
        EXPECT_FALSE(why.empty()) << fen;
    }
    EXPECT_TRUE(parseFen("W:WK30:BK2"));
}

TEST(Notation, MoveText)
{
    MoveRecord quiet;
    quiet.from = 22;
    quiet.to = 18;
    EXPECT_EQ(moveText(quiet), "10-14");
    MoveRecord cap;
    cap.from = 32;
    cap.to = 11;
    cap.n = 2;
    cap.captured[0] = 23;
    cap.captured[1] = 15;
    EXPECT_EQ(moveText(cap), "4x23 captures 11,19");
}
