// Structure of men in the interior of the board: holes behind a man, pairs
// left hanging, men that can be taken or cannot move. Written for a white
// man (directions 0 and 1 forward, 2 and 3 backward) and run mirrored for
// black.
#include "knowledge.h"

#include "board_masks.h"
#include "side_view.h"
#include "tables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace kv::knowledge {

namespace {

// The squares the rule looks at around a man on s, in the rule's numbering
// (the same in both readings, see side_view.h), as SideView square bits so
// that each test is one mask test. Off the board is square 0, whose bit is
// never empty nor a man.
struct Around {
    std::uint64_t f0 = 0, f1 = 0;              // one step ahead (directions 0, 1)
    std::uint64_t back2 = 0, back3 = 0;        // one step behind (directions 2, 3)
    std::uint64_t behind2 = 0, behind3 = 0;    // two steps behind on the same diagonals
    std::uint64_t ahead0 = 0, ahead1 = 0;      // two steps ahead on the same diagonals...
    bool ahead0Off = false, ahead1Off = false; // ...which may be off the board
    std::uint64_t up = 0;                      // s - 8: two rows ahead on the same file
    std::uint64_t f0Up = 0, f1Up = 0;          // f0 - 8 and f1 - 8, where on the board
};

constexpr std::array<Around, 33> kAround = [] {
    std::array<Around, 33> t {};
    const auto n = [](int sq, int d) { return static_cast<int>(DirectionTable[d][sq]); };
    const auto bit = [](int sq) { return sq >= 1 ? squareBit(sq) : squareBit(0); };
    for (int s = 1; s <= 32; ++s) {
        const int f0 = n(s, 0), f1 = n(s, 1), back2 = n(s, 2), back3 = n(s, 3);
        Around& a = t[s];
        a.f0 = bit(f0);
        a.f1 = bit(f1);
        a.back2 = bit(back2);
        a.back3 = bit(back3);
        a.behind2 = bit(n(back2, 2));
        a.behind3 = bit(n(back3, 3));
        a.ahead0 = bit(n(f0, 0));
        a.ahead1 = bit(n(f1, 1));
        a.ahead0Off = n(f0, 0) == 0;
        a.ahead1Off = n(f1, 1) == 0;
        a.up = bit(s - 8);
        a.f0Up = bit(f0 - 8);
        a.f1Up = bit(f1 - 8);
    }
    return t;
}();

template <class View> int oneMan(const View& v, int s, int phase)
{
    const Around& a = kAround[s];
    int value = 0;

    // 1-2. Holes behind the man: an empty square behind it costs 2, the
    // square behind that one empty as well 3 more, and both squares behind
    // it empty 2 more for each. Written as sums of tests rather than nested
    // branches, since whether a square is empty is as good as random to the
    // processor.
    const int hole2 = v.emptyAt(a.back2), hole3 = v.emptyAt(a.back3);
    value -= 2 * hole2 + 3 * (hole2 & v.emptyAt(a.behind2)) + 2 * (hole2 & hole3);
    value -= 2 * hole3 + 3 * (hole3 & v.emptyAt(a.behind3)) + 2 * (hole3 & hole2);

    // 3. A pair in front with nothing behind: it hangs. The common tests
    // are combined first, so that one branch usually decides.
    const int own0 = v.ownAt(a.f0), own1 = v.ownAt(a.f1);
    if ((own0 & own1 & hole2 & hole3) && s > 12 && (a.ahead0Off || v.emptyAt(a.ahead0))
        && (a.ahead1Off || v.emptyAt(a.ahead1)) && v.emptyAt(a.up)) {
        value -= 12;
        if (phase == 3) value -= 12;
        if (v.oppAt(a.f0Up) && v.oppAt(a.f1Up)) value -= 15;
    }

    // 4. Mobility: 2 for each empty square ahead. An enemy man ahead with
    // the square behind on the other diagonal empty can take: -50. A man
    // that cannot move, with neither square ahead empty nor an enemy man on
    // f1 and both squares behind empty: -10. (A square holding an enemy man
    // is not empty, so these never meet the mobility bonus on one square.)
    const int free0 = v.emptyAt(a.f0), free1 = v.emptyAt(a.f1);
    const int f = 2 * (free0 + free1);
    value += f;
    value -= 50 * (v.oppAt(a.f0) & hole3) + 50 * (v.oppAt(a.f1) & hole2);
    if (!(free0 | free1) && s < 20 && !v.oppAt(a.f1) && (hole2 & hole3)) value -= 10;

    // 5. A free man: the squares two steps ahead, 5 for each that holds no
    // enemy man. Black's version of this step reaches two squares further
    // back (its 8 and 9, white's 24 and 25).
    const bool lateEnough = v.mirrored() ? s <= 25 : s < 24;
    if (f == 4 && lateEnough) {
        const int g = v.oppAt(a.ahead0) + v.oppAt(a.ahead1);
        value += 5 * (2 - g);
        if (g > 0 && v.oppAt(a.up) && (hole2 & hole3)) value -= g == 2 ? 20 : 5;
    }
    return value;
}

// Interior squares 9..27, where the rule's men are looked at.
constexpr std::uint32_t kScanned = [] {
    std::uint32_t m = 0;
    for (int s = 9; s <= 27; ++s)
        if (evaltables::InteriorMask[s]) m |= 1u << (s - 1);
    return m;
}();

template <class View> int structureOneSide(const View& v, int phase)
{
    int value = 0;
    for (std::uint32_t men = v.ownMenMask() & kScanned; men != 0; men &= men - 1)
        value += oneMan(v, std::countr_zero(men) + 1, phase);
    return value;
}

} // namespace

int manStructure(const BothViews& views, int phase)
{
    const int v = structureOneSide(SideView<false>(views), phase)
        - structureOneSide(SideView<true>(views), phase);
    return std::clamp(v, -60, 60);
}

int manStructure(const Board& b, const PieceCounts& c, int phase)
{
    return manStructure(BothViews(b, c), phase);
}

} // namespace kv::knowledge
