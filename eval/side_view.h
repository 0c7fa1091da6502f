// The one mirroring helper of the knowledge terms.
//
// Every rule is written once, for white, against a SideView. Read straight,
// the view is the board as it is. Read mirrored, square s of the rule is the
// real square 33 - s and the colours are exchanged, so the same rule then
// describes black's position; the caller gives the mirrored run the other
// side's turn flag and subtracts its value. Turning the board half round maps
// direction d onto 3 - d, so neighbours taken in the view's own numbering
// (neighbour(s, d)) stay correct in both readings.
#pragma once

#include "rules/board.h"
#include "rules/geometry.h"

namespace kv {

class SideView {
public:
    SideView(const Board& b, const PieceCounts& c, bool mirrored) : b_(b), c_(c), mirrored_(mirrored) { }

    bool mirrored() const { return mirrored_; }

    // The real square behind square s of the rule (0 stays the sentinel).
    int real(int s) const { return mirrored_ ? mirror(static_cast<Square>(s)) : s; }

    bool e(int s) const { return b_[real(s)] == Empty; }
    bool o(int s) const { return b_[real(s)] != Empty; }
    // A man of the side the rule is written for ("white" in the rule).
    bool w(int s) const { return b_[real(s)] == ownMan(); }
    // A man of the other side ("black" in the rule).
    bool b(int s) const { return b_[real(s)] == oppMan(); }
    bool ownKing(int s) const { return b_[real(s)] == ownMan() + 1; }
    bool oppKing(int s) const { return b_[real(s)] == oppMan() + 1; }

    int ownMen() const { return c_[ownMan()]; }
    int oppMen() const { return c_[oppMan()]; }
    int ownKings() const { return c_[ownMan() + 1]; }
    int oppKings() const { return c_[oppMan() + 1]; }

    // The neighbour of s in direction d, in the rule's numbering; 0 off the board.
    static int neighbour(int s, int d) { return DirectionTable[d][s]; }

private:
    std::uint8_t ownMan() const { return mirrored_ ? BlackMan : WhiteMan; }
    std::uint8_t oppMan() const { return mirrored_ ? WhiteMan : BlackMan; }

    const Board& b_;
    const PieceCounts& c_;
    bool mirrored_;
};

// Runs a rule written for white on both sides: its value for white minus its
// value on the mirrored board with the turn flag reversed. The rule is called
// as rule(view, whiteToMoveInView).
template <class Rule>
int forBothSides(const Board& b, const PieceCounts& c, bool whiteToMove, Rule&& rule)
{
    return rule(SideView(b, c, false), whiteToMove) - rule(SideView(b, c, true), !whiteToMove);
}

} // namespace kv
