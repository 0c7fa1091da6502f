#include "searcher.h"

#include "rules/repetition.h"

#include "engine/capture_probe.h"
#include "rules/geometry.h"

#include <algorithm>
#include <cstdio>

namespace kv {

namespace {
constexpr int kPollInterval = 5000;

// The ply limits of the transposition table: max nodes use it while
// ply - offset < 18, min nodes while ply - offset < 17.
constexpr int kMaxNodeTableLimit = 18;
constexpr int kMinNodeTableLimit = 17;

bool sameSquares(const MoveRecord& m, const KillerSlot& k)
{
    return m.from == k.from && m.to == k.to;
}

void killerTrampoline(void* owner, MoveList& list, int ply)
{
    static_cast<Searcher*>(owner)->orderByKillers(list, ply);
}
} // namespace

Searcher::Searcher(const HashKeyTables& k, const ParameterSet& params)
    : keys(k), learnedIndex(k.index), evaluator(params), rng(std::random_device {}())
{
    for (int p = 0; p < kPlyTables; ++p) emptyKillers(p);
}

int Searcher::evaluate(int ply, int alpha, int beta) const
{
    const EvalNode node { pos.board,     pos.counts, ply,        lastMoveSquare,
                          rootMovePiece, pos.sums,   &evalCache, pos.keys.both() };
    return evaluator.evaluate(node, rootSide, alpha, beta);
}

void Searcher::emptyKillerSlots(int ply)
{
    const int empty = (ply & 1) ? -kWinScore : kWinScore;
    killers[ply][0] = { 0, 0, empty };
    killers[ply][1] = { 0, 0, empty };
}

void Searcher::emptyKillers(int ply)
{
    emptyKillerSlots(ply);
    refutations[ply] = { 0, 0, (ply & 1) ? -kWinScore : kWinScore };
}

// After an iteration the principal variation's quiet moves become the first
// killers of their plies, scored a little below (max plies) or above (min
// plies) the iteration's score.
void Searcher::seedKillers(int length)
{
    int j = 1;
    for (; j < 35 && j <= length && pv[1][j].from != 0; ++j) {
        const MoveRecord& m = pv[1][j];
        emptyKillerSlots(j);
        if (m.isCapture()) continue;
        killers[j][0]
            = { m.from, m.to, (j & 1) ? lastCompletedScore - 290 : lastCompletedScore + 290 };
    }
    for (; j <= kMaxPly; ++j) emptyKillerSlots(j);
}

void Searcher::storeKiller(const MoveRecord& m, int ply, int score)
{
    auto& k = killers[ply];
    if (sameSquares(m, k[0])) return;
    // Max plies keep the highest scores, min plies the lowest.
    const bool odd = ply & 1;
    const auto better = [odd](int a, int b) { return odd ? a > b : a < b; };
    if (better(score, k[0].score)) {
        k[1] = k[0];
        k[0] = { m.from, m.to, score };
    } else if (better(score, k[1].score)) {
        k[1] = { m.from, m.to, score };
    }
}

void Searcher::storeRefutation(const MoveRecord& m, int ply)
{
    if (sameSquares(m, killers[ply][0])) return;
    refutations[ply].from = m.from;
    refutations[ply].to = m.to;
}

// The hash move first; then the killers of this ply or, when none of them is
// in the list, of the plies 2, 4 and 6 above it (the same side to move); a
// refutation of the ply as far below; then the other moves by how often they
// caused a cut-off anywhere in the search (their history), generation order
// breaking ties.
void Searcher::orderByKillers(MoveList& list, int ply)
{
    constexpr int hashKey = 32000, firstKiller = 31000, secondKiller = 30000, refutationKey = 29000;
    const bool captures = list.count > 0 && list[0].isCapture();
    const auto& table = history[sideAt(ply)];
    // Gives the moves matching the killers of ply - k and the refutation of
    // ply + k their keys; whether any killer matched.
    const auto markKillers = [&](int k, auto&& keyOf) {
        const auto& slots = killers[ply - k];
        const KillerSlot& refutation = refutations[ply + k];
        bool first = false, second = false;
        for (int i = 0; i < list.count; ++i) {
            MoveRecord& m = list[i];
            keyOf(m);
            if (!captures && !first && sameSquares(m, slots[0])) {
                m.key = firstKiller;
                first = true;
            } else if (!second && sameSquares(m, slots[1])) {
                m.key = secondKiller;
                second = true;
            } else if (sameSquares(m, refutation)) {
                m.key = static_cast<std::int16_t>(refutationKey - i);
            }
        }
        return first || second;
    };
    // The pass for this ply's own killers gives every move its key first.
    bool hashSeen = false;
    bool matched = markKillers(0, [&](MoveRecord& m) {
        if (m.key == 255) {
            m.key = hashKey;
            hashSeen = true;
        } else {
            m.key = static_cast<std::int16_t>(
                std::clamp(table[m.from][m.to], -kHistoryCeiling, kHistoryCeiling));
        }
    });
    for (int k = 2; k <= 6 && !matched && !hashSeen && ply - k > 0 && ply + k < kPlyTables; k += 2)
        matched = markKillers(k, [](MoveRecord&) {});
    sortByKey(list);
    for (int i = 0; i < list.count; ++i) list[i].key = 0;
}

int Searcher::lateMoveReduction(int i, int draft, bool captures, bool advancing) const
{
    // The first move is searched whole. A later quiet move that neither
    // promotes nor takes a man deep into the opponent's camp, with two plies
    // or more to go, is searched a ply shallower; from the sixth move on,
    // with five plies or more to go, two plies shallower. A move that then
    // beats the bound is searched again at the full depth.
    if (captures || advancing || i < 1 || draft < 2) return 0;
    return i >= 5 && draft >= 5 ? 2 : 1;
}

bool Searcher::futileNode(int ply, int draft, int alpha, int beta, bool maxSide, int& bound) const
{
    // Within two plies of the horizon; half a man of margin per ply left.
    constexpr int lastDraft = 2, margin = 100;
    if (ply <= 1 || draft > lastDraft) return false;
    // After three king moves in a row a quiet move may repeat a position,
    // which is worth a draw whatever the margin says.
    if (pos.reversiblePlies >= 3) return false;
    const int edge = maxSide ? alpha : beta;
    if (edge <= -kDecidedScore || edge >= kDecidedScore) return false;
    const int e = evaluate(ply, alpha - 1000, beta + 1000);
    bound = maxSide ? e + margin * (draft + 1) : e - margin * (draft + 1);
    return maxSide ? bound <= alpha : bound >= beta;
}

void Searcher::rewardHistory(const MoveList& list, int i, int ply)
{
    auto& table = history[sideAt(ply)];
    const int draft = std::max(horizon(ply) - ply, 1);
    const int bonus = draft * draft;
    // The moves tried before the one that cut off did not: they lose as much.
    for (int j = 0; j < i; ++j) {
        int& h = table[list[j].from][list[j].to];
        h = std::max(h - bonus, -kHistoryCeiling);
    }
    int& h = table[list[i].from][list[i].to];
    h += bonus;
    if (h > kHistoryCeiling) // halve the whole side's table, keeping the order
        for (auto& row : table)
            for (int& v : row) v /= 2;
}

void Searcher::ageHistory()
{
    for (auto& side : history)
        for (auto& row : side)
            for (int& v : row) v /= 4;
}

void Searcher::storePrincipalVariation(const MoveRecord& m, int ply)
{
    // Only the first four bytes of the move enter the table here; the rest of
    // the entry keeps what it held.
    MoveRecord& head = pv[ply][ply];
    head.from = m.from;
    head.to = m.to;
    head.n = m.n;
    head.captured[0] = m.captured[0];
    int j = ply + 1;
    for (; j < kPlyTables && pv[ply + 1][j].from != 0; ++j) pv[ply][j] = pv[ply + 1][j];
    if (j < kPlyTables) pv[ply][j].from = 0;
    pv[ply + 1][ply + 1].from = 0;
}

void Searcher::makeSearchMove(const MoveRecord& m, int ply)
{
    Board& b = pos.board;
    const std::uint8_t code = b[m.from];
    evaluator.updateSums(pos.sums, b, m, rootSide);
    pos.reversiblePlies = m.n != 0 || !isKing(code)
        ? 0
        : static_cast<std::uint8_t>(std::min(pos.reversiblePlies + 1, 255));

    const auto toggle = [this](std::uint8_t c, Square s) {
        pos.keys.index ^= keys.index[hashKeySlot(c, s)];
        pos.keys.check ^= keys.check[hashKeySlot(c, s)];
        pos.learnedIndex ^= learnedIndex[hashKeySlot(c, s)];
    };
    toggle(code, m.from);
    b[m.from] = Empty;

    const std::uint8_t rootMan = rootSide == White ? WhiteMan : BlackMan;
    const std::uint8_t rootKing = rootMan + 1;
    for (int k = 0; k < m.n; ++k) {
        const Square c = m.captured[k];
        const std::uint8_t taken = b[c];
        toggle(taken, c);
        const int worth = isKing(taken) ? 3 : 1;
        pos.materialBalance += (taken == rootMan || taken == rootKing) ? -worth : worth;
        --pos.counts.n[taken];
        b[c] = Empty;
    }

    std::uint8_t final = code;
    if (promotes(code, m.to)) {
        final = static_cast<std::uint8_t>(code + 1);
        const bool rootPiece = code == rootMan;
        const int ownBalance = rootPiece ? pos.materialBalance : -pos.materialBalance;
        const bool hadKing = pos.counts[final] != 0;
        --pos.counts.n[code];
        ++pos.counts.n[final];
        pos.materialBalance += rootPiece ? 2 : -2;
        // A first king near the horizon in a balanced position: look two plies further.
        if (!hadKing && ownBalance >= 0 && ownBalance <= 4
            && ply - extensionCount[ply + 1] - pos.rootReduction > iterationDepth - 2)
            pos.promotionExtension = 2;
    }
    b[m.to] = final;
    b[0] = OffBoard;
    toggle(final, m.to);
    lastMoveSquare = m.to;
    // The child looks up its table slot and its learned slot first thing:
    // start loading them now.
    tt.prefetch(pos.keys.index);
    knowledge->prefetchLearned(pos.learnedIndex + (sideAt(ply + 1) == White ? 1 : 0));
}

void Searcher::prefetchAfter(const MoveList& list, int i) const
{
    if (i >= list.count) return;
    const MoveRecord& m = list[i];
    const Board& b = pos.board;
    const std::uint8_t code = b[m.from];
    const std::uint8_t final = promotes(code, m.to) ? static_cast<std::uint8_t>(code + 1) : code;
    std::uint32_t index = pos.keys.index ^ keys.index[hashKeySlot(code, m.from)]
        ^ keys.index[hashKeySlot(final, m.to)];
    for (int k = 0; k < m.n; ++k) index ^= keys.index[hashKeySlot(b[m.captured[k]], m.captured[k])];
    tt.prefetch(index);
}

OrderingContext Searcher::orderingFor(int ply)
{
    OrderingContext c;
    c.ply = ply;
    c.followPv = pvPath;
    c.pvMove = &pv[1][ply];
    c.hasHashMove = hashFrom != 0;
    c.hashFrom = hashFrom;
    c.hashTo = hashTo;
    c.rootScores = rootScores.data();
    c.rootScoreCount = rootScoreCount;
    c.killerOrdering = killerTrampoline;
    c.owner = this;
    return c;
}

void Searcher::pollNow()
{
    pollCounter = 0;
    if (!state->unlimitedTime) {
        sideUsed = (*clockMs)() - startReference;
        if (sideUsed - usedAtStart > hardTimeLimit || sideUsed > totalTimeCap)
            state->stopRequested = true;
        if (observer) observer->clock(rootSide, sideUsedSeconds());
    }
    if (nodeLimit != 0 && nodes >= nodeLimit) state->stopRequested = true;
    if (poll && *poll) (*poll)();
}

// Endgame tables and the kings-versus-men rule, tried on entry to a node.
std::optional<int> Searcher::knowledgeScore(int ply, bool maxSide)
{
    const PieceCounts& c = pos.counts;
    const int pieces = c.white() + c.black();
    if (ply >= 2 && pieces <= 4) {
        const SideToMove toMove = maxSide ? rootSide : opponentSide;
        if (auto v = knowledge->probeEndgame(pos.board, c, toMove, rootSide, ply)) return v;
    }
    if (ply > 2 && pieces > 3) {
        if (c[WhiteKing] >= 1 && c[BlackKing] == 0 && c[BlackMan] < 7
            && knowledge->kingsVersusMen(pos.board, c[BlackMan], 0))
            return rootSide == White ? kKingsVersusMenScore : -kKingsVersusMenScore;
        if (c[BlackKing] >= 1 && c[WhiteKing] == 0 && c[WhiteMan] < 7
            && knowledge->kingsVersusMen(pos.board, c[WhiteMan], 1))
            return rootSide == Black ? kKingsVersusMenScore : -kKingsVersusMenScore;
    }
    return std::nullopt;
}

namespace {
enum class Prune { None, Replace, EndNode };
}

// A man's move into the opponent's last three rows.
static bool manMovesDeep(const Board& b, const MoveRecord& m, int side)
{
    const bool man = b[m.from] == (side == White ? WhiteMan : BlackMan);
    return man && (side == White ? m.to <= 12 : m.to >= 21);
}

// Forward pruning right after a move: a side that has lost material and keeps
// making quiet moves is not searched further near the horizon. maxSide says
// whose node it is; for a min node the material signs are reversed.
static Prune pruneDecision(const Searcher& s, bool maxSide, int ply)
{
    if (s.pieceCount() < 7 || s.pos.quietPlyCount < 2) return Prune::None;
    const int balance = maxSide ? s.pos.materialBalance : -s.pos.materialBalance;
    const int depth = s.iterationDepth;
    if (balance < 0 && s.advancedMax == 0 && s.advancedMin == 0 && s.pos.quietPlyCount > depth / 2)
        return Prune::Replace;
    const int advanced = static_cast<int>(maxSide ? s.advancedMax : s.advancedMin);
    const int d = ply - s.extensionCount[ply + 1] - s.pos.rootReduction - advanced
        - s.pos.promotionExtension;
    if (d > depth - 4) {
        if (balance < -3) return Prune::EndNode;
        if (balance < -2) return Prune::Replace;
        if (balance < -1 && d > depth - 2) return Prune::Replace;
        if (balance < 0 && d > depth - 1) return Prune::Replace;
    }
    return Prune::None;
}

bool Searcher::repeatsEarlierPosition(int ply)
{
    repetitions.enter(ply, pos.keys.both());
    return ply > 1 && pos.reversiblePlies >= 4 && repetitions.repeats(ply, pos.reversiblePlies);
}

bool Searcher::repeatsAtRoot(const MoveRecord& m, const Board& after) const
{
    if (!record || gamePly < 0 || gamePly >= kRecordEntries) return false;
    const GameRecord& r = *record;
    const int g = gamePly;
    // The move leads back to a position of the game with the same side to
    // move: the opponent can repeat it into a draw.
    if (occurrences(r, g, after, g + 1) > 0) return true;
    if (g < 6) return false;
    // The root side would repeat its move of four plies before while both
    // sides' last two moves repeat theirs.
    const auto same = [&r](int a, int b) { return r[a].from == r[b].from && r[a].to == r[b].to; };
    return m.from == r[g - 3].from && m.to == r[g - 3].to && same(g, g - 4) && same(g - 1, g - 5);
}

// Looks the position up in the table. From firstScoredPly on (and within the table's
// depth limit) an entry searched deep enough may settle the node, whose score is
// returned, or narrow the window; any entry's move, however shallow, is tried first.
std::optional<int> Searcher::probeTable(int ply, int firstScoredPly, int tableLimit,
                                        TableUse (*use)(int, int, int, int, int), int& alpha,
                                        int& beta)
{
    if (ply <= 1) return std::nullopt;
    hashFrom = hashTo = 0;
    const TranspositionEntry* e = tt.find(pos.keys.index, pos.keys.check, ply, gamePly);
    if (!e) return std::nullopt;
    const bool scored = ply > firstScoredPly && ply - depthOffset < tableLimit;
    if (scored && TranspositionTable::deepEnough(*e, gamePly, horizon(ply))) {
        const TableUse u = use(e->type, e->score, rootSide, alpha, beta);
        if (u.returns) return u.score;
        if (u.hashMove) hashFrom = e->from, hashTo = e->to, alpha = u.alpha, beta = u.beta;
    } else {
        hashFrom = e->from, hashTo = e->to;
    }
    return std::nullopt;
}

int Searcher::maxNode(int alpha, int beta, int ply)
{
    int best = -kWinScore;
    const int alpha0 = alpha;
    ++nodes;
    if (++pollCounter > kPollInterval) pollNow();
    if (repeatsEarlierPosition(ply)) return 0;

    if (auto v = knowledgeScore(ply, true)) return *v;

    const int s = rootSide;
    if (auto v = probeTable(ply, 3, kMaxNodeTableLimit, useAtMaxNode, alpha, beta)) return *v;

    if (ply > 1) {
        const std::uint32_t index = pos.learnedIndex + (rootSide == White ? 1 : 0);
        if (auto v = knowledge->learned(index, pos.keys.check); v && *v != 0) return *v;
    }

    if (ply >= 33) return evaluate(ply, alpha, beta);
    // Beyond the horizon only a pending capture keeps the node open.
    const bool beyondHorizon
        = ply - extensionCount[ply] - pos.rootReduction - pos.promotionExtension > iterationDepth;
    if (beyondHorizon && !hasCapture(pos.board, pos.counts, rootSide))
        return evaluate(ply, alpha, beta);
    const OrderingContext ordering = orderingFor(ply);
    const int n = gen.generate(pos.board, rootSide, ply, &ordering);
    MoveList& list = gen.list(ply);
    const bool captures = gen.captureCount() != 0;

    if (ply == 1) {
        for (int i = 0; i < n; ++i)
            rootScores[i]
                = { list[i].from, list[i].to, alpha <= -kDecidedScore ? -kWinScore : alpha - 500 };
        rootScoreCount = n;
    }

    if (!captures && beyondHorizon) return evaluate(ply, alpha, beta);
    if (n == 0) return ply - kWinScore;

    extensionCount[ply + 1] = static_cast<std::uint8_t>(extensionCount[ply] + (captures ? 1 : 0));
    const NodeFrame frame = pos;
    const int draft = horizon(ply) - ply; // plies left before this node's horizon
    Square bestFrom = 0, bestTo = 0;
    int previousRootScore = lastCompletedScore;
    int futileBound = 0;
    const bool futile = !captures && futileNode(ply, draft, alpha, beta, true, futileBound);
    if (futile) best = futileBound;

    for (int i = 0; i < n; ++i) {
        const MoveRecord& m = list[i];
        if (futile && i >= 1 && !manMovesDeep(pos.board, m, rootSide)) continue;
        if (ply == 1 && !state->stopRequested) {
            reportRootLine(i, m, previousRootScore, true);
            const int key = m.key;
            if (key > -kWinScore && key < kWinScore && best >= -kWinScore && best <= kWinScore) {
                pos.rootReduction = key >= best - 200 ? 0 : -1;
                if (best > rootEvaluation + 150 && best > lastCompletedScore + 150 && best >= 201)
                    pos.rootReduction = -2;
            }
        }
        if (state->stopRequested) return state->abortSearch ? 0 : evaluate(ply, alpha, beta);

        pos.quietPlyCount = m.isCapture() ? 0 : static_cast<std::uint8_t>(pos.quietPlyCount + 1);
        pos.promotionExtension = pos.promotionExtension == 2 ? 1 : 0;
        advancedMax = (manMovesDeep(pos.board, m, rootSide) && gamePhase != 0) ? 1 : 0;
        prefetchAfter(list, i + 1);
        if (ply == 1) rootMovePiece = pos.board[m.from];
        const bool promoting = promotes(pos.board[m.from], m.to);
        makeSearchMove(m, ply);
        const bool repeats = ply == 1 && repeatsAtRoot(m, pos.board);

        const Prune prune = pruneDecision(*this, true, ply);
        if (prune != Prune::None) {
            const int e = evaluate(ply, alpha, beta);
            if (prune == Prune::EndNode) return e;
            if (i == n - 1) return std::max(best, e);
            best = std::max(best, e);
            pos = frame;
            continue;
        }

        const int opponentPieces = rootSide == White ? pos.counts.black() : pos.counts.white();
        if (opponentPieces == 0) {
            if (ply == 1) storePrincipalVariation(m, ply);
            return kWinScore - ply;
        }

        int score;
        if (state->analysisMode && ply == 1 && gamePly < analysisEndPly && m.from == playedFrom
            && m.to == playedTo) {
            score = previousScoreNegated;
        } else if (i == 0) {
            score = minNode(alpha, beta, ply + 1);
        } else {
            // A late quiet move is first searched shallower; only a move that
            // then beats alpha is searched again at the full depth.
            const NodeFrame child = pos;
            score = alpha + 1;
            if (const int r = lateMoveReduction(i, draft, captures,
                                                ply == 1 || promoting || advancedMax != 0)) {
                pos.rootReduction -= r;
                score = minNode(alpha, alpha + 1, ply + 1);
                pos = child;
            }
            if (score > alpha) {
                score = minNode(alpha, alpha + 1, ply + 1);
                if (alpha < score && score < beta && score > -kProvenScore
                    && score < kProvenScore) {
                    pos = child;
                    score = minNode(score - 1, beta, ply + 1);
                }
            }
        }
        pvPath = false;

        if (ply == 1) {
            if (repeats && std::abs(score) < kDecidedScore) score = 0;
            rootScores[i].score = score > best ? score + 2 * i + 200
                : score == best                ? score - 200
                                               : score - 300;
        }
        pos = frame;

        const bool stopping = state->stopRequested;
        if (score > best && !stopping) {
            best = score;
            bestFrom = m.from, bestTo = m.to;
            storePrincipalVariation(m, ply);
            if (ply == 1) {
                bestRootMove = iterationBestRootMove = i;
                for (int c = 0; c + 1 < m.n; ++c) pv[1][1].captured[c] = m.captured[c];
            }
        }
        if (ply == 1 && !stopping) {
            reportRootLine(i, m, score, false);
            previousRootScore = score;
            if (!state->unlimitedTime)
                reportInfo(best, i == n - 1 ? iterationDepth + 1 : iterationDepth);
        }
        if (score > alpha) {
            if (ply == 1) bestRootMove = i;
            if (score >= beta && !stopping && score >= -29999) {
                if (n >= 2 && !captures) storeKiller(m, ply, score), rewardHistory(list, i, ply);
                if (ply != 1 && ply - depthOffset < kMaxNodeTableLimit && ply > 3)
                    tt.store(
                        pos.keys.index, pos.keys.check, score, ply,
                        s + (score > kDecidedScore ? EntryType::MaxDecided : EntryType::MaxLower),
                        m.from, m.to, gamePly, horizon(ply), pieceCount());
                return score;
            }
            alpha = score;
            if (n > 1) storeRefutation(m, ply);
        }
        pv[ply + 1][ply + 1].from = 0;
    }

    if (ply - depthOffset >= kMaxNodeTableLimit || ply < 4 || state->stopRequested) return best;
    if (ply >= extensionCount[ply] + iterationDepth + pos.rootReduction || ply >= beta) return best;
    int type;
    if (best > alpha0) type = best > kDecidedScore ? EntryType::MaxDecided : EntryType::MaxExact;
    else type = best < -kDecidedScore ? EntryType::MaxDecided : EntryType::MaxUpper;
    tt.store(pos.keys.index, pos.keys.check, best, ply, s + type, bestFrom, bestTo, gamePly,
             horizon(ply), pieceCount());
    return best;
}

int Searcher::minNode(int alpha, int beta, int ply)
{
    int best = kWinScore;
    const int beta0 = beta;
    ++nodes;
    if (repeatsEarlierPosition(ply)) return 0;

    if (auto v = knowledgeScore(ply, false)) return *v;

    const int s = rootSide;
    if (auto v = probeTable(ply, 2, kMinNodeTableLimit, useAtMinNode, alpha, beta)) return *v;

    {
        const std::uint32_t index = pos.learnedIndex + (rootSide == Black ? 1 : 0);
        if (auto v = knowledge->learned(index, pos.keys.check); v && *v != 0) return -*v;
    }

    if (ply >= 33) return evaluate(ply, alpha, beta);
    // Beyond the horizon only a pending capture keeps the node open.
    const bool beyondHorizon
        = ply - extensionCount[ply] - pos.rootReduction - pos.promotionExtension > iterationDepth;
    if (beyondHorizon && !hasCapture(pos.board, pos.counts, opponentSide))
        return evaluate(ply, alpha, beta);
    const OrderingContext ordering = orderingFor(ply);
    const int n = gen.generate(pos.board, opponentSide, ply, &ordering);
    MoveList& list = gen.list(ply);
    const bool captures = gen.captureCount() != 0;

    if (!captures && beyondHorizon) return evaluate(ply, alpha, beta);
    if (n == 0) return kWinScore - ply;

    extensionCount[ply + 1] = static_cast<std::uint8_t>(extensionCount[ply] + (captures ? 1 : 0));
    const NodeFrame frame = pos;
    const int draft = horizon(ply) - ply; // plies left before this node's horizon
    Square bestFrom = 0, bestTo = 0;
    int futileBound = 0;
    const bool futile = !captures && futileNode(ply, draft, alpha, beta, false, futileBound);
    if (futile) best = futileBound;

    for (int i = 0; i < n; ++i) {
        const MoveRecord& m = list[i];
        if (futile && i >= 1 && !manMovesDeep(pos.board, m, opponentSide)) continue;
        if (state->stopRequested) return state->abortSearch ? 0 : evaluate(ply, alpha, beta);

        pos.quietPlyCount = m.isCapture() ? 0 : static_cast<std::uint8_t>(pos.quietPlyCount + 1);
        pos.promotionExtension = pos.promotionExtension == 2 ? 1 : 0;
        advancedMin = (manMovesDeep(pos.board, m, opponentSide) && gamePhase != 0) ? 1 : 0;
        prefetchAfter(list, i + 1);
        const bool promoting = promotes(pos.board[m.from], m.to);
        makeSearchMove(m, ply);

        const Prune prune = pruneDecision(*this, false, ply);
        if (prune != Prune::None) {
            const int e = evaluate(ply, alpha, beta);
            if (prune == Prune::EndNode) return e;
            if (i == n - 1) return std::min(best, e);
            best = std::min(best, e);
            pos = frame;
            continue;
        }

        const int rootPieces = rootSide == White ? pos.counts.white() : pos.counts.black();
        if (rootPieces == 0) return ply - kWinScore;

        int score;
        if (i == 0) {
            score = maxNode(alpha, beta, ply + 1);
        } else {
            const NodeFrame child = pos; // late moves as in maxNode
            score = beta - 1;
            if (const int r
                = lateMoveReduction(i, draft, captures, promoting || advancedMin != 0)) {
                pos.rootReduction -= r;
                score = maxNode(beta - 1, beta, ply + 1);
                pos = child;
            }
            if (score < beta) {
                score = maxNode(beta - 1, beta, ply + 1);
                if (alpha < score && score < beta && score > -kProvenScore
                    && score < kProvenScore) {
                    pos = child;
                    score = maxNode(alpha, score + 1, ply + 1);
                }
            }
        }
        pvPath = false;
        pos = frame;

        const bool stopping = state->stopRequested;
        if (score < best) {
            best = score;
            bestFrom = m.from, bestTo = m.to;
            storePrincipalVariation(m, ply);
        }
        if (score < beta) {
            beta = score;
            if (score <= alpha && score < kDecidedScore && !stopping) {
                if (n >= 2 && !captures) storeKiller(m, ply, score), rewardHistory(list, i, ply);
                if (ply - depthOffset < kMinNodeTableLimit && ply >= 4)
                    tt.store(
                        pos.keys.index, pos.keys.check, score, ply,
                        s + (score < -kDecidedScore ? EntryType::MinDecided : EntryType::MinUpper),
                        m.from, m.to, gamePly, horizon(ply), pieceCount());
                return score;
            }
            if (n > 1) storeRefutation(m, ply);
        }
        pv[ply + 1][ply + 1].from = 0;
    }

    if (ply - depthOffset >= kMinNodeTableLimit || ply < 3 || state->stopRequested) return best;
    if (ply >= extensionCount[ply] + iterationDepth + pos.rootReduction || alpha >= ply)
        return best;
    int type;
    if (best < beta0) type = best < -kDecidedScore ? EntryType::MinDecided : EntryType::MinExact;
    else type = best > kDecidedScore ? EntryType::MinDecided : EntryType::MinLower;
    tt.store(pos.keys.index, pos.keys.check, best, ply, s + type, bestFrom, bestTo, gamePly,
             horizon(ply), pieceCount());
    return best;
}

} // namespace kv
