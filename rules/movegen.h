// Legal move generation under the majority-capture rule.
//
// A MoveGenerator owns the per-ply move lists and the scratch of the capture
// searches, so generation never allocates and two generators never share
// state. Jumped pieces are marked on the board itself and restored on the way
// back: after every call the board is exactly what it was.
#pragma once

#include "move.h"
#include "ordering.h"

#include <array>
#include <memory>

namespace kv {

// The squares a piece passes through in one capture, for move input and for
// showing a long capture jump by jump. landing[d] is the square it stands on
// after its d-th jump (d = 1..n); for a quiet move landing[1] is the destination.
struct CapturePathRow {
    std::uint8_t n = 0;
    std::array<Square, 16> landing {};
    std::array<Square, 16> captured {};
};

struct PieceMoveSet {
    int count = 0;
    std::array<MoveRecord, kMaxMoves> moves;
    std::array<CapturePathRow, kMaxMoves> paths; // paths[i] belongs to moves[i]
};

class MoveGenerator {
public:
    MoveGenerator();

    // The list of a ply; ply 1 is the position on the board.
    MoveList& list(int ply) { return lists_[ply]; }
    const MoveList& list(int ply) const { return lists_[ply]; }

    // Generates into the list of `ply`, in generation order, then orders the
    // list when a context is given. Returns the number of moves.
    int generate(Board& b, SideToMove side, int ply, const OrderingContext* ordering = nullptr);

    // The legal moves of the position into the ply-1 list, in generation order.
    int generateLegal(Board& b, SideToMove side) { return generate(b, side, 1); }

    // The legal moves of the single piece on `s` (majority rule among its own
    // captures only) with the landing squares of each. The piece's colour
    // chooses what it may take; quiet moves are produced only for a piece of `side`.
    const PieceMoveSet& pieceMoves(Board& b, Square s, SideToMove side);

    // The landing squares of the capture by the piece on `from` that takes
    // exactly `captured[0..n-1]` in that order; an empty row if none does.
    CapturePathRow capturePath(Board& b, Square from, const Square* captured, int n);

    // Pieces taken by every move of the last generated list (0: quiet moves).
    int captureCount() const { return captureCount_; }
    int bestKingCount() const { return bestKingCount_; }

    // True when the last call found more moves than a list holds. The moves
    // kept are then not the whole legal list, and callers must not trust it.
    bool overflowed() const { return dropped_ != 0; }

private:
    template <bool Paths> void manCaptures(Square s, int d);
    template <bool Paths> void kingCaptures(Square s, int incoming, int d);
    template <bool Paths> void record(Square to);
    template <bool Black> void generateFor(Board& b, MoveList& list);
    bool accept(int c, int kings);
    void addQuiet(Square from, Square to);
    void beginCall(Board& b, MoveRecord* out);

    std::unique_ptr<std::array<MoveList, kMaxPly + 1>> listStore_;
    std::array<MoveList, kMaxPly + 1>& lists_;
    std::unique_ptr<PieceMoveSet> pieceSet_;

    // Scratch of the running call.
    Board* board_ = nullptr;
    MoveRecord* out_ = nullptr; // where moves go
    int* outCount_ = nullptr;
    int capacity_ = kMaxMoves;
    CapturePathRow* paths_ = nullptr; // path rows, in path mode
    int captureCount_ = 0;
    int bestKingCount_ = 0;
    int dropped_ = 0;
    Square origin_ = 0;
    std::uint8_t enemyMan_ = 0, enemyKing_ = 0;
    std::array<std::uint8_t, 17> kingsTaken_ {};
    std::array<Square, 18> capturedPath_ {}; // index 1.. by depth
    std::array<Square, 17> landing_ {};
};

} // namespace kv
