// Written games against the rules: finding the legal move a written half-move
// means, replaying a parsed game into a GameState, and reading the moves of
// a record back as full moves (for writing them out).
#pragma once

#include "exchange_game.h"

#include "rules/game_state.h"
#include "rules/movegen.h"

#include <optional>
#include <string>
#include <vector>

namespace kv {

// The landing squares of a move, origin first and destination last: one jump
// per capture, or origin and destination for a quiet move.
std::vector<Square> landingSquares(MoveGenerator& gen, const Board& before, const MoveRecord& m);

// How a written half-move fits the legal moves of a position.
enum class MoveFit {
    One,     // one legal move, or several that leave the same position
    None,    // no legal move has these ends
    Several, // legal moves with these ends leave different positions
    NoPath,  // the landing squares written are not those of any of them
};
struct FittedMove {
    MoveFit fit = MoveFit::None;
    std::optional<MoveRecord> move; // the move meant, or the first candidate
};

// The legal move of `side` in `board` meant by `written`: same origin and
// destination and, when landing squares are written between them, the capture
// that passes through them in that order. `captureCount` receives the number
// of pieces every legal move takes.
FittedMove fitWrittenMove(MoveGenerator& gen, const Board& board, SideToMove side,
                          const WrittenMove& written, int& captureCount);

struct ReplayReport {
    std::vector<MoveRecord> played;
    std::vector<std::string> skipped; // written half-moves that are not legal where they stand
    bool cut = false;                 // the record filled up before the end of the game
    std::optional<ExchangeProblem>
        refused; // a strict game stops at its first move that does not fit
};

// Starts a new record in `game` from the set-up position (or the initial
// one) under the parsed names, then plays every written half-move that is
// legal in turn. A strict game (PDN) stops at the first that is not legal or
// not clear and is refused: the caller discards `game`. Otherwise such moves
// are skipped and the side to move stays. Stops at the record's last ply.
ReplayReport replayGame(const ParsedGame& parsed, GameState& game);

// A played move of the record: the squares it is written with
// (writtenSquares) and every square it lands on, origin first.
struct RecordedMove {
    MoveRecord move;
    std::vector<Square> written;
    std::vector<Square> landing;
};

// The moves of plies 1..`plies` of the record, rebuilt from the positions it
// holds. Stops early at a ply that no legal move explains.
std::vector<RecordedMove> recordedMoves(GameState& game, int plies);

} // namespace kv
