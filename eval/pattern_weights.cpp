// The learned pattern values, fitted by kv-patterntune on self-play games.
#include "patterns.h"

namespace kv {

namespace {
// For every entry not zero: the step from the previous one, the full-board
// value and the empty-board value; -1 ends.
constexpr std::int32_t kNonZero[] = {
#include "pattern_weights.inc"
    -1
};
} // namespace

const PatternTable& learnedPatterns()
{
    static constexpr PatternTable table = [] {
        PatternTable t {};
        int entry = 0;
        for (std::size_t i = 0; kNonZero[i] >= 0; i += 3) {
            entry += kNonZero[i];
            t[entry] = { static_cast<std::int16_t>(kNonZero[i + 1]),
                         static_cast<std::int16_t>(kNonZero[i + 2]) };
        }
        return t;
    }();
    return table;
}

} // namespace kv
