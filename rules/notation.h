// Positions and moves as text, in the user-visible square numbers:
// PDN FEN ("W:W9,10,K28:B20,22,K5", kings prefixed by K, white starting on
// 1..12) and moves as "22-18" or "26x17 captures 22".
#pragma once

#include "board.h"
#include "move.h"

#include <optional>
#include <string>
#include <string_view>

namespace kv {

struct Position {
    Board board;
    SideToMove side = White;
};

Position initialPosition();

// Parses a FEN, or "start" for the initial position. On failure returns
// nothing and puts a one-line reason into `error`.
std::optional<Position> parseFen(std::string_view text, std::string* error = nullptr);
std::string formatFen(const Position& p);

// "from-to", or "fromxto captures c1,c2" with the taken squares in jump order.
std::string moveText(const MoveRecord& m);

} // namespace kv
