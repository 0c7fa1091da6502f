// A quick answer to "must this side capture?", without building the list.
// The search asks it at nodes beyond the horizon, which are leaves unless a
// capture is pending: most of them are, and they need no move list at all.
#pragma once

#include "rules/board.h"
#include "rules/geometry.h"
#include "rules/square_masks.h"

#include <bit>

namespace kv {

namespace detail {
// JumpTable[d][s]: the square two diagonal steps from s in direction d, or 0.
inline constexpr std::array<std::array<Square, 33>, 4> JumpTable = [] {
    std::array<std::array<Square, 33>, 4> t {};
    for (int d = 0; d < kDirections; ++d)
        for (int s = 1; s <= kSquares; ++s) t[d][s] = DirectionTable[d][DirectionTable[d][s]];
    return t;
}();

template <SideToMove Side> bool hasCapture(const Board& b, int /*pieces*/)
{
    constexpr bool black = Side == Black;
    constexpr std::uint8_t enemyMan = black ? WhiteMan : BlackMan;
    constexpr std::uint8_t enemyKing = enemyMan + 1;
    const auto enemyCode = [](std::uint8_t c) { return c == enemyMan || c == enemyKing; };
    const SquareMasks m = squareMasks(b);
    const std::uint32_t enemy = black ? m.white() : m.black();
    // Men: every forward jump of every man at once.
    if (masks::manJumpers<black>(black ? m.blackMen : m.whiteMen, enemy, m.empty)) return true;
    // Kings fly to the first piece of each diagonal.
    for (std::uint32_t kings = black ? m.blackKings : m.whiteKings; kings; kings &= kings - 1) {
        const Square s = static_cast<Square>(std::countr_zero(kings) + 1);
        for (int dir = 0; dir < kDirections; ++dir) {
            Square t = DirectionTable[dir][s];
            while (b[t] == Empty) t = DirectionTable[dir][t];
            if (enemyCode(b[t]) && b[DirectionTable[dir][t]] == Empty) return true;
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
