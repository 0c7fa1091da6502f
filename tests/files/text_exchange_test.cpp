#include "exchange_support.h"

#include "files/square_text.h"
#include "files/text_export.h"
#include "files/text_import.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

std::unique_ptr<GameState> importText(const std::string& text, int index = 0,
                                      ReplayReport* report = nullptr)
{
    auto parsed = readTextGame(text, index);
    EXPECT_TRUE(parsed);
    auto g = std::make_unique<GameState>();
    if (!parsed) return g;
    const ReplayReport r = replayGame(*parsed, *g);
    if (report) *report = r;
    return g;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0, crlf;
    while ((crlf = text.find("\r\n", start)) != std::string::npos) {
        out.push_back(text.substr(start, crlf - start));
        start = crlf + 2;
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return out;
}

} // namespace

TEST(TextExport, RoundTripKeepsMovesNamesAndDropsTheResultFromTheBlackName)
{
    for (unsigned seed : { 1u, 2u, 3u, 4u, 5u }) {
        auto g = newGame("Jean Dupont", "Korvelan");
        playRandom(*g, seed, 60);
        if (g->gamePly % 2) { // the text holds complete moves
            g->gamePly -= 1;
            g->side ^= 1;
        }
        for (GameResult r :
             { GameResult::WhiteWon, GameResult::Draw, GameResult::BlackWon, GameResult::None }) {
            const std::string text = exportText(*g, r);
            const auto parsed = readTextGame(text, 0);
            ASSERT_TRUE(parsed);
            EXPECT_EQ(parsed->result, r);
            auto back = importText(text);
            EXPECT_EQ(back->whiteName, "Jean Dupont");
            EXPECT_EQ(back->blackName, "Korvelan");
            expectSameGame(*g, *back);
        }
    }
}

TEST(TextExport, FivePliesWriteTwoMovesAndWhitesThirdUnderTheHeader)
{
    auto g = newGame("Anne", "Korvelan");
    playRandom(*g, 11, 5);
    ASSERT_EQ(g->gamePly, 5);
    const auto l = lines(exportText(*g, GameResult::None));
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0], "Anne-Korvelan ");
    EXPECT_EQ(l[1], "Korvelan144");
    // The fifth ply, often the winning one, stands alone at the end.
    EXPECT_EQ(l[2],
              recordLineText(*g, 0) + "  " + recordLineText(*g, 1) + "  " + recordLineText(*g, 2)
                  + "  ");
    EXPECT_EQ(recordLineText(*g, 2).substr(0, 3), " 3.");
    EXPECT_EQ(recordLineText(*g, 2).size(), 9u); // " 3.09-13 "
    expectSameGame(*g, *importText(exportText(*g, GameResult::None)));

    EXPECT_EQ(lines(exportText(*g, GameResult::WhiteWon))[0], "Anne-Korvelan  2-0");
    EXPECT_EQ(lines(exportText(*g, GameResult::Draw))[0], "Anne-Korvelan  1-1");
    EXPECT_EQ(lines(exportText(*g, GameResult::BlackWon))[0], "Anne-Korvelan  0-2");
}

// Names given with control characters (a newline and moves on the command
// line, an escape sequence): the header stays one line, the moves stay ours,
// and a saved game gives the names back without them.
TEST(TextExport, NamesCannotAddLinesOrControlCharacters)
{
    auto g = newGame("Anne\r\n1. 10-14 22-17", "\x1b[2JKorvelan\x07");
    playRandom(*g, 11, 4);
    const auto l = lines(exportText(*g, GameResult::None));
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0], "Anne  1. 10-14 22-1 - [2JKorvelan ");
    EXPECT_EQ(l[1], "Korvelan144");
    g->storeRecordEntry(g->record[g->gamePly].captured);
    g->restoreRecordEntry();
    EXPECT_EQ(g->whiteName, "Anne  1. 10-14 22-1");
    EXPECT_EQ(g->blackName, "[2JKorvelan");
}

TEST(TextExport, FourMovesToALine)
{
    auto g = newGame();
    playRandom(*g, 3, 18);
    ASSERT_EQ(g->gamePly, 18);
    const auto l = lines(exportText(*g, GameResult::None));
    ASSERT_EQ(l.size(), 5u); // header, mark, moves 1-4, 5-8, 9
    EXPECT_EQ(l[3].substr(0, 3), " 5.");
    EXPECT_EQ(l[4], recordLineText(*g, 8) + "  ");
}

TEST(TextImport, CollectionOffersEveryGameAndReadsTheChosenOne)
{
    std::string text;
    std::vector<std::unique_ptr<GameState>> games;
    const char* names[3][2]
        = { { "Alice", "Bob" }, { "Carla", "Korvelan" }, { "Korvelan", "Didier" } };
    for (unsigned i = 0; i < 3; ++i) {
        games.push_back(newGame(names[i][0], names[i][1]));
        playRandom(*games.back(), 20 + i, 10 + 2 * i);
        if (i) text += "\r\n";
        text += exportText(*games.back(), GameResult::Draw);
    }
    const auto list = listTextGames(text);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(choiceLine(0, list[0]), " 1:Alice-Bob");
    EXPECT_EQ(choiceLine(2, list[2]), " 3:Korvelan-Didier");
    for (int i = 0; i < 3; ++i) expectSameGame(*games[i], *importText(text, i));
    EXPECT_FALSE(readTextGame(text, 3));
}

TEST(TextImport, CaptureChainAndLetterSquares)
{
    // A game that ends with a man taking two pieces.
    std::unique_ptr<GameState> g;
    for (unsigned seed = 1; !g; ++seed) {
        auto t = newGame();
        bool found = false;
        playRandom(*t, seed, 80, [&](const MoveRecord& m) { return found = m.n == 2; });
        if (found && t->gamePly % 2 == 0 && isMan(t->board[t->lastTo])) g = std::move(t);
        ASSERT_LT(seed, 5000u);
    }
    std::vector<Square> path;
    for (int k = 1; k <= g->gamePly; ++k) {
        Board before;
        before[0] = OffBoard;
        std::copy(g->record[k - 1].squares.begin(), g->record[k - 1].squares.end(),
                  before.sq.begin() + 1);
        auto moves = recordedMoves(*g, k);
        ASSERT_EQ(static_cast<int>(moves.size()), k);
        path = moves.back().landing;
    }
    ASSERT_EQ(path.size(), 3u);

    // Numbers with the whole chain, then letters with the chain joined by "-".
    std::string numeric = "A-B\r\n", letters = "A-B\r\n";
    const auto moves = recordedMoves(*g, g->gamePly);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (i % 2 == 0)
            numeric += std::to_string(i / 2 + 1) + ". ", letters += std::to_string(i / 2 + 1) + ".";
        const auto& squares = i + 1 == moves.size()
            ? path
            : std::vector<Square> { moves[i].move.from, moves[i].move.to };
        for (std::size_t s = 0; s < squares.size(); ++s) {
            if (s) numeric += 'x', letters += '-';
            numeric += std::to_string(userNumber(squares[s]));
            letters += alphabeticLabel(squares[s]);
        }
        numeric += ' ', letters += ' ';
    }
    expectSameGame(*g, *importText(numeric));
    expectSameGame(*g, *importText(letters));
}

TEST(TextImport, WrittenSquareForms)
{
    EXPECT_EQ(numericSquare("09"), internalSquare(9));
    EXPECT_EQ(numericSquare("9"), internalSquare(9));
    EXPECT_FALSE(numericSquare("33"));
    EXPECT_FALSE(numericSquare("0"));
    EXPECT_EQ(alphabeticSquare("B8"), Square(1));
    EXPECT_EQ(alphabeticSquare("a7"), Square(5));
    EXPECT_EQ(alphabeticSquare("G1"), Square(32));
    EXPECT_FALSE(alphabeticSquare("A8")); // a light square
    for (int s = 1; s <= 32; ++s)
        EXPECT_EQ(alphabeticSquare(alphabeticLabel(static_cast<Square>(s))), Square(s));
    // One square not a number: both read as letters, so "C3-5" has an unreadable destination.
    const auto m = parseWrittenMove("C3-5");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->squares.back(), 0);
}

TEST(TextImport, UnreadableAndIllegalHalfMovesAreSkipped)
{
    // "1. 9-13" and "1.9-13" alike; "zz" and "22-23" are skipped and the side stays.
    ReplayReport report;
    auto g = importText("A-B\r\n1. 9-13 zz 22-23 22-18  2.13x22 \r\n", 0, &report);
    EXPECT_EQ(g->gamePly, 3);
    EXPECT_EQ(report.skipped, (std::vector<std::string> { "zz", "22-23" }));
    auto h = importText("A-B\r\n1.9-13 22-18 2.13x22\r\n");
    expectSameGame(*g, *h);
    // "22- 9" style: a square after a blank.
    auto k = importText("A-B\r\n1. 9-13 22- 18\r\n");
    EXPECT_EQ(k->gamePly, 2);
}

TEST(TextImport, NamesAreCutAndTheTextEndsAt64000Characters)
{
    auto g = importText(
        "Un nom beaucoup trop long pour le record-Caf\xe9 du Commerce  1-1\r\n1. 9-13\r\n");
    EXPECT_EQ(g->whiteName, "Un nom beaucoup tro");
    EXPECT_EQ(g->blackName, "Caf\xc3\xa9 du Commerce");
    EXPECT_EQ(importText("\xEF\xBB\xBF"
                         "Anne-Bert\r\n1. 9-13\r\n")
                  ->whiteName,
              "Anne"); // not the byte order mark

    std::string text = "A-B\r\n1. 9-13\r\n\r\n";
    text += std::string(kTextLimit - text.size(), ' ');
    text += "C-D\r\n1. 9-13\r\n";
    EXPECT_EQ(listTextGames(text).size(), 1u);
    std::string nul = "A-B\r\n1. 9-13\r\n";
    nul += '\0';
    nul += "\r\n\r\nC-D\r\n";
    EXPECT_EQ(listTextGames(nul).size(), 1u);
}

TEST(Replay, StopsAtTheLastPlyOfTheRecord)
{
    // Two kings that never meet walk back and forth for 300 plies.
    ParsedGame parsed;
    parsed.setup = parseFen("W:WK25:BK8");
    for (int i = 0; i < 150; ++i) {
        parsed.moves.push_back(*parseWrittenMove(i % 2 ? "29-25" : "25-29"));
        parsed.moves.push_back(*parseWrittenMove(i % 2 ? "4-8" : "8-4"));
    }
    GameState g;
    const ReplayReport report = replayGame(parsed, g);
    EXPECT_TRUE(report.cut);
    EXPECT_EQ(report.played.size(), static_cast<std::size_t>(kLastPlyEntry));
    EXPECT_EQ(g.gamePly, kLastPlyEntry);
}
