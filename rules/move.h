// One generated move and the per-ply lists that hold them.
#pragma once

#include "board.h"

#include <array>
#include <cstdint>

namespace kv {

// 20 bytes: origin, final square, the number of pieces taken and the taken
// squares in jump order, and a key used only while a list is being sorted.
struct MoveRecord {
    Square from = 0;
    Square to = 0;
    std::uint8_t n = 0;
    std::array<Square, 15> captured {}; // captured[0..n-1]
    std::int16_t key = 0;               // 0 as generated; set by ordering

    bool isCapture() const { return n != 0; }
    bool sameCaptures(const MoveRecord& o) const;
    bool operator==(const MoveRecord& o) const
    {
        return from == o.from && to == o.to && sameCaptures(o);
    }
};
static_assert(sizeof(MoveRecord) == 20);

// A move of an opening line: its origin and final square, enough to find the
// legal move it names in a given position.
struct BookMove {
    Square from = 0, to = 0;
};

// Room for every position the rules allow. Quiet moves are bounded: a king
// reaches at most 13 squares, so twelve kings and nothing else give at most
// 156 moves. Captures have no small proven bound (a flying king with several
// landing squares per jump branches at every jump), so the lists have room to
// spare and the generator counts what would not fit instead of writing past
// the end: see MoveGenerator::overflowed(). No position found by the tests
// comes near this size.
constexpr int kMaxMoves = 256;

// Plies 0..34 of the search; ply 1 is the position on the board.
constexpr int kMaxPly = 34;

struct MoveList {
    int count = 0;
    std::array<MoveRecord, kMaxMoves> moves;

    MoveRecord& operator[](int i) { return moves[i]; }
    const MoveRecord& operator[](int i) const { return moves[i]; }
    const MoveRecord* begin() const { return moves.data(); }
    const MoveRecord* end() const { return moves.data() + count; }
};

// Plays a move on a board: the piece leaves its origin, the taken pieces are
// removed, a man reaching its last row is crowned. Returns the moving piece's
// final code.
std::uint8_t applyMove(Board& b, const MoveRecord& m);

} // namespace kv
