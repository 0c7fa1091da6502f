// Runaway men: a man one to four rows from crowning whose way forward cannot
// be closed in time. Each rule looks at the squares in front of the man and
// at who is to move; the rules are written for white and run mirrored for
// black.
#include "knowledge.h"

#include "side_view.h"

#include <algorithm>
#include <cstdint>

namespace kv::knowledge {

namespace {

// The three squares of the row just behind the promotion row share one rule:
// the man on `s` reaches a or b; x and y are the squares from which an enemy
// would have to take it when it steps to b or to a.
template <class View> int nextToLastRow(const View& v, bool toMove, int a, int b, int x, int y)
{
    int value = 0;
    if ((toMove && (v.e(a) || v.e(b))) || (v.e(a) && v.e(b)) || (v.e(b) && v.o(a) && v.o(x))
        || (v.e(a) && v.o(b) && v.o(y)))
        value += 90;
    if (v.o(a) && v.o(b)) value -= 40;
    return value;
}

template <class View> int man13(const View& v, bool toMove)
{
    if (toMove) {
        if (v.e(1) && ((v.allE(5, 6) && (v.e(9) || v.e(2))) || (v.allE(2, 6) && v.o(5) && v.o(14))))
            return v.mirrored() ? 55 : 50; // black's rule is worth a little more
        // Black's version of this rule asks for its own man on 24, not a white one.
        const bool blocker = v.mirrored() ? v.w(9) : v.b(9);
        if (v.allE(1, 2, 6) && blocker) return 60;
        return 0;
    }
    return v.allE(1, 2, 6) && (v.e(5) || v.b(9)) ? 40 : 0;
}

template <class View> int man14(const View& v, bool toMove)
{
    if (toMove) {
        if (v.allE(1, 5) && (v.e(6) || v.o(13))) return 50;
        if (v.allE(1, 5) && v.b(9)) return 70;
        if (!v.allE(2, 6, 7)) return v.allE(2, 3, 7) && v.o(6) && v.o(15) ? 50 : 0;
        if (v.e(10)) return 50;
        return v.e(3) ? 90 : 0;
    }
    if (v.e(5) && v.b(9) && v.o(18) && (!v.b(10) || v.o(17))) {
        if (v.o(1) && v.o(2)) return 15;
        return 25 + (v.e(1) ? 10 : 0);
    }
    if (v.allE(2, 3, 7)) {
        if (v.allB(10, 15) && v.o(17)) return 80;
        if (v.allE(1, 6) && (v.e(10) || v.o(17))) return 40;
    }
    return 0;
}

template <class View> int man15(const View& v, bool toMove)
{
    if (toMove) {
        if (v.allE(2, 6, 7, 10)) return 20 + (v.e(1) || v.o(3) ? 30 : 0);
        if (v.allE(1, 2, 6)) {
            if (v.b(10)) return 80;
            return v.o(7) && v.o(14) ? 50 : 0;
        }
        if (v.allE(3, 7, 8, 11)) return 20 + (v.e(2) || v.o(4) ? 30 : 0);
        if (v.o(3) || v.o(4) || v.o(8))
            return v.o(3) && v.b(11) && v.allE(8, 4) && v.o(12) ? 80 : 0;
        if (v.b(11)) return 80;
        return v.o(7) && v.o(16) ? 50 : 0;
    }
    if (v.e(6) && v.b(10) && v.o(19) && (!v.b(11) || v.o(18))) return v.allE(1, 2) ? 70 : 0;
    if (v.allE(3, 4, 8)) {
        // Black's version asks for a white man on 17 where white's only asks
        // for 16 to be occupied.
        const bool support = v.mirrored() ? v.b(16) : v.o(16);
        if (v.b(11) && support && v.o(18)) return 80;
        if (v.allE(2, 7) && (v.e(11) || v.o(18))) return 40;
    }
    return 0;
}

// The squares whose men the rules below look at.
constexpr std::uint32_t kRunawaySquares = [] {
    std::uint32_t m = 0;
    for (int s : { 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 30, 32 }) m |= 1u << (s - 1);
    return m;
}();

// The sum of the rules for the men of the view's side.
template <class View> int runawayOneSide(const View& v, bool toMove)
{
    // Most positions have no man of this side near its crown: nothing to look at.
    if ((v.ownMenMask() & kRunawaySquares) == 0) return 0;
    int value = 0;
    if (v.w(5)) value += 20 + (v.e(1) ? 70 : 0);
    if (v.w(6)) value += nextToLastRow(v, toMove, 1, 2, 10, 9);
    if (v.w(7)) value += nextToLastRow(v, toMove, 2, 3, 11, 10);
    if (v.w(8)) value += nextToLastRow(v, toMove, 3, 4, 12, 11);
    if (v.w(9)) {
        if (toMove) {
            if ((v.e(1) && (v.e(2) || v.e(5))) || (v.e(2) && v.o(1) && v.o(10))) value += 60;
        } else if (v.allE(1, 5, 6) || (v.allE(1, 2, 6) && v.o(5) && v.o(14))) {
            value += 50;
        }
    }
    if (v.w(10)) {
        if (toMove) {
            if ((v.e(1) && (v.e(2) || (v.o(2) && v.o(9)))) || v.allE(2, 3)
                || (v.e(3) && v.o(2) && v.o(11)))
                value += 60;
        } else if (v.allE(2, 6, 7)) {
            value += 10 + (v.oppKings() == 0 ? 20 : 0) + (v.e(1) || v.e(3) ? 40 : 0);
        } else if ((v.allE(1, 2, 6) && v.o(7) && v.o(14))
                   || (v.allE(3, 2, 7) && v.o(6) && v.o(15))) {
            value += 50;
        }
    }
    if (v.w(11)) {
        if (toMove) {
            if ((v.e(2) && (v.e(3) || (v.o(3) && v.o(10)))) || v.allE(3, 4)
                || (v.e(4) && v.o(3) && v.o(12)))
                value += 60;
        } else if (v.allE(3, 7, 8)) {
            value += 10 + (v.oppKings() == 0 ? 20 : 0) + (v.e(2) || v.e(4) ? 40 : 0);
        } else if ((v.allE(2, 3, 7) && v.o(8) && v.o(15))
                   || (v.allE(4, 3, 8) && v.o(7) && v.o(16))) {
            value += 50;
        }
    }
    if (v.w(12)) {
        if (toMove) {
            if (v.allE(3, 4) || (v.e(3) && v.o(4) && v.o(11))) value += 60;
        } else if (v.allE(3, 4)) {
            value += 50;
        } else if (v.o(4)) {
            value += 15;
        }
    }
    if (v.w(13)) value += man13(v, toMove);
    if (v.w(14)) value += man14(v, toMove);
    if (v.w(15)) value += man15(v, toMove);
    if (v.w(16) && v.allE(3, 4, 8, 12) && (toMove || v.e(11))) value += 50;
    if (v.w(17) && v.allE(1, 2, 5, 6, 9, 13) && (toMove || v.e(14))) value += 40;
    if (v.allW(30, 32)) value += 15;
    return value;
}

} // namespace

int runawayMen(const BothViews& views, bool whiteToMove)
{
    const int v = forBothSides(views, whiteToMove, [](const auto& view, bool toMove) {
        return runawayOneSide(view, toMove);
    });
    return std::clamp(2 * v, -170, 170);
}

int runawayMen(const Board& b, const PieceCounts& c, bool whiteToMove)
{
    return runawayMen(BothViews(b, c), whiteToMove);
}

} // namespace kv::knowledge
