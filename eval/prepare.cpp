// The root-time preparation: game phase, opening variant and the active
// tables, fixed for a whole search.
#include "evaluate.h"

#include "tables.h"

namespace kv {

using namespace evaltables;

bool Evaluator::variantHolds(int v, const Board& b) const
{
    int count = 0;
    for (SideToMove side : { White, Black })
        for (int i = 0; i < kVariantSquares; ++i) {
            const int s = params_.variantSquare(v, side, i);
            if (s >= 1 && s <= 32 && b[s] == (side == White ? WhiteMan : BlackMan)) ++count;
        }
    return count > 8;
}

void Evaluator::preparePhase(const Board& b, const PieceCounts& c)
{
    const int men = c[WhiteMan] + c[BlackMan];
    gamePhase_ = men > params_.threshold(0) ? 0
        : men > params_.threshold(1)        ? 1
        : men > params_.threshold(2)        ? 2
                                            : 3;

    // The table follows the variant found by the previous search; the
    // variant found now chooses the table of the next one.
    int table = gamePhase_ == 2 ? PreEndgameTable : EndgameTable;
    if (gamePhase_ < 2) {
        const int base = gamePhase_ == 0 ? 0 : 1;
        table = variant1_ ? OpeningVariant1Table + base
            : variant2_   ? OpeningVariant2Table + base
                          : OpeningTable + base;
    }
    for (int s = 0; s < kTableEntries; ++s) manTable_[s] = params_.tableEntry(table, s);
    buildPieceTerms();

    if (gamePhase_ < 2) {
        variant1_ = variantHolds(1, b);
        variant2_ = !variant1_ && variantHolds(2, b);
    }
}

void Evaluator::buildKingTable(const PieceCounts& c)
{
    fillKingTable(c);
    buildPieceTerms();
}

void Evaluator::fillKingTable(const PieceCounts& c)
{
    const int wm = c[WhiteMan], wk = c[WhiteKing], bm = c[BlackMan], bk = c[BlackKing];
    if (wm >= 2 && wk >= 2 && wm <= 4 && bm <= 4 && bk >= 1) {
        kingTable_ = LongDiagonalKingTable;
        return;
    }
    // Kings avoid the double corners, where they are easily shut in...
    kingTable_.fill(1);
    kingTable_[0] = 0;
    for (int s : { 1, 5, 28, 32 }) kingTable_[s] = 0;
    // ...except for a lone king against four, whose drawing refuge they are.
    if (wm + bm == 0 && ((wk == 4 && bk == 1) || (wk == 1 && bk == 4))) {
        kingTable_[1] = kingTable_[5] = 40;
        kingTable_[10] = kingTable_[14] = 10;
    }
}

EvalSums Evaluator::prepareSums(const Board& b, const PieceCounts& c, SideToMove e)
{
    buildKingTable(c);
    return computeSums(b, e);
}

} // namespace kv
