// Counting the leaves of the move tree: the standard check of a move generator.
#pragma once

#include "movegen.h"

#include <cstdint>
#include <functional>

namespace kv {

// Leaf nodes at `depth` below the position, every generated move counted once.
std::uint64_t perft(MoveGenerator& gen, const Board& b, SideToMove side, int depth);

// The count under each root move, in list order, reported through `each`.
std::uint64_t perftDivide(MoveGenerator& gen, const Board& b, SideToMove side, int depth,
                          const std::function<void(const MoveRecord&, std::uint64_t)>& each);

} // namespace kv
