// The constant square tables of the evaluation. Men tables are indexed by the
// own-view square (s for a black man, 33 - s for a white man), the others by
// the real square; entry 0 is not a square and holds 0.
#pragma once

#include "rules/board.h"

#include <array>
#include <cstdint>

namespace kv::evaltables {

using Table = std::array<std::int8_t, 33>;

// Own-view square of a man of `code` standing on s.
constexpr int ownView(std::uint8_t code, int s) { return code == WhiteMan ? 33 - s : s; }

// Rows a man has advanced from its own back row: 0 on the first, 7 on the last.
inline constexpr Table AdvanceTable = [] {
    Table t {};
    for (int v = 1; v <= 32; ++v) t[v] = static_cast<std::int8_t>((v - 1) / 4);
    return t;
}();

// Zones of the own-view square: 1 and 2 split the own half by columns, 3 and
// 4 the next three rows, 0 is the promotion row.
inline constexpr Table ZoneTable = [] {
    Table t {};
    for (int v = 1; v <= 32; ++v) {
        const bool firstPair = (v - 1) % 4 < 2;
        if (v <= 16) t[v] = firstPair ? 1 : 2;
        else if (v <= 28) t[v] = firstPair ? 3 : 4;
    }
    return t;
}();

// The column weight 0, 2, 3, 5, 5, 3, 2, 0 of a square.
inline constexpr Table CentreTable = [] {
    Table t {};
    constexpr std::int8_t odd[4] = { 2, 5, 3, 0 }, even[4] = { 0, 3, 5, 2 };
    for (int v = 1; v <= 32; ++v)
        t[v] = ((v - 1) / 4) % 2 == 0 ? odd[(v - 1) % 4] : even[(v - 1) % 4];
    return t;
}();

// The squares whose four neighbours are all on the board.
inline constexpr Table InteriorMask = [] {
    Table t {};
    for (int s : { 6, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 22, 23, 24, 25, 26, 27 }) t[s] = 1;
    return t;
}();

// Column 1..8 of a square: 2, 4, 6, 8 on squares 1..4, 1, 3, 5, 7 on 5..8,
// repeating every eight squares.
inline constexpr Table FileTable = [] {
    Table t {};
    for (int s = 1; s <= 32; ++s)
        t[s] = static_cast<std::int8_t>(((s - 1) / 4) % 2 == 0 ? 2 * ((s - 1) % 4) + 2
                                                               : 2 * ((s - 1) % 4) + 1);
    return t;
}();

inline constexpr std::array<std::uint8_t, 8> LongDiagonal = { 4, 8, 11, 15, 18, 22, 25, 29 };

// King table when white still has a few men and kings against a black king:
// the long diagonal is what decides those endings.
inline constexpr std::array<std::uint8_t, 33> LongDiagonalKingTable = [] {
    std::array<std::uint8_t, 33> t {};
    for (int s : LongDiagonal) t[s] = 10;
    for (int s : { 6, 7, 27 }) t[s] = 1;
    for (int s : { 10, 14, 19, 23 }) t[s] = 2;
    t[26] = 5;
    return t;
}();

constexpr bool onLongDiagonal(int s)
{
    for (int d : LongDiagonal)
        if (d == s) return true;
    return false;
}

constexpr int kManValue = 200;

// Bounds of the positional part. The square tables, tempo and centre terms
// are held within the early bound; with the later terms the whole positional
// part stays within the overall bound, a little more than a man, so that a
// strong position may be worth a man but never two. The lazy exit returns the
// material alone when it lies this far outside the window: beyond what the
// bounded positional part can bring back (runaway men and breakthroughs, kept
// outside the bound, are the accepted risk of the shortcut).
constexpr int kEarlyPositionalBound = 90;
constexpr int kPositionalBound = 250;
constexpr int kLazyMargin = 300;

} // namespace kv::evaltables
