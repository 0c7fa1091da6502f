// All 22 tables: solved, verified against their replies, and the four-piece
// tables compared with the plain solver on every position reached from
// samples of them.
#include "oracle.h"

#include "eval/egtb_solver.h"
#include "eval/egtb_verify.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <random>

using namespace kv;
using namespace kv::egtb;

namespace {

EndgameTables& solvedTables()
{
    static EndgameTables tables = [] {
        EndgameTables t;
        const SolveResult r = solveAllTables(t);
        EXPECT_EQ(r.error, "");
        for (const TableStats& s : r.stats) {
            EXPECT_LE(s.longestWin, kLongestValue);
            EXPECT_LE(s.longestLoss, kLongestValue);
        }
        return t;
    }();
    return tables;
}

// Compares the oracle's values with the tables on every reached position
// of four pieces; returns how many were compared.
long compareFourPieces(const reference::Oracle& oracle, const EndgameTables& tables)
{
    long compared = 0;
    oracle.forEach([&](const Board& b, SideToMove side, int expected) {
        const PieceCounts c = PieceCounts::of(b);
        if (c.white() == 0 || c.black() == 0 || c.white() + c.black() < 4) return;
        const auto v = tables.value(b, side);
        if (!v) return; // material without a table (a man crowned against men)
        EXPECT_EQ(*v, expected) << formatFen({ b, side });
        ++compared;
    });
    return compared;
}

} // namespace

TEST(EgtbFull, EveryTableVerifiesWithoutError)
{
    const EndgameTables& tables = solvedTables();
    EXPECT_EQ(tables.loadedCount(), kTableCount);
    const VerifyReport r = verifyAllTables(tables);
    EXPECT_EQ(r.errors, 0u) << (r.examples.empty() ? "" : r.examples[0]);
    EXPECT_EQ(r.checked, 1900080u);
}

// Samples: a white man about to be crowned beside two white kings, or two
// white men and a king, against a black king, with either side to move. What
// they reach covers large parts of the four-piece tables, both colours'
// turns, and the three-kings tables after the crowning.
TEST(EgtbFull, FourPieceTablesAgreeWithThePlainSolver)
{
    const EndgameTables& tables = solvedTables();
    std::mt19937 rng(11);
    reference::Oracle oracle;
    auto place = [&](Board& b, std::uint8_t code, int low, int high) {
        int s;
        do s = low + static_cast<int>(rng() % (high - low + 1));
        while (b[s] != Empty);
        b[s] = code;
    };
    for (int i = 0; i < 40; ++i) {
        Board b;
        b.clear();
        place(b, WhiteMan, 5, 8);
        place(b, WhiteKing, 1, 32);
        place(b, WhiteKing, 1, 32);
        place(b, BlackKing, 1, 32);
        oracle.addStart(b, static_cast<SideToMove>(i % 2));
    }
    for (int i = 0; i < 40; ++i) {
        Board b;
        b.clear();
        place(b, WhiteMan, 5, 8);
        place(b, WhiteMan, 5, 12);
        place(b, WhiteKing, 1, 32);
        place(b, BlackKing, 1, 32);
        oracle.addStart(b, static_cast<SideToMove>(i % 2));
    }
    oracle.solve();
    const long compared = compareFourPieces(oracle, tables);
    EXPECT_GT(compared, 100000);
    std::printf("compared %ld four-piece positions of %zu reached\n", compared, oracle.size());
}
