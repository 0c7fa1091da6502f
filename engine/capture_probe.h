// A quick answer to "must this side capture?", without building the list.
// The search asks it at nodes beyond the horizon, which are leaves unless a
// capture is pending: most of them are, and they need no move list at all.
#pragma once

#include "rules/board.h"
#include "rules/geometry.h"

namespace kv {

namespace detail {
// JumpTable[d][s]: the square two diagonal steps from s in direction d, or 0.
inline constexpr std::array<std::array<Square, 33>, 4> JumpTable = [] {
    std::array<std::array<Square, 33>, 4> t {};
    for (int d = 0; d < kDirections; ++d)
        for (int s = 1; s <= kSquares; ++s) t[d][s] = DirectionTable[d][DirectionTable[d][s]];
    return t;
}();

template <SideToMove Side> bool hasCapture(const Board& b, int pieces)
{
    constexpr std::uint8_t ownMan = Side == White ? WhiteMan : BlackMan;
    constexpr std::uint8_t ownKing = ownMan + 1;
    constexpr std::uint8_t enemyMan = Side == White ? BlackMan : WhiteMan;
    constexpr std::uint8_t enemyKing = enemyMan + 1;
    constexpr int forward = Side == White ? 0 : 2; // men take forwards only
    const auto enemy = [](std::uint8_t c) { return c == enemyMan || c == enemyKing; };
    // White's men start on the high squares and black's on the low ones: each
    // side is scanned from its own back rows, and the scan ends with its last piece.
    constexpr int first = Side == White ? kSquares : 1;
    constexpr int step = Side == White ? -1 : 1;
    for (int s = first; pieces > 0 && s >= 1 && s <= kSquares; s += step) {
        const std::uint8_t code = b[s];
        if (code == ownMan) {
            --pieces;
            if (enemy(b[DirectionTable[forward][s]]) && b[JumpTable[forward][s]] == Empty) return true;
            if (enemy(b[DirectionTable[forward + 1][s]]) && b[JumpTable[forward + 1][s]] == Empty) return true;
        } else if (code == ownKing) {
            --pieces;
            for (int dir = 0; dir < kDirections; ++dir) {
                Square t = DirectionTable[dir][s];
                while (b[t] == Empty) t = DirectionTable[dir][t];
                if (enemy(b[t]) && b[DirectionTable[dir][t]] == Empty) return true;
            }
        }
    }
    return false;
}
} // namespace detail

// `counts` must be those of the board.
inline bool hasCapture(const Board& b, const PieceCounts& counts, SideToMove side)
{
    return side == White ? detail::hasCapture<White>(b, counts.white())
                         : detail::hasCapture<Black>(b, counts.black());
}

} // namespace kv
