// The hand-written knowledge terms of the evaluation. Each reads the board
// alone (with the counts, the turn flag and the game phase), tests fixed
// squares, and returns its clamped value from white's view; the evaluation
// negates it for black.
#pragma once

#include "rules/board.h"

namespace kv::knowledge {

// One evaluation's board in both readings the terms written for white need:
// as it stands, and turned half round with the colours exchanged for black's
// view (see side_view.h). The evaluation turns the board once and shares it
// among the terms; the single-board entry points below turn it themselves.
struct BothViews {
    BothViews(const Board& b, const PieceCounts& c) : board(b), turned(colourMirrored(b)), counts(c) { }

    const Board& board;
    Board turned;
    const PieceCounts& counts;
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

// Three kings of `strong` against a lone man and a king: the bonus for
// holding the man's file, never negative.
int tripleKingBlock(const Board& b, SideToMove strong);

} // namespace kv::knowledge
