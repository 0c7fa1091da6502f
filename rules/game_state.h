// The game being played: working and displayed boards, the record with its
// current ply, clocks, names and the move list. One instance per game window
// (or per test); the controller and the file formats work on it in place.
#pragma once

#include "board.h"
#include "move.h"
#include "movegen.h"
#include "movelist_text.h"
#include "record.h"

#include <array>
#include <optional>
#include <string>

namespace kv {

enum class PlayResult {
    Played,     // the move is on the board and in the record
    RecordFull, // no room for another ply: the game must end (as a draw)
};

class GameState {
public:
    Board board;     // the working position
    Board displayed; // what the screen shows
    SideToMove side = White;
    SideToMove startSide = White; // to move in entry 0; sides alternate from there
    GameRecord record {};
    std::uint8_t gamePly = 0;       // entry showing the current position
    std::int32_t recordedPlies = 0; // plies held; more than gamePly after a take-back
    Square lastFrom = 0, lastTo = 0;
    std::string whiteName, blackName;
    std::array<std::int32_t, 2> clock {}; // seconds used by white and black
    std::uint8_t enginePlaysBlack = 1;
    std::uint8_t orientation = 0; // 1: the picture is turned half a circle
    MoveListModel moveList;
    MoveGenerator gen;

    // The initial position as a new game starts it, stored as entry 0.
    void newGame();
    // Makes the current board the start of a new record (set-up positions, loaded games).
    void startFrom(const Board& b, SideToMove toMove);

    // Writes the current position and its ply into entry gamePly.
    void storeRecordEntry(int captureCount);
    // Loads entry gamePly back: board, clocks, names, computer's colour. The
    // side to move is left to the caller.
    void restoreRecordEntry();

    // Plays a legal move at game level: board, promotion, side, record, move
    // list, displayed board. `captureCount` is that of the list it came from.
    PlayResult playMove(const MoveRecord& m, int captureCount);

    // Legal moves of the side to move into the generator's ply-1 list.
    int generateLegal() { return gen.generateLegal(board, side); }

    // Rewrites the move-list line of ply gamePly from the record.
    void moveListLine();
    // Builds the whole move list from entries 1..recordedPlies (a loaded
    // game), selecting its last move line.
    void rebuildMoveList();

    // Turns the set-up board half a circle together with the view: every piece
    // stays where the user sees it, the side that moves up changes.
    void changeDirection();

    bool recordFull() const { return gamePly >= kLastPlyEntry; }

    // The side to move in the position of entry `ply`.
    SideToMove sideAtPly(int ply) const { return static_cast<SideToMove>(startSide ^ (ply & 1)); }

    // The position held by entry `ply` (its sentinel set).
    Board positionAt(int ply) const;
    // The legal move that led from entry ply - 1 to entry `ply`: the one with
    // the entry's ends that leaves its position; nothing when none does.
    std::optional<MoveRecord> playedMove(int ply) const;
    // Ply `ply` as the move list writes it, squares under their labels:
    // "10-14", "26x17", or "24x06x27" where another capture has the same ends.
    std::string plyText(int ply) const;
};

} // namespace kv
