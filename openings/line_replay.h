// Playing the moves of an opening line on a board: the command-line tool, the
// book builder and the tests follow lines from the initial position.
#pragma once

#include "rules/board.h"
#include "rules/move.h"

#include <optional>
#include <string_view>
#include <vector>

namespace kv {

// The legal move of `side` going from `m.from` to `m.to`, if there is one (the
// first in generation order when two captures share both squares).
std::optional<MoveRecord> legalMove(const Board& board, SideToMove side, BookMove m);

// Plays `moves` from `board` with `side` to move; stops before the first move
// that is not legal. Returns how many moves were played.
std::size_t replayMoves(const std::vector<BookMove>& moves, Board& board, SideToMove& side);

// The moves of a line in internal squares; nothing when a field gives no
// square. Moves may be separated by any run of spaces.
std::optional<std::vector<BookMove>> parseMoveText(std::string_view text);

} // namespace kv
