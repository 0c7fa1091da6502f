#include "players/rating.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(Rating, WorkedExamplesKeepTheRoundingOfEveryStep)
{
    struct Case {
        std::int32_t w, b;
        GameResult outcome;
        RatingPair after;
    };
    const Case cases[] = {
        { 1500, 1500, GameResult::BlackWon, { 1495, 1505 } }, // no gap: the bare 5 points
        { 1500, 1500, GameResult::WhiteWon, { 1505, 1495 } },
        { 1800, 2050, GameResult::BlackWon, { 1789, 2061 } }, // 219, 10, 8, 7, 6: K = 11
        { 1800, 2050, GameResult::WhiteWon, { 1822, 2028 } }, // 284, 14, 15, 17: K = 22
        { 1800, 2050, GameResult::Draw, { 1825, 2025 } },
        { 2000, 2009, GameResult::Draw, { 2000, 2009 } },     // a gap below 10 moves nobody
        { 2050, 1600, GameResult::BlackWon, { 1989, 1661 } }, // 576, 28, 35, 44, 56: K = 61
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rateMatchResult(c.w, c.b, c.outcome), c.after)
            << c.w << " " << c.b << " outcome " << static_cast<int>(c.outcome);
    }
}

TEST(Rating, RatingsOfZeroOrLessNeitherDivideByZeroNorRunAway)
{
    for (std::int32_t low : { 0, -40, -99999 }) {
        for (GameResult o : { GameResult::BlackWon, GameResult::Draw, GameResult::WhiteWon }) {
            const RatingPair a = rateMatchResult(low, 2050, o), b = rateMatchResult(2050, low, o);
            for (std::int32_t r : { a.white, a.black, b.white, b.black }) {
                EXPECT_GE(r, kMinRating);
                EXPECT_LE(r, kMaxRating);
            }
        }
    }
    // The lowest side beating the highest takes everything there is, without overflow.
    EXPECT_EQ(rateMatchResult(kMinRating, kMaxRating, GameResult::WhiteWon),
              (RatingPair { kMaxRating, kMinRating }));
    EXPECT_EQ(rateMatchResult(kMaxRating, kMinRating, GameResult::BlackWon),
              (RatingPair { kMinRating, kMaxRating }));
    // A loser at the floor stays there.
    EXPECT_EQ(rateMatchResult(3, 2050, GameResult::BlackWon).white, kMinRating);
}

TEST(Rating, RatingLinesAreWrittenAndReadBack)
{
    EXPECT_EQ(paddedRatingLine(950), " 950");
    EXPECT_EQ(ratingLine(950), "950");

    EXPECT_EQ(parseRating(" 950"), 950);
    EXPECT_EQ(parseRating("2050 "), 2050);
    EXPECT_EQ(parseRating("+12"), 12);
    EXPECT_EQ(parseRating("-15"), -15);
    for (const char* bad : { "", "  ", "abc", "12a", "1 2", "123456", "-", "0x10", "1e3" })
        EXPECT_FALSE(parseRating(bad).has_value()) << '"' << bad << '"';
}
