// Games that come from files or the clipboard: the record is replaced as a
// whole; the computer plays on when the game gives it the move, else the
// game waits for the user with the clocks stopped.
#include "game/controller.h"

namespace kv {

void GameController::loadGame(std::function<void(GameState&)> fill)
{
    if (ratedMatchRunning()) return; // the match's game stays on the board
    post(
        [this, fill = std::move(fill)] {
            fill(game_);
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            clearInput();
            showClocks();
            matchState_ = 0;
            forgetGameEnd();
            hideGameNotices();
            view_.refreshMoveList();
            view_.boardChanged();
            settleArrivedPosition();
            view_.refreshStatus();
        },
        true);
}

} // namespace kv
