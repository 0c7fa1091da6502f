// "Conseil": the engine's move for the side the user plays, searched on the
// user's time and shown as an arrow until the position changes.
#include "game/controller.h"
#include "game/controller_detail.h"

namespace kv {

using namespace controller_detail;

bool GameController::hintAllowed() const
{
    // Never in a rated match, nor while nobody is to move for the user.
    const bool usersTurn = !engineTurn_ || humanVsHuman();
    return usersTurn && !gameOver() && matchState_ != 1 && !analysing_ && !positionSetupMode_
        && !computerVsComputer() && !thinking_;
}

void GameController::showHint()
{
    if (!hintAllowed()) return;
    // Run by the loop, never inside the command's handler: thinking on the
    // user's time ends first and its result is not kept.
    if (busy_) requestStop(false);
    requests_.push_back([this] {
        if (!hintAllowed()) return;
        game_.board = game_.displayed;
        game_.board[0] = OffBoard;
        search_.state.stopRequested = false;
        search_.state.abortSearch = false;
        const SearchResult kept = lastResult_; // the computer's last move stays shown
        const SearchResult r = runDriver(false);
        lastResult_ = kept;
        if (r.aborted || r.legalIndex < 0) return;
        picture_.hintFrom = r.move.from;
        picture_.hintTo = r.move.to;
        hintBoard_ = game_.displayed;
        hintSide_ = game_.side;
        view_.boardChanged();
    });
}

void GameController::dropStaleHint()
{
    if (!picture_.hintFrom) return;
    if (game_.displayed == hintBoard_ && game_.side == hintSide_ && !gameOver()) return;
    picture_.hintFrom = picture_.hintTo = 0;
    view_.boardChanged();
}

} // namespace kv
