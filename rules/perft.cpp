#include "perft.h"

#include <cassert>

namespace kv {

namespace {
std::uint64_t walk(MoveGenerator& gen, Board& b, SideToMove side, int depth, int ply)
{
    const int n = gen.generate(b, side, ply);
    if (depth == 1) return static_cast<std::uint64_t>(n);
    std::uint64_t total = 0;
    const MoveList& list = gen.list(ply);
    for (int i = 0; i < n; ++i) {
        Board child = b;
        applyMove(child, list[i]);
        total += walk(gen, child, side ^ 1, depth - 1, ply + 1);
    }
    return total;
}
} // namespace

std::uint64_t perft(MoveGenerator& gen, const Board& b, SideToMove side, int depth)
{
    assert(depth < kMaxPly);
    if (depth <= 0) return 1;
    Board work = b;
    return walk(gen, work, side, depth, 1);
}

std::uint64_t perftDivide(MoveGenerator& gen, const Board& b, SideToMove side, int depth,
                          const std::function<void(const MoveRecord&, std::uint64_t)>& each)
{
    if (depth <= 0) return 1;
    Board work = b;
    const int n = gen.generate(work, side, 1);
    std::uint64_t total = 0;
    for (int i = 0; i < n; ++i) {
        const MoveRecord m = gen.list(1)[i];
        Board child = work;
        applyMove(child, m);
        const std::uint64_t count = depth == 1 ? 1 : walk(gen, child, side ^ 1, depth - 1, 2);
        each(m, count);
        total += count;
    }
    return total;
}

} // namespace kv
