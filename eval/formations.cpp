// Formations of the opening and the middle game: each rule recognises a group
// of men (a weak wing, a strong centre, a tail hanging behind a piece) and
// scores it for white; every rule also runs mirrored for black.
#include "knowledge.h"

#include "side_view.h"

#include <algorithm>

namespace kv::knowledge {

namespace {

// Square tests in the rule's numbering: w own man, b enemy man, e empty,
// o occupied.
template <class View> struct Rules {
    const View& v;
    bool toMove;
    int phase;

    bool w(int s) const { return v.w(s); }
    bool b(int s) const { return v.b(s); }
    bool e(int s) const { return v.e(s); }
    bool o(int s) const { return v.o(s); }
    template <class... S> bool allW(S... s) const { return v.allW(s...); }
    template <class... S> bool allB(S... s) const { return v.allB(s...); }
    template <class... S> bool allE(S... s) const { return v.allE(s...); }

    int openingWings() const
    {
        int x = 0;
        // 1. The left back corner opened while black presses on 13 or 15.
        if (allE(29) && allW(25, 26)) {
            if (b(15)) x -= 10 + (o(21) ? 2 : 0);
            if (b(13)) {
                x -= 5;
                if (b(17)) x -= 5 + (o(21) ? 10 : 0);
            }
        }
        // 2-3. Outposts on 14 and 18.
        if (w(14)) x += 5 + (e(1) ? 10 : 0);
        if (w(18)) x += 5;
        // 4. The man on 13 against black's 6 and 9.
        if (allW(13) && allB(6, 9)) {
            x += 5;
            if (w(18)) {
                x += 5;
                if (allE(5, 1)) {
                    if (e(2)) x += 20;
                    if (w(14)) x += 40;
                    else if (e(14) && w(17) && !b(10) && (e(7) || toMove)) x += 20;
                }
            } else if (w(17) && allE(1, 10, 2)) {
                x += 20;
            } else if (e(2)) {
                x += 10;
            }
            if (b(1)) x += 5;
            if (b(5)) x += 5;
        }
        return x;
    }

    int general() const
    {
        int x = 0;
        const int ownMen = v.ownMen();
        // 5. Pre-endgame: a white wedge on 16 and 19 behind black's 7 and 12;
        // the men on 24 and 28 cost more only with 4, 8, 23, 26, 27 empty.
        if (phase == 2 && allB(7, 12) && allW(16, 19) && allE(15, 10, 11)) {
            x -= 5;
            if (allE(4, 8, 23, 27, 26)) x -= 10 + (w(24) ? 10 : 0) + (w(28) ? 10 : 0);
        }
        // 6. The double corner abandoned.
        if (allE(32, 28)) {
            x -= 10;
            if (o(24)) x -= 10 + (b(20) ? 25 : 0);
            if (phase == 0) x -= 10;
        }
        // 7. The man on 12 with the way to crown open.
        if (w(12) && e(3)) x += 15 + (b(4) ? 10 : 0);
        // 8. Opening: the inner back square left early.
        if (phase == 0 && e(2)) {
            x += 3;
            if (e(1)) x += (w(13) ? 10 : 0) + (w(14) ? 10 : 0);
        }
        // 9. The left column 20-24-28 facing black's 11, 15, 16, 19.
        if (allW(20, 24, 28) && allB(11, 15, 16, 19) && e(27)) {
            x += o(26) ? -5 : 25;
            x += (e(12) ? 20 : 0) + (o(4) ? 5 : 0) + (o(8) ? 5 : 0) + (e(3) ? 10 : 0);
        }
        // 10. The centre 22, 23 with black's spearhead on 18.
        if (allB(14, 15, 18) && allW(22, 23, 25, 27) && allE(17, 19)) {
            if (w(21) && e(13)) {
                x += 25;
                if (o(30)) x -= 10 + (e(29) ? 10 : 0);
            } else {
                x -= 5;
                if (allE(30, 31)) x -= 50;
                if (o(26) && e(30)) x -= 50;
            }
            if (o(26)) x -= 5;
        }
        // 11. White's 18 and 19 pressing black's 10, 11, 15.
        if (allB(10, 11, 15) && allW(18, 19, 22, 24) && allE(14, 16, 17, 20))
            x += 5 + (allE(23, 12) && w(20) ? 20 : 0);
        // 12. White's 14 and 15 pressing black's 6, 7, 10. Black's version
        // wants a white man on 20 (where the mirror would want its own).
        if (allB(6, 7, 10) && allW(14, 15, 17, 19) && allE(9, 11, 13, 16)) {
            x += 5;
            const bool support = v.mirrored() ? b(13) : w(13);
            if (allE(18, 5) && support) x += 20;
            if (e(1) || e(3)) x += 40;
        }
        // 13. A wedge on 15, 16 against black's 7, 8, 11.
        if (allB(7, 8, 11) && allW(15, 16, 18, 20) && allE(10, 12, 14))
            x += 35 + (e(2) ? 20 : 0) + (e(4) ? 20 : 0);
        // 14. Small blocked groups.
        if (allB(18, 15) && allW(22, 25) && e(29)) x -= 5;
        if (allB(17, 13) && allW(22, 26) && e(31)) x -= 5;
        if (allB(18, 14) && allW(23, 27) && e(32)) x -= 5;
        if (allB(19, 16) && allW(23, 26) && e(30)) x -= 5;
        // 15. A locked centre.
        if (allB(10, 11, 14, 16) && allW(17, 20, 21, 23) && allE(9, 12, 13, 15, 18, 19)) x += 10;
        // 16-18, 20. The right-edge chain 13, 17, 21.
        if (allW(13, 17, 21) && b(5) && allE(9, 10)) {
            if (allE(6, 14)) x += 5 + (b(7) && e(3) ? 50 : 0);
            if (w(14)) x += 5 + (b(7) && e(3) ? 50 : 0);
        }
        if (allW(13, 17, 21) && allB(9, 14) && e(22)) x += 10 + (allE(25, 29) ? 15 : 0);
        if (allW(14, 17, 21) && allB(5, 10) && allE(6, 9) && !b(13))
            x += 5 + (e(1) || e(2) ? 30 : 0);
        // 19. The left chain 19, 24, 28.
        if (allW(19, 24, 28) && allB(12, 15) && allE(11, 16) && !b(20))
            x += 5 + (b(10) && e(6) ? 8 : 0);
        if (allW(13, 17, 21) && b(5)) x += 5;
        // 21-22. A man on 10 or 11 with the way forward open.
        if (w(11) && allE(7, 8, 3)) x += b(2) && b(4) ? 35 : 50;
        if (w(10) && allE(6, 7, 2)) x += b(1) && b(3) ? 45 : 60;
        // 23.
        if (allB(14, 16) && w(23) && allE(15, 18, 19)
            && ((allW(26, 30) && e(12)) || (allW(27, 32) && e(9))))
            x += 25;
        // 24. The right wing 21, 26, 22 against black's 14, 17.
        if (w(21) && allB(17, 14)) {
            x += 2;
            if (w(26)) x += 3 + (w(22) && e(13) && (toMove || e(9)) ? 55 : 0);
        }
        // 25. The man on 20 with 16 behind black's 7 and 8. Every bonus of
        // this rule, the last one (12 and 3 empty) included, needs 4 empty.
        if (allW(20, 16) && e(11) && allB(7, 8) && ((e(19) && !b(12)) || allW(19, 23))) {
            if (e(4)) {
                x += 4;
                if (w(12)) {
                    x += 4 + (e(3) ? 40 : 0);
                    if (toMove && o(15)) x += 50;
                }
                if (allE(12, 3)) x += 40;
            }
        }
        // 26-27. Tails behind the edge men.
        if (allW(28, 24) && allE(19, 12) && allB(15, 16) && ((e(27) && !b(20)) || allW(27, 31)))
            x += 4 + (w(20) ? 4 : 0) + (toMove && o(23) ? 30 : 0);
        if (allW(17, 21) && allE(14, 5) && allB(9, 10) && ((e(22) && !b(13)) || allW(22, 26)))
            x += 4 + (w(13) ? 4 : 0) + (toMove && o(18) ? 30 : 0);
        // 28. The outpost on 20.
        if (w(20)) {
            if (w(26) && allB(16, 11, 19)) {
                if (allW(23, 28)) x += 10 + (b(12) ? 5 : 0) + (b(8) ? 5 : 0) + (b(4) ? 5 : 0);
            } else if (!(allW(19, 23) && allB(16, 11, 12) && e(15) && !b(14))) {
                if (e(4)) x += 5 + (allB(8, 12) ? 5 : 0) + (e(2) ? 5 : 0);
                if (e(2)) x += 9;
                if (allB(16, 11)) x += 20 + (b(12) ? 7 : 0) + (e(4) ? 5 : 0);
            } else {
                x += 5 + (b(8) ? 2 : 0) + (b(4) ? 2 : 0) + (e(3) ? 2 : 0);
            }
        }
        // 29. The back corner man on 28.
        if (w(28)) {
            if (w(24)) x += 2;
        } else if (!w(32) && ownMen >= 6) {
            x -= 7 + (ownMen > 8 ? 5 : 0) + (w(24) ? 2 : 0) + (w(19) ? 2 : 0);
        }
        // 30. Compact groups behind a hole.
        if (allW(18, 23, 27) && e(14)) x += 2;
        if (allW(14, 15, 18, 22, 23) && e(10)) x += 4;
        if (allW(18, 19, 23, 26, 27) && e(15)) x += 4;
        // 31-33. A pair facing two enemy men with nothing between.
        if (allB(11, 12) && allW(19, 20, 24) && allE(15, 16, 8, 4)) x += o(28) ? 20 : -20;
        if (allB(10, 11) && allW(18, 19, 23) && allE(14, 15, 16, 7)) {
            if (o(26) || o(27)) x += 30;
            else if (e(20)) x -= 20;
        }
        if (allB(14, 15) && allW(22, 23, 26) && allE(17, 18, 19, 10)) {
            if (o(30) || o(31)) x += 30;
            else if (e(24)) x -= 20;
        }
        // 34. The column 12, 16, 20 with few men left; black's version is
        // gated on white's men as well.
        const int gateMen = v.mirrored() ? v.oppMen() : ownMen;
        if (b(7) && allW(12, 16, 20) && allE(3, 4, 8) && gateMen < 8) x += 20;
        // 35. The chain 13, 17, 21 against black's 10.
        if (allW(13, 17, 21) && b(10)) {
            if (b(14)) {
                if (e(19)) x += 10;
                if (ownMen < 9 && allE(9, 5, 6, 1, 22)) x += 20;
            } else if (e(14) && b(9) && o(18) && e(5)) {
                x += 5 + (toMove ? 40 : 0);
            }
        }
        // 36. The wedge 13, 18 against black's 6, 9, 14.
        if (allW(13, 18, 21, 23) && allB(6, 9, 14))
            x += 30 + (e(10) ? 10 : 0) + (w(19) ? 10 : 0) + (b(1) ? 10 : 0) + (b(5) ? 10 : 0);
        return x;
    }
};

template <class View> int formationsOneSide(const View& v, bool toMove, int phase)
{
    const Rules<View> r { v, toMove, phase };
    return (phase <= 1 ? r.openingWings() : 0) + r.general();
}

} // namespace

int formations(const BothViews& views, bool whiteToMove, int phase)
{
    const int v = forBothSides(views, whiteToMove, [phase](const auto& view, bool toMove) {
        return formationsOneSide(view, toMove, phase);
    });
    return std::clamp(v, -50, 50);
}

int formations(const Board& b, const PieceCounts& c, bool whiteToMove, int phase)
{
    return formations(BothViews(b, c), whiteToMove, phase);
}

} // namespace kv::knowledge
