#include "test_positions.h"

#include "eval/knowledge.h"
#include "eval/tables.h"

#include <gtest/gtest.h>
#include <utility>

namespace kv {
namespace {

using test::boardOf;
using test::RootEval;

TEST(KingValue, GrowsAsTheBoardEmptiesAndALoneKingIsWorthMore)
{
    RootEval eval;
    // 21 pieces, one king: 520 + 30.
    eval(boardOf({ { 21, 22, 23, 24, 25, 26, 27, 28, 29, 30 },
                   { 17 },
                   { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 } }),
         White);
    EXPECT_EQ(eval.trace.kingValue, 550);
    EXPECT_EQ(eval.trace.material, 550);
    // The same with a king each: 520, and the kings cancel.
    eval(boardOf({ { 21, 22, 23, 24, 25, 26, 27, 28, 29, 30 },
                   { 17 },
                   { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 },
                   { 12 } }),
         White);
    EXPECT_EQ(eval.trace.kingValue, 520);
    EXPECT_EQ(eval.trace.material, 0);
    // 14 pieces: 580; 13 pieces: 620; 12 or fewer: 660.
    eval(boardOf({ { 21, 22, 23, 24, 25, 26 }, { 17 }, { 1, 2, 3, 4, 5, 6 }, { 12 } }), Black);
    EXPECT_EQ(eval.trace.kingValue, 580);
    eval(boardOf({ { 21, 22, 23, 24, 25, 26 }, { 17 }, { 1, 2, 3, 4, 5 }, { 12 } }), Black);
    EXPECT_EQ(eval.trace.kingValue, 620);
    eval(boardOf({ { 21, 22, 23, 24, 25 }, { 17 }, { 1, 2, 3, 4, 5 }, { 12 } }), Black);
    EXPECT_EQ(eval.trace.kingValue, 660);
    eval(boardOf({ { 21, 22 }, { 17, 18 }, { 1, 2, 3, 4 } }), Black);
    EXPECT_EQ(eval.trace.kingValue, 660);
    EXPECT_EQ(eval.trace.material, -(2 * 660 - 2 * 200));
}

TEST(LazyExit, ReturnsBareMaterialFarOutsideTheWindow)
{
    // White is two men up: material +400 for white, -400 for black.
    const Board b = boardOf({ { 21, 22, 26 }, {}, { 3 } });
    RootEval eval;
    // Odd ply: material 300 or more below alpha.
    EXPECT_EQ(eval(b, Black, 1, -100, 32000), -400);
    EXPECT_TRUE(eval.trace.lazyExit);
    eval(b, Black, 1, -101, 32000);
    EXPECT_FALSE(eval.trace.lazyExit);
    // Even ply: material 300 or more above beta.
    EXPECT_EQ(eval(b, White, 2, -32000, 100), 400);
    EXPECT_TRUE(eval.trace.lazyExit);
    eval(b, White, 2, -32000, 101);
    EXPECT_FALSE(eval.trace.lazyExit);
    // The other parity never exits early.
    eval(b, White, 1, -32000, -5000);
    EXPECT_FALSE(eval.trace.lazyExit);
}

// Parameters whose tables love advanced men: the positional sum runs far
// beyond what the clamps allow.
ParameterSet greedyTables()
{
    ParameterSet p = defaultParameters();
    for (int t = 0; t < kMenTables; ++t)
        for (int v = 1; v <= 32; ++v)
            p.setTableEntry(t, v, static_cast<std::uint8_t>(v >= 17 ? 250 : 0));
    return p;
}

TEST(Clamps, PositionalPartStaysWithinItsBounds)
{
    RootEval eval;
    eval.ev.setParameters(greedyTables());
    // More than t2 pieces: after the centre step the part is within the early bound.
    const Board full = boardOf({ { 9, 10, 11, 12, 13, 14, 15 }, {}, { 1, 2, 3, 4, 5, 6, 7 } });
    eval(full, White);
    EXPECT_GT(eval.trace.positional, 1000);
    EXPECT_EQ(eval.trace.positionalEarly, evaltables::kEarlyPositionalBound);
    EXPECT_LE(eval.trace.positionalClamped, evaltables::kPositionalBound);
    eval(full, Black);
    EXPECT_EQ(eval.trace.positionalEarly, -evaltables::kEarlyPositionalBound);
    // With t2 pieces or fewer only the final clamp applies.
    const Board few = boardOf({ { 9, 10, 11, 12 }, {}, { 1, 2, 3, 4 } });
    eval(few, White);
    EXPECT_EQ(eval.trace.positionalClamped, evaltables::kPositionalBound);
    eval(few, Black);
    EXPECT_EQ(eval.trace.positionalClamped, -evaltables::kPositionalBound);
}

TEST(SpecialEndings, FourKingsAgainstTwoInTheDoubleCornersIsHalved)
{
    RootEval eval;
    auto halved = [&](const Board& b) {
        const int total = eval(b, White);
        const int before = total - eval.trace.specialEndings;
        return eval.trace.specialEndings != 0 && total == before / 2;
    };
    EXPECT_TRUE(halved(boardOf({ {}, { 10, 14, 19, 23 }, {}, { 1, 32 } })));
    EXPECT_TRUE(halved(boardOf({ {}, { 10, 14, 19, 23 }, {}, { 1, 5 } })));
    EXPECT_TRUE(halved(boardOf({ {}, { 10, 14, 19, 24 }, {}, { 5, 28 } })));
    EXPECT_FALSE(halved(boardOf({ {}, { 10, 14, 19, 23 }, {}, { 2, 31 } })));
    // The same with the colours exchanged.
    EXPECT_TRUE(halved(boardOf({ {}, { 28, 32 }, {}, { 10, 14, 19, 23 } })));
    EXPECT_FALSE(halved(boardOf({ {}, { 27, 32 }, {}, { 10, 14, 19, 23 } })));
}

TEST(SpecialEndings, ThreeKingsOnTheLoneMansFileGetTheirBonus)
{
    // Kings on 4 (long diagonal, file 8), 17 and 30; the black man on 12 is
    // on the lowest king's file.
    const Board b = boardOf({ {}, { 4, 17, 30 }, { 12 }, { 26 } });
    EXPECT_EQ(knowledge::tripleKingBlock(b, White), 120);
    RootEval eval;
    eval(b, White);
    EXPECT_EQ(eval.trace.specialEndings, 120);
    eval(b, Black);
    EXPECT_EQ(eval.trace.specialEndings, -120);
    // Off the long diagonal the same file gives nothing.
    EXPECT_EQ(knowledge::tripleKingBlock(boardOf({ {}, { 3, 17, 30 }, { 11 }, { 26 } }), White), 0);
    // Beside the files: 40 + 35 + 30 at most.
    EXPECT_EQ(knowledge::tripleKingBlock(boardOf({ {}, { 1, 9, 17 }, { 14 }, { 26 } }), White),
              40 + 35 + 30);
    // Black's three kings, mirrored: the bonus follows the strong side.
    EXPECT_GE(knowledge::tripleKingBlock(boardOf({ { 12 }, { 7 }, {}, { 4, 17, 30 } }), Black),
              120);
}

TEST(DrawishEndings, SevenPiecesWithMenAndTwoKingsEachAreQuartered)
{
    RootEval eval;
    int total = eval(boardOf({ { 25 }, { 14, 19 }, { 5, 6 }, { 22, 31 } }), White);
    EXPECT_NE(eval.trace.drawish, 0);
    EXPECT_EQ(total, (total - eval.trace.drawish) / 4);
    // Eight pieces: no change.
    eval(boardOf({ { 25, 26 }, { 14, 19 }, { 5, 6 }, { 22, 31 } }), White);
    EXPECT_EQ(eval.trace.drawish, 0);
    // One king a side: no change.
    eval(boardOf({ { 25 }, { 14 }, { 5, 6 }, { 22 } }), White);
    EXPECT_EQ(eval.trace.drawish, 0);
}

TEST(LastMove, ManStandingEnPriseCountsForTheSideToTake)
{
    // The white man just came to 18: a black man on 14 can jump it to 23.
    const Board b = boardOf({ { 18, 26, 27 }, {}, { 14, 2, 3 } });
    RootEval eval;
    eval(b, White, 4, -32000, 32000, 18);
    EXPECT_EQ(eval.trace.lastMoveEnPrise, 100);
    eval(b, White, 3, -32000, 32000, 18);
    EXPECT_EQ(eval.trace.lastMoveEnPrise, -100);
    // At the first two plies the test is not made.
    eval(b, White, 2, -32000, 32000, 18);
    EXPECT_EQ(eval.trace.lastMoveEnPrise, 0);
    // A king alone in the open is not en prise: nothing stands next to it.
    eval(boardOf({ { 26, 27 }, { 18 }, { 2, 3 } }), White, 4, -32000, 32000, 18);
    EXPECT_EQ(eval.trace.lastMoveEnPrise, 0);
}

TEST(EndgameBonus, FavoursRootMovesOfMenInTheEnding)
{
    const Board b = boardOf({ { 21, 22 }, {}, { 5, 6 } });
    RootEval eval;
    eval(b, White, 2, -32000, 32000, 0, WhiteMan);
    EXPECT_EQ(eval.ev.gamePhase(), 3);
    EXPECT_EQ(eval.trace.endgameMenBonus, 30);
    eval(b, Black, 2, -32000, 32000, 0, WhiteMan);
    EXPECT_EQ(eval.trace.endgameMenBonus, -30);
    eval(b, White, 2, -32000, 32000, 0, WhiteKing);
    EXPECT_EQ(eval.trace.endgameMenBonus, 0);
}

TEST(LongDiagonal, KingsOnItCountWhenFewMenRemain)
{
    RootEval eval;
    eval(boardOf({ { 25 }, { 15 }, { 5 }, { 3 } }), White);
    EXPECT_EQ(eval.trace.longDiagonal, 50);
    eval(boardOf({ { 25 }, { 15 }, { 5 }, { 29 } }), Black);
    EXPECT_EQ(eval.trace.longDiagonal, 0);
}

TEST(StaticEvaluation, UsesTheTablesOfTheLastSearch)
{
    // White men far advanced, black men at home: only the men table tells.
    const Board b = boardOf({ { 13, 14, 15, 16 }, {}, { 1, 2, 3, 4 } });
    Evaluator fresh(defaultParameters());
    const int beforeAnySearch = fresh.staticEvaluation(b, White);
    for (int s = 0; s <= 32; ++s) EXPECT_EQ(fresh.manTable()[s], 0);

    Evaluator searched(defaultParameters());
    searched.preparePhase(b, PieceCounts::of(b));
    const auto table = searched.manTable();
    const int afterSearch = searched.staticEvaluation(b, White);
    EXPECT_NE(beforeAnySearch, afterSearch);
    EXPECT_EQ(searched.manTable(), table);
    EXPECT_EQ(searched.staticEvaluation(b, White), afterSearch);

    // The display's evaluation sees the search's tables before any search,
    // and leaves the evaluator as it found it.
    EXPECT_EQ(fresh.evaluationForSearchFrom(b, White), afterSearch);
    for (int s = 0; s <= 32; ++s) EXPECT_EQ(fresh.manTable()[s], 0);
}

TEST(SquareTables, RowsZonesColumnsAndFiles)
{
    using namespace evaltables;
    // Own-view squares 1..4 are the back row, 29..32 the promotion row.
    EXPECT_EQ(AdvanceTable[4], 0);
    EXPECT_EQ(AdvanceTable[29], 7);
    // Own half split in two zones by place in the row, the next three rows in two more.
    const int zones[] = { 0, 1, 1, 2, 2, 1, 1, 2, 2, 1, 1, 2, 2, 1, 1, 2, 2,
                          3, 3, 4, 4, 3, 3, 4, 4, 3, 3, 4, 4, 0, 0, 0, 0 };
    // Column weights 0 2 3 5 5 3 2 0, rows alternating in where they start.
    const int centre[] = { 0, 2, 5, 3, 0, 0, 3, 5, 2, 2, 5, 3, 0, 0, 3, 5, 2,
                           2, 5, 3, 0, 0, 3, 5, 2, 2, 5, 3, 0, 0, 3, 5, 2 };
    const int files[] = { 0, 2, 4, 6, 8, 1, 3, 5, 7, 2, 4, 6, 8, 1, 3, 5, 7,
                          2, 4, 6, 8, 1, 3, 5, 7, 2, 4, 6, 8, 1, 3, 5, 7 };
    for (int v = 1; v <= 32; ++v) {
        EXPECT_EQ(ZoneTable[v], zones[v]) << v;
        EXPECT_EQ(CentreTable[v], centre[v]) << v;
        EXPECT_EQ(FileTable[v], files[v]) << v;
    }
    int interior = 0;
    for (int s = 1; s <= 32; ++s) interior += InteriorMask[s];
    EXPECT_EQ(interior, 18);
    EXPECT_EQ(InteriorMask[6] + InteriorMask[11] + InteriorMask[27] + InteriorMask[5]
                  + InteriorMask[12],
              3);
}

TEST(KingTable, DoubleCornersLoneKingAndLongDiagonalCases)
{
    Evaluator ev(defaultParameters());
    auto tableFor = [&](const Board& b, SideToMove e) {
        ev.prepareSums(b, PieceCounts::of(b), e);
        return ev.kingTable();
    };
    // Usually 1, 0 in the double corners.
    auto plain = tableFor(boardOf({ { 21, 22 }, { 10 }, { 5, 6 }, { 23 } }), White);
    for (int s = 1; s <= 32; ++s)
        EXPECT_EQ(plain[s], (s == 1 || s == 5 || s == 28 || s == 32) ? 0 : 1) << s;
    // Four kings against one, no men, either colour with the four: 1 and 5
    // worth 40, 10 and 14 worth 10, the rest as usual.
    for (const Board& b : { boardOf({ {}, { 20, 21, 22, 23 }, {}, { 3 } }),
                            boardOf({ {}, { 3 }, {}, { 20, 21, 22, 23 } }) }) {
        const auto t = tableFor(b, Black);
        EXPECT_EQ(t[1], 40);
        EXPECT_EQ(t[5], 40);
        EXPECT_EQ(t[10], 10);
        EXPECT_EQ(t[14], 10);
        EXPECT_EQ(t[28], 0);
        EXPECT_EQ(t[2], 1);
    }
    // A man on the board: no refuge table.
    EXPECT_EQ(tableFor(boardOf({ { 30 }, { 20, 21, 22, 23 }, {}, { 3 } }), White)[1], 0);
    // White with two to four men and two kings against a black king and at
    // most four men: the long-diagonal table, whichever side evaluates...
    const Board diagonal = boardOf({ { 25, 26 }, { 17, 18 }, { 5, 6, 7, 8 }, { 3 } });
    for (SideToMove e : { White, Black }) {
        const auto t = tableFor(diagonal, e);
        for (int s = 1; s <= 32; ++s) EXPECT_EQ(t[s], evaltables::LongDiagonalKingTable[s]) << s;
    }
    // ...but not the same with the colours exchanged, nor with five white men.
    EXPECT_EQ(tableFor(test::colourMirror(diagonal), Black)[4], 1);
    EXPECT_EQ(tableFor(boardOf({ { 25, 26, 27, 30, 31 }, { 17, 18 }, { 5 }, { 3 } }), White)[4], 1);
}

TEST(PhaseAndVariant, FlagsChooseTheTableOfTheNextSearch)
{
    const ParameterSet p = defaultParameters();
    Board b;
    b.setInitial();
    // Build variant 1: white fills 17..20, black 13..16, both keep the supports.
    for (int s : { 21, 24, 25, 28 }) b[s] = Empty;
    for (int s : { 17, 18, 19, 20 }) b[s] = WhiteMan;
    for (int s : { 5, 8, 9, 12 }) b[s] = Empty;
    for (int s : { 13, 14, 15, 16 }) b[s] = BlackMan;
    Evaluator ev(p);
    ev.preparePhase(b, PieceCounts::of(b));
    EXPECT_EQ(ev.gamePhase(), 0);
    EXPECT_TRUE(ev.variant(1));
    EXPECT_FALSE(ev.variant(2));
    // The table of this search was still the default one...
    EXPECT_EQ(ev.manTable()[13], p.tableEntry(OpeningTable, 13));
    // ...the next search uses the variant's.
    ev.preparePhase(b, PieceCounts::of(b));
    EXPECT_EQ(ev.manTable()[13], p.tableEntry(OpeningVariant1Table, 13));
    // In the endgame the flags are kept and the table is the ending's.
    const Board ending = boardOf({ { 21, 22 }, {}, { 5, 6 } });
    ev.preparePhase(ending, PieceCounts::of(ending));
    EXPECT_EQ(ev.gamePhase(), 3);
    EXPECT_TRUE(ev.variant(1));
    EXPECT_EQ(ev.manTable()[13], p.tableEntry(EndgameTable, 13));
}

TEST(PhaseAndVariant, VariantTwoNeedsNineOfItsFourteenSquares)
{
    // The default variant 2 squares, all held; only six of variant 1's are.
    const Board b = boardOf({ { 15, 16, 19, 20, 23, 24, 28 }, {}, { 18, 17, 14, 13, 10, 9, 5 } });
    ParameterSet p = defaultParameters();
    auto variants = [&] {
        Evaluator ev(p);
        ev.preparePhase(b, PieceCounts::of(b));
        EXPECT_LT(ev.gamePhase(), 2);
        return std::pair { ev.variant(1), ev.variant(2) };
    };
    EXPECT_EQ(variants(), std::pair(false, true));
    // Squares outside 1..32 never count: with five of them nine conditions
    // remain and the variant holds, with six only eight do and it does not.
    const std::uint8_t outside[] = { 0, 33, 200, static_cast<std::uint8_t>(-1), 40, 99 };
    for (int i = 0; i < 5; ++i) p.bytes[kVariant2WhiteOffset + i] = outside[i];
    EXPECT_EQ(variants(), std::pair(false, true));
    p.bytes[kVariant2WhiteOffset + 5] = outside[5];
    EXPECT_EQ(variants(), std::pair(false, false));
}

TEST(PhaseAndVariant, ZeroThresholdsPutEveryPositionWithMenInTheOpening)
{
    Evaluator ev(ParameterSet {});
    const Board oneMan = boardOf({ { 21 }, { 5 } });
    ev.preparePhase(oneMan, PieceCounts::of(oneMan));
    EXPECT_EQ(ev.gamePhase(), 0);
    const Board kingsOnly = boardOf({ {}, { 5 }, {}, { 9 } });
    ev.preparePhase(kingsOnly, PieceCounts::of(kingsOnly));
    EXPECT_EQ(ev.gamePhase(), 3);
}

} // namespace
} // namespace kv
