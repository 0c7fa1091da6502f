#include "matches/players.h"

#include "rules/notation.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(ExternalPlayer, CommandTemplateAndAnswer)
{
    GameState g;
    g.newGame();
    MoveRequest r;
    r.game = &g;
    r.startFen = "start";
    EXPECT_EQ(expandCommand("eng {fen} --moves \"{moves}\" --movetime {movetime}", r, 0.25),
              "eng start --moves \"\" --movetime 0.25");
    r.moves = { "11-15", "22-18" };
    EXPECT_EQ(expandCommand("{moves}|{fen}", r, 1), "11-15 22-18|start");

    // The last line that is not blank carries the move; statistics come before it.
    MoveAnswer a = readBestMove("Profondeur : 3\n\nbestmove 11-15 score 12\n\n", g);
    ASSERT_TRUE(a.move);
    EXPECT_EQ(moveText(*a.move), "11-15");
    EXPECT_EQ(a.score, 12);
    a = readBestMove("bestmove 9-14\n", g);
    EXPECT_FALSE(a.move);
    EXPECT_EQ(a.problem.rfind("illegal move 9-14", 0), 0u);
    EXPECT_FALSE(readBestMove("bestmove 11-15\nthinking...\n", g).move);
    EXPECT_EQ(readBestMove("", g).problem, "no bestmove line");
    EXPECT_FALSE(readBestMove("bestmove none score 0\n", g).move);

    // Two king captures from 31 to 24: the taken squares name the one played.
    const auto p = parseFen("W:W1,3,5,8,9,12,17,K31:B13,14,19,20,21,26,27");
    ASSERT_TRUE(p);
    g.startFrom(p->board, p->side);
    for (const char* taken : { "27,19,20", "27,14,20" }) {
        const std::string text = std::string("31x24 captures ") + taken;
        a = readBestMove("bestmove " + text + " score 1443\n", g);
        ASSERT_TRUE(a.move) << a.problem;
        EXPECT_EQ(moveText(*a.move), text);
        EXPECT_EQ(a.score, 1443);
    }
    EXPECT_FALSE(readBestMove("bestmove 31x24 captures 27,19 score 0\n", g).move);
}

TEST(ExternalPlayer, RunsTheProgramAndReadsItsLastLine)
{
    GameState g;
    g.newGame();
    MoveRequest r;
    r.game = &g;
    r.startFen = "start";
    auto p = makeExternalPlayer("printf 'thinking\\nbestmove 12-16\\n'", 0.1);
    const MoveAnswer a = p->play(r);
    ASSERT_TRUE(a.move) << a.problem;
    EXPECT_EQ(moveText(*a.move), "12-16");
    auto broken = makeExternalPlayer("exit 3", 0.1);
    const MoveAnswer b = broken->play(r);
    EXPECT_FALSE(b.move);
    EXPECT_NE(b.problem.find("exit status"), std::string::npos);
}
