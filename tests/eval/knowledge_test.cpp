#include "test_positions.h"

#include "eval/knowledge.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using test::boardOf;

int runaway(const Board& b, bool whiteToMove)
{
    return knowledge::runawayMen(b, PieceCounts::of(b), whiteToMove);
}
int structure(const Board& b, int phase = 1)
{
    return knowledge::manStructure(b, PieceCounts::of(b), phase);
}
int formations(const Board& b, bool whiteToMove, int phase)
{
    return knowledge::formations(b, PieceCounts::of(b), whiteToMove, phase);
}

TEST(RunawayMen, NextToLastRowDependsOnTheMoveAndTheSideSquares)
{
    // White man on 6 with 1 free: white to move crowns (+90, doubled, clamped).
    EXPECT_EQ(runaway(boardOf({ { 6 }, {}, { 2 } }), true), 170);
    // Black to move with 2 taken: the man gets through only if an enemy
    // stepping onto 1 could be taken back from 9.
    EXPECT_EQ(runaway(boardOf({ { 6 }, {}, { 2 } }), false), 0);
    EXPECT_EQ(runaway(boardOf({ { 6, 9 }, {}, { 2 } }), false), 170);
    // Both squares ahead taken: -40, doubled.
    EXPECT_EQ(runaway(boardOf({ { 7 }, {}, { 2, 3 } }), true), -80);
    // A man on 5: +20, and +70 more with 1 empty.
    EXPECT_EQ(runaway(boardOf({ { 5 }, {}, { 1 } }), false), 40);
    EXPECT_EQ(runaway(boardOf({ { 5 } }), false), 170);
}

TEST(RunawayMen, BlackRulesMirrorWhitesExceptWhereStated)
{
    // A free white man on 17 (+40) and the mirrored black man on 16.
    EXPECT_EQ(runaway(boardOf({ { 17 } }), true), 80);
    EXPECT_EQ(runaway(boardOf({ {}, {}, { 16 } }), false), -80);
    // White man on 13 to move with 1, 5, 6, 9 empty: +50; black on 20: -55.
    EXPECT_EQ(runaway(boardOf({ { 13 } }), true), 100);
    EXPECT_EQ(runaway(boardOf({ {}, {}, { 20 } }), false), -110);
    // White man on 13, 5 occupied, 9 holds a black man: the second rule (+60).
    EXPECT_EQ(runaway(boardOf({ { 13 }, {}, { 5, 9 } }), true), 120);
    // Black's version wants its own man on 24, not a white one: with a
    // white man there the black man on 20 gets nothing...
    EXPECT_EQ(runaway(boardOf({ { 24, 28 }, {}, { 20 } }), false), 0);
    // ...with a black one it adds to that man's own -60.
    EXPECT_EQ(runaway(boardOf({ { 28 }, {}, { 24 } }), false), -120);
    EXPECT_EQ(runaway(boardOf({ { 28 }, {}, { 20, 24 } }), false), -170);
    // Two white men on 30 and 32 guard the back row: +15.
    EXPECT_EQ(runaway(boardOf({ { 30, 32 } }), false), 30);
    EXPECT_EQ(runaway(boardOf({ {}, {}, { 1, 3 } }), false), -30);
}

TEST(RunawayMen, IsClampedAndSeenFromWhite)
{
    // Several free men add up far beyond a man; the term stops at 170.
    EXPECT_EQ(runaway(boardOf({ { 5, 6, 7, 8 } }), true), 170);
    EXPECT_EQ(runaway(boardOf({ {}, {}, { 25, 26, 27, 28 } }), false), -170);
}

TEST(ManStructure, HolesBehindAndMenEnPrise)
{
    // A lone interior white man with both back squares and the ones behind
    // them empty: -2 -3 -2 on each side, +4 mobility, +5 +5 two rows ahead.
    EXPECT_EQ(structure(boardOf({ { 18 } })), -14 + 4 + 10);
    // A white man on 9 with a black man on 5 (not interior) in front and 14
    // free behind: holes -2 -2 and -2 -3 -2 (13 has no square behind it), the
    // man can be taken (-50), one free step (+2).
    EXPECT_EQ(structure(boardOf({ { 9 }, {}, { 5 } })), -11 - 50 + 2);
    // Mirror: the same for black is the negative.
    EXPECT_EQ(structure(boardOf({ { 28 }, {}, { 24 } })), 59);
}

TEST(ManStructure, HangingPairIsPunishedMoreInTheEnding)
{
    // White 18 with 14 and 15 in front, nothing behind and 10 empty.
    const Board b = boardOf({ { 18, 14, 15 } });
    const int middle = structure(b, 1);
    const int ending = structure(b, 3);
    EXPECT_EQ(middle - ending, 12);
    // Black men on 6 and 7 facing the pair: another -15.
    const Board attacked = boardOf({ { 18, 14, 15 }, {}, { 6, 7 } });
    EXPECT_LT(structure(attacked, 1), middle);
}

TEST(ManStructure, IsClamped)
{
    // Many white men en prise.
    const Board b = boardOf({ { 10, 18, 26 }, {}, { 5, 6, 7, 13, 14, 15, 21, 22, 23 } });
    EXPECT_GE(structure(b), -60);
    EXPECT_LE(structure(b), 60);
}

TEST(Formations, OpeningRulesOnlyInTheirPhases)
{
    // White man on 14 with 1 empty: +5 +10 in phases 0 and 1 only.
    const Board b = boardOf({ { 14, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32 },
                              {},
                              { 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 } });
    const int opening = formations(b, true, 0);
    const int preEnd = formations(b, true, 2);
    EXPECT_NE(opening, preEnd);
    EXPECT_GE(opening, -50);
    EXPECT_LE(opening, 50);
}

TEST(Formations, ManWithAnOpenRoadToTheCrown)
{
    // w11 with 7, 8 and 3 empty: +50; with black men on 2 and 4 it is
    // harder to exploit: +35.
    EXPECT_EQ(formations(boardOf({ { 11 } }), true, 2), 50);
    EXPECT_EQ(formations(boardOf({ { 11 }, {}, { 2, 4 } }), true, 2), 35);
    // The same for black, seen from white.
    EXPECT_EQ(formations(boardOf({ {}, {}, { 22 } }), false, 2), -50);
}

TEST(Formations, AbandonedDoubleCornerCosts)
{
    // White has left 28 and 32 (rule 6: -10, -10 more in the opening);
    // black keeps 1 and 5.
    Board b;
    b.setInitial();
    b[28] = b[32] = Empty;
    b[20] = b[19] = WhiteMan;
    const int phase1 = formations(b, true, 1);
    const int phase0 = formations(b, true, 0);
    EXPECT_LT(phase1, 0);
    EXPECT_LT(phase0, phase1);
}

TEST(Formations, RuleOfTheLeftColumnIsGatedOnWhitesMenForBothColours)
{
    // Black's partner of the rule "b7, w12, w16, w20, e3, e4, e8 with fewer
    // than 8 white men" is gated on white's men too: with eight white men
    // and five black ones, black's version stays silent while its exact
    // mirror (white's rule, five white men) speaks: the two differ by 20.
    const Board b = boardOf({ { 26, 31, 32, 27, 28, 22, 23, 24 }, {}, { 21, 17, 13, 1, 2 } });
    const Board m = test::colourMirror(b);
    EXPECT_EQ(formations(b, true, 2) + formations(m, false, 2), 20);
}

} // namespace
} // namespace kv
