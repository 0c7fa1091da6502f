#include "training/lessons.h"

#include "engine/scores.h"

#include <algorithm>

namespace kv {

bool mayLearn(const Board& b, int plies)
{
    if (plies <= 20) return false;
    const PieceCounts pc = PieceCounts::of(b);
    const int white = 3 * pc[WhiteMan] + pc[WhiteKing];
    const int black = 3 * pc[BlackMan] + pc[BlackKing];
    return black < white + 3 && white - 3 < black;
}

LessonEntry lessonEntryOf(const HashKeyTables& keys, const GameState& game, int plies, int score)
{
    const RecordEntry& e = game.record[plies];
    const Board b = boardOf(e);
    const PositionKeys k = computeHashKeys(keys, b);
    LessonEntry out;
    out.indexKey = k.index + (isBlack(b[e.to]) ? 1 : 0);
    out.checkKey = k.check;
    out.score = static_cast<std::int16_t>(std::clamp(score, -kWinScore, kWinScore));
    return out;
}

bool learn(LearnedPositions& table, const LessonEntry& e)
{
    return table.store(e.indexKey, e.checkKey, e.score);
}

} // namespace kv
