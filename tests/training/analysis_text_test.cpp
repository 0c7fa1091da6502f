#include "training/analysis_text.h"

#include "rules/geometry.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

AnalysedMove move(int ply, SideToMove mover, int played, int best)
{
    AnalysedMove m;
    m.ply = ply;
    m.mover = mover;
    m.playedFrom = internalSquare(22);
    m.playedTo = internalSquare(18);
    m.playedScore = played;
    m.bestFrom = internalSquare(23);
    m.bestTo = internalSquare(19);
    m.bestScore = best;
    return m;
}

TEST(AnalysisText, LinesInEachLanguageWithHalvedScoresRoundedTowardZero)
{
    const AnalysedMove black = move(9, Black, -3, 41);
    EXPECT_EQ(analysisWindowLine(AnalysisLanguage::French, black),
              " 5 Noir : joué : 22-18; score : -1; meilleur : 23-19; score : 20");
    EXPECT_EQ(analysisListLine(AnalysisLanguage::French, black),
              " 5 Noirs : 22-18; score: -1 ; meilleur: 23-19; score: 20");
    const AnalysedMove white = move(22, White, 200, 200);
    EXPECT_EQ(analysisWindowLine(AnalysisLanguage::French, white),
              "12 Blanc: joué : 22-18; score : 100; meilleur : 23-19; score : 100");
    EXPECT_EQ(analysisWindowLine(AnalysisLanguage::English, white),
              "12 White : played : 22-18; score : 100; best : 23-19; score : 100");
    EXPECT_EQ(analysisListLine(AnalysisLanguage::English, black),
              " 5 Black : 22-18; score : -1 ; best : 23-19; score : 20");
    EXPECT_EQ(analysisListLine(AnalysisLanguage::Portuguese, white).substr(0, 12), "12 Brancas: ");
    EXPECT_EQ(analysisListLine(AnalysisLanguage::Spanish, black).substr(0, 11), " 5 Negras :");
    EXPECT_EQ(analysisWindowLine(AnalysisLanguage::Dutch, black),
              " 5 Zwart: gespeeld : 22-18; score : -1; beste : 23-19; score : 20");
    EXPECT_EQ(analysisListLine(AnalysisLanguage::Italian, white),
              "12 Bianchi: 22-18; punteggio: 100 ; migliore: 23-19; punteggio: 100");
    // Every language has its own header and legend.
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            EXPECT_NE(analysisHeader(AnalysisLanguage(a), true),
                      analysisHeader(AnalysisLanguage(b), true));
            EXPECT_NE(analysisLegend(AnalysisLanguage(a)), analysisLegend(AnalysisLanguage(b)));
        }
}

TEST(AnalysisText, MarkingNeedsMoreThanHalfAManAndNotTwoOppositeWins)
{
    EXPECT_FALSE(analysisMarks(100, 40)); // 60 below the best
    EXPECT_FALSE(analysisMarks(100, 0));  // exactly 100
    EXPECT_TRUE(analysisMarks(100, -1));  // 101 below
    EXPECT_TRUE(analysisMarks(31990, -200));
    EXPECT_FALSE(analysisMarks(31990, 31800)); // a slower win is still a win
    EXPECT_TRUE(analysisMarks(31990, -31990)); // a win thrown away
    EXPECT_TRUE(analysisMarks(-100, -300));
}

TEST(AnalysisText, ContinuationNamesTheReplyAndTheAnswer)
{
    EXPECT_EQ(analysisContinuation(internalSquare(11), internalSquare(15), internalSquare(23),
                                   internalSquare(19)),
              " ->( 11-15 23-19 ....)");
    EXPECT_EQ(analysisContinuation(0, 0, 0, 0), " ->( 00-00 00-00 ....)");
}

} // namespace
} // namespace kv
