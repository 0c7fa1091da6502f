#include "oracle.h"

#include "eval/egtb_solver.h"
#include "eval/egtb_verify.h"
#include "rules/movegen.h"
#include "rules/notation.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace kv;
using namespace kv::egtb;

namespace {

std::uint8_t swapped(std::uint8_t c)
{
    if (c == Empty) return c;
    return static_cast<std::uint8_t>(isWhite(c) ? c + 2 : c - 2);
}

// The real position with black to move that a canonical board stands for.
Board blackToMove(const Board& canonical, bool kingsOnly)
{
    Board b;
    b.clear();
    for (int s = 1; s <= kSquares; ++s) b[s] = swapped(canonical[kingsOnly ? s : 33 - s]);
    return b;
}

int pieceCount(TableId t)
{
    const Material m = materialOf(tableLayout(t));
    return m.moverMen + m.moverKings + m.otherMen + m.otherKings;
}

class SmallTables : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        tables_ = new EndgameTables;
        result_ = new SolveResult(solveAllTables(*tables_, 3));
    }
    static void TearDownTestSuite()
    {
        delete tables_;
        delete result_;
    }
    static EndgameTables* tables_;
    static SolveResult* result_;
};
EndgameTables* SmallTables::tables_ = nullptr;
SolveResult* SmallTables::result_ = nullptr;

} // namespace

TEST_F(SmallTables, SolvesTheSixteenTablesOfTwoAndThreePieces)
{
    EXPECT_EQ(result_->error, "");
    EXPECT_EQ(result_->stats.size(), 16u);
    for (TableId t = 0; t < kTableCount; ++t) EXPECT_EQ(tables_->loaded(t), pieceCount(t) <= 3);
}

TEST_F(SmallTables, AgreeWithThePlainSolverOnEveryPosition)
{
    reference::Oracle oracle;
    for (TableId t = 0; t < kTableCount; ++t) {
        if (pieceCount(t) > 3) continue;
        forEachPosition(t, [&](const Board& b, std::uint32_t) {
            oracle.addStart(b, White);
            oracle.addStart(blackToMove(b, tableLayout(t).kingsOnly), Black);
        });
    }
    oracle.solve();
    long compared = 0;
    oracle.forEach([&](const Board& b, SideToMove side, int expected) {
        const PieceCounts c = PieceCounts::of(b);
        if (c.white() == 0 || c.black() == 0) return;
        const auto v = tables_->value(b, side);
        ASSERT_TRUE(v.has_value());
        ASSERT_EQ(*v, expected) << formatFen({ b, side });
        ++compared;
    });
    long positions = 0;
    for (const TableStats& s : result_->stats) positions += s.positions;
    // Each canonical position stands for one real position with white to
    // move and one with black to move.
    EXPECT_EQ(compared, 2 * positions);
}

TEST_F(SmallTables, VerifyFindsNoErrorAndCatchesAWrongByte)
{
    for (TableId t = 0; t < kTableCount; ++t) {
        if (pieceCount(t) > 3) continue;
        const VerifyReport r = verifyTable(*tables_, t);
        EXPECT_EQ(r.errors, 0u) << tableLayout(t).name << ": "
                                << (r.examples.empty() ? "" : r.examples[0]);
        EXPECT_GT(r.checked, 0u);
    }
    // Change one won position's distance and one draw into a loss.
    EndgameTables broken = *tables_;
    const TableId t = 9; // ddop.alb
    auto bytes = broken.bytes(t);
    int changed = 0;
    forEachPosition(t, [&](const Board&, std::uint32_t i) {
        if (changed == 0 && bytes[i] > 2)
            bytes[i] = static_cast<std::int8_t>(bytes[i] + 2), ++changed;
        else if (changed == 1 && bytes[i] == 0) bytes[i] = -3, ++changed;
    });
    broken.set(t, bytes);
    EXPECT_GE(verifyTable(broken, t).errors, 2u);
}

// Ends of the game: no move is -1, a move that takes the last piece or
// leaves the opponent without a move is 2; wins are even, losses odd.
TEST_F(SmallTables, ValueConventionAtTheEnds)
{
    auto gen = std::make_unique<MoveGenerator>();
    int stuck = 0, finishing = 0;
    for (TableId t = 0; t < kTableCount; ++t) {
        if (pieceCount(t) > 3) continue;
        forEachPosition(t, [&](const Board& canonical, std::uint32_t index) {
            const int v = *tables_->at(t, index);
            if (v != 0) {
                ASSERT_EQ(std::abs(v) % 2, v > 0 ? 0 : 1) << tableLayout(t).name;
            }
            Board b = canonical;
            const int n = gen->generate(b, White, 1);
            if (n == 0) {
                ASSERT_EQ(v, -1);
                ++stuck;
            }
            for (int m = 0; m < n; ++m) {
                Board next = b;
                applyMove(next, gen->list(1)[m]);
                if (PieceCounts::of(next).black() == 0) {
                    ASSERT_EQ(v, 2);
                    ++finishing;
                }
            }
        });
    }
    EXPECT_GT(stuck, 0);
    EXPECT_GT(finishing, 0);
}

TEST_F(SmallTables, DistancesFitASignedByte)
{
    for (const TableStats& s : result_->stats) {
        EXPECT_LE(s.longestWin, kLongestValue);
        EXPECT_LE(s.longestLoss, kLongestValue);
        EXPECT_EQ(s.wins + s.losses + s.draws, s.positions);
    }
}

// A table of the right size whose bytes were zeroed would turn won positions
// into draws: its checksum gives it away.
TEST_F(SmallTables, TablesWhoseChecksumDiffersAreRefused)
{
    const test::TempDir scratch;
    const auto& dir = scratch.path();
    ASSERT_TRUE(tables_->save(dir.string()).empty());
    const TableId zeroed = 3;
    const auto& layout = tableLayout(zeroed);
    std::ofstream(dir / std::string(layout.name), std::ios::binary)
        << std::string(layout.size, '\0');

    EndgameTables fresh;
    auto problems = fresh.load(dir.string());
    EXPECT_EQ(problems.size(), 7u); // the six four-piece tables, and this one
    EXPECT_FALSE(fresh.loaded(zeroed));
    EXPECT_EQ(
        std::count_if(problems.begin(), problems.end(),
                      [](const std::string& p) { return p.find("damaged") != std::string::npos; }),
        1);

    // Without the checksums nothing can be checked: the tables are used, and that is said.
    std::filesystem::remove(dir / kTableSumsFile);
    problems = fresh.load(dir.string());
    EXPECT_TRUE(fresh.loaded(zeroed));
    EXPECT_NE(problems.back().find(kTableSumsFile), std::string::npos);
}

TEST_F(SmallTables, MissingShortAndOversizedFilesAreRefusedOnce)
{
    const test::TempDir scratch;
    const auto& dir = scratch.path();
    EXPECT_TRUE(tables_->save(dir.string()).empty());

    EndgameTables fresh;
    auto problems = fresh.load(dir.string());
    EXPECT_EQ(problems.size(), 6u); // the four-piece tables were not written
    for (TableId t = 0; t < kTableCount; ++t)
        if (fresh.loaded(t)) {
            EXPECT_EQ(fresh.bytes(t), tables_->bytes(t));
        }

    std::filesystem::remove(dir / "dod.bib");
    std::filesystem::resize_file(dir / "pop.alb", 1000);
    {
        std::ofstream grow(dir / "ddod.bib", std::ios::binary | std::ios::app);
        grow.put(0);
    }
    problems = fresh.load(dir.string());
    ASSERT_EQ(problems.size(), 9u);
    int mentions = 0;
    for (const auto& p : problems)
        mentions += p.find("\"dod.bib\"") != std::string::npos
            || p.find("\"pop.alb\"") != std::string::npos
            || p.find("\"ddod.bib\"") != std::string::npos;
    EXPECT_EQ(mentions, 3);
    EXPECT_FALSE(fresh.loaded(0));
    EXPECT_FALSE(fresh.loaded(5));
    EXPECT_FALSE(fresh.loaded(1));
    EXPECT_TRUE(fresh.loaded(2));
    Board b;
    b.clear();
    b[5] = WhiteKing;
    b[20] = BlackKing;
    EXPECT_FALSE(fresh.value(b, White).has_value());
    EXPECT_FALSE(fresh.at(0, 1055).has_value());
    EXPECT_FALSE(fresh.at(2, 15841).has_value()); // one past the end
    EXPECT_TRUE(fresh.at(2, 15840).has_value());
}
