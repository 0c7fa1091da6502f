#include "board.h"

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

Board colourMirrored(const Board& b)
{
    // Indexed by code: men and kings change colour, anything else stays.
    constexpr std::uint8_t swapColour[16]
        = { Empty, BlackMan, BlackKing, WhiteMan, WhiteKing, 5,  6,  7,
            8,     9,        OffBoard,  11,       12,        13, 14, Jumped };
    Board t;
    t[0] = b[0];
    for (int s = 1; s <= 32; ++s) t[s] = swapColour[b[33 - s] & 15];
    return t;
}

} // namespace kv
