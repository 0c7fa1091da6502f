#include "engine/transposition.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

constexpr std::uint32_t kIndex = 123457, kCheck = 0xCAFEF00D;

// Stores with game ply 0 and the given iteration depth at ply 5 and 10 pieces.
bool put(TranspositionTable& t, int type, int depth, int score = 40, int ply = 5)
{
    return t.store(kIndex, kCheck, score, ply, type, 9, 14, 0, depth, 10);
}

TEST(TranspositionTable, SizeSettingsGiveTheirEntriesAndOffsets)
{
    EXPECT_EQ(kTableSizes.front().sizeFactor * kEntriesPerSizeFactor, 13100);
    EXPECT_EQ(kTableSizes.front().depthOffset, -4);
    EXPECT_EQ(kTableSizes.back().sizeFactor * kEntriesPerSizeFactor, 2620000);
    EXPECT_EQ(kTableSizes.back().depthOffset, 8);

    TranspositionTable t(0);
    EXPECT_EQ(t.entries(), 131000u);
    t.resize(10);
    EXPECT_EQ(t.entries(), 13100u);
    EXPECT_EQ(&t.slot(5), &t.slot(5 + 13100)); // slot = index key mod entries
}

TEST(TranspositionTable, ProbeNeedsTheSamePositionPlyAndAFarEnoughHorizon)
{
    TranspositionTable t(10);
    EXPECT_EQ(t.probe(kIndex, kCheck, 5, 0, 6), nullptr); // empty slot
    ASSERT_TRUE(t.store(kIndex, kCheck, 77, 5, EntryType::MaxExact, 9, 14, 10, 6, 10));
    const TranspositionEntry* e = t.probe(kIndex, kCheck, 5, 10, 6);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, 77);
    EXPECT_EQ(e->ply, 15);
    EXPECT_EQ(e->horizon, 16);
    EXPECT_EQ(e->from, 9);
    EXPECT_NE(t.probe(kIndex, kCheck, 5, 10, 5), nullptr);     // a shallower search may use it
    EXPECT_EQ(t.probe(kIndex, kCheck, 5, 10, 7), nullptr);     // a deeper one may not
    EXPECT_EQ(t.probe(kIndex, kCheck, 7, 10, 6), nullptr);     // another absolute ply
    EXPECT_EQ(t.probe(kIndex, kCheck + 1, 5, 10, 6), nullptr); // another position in the slot
    t.clear();
    EXPECT_EQ(t.probe(kIndex, kCheck, 5, 10, 6), nullptr);
}

TEST(TranspositionTable, ReplacementRules)
{
    TranspositionTable t(10);
    // A decided entry replaces anything and is kept against ordinary ones of
    // a similar horizon.
    ASSERT_TRUE(put(t, EntryType::MaxExact, 6));
    EXPECT_TRUE(put(t, EntryType::MaxDecided, 6, 31000));
    EXPECT_FALSE(put(t, EntryType::MaxExact, 12));
    EXPECT_FALSE(put(t, EntryType::MaxDecided + 1, 6));      // decided, but of another type
    EXPECT_TRUE(put(t, EntryType::MaxDecided, 6, 31000, 4)); // same type nearer the root
    EXPECT_TRUE(put(t, EntryType::MaxExact, 30));            // horizon more than 16 away

    // Among ordinary entries: a deeper horizon replaces; at the same horizon a
    // bound gives way, an exact entry only to an exact one nearer the root.
    t.clear();
    ASSERT_TRUE(put(t, EntryType::MaxExact, 6));
    EXPECT_FALSE(put(t, EntryType::MaxLower, 6));
    EXPECT_FALSE(put(t, EntryType::MaxExact, 6));
    EXPECT_FALSE(put(t, EntryType::MinExact, 6, 40, 4));
    EXPECT_TRUE(put(t, EntryType::MaxExact, 6, 40, 4));
    EXPECT_TRUE(put(t, EntryType::MaxUpper, 7, 40, 4));
    EXPECT_TRUE(put(t, EntryType::MaxLower, 7, 40, 4)); // bound replaced at the same horizon
    EXPECT_TRUE(put(t, EntryType::MinExact, 6, 40, 4)); // exact, one below a bound's horizon
    EXPECT_FALSE(put(t, EntryType::MinUpper, 5, 40, 4));
}

TEST(TranspositionTable, NothingIsStoredBeyondHorizon254OrWithThreePieces)
{
    TranspositionTable t(10);
    EXPECT_FALSE(t.store(kIndex, kCheck, 0, 5, EntryType::MaxExact, 0, 0, 250, 5, 10));
    EXPECT_FALSE(t.store(kIndex, kCheck, 0, 5, EntryType::MaxExact, 0, 0, 0, 5, 3));
    EXPECT_TRUE(t.store(kIndex, kCheck, 0, 5, EntryType::MaxExact, 0, 0, 249, 5, 4));
}

struct UseCase {
    bool maxNode;
    int type, v, s, alpha, beta;
    bool returns;
    int score, alpha2, beta2;
};

TEST(TranspositionTable, EntriesAreReadWithTheStoringSideAndNodeKind)
{
    const UseCase cases[] = {
        // Max node, white root (s = 0).
        { true, 1, 50, 0, -100, 100, true, 50, 0, 0 }, // own exact
        { true, 100, 31000, 0, -100, 100, true, 31000, 0, 0 },
        { true, 52, 50, 0, -100, 100, true, -50, 0, 0 }, // black's min-node exact, negated
        { true, 151, 31000, 0, -100, 100, true, -31000, 0, 0 },
        { true, 3, 150, 0, -100, 100, true, 150, 0, 0 },      // lower bound cuts
        { true, 3, -300, 0, -100, 100, false, 0, -300, 100 }, // ... or sets alpha, even lower
        { true, 5, -150, 0, -100, 100, true, -150, 0, 0 },    // upper bound cuts
        { true, 5, 20, 0, -100, 100, false, 0, -100, 20 },
        { true, 54, -150, 0, -100, 100, true, 150, 0,
          0 }, // black's min upper bound = our lower bound
        { true, 56, 150, 0, -100, 100, true, -150, 0,
          0 }, // black's min lower bound = our upper bound
        { true, 56, 20, 0, -100, 100, false, 0, -100, -20 },
        { true, 2, 50, 0, -100, 100, false, 0, -100,
          100 }, // black's max-node entry: other side to move
        // Max node, black root (s = 1): white's min-node cut-off 53 is a lower bound of -v.
        { true, 53, -150, 1, -100, 100, true, 150, 0, 0 },
        { true, 53, -20, 1, -100, 100, false, 0, 20, 100 },
        { true, 2, 50, 1, -100, 100, true, 50, 0, 0 },
        // Min node, white root.
        { false, 51, 50, 0, -100, 100, true, 50, 0, 0 },
        { false, 101, 31000, 0, -100, 100, true, -31000, 0, 0 },
        { false, 2, 50, 0, -100, 100, true, -50, 0, 0 }, // black's max exact
        { false, 53, -150, 0, -100, 100, true, -150, 0, 0 },
        { false, 53, 20, 0, -100, 100, false, 0, -100, 20 },
        { false, 55, 150, 0, -100, 100, true, 150, 0, 0 },
        { false, 4, -150, 0, -100, 100, false, 0, -100,
          150 }, // black's lower bound -> upper bound 150
        { false, 4, 150, 0, -100, 100, true, -150, 0, 0 },
        { false, 6, -150, 0, -100, 100, true, 150, 0, 0 },
        { false, 6, 20, 0, -100, 100, false, 0, -20, 100 },
    };
    for (const UseCase& c : cases) {
        const TableUse u = c.maxNode ? useAtMaxNode(c.type, c.v, c.s, c.alpha, c.beta)
                                     : useAtMinNode(c.type, c.v, c.s, c.alpha, c.beta);
        SCOPED_TRACE(testing::Message()
                     << (c.maxNode ? "max" : "min") << " type " << c.type << " v " << c.v);
        EXPECT_EQ(u.returns, c.returns);
        if (c.returns) {
            EXPECT_EQ(u.score, c.score);
        } else {
            EXPECT_EQ(u.alpha, c.alpha2);
            EXPECT_EQ(u.beta, c.beta2);
        }
    }
}

} // namespace
} // namespace kv

namespace kv {
namespace {
// The slot of a key is its remainder by the number of entries, for every
// size setting and for keys near the top of the 32-bit range.
TEST(TranspositionTable, SlotIsTheKeyModuloTheEntries)
{
    for (int factor : { 1, 3, 100, 777 }) {
        TranspositionTable t(factor);
        const TranspositionEntry* base = &t.slot(0);
        for (std::uint32_t key :
             { 0u, 1u, 1309u, 1310u, 131000u, 2654435769u, 4294967295u, 4294967294u }) {
            EXPECT_EQ(static_cast<std::size_t>(&t.slot(key) - base), key % t.entries())
                << factor << " " << key;
        }
        std::uint32_t x = 12345;
        for (int i = 0; i < 1000; ++i) {
            x = x * 1664525u + 1013904223u;
            ASSERT_EQ(static_cast<std::size_t>(&t.slot(x) - base), x % t.entries());
        }
    }
}
} // namespace
} // namespace kv
