#include "board.h"

#include <cstring>

namespace kv {

void Board::clear()
{
    sq.fill(Empty);
    sq[0] = OffBoard;
}

void Board::setInitial()
{
    clear();
    for (int s = 1; s <= 12; ++s) sq[s] = BlackMan;
    for (int s = 21; s <= 32; ++s) sq[s] = WhiteMan;
}

PieceCounts PieceCounts::of(const Board& b)
{
    PieceCounts c;
    for (int s = 1; s <= 32; ++s)
        if (b[s] >= WhiteMan && b[s] <= BlackKing) ++c.n[b[s]];
    return c;
}

void rotateHalfTurn(Board& b)
{
    for (int s = 1; s <= 16; ++s) std::swap(b.sq[s], b.sq[33 - s]);
}

namespace {

Board colourMirroredSlow(const Board& b)
{
    // Indexed by code: men and kings change colour, anything else stays.
    constexpr std::uint8_t swapColour[16] = { Empty, BlackMan, BlackKing, WhiteMan, WhiteKing, 5, 6, 7,
                                              8, 9, OffBoard, 11, 12, 13, 14, Jumped };
    Board t;
    t[0] = b[0];
    for (int s = 1; s <= 32; ++s) t[s] = swapColour[b[33 - s] & 15];
    return t;
}

// Codes 1..4 of eight squares at once: 1 <-> 3 and 2 <-> 4 is c -> ((c + 1) & 3) + 1,
// and empty squares stay empty.
std::uint64_t swapColours(std::uint64_t w)
{
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    const std::uint64_t occupied = ((w + 0x7F * ones) >> 7) & ones;
    return (((w + ones) & (3 * ones)) + ones) & (occupied * 0xFF);
}

} // namespace

// The evaluation mirrors a board for every knowledge term, so this runs at
// most leaves of the search: four 64-bit words reversed and recoloured.
Board colourMirrored(const Board& b)
{
    std::uint64_t w[4];
    std::memcpy(w, b.sq.data() + 1, 32);
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    if (((w[0] | w[1] | w[2] | w[3]) + 0x7B * ones) & (0x80 * ones)) return colourMirroredSlow(b);
    Board t;
    t[0] = b[0];
    for (int i = 0; i < 4; ++i) {
        const std::uint64_t r = swapColours(__builtin_bswap64(w[3 - i]));
        std::memcpy(t.sq.data() + 1 + 8 * i, &r, 8);
    }
    return t;
}

} // namespace kv
