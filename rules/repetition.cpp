#include "repetition.h"

#include <algorithm>

namespace kv {

namespace {
bool sameSquares(const RecordEntry& e, const Board& b)
{
    return std::equal(e.squares.begin(), e.squares.end(), b.sq.begin() + 1);
}
} // namespace

int occurrences(const GameRecord& record, int lastPly, const Board& b, int parityPly)
{
    lastPly = std::min(lastPly, kRecordEntries - 1);
    int count = 0;
    for (int k = lastPly; k >= 0; --k)
        if (((k ^ parityPly) & 1) == 0 && sameSquares(record[k], b)) ++count;
    return count;
}

int occurrencesOfEntry(const GameRecord& record, int ply)
{
    if (ply < 0 || ply >= kRecordEntries) return 0;
    return occurrences(record, ply, boardOf(record[ply]), ply);
}

} // namespace kv
