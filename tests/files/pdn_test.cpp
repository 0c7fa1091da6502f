#include "exchange_support.h"

#include "files/exchange.h"
#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/text_export.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

std::unique_ptr<GameState> importPdn(const std::string& text, int index = 0,
                                     ParsedGame* parsedOut = nullptr)
{
    ExchangeProblem why;
    auto parsed = readPdnGame(text, index, &why);
    EXPECT_TRUE(parsed) << problemText(why);
    auto g = std::make_unique<GameState>();
    if (!parsed) return g;
    const ReplayReport r = replayGame(*parsed, *g);
    EXPECT_FALSE(r.refused) << problemText(*r.refused);
    if (parsedOut) *parsedOut = *parsed;
    return g;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

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
        EXPECT_TRUE(contains(
            pdn, "[Event \"Club\"]\n[Site \"?\"]\n[Date \"2026.12.07\"]\n[Round \"?\"]\n"));
        EXPECT_TRUE(contains(
            pdn, "[White \"Jean \\\"Le Grand\\\" D.\"]\n[Black \"Korvelan\"]\n[Result \"0-1\"]\n"));
        EXPECT_TRUE(contains(pdn,
                             "[GameType \"28,W,8,8,N1,1\"]\n[PlyCount \""
                                 + std::to_string(g->gamePly) + "\"]\n"));
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
    const std::string text
        = "[Event \"Open\"]\n[White \"Caf\xe9\"]\n[Black \"Noir\"]\n[GameType \"28\"]\n"
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
    EXPECT_EQ(parsed.gameType, GameTypeNote::Ours);
    ParsedGame third;
    importPdn(text, 2, &third);
    EXPECT_EQ(third.result, GameResult::WhiteWon);
    EXPECT_EQ(third.gameType, GameTypeNote::Missing);
}

TEST(Pdn, BadSetUpOrMissingGameIsRefused)
{
    ExchangeProblem why;
    EXPECT_FALSE(readPdnGame("[FEN \"W:W33:B1\"]\n*\n", 0, &why));
    EXPECT_TRUE(contains(why.detail, "FEN"));
    EXPECT_FALSE(readPdnGame("[White \"A\"]\n*\n", 1, &why));
    EXPECT_TRUE(listPdnGames("").empty());
}

// Every form of corpus/pdn: how many games the file holds, and for a game
// whether it is read (with its plies) or refused (with the kind and line).
// A refused game leaves the other games of its file readable.
TEST(PdnForms, EachFormIsReadOrRefusedWithItsPlace)
{
    using K = ExchangeProblemKind;
    struct Case {
        const char* file;
        int games, game;
        int plies;                // when read
        std::optional<K> refusal; // else refused so, at `line`
        int line = 0;
    };
    const Case cases[] = {
        { "bom_percent.pdn", 1, 1, 4, {} },
        { "percent_midline.pdn", 1, 1, 4, {} },
        { "colon_capture.pdn", 1, 1, 4, {} },
        { "alpha_squares.pdn", 1, 1, 5, {} },
        { "setup_command.pdn", 1, 1, 2, {} },
        { "fen_side_unknown.pdn", 1, 1, 2, {} },
        { "fen_leading_zeros.pdn", 1, 1, 1, {} },
        { "fen_alpha_squares.pdn", 1, 1, 1, {} },
        { "result_double_forfeit.pdn", 2, 2, 1, {} },
        { "gametype_24.pdn", 1, 1, 4, {} },
        { "annotations.pdn", 1, 1, 4, {} },
        { "no_gametype.pdn", 1, 1, 2, {} },
        { "capture_with_landing.pdn", 1, 1, 1, {} },
        { "nested_comment.pdn", 1, 1, 0, K::Structure, 2 },
        { "unclosed_comment.pdn", 2, 1, 0, K::Structure, 3 },
        { "unclosed_comment.pdn", 2, 2, 1, {} },
        { "unclosed_variation.pdn", 2, 1, 0, K::Structure, 3 },
        { "unclosed_variation.pdn", 2, 2, 1, {} },
        { "stray_bracket.pdn", 1, 1, 0, K::Structure, 2 },
        { "ambiguous_capture.pdn", 1, 1, 0, K::AmbiguousMove, 3 },
        { "capture_not_a_path.pdn", 1, 1, 0, K::IllegalMove, 3 },
        { "illegal_move.pdn", 1, 1, 0, K::IllegalMove, 3 },
        { "alpha_not_playing.pdn", 1, 1, 0, K::UnreadableMove, 2 },
        { "setup_midgame.pdn", 1, 1, 0, K::SetUp, 2 },
        { "variants.pdn", 6, 1, 0, K::OtherVariant, 1 },
        { "variants.pdn", 6, 2, 0, K::OtherVariant, 5 },
        { "variants.pdn", 6, 3, 0, K::OtherVariant, 9 },
        { "variants.pdn", 6, 4, 0, K::OtherVariant, 13 },
        { "variants.pdn", 6, 5, 0, K::OtherVariant, 18 },
        { "variants.pdn", 6, 6, 4, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " game " + std::to_string(c.game));
        std::string why;
        const auto file = readExchangeFile(std::string(KV_PDN_FORMS) + "/" + c.file, why);
        ASSERT_TRUE(file) << why;
        const GameIndex index = listGames(*file);
        EXPECT_EQ(static_cast<int>(index.size()), c.games);
        ExchangeProblem problem;
        std::optional<ExchangeProblem> refusal;
        GameState g;
        if (const auto parsed = readGame(*file, index, c.game - 1, &problem))
            refusal = replayGame(*parsed, g).refused;
        else refusal = problem;
        if (c.refusal) {
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->kind, *c.refusal) << problemText(*refusal);
            EXPECT_EQ(refusal->game, c.game);
            EXPECT_EQ(refusal->line, c.line) << problemText(*refusal);
        } else {
            EXPECT_FALSE(refusal) << problemText(*refusal);
            EXPECT_EQ(g.gamePly, c.plies);
        }
    }
}

// Export then import keeps the moves (a last white half-move included), names
// with accents, commas and dashes, and the result, as text and as PDN; a
// Latin-1 name from an old game file goes out as UTF-8.
TEST(Exchange, RoundTripKeepsMovesNamesAndResult)
{
    for (GameResult r :
         { GameResult::WhiteWon, GameResult::Draw, GameResult::BlackWon, GameResult::None }) {
        auto g = newGame("Dupr\xc3\xa9, Jean-Pierre", "Zo\xc3\xab-Anne M\xc3\xbcller");
        playRandom(*g, 40 + static_cast<unsigned>(resultCode(r)), 41);
        for (ExchangeFormat format : { ExchangeFormat::Text, ExchangeFormat::Pdn }) {
            const ExchangeFile file { format == ExchangeFormat::Pdn ? writePdn(*g, r)
                                                                    : exportText(*g, r),
                                      format, false };
            const auto parsed = readGame(file, listGames(file), 0);
            ASSERT_TRUE(parsed) << file.contents;
            EXPECT_EQ(parsed->result, r) << file.contents;
            GameState back;
            EXPECT_FALSE(replayGame(*parsed, back).refused) << file.contents;
            EXPECT_EQ(back.whiteName, g->whiteName);
            EXPECT_EQ(back.blackName, g->blackName);
            expectSameGame(*g, back);
        }
    }
    auto old = newGame("Caf\xe9", "B\\");
    const std::string pdn = writePdn(*old, GameResult::None);
    EXPECT_TRUE(contains(pdn, "[White \"Caf\xc3\xa9\"]")) << pdn;
    EXPECT_EQ(readPdnGame(pdn, 0)->black, "B\\");
}
