// Squares, moves and FENs as PDN writes them for these rules: numbers 1..32
// (leading zeros allowed) or letters and digits on the board of GameType 28,
// whose playing squares are h1, f1, d1, b1 (1..4), g2 .. a2 (5..8) and so on
// up to g8, e8, c8, a8 (29..32); a move is "9-13" ("h3-g4"), a capture
// "13x22", "13:22" or "13x22x31".
#pragma once

#include "exchange_game.h"

#include <optional>
#include <string>
#include <string_view>

namespace kv {

// Internal square of "h3" (user 9) and the like; nothing for a square that
// is not a playing square of this board.
std::optional<Square> pdnAlphaSquare(std::string_view text);

struct PdnMoveResult {
    std::optional<WrittenMove> move;
    bool otherBoard = false; // a square beyond 32: a game of a bigger board
    std::string error;
};
PdnMoveResult parsePdnMove(std::string_view text);

// "W:W21,22,K30:B1-12" with the side "W", "B" or "?", squares as above,
// ranges of numbers, and fields after the pieces (clocks) left aside.
struct PdnFenResult {
    std::optional<Position> position;
    bool sideUnknown = false;
    bool otherBoard = false;
    std::string error;
};
PdnFenResult parsePdnFen(std::string_view text);

} // namespace kv
