// Learned patterns of men: the board read as sixteen blocks of eight dark
// squares, nine overlapping blocks of four rows by four columns and the seven
// pairs of neighbouring rows, every block in one of 3^8 configurations (empty
// or a king, own man, enemy man). Each configuration of each block has a
// learned value for a full board and one for an empty board; a position's
// value is the sum over the blocks, seen once as white and once as black
// (from the board turned round), blended by the number of men.
#pragma once

#include "eval/knowledge.h"

#include <array>
#include <cstdint>

namespace kv {

constexpr int kPatternBlocks = 16;    // blocks 0..8 the squares of 4 x 4, 9..15 row pairs
constexpr int kPatternConfigs = 6561; // 3^8
constexpr int kPatternEntries = kPatternBlocks * kPatternConfigs;
// The men count at which the full-board values hold alone.
constexpr int kPatternFullBoard = 24;

struct PatternWeight {
    std::int16_t full = 0, empty = 0;
    bool operator==(const PatternWeight&) const = default;
};
using PatternTable = std::array<PatternWeight, kPatternEntries>;

// The table of the shipped evaluation.
const PatternTable& learnedPatterns();

// The entry of each block (block b's configurations start at b x 3^8) for the
// side whose men are `own`, the board seen with that side moving up.
using PatternEntries = std::array<std::uint32_t, kPatternBlocks>;
PatternEntries patternEntries(std::uint32_t ownMen, std::uint32_t oppMen);

// White's entries first, then black's from the board turned round.
struct BothPatternEntries {
    PatternEntries white, black;
};
BothPatternEntries patternEntries(const knowledge::BothViews& v);

// The value for white: white's blocks less black's, blended by the men on
// the board.
int patternValue(const PatternTable& t, const knowledge::BothViews& v);

// The same values folded into white's view alone: the entry of each block and
// configuration holds white's value less black's value of the same eight
// squares (turned round, they are one of black's blocks), so a position
// needs one reading of the board and sixteen entries instead of thirty-two.
PatternTable patternDifferences(const PatternTable& t);
// The shipped values, folded.
const PatternTable& learnedPatternDifferences();
// patternValue(t, v) from patternDifferences(t) and white's men entries.
int foldedPatternValue(const PatternTable& differences, const PatternEntries& whiteEntries,
                       int men);

} // namespace kv
