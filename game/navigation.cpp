// Record navigation: taking back, replaying and turning the board.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "rules/geometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

using namespace controller_detail;

// ---------------------------------------------------------------- record navigation

void GameController::restoreStep()
{
    // The names shown and the computer's colour are settings of the game:
    // they stay while stepping through the record.
    const std::string white = game_.whiteName, black = game_.blackName;
    const std::uint8_t computerColour = game_.enginePlaysBlack;
    game_.restoreRecordEntry();
    game_.whiteName = white;
    game_.blackName = black;
    game_.enginePlaysBlack = computerColour;
    setName(game_.record[game_.gamePly].whiteName, white);
    setName(game_.record[game_.gamePly].blackName, black);
    game_.displayed = game_.board;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    lastComputerFrom_ = lastComputerTo_ = 0;
    clearInput();
    showClocks();
    clocks_.stampBoth();
    // Stepping back into a finished game reopens it. A rated game stays
    // rated as it ended: reopened, it is played on unrated, and can end again.
    gameResult_ = GameResult::None;
    if (matchState_ == 5) matchState_ = 0;
    // The notices belonged to the position left behind.
    hideGameNotices();
    view_.refreshMoveList();
    view_.boardChanged();
    refreshCommands();
}

void GameController::postNavigation(std::function<void()> step)
{
    // The loop carries the step out once no search is running; afterwards the
    // user has the move (of either colour), the engine does not think on it
    // straight away, and the clocks wait for the user's first click.
    // A rated match is never stepped through: its moves stand.
    if (ratedMatchRunning()) return;
    post(
        [this, step = std::move(step)] {
            step();
            view_.refreshStatus();
            skipPonder_ = true;
            engineTurn_ = false;
            waitWithClocksStopped();
        },
        true);
}

// Shows the stored position of `ply`: its move-list line is selected and the
// side to move follows from the side that started the record.
void GameController::showPly(int ply)
{
    game_.gamePly = static_cast<std::uint8_t>(ply);
    game_.moveList.select(lineOfPly(ply));
    restoreStep();
    game_.side = game_.sideAtPly(ply);
}

bool GameController::stepChangesNothing(bool nothingToShow)
{
    // Judged now only when no other step waits: a queued one may move the ply.
    if (!requests_.empty() || !nothingToShow) return false;
    // The position stays, so a search under way goes on: the computer still
    // plays the move it is thinking about.
    skipPonder_ = true;
    view_.refreshStatus();
    return true;
}

void GameController::stepBack()
{
    if (ratedMatchRunning()) return;
    if (stepChangesNothing(game_.gamePly == 0)) {
        if (!busy_) engineTurn_ = false;
        return;
    }
    postNavigation([this] {
        if (game_.gamePly > 0) showPly(game_.gamePly - 1);
    });
}

void GameController::stepForward()
{
    if (ratedMatchRunning()) return;
    if (stepChangesNothing(game_.gamePly >= game_.recordedPlies)) return;
    postNavigation([this] {
        if (game_.gamePly >= game_.recordedPlies) return;
        matchState_ = 0;
        showPly(game_.gamePly + 1);
    });
}

void GameController::goToStart()
{
    postNavigation([this] {
        matchState_ = 0;
        showPly(0);
    });
}

void GameController::goToEnd()
{
    postNavigation([this] {
        matchState_ = 0;
        const int last = game_.recordedPlies;
        showPly(last);
    });
}

int GameController::plyOfLine(int line) const
{
    // Same parity, so the side to move stays; never beyond the record.
    int ply = game_.gamePly % 2 == 0 ? 2 * line : 2 * line + 1;
    while (ply > game_.recordedPlies) ply -= 2;
    return ply;
}

void GameController::goToLine(int line)
{
    if (line < 0 || ratedMatchRunning()) return;
    // The line of the position shown changes nothing while the computer thinks.
    if (busy_ && requests_.empty() && plyOfLine(line) == game_.gamePly) return;
    post(
        [this, line] {
            const int ply = plyOfLine(line);
            if (ply < 0) return;
            game_.gamePly = static_cast<std::uint8_t>(ply);
            game_.moveList.select(line);
            restoreStep();
            view_.refreshStatus();
            engineTurn_ = false;
            waitWithClocksStopped();
        },
        true);
}

void GameController::flipBoard()
{
    game_.orientation ^= 1;
    picture_.inverted = game_.orientation != 0;
    view_.boardChanged();
    view_.refreshStatus();
}

} // namespace kv
