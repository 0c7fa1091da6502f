// The fixed geometry of the 32 squares: neighbours, scan order and the labels
// under which squares are shown. These are the only namespace-scope tables of
// the core, and they are constant.
//
// Internal square s lies in row r = (s - 1) / 4 counted from the top of the
// picture and column 6 - 2k + (r mod 2) with k = (s - 1) mod 4. The user sees
// it under the number 4 (7 - r) + k + 1: 1 at the bottom right, 32 at the top
// left. Every conversion between the two goes through this file.
#pragma once

#include "board.h"

#include <array>
#include <string_view>

namespace kv {

// Direction 0 up-right, 1 up-left, 2 down-right, 3 down-left as drawn; d and
// 3 - d are opposite. White men use 0 and 1, black men 2 and 3.
constexpr int kDirections = 4;
constexpr int opposite(int d) { return 3 - d; }

namespace detail {
constexpr int rowOf(int s) { return (s - 1) / 4; }
constexpr int columnOf(int s) { return 6 - 2 * ((s - 1) % 4) + (rowOf(s) % 2); }
constexpr int squareAt(int row, int column)
{
    if (row < 0 || row > 7 || column < 0 || column > 7 || (row + column) % 2 != 0) return 0;
    return row * 4 + (6 + (row % 2) - column) / 2 + 1;
}
constexpr std::array<std::array<Square, 33>, 4> makeDirections()
{
    constexpr int dr[4] = { -1, -1, +1, +1 };
    constexpr int dc[4] = { +1, -1, +1, -1 };
    std::array<std::array<Square, 33>, 4> t {};
    for (int d = 0; d < 4; ++d)
        for (int s = 1; s <= 32; ++s)
            t[d][s] = static_cast<Square>(squareAt(rowOf(s) + dr[d], columnOf(s) + dc[d]));
    return t;
}
} // namespace detail

// DirectionTable[d][s]: the square one diagonal step from s in direction d, or 0.
inline constexpr std::array<std::array<Square, 33>, 4> DirectionTable = detail::makeDirections();

// Entries 1..32 hold 32 down to 1: white scans it forwards, black backwards.
inline constexpr std::array<std::uint16_t, 33> ScanOrder = [] {
    std::array<std::uint16_t, 33> t {};
    for (int i = 1; i <= 32; ++i) t[i] = static_cast<std::uint16_t>(33 - i);
    return t;
}();

constexpr int rowOf(Square s) { return detail::rowOf(s); }
constexpr int columnOf(Square s) { return detail::columnOf(s); }

// User-visible number 1..32 of an internal square, and back.
constexpr int userNumber(Square s) { return 4 * (7 - rowOf(s)) + (s - 1) % 4 + 1; }
constexpr Square internalSquare(int user)
{
    return static_cast<Square>(4 * (7 - (user - 1) / 4) + (user - 1) % 4 + 1);
}

// SquareLabels[s]: two digits with a leading zero; entry 0 is "00".
inline constexpr std::array<std::array<char, 3>, 33> SquareLabels = [] {
    std::array<std::array<char, 3>, 33> t {};
    t[0] = { '0', '0', 0 };
    for (int s = 1; s <= 32; ++s) {
        const int u = userNumber(static_cast<Square>(s));
        t[s] = { static_cast<char>('0' + u / 10), static_cast<char>('0' + u % 10), 0 };
    }
    return t;
}();

inline std::string_view label(Square s) { return { SquareLabels[s].data(), 2 }; }

// The square a piece of the other colour sees as its own s (board turned half a circle).
constexpr Square mirror(Square s) { return s == 0 ? 0 : static_cast<Square>(33 - s); }

} // namespace kv
