// The hand-written knowledge terms of the evaluation. Each reads the board
// alone (with the counts, the turn flag and the game phase), tests fixed
// squares, and returns its clamped value from white's view; the evaluation
// negates it for black.
#pragma once

#include "board_masks.h"

#include "rules/board.h"

namespace kv::knowledge {

// One evaluation's board as the terms read it: one bit per square (bit
// s - 1 for square s) for the men of each colour and the empty squares, as
// the board stands and turned half round for black's view (square s there is
// the real 33 - s), and the counts. The evaluation makes it once and shares
// it among the terms; the single-board entry points below make their own.
struct BothViews {
    BothViews(const Board& b, const PieceCounts& c)
        : counts(c), whiteMen(squaresHolding(b, WhiteMan)), blackMen(squaresHolding(b, BlackMan)),
          empty(squaresHolding(b, Empty)), turnedWhiteMen(reverseSquares(whiteMen)),
          turnedBlackMen(reverseSquares(blackMen)), turnedEmpty(reverseSquares(empty))
    {
    }

    const PieceCounts& counts;
    std::uint32_t whiteMen, blackMen, empty;
    std::uint32_t turnedWhiteMen, turnedBlackMen, turnedEmpty;
};

// Men one to four rows from crowning that cannot be stopped: clamp(2 v, +-170).
int runawayMen(const Board& b, const PieceCounts& c, bool whiteToMove);
int runawayMen(const BothViews& v, bool whiteToMove);

// Holes behind men, hanging pairs, mobility of interior men: +-60.
int manStructure(const Board& b, const PieceCounts& c, int phase);
int manStructure(const BothViews& v, int phase);

// Formations of the opening and middle game (phases 0..2): +-50.
int formations(const Board& b, const PieceCounts& c, bool whiteToMove, int phase);
int formations(const BothViews& v, bool whiteToMove, int phase);

// Forced breakthroughs of the side to move in positions without kings:
// 180, 120 or 80 for that side (negative when black moves), 0 if none.
int breakthrough(const Board& b, bool whiteToMove);
int breakthrough(const BothViews& v, bool whiteToMove);

// Three kings of `strong` against a lone man and a king: the bonus for
// holding the man's file, never negative.
int tripleKingBlock(const Board& b, SideToMove strong);

} // namespace kv::knowledge
