#include "patterns.h"

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

int patternValue(const PatternTable& t, const knowledge::BothViews& v)
{
    const BothPatternEntries e = patternEntries(v);
    int full = 0, empty = 0;
    for (int b = 0; b < kPatternBlocks; ++b) {
        full += t[e.white[b]].full - t[e.black[b]].full;
        empty += t[e.white[b]].empty - t[e.black[b]].empty;
    }
    const int men = std::min(v.counts[WhiteMan] + v.counts[BlackMan], kPatternFullBoard);
    return (full * men + empty * (kPatternFullBoard - men)) / kPatternFullBoard;
}

} // namespace kv
