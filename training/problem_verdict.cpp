#include "training/problem_verdict.h"

#include <algorithm>

namespace kv {

namespace {
Board boardAt(const GameState& g, int ply) { return boardOf(g.record[ply]); }

int balance(const Board& b, SideToMove attacker)
{
    const PieceCounts c = PieceCounts::of(b);
    return attacker == White ? c.white() - c.black() : c.black() - c.white();
}
} // namespace

ProblemVerdict judgeProblem(const ProblemEntry& p, const GameState& g, bool gameOver)
{
    if (g.gamePly == 0) return ProblemVerdict::Waiting;
    const SideToMove attacker = p.position.side;
    Board start = p.position.board;
    start[0] = OffBoard;
    const auto key
        = p.solution.empty() ? std::nullopt : parseMove(start, attacker, p.solution.front());
    if (!key) return ProblemVerdict::Missed;
    applyMove(start, *key);
    if (boardAt(g, 1) != start) return ProblemVerdict::Missed;

    MoveGenerator gen;
    const int startBalance = balance(p.position.board, attacker);
    for (int ply = 1; ply <= g.gamePly; ++ply) {
        Board b = boardAt(g, ply);
        const SideToMove toMove = g.sideAtPly(ply);
        const int moves = gen.generateLegal(b, toMove);
        // The defender out of moves or pieces: a win, and more than any gain.
        if (moves == 0) return toMove == attacker ? ProblemVerdict::Missed : ProblemVerdict::Solved;
        if (!p.forcedWin && gen.captureCount() == 0
            && balance(b, attacker) - startBalance >= p.gainMen)
            return ProblemVerdict::Solved;
    }
    return gameOver ? ProblemVerdict::Missed : ProblemVerdict::KeyPlayed;
}

} // namespace kv
