// Lessons: teaching the learned-position table the final position of an
// analysed game. Only long games that end with nearly level material are
// learned, with the score the analysis gave their final position.
#pragma once

#include "engine/hash_keys.h"
#include "eval/learned_positions.h"
#include "rules/game_state.h"

#include <optional>

namespace kv {

// More than 20 plies, and material within three (a man counts 3, a king 1).
bool mayLearn(const Board& finalBoard, int plies);

struct LessonEntry {
    std::uint32_t indexKey = 0; // raised by one when white is to move
    std::uint32_t checkKey = 0;
    std::int16_t score = 0; // from the side to move's view
};

// The entry for the record's final position (entry `plies`); white is to
// move when the last move's destination holds a black piece.
LessonEntry lessonEntryOf(const HashKeyTables& keys, const GameState& game, int plies, int score);

// Stores the entry unless its slot holds a decided score; true when stored.
bool learn(LearnedPositions& table, const LessonEntry& e);

} // namespace kv
