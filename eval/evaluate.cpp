// The evaluation of a node: material with a king value that grows as the
// board empties, the square tables kept incrementally by the search, the
// clamped positional terms and the knowledge terms, then the corrections of
// a few special and drawish endings.
#include "evaluate.h"

#include "knowledge.h"
#include "tables.h"

#include "eval/score_scale.h"
#include "rules/geometry.h"

#include <algorithm>
#include <cstdlib>

namespace kv {

using namespace evaltables;

namespace {
// The special endings change only scores inside this bound: beyond it the
// evaluation already sees the game as won.
constexpr int kSpecialEndingBound = 15000;
// Told apart from white to move in the cache's keys.
constexpr std::uint64_t kBlackToMoveKey = 0x9E3779B97F4A7C15u;
} // namespace

Evaluator::Evaluator(const ParameterSet& params) : params_(params) { buildPieceTerms(); }

void Evaluator::setParameters(const ParameterSet& params) { params_ = params; }

int Evaluator::kingValue(int pieces, int kings) const
{
    int k = pieces > params_.threshold(0) ? 260
        : pieces > params_.threshold(1)   ? 290
        : pieces > params_.threshold(2)   ? 310
                                          : 330;
    k *= 2;
    // A lone king has the whole board to itself: worth a little more.
    if (kings == 1) k += 30;
    return k;
}

int Evaluator::tempoWeight(int men) const
{
    int opening = TempoOpening, middle = TempoMiddle;
    if (variant1_) {
        opening = TempoOpeningVariant1;
        middle = TempoMiddleVariant1;
    } else if (variant2_) {
        opening = TempoOpeningVariant2;
        middle = TempoMiddleVariant2;
    }
    const int id = men > params_.threshold(0) ? opening
        : men > params_.threshold(1)          ? middle
        : men > params_.threshold(2)          ? TempoPreEndgame
                                              : TempoEndgame;
    return params_.tempoWeight(id);
}

CostlyTerms Evaluator::costlyTerms(const Board& b, const PieceCounts& c, bool whiteToMove,
                                   int* formations, int* manStructure) const
{
    // The board's masks, made once for all of them.
    const knowledge::BothViews views(b, c);
    CostlyTerms t;
    t.runaway = static_cast<std::int16_t>(knowledge::runawayMen(views, whiteToMove));
    if (c[WhiteKing] == 0 && c[BlackKing] == 0)
        t.breakthrough = static_cast<std::int16_t>(knowledge::breakthrough(views, whiteToMove));
    if (t.breakthrough == 0) {
        const int f = gamePhase_ < 3 ? knowledge::formations(views, whiteToMove, gamePhase_) : 0;
        const int m
            = t.runaway > -9 && t.runaway < 9 ? knowledge::manStructure(views, gamePhase_) : 0;
        t.structure = static_cast<std::int16_t>(f + m);
        if (formations) *formations = f;
        if (manStructure) *manStructure = m;
    }
    if (patterns_)
        t.learned = foldedPatternValue(*patterns_, patternEntries(views.whiteMen, views.blackMen),
                                       c[WhiteMan] + c[BlackMan]);
    return t;
}

template <bool Traced>
int Evaluator::evaluateImpl(const EvalNode& node, SideToMove e, int alpha, int beta,
                            EvalTrace* trace) const
{
    const Board& b = node.board;
    const PieceCounts& c = node.counts;
    const EvalSums& sums = node.sums;
    const int wm = c[WhiteMan], wk = c[WhiteKing], bm = c[BlackMan], bk = c[BlackKing];
    const int pieces = wm + wk + bm + bk;
    const int men = wm + bm;
    const int p = node.ply;
    const bool oddPly = p % 2 == 1;
    const bool whiteToMove = oddPly == (e == White);
    const int sign = e == White ? 1 : -1;
    const int t0 = params_.threshold(0), t2 = params_.threshold(2);

    // 1-2. Material.
    const int k = kingValue(pieces, wk + bk);
    const int material = static_cast<std::int16_t>(sign * ((wm - bm) * kManValue + (wk - bk) * k));
    if constexpr (Traced) {
        trace->kingValue = k;
        trace->material = material;
    }

    // 3. Lazy exit: far outside the window, the material says enough.
    if ((oddPly && material <= alpha - kLazyMargin)
        || (!oddPly && material >= beta + kLazyMargin)) {
        if constexpr (Traced) {
            trace->lazyExit = true;
            trace->total = material;
        }
        return material;
    }

    std::int32_t s = 0;

    // 4. Kings on the long diagonal, when both sides have kings and few men.
    if (wk >= 1 && bk >= 1 && wm < 5 && bm < 5) {
        const std::uint8_t ownKing = e == White ? WhiteKing : BlackKing;
        const std::uint8_t oppKing = e == White ? BlackKing : WhiteKing;
        bool own = false, opp = false;
        for (int sq : LongDiagonal) {
            own |= b[sq] == ownKing;
            opp |= b[sq] == oppKing;
        }
        s += (own ? 50 : 0) - (opp ? 50 : 0);
        if constexpr (Traced) trace->longDiagonal = s;
    }

    // 5, 10, 11 and the learned patterns: the costly terms, from the cache
    // when this board was met before with the same side to move.
    CostlyTerms costly;
    const std::uint64_t key = node.key ^ (whiteToMove ? 0 : kBlackToMoveKey);
    if (const CostlyTerms* seen = !Traced && node.cache ? node.cache->find(key) : nullptr) {
        costly = *seen;
    } else {
        int f = 0, m = 0;
        costly = costlyTerms(b, c, whiteToMove, &f, &m);
        if (node.cache) node.cache->store(key, costly);
        if constexpr (Traced) {
            trace->formations = sign * f;
            trace->manStructure = sign * m;
        }
    }

    // 5. Runaway men, kept outside the positional clamps.
    const int runaway = sign * costly.runaway;

    // 6-7. Square tables and tempo.
    s += sums.positional;
    const int tempo = (tempoWeight(men) + 5) * sums.advance;
    s += tempo;
    if constexpr (Traced) {
        trace->runawayMen = runaway;
        trace->positional = sums.positional;
        trace->tempo = tempo;
    }

    // 8. Centre columns and the balance of the own half, while the board is full.
    if (pieces > t2) {
        const int centre = 15 * (sums.centreOwn - sums.centreOpp)
            + 8
                * (std::abs(sums.zoneOpp[1] - sums.zoneOpp[2])
                   - std::abs(sums.zoneOwn[1] - sums.zoneOwn[2]));
        s += centre;
        s = std::clamp(s, -kEarlyPositionalBound, kEarlyPositionalBound);
        if constexpr (Traced) trace->centreZones = centre;
    }
    if constexpr (Traced) trace->positionalEarly = s;

    // 9. Opening: a wing left thinner than the opponent's attack on it.
    if (pieces > t0) {
        const int d1 = sums.zoneOwn[1] - sums.zoneOpp[4];
        const int d2 = sums.zoneOwn[2] - sums.zoneOpp[3];
        const int d3 = sums.zoneOwn[4] - sums.zoneOpp[1];
        const int d4 = sums.zoneOwn[3] - sums.zoneOpp[2];
        const int zones
            = 15 * (std::min(d1, 0) + std::min(d2, 0) + std::max(d3, 0) + std::max(d4, 0));
        s += zones;
        if constexpr (Traced) trace->openingZones = zones;
    }

    // 10-11. Breakthroughs without kings; the slower structure terms only
    // when no breakthrough decides.
    const int breakthrough = sign * costly.breakthrough;
    s += sign * costly.structure;
    if constexpr (Traced) trace->breakthrough = breakthrough;

    // 12. The piece just moved stands next to an enemy piece of its kind with
    // an empty square behind it.
    if (p > 2) {
        const int d = node.lastMoveSquare;
        for (int dir = 0; dir < kDirections; ++dir) {
            const int behind = DirectionTable[dir][d];
            const int front = DirectionTable[opposite(dir)][d];
            // The square in front must hold a piece: a king with empty squares
            // on both sides differs from "empty" by 2 as well, yet nothing
            // attacks it. The three tests are combined with & (all are cheap
            // reads) so that one branch, rarely taken, decides.
            const int open = b[behind] == Empty, faced = b[front] != Empty,
                      sameKind = std::abs(b[d] - b[front]) == 2;
            if (open & faced & sameKind) {
                const int enPrise = p % 2 == 0 ? 100 : -100;
                s += enPrise;
                if constexpr (Traced) trace->lastMoveEnPrise = enPrise;
                break;
            }
        }
    }

    // 13-14. The positional part stays within its bound.
    s = std::clamp(s, -kPositionalBound, kPositionalBound);
    int total = s + runaway + breakthrough;
    if constexpr (Traced) trace->positionalClamped = s;

    // The learned patterns, fitted to the evaluation as it stands above.
    const int learned = sign * costly.learned;
    total += learned;
    if constexpr (Traced) trace->patterns = learned;

    // 15. In the ending, prefer searching lines that start with a man move.
    if (gamePhase_ == 3 && isMan(node.rootMovePiece)) {
        const int bonus = (node.rootMovePiece == WhiteMan) == (e == White) ? 30 : -30;
        total += bonus;
        if constexpr (Traced) trace->endgameMenBonus = bonus;
    }

    // 16. Material.
    total += material;

    // 17. Special endings, the first that applies.
    const int beforeSpecial = total;
    auto tripleKings = [&](SideToMove strong) {
        const int x = knowledge::tripleKingBlock(b, strong);
        if (x <= 0) return;
        if (e == strong) {
            if (total + x < kSpecialEndingBound) total += x;
        } else if (total - x > -kSpecialEndingBound) {
            total -= x;
        }
    };
    // Two defending kings sheltering in the double corners: one on 1 or 28
    // and the other on 5 or 32. Kings on 1 and 28, or on 5 and 32, do not
    // count.
    auto inDoubleCorners = [&](std::uint8_t king) {
        int first = 0, second = 0;
        for (int sq = 1; sq <= 32; ++sq)
            if (b[sq] == king) (first == 0 ? first : second) = sq;
        constexpr int pairs[4][2] = { { 1, 5 }, { 1, 32 }, { 5, 28 }, { 28, 32 } };
        for (const auto& pr : pairs)
            if (first == pr[0] && second == pr[1]) return true;
        return false;
    };
    // Each of them has five or six pieces on the board.
    if (pieces > 6) {
        // None applies.
    } else if (wm == 0 && wk == 3 && bm == 1 && bk == 1) {
        tripleKings(White);
    } else if (bm == 0 && bk == 3 && wm == 1 && wk == 1) {
        tripleKings(Black);
    } else if (men == 0 && wk == 4 && bk == 2 && std::abs(total) < kSpecialEndingBound) {
        if (inDoubleCorners(BlackKing)) total /= 2;
    } else if (men == 0 && wk == 2 && bk == 4 && std::abs(total) < kSpecialEndingBound) {
        if (inDoubleCorners(WhiteKing)) total /= 2;
    }
    if constexpr (Traced) trace->specialEndings = total - beforeSpecial;

    // 18. Few pieces, men and two kings on each side: hard to win.
    const int beforeDrawish = total;
    if (pieces <= 7 && wk >= 2 && bk >= 2 && wm >= 1 && bm >= 1 && std::abs(total) < kProvenScore)
        total /= 4;
    if constexpr (Traced) {
        trace->drawish = total - beforeDrawish;
        trace->total = static_cast<std::int16_t>(total);
    }
    return static_cast<std::int16_t>(total);
}

int Evaluator::evaluate(const EvalNode& node, SideToMove e, int alpha, int beta) const
{
    return evaluateImpl<false>(node, e, alpha, beta, nullptr);
}

int Evaluator::evaluate(const EvalNode& node, SideToMove e, int alpha, int beta,
                        EvalTrace& trace) const
{
    trace = EvalTrace {};
    return evaluateImpl<true>(node, e, alpha, beta, &trace);
}

int Evaluator::staticEvaluation(const Board& b, SideToMove e)
{
    // No search path: at ply 2 the last-move test is not made, and with no
    // root move the ending's bonus for a man's move is left out.
    const PieceCounts c = PieceCounts::of(b);
    const EvalSums s = prepareSums(b, c, e);
    return evaluate(EvalNode { b, c, 2, 0, 0, s }, e, -kWinScore, kWinScore);
}

int Evaluator::evaluationForSearchFrom(const Board& b, SideToMove e) const
{
    Evaluator prepared = *this;
    prepared.preparePhase(b, PieceCounts::of(b));
    return prepared.staticEvaluation(b, e);
}

} // namespace kv
