#include "eval/patterns.h"

#include "eval/board_masks.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

BothPatternEntries entriesOf(const Board& b)
{
    const PieceCounts c = PieceCounts::of(b);
    return patternEntries(knowledge::BothViews(b, c));
}

} // namespace

// Every square lies in some block, and a block tells an own man, an enemy
// man and an empty square apart, for white and, on the turned board, for
// black; each block's entries stay within its own configurations.
TEST(Patterns, EveryManIsSeenBySomeBlockOfBothSides)
{
    Board empty;
    empty.clear();
    const BothPatternEntries none = entriesOf(empty);
    for (int s = 1; s <= 32; ++s) {
        Board white = empty, black = empty;
        white[s] = WhiteMan;
        black[s] = BlackMan;
        const BothPatternEntries w = entriesOf(white), b = entriesOf(black);
        EXPECT_NE(w.white, none.white) << s;
        EXPECT_NE(w.black, none.black) << s;
        EXPECT_NE(w.white, b.white) << s;
        EXPECT_NE(w.black, b.black) << s;
        // A white man seen by white is a black man seen by black on the turned board.
        Board turned = empty;
        turned[33 - s] = BlackMan;
        EXPECT_EQ(w.white, entriesOf(turned).black) << s;
        for (int block = 0; block < kPatternBlocks; ++block) {
            EXPECT_GE(w.white[block], static_cast<std::uint32_t>(block * kPatternConfigs));
            EXPECT_LT(w.white[block], static_cast<std::uint32_t>((block + 1) * kPatternConfigs));
        }
    }
    // Kings are no part of the patterns.
    Board king = empty;
    king[14] = WhiteKing;
    EXPECT_EQ(entriesOf(king).white, none.white);
}

// The folded table gives the two-sided value from white's entries alone,
// for values with no symmetry to hide a misplaced square or colour.
TEST(Patterns, FoldedValuesGiveBothSidesFromOneReading)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> value(-500, 500), square(0, 4);
    PatternTable t {};
    for (PatternWeight& w : t)
        w = { static_cast<std::int16_t>(value(rng)), static_cast<std::int16_t>(value(rng)) };
    const PatternTable folded = patternDifferences(t);
    for (int game = 0; game < 300; ++game) {
        Board b;
        b.clear();
        for (int s = 1; s <= 32; ++s) {
            const int r = square(rng);
            b[s] = r == 1 ? WhiteMan : r == 2 ? BlackMan : r == 3 ? WhiteKing : Empty;
        }
        const PieceCounts c = PieceCounts::of(b);
        const knowledge::BothViews v(b, c);
        EXPECT_EQ(foldedPatternValue(folded, patternEntries(v.whiteMen, v.blackMen),
                                     c[WhiteMan] + c[BlackMan]),
                  patternValue(t, v));
    }
}

} // namespace kv
