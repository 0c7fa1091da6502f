#include "breakthrough_examples.h"
#include "test_positions.h"

#include "eval/board_masks.h"
#include "eval/knowledge.h"
#include "random_positions.h"

#include <gtest/gtest.h>

#include <bit>

namespace kv {
namespace {

using knowledge::breakthroughRules;

TEST(BreakthroughList, ValuesAndMirroredBlackList)
{
    const auto white = breakthroughRules(true), black = breakthroughRules(false);
    ASSERT_EQ(white.size(), black.size());
    int patterns = 0;
    for (std::size_t i = 0; i < white.size(); ++i) {
        const auto& r = white[i];
        if (r.isGroup()) {
            EXPECT_GT(r.next, i);
            EXPECT_LE(r.next, white.size());
        } else {
            ++patterns;
            EXPECT_TRUE(r.value == 180 || r.value == 120 || r.value == 80);
        }
        EXPECT_EQ(black[i].need.own, knowledge::SquareMasks::reverse(r.need.own));
        EXPECT_EQ(black[i].unless.opp, knowledge::SquareMasks::reverse(r.unless.opp));
        EXPECT_EQ(black[i].value, r.value);
    }
    EXPECT_GE(patterns, 4);
}

TEST(BreakthroughList, FirstPatternsAsTheyStand)
{
    // White men on 13 and 9, 6 and 1 empty: the first pattern, 180.
    EXPECT_EQ(knowledge::breakthrough(test::boardOf({ { 13, 9 }, {}, { 28 } }), true), 180);
    // ...unless a black man on 2 and a white man on 14 with 18 empty.
    EXPECT_NE(knowledge::breakthrough(test::boardOf({ { 13, 9, 14 }, {}, { 2, 28 } }), true), 180);
    // Only the side to move's patterns are tried: with black to move the
    // white breakthrough does not count.
    EXPECT_EQ(knowledge::breakthrough(test::boardOf({ { 13, 9 }, {}, { 28 } }), false), 0);
    // The same position turned round is black's, worth -180 for white.
    EXPECT_EQ(knowledge::breakthrough(test::colourMirror(test::boardOf({ { 13, 9 }, {}, { 28 } })), false), -180);
    // The fourth: 19 backed on 24, 15, a black man on 6 with 7 and 2 empty.
    EXPECT_EQ(knowledge::breakthrough(test::boardOf({ { 19, 24, 15, 18, 22 }, {}, { 6, 5, 4, 1 } }), true), 80);
}

TEST(BoardMasks, WordAndVectorFormsAgreeWithOneByOne)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        const Board b = test::randomBoard(rng, 32, 0.3).board;
        for (std::uint8_t code : { Empty, WhiteMan, WhiteKing, BlackMan, BlackKing }) {
            std::uint32_t expected = 0;
            for (int s = 1; s <= 32; ++s)
                if (b[s] == code) expected |= 1u << (s - 1);
            ASSERT_EQ(squaresHolding(b, code), expected);
            ASSERT_EQ(squaresHoldingPortable(b, code), expected);
        }
    }
}

TEST(BoardMasks, BitCountAgreesWithTheLibrary)
{
    std::mt19937 rng(9);
    for (std::uint32_t x : { 0u, 1u, 0x80000000u, ~0u, 0x55555555u, 0xAAAAAAAAu })
        EXPECT_EQ(knowledge::countBits(x), std::popcount(x)) << x;
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t x = rng();
        ASSERT_EQ(knowledge::countBits(x), std::popcount(x)) << x;
    }
}

TEST(BreakthroughList, NothingWithoutAPattern)
{
    Board start;
    start.setInitial();
    EXPECT_EQ(knowledge::breakthrough(start, true), 0);
    EXPECT_EQ(knowledge::breakthrough(start, false), 0);
}

// The group an entry belongs to (its innermost enclosing "when"), or -1.
int groupOf(std::span<const knowledge::BreakthroughRule> rules, std::size_t index)
{
    int g = -1;
    for (std::size_t i = 0; i < index; ++i)
        if (rules[i].isGroup() && rules[i].next > index) g = static_cast<int>(i);
    return g;
}

// Every pattern is reachable: in its own example position the first match
// is the pattern itself, or an alternative of the same group and value (a
// pattern with an "or" is written as several lines).
TEST(BreakthroughList, EveryPatternIsTheFirstMatchOfItsExample)
{
    const auto white = breakthroughRules(true);
    const auto source = knowledge::breakthroughSource();
    for (std::size_t i = 0; i < white.size(); ++i) {
        if (white[i].isGroup()) continue;
        const Board b = test::breakthroughExample(i);
        const auto hit = test::firstMatch(white, test::masksFor(b, White));
        ASSERT_TRUE(hit.has_value()) << source[white[i].line];
        const bool alternative = white[*hit].value == white[i].value && groupOf(white, *hit) == groupOf(white, i);
        EXPECT_TRUE(*hit == i || alternative) << source[white[i].line] << " is shadowed by " << source[white[*hit].line];
        EXPECT_EQ(knowledge::breakthrough(b, true), white[i].value);
        // Black's list sees the turned board the same way.
        const Board m = test::colourMirror(b);
        EXPECT_EQ(test::firstMatch(breakthroughRules(false), test::masksFor(m, Black)), hit);
    }
}

} // namespace
} // namespace kv
