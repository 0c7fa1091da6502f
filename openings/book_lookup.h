// The book lookup: which moves the opening lines offer after the moves played.
//
// A line is a sequence of moves from the initial position, white's first,
// each written "%2d-%2d " in the user's square numbers ("12-16 21-17  9-13 ").
// The reader also takes one-digit numbers without padding, "x" for "-", and
// a last destination without its trailing space. A line offers its move
// number gamePly + 1 when its first gamePly moves are the moves played.
#pragma once

#include "openings/opening_library.h"
#include "rules/move.h"
#include "rules/record.h"

#include <string>
#include <string_view>
#include <vector>

namespace kv {

constexpr int kMaxBookCandidates = 20;
// The editors' new line holds at most this many moves of the game.
constexpr int kMaxLineMoves = 42;

// One move of a line as read: user numbers (0 when the field gives no number
// in 1..32) and the offset just past it in the line.
struct LineMove {
    int origin = 0;
    int destination = 0;
    std::size_t end = 0;
};
std::vector<LineMove> parseLineMoves(std::string_view line);

// The moves of record slots 1..gamePly (internal squares).
std::vector<BookMove> playedMoves(const GameRecord& record, int gamePly);

// The distinct moves (internal squares) the library's lines offer after
// `played`, in list order, at most kMaxBookCandidates.
std::vector<BookMove> bookLookup(const OpeningLibrary& lib, const std::vector<BookMove>& played);

// "%2d-%2d " for each move, user numbers; captures are written with "-" too.
std::string lineText(const std::vector<BookMove>& moves);

// The editors' new line: the moves of the game up to gamePly, stopping at an
// empty slot and after kMaxLineMoves moves.
std::string Nouvelle_ouv(const GameRecord& record, int gamePly);

// The pair in play: the white library is consulted with white to move, the
// black one with black to move.
struct OpeningBook {
    OpeningLibrary white;
    OpeningLibrary black;

    OpeningLibrary& forSide(SideToMove side) { return side == Black ? black : white; }
    const OpeningLibrary& forSide(SideToMove side) const { return side == Black ? black : white; }
    // BookLookup: the candidates for the side to move after the recorded plies.
    std::vector<BookMove> lookup(SideToMove side, const GameRecord& record, int gamePly) const
    {
        return bookLookup(forSide(side), playedMoves(record, gamePly));
    }
};

} // namespace kv
