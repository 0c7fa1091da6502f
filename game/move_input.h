// Turns the user's clicks on squares into one legal move. The user picks a
// piece, then clicks landing squares only where the legal captures still
// differ: where every candidate agrees the input steps on by itself, and when
// the remaining candidates all end on different squares their final squares
// may be clicked at once. Plain logic over the rules core; the controller
// draws what `markers()` says and plays the move once `complete()` holds.
#pragma once

#include "rules/board.h"
#include "rules/movegen.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv {

enum class Marker : std::uint8_t {
    None,
    Origin, // the picked piece (red)
    Branch, // a landing square where capture paths split (blue)
    Target, // a destination that identifies one move (fuchsia)
};

enum class ClickResult {
    Ignored,   // nothing changed
    Cancelled, // the picked piece was put back
    Waiting,   // a piece is picked or a path is growing; more clicks needed
    Complete,  // move() is the user's move
};

class MoveInput {
public:
    // A piece with one legal move plays it on the click that picks it up;
    // otherwise its destination is marked and a second click plays it, so a
    // mis-click commits nothing.
    bool playSingleMoveAtOnce = false;

    // One click on internal square s with `side` to move on `board`.
    // `gen` supplies the legal moves; the board is left as it was.
    ClickResult click(Board& board, SideToMove side, MoveGenerator& gen, Square s);

    void clear();

    bool picked() const { return selectedPiece_ != 0; }
    std::uint8_t selectedPiece() const { return selectedPiece_; }
    Square origin() const { return path_[0]; }
    int step() const { return step_; }
    const std::array<Square, 16>& path() const { return path_; }

    // True after pick-up when the side to move must capture.
    bool captureNotice() const { return captureNotice_; }

    const std::array<Marker, 33>& markers() const { return markers_; }
    std::uint8_t mark(Square s) const { return marks_[s]; }

    // The completed move and its landing squares (valid after Complete).
    const MoveRecord& move() const { return chosen_.move; }
    const CapturePathRow& landing() const { return chosen_.path; }

private:
    struct Candidate {
        MoveRecord move;
        CapturePathRow path;
        Square finalSquare() const { return move.to; }
    };

    bool pickUp(Board& board, SideToMove side, MoveGenerator& gen, Square s);
    ClickResult captureClick(Square s);
    ClickResult quietClick(Square s);
    std::vector<const Candidate*> matching(int upTo) const;
    void clearMarks();
    void finish(const Candidate& c);

    std::uint8_t selectedPiece_ = 0;
    std::array<Square, 16> path_ {}; // slot 0 the origin, then the landing squares
    int step_ = 0;
    int n_ = 0;                             // pieces every candidate takes
    std::array<std::uint8_t, 33> marks_ {}; // 1 a possible next square, 100 a final square
    std::array<Marker, 33> markers_ {};
    bool ambiguous_ = false;
    bool captureNotice_ = false;
    std::vector<Candidate> candidates_;
    Candidate chosen_ {};
};

} // namespace kv
