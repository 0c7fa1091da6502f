// Building test positions by hand, in internal square numbers.
#pragma once

#include "rules/board.h"

#include <initializer_list>
#include <utility>

namespace kv::test {

inline Board boardOf(std::initializer_list<std::pair<int, PieceCode>> pieces)
{
    Board b;
    b.clear();
    for (auto [s, code] : pieces) b[s] = code;
    return b;
}

} // namespace kv::test
