// The prover of problems: what it proves, what it refuses and why, and how a
// user's answer to a proved problem is judged.
#include "training/problem_proof.h"
#include "training/problem_verdict.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

const egtb::EndgameTables& tables()
{
    static const egtb::EndgameTables loaded = [] {
        egtb::EndgameTables t;
        t.load(KV_PROGRAM_DIR);
        return t;
    }();
    return loaded;
}

Position at(const char* fen) { return *parseFen(fen); }

TEST(ProblemProver, ProvesTheKeyAndRefusesWhatIsNotTrue)
{
    struct Case {
        const char* fen;
        ProblemGoal goal;
        const char* key;     // the proved key, or nothing
        const char* failure; // the start of the reason otherwise
    };
    const Case cases[] = {
        // A won race of two men against two: only 26-22 wins.
        { "B:W7,16:B23,26", { true, 0 }, "26-22", nullptr },
        // A man won in four plies, and still held four plies deeper; not two.
        { "B:W6,15,17:B23,26,27", { false, 1 }, "27-22", nullptr },
        { "B:W6,15,17:B23,26,27", { false, 2 }, nullptr, "no forced gain" },
        // Two first moves win: no problem has two answers.
        { "W:W5,9,11:B17,18,21", { true, 0 }, nullptr, "another first move" },
        // The game is drawn: a shipped "gain" that was never true.
        { "B:W14,15:B11,16", { false, 2 }, nullptr, "no forced gain" },
        // A capture is forced: nothing to find.
        { "W:W14:B18,25", { true, 0 }, nullptr, "the first move is forced" },
    };
    ProblemProver prover(&tables());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fen);
        const Position p = at(c.fen);
        const ProblemProof proof = prover.prove(p, c.goal, 11);
        EXPECT_EQ(proof.proven, c.key != nullptr) << proof.failure;
        if (c.key) {
            EXPECT_EQ(proof.key, *parseMove(p.board, p.side, c.key));
            ASSERT_FALSE(proof.line.empty());
            EXPECT_EQ(proof.line.front(), proof.key);
        } else {
            EXPECT_EQ(proof.failure.rfind(c.failure, 0), 0u) << proof.failure;
        }
    }
}

TEST(ProblemVerdict, TheKeyThenTheGoalSolveAnyOtherFirstMoveMisses)
{
    ProblemEntry e;
    e.position = at("B:W6,15,17:B23,26,27");
    e.forcedWin = false;
    e.gainMen = 1;
    e.solution = { "27-22", "6-10", "22-18", "10-13", "18x9" };
    GameState g;
    g.startFrom(e.position.board, e.position.side);
    EXPECT_EQ(judgeProblem(e, g, false), ProblemVerdict::Waiting);

    const auto play = [&](const char* text) {
        const auto m = parseMove(g.board, g.side, text);
        ASSERT_TRUE(m.has_value()) << text;
        g.generateLegal();
        g.playMove(*m, g.gen.captureCount());
    };
    play("26-22");
    EXPECT_EQ(judgeProblem(e, g, false), ProblemVerdict::Missed);

    g.startFrom(e.position.board, e.position.side);
    for (std::size_t i = 0; i < e.solution.size(); ++i) {
        play(e.solution[i].c_str());
        const bool last = i + 1 == e.solution.size();
        EXPECT_EQ(judgeProblem(e, g, false),
                  last ? ProblemVerdict::Solved : ProblemVerdict::KeyPlayed)
            << i;
    }
    // The key played but the game ended short of the goal.
    g.startFrom(e.position.board, e.position.side);
    play("27-22");
    EXPECT_EQ(judgeProblem(e, g, true), ProblemVerdict::Missed);
}

} // namespace
} // namespace kv
