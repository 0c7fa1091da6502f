// Deep perft from the initial position: minutes in a debug build, seconds in release.
#include "rules/perft.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(PerftSlow, InitialPositionDeep)
{
    Board b;
    b.setInitial();
    MoveGenerator gen;
    EXPECT_EQ(perft(gen, b, White, 8), 828783u);
    EXPECT_EQ(perft(gen, b, White, 9), 3860866u);
    EXPECT_EQ(perft(gen, b, White, 10), 17743464u);
}
