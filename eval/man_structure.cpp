// Structure of men in the interior of the board: holes behind a man, pairs
// left hanging, men that can be taken or cannot move. Written for a white
// man (directions 0 and 1 forward, 2 and 3 backward) and run mirrored for
// black.
#include "knowledge.h"

#include "board_masks.h"
#include "side_view.h"
#include "tables.h"

#include <algorithm>
#include <bit>

namespace kv::knowledge {

namespace {

template <class View>
int oneMan(const View& v, int s, int phase)
{
    const auto n = [](int sq, int d) { return View::neighbour(sq, d); };
    const int f0 = n(s, 0), f1 = n(s, 1), back2 = n(s, 2), back3 = n(s, 3);
    int value = 0;

    // 1-2. Holes behind the man: an empty square behind it costs 2, the
    // square behind that one empty as well 3 more, and both squares behind
    // it empty 2 more for each. Written as sums of tests rather than nested
    // branches, since whether a square is empty is as good as random to the
    // processor. (Square 0, off the board, is never empty.)
    const int hole2 = v.e(back2), hole3 = v.e(back3);
    value -= 2 * hole2 + 3 * (hole2 & v.e(n(back2, 2))) + 2 * (hole2 & hole3);
    value -= 2 * hole3 + 3 * (hole3 & v.e(n(back3, 3))) + 2 * (hole3 & hole2);

    // 3. A pair in front with nothing behind: it hangs. The common tests
    // are combined first, so that one branch usually decides.
    const auto offOrEmpty = [&](int sq) { return sq == 0 || v.e(sq); };
    const int own0 = v.w(f0), own1 = v.w(f1);
    if ((own0 & own1 & hole2 & hole3) && s > 12 && offOrEmpty(n(f0, 0)) && offOrEmpty(n(f1, 1)) && v.e(s - 8)) {
        value -= 12;
        if (phase == 3) value -= 12;
        if (v.b(f0 - 8) && v.b(f1 - 8)) value -= 15;
    }

    // 4. Mobility: 2 for each empty square ahead. An enemy man ahead with
    // the square behind on the other diagonal empty can take: -50. A man
    // that cannot move, with neither square ahead empty nor an enemy man on
    // f1 and both squares behind empty: -10. (A square holding an enemy man
    // is not empty, so these never meet the mobility bonus on one square.)
    const int free0 = v.e(f0), free1 = v.e(f1);
    const int f = 2 * (free0 + free1);
    value += f;
    value -= 50 * (v.b(f0) & hole3) + 50 * (v.b(f1) & hole2);
    if (!(free0 | free1) && s < 20 && !v.b(f1) && (hole2 & hole3)) value -= 10;

    // 5. A free man: the squares two steps ahead, 5 for each that holds no
    // enemy man. Black's version of this step reaches two squares further
    // back (its 8 and 9, white's 24 and 25).
    const bool lateEnough = v.mirrored() ? s <= 25 : s < 24;
    if (f == 4 && lateEnough) {
        const int g = v.b(n(f0, 0)) + v.b(n(f1, 1));
        value += 5 * (2 - g);
        if (g > 0 && v.b(s - 8) && (hole2 & hole3)) value -= g == 2 ? 20 : 5;
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

template <class View>
int structureOneSide(const View& v, int phase)
{
    int value = 0;
    for (std::uint32_t men = v.ownMenMask() & kScanned; men != 0; men &= men - 1)
        value += oneMan(v, std::countr_zero(men) + 1, phase);
    return value;
}

} // namespace

int manStructure(const BothViews& views, int phase)
{
    const int v = structureOneSide(SideView<false>(views), phase) - structureOneSide(SideView<true>(views), phase);
    return std::clamp(v, -60, 60);
}

int manStructure(const Board& b, const PieceCounts& c, int phase) { return manStructure(BothViews(b, c), phase); }

} // namespace kv::knowledge
