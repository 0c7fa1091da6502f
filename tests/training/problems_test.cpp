// The shipped problems: each is proved within its stated depth, and the
// build wrote each as a game file with its statement beside it.
#include "training/problem_source.h"

#include "files/game_file.h"
#include "rules/movegen.h"
#include "training/problem_proof.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kv {
namespace {

std::vector<ProblemEntry> shippedProblems()
{
    std::ifstream in(KV_SOURCE_DIR "/data/problems/problemes.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto problems = parseProblemSource(text.str(), error);
    EXPECT_EQ(error, "");
    return problems;
}

TEST(ShippedProblems, AtLeastThirtyEachWithACommentAndAPlayablePosition)
{
    const auto problems = shippedProblems();
    ASSERT_GE(problems.size(), 30u);
    MoveGenerator gen;
    for (const ProblemEntry& p : problems) {
        SCOPED_TRACE(p.name);
        EXPECT_FALSE(p.comment.empty());
        Board b = p.position.board;
        EXPECT_GT(gen.generateLegal(b, p.position.side), 0);
        const PieceCounts pc = PieceCounts::of(p.position.board);
        EXPECT_GT(pc.white(), 0);
        EXPECT_GT(pc.black(), 0);
    }
}

// A search's score is no proof: it passed problems that were drawn and fails
// true ones whose gain the evaluation weighs differently. Each problem is
// proved instead, with the tables, its stored solution starting with the key.
TEST(ShippedProblems, EachIsProvedWithItsKeyFirst)
{
    egtb::EndgameTables tables;
    tables.load(KV_PROGRAM_DIR);
    ASSERT_EQ(tables.loadedCount(), egtb::kTableCount);
    ProblemProver prover(&tables);
    for (const ProblemEntry& p : shippedProblems()) {
        SCOPED_TRACE(p.name);
        const ProblemProof proof = prover.prove(p.position, { p.forcedWin, p.gainMen }, p.depth);
        ASSERT_TRUE(proof.proven) << proof.failure;
        ASSERT_FALSE(p.solution.empty());
        EXPECT_EQ(parseMove(p.position.board, p.position.side, p.solution[0]), proof.key);
    }
}

TEST(ShippedProblems, TheBuildWroteEachAsAGameFileWithItsComment)
{
    for (const ProblemEntry& p : shippedProblems()) {
        SCOPED_TRACE(p.name);
        const std::string base = std::string(KV_PROGRAM_DIR) + "/Problemes/" + p.name;
        GameFileError error;
        const auto file = ReadGameFile(base + ".dam", error);
        ASSERT_TRUE(file.has_value()) << error.detail;
        EXPECT_EQ(file->gamePly, 0);
        EXPECT_EQ(file->recordedPlies, 0);
        EXPECT_EQ(file->side, p.position.side);
        for (int s = 1; s <= kSquares; ++s)
            EXPECT_EQ(file->record[0].squares[s - 1], p.position.board[s]);
        // The computer defends.
        EXPECT_EQ(file->record[0].enginePlaysBlack, p.position.side == White ? 1 : 0);
        EXPECT_TRUE(std::filesystem::exists(base + ".damt"));
    }
}

TEST(ProblemSource, FaultsNameTheirLine)
{
    std::string error;
    EXPECT_TRUE(parseProblemSource("[a]\nfen W:W9:B20\n", error).empty());
    EXPECT_NE(error.find("depth"), std::string::npos);
    EXPECT_TRUE(parseProblemSource("[a]\nfen W:W9:Q20\ndepth 3\n", error).empty());
    EXPECT_EQ(error.rfind("line 2:", 0), 0u);
    EXPECT_TRUE(parseProblemSource("stray\n[a]\n", error).empty());
    const auto ok = parseProblemSource(
        "# remark\n[a]\nfen B:W9:B20\ngoal gain 3\ndepth 5\nUn.\n\nDeux.\n\n", error);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(error, "");
    EXPECT_FALSE(ok[0].forcedWin);
    EXPECT_EQ(ok[0].gainMen, 3);
    EXPECT_EQ(ok[0].position.side, Black);
    EXPECT_EQ(ok[0].comment, (std::vector<std::string> { "Un.", "", "Deux." }));
}

} // namespace
} // namespace kv
