#include "training/game_analysis.h"

#include "engine/searcher.h"
#include "play_helpers.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using test::play;
using test::playAll;

class GameAnalysisTest : public ::testing::Test {
protected:
    GameAnalysisTest() : ctx(HashKeyTables::generated())
    {
        ctx.settings.bookEnabled = false;
        ctx.settings.levelTime = 32000;
        ctx.settings.fixedDepth = 7;
        game.newGame();
    }
    void analyse()
    {
        ASSERT_TRUE(analysis.begin(game, AnalysisLanguage::French));
        int guard = 0;
        while (analysis.step(game)) ASSERT_LT(++guard, 300);
        analysis.finish(game);
    }
    const AnalysisEntry* entryAt(int ply) const
    {
        for (const auto& e : analysis.entries())
            if (e.move.ply == ply) return &e;
        return nullptr;
    }
    SearchContext ctx;
    GameState game;
    GameAnalysis analysis { ctx };
};

TEST_F(GameAnalysisTest, MarksTheBlunderAndNotTheSmallInaccuracy)
{
    // 14-19 gives two men away; 5-10 costs a little, well below the mark.
    playAll(game, { "10-14", "24-20", "5-10", "28-24", "14-19", "23x5" });
    ASSERT_EQ(game.gamePly, 6);
    analyse();

    ASSERT_EQ(analysis.entries().size(), 6u);
    EXPECT_EQ(analysis.lastAnalysedPly(), 0);
    const AnalysisEntry* blunder = entryAt(4);
    ASSERT_NE(blunder, nullptr);
    EXPECT_TRUE(blunder->marked) << blunder->windowLine;
    EXPECT_EQ(blunder->windowLine.rfind("* 3 Blanc: joué : 14-19;", 0), 0u) << blunder->windowLine;
    EXPECT_NE(blunder->windowLine.find(" ->( "), std::string::npos);
    EXPECT_EQ(blunder->listLine.rfind("* 3 Blancs: 14-19;", 0), 0u) << blunder->listLine;
    EXPECT_EQ(blunder->listLine.find("->("), std::string::npos);
    const AnalysisEntry* inaccuracy = entryAt(2);
    ASSERT_NE(inaccuracy, nullptr);
    EXPECT_FALSE(inaccuracy->marked) << inaccuracy->windowLine;

    // Black's lines use black's wording; the list reads in game order with the
    // legend and header of the window below the last move.
    const auto window = analysis.windowLines();
    ASSERT_EQ(window.size(), 8u);
    EXPECT_EQ(window[1].rfind(" 1 Noir : joué : 24-20;", 0), 0u) << window[1];
    EXPECT_EQ(window[6], analysisLegend(AnalysisLanguage::French));
    // Finished, the header no longer asks the user to wait.
    EXPECT_EQ(window[7], "(ne pas prendre en compte le dernier coup et les premiers).");
    EXPECT_EQ(analysis.listLines()[1].rfind(" 1 Noirs : 24-20;", 0), 0u);

    // The walk ends on the first position, which is back on the board.
    EXPECT_EQ(game.gamePly, 0);
    EXPECT_FALSE(ctx.state.analysisMode);
    EXPECT_EQ(analysis.plyOfLine(0), 0);
    EXPECT_EQ(analysis.plyOfLine(4), 4);
    EXPECT_EQ(analysis.plyOfLine(99), 5); // clamped to the analysed moves
    ASSERT_TRUE(analysis.whiteScore(5).has_value());
    EXPECT_LT(*analysis.whiteScore(5), -100); // white is two men down in all but name
}

TEST_F(GameAnalysisTest, ANewLanguageRewritesTheLinesAlreadyMadeWithTheirMarks)
{
    playAll(game, { "10-14", "24-20", "5-10", "28-24", "14-19", "23x5" });
    analyse();
    const std::string french = entryAt(4)->windowLine;
    analysis.setLanguage(AnalysisLanguage::Italian);
    const AnalysisEntry* blunder = entryAt(4);
    EXPECT_EQ(blunder->windowLine.rfind("* 3 Bianco: giocata : 14-19;", 0), 0u)
        << blunder->windowLine;
    // The better line of play is kept as it was found.
    EXPECT_EQ(blunder->windowLine.substr(blunder->windowLine.find(" ->( ")),
              french.substr(french.find(" ->( ")));
    EXPECT_EQ(analysis.listLines()[1].rfind(" 1 Neri   : 24-20;", 0), 0u)
        << analysis.listLines()[1];
    EXPECT_EQ(analysis.windowLines().back(), analysisHeader(AnalysisLanguage::Italian, false));
    analysis.setLanguage(AnalysisLanguage::French);
    EXPECT_EQ(entryAt(4)->windowLine, french);
}

TEST_F(GameAnalysisTest, TheLastMoveIsScoredFromTheFinalPosition)
{
    // White takes black's last piece: the position after it is lost for
    // black, so the winning capture scores as a win and is not marked.
    const auto start = parseFen("W:W14:B19");
    ASSERT_TRUE(start.has_value());
    game.startFrom(start->board, start->side);
    ASSERT_EQ(game.generateLegal(), 1);
    game.playMove(game.gen.list(1)[0], game.gen.captureCount());
    analyse();
    ASSERT_EQ(analysis.entries().size(), 1u);
    const AnalysisEntry& e = analysis.entries()[0];
    EXPECT_FALSE(e.marked) << e.windowLine;
    EXPECT_GE(e.move.playedScore, kDecidedScore);
    EXPECT_EQ(*analysis.plyScore(1), -kWinScore);
}

TEST_F(GameAnalysisTest, AfterATakeBackThePlayedMoveIsScoredByASearchOfWhatFollowed)
{
    playAll(game, { "10-14", "24-20", "12-16", "28-24", "14-19", "22x15" });
    game.gamePly = 5; // taken back: 22x15 is the last move analysed
    game.restoreRecordEntry();
    game.side = game.sideAtPly(5);
    analyse();
    EXPECT_EQ(analysis.startPly(), 5);
    EXPECT_EQ(analysis.topPly(), 6);
    ASSERT_EQ(analysis.entries().size(), 6u);
    const AnalysisEntry* last = entryAt(5);
    ASSERT_NE(last, nullptr);
    // 22x15 was the better of black's two captures.
    EXPECT_FALSE(last->marked) << last->windowLine;
    EXPECT_TRUE(entryAt(4)->marked);
}

TEST_F(GameAnalysisTest, NothingToAnalyseAtTheFirstPosition)
{
    EXPECT_FALSE(analysis.begin(game, AnalysisLanguage::French));
    EXPECT_FALSE(ctx.state.analysisMode);
}

TEST_F(GameAnalysisTest, StoppingEndsTheWalkAfterTheCurrentPosition)
{
    playAll(game, { "10-14", "24-20", "12-16", "28-24" });
    ASSERT_TRUE(analysis.begin(game, AnalysisLanguage::English));
    EXPECT_TRUE(analysis.step(game));
    EXPECT_TRUE(analysis.step(game));
    analysis.stop();
    EXPECT_FALSE(analysis.step(game));
    analysis.finish(game);
    EXPECT_EQ(analysis.entries().size(), 1u);
    EXPECT_EQ(analysis.lastAnalysedPly(), 3);
    EXPECT_EQ(game.gamePly, 2); // the walk had already gone back one ply
    EXPECT_EQ(analysis.windowLines().back(), analysisHeader(AnalysisLanguage::English, false));
}

} // namespace
} // namespace kv
