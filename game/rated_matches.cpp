// Rated matches: the start of a match game and the rating of its result.
#include "game/controller.h"

namespace kv {

void GameController::newMatch(const MatchSetup& setup)
{
    post(
        [this, setup] {
            match_ = setup;
            startAgainstComputer(setup.player().name, setup.playerSide == White);
            // The engine's own name typed as the player's: it plays itself, unrated.
            matchState_ = setup.engineVsEngine ? 0 : 1;
            // A match's clocks run from its start, not from the player's first click.
            clocks_.stampBoth();
            if (!view_.clockTimerRunning()) view_.startClockTimer();
            refreshCommands();
            view_.refreshStatus();
        },
        true);
}

void GameController::rateMatchEnd(GameResult result)
{
    if (matchState_ != 1 || result == GameResult::None) {
        view_.matchRated(nullptr);
        return;
    }
    matchState_ = 5; // rated once, whatever happens next
    const RatedResult rated = rateMatch(match_, result);
    view_.matchRated(&rated);
}

} // namespace kv
