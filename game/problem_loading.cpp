// Problems are game files: loading one replaces the game by its record, with
// the level it carries; the computer plays its side from there.
#include "game/controller.h"
#include "game/controller_detail.h"

namespace kv {

using namespace controller_detail;

void GameController::loadProblem(const GameFile& file)
{
    if (analysing_) return;
    post(
        [this, file] {
            positionSetupMode_ = false;
            loadGameFile(file, game_);
            if (const auto level = levelByIndex(file.settings.levelIndex)) setLevel(*level);
            clearInput();
            engineTurn_ = false;
            engineMoveRequest_ = false;
            matchState_ = 0;
            forgetGameEnd();
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            hideGameNotices();
            clocks_.stampBoth();
            view_.refreshMoveList();
            showClocks();
            view_.boardChanged();
            view_.setupChanged();
            view_.refreshStatus();
            // The computer answers at once when the problem gives it the move.
            if (game_.side == computerSide() && !options.humanVsHuman) engineTurn_ = true;
        },
        true);
}

} // namespace kv
