#include "engine/repetition_trail.h"

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
        game_[k - 1] = computeHashKeys(keys, boardOf(before)).both();
        gameCount_ = k;
    }
}

} // namespace kv
