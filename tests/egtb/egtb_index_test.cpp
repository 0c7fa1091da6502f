#include "eval/egtb_index.h"
#include "tests/support/boards.h"

#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

using namespace kv;
using kv::test::boardOf;
using namespace kv::egtb;

namespace {

TableId tableNamed(std::string_view name)
{
    for (TableId t = 0; t < kTableCount; ++t)
        if (tableLayout(t).name == name) return t;
    ADD_FAILURE() << "no table " << name;
    return 0;
}

} // namespace

TEST(EgtbIndex, NamesSizesAndLoadOrder)
{
    const std::array<std::pair<std::string_view, std::uint32_t>, kTableCount> expected = { {
        { "dod.bib", 1056 },     { "ddod.bib", 15841 },   { "dodd.bib", 15841 },
        { "dop.alb", 1056 },     { "pod.alb", 1056 },     { "pop.alb", 1056 },
        { "pdod.alb", 33824 },   { "dopd.alb", 33824 },   { "podd.alb", 15841 },
        { "ddop.alb", 15841 },   { "pdop.alb", 33824 },   { "popd.alb", 33824 },
        { "dopp.alb", 15841 },   { "ppod.alb", 15841 },   { "popp.alb", 15841 },
        { "ppop.alb", 15841 },   { "dddod.bib", 163215 }, { "doddd.bib", 163215 },
        { "pddod.alb", 523683 }, { "dopdd.alb", 523683 }, { "ppdod.alb", 523683 },
        { "doppd.alb", 523683 },
    } };
    for (TableId t = 0; t < kTableCount; ++t) {
        EXPECT_EQ(tableLayout(t).name, expected[t].first);
        EXPECT_EQ(tableLayout(t).size, expected[t].second) << expected[t].first;
        // The name spells the material: letters before "o" move.
        const Material m = materialOf(tableLayout(t));
        const std::string_view name = tableLayout(t).name;
        const auto o = name.find('o');
        const auto stem = name.substr(0, name.find('.'));
        auto count = [](std::string_view s, char c) {
            return static_cast<int>(std::count(s.begin(), s.end(), c));
        };
        EXPECT_EQ(m.moverMen, count(stem.substr(0, o), 'p')) << name;
        EXPECT_EQ(m.moverKings, count(stem.substr(0, o), 'd')) << name;
        EXPECT_EQ(m.otherMen, count(stem.substr(o + 1), 'p')) << name;
        EXPECT_EQ(m.otherKings, count(stem.substr(o + 1), 'd')) << name;
        EXPECT_EQ(tableLayout(t).kingsOnly, name.ends_with(".bib")) << name;
        EXPECT_EQ(partnerOf(partnerOf(t)), t);
    }
    EXPECT_EQ(partnerOf(tableNamed("dod.bib")), tableNamed("dod.bib"));
    EXPECT_EQ(partnerOf(tableNamed("pdod.alb")), tableNamed("dopd.alb"));
}

// Round trip of every index, and as many positions as there are legal
// placements of the material, counted by brute force with like pieces in
// increasing order: no position is without an index, none shares one.
TEST(EgtbIndex, EveryIndexDecodesBackAndEveryPositionHasOne)
{
    for (TableId t = 0; t < kTableCount; ++t) {
        const TableLayout& layout = tableLayout(t);
        long positions = 0;
        forEachPosition(t, [&](const Board& b, std::uint32_t index) {
            ++positions;
            const auto again = canonicalIndex(t, b);
            ASSERT_TRUE(again.has_value());
            ASSERT_EQ(*again, index);
        });

        std::vector<std::uint8_t> codes;
        for (int g = 0; g < layout.groupCount; ++g)
            for (int k = 0; k < layout.groups[g].count; ++k) codes.push_back(layout.groups[g].code);
        long placements = 0;
        std::vector<int> sq(codes.size(), 1);
        for (;;) {
            bool ok = true;
            for (std::size_t i = 0; i < codes.size() && ok; ++i) {
                if (!canonicalSquareValid(codes[i], sq[i])) ok = false;
                for (std::size_t j = 0; j < i && ok; ++j)
                    if (sq[j] == sq[i] || (codes[j] == codes[i] && sq[j] > sq[i])) ok = false;
            }
            placements += ok;
            std::size_t i = 0;
            while (i < sq.size() && ++sq[i] > 32) sq[i++] = 1;
            if (i == sq.size()) break;
        }
        EXPECT_EQ(positions, placements) << layout.name;
    }
}

TEST(EgtbIndex, KingAgainstKingOnTheLastTwoSquaresReadsTheLastByte)
{
    const auto slot = locate(boardOf({ { 32, WhiteKing }, { 31, BlackKing } }), White);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(tableLayout(slot->table).name, "dod.bib");
    EXPECT_EQ(slot->index, 1055u);
    EXPECT_EQ(slot->index, tableLayout(slot->table).size - 1);
    // Kings-only tables keep the real squares when black moves.
    const auto black = locate(boardOf({ { 31, WhiteKing }, { 32, BlackKing } }), Black);
    EXPECT_EQ(black->index, 1055u);
}

TEST(EgtbIndex, BlackToMoveManAgainstKingIsMirrored)
{
    for (int s = 1; s <= 28; ++s)
        for (int t = 1; t <= 32; ++t) {
            if (s == t) continue;
            const auto slot = locate(boardOf({ { s, BlackMan }, { t, WhiteKing } }), Black);
            ASSERT_TRUE(slot.has_value());
            EXPECT_EQ(tableLayout(slot->table).name, "pod.alb");
            EXPECT_EQ(slot->index, static_cast<std::uint32_t>(32 * (33 - s) + (33 - t)));
        }
}

TEST(EgtbIndex, ThreeLikeKingsInAnyOrderGiveOneIndex)
{
    std::array<int, 3> sq { 17, 3, 29 };
    std::sort(sq.begin(), sq.end());
    const std::uint32_t expected = tripleIndex(3, 17, 29) + 4960 * (10 - 1);
    do {
        Board b;
        b.clear();
        for (int s : sq) b[s] = BlackKing; // placed in this order
        b[10] = WhiteKing;
        const auto slot = locate(b, Black);
        ASSERT_TRUE(slot.has_value());
        EXPECT_EQ(tableLayout(slot->table).name, "dddod.bib");
        EXPECT_EQ(slot->index, expected);
    } while (std::next_permutation(sq.begin(), sq.end()));
}

// Formulas written out as the file layout gives them, against the generic
// code, on random positions with either side to move.
TEST(EgtbIndex, LayoutFormulasOnRandomPositions)
{
    auto T2 = [](int p, int q) { return (p - 1) + (q - 1) * (q - 2) / 2; };
    std::mt19937 rng(5);
    const std::uint8_t W[2] = { WhiteMan, WhiteKing }, B[2] = { BlackMan, BlackKing };
    int checked = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const SideToMove side = rng() % 2;
        const int pieces = 2 + rng() % 3;
        Board b;
        b.clear();
        for (int i = 0; i < pieces; ++i) {
            const bool own = i == 0 || (i > 1 && rng() % 2);
            const bool whitePiece = own == (side == White);
            std::uint8_t code = (whitePiece ? W : B)[rng() % 2];
            int s;
            do s = 1 + rng() % 32;
            while (b[s] != Empty || (code == WhiteMan && s <= 4) || (code == BlackMan && s >= 29));
            b[s] = code;
        }
        const auto slot = locate(b, side);
        if (!slot) continue;
        // Normalise by hand: the mover becomes white; with a man on the board
        // the squares turn half a circle.
        bool anyMan = false;
        for (int s = 1; s <= 32; ++s) anyMan |= isMan(b[s]);
        Board n;
        n.clear();
        for (int s = 1; s <= 32; ++s) {
            const std::uint8_t c = b[side == White ? s : (anyMan ? 33 - s : s)];
            n[s] = side == White || c == Empty
                ? c
                : static_cast<std::uint8_t>(isWhite(c) ? c + 2 : c - 2);
        }
        std::vector<int> wm, wk, bm, bk;
        for (int s = 1; s <= 32; ++s) {
            if (n[s] == WhiteMan) wm.push_back(s);
            if (n[s] == WhiteKing) wk.push_back(s);
            if (n[s] == BlackMan) bm.push_back(s);
            if (n[s] == BlackKing) bk.push_back(s);
        }
        const std::string_view name = tableLayout(slot->table).name;
        long expected = -1;
        if (name == "dod.bib") expected = 32 * wk[0] + bk[0];
        if (name == "dop.alb") expected = 32 * wk[0] + bm[0];
        if (name == "pod.alb") expected = 32 * wm[0] + bk[0];
        if (name == "pop.alb") expected = 32 * wm[0] + bm[0];
        if (name == "ddod.bib") expected = T2(wk[0], wk[1]) + 496 * (bk[0] - 1);
        if (name == "dodd.bib") expected = T2(bk[0], bk[1]) + 496 * (wk[0] - 1);
        if (name == "pdod.alb") expected = 1024 * (wm[0] - 1) + 32 * (wk[0] - 1) + (bk[0] - 1);
        if (name == "dopd.alb") expected = 1024 * (wk[0] - 1) + 32 * (bm[0] - 1) + (bk[0] - 1);
        if (name == "pdop.alb") expected = 1024 * (wm[0] - 1) + 32 * (wk[0] - 1) + (bm[0] - 1);
        if (name == "popd.alb") expected = 1024 * (wm[0] - 1) + 32 * (bm[0] - 1) + (bk[0] - 1);
        if (name == "podd.alb") expected = T2(bk[0], bk[1]) + 496 * (wm[0] - 1);
        if (name == "ddop.alb") expected = T2(wk[0], wk[1]) + 496 * (bm[0] - 1);
        if (name == "dopp.alb") expected = T2(bm[0], bm[1]) + 496 * (wk[0] - 1);
        if (name == "ppod.alb") expected = T2(wm[0], wm[1]) + 496 * (bk[0] - 1);
        if (name == "popp.alb") expected = T2(bm[0], bm[1]) + 496 * (wm[0] - 1);
        if (name == "ppop.alb") expected = T2(wm[0], wm[1]) + 496 * (bm[0] - 1);
        if (name == "dddod.bib") expected = tripleIndex(wk[0], wk[1], wk[2]) + 4960 * (bk[0] - 1);
        if (name == "doddd.bib") expected = tripleIndex(bk[0], bk[1], bk[2]) + 4960 * (wk[0] - 1);
        if (name == "pddod.alb")
            expected = T2(wk[0], wk[1]) + 496 * (wm[0] - 1) + 16368 * (bk[0] - 1);
        if (name == "dopdd.alb")
            expected = T2(bk[0], bk[1]) + 496 * (bm[0] - 1) + 16368 * (wk[0] - 1);
        if (name == "ppdod.alb")
            expected = T2(wm[0], wm[1]) + 496 * (wk[0] - 1) + 16368 * (bk[0] - 1);
        if (name == "doppd.alb")
            expected = T2(bm[0], bm[1]) + 496 * (bk[0] - 1) + 16368 * (wk[0] - 1);
        ASSERT_NE(expected, -1) << name;
        EXPECT_EQ(slot->index, expected) << name << " " << trial;
        EXPECT_LT(slot->index, tableLayout(slot->table).size);
        ++checked;
    }
    EXPECT_GT(checked, 5000);
}

TEST(EgtbIndex, MaterialWithoutTable)
{
    EXPECT_FALSE(tableFor({ 2, 0, 2, 0 }).has_value()); // two men against two men
    EXPECT_FALSE(tableFor({ 0, 3, 1, 0 }).has_value()); // three kings against a man
    EXPECT_FALSE(tableFor({ 3, 0, 0, 1 }).has_value());
    EXPECT_FALSE(tableFor({ 1, 1, 1, 1 }).has_value());
    EXPECT_FALSE(tableFor({ 0, 4, 0, 1 }).has_value());
    EXPECT_FALSE(
        locate(boardOf({ { 10, WhiteMan }, { 11, WhiteMan }, { 20, BlackMan }, { 21, BlackMan } }),
               White));
    EXPECT_FALSE(locate(boardOf({ { 10, WhiteKing } }), White));
    EXPECT_EQ(decodeIndex(0, 0), std::nullopt);       // below the base of 32a + b
    EXPECT_EQ(decodeIndex(0, 33 + 33), std::nullopt); // both kings on square 1
    EXPECT_EQ(decodeIndex(0, 1056), std::nullopt);    // past the end
}
