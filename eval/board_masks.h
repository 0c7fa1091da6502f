// One bit per square (bit s - 1 for square s) for the squares holding a given
// code, and the same squares seen from the other side of the board.
#pragma once

#include "rules/board.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

// Portable form: eight squares per 64-bit word.
inline std::uint32_t squaresHoldingPortable(const Board& b, std::uint8_t code)
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
        mask
            |= static_cast<std::uint32_t>((((zero >> 7) * 0x0102040810204080ull) >> 56) << (8 * k));
    }
    return mask;
}

// The knowledge terms ask for these masks at most evaluations. Where the
// target has SSE2 (every x86-64), sixteen squares are compared in one
// instruction and their results gathered into sixteen bits in another.
inline std::uint32_t squaresHolding(const Board& b, std::uint8_t code)
{
#if defined(__SSE2__)
    const __m128i want = _mm_set1_epi8(static_cast<char>(code));
    // Squares 1..16 and 17..32: bytes 1..32 of the board, sentinel left out.
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.sq.data() + 1));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.sq.data() + 17));
    const auto lowBits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, want)));
    const auto highBits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, want)));
    return lowBits | highBits << 16;
#else
    return squaresHoldingPortable(b, code);
#endif
}

// The same squares seen with the board turned half round: square s becomes
// 33 - s, bit s - 1 becomes bit 32 - s, so the 32 bits are reversed: the
// bytes by one byte swap, then the bits within each byte (swapping nibbles,
// pairs, then neighbours).
constexpr std::uint32_t reverseSquares(std::uint32_t x)
{
    x = __builtin_bswap32(x);
    x = ((x >> 4) & 0x0F0F0F0Fu) | ((x & 0x0F0F0F0Fu) << 4);
    x = ((x >> 2) & 0x33333333u) | ((x & 0x33333333u) << 2);
    return ((x >> 1) & 0x55555555u) | ((x & 0x55555555u) << 1);
}

} // namespace kv
