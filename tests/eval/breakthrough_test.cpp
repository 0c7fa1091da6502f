#include "breakthrough_examples.h"
#include "test_positions.h"

#include "eval/board_masks.h"
#include "eval/breakthrough_index.h"
#include "eval/knowledge.h"
#include "random_positions.h"

#include <gtest/gtest.h>

#include <bit>

namespace kv {
namespace {

using knowledge::breakthroughRules;

// The mover's masks as the evaluation makes them.
knowledge::BoardMasks squaresMasks(const Board& b, SideToMove mover)
{
    const std::uint32_t white = squaresHolding(b, WhiteMan), black = squaresHolding(b, BlackMan);
    const std::uint32_t empty = squaresHolding(b, Empty);
    return mover == White ? knowledge::BoardMasks { white, black, empty }
                          : knowledge::BoardMasks { black, white, empty };
}

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
    EXPECT_EQ(knowledge::breakthrough(test::colourMirror(test::boardOf({ { 13, 9 }, {}, { 28 } })),
                                      false),
              -180);
    // The fourth: 19 backed on 24, 15, a black man on 6 with 7 and 2 empty.
    EXPECT_EQ(knowledge::breakthrough(test::boardOf({ { 19, 24, 15, 18, 22 }, {}, { 6, 5, 4, 1 } }),
                                      true),
              80);
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

TEST(BoardMasks, TurningReversesTheSquares)
{
    std::mt19937 rng(13);
    static_assert(reverseSquares(1u) == 0x80000000u && reverseSquares(0x0000000Fu) == 0xF0000000u);
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t x = rng();
        ASSERT_EQ(reverseSquares(x), knowledge::SquareMasks::reverse(x)) << x;
    }
    // Square s of the board is square 33 - s of the turned board.
    const Board b = test::randomBoard(rng, 24, 0.3).board;
    EXPECT_EQ(reverseSquares(squaresHolding(b, WhiteMan)),
              squaresHolding(test::colourMirror(b), BlackMan));
    EXPECT_EQ(reverseSquares(squaresHolding(b, Empty)),
              squaresHolding(test::colourMirror(b), Empty));
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
        const bool alternative
            = white[*hit].value == white[i].value && groupOf(white, *hit) == groupOf(white, i);
        EXPECT_TRUE(*hit == i || alternative)
            << source[white[i].line] << " is shadowed by " << source[white[*hit].line];
        EXPECT_EQ(knowledge::breakthrough(b, true), white[i].value);
        // Black's list sees the turned board the same way.
        const Board m = test::colourMirror(b);
        EXPECT_EQ(test::firstMatch(breakthroughRules(false), test::masksFor(m, Black)), hit);
    }
}

// A group of exact descriptions is indexed; a group with any other kind of
// pattern is left to the linear search, as is a lone pattern.
TEST(BreakthroughIndex, OnlyGroupsOfExactDescriptionsAreIndexed)
{
    constexpr std::array src = std::to_array<std::string_view>({
        "when pieces1-8=2",
        "  w5 b1 *8 = 80",
        "  w6 b2 *8 = 120",
        "  w5 b1 *8 = 180",
        "end",
        "when w13",
        "  w9 b1 *8 = 80",
        "  w9 e1 = 180",
        "end",
        "w14 e9 = 120",
    });
    constexpr auto rules = knowledge::detail::compile<knowledge::detail::countEntries(src)>(src);
    constexpr auto index = knowledge::detail::indexExactGroups(rules);
    EXPECT_TRUE(index.indexed(0));
    EXPECT_EQ(index.span[0], 0xFFu);
    EXPECT_FALSE(index.indexed(4));
    EXPECT_FALSE(index.indexed(7));

    // Of two equal descriptions the first in the list decides.
    Board b;
    b.clear();
    b[5] = WhiteMan;
    b[1] = BlackMan;
    EXPECT_EQ(knowledge::matchIndexed(rules, index, test::masksFor(b, White)), 80);
    // A king where the description wants an empty square: no match.
    b[3] = BlackKing;
    EXPECT_EQ(knowledge::matchIndexed(rules, index, test::masksFor(b, White)), 0);
}

// The index gives the linear search's answer: on every example position, on
// the examples with a piece added or removed (which moves them into other
// count groups or out of their pattern), and on random boards, for both lists.
TEST(BreakthroughIndex, AgreesWithTheLinearSearch)
{
    const auto white = breakthroughRules(true), black = breakthroughRules(false);
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> square(1, 32), code(0, 4);
    auto check = [&](const Board& b) {
        for (SideToMove mover : { White, Black }) {
            const auto m = squaresMasks(b, mover);
            const auto rules = mover == White ? white : black;
            ASSERT_EQ(knowledge::indexedBreakthrough(mover == White, m),
                      knowledge::matchBreakthrough(rules, m));
        }
    };
    int matched = 0;
    for (std::size_t i = 0; i < white.size(); ++i) {
        if (white[i].isGroup()) continue;
        const Board example = test::breakthroughExample(i);
        matched += knowledge::indexedBreakthrough(true, squaresMasks(example, White)) != 0;
        check(example);
        check(test::colourMirror(example));
        for (int k = 0; k < 20; ++k) {
            Board b = example;
            b[square(rng)] = static_cast<std::uint8_t>(code(rng));
            check(b);
            check(test::colourMirror(b));
        }
    }
    EXPECT_GT(matched, 300);
    for (int i = 0; i < 3000; ++i) check(test::randomBoard(rng, 12, 0.1).board);
}

} // namespace
} // namespace kv
