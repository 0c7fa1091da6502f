#include "game_state.h"

#include "geometry.h"
#include "notation.h"

#include <algorithm>

namespace kv {

void GameState::startFrom(const Board& b, SideToMove toMove)
{
    board = b;
    board[0] = OffBoard;
    side = toMove;
    startSide = toMove;
    gamePly = 0;
    recordedPlies = 0;
    lastFrom = lastTo = 0;
    moveList.clear();
    storeRecordEntry(0);
    displayed = board;
}

void GameState::newGame()
{
    Board b;
    b.setInitial();
    orientation = 0;
    startFrom(b, White);
}

void GameState::storeRecordEntry(int captureCount)
{
    RecordEntry& e = record[gamePly];
    e.sentinel = OffBoard;
    std::copy(board.sq.begin() + 1, board.sq.end(), e.squares.begin());
    e.captured = static_cast<std::uint8_t>(captureCount);
    e.from = lastFrom;
    e.to = lastTo;
    e.whiteClock = clock[0];
    e.blackClock = clock[1];
    setName(e.whiteName, whiteName);
    setName(e.blackName, blackName);
    e.enginePlaysBlack = enginePlaysBlack;
}

void GameState::restoreRecordEntry()
{
    const RecordEntry& e = record[gamePly];
    board[0] = OffBoard;
    std::copy(e.squares.begin(), e.squares.end(), board.sq.begin() + 1);
    clock[0] = e.whiteClock;
    clock[1] = e.blackClock;
    enginePlaysBlack = e.enginePlaysBlack;
    whiteName = nameOf(e.whiteName);
    blackName = nameOf(e.blackName);
    lastFrom = e.from;
    lastTo = e.to;
}

PlayResult GameState::playMove(const MoveRecord& m, int captureCount)
{
    if (recordFull()) return PlayResult::RecordFull;
    applyMove(board, m);
    side ^= 1;

    // A new move after a take-back drops the lines of the plies that
    // followed. Deleting line k / 2 for each dropped ply k, one after the
    // other, shifts the later lines under the loop and leaves some behind;
    // keeping the lines of plies 1..gamePly does what it means. The line of
    // the new ply is rebuilt from the record below.
    if (gamePly < recordedPlies) moveList.truncate(gamePly / 2);

    ++gamePly;
    recordedPlies = gamePly;
    lastFrom = m.from;
    lastTo = m.to;
    storeRecordEntry(captureCount);
    moveListLine();
    displayed = board;
    return PlayResult::Played;
}

Board GameState::positionAt(int ply) const { return boardOf(record[ply]); }

std::optional<MoveRecord> GameState::playedMove(int ply) const
{
    if (ply < 1 || ply > kLastPlyEntry) return std::nullopt;
    const Board before = positionAt(ply - 1), after = positionAt(ply);
    const RecordEntry& e = record[ply];
    MoveGenerator legal;
    Board copy = before;
    const int n = legal.generateLegal(copy, sideAtPly(ply - 1));
    for (int i = 0; i < n; ++i) {
        const MoveRecord& m = legal.list(1)[i];
        if (m.from != e.from || m.to != e.to) continue;
        Board played = before;
        applyMove(played, m);
        if (played == after) return m;
    }
    return std::nullopt;
}

std::string GameState::plyText(int ply) const
{
    const RecordEntry& e = record[ply];
    std::vector<Square> squares { e.from, e.to };
    if (e.captured) {
        if (const std::optional<MoveRecord> m = playedMove(ply))
            squares = writtenSquares(positionAt(ply - 1), sideAtPly(ply - 1), *m);
    }
    std::string t;
    for (Square s : squares) {
        if (!t.empty()) t += e.captured ? 'x' : '-';
        t += label(s);
    }
    return t;
}

void GameState::moveListLine()
{
    const int n = gamePly;
    if (n == 0) return;
    if (recordedPlies <= 1) moveList.clear();
    if (n % 2 == 1) {
        moveList.setLine((n - 1) / 2, whiteLineText((n + 1) / 2, plyText(n)));
        moveList.select((n - 1) / 2);
    } else {
        moveList.setLine(n / 2 - 1, pairLineText(n / 2, plyText(n - 1), plyText(n)));
        moveList.ensureTrailingEmptyLine();
        moveList.select(n / 2 - 1);
    }
}

void GameState::rebuildMoveList()
{
    moveList.clear();
    const int last = std::clamp<int>(recordedPlies, 0, kLastPlyEntry);
    for (int n = 2; n <= last; n += 2)
        moveList.setLine(n / 2 - 1, pairLineText(n / 2, plyText(n - 1), plyText(n)));
    if (last % 2 == 1) {
        moveList.setLine(last / 2, whiteLineText((last + 1) / 2, plyText(last)));
        moveList.select(last / 2);
    } else if (last > 0) {
        moveList.select(last / 2 - 1);
        moveList.ensureTrailingEmptyLine(); // as after a move of black's in play
    }
}

void GameState::changeDirection()
{
    orientation ^= 1;
    rotateHalfTurn(board);
    displayed = board;
}

} // namespace kv
