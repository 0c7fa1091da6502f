#include "matches/match_pdn.h"
#include "matches/match_runner.h"

#include "engine/hash_keys.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// Plays the listed moves over and over; an empty list names no move.
class Scripted : public MatchPlayer {
public:
    explicit Scripted(std::vector<std::string> moves) : moves_(std::move(moves)) { }
    MoveAnswer play(const MoveRequest& r) override
    {
        MoveAnswer a;
        if (moves_.empty()) {
            a.problem = "out of moves";
            return a;
        }
        a.move
            = parseMove(r.game->board, r.game->side, moves_[next_++ % moves_.size()], &a.problem);
        return a;
    }
    void newGame() override { next_ = 0; }

private:
    std::vector<std::string> moves_;
    std::size_t next_ = 0;
};

// Tables that know one thing: with at most four pieces the side with more wins.
struct CountingTables : SearchKnowledge {
    std::optional<int> probeEndgame(const Board&, const PieceCounts& c, SideToMove toMove,
                                    SideToMove root, int) const override
    {
        const int mine = toMove == White ? c.white() : c.black();
        const int theirs = toMove == White ? c.black() : c.white();
        const int v = mine > theirs ? 31000 : mine < theirs ? -31000 : 0;
        return toMove == root ? v : -v;
    }
};

Ballot ballotOf(const std::string& line)
{
    std::string why;
    auto b = parseBallots(line, "test", why);
    EXPECT_TRUE(b) << why;
    return b->front();
}

} // namespace

TEST(MatchGame, EndsAsTheGameEndsAndByAdjudication)
{
    const Ballot kings = ballotOf("W:WK29:BK4,K3");
    Scripted white({ "29-25", "25-29" }), black({ "4-8", "8-4" });
    SearchKnowledge none;
    CountingTables tables;
    MatchGameRules rules;

    // The third occurrence of the start position, white to move, after 8 plies.
    MatchGameResult r = playMatchGame(kings, white, black, none, rules);
    EXPECT_EQ(r.outcome, GameResult::Draw);
    EXPECT_EQ(r.reason, "repetition");
    EXPECT_EQ(r.plies, 8);

    // The tables judge the start at once: black's two kings win.
    r = playMatchGame(kings, white, black, tables, rules);
    EXPECT_EQ(r.outcome, GameResult::BlackWon);
    EXPECT_EQ(r.reason, "endgame tables");
    EXPECT_EQ(r.plies, 0);

    // Without table adjudication a shorter limit on moves without progress comes first.
    rules.tableAdjudication = false;
    rules.quietPlyLimit = 4;
    r = playMatchGame(kings, white, black, tables, rules);
    EXPECT_EQ(r.reason, "no progress");
    EXPECT_EQ(r.plies, 4);
    EXPECT_EQ(r.outcome, GameResult::Draw);

    // A side without a legal move loses; so does one that names none.
    r = playMatchGame(ballotOf("W:W1:B5,10,30"), white, black, none, {});
    EXPECT_EQ(r.outcome, GameResult::BlackWon);
    EXPECT_EQ(r.reason, "no move left");
    Scripted silent({});
    r = playMatchGame(ballotOf("11-15 22-18"), silent, black, none, {});
    EXPECT_EQ(r.outcome, GameResult::BlackWon);
    EXPECT_EQ(r.reason, "out of moves");
    EXPECT_EQ((std::vector<std::string> { "11-15", "22-18" }), r.moves);
}

TEST(MatchGame, BallotListsAreCheckedLineByLine)
{
    std::string why;
    const auto list
        = parseBallots("# comment\n\n11-15 22-18 # balanced\nW:WK29:BK4,K3 29-25\n", "b.txt", why);
    ASSERT_TRUE(list) << why;
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[0].line, 3);
    EXPECT_EQ((*list)[0].fen, "start");
    EXPECT_EQ((*list)[1].fen, "W:WK29:BK4,K3");
    EXPECT_EQ((*list)[1].moves.size(), 1u);
    EXPECT_FALSE(parseBallots("11-15\n9-14\n", "b.txt", why));
    EXPECT_EQ(why, "b.txt:2: no legal move 9-14");
    EXPECT_FALSE(parseBallots("W:W33:B1\n", "b.txt", why));
    EXPECT_EQ(why.rfind("b.txt:1: ", 0), 0u);
    EXPECT_FALSE(parseBallots("# nothing\n", "b.txt", why));
    EXPECT_FALSE(readBallots("/nonexistent/ballots.txt", why));
    // Devices and folders are refused before a byte is read: /dev/zero never ends.
    for (const char* path : { "/dev/zero", "/dev/null", "/" }) {
        EXPECT_FALSE(readBallots(path, why));
        EXPECT_NE(why.find("not a regular file"), std::string::npos) << why;
    }
    std::string many;
    for (std::size_t i = 0; i <= kMaxBallots; ++i) many += "W:W20:B5\n";
    EXPECT_FALSE(parseBallots(many, "b.txt", why));
}

TEST(MatchRunner, ColoursAlternateAndJobsChangeNothing)
{
    const HashKeyTables keys = HashKeyTables::generated();
    SearchKnowledge none;
    std::string why;
    MatchSetup setup;
    setup.nameA = "deep";
    setup.nameB = "shallow";
    setup.ballots = *parseBallots("11-15 22-18\n12-16 21-17\n", "b", why);
    setup.makeA = [&] {
        return makeEnginePlayer(keys, none, defaultParameters(), EngineLimits { 4, 0, {} });
    };
    setup.makeB = [&] {
        return makeEnginePlayer(keys, none, defaultParameters(), EngineLimits { 1, 0, {} });
    };
    setup.knowledge = &none;
    int calls = 0;
    const auto one
        = runMatch(setup, [&](const MatchGameRecord&, const MatchScore& s, int done, int total) {
              ++calls;
              EXPECT_EQ(s.games(), done);
              EXPECT_EQ(total, 4);
          });
    EXPECT_EQ(calls, 4);
    ASSERT_EQ(one.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(one[i].round, i + 1);
        EXPECT_EQ(one[i].aIsWhite, i % 2 == 0);
        EXPECT_EQ(one[i].result.moves[0], i < 2 ? "11-15" : "12-16");
    }
    setup.jobs = 2;
    const auto two = runMatch(setup);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(two[i].result.moves, one[i].result.moves) << i;
        EXPECT_EQ(two[i].result.outcome, one[i].result.outcome) << i;
    }
    // The first player's view of a result.
    EXPECT_EQ(scoreForFirst(GameResult::WhiteWon, true).wins, 1);
    EXPECT_EQ(scoreForFirst(GameResult::WhiteWon, false).losses, 1);
    EXPECT_EQ(scoreForFirst(GameResult::BlackWon, false).wins, 1);
    EXPECT_EQ(scoreForFirst(GameResult::Draw, false).draws, 1);
    setup.games = 3;
    EXPECT_EQ(runMatch(setup).size(), 3u);
}

TEST(MatchPdn, TagsMovesCommentAndResult)
{
    MatchGameResult r;
    r.moves = { "11-15", "22-18", "15x22" };
    r.reason = "no move left";
    r.outcome = GameResult::WhiteWon;
    EXPECT_EQ(pdnText({ "m", "A \"x\"", "B", 3, &r }),
              "[Event \"m\"]\n[Site \"?\"]\n[Date \"????.??.??\"]\n[Round \"3\"]\n[White \"A "
              "\\\"x\\\"\"]\n"
              "[Black \"B\"]\n[Result \"1-0\"]\n[GameType \"28,W,8,8,N1,1\"]\n[PlyCount \"3\"]\n\n"
              "1. 11-15 22-18 2. 15x22 {no move left} 1-0\n\n");
    r.fen = "B:WK29:BK4,K3";
    r.moves = { "4-8", "29-25" };
    r.outcome = GameResult::Draw;
    r.reason = "a } inside";
    const std::string t = pdnText({ "m", "A", "B", 1, &r });
    EXPECT_NE(t.find("[SetUp \"1\"]\n[FEN \"B:WK29:BK3,K4\"]\n"), std::string::npos);
    EXPECT_NE(t.find("1... 4-8 2. 29-25 {a   inside} 1/2-1/2\n"), std::string::npos);
}
