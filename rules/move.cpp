#include "move.h"

namespace kv {

bool MoveRecord::sameCaptures(const MoveRecord& o) const
{
    if (n != o.n) return false;
    for (int i = 0; i < n; ++i)
        if (captured[i] != o.captured[i]) return false;
    return true;
}

std::uint8_t applyMove(Board& b, const MoveRecord& m)
{
    std::uint8_t p = b[m.from];
    b[m.from] = Empty;
    for (int i = 0; i < m.n; ++i) b[m.captured[i]] = Empty;
    if (promotes(p, m.to)) ++p;
    b[m.to] = p;
    return p;
}

} // namespace kv
