// The evaluation treats the colours alike: a position and its colour mirror
// (board turned half round, colours exchanged, the other side to move) get
// the same value from the mover's view, except where the knowledge is
// deliberately lopsided. Those cases are excluded here by name.
#include "random_positions.h"
#include "test_positions.h"

#include "eval/knowledge.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

bool has(const Board& b, std::uint8_t code, std::initializer_list<int> squares)
{
    for (int s : squares)
        if (b[s] != code) return false;
    return true;
}

// Positions that meet a rule whose black version differs from the mirror of
// white's, or a table that is not symmetric.
bool lopsided(const Board& b)
{
    const PieceCounts c = PieceCounts::of(b);
    const int wm = c[WhiteMan], wk = c[WhiteKing], bm = c[BlackMan], bk = c[BlackKing];
    // Runaway men: black's rules for men on 18 and 20 (white's on 13, 15 in the mirror).
    for (int s : { 18, 20 })
        if (b[s] == BlackMan || b[33 - s] == WhiteMan) return true;
    // Structure of men: black's free-man step reaches its 8 and 9.
    for (int s : { 8, 9 })
        if (b[s] == BlackMan || b[33 - s] == WhiteMan) return true;
    // Formation 34 and its partner, gated on white's men for both colours.
    if ((b[7] == BlackMan && has(b, WhiteMan, { 12, 16, 20 }))
        || (b[26] == WhiteMan && has(b, BlackMan, { 21, 17, 13 })))
        return true;
    // King tables: the long-diagonal table looks at white's pieces only and
    // is not symmetric itself; the four-against-one table favours 1 and 5.
    auto diagonalTable = [](int m, int k, int om, int ok) {
        return m >= 2 && k >= 2 && m <= 4 && om <= 4 && ok >= 1;
    };
    if (diagonalTable(wm, wk, bm, bk) || diagonalTable(bm, bk, wm, wk)) return true;
    if (wm + bm == 0 && ((wk == 4 && bk == 1) || (wk == 1 && bk == 4))) return true;
    // Three kings: the bonus weighs the kings by their square numbers.
    if ((wk == 3 && wm == 0 && bm == 1 && bk == 1) || (bk == 3 && bm == 0 && wm == 1 && wk == 1))
        return true;
    return false;
}

void expectMirrorEqual(const Board& b, SideToMove e, int ply, Square last, std::uint8_t rootPiece)
{
    const Board m = test::colourMirror(b);
    const std::uint8_t mirroredPiece = rootPiece == 0 ? 0
        : isWhite(rootPiece)                          ? rootPiece + 2
                                                      : rootPiece - 2;
    test::RootEval a, z;
    const int v = a(b, e, ply, -32000, 32000, last, rootPiece);
    const int w = z(m, e == White ? Black : White, ply, -32000, 32000, mirror(last), mirroredPiece);
    ASSERT_EQ(v, w) << "ply " << ply << " e " << int(e);
}

TEST(Mirror, ColourMirroredPositionsEvaluateAlike)
{
    std::mt19937 rng(3);
    int checked = 0;
    auto check = [&](const test::SidedBoard& p) {
        if (lopsided(p.board)) return;
        const int ply = std::uniform_int_distribution<int>(1, 8)(rng);
        int last = 0;
        for (int s = 1; s <= 32 && last == 0; ++s)
            if (p.board[s] != Empty && rng() % 4 == 0) last = s;
        const std::uint8_t piece = static_cast<std::uint8_t>(rng() % 5);
        expectMirrorEqual(p.board, p.side, ply, static_cast<Square>(last), piece);
        ++checked;
    };
    for (const auto& p : test::randomGamePositions(rng, 60, 100)) check(p);
    for (int i = 0; i < 4000; ++i) check(test::randomBoard(rng, 16, 0.2));
    for (int i = 0; i < 2000; ++i) check(test::randomBoard(rng, 24, 0.0));
    EXPECT_GT(checked, 2000);
}

TEST(Mirror, KnowledgeTermsAreExactMirrorsOnSymmetricRules)
{
    // A white runaway man on 9 and a black one on 24 cancel with the turn exchanged.
    const Board b = test::boardOf({ { 9 }, {}, { 30 } });
    const Board m = test::colourMirror(b);
    EXPECT_EQ(knowledge::runawayMen(b, PieceCounts::of(b), true),
              -knowledge::runawayMen(m, PieceCounts::of(m), false));
    EXPECT_NE(knowledge::runawayMen(b, PieceCounts::of(b), true), 0);
}

} // namespace
} // namespace kv
