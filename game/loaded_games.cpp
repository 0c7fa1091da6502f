// Games that come from files: the record is replaced as a whole and shown
// like a position reached by stepping through the record.
#include "game/controller.h"

namespace kv {

void GameController::loadGame(std::function<void(GameState&)> fill)
{
    post(
        [this, fill = std::move(fill)] {
            fill(game_);
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            clearInput();
            showClocks();
            clocks_.stampBoth();
            matchState_ = 0;
            forgetGameEnd();
            hideGameNotices();
            view_.refreshMoveList();
            view_.boardChanged();
            view_.refreshStatus();
            engineTurn_ = false;
        },
        true);
}

} // namespace kv
