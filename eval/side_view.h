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
// A view reads the board's masks (knowledge::BothViews), which the
// evaluation makes once: the mirrored view reads the masks turned round, so
// neither view copies or turns the board, and a test of a fixed square is a
// test of one constant bit.
#pragma once

#include "knowledge.h"

#include "rules/board.h"
#include "rules/geometry.h"

#include <cstdint>

namespace kv {

// The bit of square s (0..32) in a view's masks. Bit 0 stands for the
// sentinel square 0, which is neither empty nor a man, as on the board.
constexpr std::uint64_t squareBit(int s) { return std::uint64_t { 1 } << s; }

template <bool Mirrored> class SideView {
public:
    explicit SideView(const knowledge::BothViews& v)
        : own_(wide(Mirrored ? v.turnedBlackMen : v.whiteMen)),
          opp_(wide(Mirrored ? v.turnedWhiteMen : v.blackMen)),
          empty_(wide(Mirrored ? v.turnedEmpty : v.empty)), c_(v.counts)
    {
    }

    static constexpr bool mirrored() { return Mirrored; }

    bool e(int s) const { return (empty_ >> s) & 1; }
    bool o(int s) const { return !e(s); }
    // A man of the side the rule is written for ("white" in the rule).
    bool w(int s) const { return (own_ >> s) & 1; }
    // A man of the other side ("black" in the rule).
    bool b(int s) const { return (opp_ >> s) & 1; }

    // The same tests for a square given as its bit (squareBit), for tables
    // of squares made in advance.
    bool emptyAt(std::uint64_t bit) const { return (empty_ & bit) != 0; }
    bool ownAt(std::uint64_t bit) const { return (own_ & bit) != 0; }
    bool oppAt(std::uint64_t bit) const { return (opp_ & bit) != 0; }

    // The same tests for several squares at once, as one mask test each.
    template <class... S> bool allW(S... s) const { return all(own_, s...); }
    template <class... S> bool allB(S... s) const { return all(opp_, s...); }
    template <class... S> bool allE(S... s) const { return all(empty_, s...); }

    // The squares of the rule's own men, in the rule's numbering (bit s - 1).
    std::uint32_t ownMenMask() const { return static_cast<std::uint32_t>(own_ >> 1); }

    int ownMen() const { return c_[Mirrored ? BlackMan : WhiteMan]; }
    int oppMen() const { return c_[Mirrored ? WhiteMan : BlackMan]; }
    int oppKings() const { return c_[Mirrored ? WhiteKing : BlackKing]; }

private:
    // Squares 1..32 from bits 0..31 to bits 1..32 (squareBit).
    static std::uint64_t wide(std::uint32_t squares) { return std::uint64_t { squares } << 1; }

    // With the squares known when compiled, the mask folds to a constant.
    template <class... S> static bool all(std::uint64_t held, S... s)
    {
        const std::uint64_t m = ((std::uint64_t { 1 } << s) | ...);
        return (held & m) == m;
    }

    std::uint64_t own_, opp_, empty_;
    const PieceCounts& c_;
};

// Runs a rule written for white on both sides: its value for white minus its
// value on the turned board with the turn flag reversed. The rule is called
// as rule(view, whiteToMoveInView) with a SideView<false> and a SideView<true>.
template <class Rule> int forBothSides(const knowledge::BothViews& v, bool whiteToMove, Rule&& rule)
{
    return rule(SideView<false>(v), whiteToMove) - rule(SideView<true>(v), !whiteToMove);
}

} // namespace kv
