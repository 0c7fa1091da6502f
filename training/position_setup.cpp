#include "training/position_setup.h"

#include "rules/movegen.h"

namespace kv {

SetupProblem checkSetupPosition(const Board& board, SideToMove toMove)
{
    const PieceCounts pc = PieceCounts::of(board);
    if (pc.white() == 0) return SetupProblem::NoWhitePiece;
    if (pc.black() == 0) return SetupProblem::NoBlackPiece;
    for (int s = 1; s <= kSquares; ++s) {
        const auto sq = static_cast<Square>(s);
        if (isMan(board[s]) && promotes(board[s], sq)) return SetupProblem::ManOnCrowningRow;
    }
    MoveGenerator gen;
    Board b = board;
    b[0] = OffBoard;
    if (gen.generateLegal(b, toMove) == 0) return SetupProblem::NoMoveToPlay;
    return SetupProblem::None;
}

} // namespace kv
