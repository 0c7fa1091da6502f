// Board clicks: move input for the side to move.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "rules/geometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

using namespace controller_detail;

// ---------------------------------------------------------------- move input

namespace {
// Input times come from the window system's millisecond clock, which may wrap
// round: a time far behind the reference is a later one.
bool madeAfter(std::uint64_t t, std::uint64_t reference)
{
    return t > reference || reference - t > 60'000;
}
} // namespace

void GameController::boardReleased(std::uint64_t releaseTime)
{
    lastRelease_ = lastInput_ = releaseTime;
}

void GameController::boardClicked(Cell cell, std::uint64_t pressTime)
{
    if (analysing_) return; // the board shows the walk; nobody moves
    // A click in the computer's turn (its thinking, or its move still to come
    // or being shown) is never the user's move: with "stop by click" outside a
    // match it ends the thinking, so the computer plays its best move so far;
    // the user's move starts with the next click.
    // Only a press begun while the computer thinks is such a click: the click
    // that completed the user's move (its release, or a press the window
    // system makes up from its stale events, which predate that release)
    // must not cut the thinking short.
    const bool computersTurn = thinking_ || (engineTurn_ && !humanVsHuman());
    const bool newPress = pressTime == 0
        || (madeAfter(pressTime, lastRelease_) && madeAfter(pressTime, thinkingSince_));
    if (pressTime != 0) lastInput_ = pressTime;
    if (computersTurn) {
        if (thinking_ && matchState_ != 1 && options.stopByClick && newPress) requestStop(false);
        return;
    }
    pendingClick_ = true;
    pendingCell_ = cell;
    requestStop(false);
}

void GameController::forgetGameEnd()
{
    gameResult_ = GameResult::None;
    endMessage_.clear();
    pieceHistory_ = {};
    skipPonder_ = true;
    thoughtThisTurn_ = false;
    lastComputerFrom_ = lastComputerTo_ = 0;
}

void GameController::hideGameNotices()
{
    for (GamePanel p : { GamePanel::GameEnd, GamePanel::HandicapApology, GamePanel::DrawOffer,
                         GamePanel::DrawRefused, GamePanel::CaptureNotice })
        view_.showPanel(p, false);
}

void GameController::clearInput()
{
    input_.clear();
    for (int s = 1; s <= 32; ++s)
        if (picture_.marker[s] == MarkColour::Red || picture_.marker[s] == MarkColour::Blue
            || picture_.marker[s] == MarkColour::Fuchsia)
            picture_.marker[s] = MarkColour::None;
}

void GameController::showInputMarkers()
{
    for (int s = 1; s <= 32; ++s) {
        MarkColour& m = picture_.marker[s];
        if (m == MarkColour::Red || m == MarkColour::Blue || m == MarkColour::Fuchsia)
            m = MarkColour::None;
        switch (input_.markers()[s]) {
        case Marker::Origin: m = MarkColour::Red; break;
        case Marker::Branch: m = MarkColour::Blue; break;
        case Marker::Target: m = MarkColour::Fuchsia; break;
        case Marker::None: break;
        }
    }
    view_.boardChanged();
}

void GameController::handleBoardClick(Cell cell)
{
    view_.showPanel(GamePanel::DrawRefused, false);
    if (positionSetupMode_) {
        placePiece(cell);
        return;
    }
    if (!input_.picked()) view_.refreshStatus();
    if ((engineTurn_ && !humanVsHuman()) || computerVsComputer()) return;
    // A finished game takes no more moves until a new game or a step in the
    // record; a click brings its result back, with the offer of a new game.
    if (gameOver()) {
        view_.showPanel(GamePanel::GameEnd, true);
        return;
    }
    const Square s = squareOfCell(cell, picture_.inverted);
    if (s == 0) return;
    if (options.blind) view_.boardChanged();

    if (!humanVsHuman()) game_.board = game_.displayed;
    requestStop(false);
    if (!view_.clockTimerRunning()) {
        clocks_.stampBoth();
        clocksPaused_ = false; // a move ends a pause
        view_.startClockTimer();
    }
    if (game_.recordFull()) {
        endGame(DrawEnding);
        return;
    }

    input_.playSingleMoveAtOnce = options.singleClickMove;
    const ClickResult r = input_.click(game_.board, game_.side, game_.gen, s);
    if (input_.captureNotice()) view_.showPanel(GamePanel::CaptureNotice, true);
    switch (r) {
    case ClickResult::Ignored: return;
    case ClickResult::Cancelled:
        clearInput();
        view_.boardChanged();
        return;
    case ClickResult::Waiting: showInputMarkers(); return;
    case ClickResult::Complete: finishUserMove(input_.move(), input_.move().n); return;
    }
}

void GameController::finishUserMove(const MoveRecord& m, int captureCount)
{
    const std::uint8_t piece = game_.board[m.from];
    const CapturePathRow path = input_.landing();
    clearInput();
    view_.showPanel(GamePanel::CaptureNotice, false);
    {
        FlagScope busy(busy_);
        if (m.n > 1 && options.decomposeCaptures) showPath(m.from, m.to, path, m.n, piece);
    }
    const SideToMove mover = game_.side;
    clocks_.closeTurn(game_, mover);
    showClocks();
    if (!playOnRecord(m, captureCount)) return;

    // Redraw the squares of the move; markers on empty squares go.
    picture_.draw(m.from, Empty);
    for (int c = 0; c < m.n; ++c) picture_.draw(m.captured[c], Empty);
    picture_.draw(m.to, game_.board[m.to]);
    picture_.clearEmptyMarkers();
    view_.refreshMoveList();
    view_.boardChanged();

    if (againstComputer()) {
        engineTurn_ = true;
        thoughtThisTurn_ = false;
        clocks_.stamp(game_.side);
        view_.refreshStatus();
        return;
    }
    clocks_.stamp(game_.side);
    view_.refreshStatus();
    if (!gameOver() && game_.generateLegal() == 0) endGame(0);
}

} // namespace kv
