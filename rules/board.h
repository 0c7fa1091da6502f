// The position of the 8 x 8 game: one byte per playable square, square 0 the
// off-board sentinel, and the constant geometry every move is generated from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kv {

using Square = std::uint8_t;

// One byte per square. A man is promoted by adding 1 to its code.
enum PieceCode : std::uint8_t {
    Empty = 0,
    WhiteMan = 1,
    WhiteKing = 2,
    BlackMan = 3,
    BlackKing = 4,
    OffBoard = 10, // held only by index 0
    Jumped = 15,   // a piece already taken while captures are searched
};

// 0 white, 1 black. White moves first.
using SideToMove = std::uint8_t;
constexpr SideToMove White = 0;
constexpr SideToMove Black = 1;

constexpr int kSquares = 32;

constexpr bool isWhite(std::uint8_t code) { return code == WhiteMan || code == WhiteKing; }
constexpr bool isBlack(std::uint8_t code) { return code == BlackMan || code == BlackKing; }
constexpr bool isMan(std::uint8_t code) { return code == WhiteMan || code == BlackMan; }
constexpr bool isKing(std::uint8_t code) { return code == WhiteKing || code == BlackKing; }

// A white man lands on 1..4 to be crowned, a black man on 29..32.
constexpr bool promotes(std::uint8_t code, Square to)
{
    return (code == WhiteMan && to < 5) || (code == BlackMan && to > 28);
}

// Squares 1..32 in internal numbering; index 0 always holds OffBoard so that
// every step off the edge lands on a square that is neither empty nor enemy.
struct Board {
    std::array<std::uint8_t, 33> sq {};

    constexpr std::uint8_t& operator[](int s) { return sq[s]; }
    constexpr std::uint8_t operator[](int s) const { return sq[s]; }
    bool operator==(const Board&) const = default;

    void clear();      // all squares empty, sentinel in place
    void setInitial(); // black men on 1..12, white men on 21..32
};

// Entries 1..4 count white men, white kings, black men, black kings.
struct PieceCounts {
    std::array<std::uint8_t, 5> n {};
    std::uint8_t operator[](int code) const { return n[code]; }
    int white() const { return n[WhiteMan] + n[WhiteKing]; }
    int black() const { return n[BlackMan] + n[BlackKing]; }
    static PieceCounts of(const Board& b);
};

// Rotates the board contents half a circle: square s takes the old 33 - s.
void rotateHalfTurn(Board& b);

// The colour mirror: the board turned half a circle with white and black
// exchanged. A position and its mirror are the same game seen from the other
// side; everything written for white is applied to black through it.
Board colourMirrored(const Board& b);

} // namespace kv
