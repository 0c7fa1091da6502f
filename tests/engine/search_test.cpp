#include "engine/capture_probe.h"
#include "engine/search_driver.h"
#include "engine/searcher.h"
#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/movegen.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace kv {
namespace {

// A context that searches to a fixed depth with no clock and no library.
struct Fixture {
    SearchContext ctx { HashKeyTables::generated() };
    explicit Fixture(int depth)
    {
        ctx.settings.levelTime = 32000;
        ctx.settings.fixedDepth = depth;
        ctx.settings.bookEnabled = false;
        ctx.clockMs = [] { return std::int64_t(1000); };
    }
    SearchResult search(const std::string& fen)
    {
        auto pos = parseFen(fen);
        EXPECT_TRUE(pos) << fen;
        SearchRequest r;
        if (!pos) return {};
        r.board = pos->board;
        r.side = pos->side;
        return searchDriver(ctx, r);
    }
    // A search of the game's position with its record behind it.
    SearchResult search(const GameState& game)
    {
        SearchRequest r;
        r.board = game.board;
        r.side = game.side;
        r.gamePly = game.gamePly;
        r.record = &game.record;
        return searchDriver(ctx, r);
    }
};

// The game of `moves` played from `fen`, white to move first.
GameState played(const char* fen, std::initializer_list<const char*> moves)
{
    GameState game;
    game.startFrom(parseFen(fen)->board, White);
    for (const char* text : moves) {
        const auto m = parseMove(game.board, game.side, text);
        EXPECT_TRUE(m) << text;
        if (m) game.playMove(*m, m->n);
    }
    return game;
}

// Records the root lines as the list box would hold them.
struct RootLines : SearchObserver {
    std::map<int, std::string> lines;
    std::vector<std::string> history;
    int statisticsCalls = 0;
    void clearRootLines() override { lines.clear(); }
    void setRootLine(int i, const RootLine& line) override
    {
        lines[i] = rootLineText(line);
        history.push_back(lines[i]);
    }
    void searchInfo(const SearchInfo&) override { ++statisticsCalls; }
};

bool isLegal(const std::string& fen, const MoveRecord& m)
{
    auto pos = parseFen(fen);
    MoveGenerator gen;
    const int n = gen.generateLegal(pos->board, pos->side);
    for (int i = 0; i < n; ++i)
        if (gen.list(1)[i] == m) return true;
    return false;
}

TEST(Search, FindsASacrificeThatWinsTwoForOne)
{
    // 13-18 gives a man; 22x13 is forced and 9x25 takes two back.
    Fixture f(6);
    const SearchResult r = f.search("W:W2,9,13,14:B21,22,31,32");
    EXPECT_EQ(moveText(r.move), "13-18");
    EXPECT_GE(r.score, 200);
    const auto pv = f.ctx.principalVariation();
    ASSERT_GE(pv.size(), 3u);
    EXPECT_EQ(moveText(pv[2]).substr(0, 4), "9x25");
}

TEST(Search, PromotesWhenTheWayIsFree)
{
    Fixture f(6);
    const SearchResult r = f.search("W:W3,27:B13,20");
    EXPECT_GE(userNumber(r.move.to), 29);
    EXPECT_GE(r.score, 400);
}

TEST(Search, TakingEveryRemainingPieceScores31999AtTheFirstRootMove)
{
    // Three landing squares, each taking both black pieces.
    Fixture f(1);
    const SearchResult r = f.search("W:WK24:BK19,20");
    EXPECT_EQ(r.outcome, SearchOutcome::Searched);
    EXPECT_EQ(r.score, 31999);
    EXPECT_EQ(r.rootIndex, 0);
    EXPECT_EQ(r.move.n, 2);
    const auto pv = f.ctx.principalVariation();
    ASSERT_EQ(pv.size(), 1u);
    EXPECT_EQ(pv[0].from, r.move.from);
    EXPECT_EQ(pv[0].to, r.move.to);
    EXPECT_EQ(r.depth, 1); // a found win ends the search
}

TEST(Search, CapturesAreSearchedBeyondTheNominalDepth)
{
    // At depth 1 the reply 22x13 and the recapture 9x25 are still searched:
    // the score counts the two men won back, not just the man given.
    Fixture f(1);
    const SearchResult r = f.search("W:W2,9,13,14:B21,22,31,32");
    EXPECT_EQ(moveText(r.move), "13-18");
    EXPECT_GE(r.score, 200);
}

TEST(Search, EveryRootMoveOfAWideListIsSearchedAndShown)
{
    const std::string fen = "W:WK1,K2,K3,K4,K5,K12,K13,K20,K21,K28:B29,30,31,32";
    auto pos = parseFen(fen);
    MoveGenerator gen;
    const int n = gen.generateLegal(pos->board, pos->side);
    ASSERT_GT(n, 35);

    Fixture f(3);
    RootLines lines;
    f.ctx.observer = &lines;
    const SearchResult r = f.search(fen);
    EXPECT_TRUE(isLegal(fen, r.move));
    EXPECT_GE(r.legalIndex, 0);
    const auto roots = f.ctx.rootMoves();
    ASSERT_EQ(static_cast<int>(roots.size()), n);
    EXPECT_EQ(roots[r.rootIndex], r.move);
    ASSERT_EQ(static_cast<int>(lines.lines.size()), n);
    for (const auto& [i, text] : lines.lines) EXPECT_EQ(text.find("?<---"), std::string::npos) << i;
}

TEST(Search, RootLinesShowThePreviousScoreWhileAMoveIsSearched)
{
    Fixture f(1);
    f.ctx.setLastCompletedScore(-46);
    RootLines lines;
    f.ctx.observer = &lines;
    f.search("W:W2,9,13,14:B21,22,31,32");
    ASSERT_GE(lines.history.size(), 4u);
    // The first move is announced with the last completed score, halved.
    EXPECT_EQ(lines.history[0].substr(5), " :   -23 ?<---");
    EXPECT_EQ(lines.history[0][2], '-');
    // The next one with the score of the move searched just before.
    const std::string done = lines.history[1];
    EXPECT_EQ(lines.history[2].substr(5, 8), done.substr(5, 8));
    EXPECT_NE(lines.history[2].find("?<---"), std::string::npos);
    EXPECT_GT(lines.statisticsCalls, 0);
}

TEST(Search, RepeatingTheMoveOfFourPliesBeforeScoresZero)
{
    // White is a man up; the king move 14-18 would repeat the game's ply 3
    // while both sides' last two moves repeat theirs.
    const std::string fen = "W:W2,K14:BK27";
    auto pos = parseFen(fen);
    GameRecord record {};
    const auto set = [&record](int ply, int from, int to) {
        record[ply].from = internalSquare(from);
        record[ply].to = internalSquare(to);
    };
    set(1, 18, 14), set(2, 23, 27), set(3, 14, 18), set(4, 27, 23), set(5, 18, 14), set(6, 23, 27);

    Fixture f(2);
    RootLines lines;
    f.ctx.observer = &lines;
    SearchRequest r;
    r.board = pos->board;
    r.side = White;
    r.gamePly = 6;
    r.record = &record;
    const SearchResult result = searchDriver(f.ctx, r);
    EXPECT_NE(moveText(result.move), "14-18");
    bool seen = false;
    for (const auto& [i, text] : lines.lines)
        if (text.rfind("14-18 :", 0) == 0) {
            EXPECT_EQ(text, "14-18 :     0");
            seen = true;
        }
    EXPECT_TRUE(seen);
}

TEST(Search, ARootMoveBackToAPositionOfTheGameScoresZero)
{
    // White is a man up. After 14-18 29-26 18-14 26-29 the move 14-18 would
    // show the position of ply 1 again, which the opponent can repeat into a
    // draw; the game is too short for the rule of four plies before.
    GameState game = played("W:W2,K14:BK29", { "14-18", "29-26", "18-14", "26-29" });
    Fixture f(2);
    RootLines lines;
    f.ctx.observer = &lines;
    const SearchResult result = f.search(game);
    EXPECT_NE(moveText(result.move), "14-18");
    EXPECT_GT(result.score, 100);
    int zeros = 0;
    for (const auto& [i, text] : lines.lines) {
        if (text.rfind("14-18 :", 0) == 0) {
            EXPECT_EQ(text, "14-18 :     0");
        }
        if (text.find(":     0") != std::string::npos) ++zeros;
    }
    EXPECT_EQ(zeros, 1);
}

TEST(Search, AKingEndingAheadAvoidsTheMovesThatLetTheOpponentRepeat)
{
    // Two men up, white's kings have gone round a cycle while black's kings
    // answered: 20-15 would let black's 1-32 bring back the position after
    // 26-15 5-32, seen twice already.
    GameState game = played("W:W8,9,K18,K26:BK3,K5",
                            { "26-15", "5-32", "15-20", "32-1", "20-2", "1-19", "2-20", "19-1" });
    Fixture f(6);
    const SearchResult result = f.search(game);
    EXPECT_NE(moveText(result.move), "20-15");
    EXPECT_GT(result.score, 200);
}

TEST(Search, StopsOnTheTimeLimits)
{
    // Total cap: the side has already used more than its cap, so the first
    // poll stops the search; the clock itself stands still.
    {
        Fixture f(0);
        f.ctx.settings.levelTime = 160;
        f.ctx.settings.levelCap = 178;
        auto pos = parseFen("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32");
        SearchRequest r;
        r.board = pos->board;
        r.usedSeconds = { 1000, 0 };
        const SearchResult result = searchDriver(f.ctx, r);
        EXPECT_TRUE(f.ctx.state.stopRequested);
        EXPECT_EQ(result.outcome, SearchOutcome::Searched);
        EXPECT_GE(result.legalIndex, 0);
    }
    // Target and hard limit: six seconds pass at once, past the target (3.7 s)
    // but within the hard limit (7.5 s). While the best move changes the
    // budget grows to nine tenths of the hard limit and, on this clock, the
    // iterations cost nothing; once the move settles the search ends.
    {
        Fixture f(0);
        f.ctx.settings.levelTime = 160;
        f.ctx.settings.levelCap = 178;
        bool first = true;
        f.ctx.clockMs = [&first] {
            const std::int64_t t = first ? 0 : 6000;
            first = false;
            return t;
        };
        const SearchResult result = f.search("start");
        EXPECT_LE(result.depth, 8);
        EXPECT_TRUE(isLegal("start", result.move));
    }
}

TEST(Search, StopAndAbortRequestsFromThePollCallback)
{
    for (const bool abort : { false, true }) {
        Fixture f(0);
        f.ctx.settings.fixedDepth = 0;
        f.ctx.state.unlimitedTime = true; // thinking on the opponent's time: only a request ends it
        int polls = 0;
        f.ctx.poll = [&] {
            if (++polls == 40) {
                f.ctx.state.stopRequested = true;
                f.ctx.state.abortSearch = abort;
            }
        };
        const SearchResult r = f.search("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32");
        EXPECT_GE(polls, 40); // and once more after the interrupted iteration
        EXPECT_LE(polls, 41);
        if (abort) {
            EXPECT_EQ(r.outcome, SearchOutcome::Aborted);
            EXPECT_EQ(r.code, 0);
            EXPECT_TRUE(r.aborted);
        } else {
            EXPECT_EQ(r.outcome, SearchOutcome::Searched);
            EXPECT_TRUE(isLegal("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32", r.move));
        }
    }
}

TEST(Search, PlaysOnlyLegalMovesInVariedPositions)
{
    const char* fens[] = {
        "start",
        "B:W1,2,3,4,7,8,10,11:B19,22,24,25,27,29,31,32",
        "W:W3,5,7,10,15,K30:B21,23,24,26",
        "B:W2,3,6,9:BK1,7,14,24,25,27,29,31,32",
        "W:WK14,6:BK27,K28,24",
    };
    Fixture f(5);
    for (const char* fen : fens) {
        const SearchResult r = f.search(fen);
        EXPECT_TRUE(r.outcome == SearchOutcome::Searched || r.outcome == SearchOutcome::OnlyMove)
            << fen;
        EXPECT_TRUE(isLegal(fen, r.move)) << fen;
        auto pos = parseFen(fen);
        MoveGenerator gen;
        gen.generateLegal(pos->board, pos->side);
        EXPECT_EQ(gen.list(1)[r.legalIndex], r.move) << fen;
    }
}

TEST(Search, MakeKeepsKeysCountsAndMaterialInStep)
{
    SearchContext ctx(HashKeyTables::generated());
    Searcher& s = ctx.searcher();
    std::mt19937 rng(5);
    MoveGenerator gen;
    for (int game = 0; game < 20; ++game) {
        Position p = initialPosition();
        s.rootSide = White;
        s.opponentSide = Black;
        s.pos = NodeFrame {};
        s.pos.board = p.board;
        s.pos.counts = PieceCounts::of(p.board);
        s.pos.keys = computeHashKeys(s.keys, p.board);
        s.evaluator.preparePhase(p.board, s.pos.counts);
        s.pos.sums = s.evaluator.prepareSums(p.board, s.pos.counts, White);
        for (int ply = 1; ply < 80; ++ply) {
            const int n = gen.generateLegal(s.pos.board, p.side);
            if (n == 0) break;
            const MoveRecord m = gen.list(1)[rng() % n];
            Board expected = s.pos.board;
            applyMove(expected, m);
            const int before = s.pos.materialBalance;
            int worth = 0;
            for (int k = 0; k < m.n; ++k) {
                const std::uint8_t c = s.pos.board[m.captured[k]];
                worth += (isKing(c) ? 3 : 1) * (isWhite(c) ? -1 : 1);
            }
            if (promotes(s.pos.board[m.from], m.to)) worth += p.side == White ? 2 : -2;
            s.makeSearchMove(m, 2);
            ASSERT_EQ(s.pos.board, expected);
            ASSERT_EQ(s.pos.counts.n, PieceCounts::of(expected).n);
            ASSERT_EQ(s.pos.keys, computeHashKeys(s.keys, expected));
            ASSERT_EQ(s.pos.sums, s.evaluator.computeSums(expected, White));
            ASSERT_EQ(s.pos.materialBalance - before, worth);
            ASSERT_EQ(s.lastMoveSquare, m.to);
            p.side = static_cast<SideToMove>(1 - p.side);
        }
    }
}

TEST(Search, CaptureProbeAgreesWithTheGenerator)
{
    std::mt19937 rng(17);
    MoveGenerator gen;
    int withCapture = 0;
    for (int t = 0; t < 20000; ++t) {
        Board b;
        b.clear();
        const int pieces = 2 + static_cast<int>(rng() % 14);
        for (int k = 0; k < pieces; ++k) {
            const int s = 1 + static_cast<int>(rng() % 32);
            b[s] = static_cast<std::uint8_t>(1 + rng() % 4);
        }
        const PieceCounts counts = PieceCounts::of(b);
        for (const SideToMove side : { White, Black }) {
            gen.generate(b, side, 2);
            const bool expected = gen.captureCount() != 0;
            withCapture += expected;
            ASSERT_EQ(hasCapture(b, counts, side), expected) << formatFen({ b, side });
        }
    }
    EXPECT_GT(withCapture, 1000);
}

TEST(Search, ResizeEmptiesTheTableAndReseedsTheIndexKeys)
{
    Fixture f(4);
    f.search("W:W1,2,3,4,6,7,8,11,16:B20,22,24,25,28,29,30,31,32");
    const HashKeyTables before = f.ctx.hashKeys();
    const TableSize& smallest = kTableSizes.front();
    f.ctx.resizeTranspositionTable(smallest.sizeFactor, smallest.depthOffset);
    EXPECT_EQ(f.ctx.transpositionTable().entries(), 13100u);
    EXPECT_EQ(f.ctx.tableDepthOffset(), -4);
    for (std::size_t i = 0; i < f.ctx.transpositionTable().entries(); i += 97)
        EXPECT_EQ(f.ctx.transpositionTable().slot(static_cast<std::uint32_t>(i)).type, 0);
    const HashKeyTables& after = f.ctx.hashKeys();
    EXPECT_EQ(after.check, before.check);
    EXPECT_NE(after.index, before.index);
    for (int i = hashKeySlot(WhiteMan, 0); i <= hashKeySlot(BlackKing, 32); ++i)
        EXPECT_LT(after.index[i], 13100u);
    // The search still plays legal moves with the new keys and offset.
    EXPECT_TRUE(isLegal("start", f.search("start").move));
}

// Remembers every learned-position lookup of a search.
struct LookupRecorder : SearchKnowledge {
    mutable std::set<std::pair<std::uint32_t, std::uint32_t>> asked;
    std::optional<int> learned(std::uint32_t index, std::uint32_t check) const override
    {
        asked.emplace(index, check);
        return std::nullopt;
    }
};

TEST(Search, LearnedPositionsKeepTheirKeysWhenTheTableIsResized)
{
    // Every position after white's first move is looked up under the keys
    // the learned positions were stored with (the loaded ones), before and
    // after a resize re-seeds the table's index keys.
    const HashKeyTables fileKeys = HashKeyTables::generated();
    LookupRecorder recorder;
    Fixture f(2);
    f.ctx.setKnowledge(recorder);
    const auto start = parseFen("start");
    MoveGenerator gen;
    Board b = start->board;
    const int n = gen.generateLegal(b, White);
    for (int round = 0; round < 2; ++round) {
        recorder.asked.clear();
        f.search("start");
        for (int i = 0; i < n; ++i) {
            Board after = start->board;
            applyMove(after, gen.list(1)[i]);
            const PositionKeys k = computeHashKeys(fileKeys, after);
            EXPECT_TRUE(recorder.asked.count({ k.index, k.check }))
                << "round " << round << " move " << i;
        }
        EXPECT_EQ(f.ctx.learnedKeys(), fileKeys);
        f.ctx.resizeTranspositionTable(kTableSizes[5].sizeFactor, kTableSizes[5].depthOffset);
    }
    EXPECT_NE(f.ctx.hashKeys().index, fileKeys.index);
}

TEST(Search, PrincipalVariationRowsAreCopiedUpward)
{
    SearchContext ctx(HashKeyTables::generated());
    Searcher& s = ctx.searcher();
    MoveRecord a, b, c;
    a.from = 9, a.to = 13;
    b.from = 22, b.to = 18;
    c.from = 5, c.to = 14, c.n = 1, c.captured[0] = 9;
    s.storePrincipalVariation(c, 3);
    s.storePrincipalVariation(b, 2);
    EXPECT_EQ(s.pv[3][3].from, 0); // the row below is ended after its copy
    s.storePrincipalVariation(a, 1);
    EXPECT_EQ(s.pv[1][1].from, 9);
    EXPECT_EQ(s.pv[1][2].from, 22);
    EXPECT_EQ(s.pv[1][3].from, 5);
    EXPECT_EQ(s.pv[1][3].captured[0], 9);
    EXPECT_EQ(s.pv[1][4].from, 0);
    EXPECT_EQ(s.pv[2][2].from, 0);
}

TEST(Search, KillersKeepTheBestScoresForTheSideToMove)
{
    SearchContext ctx(HashKeyTables::generated());
    Searcher& s = ctx.searcher();
    MoveRecord m1, m2, m3;
    m1.from = 1, m1.to = 5;
    m2.from = 2, m2.to = 6;
    m3.from = 3, m3.to = 7;
    s.emptyKillers(3);
    s.storeKiller(m1, 3, 10);
    s.storeKiller(m2, 3, 50);
    s.storeKiller(m3, 3, 20);
    EXPECT_EQ(s.killers[3][0].from, 2);
    EXPECT_EQ(s.killers[3][1].from, 3);
    s.storeKiller(m2, 3, 500); // already first: nothing changes
    EXPECT_EQ(s.killers[3][0].score, 50);

    s.emptyKillers(4); // min ply: lower is better
    s.storeKiller(m1, 4, 10);
    s.storeKiller(m2, 4, 50);
    EXPECT_EQ(s.killers[4][0].from, 1);
    EXPECT_EQ(s.killers[4][1].from, 2);

    s.storeRefutation(m1, 4); // the first killer is not a refutation
    EXPECT_EQ(s.refutations[4].from, 0);
    s.storeRefutation(m3, 4);
    EXPECT_EQ(s.refutations[4].from, 3);
}

TEST(Search, KillerOrderingPutsKillersAndRefutationsFirst)
{
    SearchContext ctx(HashKeyTables::generated());
    Searcher& s = ctx.searcher();
    for (int p = 0; p < kPlyTables; ++p) s.emptyKillers(p);
    MoveList list;
    list.count = 5;
    for (int i = 0; i < 5; ++i)
        list[i].from = static_cast<Square>(i + 1), list[i].to = static_cast<Square>(i + 10);
    s.killers[3][0] = { 3, 12, 40 }; // two plies above
    s.killers[3][1] = { 4, 13, 30 };
    s.refutations[7] = { 5, 14, 0 }; // two plies below
    s.orderByKillers(list, 5);
    EXPECT_EQ(list[0].from, 3);
    EXPECT_EQ(list[1].from, 4);
    EXPECT_EQ(list[2].from, 5);
    EXPECT_EQ(list[3].from, 1);
    EXPECT_EQ(list[4].from, 2);
    for (const MoveRecord& m : list) EXPECT_EQ(m.key, 0);

    // Now [3, 4, 5, 1, 2]: the hash move (key 255) stays first and ends the
    // passes after the first one; this ply's first killer follows it.
    list[4].key = 255;
    s.killers[5][0] = { 1, 10, 40 };
    s.orderByKillers(list, 5);
    EXPECT_EQ(list[0].from, 2);
    EXPECT_EQ(list[1].from, 1);
    EXPECT_EQ(list[2].from, 3);
}

} // namespace
} // namespace kv
