// The one mirroring helper of the knowledge terms.
//
// Every rule is written once, for white, against a SideView. Read straight,
// the view is the board as it is. Read mirrored, it is the board turned half
// round with the colours exchanged: square s of the rule is the real square
// 33 - s and "white" means black, so the same rule describes black's
// position. The caller gives the mirrored run the other side's turn flag and
// subtracts its value. Turning the board maps direction d onto 3 - d, so
// neighbours taken in the view's own numbering stay right in both readings.
//
// The mirrored view reads the real board through the turned square numbers
// instead of building a turned copy: the rules test fixed squares, so the
// turning costs nothing once the compiler has folded 33 - s.
#pragma once

#include "board_masks.h"
#include "knowledge.h"

#include "rules/board.h"
#include "rules/geometry.h"

namespace kv {

template <bool Mirrored>
class SideView {
public:
    explicit SideView(const knowledge::BothViews& v) : b_(v.board), c_(v.counts), ownMen_(Mirrored ? reverseSquares(v.blackMen) : v.whiteMen) { }

    static constexpr bool mirrored() { return Mirrored; }

    bool e(int s) const { return at(s) == Empty; }
    bool o(int s) const { return at(s) != Empty; }
    // A man of the side the rule is written for ("white" in the rule).
    bool w(int s) const { return at(s) == (Mirrored ? BlackMan : WhiteMan); }
    // A man of the other side ("black" in the rule).
    bool b(int s) const { return at(s) == (Mirrored ? WhiteMan : BlackMan); }

    // The squares of the rule's own men, in the rule's numbering (bit s - 1).
    std::uint32_t ownMenMask() const { return ownMen_; }

    int ownMen() const { return c_[Mirrored ? BlackMan : WhiteMan]; }
    int oppMen() const { return c_[Mirrored ? WhiteMan : BlackMan]; }
    int oppKings() const { return c_[Mirrored ? WhiteKing : BlackKing]; }

    // The neighbour of s in direction d, in the rule's numbering; 0 off the board.
    static int neighbour(int s, int d) { return DirectionTable[d][s]; }

private:
    // The real board's byte for the rule's square s; the sentinel 0 stays 0.
    std::uint8_t at(int s) const { return b_[Mirrored ? mirror(static_cast<Square>(s)) : s]; }

    const Board& b_;
    const PieceCounts& c_;
    std::uint32_t ownMen_;
};

// Runs a rule written for white on both sides: its value for white minus its
// value on the turned board with the turn flag reversed. The rule is called
// as rule(view, whiteToMoveInView) with a SideView<false> and a SideView<true>.
template <class Rule>
int forBothSides(const knowledge::BothViews& v, bool whiteToMove, Rule&& rule)
{
    return rule(SideView<false>(v), whiteToMove) - rule(SideView<true>(v), !whiteToMove);
}

} // namespace kv
