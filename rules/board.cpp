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

} // namespace kv
