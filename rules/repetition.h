// Repetition of positions over a game record. A position repeats when the
// same squares hold the same pieces with the same side to move; entries of the
// same parity of ply have the same side to move, whoever started the record.
#pragma once

#include "board.h"
#include "record.h"

namespace kv {

// How many of the entries 0..lastPly show `b` with the side to move of the
// entries whose ply has the parity of `parityPly`.
int occurrences(const GameRecord& record, int lastPly, const Board& b, int parityPly);

// How many times the position of entry `ply` has occurred in entries 0..ply,
// itself included.
int occurrencesOfEntry(const GameRecord& record, int ply);

// The third occurrence of a position with the same side to move draws the game.
constexpr int kRepetitionDrawCount = 3;
inline bool isRepetitionDraw(const GameRecord& record, int ply)
{
    return occurrencesOfEntry(record, ply) >= kRepetitionDrawCount;
}

} // namespace kv
