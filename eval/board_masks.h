// One bit per square (bit s - 1 for square s) for the squares holding a given
// code, read eight squares at a time.
#pragma once

#include "rules/board.h"

#include <cstdint>
#include <cstring>

namespace kv {

inline std::uint32_t squaresHolding(const Board& b, std::uint8_t code)
{
    constexpr std::uint64_t ones = 0x0101010101010101ull, low7 = 0x7F7F7F7F7F7F7F7Full;
    std::uint32_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        std::uint64_t x;
        std::memcpy(&x, b.sq.data() + 1 + 8 * k, 8);
        const std::uint64_t y = x ^ (code * ones);
        // High bit of each byte set where that byte of y is zero.
        const std::uint64_t zero = ~(((y & low7) + low7) | y | low7);
        // Gather the eight high bits into one byte, square order kept.
        mask |= static_cast<std::uint32_t>((((zero >> 7) * 0x0102040810204080ull) >> 56) << (8 * k));
    }
    return mask;
}

} // namespace kv
