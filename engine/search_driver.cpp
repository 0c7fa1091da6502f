#include "search_driver.h"

#include "levels.h"
#include "searcher.h"
#include "time_rules.h"

#include <algorithm>
#include <limits>

namespace kv {

TimeBudget allocateTime(int levelTime, int levelCap, int gamePly, std::int64_t used,
                        bool analysisMode, bool unlimitedTime)
{
    // Every rule reads seconds; the arithmetic is done in milliseconds so that
    // a share such as LevelTime / 10 = 0.6 s keeps its fraction.
    const std::int64_t level = std::int64_t(levelTime) * 1000;
    const std::int64_t cap = std::int64_t(levelCap) * 1000;
    TimeBudget b;
    if (analysisMode) {
        b.target = std::min(level / 30, level / 10);
        b.hard = 5 * b.target;
    } else {
        // The first 60 plies share LevelTime; every further 30 plies add half
        // of it. What is left of the period is shared between the side's
        // moves still to play in it, this one included: a move aims at 7/10
        // of its share, so that the moves where the search is unsure can take
        // more, and never runs past twice its aim, so that no move, the first
        // ones included, eats the time of the moves after it.
        const int period = gamePly / 30;
        const std::int64_t periodEnd = gamePly >= 60 ? 30 * (period + 1) : 60;
        const std::int64_t periodTime = gamePly >= 60 ? ((period + 1) * level) / 2 : level;
        const std::int64_t movesLeft = (periodEnd - gamePly + 1) / 2;
        b.target = (periodTime - used) / movesLeft * 7 / 10;
        if (b.target < 1000 && levelTime != 30) b.target = 1000;
        if (level / 90 > b.target && level / 90 + used < cap) b.target = level / 90;
        if (level / 10 < b.target) b.target = level / 10;
        // The lowest levels are ended by depth; their time only guards.
        b.hard = (levelTime <= kDepthLevelTimes ? 5 : 2) * b.target;
    }
    b.totalCap = gamePly >= 60 ? ((gamePly + 1) * cap) / 60 : cap;
    if (levelTime == 32000 || unlimitedTime) b.target = b.hard = 3200000000LL;
    return b;
}

bool updateAspiration(AspirationWindow& w, int score)
{
    constexpr int half = 500;
    if (w.research && (score <= w.alpha || score >= w.beta)) {
        w.instability = 1;
        w.research = false;
        w.alpha = -kWinScore, w.beta = kWinScore;
        return false;
    }
    if (w.alpha < score && score < w.beta) {
        w.instability = 0;
        w.research = false;
        if (score > -kProvenScore) w.alpha = score - half;
        if (score < kProvenScore) w.beta = score + half;
        return false;
    }
    w.research = true;
    if (score <= w.alpha) {
        w.instability = score <= -kDecidedScore ? 0 : w.instability + 1;
        w.alpha = -kWinScore, w.beta = score + half;
    } else {
        w.instability = score >= kDecidedScore ? 0 : w.instability + 1;
        w.alpha = score - half, w.beta = kWinScore;
    }
    return true;
}

namespace {
constexpr int kFullWindow = kWinScore;
constexpr int kMaxIterations = 31;

SearchResult noMove(const Searcher& s)
{
    SearchResult r;
    r.outcome = SearchOutcome::NoMove;
    r.code = 100;
    r.score = s.lastCompletedScore;
    return r;
}

// Fills the move and both indices for root-list entry `index`.
SearchResult chosen(Searcher& s, const Board& root, SideToMove side, int index, SearchOutcome how)
{
    SearchResult r;
    r.outcome = how;
    r.code = how == SearchOutcome::OnlyMove ? 254 : index;
    r.rootIndex = index;
    r.move = s.gen.list(1)[index];
    // Ply 0 is never used by the search: it holds the legal list in
    // generation order for the caller.
    Board b = root;
    const int n = s.gen.generate(b, side, 0);
    for (int i = 0; i < n; ++i)
        if (s.gen.list(0)[i] == r.move) {
            r.legalIndex = i;
            break;
        }
    r.score = s.lastCompletedScore;
    r.depth = std::min(s.iterationDepth, kMaxIterations - 1);
    r.nodes = s.nodes;
    r.usedSeconds = s.sideUsedSeconds();
    return r;
}
} // namespace

SearchResult searchDriver(SearchContext& ctx, const SearchRequest& req)
{
    Searcher& s = ctx.searcher();
    SearchState& st = ctx.state;
    const SearchSettings& set = ctx.settings;
    const SideToMove side = req.side;
    s.state = &st;
    s.observer = ctx.observer;
    s.poll = &ctx.poll;
    s.clockMs = &ctx.clockMs;
    s.record = req.record;
    s.gamePly = req.gamePly;
    s.analysisEndPly = req.analysisEndPly;
    s.playedFrom = req.playedFrom;
    s.playedTo = req.playedTo;

    AspirationWindow window;
    NodeFrame& pos = s.pos;
    pos.board = req.board;
    pos.board[0] = OffBoard;

    const std::int32_t used = req.usedSeconds[side];
    const std::int64_t usedMs = req.usedMs >= 0 ? req.usedMs : std::int64_t(used) * 1000;
    s.sideUsed = usedMs;
    if (!st.unlimitedTime) {
        s.startReference = ctx.clockMs() - usedMs;
        s.usedAtStart = usedMs;
    }
    // Only piece codes index the key tables; anything else is no position.
    for (int sq = 1; sq <= kSquares; ++sq)
        if (pos.board[sq] > BlackKing) return noMove(s);
    pos.keys = computeHashKeys(s.keys, pos.board);
    pos.learnedIndex
        = computeHashKeys(HashKeyTables { s.learnedIndex, s.keys.check }, pos.board).index;
    for (int p = 0; p < kPlyTables; ++p) s.emptyKillers(p);
    s.ageHistory();

    const TimeBudget budget = allocateTime(set.levelTime, set.levelCap, req.gamePly, usedMs,
                                           st.analysisMode, st.unlimitedTime);
    std::int64_t targetMs = budget.target;
    s.hardTimeLimit = budget.hard;
    s.totalTimeCap = budget.totalCap;
    if (set.moveTimeMs > 0 && !st.unlimitedTime) {
        targetMs = s.hardTimeLimit = set.moveTimeMs;
        s.totalTimeCap = std::numeric_limits<std::int64_t>::max();
    }

    s.bestRootMove = s.iterationBestRootMove = 0;
    for (auto& row : s.pv)
        for (auto& e : row) e.from = e.to = 0;
    s.nodes = 0;
    s.nodeLimit = set.nodeLimit;

    pos.counts = PieceCounts::of(pos.board);
    s.evaluator.preparePhase(pos.board, pos.counts);
    s.evalCache.clear();
    s.gamePhase = s.evaluator.gamePhase();
    if (pos.counts.white() == 0 || pos.counts.black() == 0) return noMove(s);

    s.extensionCount.fill(0);
    s.rootSide = side;
    s.opponentSide = static_cast<SideToMove>(1 - side);
    st.stopRequested = false;
    pos.quietPlyCount = 0;
    s.repetitions.loadGame(req.record, req.gamePly, s.keys);
    pos.reversiblePlies = static_cast<std::uint8_t>(s.repetitions.reversibleAtRoot());
    pos.sums = s.evaluator.prepareSums(pos.board, pos.counts, side);
    pos.materialBalance = 0;
    pos.rootReduction = 0;
    pos.promotionExtension = 0;
    s.iterationDepth = 0;
    s.rootEvaluation = s.evaluate(1, -kFullWindow, kFullWindow);

    const int n = s.gen.generate(pos.board, side, 1);
    if (n == 0) return noMove(s);
    if (n == 1) {
        const bool searchAnyway
            = (st.analysisMode && req.gamePly == req.analysisEndPly) || st.unlimitedTime;
        if (!searchAnyway) {
            if (st.analysisMode) s.lastCompletedScore = 32001;
            return chosen(s, req.board, side, 0, SearchOutcome::OnlyMove);
        }
    }

    if (set.bookEnabled && req.book) {
        const bool opening
            = req.gamePly < 3 && pos.counts[WhiteMan] == 12 && pos.counts[BlackMan] == 12;
        if (opening || (req.gamePly >= 3 && req.gamePly < 42)) {
            const std::vector<BookMove> book = req.book(pos.board, side);
            std::vector<int> matches;
            const MoveList& roots = s.gen.list(1);
            for (int i = 0; i < n; ++i)
                for (const BookMove& b : book)
                    if (roots[i].from == b.from && roots[i].to == b.to) {
                        matches.push_back(i);
                        break;
                    }
            if (!matches.empty()) {
                const int pick = matches[s.rng() % matches.size()];
                return chosen(s, req.board, side, pick, SearchOutcome::Book);
            }
        }
    }

    const NodeFrame root = pos;
    if (s.observer) s.observer->clearRootLines();
    s.previousScoreNegated = -s.lastCompletedScore;

    // A fixed move time is spent whole: only its hard limit ends the search.
    const bool timed = !st.unlimitedTime && set.moveTimeMs <= 0;
    IterationTimer timer(targetMs, s.hardTimeLimit);
    int seedLength = 35;
    for (s.iterationDepth = 1; s.iterationDepth < kMaxIterations; ++s.iterationDepth) {
        pos = root;
        s.pollCounter = 0;
        s.iterationBestRootMove = 0;
        int score = s.maxNode(window.alpha, window.beta, 1);
        s.pvPath = true;
        pos = root;

        if (updateAspiration(window, score)) --s.iterationDepth;

        if (st.stopRequested) {
            s.bestRootMove = s.iterationBestRootMove;
            score = st.abortSearch ? 0 : s.lastCompletedScore;
        }
        s.lastCompletedScore = score;
        if (st.unlimitedTime) s.reportInfo(score, s.iterationDepth);
        if (s.observer) s.observer->iterationFinished(s.iterationDepth, score);

        seedLength = std::max(seedLength - 4, s.iterationDepth);
        s.seedKillers(seedLength);
        if (ctx.poll) ctx.poll();

        if (!st.unlimitedTime) s.sideUsed = ctx.clockMs() - s.startReference;
        // A request that arrived during the last poll is honoured before the
        // time test, so an abandoned search never hands back a move.
        if (st.stopRequested) {
            if (st.abortSearch) {
                SearchResult r;
                r.outcome = SearchOutcome::Aborted;
                r.code = 0;
                r.aborted = true;
                r.score = s.lastCompletedScore;
                r.depth = s.iterationDepth;
                r.nodes = s.nodes;
                r.usedSeconds = s.sideUsedSeconds();
                return r;
            }
            break;
        }
        const std::int64_t elapsed = s.sideUsed - s.usedAtStart;
        if (timed) {
            const MoveRecord& best = s.gen.list(1)[s.bestRootMove];
            timer.iterationDone(elapsed, best.from * 64 + best.to, score);
            if (!timer.startAnother(elapsed) && window.instability != 1 && s.iterationDepth > 5)
                break;
        } else if (!st.unlimitedTime && elapsed > targetMs && window.instability != 1
                   && s.iterationDepth > 5) {
            break;
        }
        if (!st.unlimitedTime && set.levelTime >= 1 && set.levelTime <= kDepthLevelTimes
            && s.iterationDepth >= set.levelTime + 1)
            break;
        if (set.fixedDepth > 0 && s.iterationDepth >= set.fixedDepth) break;
        if (set.nodeLimit > 0 && s.nodes >= set.nodeLimit) break;
        if (!st.unlimitedTime && score > kDecidedScore && window.instability != 1) break;
        if (st.analysisMode && score < -kDecidedScore && window.instability != 1) break;
    }
    return chosen(s, req.board, side, s.bestRootMove, SearchOutcome::Searched);
}

} // namespace kv
