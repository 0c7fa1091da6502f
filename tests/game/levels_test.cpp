#include "engine/levels.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(Levels, TableHoldsEveryMenuEntryWithItsIndex)
{
    EXPECT_EQ(levelTable().size(), 16u);
    EXPECT_EQ(levelByIndex(1)->levelTime, 2);
    EXPECT_EQ(levelByIndex(1)->levelCap, 58);
    EXPECT_EQ(levelByIndex(8)->levelCap, 1798);
    EXPECT_EQ(levelByIndex(17)->levelTime, 320000);
    EXPECT_FALSE(levelByIndex(9).has_value());
    EXPECT_EQ(kDefaultLevel.levelTime, 160);
    EXPECT_EQ(kDefaultLevel.index, 5);
}

TEST(Levels, LowLevelsClimbInDepthThenInTime)
{
    // A LevelTime of 1..9 stops the search after depth 2..10: the levels 0..4
    // must climb strictly, and level 5 is the first one set by the clock.
    int previous = 0;
    for (int index = 0; index <= 4; ++index) {
        const int t = levelByIndex(index)->levelTime;
        EXPECT_GE(t, 1);
        EXPECT_LE(t, kDepthLevelTimes);
        EXPECT_GT(t, previous) << "level " << index;
        previous = t;
    }
    EXPECT_GT(levelByIndex(5)->levelTime, kDepthLevelTimes);
    for (int index = 5; index <= 8; ++index)
        EXPECT_GT(levelByIndex(index)->levelTime, levelByIndex(index - 1)->levelTime);
}

TEST(Levels, SavedGamesNameTheirLevelByIndex)
{
    // A game saved with the novice level's former values plays the novice level of today.
    const LevelSetting old { 5, 58, 1, 0 };
    EXPECT_EQ(storedLevel(old).levelTime, levelByIndex(0)->levelTime);
    EXPECT_EQ(storedLevel(old).levelCap, 58);
    // "Autre" keeps what was stored; an unknown index is left as stored.
    const LevelSetting custom { 220, 238, 4, 18 };
    EXPECT_EQ(storedLevel(custom).levelTime, 220);
    EXPECT_EQ(storedLevel(custom).minutes, 4);
    EXPECT_EQ(storedLevel({ 77, 80, 2, 9 }).levelTime, 77);
}

TEST(Levels, CustomLevelNeedsAPositiveNumberOfMinutes)
{
    const auto four = customLevel(4);
    ASSERT_TRUE(four.has_value());
    EXPECT_EQ(four->levelTime, 220);
    EXPECT_EQ(four->levelCap, 238);
    EXPECT_EQ(four->index, 18);
    EXPECT_FALSE(customLevel(0).has_value());
    EXPECT_FALSE(customLevel(-3).has_value());
    EXPECT_FALSE(customLevel(100000000).has_value()); // would overflow the settings
}

TEST(Levels, TimeLossLimitGrowsSmoothlyAfterPly100)
{
    EXPECT_EQ(timeLossLimit(178, 0), 180);
    EXPECT_EQ(timeLossLimit(178, 99), 180);
    // From ply 100 it follows the engine's own total cap: (ply + 1) x cap / 60.
    EXPECT_EQ(timeLossLimit(178, 100), 101 * 178 / 60 + 2);
    EXPECT_LT(timeLossLimit(178, 100), 2 * 180); // not a hundredfold jump
    std::int64_t previous = 0;
    for (int ply = 0; ply <= 252; ++ply) {
        EXPECT_GE(timeLossLimit(178, ply), previous) << ply;
        previous = timeLossLimit(178, ply);
    }
}

TEST(Levels, TimeLoserJudgesTheSideToMoveOnItsWholeTime)
{
    TimeLossInput in;
    in.levelCap = 58;
    in.used = { 61, 10 };
    in.sideToMove = 0;
    EXPECT_EQ(timeLoser(in), 0);
    in.used = { 60, 10 };
    EXPECT_EQ(timeLoser(in), -1);
    // The other side's time is divided for a weaker player.
    in.used = { 10, 100 };
    in.divisor = { 1, 2 };
    EXPECT_EQ(timeLoser(in), -1);
    in.divisor = { 1, 1 };
    EXPECT_EQ(timeLoser(in), 1);
}

TEST(Levels, OnlyTheNoviceSlipsAndOnlyWhenAhead)
{
    const LevelSetting novice = *levelByIndex(0), beginner = *levelByIndex(1);
    EXPECT_TRUE(noviceSlips(novice, 8, 7, 5, false));
    EXPECT_FALSE(noviceSlips(novice, 7, 7, 5, false)); // level material
    EXPECT_FALSE(noviceSlips(novice, 8, 7, 1, false)); // no second move
    EXPECT_FALSE(noviceSlips(novice, 8, 7, 5, true));  // the only legal move
    EXPECT_FALSE(noviceSlips(beginner, 8, 7, 5, false));
}
