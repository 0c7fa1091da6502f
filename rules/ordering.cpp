#include "ordering.h"

namespace kv {

void sortByKey(MoveList& list)
{
    MoveRecord* m = list.moves.data();
    for (int i = 1; i < list.count; ++i) {
        if (m[i].key <= m[i - 1].key) continue;
        MoveRecord x = m[i];
        int j = i;
        for (; j > 0 && m[j - 1].key < x.key; --j) m[j] = m[j - 1];
        m[j] = x;
    }
}

static void callKillers(MoveList& list, const OrderingContext& ctx)
{
    if (ctx.killerOrdering) ctx.killerOrdering(ctx.owner, list, ctx.ply);
}

static void orderCaptures(MoveList& list, const OrderingContext& ctx)
{
    if (list.count <= 1) return;
    if (ctx.followPv && ctx.pvMove) {
        // The principal-variation capture goes first; its last taken square is
        // not compared, as long captures may end on it from several sides.
        const MoveRecord& pv = *ctx.pvMove;
        for (int i = 0; i < list.count; ++i) {
            MoveRecord& m = list[i];
            m.key = static_cast<std::int16_t>(80 - i);
            if (m.from != pv.from || m.to != pv.to) continue;
            bool same = true;
            for (int c = 0; c + 1 < m.n; ++c)
                if (m.captured[c] != pv.captured[c]) same = false;
            if (same) m.key = 100;
        }
        sortByKey(list);
    } else {
        // The hash move first, then the search's own ordering.
        if (ctx.hasHashMove)
            for (int i = 0; i < list.count; ++i)
                if (list[i].from == ctx.hashFrom && list[i].to == ctx.hashTo) list[i].key = 255;
        callKillers(list, ctx);
    }
}

static void orderQuiet(MoveList& list, const OrderingContext& ctx)
{
    if (ctx.hasHashMove)
        for (int i = 0; i < list.count; ++i)
            if (list[i].from == ctx.hashFrom && list[i].to == ctx.hashTo) list[i].key = 255;

    if (ctx.ply > 1 && list.count > 1) {
        callKillers(list, ctx);
    } else if (ctx.ply == 1) {
        // Root: the scores of the previous iteration, generation order breaking
        // ties. A move the table does not know sorts last.
        for (int i = 0; i < list.count; ++i) {
            MoveRecord& m = list[i];
            const bool hashed = ctx.hasHashMove && m.from == ctx.hashFrom && m.to == ctx.hashTo;
            m.key = hashed ? 255 : -32000;
            for (int j = 0; j < ctx.rootScoreCount; ++j)
                if (ctx.rootScores[j].from == m.from && ctx.rootScores[j].to == m.to)
                    m.key = static_cast<std::int16_t>(ctx.rootScores[j].score - i);
        }
        sortByKey(list);
    }
}

void orderMoves(MoveList& list, bool captures, const OrderingContext& ctx)
{
    if (captures) orderCaptures(list, ctx);
    else orderQuiet(list, ctx);
}

} // namespace kv
