// The incremental sums of the evaluation: computed from scratch at the root,
// and updated move by move exactly as the search does while it plays.
#include "evaluate.h"

#include "tables.h"

namespace kv {

using namespace evaltables;

namespace {

// Adds (sign +1) or removes (sign -1) the terms of one piece.
struct SumUpdater {
    EvalSums& sums;
    const std::array<std::uint8_t, 33>& manTable;
    const std::array<std::uint8_t, 33>& kingTable;
    SideToMove e;

    void piece(std::uint8_t code, int s, int sign) const
    {
        const bool own = isWhite(code) == (e == White);
        const int side = own ? sign : -sign;
        if (isKing(code)) {
            sums.positional += side * kingTable[s];
            return;
        }
        const int v = ownView(code, s);
        sums.positional += side * manTable[v];
        sums.advance += side * AdvanceTable[v];
        auto& zones = own ? sums.zoneOwn : sums.zoneOpp;
        auto& centre = own ? sums.centreOwn : sums.centreOpp;
        zones[ZoneTable[v]] = static_cast<std::int8_t>(zones[ZoneTable[v]] + sign);
        centre = static_cast<std::int8_t>(centre + sign * CentreTable[v]);
    }
};

} // namespace

EvalSums Evaluator::computeSums(const Board& b, SideToMove e) const
{
    EvalSums sums;
    const SumUpdater add { sums, manTable_, kingTable_, e };
    for (int s = 1; s <= 32; ++s)
        if (b[s] >= WhiteMan && b[s] <= BlackKing) add.piece(b[s], s, +1);
    return sums;
}

void Evaluator::buildPieceTerms()
{
    // The same terms SumUpdater adds, laid out per root side, code and square.
    for (SideToMove e : { White, Black }) {
        for (std::uint8_t code = WhiteMan; code <= BlackKing; ++code) {
            const bool own = isWhite(code) == (e == White);
            const int ownSign = own ? 1 : -1;
            for (int s = 1; s <= 32; ++s) {
                PieceTerms t;
                t.own = own;
                if (isKing(code)) {
                    t.positional = static_cast<std::int16_t>(ownSign * kingTable_[s]);
                } else {
                    const int v = ownView(code, s);
                    t.positional = static_cast<std::int16_t>(ownSign * manTable_[v]);
                    t.advance = static_cast<std::int8_t>(ownSign * AdvanceTable[v]);
                    t.zone = static_cast<std::uint8_t>(ZoneTable[v]);
                    t.zoneStep = 1;
                    t.centre = CentreTable[v];
                }
                pieceTerms_[e][code][s] = t;
            }
        }
    }
}

namespace {

// Adds (sign +1) or removes (sign -1) one piece's prepared terms. A king's
// zone step and centre weight are 0, so the same straight-line code serves
// men and kings alike.
template <class Terms> void addTerms(EvalSums& sums, const Terms& t, int sign)
{
    sums.positional += sign * t.positional;
    sums.advance += sign * t.advance;
    auto& zones = t.own ? sums.zoneOwn : sums.zoneOpp;
    auto& centre = t.own ? sums.centreOwn : sums.centreOpp;
    zones[t.zone] = static_cast<std::int8_t>(zones[t.zone] + sign * t.zoneStep);
    centre = static_cast<std::int8_t>(centre + sign * t.centre);
}

} // namespace

void Evaluator::updateSums(EvalSums& sums, const Board& before, const MoveRecord& m,
                           SideToMove e) const
{
    // computeSums keeps the plain per-piece arithmetic as the reference the
    // tests check this table-driven update against.
    const PieceTermTable& terms = pieceTerms_[e];
    const std::uint8_t mover = before[m.from];
    addTerms(sums, terms[mover][m.from], -1);
    for (int i = 0; i < m.n; ++i) addTerms(sums, terms[before[m.captured[i]]][m.captured[i]], -1);
    // A crowned man leaves the men tables and enters the king table.
    const std::uint8_t arrived = promotes(mover, m.to) ? mover + 1 : mover;
    addTerms(sums, terms[arrived][m.to], +1);
}

} // namespace kv
