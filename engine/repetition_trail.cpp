#include "engine/repetition_trail.h"

#include <algorithm>

namespace kv {

void RepetitionTrail::loadGame(const GameRecord* record, int gamePly, const HashKeyTables& keys)
{
    gameCount_ = 0;
    if (!record || gamePly < 1 || gamePly >= kRecordEntries) return;
    const GameRecord& r = *record;
    for (int k = 1; k <= kMaxGameKeys && gamePly - k >= 0; ++k) {
        const RecordEntry& before = r[gamePly - k];
        const RecordEntry& after = r[gamePly - k + 1];
        const bool onBoard = after.from >= 1 && after.from <= kSquares;
        if (!onBoard || after.captured != 0 || !isKing(before.squares[after.from - 1])) return;
        Board b;
        std::copy(before.squares.begin(), before.squares.end(), b.sq.begin() + 1);
        b[0] = OffBoard;
        game_[k - 1] = computeHashKeys(keys, b).both();
        gameCount_ = k;
    }
}

} // namespace kv
