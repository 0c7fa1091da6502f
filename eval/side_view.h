// The one mirroring helper of the knowledge terms.
//
// Every rule is written once, for white, against a SideView. Read straight,
// the view is the board as it is. Read mirrored, it is the board turned half
// round with the colours exchanged: square s of the rule is the real square
// 33 - s and "white" means black, so the same rule describes black's
// position. The caller gives the mirrored run the other side's turn flag and
// subtracts its value. Turning the board maps direction d onto 3 - d, so
// neighbours taken in the view's own numbering stay right in both readings.
#pragma once

#include "knowledge.h"

#include "rules/board.h"
#include "rules/geometry.h"

namespace kv {

class SideView {
public:
    // `seen` is the board as the rule's side sees it: the real board, or the
    // turned board (BothViews::turned) when `mirrored`. `c` are the real counts.
    SideView(const Board& seen, const PieceCounts& c, bool mirrored) : b_(seen), c_(c), mirrored_(mirrored) { }

    bool mirrored() const { return mirrored_; }

    bool e(int s) const { return b_[s] == Empty; }
    bool o(int s) const { return b_[s] != Empty; }
    // A man of the side the rule is written for ("white" in the rule).
    bool w(int s) const { return b_[s] == WhiteMan; }
    // A man of the other side ("black" in the rule).
    bool b(int s) const { return b_[s] == BlackMan; }

    int ownMen() const { return c_[mirrored_ ? BlackMan : WhiteMan]; }
    int oppMen() const { return c_[mirrored_ ? WhiteMan : BlackMan]; }
    int oppKings() const { return c_[mirrored_ ? WhiteKing : BlackKing]; }

    // The neighbour of s in direction d, in the rule's numbering; 0 off the board.
    static int neighbour(int s, int d) { return DirectionTable[d][s]; }

private:
    const Board& b_;
    const PieceCounts& c_;
    bool mirrored_;
};

// Runs a rule written for white on both sides: its value for white minus its
// value on the turned board with the turn flag reversed. The rule is called
// as rule(view, whiteToMoveInView).
template <class Rule>
int forBothSides(const knowledge::BothViews& v, bool whiteToMove, Rule&& rule)
{
    return rule(SideView(v.board, v.counts, false), whiteToMove) - rule(SideView(v.turned, v.counts, true), !whiteToMove);
}

} // namespace kv
