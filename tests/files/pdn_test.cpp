#include "exchange_support.h"

#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

std::unique_ptr<GameState> importPdn(const std::string& text, int index = 0, ParsedGame* parsedOut = nullptr)
{
    std::string why;
    auto parsed = readPdnGame(text, index, &why);
    EXPECT_TRUE(parsed) << why;
    auto g = std::make_unique<GameState>();
    if (!parsed) return g;
    const ReplayReport r = replayGame(*parsed, *g);
    EXPECT_TRUE(r.skipped.empty()) << r.skipped.front();
    if (parsedOut) *parsedOut = *parsed;
    return g;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Plays the legal move of the side to move that takes exactly these user squares.
void playCapture(GameState& g, std::vector<int> takenUser)
{
    std::vector<Square> taken;
    for (int u : takenUser) taken.push_back(internalSquare(u));
    std::sort(taken.begin(), taken.end());
    const int n = g.generateLegal();
    for (int i = 0; i < n; ++i) {
        MoveRecord m = g.gen.list(1)[i];
        std::vector<Square> own(m.captured.begin(), m.captured.begin() + m.n);
        std::sort(own.begin(), own.end());
        if (own == taken) {
            ASSERT_EQ(g.playMove(m, g.gen.captureCount()), PlayResult::Played);
            return;
        }
    }
    FAIL() << "no such capture";
}

} // namespace

TEST(Pdn, RoundTripOfPlayedGames)
{
    for (unsigned seed : { 7u, 8u, 9u, 10u }) {
        auto g = newGame("Jean \"Le Grand\" D.", "Korvelan");
        playRandom(*g, seed, 45 + seed);
        PdnTags tags;
        tags.event = "Club";
        tags.date = "2026.12.07";
        const std::string pdn = writePdn(*g, GameResult::BlackWon, tags);
        EXPECT_TRUE(contains(pdn, "[Event \"Club\"]\n[Site \"?\"]\n[Date \"2026.12.07\"]\n[Round \"?\"]\n"));
        EXPECT_TRUE(contains(pdn, "[White \"Jean \\\"Le Grand\\\" D.\"]\n[Black \"Korvelan\"]\n[Result \"0-1\"]\n"));
        EXPECT_TRUE(contains(pdn, "[GameType \"28,W,8,8,N1,1\"]\n[PlyCount \"" + std::to_string(g->gamePly) + "\"]\n"));
        EXPECT_FALSE(contains(pdn, "[FEN"));
        EXPECT_TRUE(contains(pdn, " 0-1\n"));
        std::size_t start = 0, nl;
        while ((nl = pdn.find('\n', start)) != std::string::npos) {
            EXPECT_LT(nl - start, 80u);
            start = nl + 1;
        }
        ParsedGame parsed;
        auto back = importPdn(pdn, 0, &parsed);
        EXPECT_EQ(parsed.gameType, GameTypeNote::Ours);
        EXPECT_EQ(parsed.result, GameResult::BlackWon);
        EXPECT_EQ(back->whiteName, "Jean \"Le Grand\" D.");
        expectSameGame(*g, *back);
    }
}

TEST(Pdn, AmbiguousKingCaptureIsWrittenWithItsLandingSquares)
{
    // The king on 24 reaches 27 over 15, 14, 22 or over 15, 10, 22.
    for (const auto& taken : { std::vector<int> { 15, 14, 22 }, std::vector<int> { 15, 10, 22 } }) {
        auto g = std::make_unique<GameState>();
        g->whiteName = "W";
        g->blackName = "B";
        const auto p = parseFen("W:WK24:B10,14,15,22");
        g->startFrom(p->board, p->side);
        playCapture(*g, taken);
        const std::string pdn = writePdn(*g, GameResult::WhiteWon);
        EXPECT_TRUE(contains(pdn, "[FEN \"W:WK24:B10,14,15,22\"]"));
        EXPECT_FALSE(contains(pdn, "1. 24x27 ")) << pdn; // ends alone would not say which
        auto back = importPdn(pdn);
        expectSameGame(*g, *back);
    }
}

TEST(Pdn, SetUpPositionWithBlackToMove)
{
    auto g = std::make_unique<GameState>();
    const auto p = parseFen("B:W9,10,K28:B20,22,K5");
    g->startFrom(p->board, p->side);
    playRandom(*g, 3, 9);
    ASSERT_GT(g->gamePly, 2);
    const std::string pdn = writePdn(*g, GameResult::None);
    EXPECT_TRUE(contains(pdn, "[FEN \"B:W9,10,K28:BK5,20,22\"]"));
    EXPECT_TRUE(contains(pdn, "\n1... ")) << pdn;
    EXPECT_TRUE(contains(pdn, " 2. ")) << pdn;
    expectSameGame(*g, *importPdn(pdn));
}

TEST(Pdn, CommentsVariationsAndAnotherGameType)
{
    const std::string text =
        "[Event \"Open\"]\n[White \"Caf\xe9\"]\n[Black \"Noir\"]\n[GameType \"21\"]\n"
        "1. 9-13 {a comment (with a bracket} 22-18 (2. 11-15 {inside} (2. 10-14)) "
        "2. 13x22! $3 ; to the end of the line 1-0\n"
        "26x19? 3...\n"
        "%escaped line 4. 1-1\n"
        "* [Event \"Second\"] [White \"X\"] [Black \"Y\"] 1. 9-13 1-1\n"
        "1. 10-14 2-0\n";
    const auto list = listPdnGames(text);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(choiceLine(0, list[0]), " 1:Caf\xc3\xa9-Noir");
    EXPECT_EQ(choiceLine(1, list[1]), " 2:X-Y");
    ParsedGame parsed;
    auto g = importPdn(text, 0, &parsed);
    EXPECT_EQ(g->gamePly, 4);
    EXPECT_EQ(parsed.result, GameResult::None);
    EXPECT_EQ(parsed.gameType, GameTypeNote::Other);
    EXPECT_EQ(parsed.gameTypeText, "21");
    ParsedGame third;
    importPdn(text, 2, &third);
    EXPECT_EQ(third.result, GameResult::WhiteWon);
    EXPECT_EQ(third.gameType, GameTypeNote::Missing);
}

TEST(Pdn, BadSetUpOrMissingGameIsRefused)
{
    std::string why;
    EXPECT_FALSE(readPdnGame("[FEN \"W:W33:B1\"]\n*\n", 0, &why));
    EXPECT_TRUE(contains(why, "FEN"));
    EXPECT_FALSE(readPdnGame("[White \"A\"]\n*\n", 1, &why));
    EXPECT_TRUE(listPdnGames("").empty());
}
