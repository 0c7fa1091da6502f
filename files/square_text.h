// Squares and half-moves as games are written by people and other programs:
// the numbers the board shows ("1".."32", "09") or letter-and-digit labels
// ("B8", "D8", ... "G1"), joined by "-" or "x" into a move or a capture chain.
#pragma once

#include "exchange_game.h"

#include <optional>
#include <string_view>

namespace kv {

// Internal square of a written number 1..32 (one or two digits).
std::optional<Square> numericSquare(std::string_view text);

// Internal square of a letter-and-digit label. Internal squares 1..4 are
// "B8", "D8", "F8", "H8", 5..8 "A7" .. "G7", and so on down to 29..32,
// "A1", "C1", "E1", "G1". Lower-case letters are accepted.
std::optional<Square> alphabeticSquare(std::string_view text);
std::string alphabeticLabel(Square s);

// Reads "22-18", "26x17", "26x17x10", "C3-D4" or "C3-E5-G7". When one square
// of the move is not a number, all are read as letter-and-digit labels; a
// square that is neither gives 0. Nothing when the text has no separator.
std::optional<WrittenMove> parseWrittenMove(std::string_view text);

} // namespace kv
