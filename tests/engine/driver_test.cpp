#include "engine/levels.h"
#include "engine/search_driver.h"
#include "engine/searcher.h"
#include "rules/geometry.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// Budgets are in milliseconds; the levels, the used time and the rules are
// seconds, so the expected values read as seconds x 1000.
TEST(TimeAllocation, FirstSixtyPliesShareTheLevelTime)
{
    // 540 s at ply 0: 30 moves of the side, 18 s each, x 7 / 10 = 12.6 s;
    // below LevelTime / 10 = 54 s; never more than twice that.
    TimeBudget b = allocateTime(540, 598, 0, 0, false, false);
    EXPECT_EQ(b.target, 12600);
    EXPECT_EQ(b.hard, 25200);
    EXPECT_EQ(b.totalCap, 598000);
    // Ply 59 leaves the side one move: the remaining time x 7 / 10, capped at LevelTime / 10.
    b = allocateTime(540, 598, 59, 500000, false, false);
    EXPECT_EQ(b.target, 28000);
    b = allocateTime(540, 598, 59, 100000, false, false);
    EXPECT_EQ(b.target, 54000);
}

TEST(TimeAllocation, LaterPeriodsAddHalfTheLevelTime)
{
    // Ply 60: p = 2, 15 moves of the side left, time left (3 x 540) / 2 - used.
    TimeBudget b = allocateTime(540, 598, 60, 500000, false, false);
    EXPECT_EQ(b.target, (810000 - 500000) / 15 * 7 / 10);
    EXPECT_EQ(b.totalCap, (61 * 598000) / 60);
    b = allocateTime(540, 598, 75, 700000, false, false); // 15 plies, 8 of them the side's
    EXPECT_EQ(b.target, ((810000 - 700000) / 8) * 7 / 10);
}

TEST(TimeAllocation, SmallLevelsAndFloors)
{
    // LevelTime below 10: the floor of 1 s is cut to LevelTime / 10, half a
    // second at LevelTime 5 and 0.6 s at 6, so the two levels differ.
    EXPECT_EQ(allocateTime(5, 58, 0, 0, false, false).target, 500);
    EXPECT_EQ(allocateTime(5, 58, 0, 0, false, false).hard, 2500);
    EXPECT_EQ(allocateTime(6, 358, 0, 0, false, false).target, 600);
    const TimeBudget ten = allocateTime(10, 600, 0, 0, false, false);
    EXPECT_EQ(ten.target, 1000);
    EXPECT_EQ(ten.hard, 2000);
    // LevelTime / 90 lifts a small share while the cap allows it.
    EXPECT_EQ(allocateTime(1680, 1798, 58, 1670000, false, false).target, 18666);
    EXPECT_EQ(allocateTime(1680, 1798, 58, 1790000, false, false).target, 1000);
    // Out of time: a negative share becomes 1 s, except at LevelTime 30.
    EXPECT_EQ(allocateTime(160, 178, 10, 200000, false, false).target, 1000);
    // (30 - 200) / 25 moves = -6.8 s, x 7 / 10 = -4.76 s.
    EXPECT_EQ(allocateTime(30, 178, 10, 200000, false, false).target, -4760);
}

// The timed levels over their first 30 moves: none of the first five moves
// may take more than 1.5 times the average share; a side that spends every
// move's whole limit still ends within the level's cap, and one that spends
// its targets uses most of the level's time without passing it.
TEST(TimeAllocation, TheLevelTimeIsSpreadOverTheGame)
{
    for (int index = 5; index <= 8; ++index) {
        const LevelSetting level = *levelByIndex(index);
        const std::int64_t average = level.levelTime * 1000 / 30;
        for (const bool wholeLimit : { true, false }) {
            std::int64_t used = 0;
            for (int ply = index & 1; ply < 60; ply += 2) {
                const TimeBudget b
                    = allocateTime(level.levelTime, level.levelCap, ply, used, false, false);
                if (ply < 10) {
                    EXPECT_LE(b.hard, average * 3 / 2) << index << " ply " << ply;
                }
                used += wholeLimit ? b.hard : b.target;
            }
            EXPECT_LE(used, std::int64_t(level.levelCap) * 1000) << index;
            if (!wholeLimit) {
                EXPECT_GE(used, level.levelTime * 900) << index;
                EXPECT_LE(used, level.levelTime * 1000) << index;
            }
        }
    }
}

TEST(TimeAllocation, AnalysisUnlimitedAndNoLimit)
{
    EXPECT_EQ(allocateTime(540, 598, 40, 300000, true, false).target, 18000);
    EXPECT_EQ(allocateTime(5400, 5998, 40, 300000, true, false).target, 180000);
    EXPECT_EQ(allocateTime(32000, 32000, 0, 0, false, false).target, 3200000000LL);
    EXPECT_EQ(allocateTime(160, 178, 0, 0, false, true).hard, 3200000000LL);
}

TEST(Aspiration, WindowFollowsTheScore)
{
    AspirationWindow w;
    EXPECT_FALSE(updateAspiration(w, 120));
    EXPECT_EQ(w.alpha, -380);
    EXPECT_EQ(w.beta, 620);
    // A decided score keeps that edge open.
    AspirationWindow win;
    EXPECT_FALSE(updateAspiration(win, 31990));
    EXPECT_EQ(win.alpha, 31490);
    EXPECT_EQ(win.beta, 32000);
}

TEST(Aspiration, FailuresRepeatTheDepthOnceThenOpenTheWindow)
{
    AspirationWindow w { -380, 620, false, 0 };
    // Fail high: the same depth again with (score - 500, 32000).
    EXPECT_TRUE(updateAspiration(w, 700));
    EXPECT_EQ(w.instability, 1);
    EXPECT_EQ(w.alpha, 200);
    EXPECT_EQ(w.beta, 32000);
    // The re-search fails too: full window, no repetition, counter 1.
    EXPECT_FALSE(updateAspiration(w, 100));
    EXPECT_EQ(w.instability, 1);
    EXPECT_EQ(w.alpha, -32000);
    EXPECT_EQ(w.beta, 32000);
    EXPECT_FALSE(w.research);
    // In window: the counter goes back to 0.
    EXPECT_FALSE(updateAspiration(w, 90));
    EXPECT_EQ(w.instability, 0);

    // Fail low to a lost score does not count as instability.
    AspirationWindow lost { -380, 620, false, 0 };
    EXPECT_TRUE(updateAspiration(lost, -31000));
    EXPECT_EQ(lost.instability, 0);
    EXPECT_EQ(lost.alpha, -32000);
    EXPECT_EQ(lost.beta, -30500);
}

const SearchInfoLabels kFrench { "Profondeur", "Noeuds", "Temps", "Noeuds/s", "Score", "Coups" };

struct Statistics : SearchObserver {
    std::vector<std::string> last;
    void searchInfo(const SearchInfo& info) override { last = searchInfoLines(info, kFrench); }
};

SearchContext& fixed(SearchContext& ctx, int levelTime)
{
    ctx.settings.levelTime = levelTime;
    ctx.settings.levelCap = 600;
    ctx.settings.bookEnabled = false;
    ctx.clockMs = [] { return std::int64_t(50); };
    return ctx;
}

SearchRequest request(const std::string& fen)
{
    auto pos = parseFen(fen);
    SearchRequest r;
    if (!pos) {
        ADD_FAILURE() << "the test's position does not parse: " << fen;
        return r;
    }
    r.board = pos->board;
    r.side = pos->side;
    return r;
}

TEST(SearchDriver, LowLevelsCapTheDepth)
{
    // The clock stands still, so only the depth can end these searches; a
    // LevelTime of 10 or more is set by time and has no cap.
    for (const auto& [level, depth] :
         { std::pair { 2, 3 }, std::pair { 5, 6 }, std::pair { 8, 9 } }) {
        SearchContext ctx(HashKeyTables::generated());
        const SearchResult r = searchDriver(fixed(ctx, level), request("start"));
        EXPECT_EQ(r.depth, depth) << level;
    }
}

TEST(SearchDriver, AnswersAtOnceWithoutASearch)
{
    SearchContext ctx(HashKeyTables::generated());
    fixed(ctx, 160);
    // One legal move: code 254, nothing searched.
    SearchResult r = searchDriver(ctx, request("W:W10:B14,22"));
    EXPECT_EQ(r.outcome, SearchOutcome::OnlyMove);
    EXPECT_EQ(r.code, 254);
    EXPECT_EQ(r.nodes, 0u);
    EXPECT_EQ(moveText(r.move), "10x26 captures 14,22");
    // ... except on the opponent's time.
    ctx.state.unlimitedTime = true;
    ctx.settings.fixedDepth = 2;
    r = searchDriver(ctx, request("W:W10:B14,22"));
    EXPECT_EQ(r.outcome, SearchOutcome::Searched);
    EXPECT_GT(r.nodes, 0u);
    ctx.state.unlimitedTime = false;
    // No piece or no move: code 100.
    EXPECT_EQ(searchDriver(ctx, request("B:W1,2:B5")).code,
              100); // the black man on 5 is blocked by 1 and 2
    SearchRequest empty = request("W:W10:B14");
    empty.board[internalSquare(14)] = Empty;
    EXPECT_EQ(searchDriver(ctx, empty).outcome, SearchOutcome::NoMove);
    SearchRequest garbage = request("start");
    garbage.board[7] = Jumped;
    EXPECT_EQ(searchDriver(ctx, garbage).outcome, SearchOutcome::NoMove);
}

TEST(SearchDriver, BookMovesAreChosenAmongTheRootMoves)
{
    SearchContext ctx(HashKeyTables::generated());
    fixed(ctx, 160);
    ctx.settings.bookEnabled = true;
    SearchRequest r = request("start");
    r.book = [](const Board&, SideToMove) {
        return std::vector<BookMove> { { internalSquare(9), internalSquare(13) },
                                       { internalSquare(11), internalSquare(15) },
                                       { internalSquare(1), internalSquare(2) } };
    };
    for (int i = 0; i < 20; ++i) {
        const SearchResult res = searchDriver(ctx, r);
        EXPECT_EQ(res.outcome, SearchOutcome::Book);
        const std::string text = moveText(res.move);
        EXPECT_TRUE(text == "9-13" || text == "11-15") << text;
    }
    ctx.settings.bookEnabled = false;
    ctx.settings.fixedDepth = 2;
    EXPECT_EQ(searchDriver(ctx, r).outcome, SearchOutcome::Searched);
}

// The time rules end a timed search only after depth 6: with the move's
// whole time (7 s, beyond any budget the rules may grow to from the 3.733 s
// target, within its hard limit of 7.466 s) spent in the first iteration the search still reaches
// depth 6, and with no time spent it runs to its fixed depth.
TEST(SearchDriver, TimedSearchesReachDepthSix)
{
    ASSERT_EQ(allocateTime(160, 600, 0, 0, false, false).target, 3733);
    struct SetClock : SearchObserver {
        std::int64_t* now = nullptr;
        std::int64_t elapsed = 0;
        void iterationFinished(int, int) override { *now = elapsed; }
    };
    for (const auto& [elapsed, depth] : { std::pair { 0, 8 }, std::pair { 7000, 6 } }) {
        SearchContext ctx(HashKeyTables::generated());
        fixed(ctx, 160);
        ctx.settings.fixedDepth = 8;
        std::int64_t now = 0;
        ctx.clockMs = [&now] { return now; };
        SetClock observer;
        observer.now = &now;
        observer.elapsed = elapsed;
        ctx.observer = &observer;
        const SearchResult r
            = searchDriver(ctx, request("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32"));
        EXPECT_EQ(r.depth, depth) << elapsed;
        EXPECT_EQ(r.usedSeconds, elapsed / 1000);
    }
}

// A fixed move time in milliseconds ends the search once it is past, at a
// poll or after the iteration.
TEST(SearchDriver, FractionalMoveTime)
{
    for (const auto& [after, stops] : { std::pair { 240, false }, std::pair { 260, true } }) {
        SearchContext ctx(HashKeyTables::generated());
        fixed(ctx, 160);
        ctx.settings.moveTimeMs = 250;
        ctx.settings.fixedDepth = 9;
        int reads = 0;
        ctx.clockMs = [&reads, after] { return std::int64_t(reads++ == 0 ? 0 : after); };
        const SearchResult r
            = searchDriver(ctx, request("W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32"));
        EXPECT_EQ(r.outcome, SearchOutcome::Searched);
        EXPECT_EQ(r.depth < 9, stops) << after;
    }
}

// A record-navigation request handled in the poll after an iteration, when
// the move's time is also spent, still abandons the search: no move is handed
// back even though the time rule alone would return the best one.
TEST(SearchDriver, AbortAfterAnIterationWinsOverTheTimeRule)
{
    struct AbortAtDepthSix : SearchObserver {
        SearchContext* ctx = nullptr;
        std::int64_t* now = nullptr;
        void iterationFinished(int depth, int) override
        {
            if (depth != 6 || ctx->state.stopRequested) return;
            ctx->state.stopRequested = ctx->state.abortSearch = true;
            *now += 100000; // far beyond the target, as after a long wait in the poll
        }
    };
    SearchContext ctx(HashKeyTables::generated());
    fixed(ctx, 160);
    std::int64_t now = 50;
    ctx.clockMs = [&now] { return now; };
    AbortAtDepthSix observer;
    observer.ctx = &ctx;
    observer.now = &now;
    ctx.observer = &observer;
    const SearchResult r = searchDriver(ctx, request("start"));
    EXPECT_TRUE(ctx.state.abortSearch);
    EXPECT_EQ(r.outcome, SearchOutcome::Aborted);
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.aborted);
}

TEST(SearchDriver, StatisticsLines)
{
    SearchContext ctx(HashKeyTables::generated());
    fixed(ctx, 160);
    ctx.settings.fixedDepth = 2;
    Statistics stats;
    ctx.observer = &stats;
    SearchRequest r = request("W:W2,9,13,14:B21,22,31,32");
    r.gamePly = 7;
    const SearchResult res = searchDriver(ctx, r);
    ASSERT_GE(stats.last.size(), 8u);
    // Depth 2, shown one deeper while the last root move reports (a cut-off
    // at the root of an aspiration re-search reports before it).
    EXPECT_TRUE(stats.last[0] == "Profondeur :     3" || stats.last[0] == "Profondeur :     2")
        << stats.last[0];
    EXPECT_EQ(stats.last[1],
              "Noeuds : " + std::string(8 - std::to_string(res.nodes).size(), ' ')
                  + std::to_string(res.nodes));
    EXPECT_EQ(stats.last[2], "Temps :      0 s");
    EXPECT_EQ(stats.last[3], "Noeuds/s : //");
    EXPECT_EQ(stats.last[5], "Coups :   4");
    EXPECT_EQ(stats.last[6], "13 - 18 , 22 x 13");
    EXPECT_EQ(searchInfoLines(*ctx.lastSearchInfo(), kFrench), stats.last);

    // On the opponent's time the time lines are left out.
    ctx.state.unlimitedTime = true;
    searchDriver(ctx, r);
    EXPECT_EQ(stats.last[2].rfind("Score :", 0), 0u);
}

} // namespace
} // namespace kv

namespace kv {
namespace {

TEST(SearchStatistics, PrincipalLineEndsAtItsFirstEmptyPly)
{
    // A line of one ply after a longer one: what lies beyond the empty ply is
    // left over from the longer line and must not be shown.
    SearchContext ctx(HashKeyTables::generated());
    SearchState state;
    state.unlimitedTime = true;
    Searcher& s = ctx.searcher();
    s.state = &state;
    s.observer = nullptr;
    MoveRecord first, stale;
    first.from = 22;
    first.to = 18;
    stale.from = 11;
    stale.to = 15;
    s.pv[1][1] = first;
    s.pv[1][2] = MoveRecord {};
    s.pv[1][3] = stale;
    s.pv[1][4] = stale;
    s.reportInfo(0, 1);
    ASSERT_NE(ctx.lastSearchInfo(), nullptr);
    EXPECT_EQ(searchInfoLines(*ctx.lastSearchInfo(), kFrench).back(), "10 - 14");
}

} // namespace
} // namespace kv
