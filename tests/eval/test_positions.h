// Small helpers for evaluation tests: boards written in internal square
// numbers (white men run toward 1..4), and the colour-mirrored position.
#pragma once

#include "eval/evaluate.h"
#include "rules/board.h"

#include <initializer_list>

namespace kv::test {

struct Pieces {
    std::initializer_list<int> whiteMen, whiteKings = {}, blackMen = {}, blackKings = {};
};

inline Board boardOf(const Pieces& p)
{
    Board b;
    b.clear();
    for (int s : p.whiteMen) b[s] = WhiteMan;
    for (int s : p.whiteKings) b[s] = WhiteKing;
    for (int s : p.blackMen) b[s] = BlackMan;
    for (int s : p.blackKings) b[s] = BlackKing;
    return b;
}

// The board turned half round with the colours exchanged.
inline Board colourMirror(const Board& b) { return colourMirrored(b); }

// Evaluates as the root of a search does: phase, tables and sums prepared
// for root side e, then the node at `ply`.
struct RootEval {
    Evaluator ev { defaultParameters() };
    EvalTrace trace;

    int operator()(const Board& b, SideToMove e, int ply = 1, int alpha = -32000, int beta = 32000,
                   Square lastMove = 0, std::uint8_t rootPiece = 0)
    {
        const PieceCounts c = PieceCounts::of(b);
        ev.preparePhase(b, c);
        const EvalSums sums = ev.prepareSums(b, c, e);
        return ev.evaluate(EvalNode { b, c, ply, lastMove, rootPiece, sums }, e, alpha, beta,
                           trace);
    }
};

} // namespace kv::test
