#include "engine/endgame_knowledge.h"
#include "tests/support/boards.h"

#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace kv;
using kv::test::boardOf;

namespace {

std::string missingDir()
{
    return (std::filesystem::temp_directory_path() / "korvelan_no_tables_here").string();
}

// Knowledge whose dod.bib holds a chosen byte at 1055 (king on 32 to move
// against a king on 31) and zeros elsewhere.
struct Probe : ::testing::Test {
    std::vector<std::string> messages;
    EndgameKnowledge k { missingDir(), [this](const std::string& m) { messages.push_back(m); } };
    void setDod(std::int8_t v)
    {
        k.loadTables();
        std::vector<std::int8_t> bytes(1056, 0);
        bytes[1055] = v;
        k.tables().set(0, bytes);
    }
};

} // namespace

TEST_F(Probe, ConvertsTheTableValueAtTheProbePly)
{
    const Board b = boardOf({ { 32, WhiteKing }, { 31, BlackKing } });
    const PieceCounts c = PieceCounts::of(b);
    setDod(6);
    EXPECT_EQ(k.probeEndgame(b, c, White, White, 3), 32000 - 6 - 3);
    // The root side's opponent is to move: a table win for it is a loss.
    EXPECT_EQ(k.probeEndgame(b, c, White, Black, 4), -(32000 - 6 - 4));
    setDod(-5);
    EXPECT_EQ(k.probeEndgame(b, c, White, White, 5), -32000 + 5 + 5);
    EXPECT_EQ(k.probeEndgame(b, c, White, Black, 2), 32000 - 5 - 2);
    setDod(0);
    EXPECT_EQ(k.probeEndgame(b, c, White, White, 7), 0);
    // Black to move with the kings exchanged reads the same byte.
    setDod(8);
    const Board swapped = boardOf({ { 32, BlackKing }, { 31, WhiteKing } });
    EXPECT_EQ(k.probeEndgame(swapped, PieceCounts::of(swapped), Black, Black, 3), 32000 - 8 - 3);
}

TEST(EndgameValues, QuickerWinsScoreHigher)
{
    for (int ply = 2; ply < 34; ++ply)
        for (int v = 2; v < 127; v += 2) {
            EXPECT_GT(egtb::searchScore(v, ply), egtb::searchScore(v + 2, ply));
            EXPECT_GT(egtb::searchScore(v, ply), egtb::searchScore(v, ply + 1));
            EXPECT_LT(egtb::searchScore(-(v + 1), ply), egtb::searchScore(-(v + 3), ply));
            EXPECT_GT(egtb::searchScore(v, ply), 30000);
            EXPECT_LT(egtb::searchScore(-(v - 1), ply), -30000);
        }
}

TEST_F(Probe, MaterialWithoutTableOrWithoutFileIsSearched)
{
    // Nothing could be loaded: every probe answers nothing, and the 22 files
    // were reported once.
    const Board kk = boardOf({ { 10, WhiteKing }, { 20, BlackKing } });
    EXPECT_FALSE(k.probeEndgame(kk, PieceCounts::of(kk), White, White, 3).has_value());
    EXPECT_FALSE(k.probeEndgame(kk, PieceCounts::of(kk), Black, White, 4).has_value());
    EXPECT_EQ(messages.size(), 22u);
    EXPECT_NE(messages[0].find("\"dod.bib\""), std::string::npos);

    setDod(4);
    const Board twoTwo
        = boardOf({ { 9, BlackMan }, { 10, BlackMan }, { 22, WhiteMan }, { 23, WhiteMan } });
    EXPECT_FALSE(k.probeEndgame(twoTwo, PieceCounts::of(twoTwo), White, White, 3).has_value());
    const Board five = boardOf({ { 1, WhiteKing },
                                 { 2, WhiteKing },
                                 { 3, WhiteKing },
                                 { 4, WhiteKing },
                                 { 20, BlackKing } });
    EXPECT_FALSE(k.probeEndgame(five, PieceCounts::of(five), White, White, 3).has_value());
    EXPECT_EQ(messages.size(), 22u);
}

TEST(KingsVersusMen, FirstPatternKingOnTheLongLine)
{
    // A white king on 1 with 28 empty; black men on first coordinate 6 or
    // more, touching no white piece; white men not beyond coordinate 4.
    Board b = boardOf({ { 1, WhiteKing },
                        { 3, BlackMan },
                        { 12, BlackMan },
                        { 16, BlackMan },
                        { 25, WhiteMan } });
    EXPECT_TRUE(kingsVersusMenRule(b, 3, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(b), 3, 1));
    EXPECT_FALSE(kingsVersusMenRule(b, 3, 1)); // no black king where colour 1 wants one

    Board other = b; // the king on the other end
    other[1] = Empty;
    other[28] = WhiteKing;
    EXPECT_TRUE(kingsVersusMenRule(other, 3, 0));
    other[1] = BlackMan; // the other end must be empty
    EXPECT_FALSE(kingsVersusMenRule(other, 3, 0));

    Board advanced = b;
    advanced[16] = Empty;
    advanced[15] = BlackMan; // first coordinate 5
    EXPECT_FALSE(kingsVersusMenRule(advanced, 3, 0));
    EXPECT_FALSE(kingsVersusMenRule(colourMirrored(advanced), 3, 1));

    Board touching = b;
    touching[7] = WhiteMan; // first coordinate 6: beyond 4, and next to the man on 3
    EXPECT_FALSE(kingsVersusMenRule(touching, 3, 0));
    Board kingTouching = b;
    kingTouching[1] = Empty;
    kingTouching[28] = WhiteKing;
    kingTouching[8] = WhiteKing; // a second king beside the man on 12
    EXPECT_FALSE(kingsVersusMenRule(kingTouching, 3, 0));

    Board whiteAhead = b;
    whiteAhead[25] = Empty;
    whiteAhead[24] = WhiteMan; // first coordinate 5
    EXPECT_FALSE(kingsVersusMenRule(whiteAhead, 3, 0));

    EXPECT_FALSE(kingsVersusMenRule(b, 4, 0)); // too many men for this set-up
}

TEST(KingsVersusMen, ManOnFourSlippingThroughEight)
{
    Board b = boardOf({ { 1, WhiteKing }, { 4, BlackMan }, { 11, BlackMan }, { 16, BlackMan } });
    EXPECT_FALSE(kingsVersusMenRule(b, 3, 0)); // 8 empty and 11 taken
    EXPECT_FALSE(kingsVersusMenRule(colourMirrored(b), 3, 1));
    b[11] = Empty;
    b[12] = BlackMan;
    EXPECT_TRUE(kingsVersusMenRule(b, 3, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(b), 3, 1));
    b[8] = BlackMan;
    b[11] = BlackMan;
    b[12] = Empty;
    b[16] = Empty; // men on 4, 8, 11: 8 is taken
    EXPECT_TRUE(kingsVersusMenRule(b, 3, 0));
}

TEST(KingsVersusMen, SecondAndThirdPatterns)
{
    // Pattern 2: king on 20 with 2 empty, up to four men on first coordinate 7 or 8.
    Board p2 = boardOf(
        { { 20, WhiteKing }, { 3, BlackMan }, { 4, BlackMan }, { 8, BlackMan }, { 12, BlackMan } });
    EXPECT_TRUE(kingsVersusMenRule(p2, 4, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(p2), 4, 1));
    p2[12] = Empty;
    p2[7] = BlackMan; // first coordinate 6
    EXPECT_FALSE(kingsVersusMenRule(p2, 4, 0));

    // Pattern 3: king on 21 with 3 empty, men on second coordinate 1 or 2;
    // four men only when square 2 is empty.
    Board p3 = boardOf({ { 21, WhiteKing }, { 1, BlackMan }, { 5, BlackMan }, { 9, BlackMan } });
    EXPECT_TRUE(kingsVersusMenRule(p3, 3, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(p3), 3, 1));
    p3[6] = BlackMan;
    EXPECT_TRUE(kingsVersusMenRule(p3, 4, 0));
    p3[6] = Empty;
    p3[2] = BlackMan;
    EXPECT_FALSE(kingsVersusMenRule(p3, 4, 0));
    EXPECT_FALSE(kingsVersusMenRule(colourMirrored(p3), 4, 1));
    p3[2] = Empty;
    p3[30] = WhiteMan; // second coordinate 5
    p3[25] = WhiteMan; // second coordinate 4, the lowest a white man may have
    EXPECT_TRUE(kingsVersusMenRule(p3, 3, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(p3), 3, 1));
    p3[17] = WhiteMan; // second coordinate 3
    EXPECT_FALSE(kingsVersusMenRule(p3, 3, 0));
    EXPECT_FALSE(kingsVersusMenRule(colourMirrored(p3), 3, 1));
}

TEST(KingsVersusMen, FirstSetUpThatAppliesDecides)
{
    // Kings on 1 and 20 and a white man on 24 (first coordinate 5): with three
    // black men the first set-up applies and fails on that man, although the
    // second would hold; with four men the first does not apply and the
    // second decides.
    Board b = boardOf({ { 1, WhiteKing },
                        { 20, WhiteKing },
                        { 24, WhiteMan },
                        { 3, BlackMan },
                        { 4, BlackMan },
                        { 12, BlackMan } });
    EXPECT_FALSE(kingsVersusMenRule(b, 3, 0));
    b[8] = BlackMan;
    EXPECT_TRUE(kingsVersusMenRule(b, 4, 0));
    EXPECT_TRUE(kingsVersusMenRule(colourMirrored(b), 4, 1));
    b[20] = Empty; // no king for the second set-up
    EXPECT_FALSE(kingsVersusMenRule(b, 4, 0));
}

TEST(LearnedThroughKnowledge, ZeroAndForeignEntriesAreIgnored)
{
    EndgameKnowledge k(missingDir());
    k.learnedPositions().store(4242, 17, -250);
    k.learnedPositions().store(4243, 18, 0);
    EXPECT_EQ(k.learned(4242, 17), std::optional<int>(-250));
    EXPECT_FALSE(k.learned(4242, 16).has_value());
    EXPECT_FALSE(k.learned(4243, 18).has_value());
}

TEST(LearnedThroughKnowledge, MissingFileIsReported)
{
    std::vector<std::string> messages;
    EndgameKnowledge k(missingDir(), [&](const std::string& m) { messages.push_back(m); });
    k.loadLearnedPositions();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("damas.dat"), std::string::npos);
}
