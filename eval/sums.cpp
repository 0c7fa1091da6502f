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

void Evaluator::updateSums(EvalSums& sums, const Board& before, const MoveRecord& m, SideToMove e) const
{
    const SumUpdater u { sums, manTable_, kingTable_, e };
    const std::uint8_t mover = before[m.from];
    u.piece(mover, m.from, -1);
    for (int i = 0; i < m.n; ++i) u.piece(before[m.captured[i]], m.captured[i], -1);
    // A crowned man leaves the men tables and enters the king table.
    u.piece(promotes(mover, m.to) ? mover + 1 : mover, m.to, +1);
}

} // namespace kv
