// The board as 32-bit masks, bit s - 1 for square s, and one diagonal step of
// a whole mask at a time. The generator and the capture probe use them to
// find every man that can take with a few shifts instead of a scan of the
// squares; the moves themselves are still produced square by square, in scan
// order, so lists come out exactly as before.
#pragma once

#include "board.h"
#include "geometry.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

struct SquareMasks {
    std::uint32_t whiteMen = 0, whiteKings = 0, blackMen = 0, blackKings = 0, empty = 0;
    std::uint32_t white() const { return whiteMen | whiteKings; }
    std::uint32_t black() const { return blackMen | blackKings; }
};

inline SquareMasks squareMasks(const Board& b)
{
    SquareMasks m;
#if defined(__SSE2__)
    const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.sq.data() + 1));
    const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.sq.data() + 17));
    const auto mask = [&](std::uint8_t code) {
        const __m128i c = _mm_set1_epi8(static_cast<char>(code));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(lo, c)))
            | static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(hi, c))) << 16;
    };
    m.whiteMen = mask(WhiteMan);
    m.whiteKings = mask(WhiteKing);
    m.blackMen = mask(BlackMan);
    m.blackKings = mask(BlackKing);
    m.empty = mask(Empty);
#else
    for (int s = 1; s <= kSquares; ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        switch (b[s]) {
        case Empty: m.empty |= bit; break;
        case WhiteMan: m.whiteMen |= bit; break;
        case WhiteKing: m.whiteKings |= bit; break;
        case BlackMan: m.blackMen |= bit; break;
        case BlackKing: m.blackKings |= bit; break;
        default: break;
        }
    }
#endif
    return m;
}

namespace masks {
// Rows 0, 2, 4, 6 (from the top of the picture) and the first and last
// square of each row in the numbering of geometry.h.
inline constexpr std::uint32_t kEvenRows = 0x0F0F0F0Fu;
inline constexpr std::uint32_t kOddRows = ~kEvenRows;
inline constexpr std::uint32_t kFirstOfRow = 0x11111111u;
inline constexpr std::uint32_t kLastOfRow = 0x88888888u;

// Every square of `m` moved one step in direction d (as DirectionTable).
template <int d> constexpr std::uint32_t step(std::uint32_t m)
{
    if constexpr (d == 0) return ((m & kEvenRows) >> 4) | ((m & kOddRows & ~kFirstOfRow) >> 5);
    else if constexpr (d == 1) return ((m & kEvenRows & ~kLastOfRow) >> 3) | ((m & kOddRows) >> 4);
    else if constexpr (d == 2) return ((m & kEvenRows) << 4) | ((m & kOddRows & ~kFirstOfRow) << 3);
    else return ((m & kEvenRows & ~kLastOfRow) << 5) | ((m & kOddRows) << 4);
}

constexpr bool stepsAgreeWithTheDirectionTable()
{
    bool ok = true;
    for (int s = 1; s <= kSquares; ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        const std::uint32_t want[4] = {
            DirectionTable[0][s] ? 1u << (DirectionTable[0][s] - 1) : 0u,
            DirectionTable[1][s] ? 1u << (DirectionTable[1][s] - 1) : 0u,
            DirectionTable[2][s] ? 1u << (DirectionTable[2][s] - 1) : 0u,
            DirectionTable[3][s] ? 1u << (DirectionTable[3][s] - 1) : 0u,
        };
        ok = ok && step<0>(bit) == want[0] && step<1>(bit) == want[1] && step<2>(bit) == want[2]
            && step<3>(bit) == want[3];
    }
    return ok;
}
static_assert(stepsAgreeWithTheDirectionTable());

// Rays[d][s]: every square beyond s in direction d, up to the edge.
inline constexpr std::array<std::array<std::uint32_t, 33>, 4> Rays = [] {
    std::array<std::array<std::uint32_t, 33>, 4> t {};
    for (int d = 0; d < kDirections; ++d)
        for (int s = 1; s <= kSquares; ++s)
            for (Square q = DirectionTable[d][s]; q != 0; q = DirectionTable[d][q])
                t[d][s] |= 1u << (q - 1);
    return t;
}();

// Whether a king on s may have a capture: some enemy piece with an empty
// square right behind it lies on one of its diagonals (pieces in between
// are left to the real search).
inline bool kingMayTake(Square s, std::uint32_t enemy, std::uint32_t empty)
{
    return (Rays[0][s] & enemy & step<3>(empty)) || (Rays[1][s] & enemy & step<2>(empty))
        || (Rays[2][s] & enemy & step<1>(empty)) || (Rays[3][s] & enemy & step<0>(empty));
}

// The men of `men` that can take an enemy piece forwards: white men step in
// directions 0 and 1, black men in 2 and 3.
template <bool Black>
constexpr std::uint32_t manJumpers(std::uint32_t men, std::uint32_t enemy, std::uint32_t empty)
{
    if constexpr (Black)
        return men & (step<1>(enemy & step<1>(empty)) | step<0>(enemy & step<0>(empty)));
    else return men & (step<3>(enemy & step<3>(empty)) | step<2>(enemy & step<2>(empty)));
}
} // namespace masks

} // namespace kv
