// The structure-of-men term written the plain way, square by square on the
// board with black's rules spelled out on real squares (its own directions,
// s + 8 for s - 8, the lopsided free-man step), and compared with the term
// the evaluation uses, which reads bit masks and a turned view for black.
#include "random_positions.h"
#include "test_positions.h"

#include "eval/knowledge.h"
#include "eval/patterns.h"
#include "eval/tables.h"
#include "rules/geometry.h"
#include "rules/notation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace kv {
namespace {

struct Plain {
    const Board& b;

    static int n(int s, int d) { return DirectionTable[d][s]; }
    bool e(int s) const { return s >= 1 && s <= 32 && b[s] == Empty; }
    bool offOrEmpty(int s) const { return s == 0 || b[s] == Empty; }
    bool is(int s, std::uint8_t code) const { return s >= 1 && s <= 32 && b[s] == code; }

    int whiteMan(int s, int phase) const
    {
        int v = 0;
        const int f0 = n(s, 0), f1 = n(s, 1), r2 = n(s, 2), r3 = n(s, 3);
        if (e(r2)) v -= 2 + (e(n(r2, 2)) ? 3 : 0) + (e(r3) ? 2 : 0);
        if (e(r3)) v -= 2 + (e(n(r3, 3)) ? 3 : 0) + (e(r2) ? 2 : 0);
        if (s > 12 && is(f0, WhiteMan) && is(f1, WhiteMan) && e(r2) && e(r3) && offOrEmpty(n(f0, 0))
            && offOrEmpty(n(f1, 1)) && e(s - 8)) {
            v -= 12 + (phase == 3 ? 12 : 0);
            if (is(f0 - 8, BlackMan) && is(f1 - 8, BlackMan)) v -= 15;
        }
        int f = 0;
        if (e(f0)) f += 2;
        else if (is(f0, BlackMan) && e(r3)) v -= 50;
        if (e(f1)) f += 2;
        else if (is(f1, BlackMan)) {
            if (e(r2)) v -= 50;
        } else if (s < 20 && f == 0 && e(r2) && e(r3)) {
            v -= 10;
        }
        v += f;
        if (f == 4 && s < 24) {
            int g = 0;
            for (int x : { n(f0, 0), n(f1, 1) }) {
                if (!is(x, BlackMan)) v += 5;
                else ++g;
            }
            if (g > 0 && is(s - 8, BlackMan) && e(r2) && e(r3)) v -= 5 + (g == 2 ? 15 : 0);
        }
        return v;
    }

    int blackMan(int s, int phase) const
    {
        int v = 0;
        const int f3 = n(s, 3), f2 = n(s, 2), r1 = n(s, 1), r0 = n(s, 0);
        if (e(r1)) v += 2 + (e(n(r1, 1)) ? 3 : 0) + (e(r0) ? 2 : 0);
        if (e(r0)) v += 2 + (e(n(r0, 0)) ? 3 : 0) + (e(r1) ? 2 : 0);
        if (s < 21 && is(f3, BlackMan) && is(f2, BlackMan) && e(r1) && e(r0) && offOrEmpty(n(f3, 3))
            && offOrEmpty(n(f2, 2)) && e(s + 8)) {
            v += 12 + (phase == 3 ? 12 : 0);
            if (is(f3 + 8, WhiteMan) && is(f2 + 8, WhiteMan)) v += 15;
        }
        int f = 0;
        if (e(f3)) f += 2;
        else if (is(f3, WhiteMan) && e(r0)) v += 50;
        if (e(f2)) f += 2;
        else if (is(f2, WhiteMan)) {
            if (e(r1)) v += 50;
        } else if (s >= 14 && f == 0 && e(r1) && e(r0)) {
            v += 10;
        }
        v -= f;
        if (f == 4 && s >= 8) {
            int g = 0;
            for (int x : { n(f3, 3), n(f2, 2) }) {
                if (!is(x, WhiteMan)) v -= 5;
                else ++g;
            }
            if (g > 0 && is(s + 8, WhiteMan) && e(r1) && e(r0)) v += 5 + (g == 2 ? 15 : 0);
        }
        return v;
    }

    int structure(int phase) const
    {
        int v = 0;
        for (int s = 1; s <= 32; ++s) {
            if (!evaltables::InteriorMask[s]) continue;
            if (b[s] == WhiteMan && s >= 9) v += whiteMan(s, phase);
            if (b[s] == BlackMan && s <= 24) v += blackMan(s, phase);
        }
        return std::clamp(v, -60, 60);
    }
};

// The runaway rules for white, read off a plain board; black's run on the
// board turned round with colours exchanged, `black` marking the three
// places where its rules are not the exact mirror.
struct PlainRunaway {
    const Board& b;
    bool black;

    bool e(int s) const { return b[s] == Empty; }
    bool o(int s) const { return b[s] != Empty; }
    bool w(int s) const { return b[s] == WhiteMan; }
    bool bl(int s) const { return b[s] == BlackMan; }
    bool noEnemyKing() const
    {
        for (int s = 1; s <= 32; ++s)
            if (b[s] == BlackKing) return false;
        return true;
    }

    int row6(bool W, int a, int c, int x, int y) const
    {
        int v = 0;
        if ((W && (e(a) || e(c))) || (e(a) && e(c)) || (e(c) && o(a) && o(x))
            || (e(a) && o(c) && o(y)))
            v += 90;
        if (o(a) && o(c)) v -= 40;
        return v;
    }

    int value(bool W) const
    {
        int v = 0;
        if (w(5)) v += 20 + (e(1) ? 70 : 0);
        if (w(6)) v += row6(W, 1, 2, 10, 9);
        if (w(7)) v += row6(W, 2, 3, 11, 10);
        if (w(8)) v += row6(W, 3, 4, 12, 11);
        if (w(9)) {
            if (W ? (e(1) && (e(2) || e(5))) || (e(2) && o(1) && o(10))
                  : (e(1) && e(5) && e(6)) || (e(1) && e(2) && e(6) && o(5) && o(14)))
                v += W ? 60 : 50;
        }
        if (w(10)) {
            if (W) {
                if ((e(1) && (e(2) || (o(2) && o(9)))) || (e(2) && e(3)) || (e(3) && o(2) && o(11)))
                    v += 60;
            } else if (e(2) && e(6) && e(7)) {
                v += 10 + (noEnemyKing() ? 20 : 0) + (e(1) || e(3) ? 40 : 0);
            } else if ((e(1) && e(2) && e(6) && o(7) && o(14))
                       || (e(3) && e(2) && e(7) && o(6) && o(15))) {
                v += 50;
            }
        }
        if (w(11)) {
            if (W) {
                if ((e(2) && (e(3) || (o(3) && o(10)))) || (e(3) && e(4))
                    || (e(4) && o(3) && o(12)))
                    v += 60;
            } else if (e(3) && e(7) && e(8)) {
                v += 10 + (noEnemyKing() ? 20 : 0) + (e(2) || e(4) ? 40 : 0);
            } else if ((e(2) && e(3) && e(7) && o(8) && o(15))
                       || (e(4) && e(3) && e(8) && o(7) && o(16))) {
                v += 50;
            }
        }
        if (w(12)) {
            if (W) {
                if ((e(3) && e(4)) || (e(3) && o(4) && o(11))) v += 60;
            } else if (e(3) && e(4)) {
                v += 50;
            } else if (o(4)) {
                v += 15;
            }
        }
        if (w(13)) {
            if (W) {
                if (e(1) && ((e(5) && e(6) && (e(9) || e(2))) || (e(2) && e(6) && o(5) && o(14))))
                    v += black ? 55 : 50;
                else if (e(1) && e(2) && e(6) && (black ? w(9) : bl(9))) v += 60;
            } else if (e(1) && e(2) && e(6) && (e(5) || bl(9))) {
                v += 40;
            }
        }
        if (w(14)) {
            if (W) {
                if (e(1) && e(5) && (e(6) || o(13))) v += 50;
                else if (e(1) && e(5) && bl(9)) v += 70;
                else if (!(e(2) && e(6) && e(7))) {
                    if (e(2) && e(3) && e(7) && o(6) && o(15)) v += 50;
                } else if (e(10)) v += 50;
                else if (e(3)) v += 90;
            } else if (e(5) && bl(9) && o(18) && (!bl(10) || o(17))) {
                v += o(1) && o(2) ? 15 : 25 + (e(1) ? 10 : 0);
            } else if (e(2) && e(3) && e(7)) {
                if (bl(10) && bl(15) && o(17)) v += 80;
                else if (e(1) && e(6) && (e(10) || o(17))) v += 40;
            }
        }
        if (w(15)) {
            if (W) {
                if (e(2) && e(6) && e(7) && e(10)) v += 20 + (e(1) || o(3) ? 30 : 0);
                else if (e(1) && e(2) && e(6)) v += bl(10) ? 80 : o(7) && o(14) ? 50 : 0;
                else if (e(3) && e(7) && e(8) && e(11)) v += 20 + (e(2) || o(4) ? 30 : 0);
                else if (o(3) || o(4) || o(8))
                    v += o(3) && bl(11) && e(8) && e(4) && o(12) ? 80 : 0;
                else v += bl(11) ? 80 : o(7) && o(16) ? 50 : 0;
            } else if (e(6) && bl(10) && o(19) && (!bl(11) || o(18))) {
                if (e(1) && e(2)) v += 70;
            } else if (e(3) && e(4) && e(8)) {
                if (bl(11) && (black ? bl(16) : o(16)) && o(18)) v += 80;
                else if (e(2) && e(7) && (e(11) || o(18))) v += 40;
            }
        }
        if (w(16) && e(3) && e(4) && e(8) && e(12) && (W || e(11))) v += 50;
        if (w(17) && e(1) && e(2) && e(5) && e(6) && e(9) && e(13) && (W || e(14))) v += 40;
        if (w(30) && w(32)) v += 15;
        return v;
    }

    static int total(const Board& board, bool whiteToMove)
    {
        const Board turned = colourMirrored(board);
        const int v = PlainRunaway { board, false }.value(whiteToMove)
            - PlainRunaway { turned, true }.value(!whiteToMove);
        return std::clamp(2 * v, -170, 170);
    }
};

TEST(RunawayMenReference, MaskedTermAgreesWithTheRulesSquareBySquare)
{
    std::mt19937 rng(13);
    auto check = [](const Board& b) {
        const PieceCounts c = PieceCounts::of(b);
        for (bool whiteToMove : { true, false })
            ASSERT_EQ(knowledge::runawayMen(b, c, whiteToMove), PlainRunaway::total(b, whiteToMove))
                << formatFen(Position { b, whiteToMove ? White : Black });
    };
    for (const auto& p : test::randomGamePositions(rng, 40, 100)) check(p.board);
    for (int i = 0; i < 20000; ++i) check(test::randomBoard(rng, 14, 0.1).board);
    for (int i = 0; i < 20000; ++i) check(test::randomBoard(rng, 24, 0.0).board);
}

// The formation rules for white on a plain board, in the order of their
// description; black's run on the turned board, `black` marking its two
// lopsided partners (rules 12 and 34).
struct PlainFormations {
    const Board& b;
    bool black;
    int wm, bm; // men of the rule's own side and of the other, as the rule sees them

    bool e(int s) const { return b[s] == Empty; }
    bool o(int s) const { return b[s] != Empty; }
    bool w(int s) const { return b[s] == WhiteMan; }
    bool bl(int s) const { return b[s] == BlackMan; }
    template <class... S> bool W_(S... s) const { return (w(s) && ...); }
    template <class... S> bool B_(S... s) const { return (bl(s) && ...); }
    template <class... S> bool E_(S... s) const { return (e(s) && ...); }

    int value(bool W, int phase) const
    {
        int x = 0;
        if (phase <= 1) {
            if (e(29) && W_(25, 26)) {
                if (bl(15)) x += -10 + (o(21) ? -2 : 0);
                if (bl(13)) {
                    x -= 5;
                    if (bl(17)) x += -5 + (o(21) ? -10 : 0);
                }
            }
            if (w(14)) x += 5 + (e(1) ? 10 : 0);
            if (w(18)) x += 5;
            if (w(13) && B_(6, 9)) {
                x += 5;
                if (w(18)) {
                    x += 5;
                    if (e(5) && e(1)) {
                        if (e(2)) x += 20;
                        if (w(14)) x += 40;
                        else if (e(14) && w(17) && !bl(10) && (e(7) || W)) x += 20;
                    }
                } else {
                    if (w(17) && E_(1, 10, 2)) x += 20;
                    else if (e(2)) x += 10;
                }
                if (bl(1)) x += 5;
                if (bl(5)) x += 5;
            }
        }
        if (phase == 2 && B_(7, 12) && W_(16, 19) && E_(15, 10, 11)) {
            x -= 5;
            if (E_(4, 8, 23, 27, 26)) x += -10 + (w(24) ? -10 : 0) + (w(28) ? -10 : 0);
        }
        if (E_(32, 28)) {
            x -= 10;
            if (o(24)) x += -10 + (bl(20) ? -25 : 0);
            if (phase == 0) x -= 10;
        }
        if (w(12) && e(3)) x += 15 + (bl(4) ? 10 : 0);
        if (phase == 0 && e(2)) {
            x += 3;
            if (e(1)) x += (w(13) ? 10 : 0) + (w(14) ? 10 : 0);
        }
        if (W_(20, 24, 28) && B_(11, 15, 16, 19) && e(27))
            x += (o(26) ? -5 : 25) + (e(12) ? 20 : 0) + (o(4) ? 5 : 0) + (o(8) ? 5 : 0)
                + (e(3) ? 10 : 0);
        if (B_(14, 15, 18) && W_(22, 23, 25, 27) && E_(17, 19)) {
            if (w(21) && e(13)) {
                x += 25;
                if (o(30)) x += -10 + (e(29) ? -10 : 0);
            } else {
                x -= 5;
                if (E_(30, 31)) x -= 50;
                if (o(26) && e(30)) x -= 50;
            }
            if (o(26)) x -= 5;
        }
        if (B_(10, 11, 15) && W_(18, 19, 22, 24) && E_(14, 16, 17, 20))
            x += 5 + (E_(23, 12) && w(20) ? 20 : 0);
        if (B_(6, 7, 10) && W_(14, 15, 17, 19) && E_(9, 11, 13, 16)) {
            x += 5;
            if (E_(18, 5) && (black ? bl(13) : w(13))) x += 20;
            if (e(1) || e(3)) x += 40;
        }
        if (B_(7, 8, 11) && W_(15, 16, 18, 20) && E_(10, 12, 14))
            x += 35 + (e(2) ? 20 : 0) + (e(4) ? 20 : 0);
        if (B_(18, 15) && W_(22, 25) && e(29)) x -= 5;
        if (B_(17, 13) && W_(22, 26) && e(31)) x -= 5;
        if (B_(18, 14) && W_(23, 27) && e(32)) x -= 5;
        if (B_(19, 16) && W_(23, 26) && e(30)) x -= 5;
        if (B_(10, 11, 14, 16) && W_(17, 20, 21, 23) && E_(9, 12, 13, 15, 18, 19)) x += 10;
        if (W_(13, 17, 21) && bl(5) && E_(9, 10)) {
            if (E_(6, 14)) x += 5 + (bl(7) && e(3) ? 50 : 0);
            if (w(14)) x += 5 + (bl(7) && e(3) ? 50 : 0);
        }
        if (W_(13, 17, 21) && B_(9, 14) && e(22)) x += 10 + (E_(25, 29) ? 15 : 0);
        if (W_(14, 17, 21) && B_(5, 10) && E_(6, 9) && !bl(13)) x += 5 + (e(1) || e(2) ? 30 : 0);
        if (W_(19, 24, 28) && B_(12, 15) && E_(11, 16) && !bl(20))
            x += 5 + (bl(10) && e(6) ? 8 : 0);
        if (W_(13, 17, 21) && bl(5)) x += 5;
        if (w(11) && E_(7, 8, 3)) x += B_(2, 4) ? 35 : 50;
        if (w(10) && E_(6, 7, 2)) x += B_(1, 3) ? 45 : 60;
        if (B_(14, 16) && w(23) && E_(15, 18, 19)
            && ((W_(26, 30) && e(12)) || (W_(27, 32) && e(9))))
            x += 25;
        if (w(21) && B_(17, 14)) {
            x += 2;
            if (w(26)) x += 3 + (w(22) && e(13) && (W || e(9)) ? 55 : 0);
        }
        // Rule 25, read with its last bonus inside the open-4 case.
        if (W_(20, 16) && e(11) && B_(7, 8) && ((e(19) && !bl(12)) || W_(19, 23)) && e(4)) {
            x += 4;
            if (w(12)) x += 4 + (e(3) ? 40 : 0) + (W && o(15) ? 50 : 0);
            if (E_(12, 3)) x += 40;
        }
        if (W_(28, 24) && E_(19, 12) && B_(15, 16) && ((e(27) && !bl(20)) || W_(27, 31)))
            x += 4 + (w(20) ? 4 : 0) + (W && o(23) ? 30 : 0);
        if (W_(17, 21) && E_(14, 5) && B_(9, 10) && ((e(22) && !bl(13)) || W_(22, 26)))
            x += 4 + (w(13) ? 4 : 0) + (W && o(18) ? 30 : 0);
        if (w(20)) {
            if (w(26) && B_(16, 11, 19)) {
                if (W_(23, 28)) x += 10 + (bl(12) ? 5 : 0) + (bl(8) ? 5 : 0) + (bl(4) ? 5 : 0);
            } else if (W_(19, 23) && B_(16, 11, 12) && e(15) && !bl(14)) {
                x += 5 + (bl(8) ? 2 : 0) + (bl(4) ? 2 : 0) + (e(3) ? 2 : 0);
            } else {
                if (e(4)) x += 5 + (B_(8, 12) ? 5 : 0) + (e(2) ? 5 : 0);
                if (e(2)) x += 9;
                if (B_(16, 11)) x += 20 + (bl(12) ? 7 : 0) + (e(4) ? 5 : 0);
            }
        }
        if (w(28)) {
            if (w(24)) x += 2;
        } else if (!w(32) && wm >= 6) {
            x += -7 + (wm > 8 ? -5 : 0) + (w(24) ? -2 : 0) + (w(19) ? -2 : 0);
        }
        if (W_(18, 23, 27) && e(14)) x += 2;
        if (W_(14, 15, 18, 22, 23) && e(10)) x += 4;
        if (W_(18, 19, 23, 26, 27) && e(15)) x += 4;
        if (B_(11, 12) && W_(19, 20, 24) && E_(15, 16, 8, 4)) x += o(28) ? 20 : -20;
        if (B_(10, 11) && W_(18, 19, 23) && E_(14, 15, 16, 7))
            x += o(26) || o(27) ? 30 : e(20) ? -20 : 0;
        if (B_(14, 15) && W_(22, 23, 26) && E_(17, 18, 19, 10))
            x += o(30) || o(31) ? 30 : e(24) ? -20 : 0;
        if (bl(7) && W_(12, 16, 20) && E_(3, 4, 8) && (black ? bm : wm) < 8) x += 20;
        if (W_(13, 17, 21) && bl(10)) {
            if (bl(14)) {
                if (e(19)) x += 10;
                if (wm < 9 && E_(9, 5, 6, 1, 22)) x += 20;
            } else if (e(14) && bl(9) && o(18) && e(5)) {
                x += 5 + (W ? 40 : 0);
            }
        }
        if (W_(13, 18, 21, 23) && B_(6, 9, 14))
            x += 30 + (e(10) ? 10 : 0) + (w(19) ? 10 : 0) + (bl(1) ? 10 : 0) + (bl(5) ? 10 : 0);
        return x;
    }

    static int total(const Board& board, bool whiteToMove, int phase)
    {
        const PieceCounts c = PieceCounts::of(board);
        const Board turned = colourMirrored(board);
        const int white
            = PlainFormations { board, false, c[WhiteMan], c[BlackMan] }.value(whiteToMove, phase);
        const int black
            = PlainFormations { turned, true, c[BlackMan], c[WhiteMan] }.value(!whiteToMove, phase);
        return std::clamp(white - black, -50, 50);
    }
};

// The squares a formation rule needs before its refinements are looked at,
// written for white ("w20 b11 e27").
constexpr std::string_view kFormationBases[] = {
    "e29 w25 w26",
    "w13 b6 b9 w18 e5 e1",
    "w13 b6 b9",
    "b7 b12 w16 w19 e15 e10 e11",
    "e32 e28",
    "w20 w24 w28 b11 b15 b16 b19 e27",
    "b14 b15 b18 w22 w23 w25 w27 e17 e19",
    "b10 b11 b15 w18 w19 w22 w24 e14 e16 e17 e20",
    "b6 b7 b10 w14 w15 w17 w19 e9 e11 e13 e16",
    "b7 b8 b11 w15 w16 w18 w20 e10 e12 e14",
    "b10 b11 b14 b16 w17 w20 w21 w23 e9 e12 e13 e15 e18 e19",
    "w13 w17 w21 b5 e9 e10",
    "w13 w17 w21 b9 b14 e22",
    "w14 w17 w21 b5 b10 e6 e9",
    "w19 w24 w28 b12 b15 e11 e16",
    "b14 b16 w23 e15 e18 e19",
    "w21 b17 b14 w26",
    "w20 w16 e11 b7 b8 e4",
    "w28 w24 e19 e12 b15 b16",
    "w17 w21 e14 e5 b9 b10",
    "w20 w26 b16 b11 b19",
    "w20 w19 w23 b16 b11 b12 e15",
    "b11 b12 w19 w20 w24 e15 e16 e8 e4",
    "b10 b11 w18 w19 w23 e14 e15 e16 e7",
    "b14 b15 w22 w23 w26 e17 e18 e19 e10",
    "b7 w12 w16 w20 e3 e4 e8",
    "w13 w17 w21 b10",
    "w13 w18 w21 w23 b6 b9 b14",
};

// `board` with the squares of `base` set as it says, for white as written or
// for black on the turned squares.
Board withBase(Board board, std::string_view base, bool forBlack)
{
    while (!base.empty()) {
        const std::size_t end = std::min(base.find(' '), base.size());
        const std::string_view t = base.substr(0, end);
        base.remove_prefix(std::min(end + 1, base.size()));
        int s = 0;
        for (char ch : t.substr(1)) s = s * 10 + (ch - '0');
        const bool own = t[0] == 'w';
        if (forBlack) s = 33 - s;
        board[s] = t[0] == 'e' ? Empty : own != forBlack ? WhiteMan : BlackMan;
    }
    return board;
}

TEST(FormationsReference, MaskedTermAgreesWithTheRulesSquareBySquare)
{
    std::mt19937 rng(17);
    int spoke = 0;
    auto check = [&](const Board& b) {
        const PieceCounts c = PieceCounts::of(b);
        for (int phase = 0; phase <= 2; ++phase)
            for (bool whiteToMove : { true, false }) {
                const int v = knowledge::formations(b, c, whiteToMove, phase);
                ASSERT_EQ(v, PlainFormations::total(b, whiteToMove, phase))
                    << formatFen(Position { b, whiteToMove ? White : Black }) << " phase " << phase;
                spoke += v != 0;
            }
    };
    for (const auto& p : test::randomGamePositions(rng, 60, 100)) check(p.board);
    for (int i = 0; i < 20000; ++i) check(test::randomBoard(rng, 24, 0.0).board);
    // Random boards rarely meet a rule of many squares: force each rule's
    // base, for white or (turned) for black, and let chance decide the rest.
    for (int i = 0; i < 400; ++i)
        for (std::string_view base : kFormationBases)
            check(withBase(test::randomBoard(rng, 24, 0.0).board, base, rng() % 2 == 0));
    EXPECT_GT(spoke, 1000);
}

TEST(ManStructureReference, MaskedTermAgreesWithTheRulesSquareBySquare)
{
    std::mt19937 rng(11);
    auto check = [](const Board& b) {
        const PieceCounts c = PieceCounts::of(b);
        for (int phase = 0; phase <= 3; ++phase)
            ASSERT_EQ(knowledge::manStructure(b, c, phase), Plain { b }.structure(phase))
                << formatFen(Position { b, White });
    };
    for (const auto& p : test::randomGamePositions(rng, 40, 100)) check(p.board);
    for (int i = 0; i < 20000; ++i) check(test::randomBoard(rng, 14, 0.1).board);
}

// The learned patterns read square by square: each block lists its squares
// in the order of their powers of three (rows from the top, then the squares
// of a row), white's men counting 1 and black's 2; black reads the board
// turned round with the colours exchanged.
int plainPatterns(const Board& b)
{
    std::vector<std::vector<int>> blocks;
    for (int band = 0; band < 3; ++band)
        for (int pair = 0; pair < 3; ++pair) {
            std::vector<int> squares;
            for (int row = 2 * band; row < 2 * band + 4; ++row)
                for (int k = pair; k < pair + 2; ++k) squares.push_back(4 * row + k + 1);
            blocks.push_back(squares);
        }
    for (int row = 0; row < 7; ++row) {
        std::vector<int> squares;
        for (int s = 4 * row + 1; s <= 4 * row + 8; ++s) squares.push_back(s);
        blocks.push_back(squares);
    }
    const PatternTable& t = learnedPatterns();
    int full = 0, empty = 0;
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        int white = 0, black = 0, power = 1;
        for (int s : blocks[block]) {
            white += power * (b[s] == WhiteMan ? 1 : b[s] == BlackMan ? 2 : 0);
            black += power * (b[33 - s] == BlackMan ? 1 : b[33 - s] == WhiteMan ? 2 : 0);
            power *= 3;
        }
        const int base = static_cast<int>(block) * 6561;
        full += t[base + white].full - t[base + black].full;
        empty += t[base + white].empty - t[base + black].empty;
    }
    const PieceCounts c = PieceCounts::of(b);
    const int men = std::min(c[WhiteMan] + c[BlackMan], 24);
    return (full * men + empty * (24 - men)) / 24;
}

// The whole evaluation step by step on a plain board, with the sums counted
// from scratch and the knowledge terms above, against the evaluator's
// incremental, table-driven one.
int plainEvaluate(const Evaluator& ev, const Board& b, SideToMove e, int p, int alpha, int beta,
                  int last, int rootPiece)
{
    using namespace evaltables;
    const ParameterSet& par = ev.parameters();
    const int t0 = par.threshold(0), t1 = par.threshold(1), t2 = par.threshold(2);
    const PieceCounts c = PieceCounts::of(b);
    const int wm = c[WhiteMan], wk = c[WhiteKing], bm = c[BlackMan], bk = c[BlackKing];
    const int T = wm + wk + bm + bk, M = wm + bm;
    const bool white = e == White;
    const bool W = (p % 2 == 1) == white;

    int K = T > t0 ? 260 : T > t1 ? 290 : T > t2 ? 310 : 330;
    K = 2 * K + (wk + bk == 1 ? 30 : 0);
    int mat = static_cast<std::int16_t>((wm - bm) * 200 + (wk - bk) * K);
    if (!white) mat = -mat;
    if ((p % 2 == 1 && mat <= alpha - kLazyMargin) || (p % 2 == 0 && mat >= beta + kLazyMargin))
        return mat;

    int S = 0;
    if (wk >= 1 && bk >= 1 && wm < 5 && bm < 5) {
        bool own = false, opp = false;
        for (int s : { 4, 8, 11, 15, 18, 22, 25, 29 }) {
            own = own || b[s] == (white ? WhiteKing : BlackKing);
            opp = opp || b[s] == (white ? BlackKing : WhiteKing);
        }
        S += (own ? 50 : 0) - (opp ? 50 : 0);
    }
    const int sign = white ? 1 : -1;
    const int R = sign * knowledge::runawayMen(b, c, W);

    int positional = 0, advance = 0, centre[2] = {}, zone[2][5] = {};
    for (int s = 1; s <= 32; ++s) {
        if (b[s] == Empty) continue;
        const bool own = isWhite(b[s]) == white;
        if (isKing(b[s])) {
            positional += (own ? 1 : -1) * ev.kingTable()[s];
            continue;
        }
        const int v = b[s] == WhiteMan ? 33 - s : s;
        positional += (own ? 1 : -1) * ev.manTable()[v];
        advance += (own ? 1 : -1) * ((v - 1) / 4);
        centre[own ? 0 : 1] += CentreTable[v];
        ++zone[own ? 0 : 1][ZoneTable[v]];
    }
    S += positional;
    int opening = TempoOpening, middle = TempoMiddle;
    if (ev.variant(1)) {
        opening = TempoOpeningVariant1;
        middle = TempoMiddleVariant1;
    } else if (ev.variant(2)) {
        opening = TempoOpeningVariant2;
        middle = TempoMiddleVariant2;
    }
    const int w = par.tempoWeight(M > t0       ? opening
                                      : M > t1 ? middle
                                      : M > t2 ? TempoPreEndgame
                                               : TempoEndgame);
    S += w * advance + 5 * advance;
    const auto& own = zone[0];
    const auto& opp = zone[1];
    if (T > t2) {
        S += 15 * (centre[0] - centre[1])
            + 8 * (std::abs(opp[1] - opp[2]) - std::abs(own[1] - own[2]));
        S = std::clamp(S, -kEarlyPositionalBound, kEarlyPositionalBound);
    }
    if (T > t0) {
        for (int d : { own[1] - opp[4], own[2] - opp[3] })
            if (d < 0) S += 15 * d;
        for (int d : { own[4] - opp[1], own[3] - opp[2] })
            if (d > 0) S += 15 * d;
    }
    int B = 0;
    if (wk == 0 && bk == 0) B = sign * knowledge::breakthrough(b, W);
    if (B == 0) {
        if (ev.gamePhase() < 3) S += sign * knowledge::formations(b, c, W, ev.gamePhase());
        if (-9 < R && R < 9) S += sign * knowledge::manStructure(b, c, ev.gamePhase());
    }
    if (p > 2) {
        for (int k = 0; k < 4; ++k) {
            const int front = DirectionTable[3 - k][last];
            // A piece must stand in front: see the evaluation's own comment.
            if (b[DirectionTable[k][last]] == Empty && b[front] != Empty
                && std::abs(b[last] - b[front]) == 2) {
                S += p % 2 == 0 ? 100 : -100;
                break;
            }
        }
    }
    S = std::clamp(S, -kPositionalBound, kPositionalBound);
    int total = S + R + B + sign * plainPatterns(b);
    if (ev.gamePhase() == 3 && rootPiece == BlackMan) total += white ? -30 : 30;
    if (ev.gamePhase() == 3 && rootPiece == WhiteMan) total += white ? 30 : -30;
    total += mat;

    auto kingsOn = [&](std::uint8_t king, int x, int y) { return b[x] == king && b[y] == king; };
    auto corners = [&](std::uint8_t king) {
        return kingsOn(king, 1, 5) || kingsOn(king, 1, 32) || kingsOn(king, 28, 5)
            || kingsOn(king, 28, 32);
    };
    if (wm == 0 && wk == 3 && bm == 1 && bk == 1) {
        const int x = knowledge::tripleKingBlock(b, White);
        if (x > 0 && white && total + x < 15000) total += x;
        if (x > 0 && !white && total - x > -15000) total -= x;
    } else if (bm == 0 && bk == 3 && wm == 1 && wk == 1) {
        const int x = knowledge::tripleKingBlock(b, Black);
        if (x > 0 && !white && total + x < 15000) total += x;
        if (x > 0 && white && total - x > -15000) total -= x;
    } else if (M == 0 && wk == 4 && bk == 2 && -15000 < total && total < 15000) {
        if (corners(BlackKing)) total /= 2;
    } else if (M == 0 && wk == 2 && bk == 4 && -15000 < total && total < 15000) {
        if (corners(WhiteKing)) total /= 2;
    }
    if (-31000 < total && total < 31000 && T <= 7 && wm >= 1 && bm >= 1 && wk >= 2 && bk >= 2)
        total /= 4;
    return static_cast<std::int16_t>(total);
}

TEST(EvaluateReference, EveryStepAgreesWithThePlainReading)
{
    std::mt19937 rng(19);
    Evaluator ev(defaultParameters());
    EvalCache cache(10);
    // Any key that names the board will do.
    const auto boardKey = [](const Board& b) {
        std::uint64_t k = 14695981039346656037u;
        for (int s = 1; s <= 32; ++s) k = (k ^ b[s]) * 1099511628211u;
        return k;
    };
    int checked = 0;
    auto check = [&](const Board& b) {
        const PieceCounts c = PieceCounts::of(b);
        ev.preparePhase(b, c);
        cache.clear(); // the phase may have changed
        for (SideToMove e : { White, Black }) {
            const EvalSums sums = ev.prepareSums(b, c, e);
            const int ply = std::uniform_int_distribution<int>(1, 9)(rng);
            const int alpha = std::uniform_int_distribution<int>(-900, 700)(rng);
            const int beta = alpha + std::uniform_int_distribution<int>(1, 300)(rng);
            int last = 0;
            while (last == 0) {
                const int s = std::uniform_int_distribution<int>(1, 32)(rng);
                if (b[s] != Empty) last = s;
            }
            const int rootPiece = static_cast<int>(rng() % 5);
            // Twice through one cache shared by every board: the second
            // reading comes from the cache, which must tell the side to move
            // apart (the two root sides read each board with either side to move).
            const int want = plainEvaluate(ev, b, e, ply, alpha, beta, last, rootPiece);
            for (int pass = 0; pass < 2; ++pass) {
                const EvalNode node { b,
                                      c,
                                      ply,
                                      static_cast<Square>(last),
                                      static_cast<std::uint8_t>(rootPiece),
                                      sums,
                                      &cache,
                                      boardKey(b) };
                ASSERT_EQ(ev.evaluate(node, e, alpha, beta), want)
                    << formatFen(Position { b, White }) << " e " << int(e) << " ply " << ply
                    << " window " << alpha << ".." << beta << " pass " << pass;
            }
            ++checked;
        }
    };
    for (const auto& p : test::randomGamePositions(rng, 40, 120)) check(p.board);
    for (int i = 0; i < 6000; ++i) check(test::randomBoard(rng, 24, 0.15).board);
    for (int i = 0; i < 6000; ++i) check(test::randomBoard(rng, 7, 0.6).board);
    EXPECT_GT(checked, 20000);
}

} // namespace
} // namespace kv
