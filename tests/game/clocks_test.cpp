#include "game/clocks.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(Clocks, SecondsAlwaysShowTwoDigits)
{
    EXPECT_EQ(clockText(7).minutes, "0");
    EXPECT_EQ(clockText(7).seconds, "07");
    EXPECT_EQ(clockText(65).minutes, "1");
    EXPECT_EQ(clockText(65).seconds, "05");
    EXPECT_EQ(clockText(3600).minutes, "60");
    EXPECT_EQ(clockText(-5).seconds, "00");
}

TEST(Clocks, RunningTotalAddsTheCurrentTurn)
{
    std::int64_t now = 1000;
    GameClocks clocks([&] { return now; });
    GameState g;
    g.newGame();
    g.clock = { 30, 40 };
    clocks.stampBoth();
    now = 1012;
    EXPECT_EQ(clocks.runningTotal(g, White), 42);
    clocks.closeTurn(g, White);
    EXPECT_EQ(g.clock[White], 42);
    EXPECT_EQ(g.clock[Black], 40);
    clocks.stamp(Black);
    now = 1015;
    EXPECT_EQ(clocks.runningTotal(g, Black), 43);
    clocks.reset(g);
    EXPECT_EQ(g.clock[White], 0);
    EXPECT_EQ(clocks.runningTotal(g, Black), 0);
}

TEST(Clocks, ATurnStartInTheFutureAddsNothing)
{
    std::int64_t now = 500;
    GameClocks clocks([&] { return now; });
    GameState g;
    g.newGame();
    g.clock = { 9, 9 };
    now = 400; // the clock went back
    EXPECT_EQ(clocks.runningTotal(g, White), 9);
}
