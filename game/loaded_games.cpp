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
            lastComputerFrom_ = lastComputerTo_ = 0;
            clearInput();
            showClocks();
            clocks_.stampBoth();
            matchState_ = 0;
            gameResult_ = NoResult;
            endMessage_.clear();
            pieceHistory_ = {};
            for (GamePanel p : { GamePanel::FinDeParties, GamePanel::CaptureNotice, GamePanel::Zut,
                                 GamePanel::MatchNul, GamePanel::Nulrefus })
                view_.showPanel(p, false);
            view_.refreshMoveList();
            view_.boardChanged();
            view_.refreshStatus();
            skipPonder_ = true;
            thoughtThisTurn_ = false;
            engineTurn_ = false;
        },
        true);
}

} // namespace kv
