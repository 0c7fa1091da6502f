// Positions and moves as text, in the user-visible square numbers:
// PDN FEN ("W:W9,10,K28:B20,22,K5", kings prefixed by K, white starting on
// 1..12) and moves as "22-18" or "26x17 captures 22".
#pragma once

#include "board.h"
#include "move.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The legal move of `side` named by a short text: "22-18", "26x17", or a
// capture with its landing squares "26x17x10" when several captures share
// origin and destination. Nothing, with a reason, when none or several fit.
std::optional<MoveRecord> parseMove(const Board& b, SideToMove side, std::string_view text,
                                    std::string* error = nullptr);

// The squares a legal move of `side` is written with: its origin and
// destination and, when another legal capture has the same two ends, the
// squares it lands on between them (the only way to tell the two apart).
// The move list, the text and PDN files and the short texts all follow it.
std::vector<Square> writtenSquares(const Board& before, SideToMove side, const MoveRecord& m);

// The short text of a legal move as games are exchanged: "22-18", "26x17",
// with the landing squares only when another capture has the same ends.
std::string shortMoveText(const Board& b, SideToMove side, const MoveRecord& m);

} // namespace kv
