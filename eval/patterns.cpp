#include "patterns.h"

#include "eval/board_masks.h"

#include <algorithm>

namespace kv {

namespace {

// Powers of three of the bits of a byte: the configuration of eight squares
// where the set bits hold a man.
constexpr std::array<std::uint16_t, 256> kTernary = [] {
    std::array<std::uint16_t, 256> t {};
    for (int byte = 0; byte < 256; ++byte) {
        int v = 0, power = 1;
        for (int bit = 0; bit < 8; ++bit, power *= 3)
            if (byte >> bit & 1) v += power;
        t[byte] = static_cast<std::uint16_t>(v);
    }
    return t;
}();

// Mask bits run four to a row, row 0 at the top. Two neighbouring squares
// of every row (columns `first` and `first` + 1 of the four) packed so that
// byte r holds the eight squares of rows 2r to 2r + 3: the block's byte.
constexpr std::uint32_t blockBytes(std::uint32_t men, int first)
{
    std::uint32_t x = (men >> first) & 0x33333333u;
    x = (x | x >> 2) & 0x0F0F0F0Fu; // two rows a byte, in its low half
    return x | x >> 4;              // and the next two rows in the high half
}

constexpr std::uint32_t ternary(std::uint32_t own, std::uint32_t opp)
{
    return kTernary[own & 0xFFu] + 2u * kTernary[opp & 0xFFu];
}

} // namespace

PatternEntries patternEntries(std::uint32_t ownMen, std::uint32_t oppMen)
{
    PatternEntries e {};
    for (int column = 0; column < 3; ++column) {
        const std::uint32_t own = blockBytes(ownMen, column), opp = blockBytes(oppMen, column);
        for (int row = 0; row < 3; ++row) {
            const int block = 3 * row + column;
            e[block] = static_cast<std::uint32_t>(block * kPatternConfigs)
                + ternary(own >> 8 * row, opp >> 8 * row);
        }
    }
    // Two whole rows.
    for (int row = 0; row < 7; ++row) {
        const int block = 9 + row;
        e[block] = static_cast<std::uint32_t>(block * kPatternConfigs)
            + ternary(ownMen >> 4 * row, oppMen >> 4 * row);
    }
    return e;
}

BothPatternEntries patternEntries(const knowledge::BothViews& v)
{
    return { patternEntries(v.whiteMen, v.blackMen),
             patternEntries(v.turnedBlackMen, v.turnedWhiteMen) };
}

namespace {

int blend(int full, int empty, int men)
{
    men = std::min(men, kPatternFullBoard);
    return (full * men + empty * (kPatternFullBoard - men)) / kPatternFullBoard;
}

} // namespace

int patternValue(const PatternTable& t, const knowledge::BothViews& v)
{
    const BothPatternEntries e = patternEntries(v);
    int full = 0, empty = 0;
    for (int b = 0; b < kPatternBlocks; ++b) {
        full += t[e.white[b]].full - t[e.black[b]].full;
        empty += t[e.white[b]].empty - t[e.black[b]].empty;
    }
    return blend(full, empty, v.counts[WhiteMan] + v.counts[BlackMan]);
}

PatternTable patternDifferences(const PatternTable& t)
{
    // The square (mask bit) of every digit of every block, found by reading
    // one man at a time.
    std::array<std::array<int, 8>, kPatternBlocks> bitOf {};
    std::array<std::uint32_t, kPatternBlocks> squaresOf {};
    for (int bit = 0; bit < 32; ++bit) {
        const PatternEntries e = patternEntries(1u << bit, 0);
        for (int b = 0; b < kPatternBlocks; ++b)
            for (int digit = 0, power = 1; digit < 8; ++digit, power *= 3)
                if (e[b] == static_cast<std::uint32_t>(b * kPatternConfigs + power)) {
                    bitOf[b][digit] = bit;
                    squaresOf[b] |= 1u << bit;
                }
    }
    PatternTable d {};
    for (int b = 0; b < kPatternBlocks; ++b) {
        // Black's block over the same squares, and the power of three each
        // of this block's squares has there.
        int mirror = 0;
        while (mirror + 1 < kPatternBlocks && squaresOf[mirror] != reverseSquares(squaresOf[b]))
            ++mirror;
        std::array<int, 8> mirroredPower {};
        for (int digit = 0; digit < 8; ++digit)
            for (int j = 0, power = 1; j < 8; ++j, power *= 3)
                if (bitOf[mirror][j] == 31 - bitOf[b][digit]) mirroredPower[digit] = power;
        for (int config = 0; config < kPatternConfigs; ++config) {
            // Black's own men are white's opponents: digits 1 and 2 trade places.
            int black = 0;
            for (int digit = 0, rest = config; digit < 8; ++digit, rest /= 3)
                black += mirroredPower[digit] * (rest % 3 == 0 ? 0 : 3 - rest % 3);
            const PatternWeight w = t[static_cast<std::size_t>(b * kPatternConfigs + config)];
            const PatternWeight k = t[static_cast<std::size_t>(mirror * kPatternConfigs + black)];
            d[static_cast<std::size_t>(b * kPatternConfigs + config)]
                = { static_cast<std::int16_t>(w.full - k.full),
                    static_cast<std::int16_t>(w.empty - k.empty) };
        }
    }
    return d;
}

const PatternTable& learnedPatternDifferences()
{
    static const PatternTable table = patternDifferences(learnedPatterns());
    return table;
}

int foldedPatternValue(const PatternTable& differences, const PatternEntries& whiteEntries, int men)
{
    int full = 0, empty = 0;
    for (const std::uint32_t e : whiteEntries) {
        full += differences[e].full;
        empty += differences[e].empty;
    }
    return blend(full, empty, men);
}

} // namespace kv
