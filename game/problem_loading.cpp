// Problems are game files: loading one replaces the game by its record, with
// the level it carries; the computer plays its side from there.
#include "game/controller.h"
#include "game/controller_detail.h"

namespace kv {

using namespace controller_detail;

void GameController::loadProblem(const GameFile& file)
{
    if (analysing_ || ratedMatchRunning()) return;
    post(
        [this, file] {
            positionSetupMode_ = false;
            loadGameFile(file, game_);
            if (const auto level = levelByIndex(file.settings.levelIndex)) setLevel(*level);
            clearInput();
            matchState_ = 0;
            forgetGameEnd();
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            hideGameNotices();
            view_.refreshMoveList();
            showClocks();
            view_.boardChanged();
            view_.setupChanged();
            // The computer answers at once when the problem gives it the move.
            settleArrivedPosition();
            view_.refreshStatus();
        },
        true);
}

} // namespace kv
