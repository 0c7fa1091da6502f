// Game analysis as a mode of the play loop: each pass searches one position
// of the walk, so the window stays live and the walk can be stopped between
// any two positions (or inside one, which ends that position's search).
#include "game/controller.h"
#include "game/controller_detail.h"

namespace kv {

using namespace controller_detail;

void GameController::startAnalysis()
{
    if (analysing_ || positionSetupMode_ || game_.gamePly == 0 || ratedMatchRunning()) return;
    post(
        [this] {
            if (!analysis_) analysis_ = std::make_unique<GameAnalysis>(search_);
            matchState_ = 0;
            engineTurn_ = false;
            engineMoveRequest_ = false;
            clearInput();
            analysisPonder_ = options.ponder;
            options.ponder = false;
            if (!analysis_->begin(game_, analysisLanguage)) {
                options.ponder = analysisPonder_;
                return;
            }
            analysing_ = true;
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            view_.analysisChanged();
            view_.boardChanged();
        },
        true);
}

void GameController::analysisStep()
{
    {
        // The game's clocks stand still: the walk's searches are nobody's turn.
        FlagScope busy(busy_);
        analysis_->step(game_);
    }
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    view_.boardChanged();
    view_.analysisChanged();
    if (!analysis_->walking()) endAnalysis();
}

void GameController::endAnalysis()
{
    if (!analysing_) return;
    analysing_ = false;
    analysis_->finish(game_);
    options.ponder = analysisPonder_;
    skipPonder_ = true;
    engineTurn_ = false;
    game_.moveList.select(lineOfPly(game_.gamePly));
    restoreStep();
    game_.side = game_.sideAtPly(game_.gamePly);
    // The board may stay in the middle of the game: it waits there for the
    // user, who may play on from it, with the clocks stopped.
    waitWithClocksStopped();
    view_.analysisChanged();
    view_.refreshStatus();
    if (sessionActive_) {
        // The session's lesson, then its next game.
        if (onSessionGameAnalysed) onSessionGameAnalysed();
        if (!sessionActive_) return;
        resetGame();
        mode_ = PlayMode::ComputerVsComputer;
        engineTurn_ = true;
    }
}

void GameController::startLearningSession()
{
    if (sessionActive_ || ratedMatchRunning()) return;
    sessionActive_ = true;
    sessionLevel_ = level_;
    LevelSetting raised = level_;
    raised.levelTime = std::max(raised.levelTime, 500);
    setLevel(raised);
    mode_ = PlayMode::ComputerVsComputer;
    refreshCommands();
    view_.refreshStatus();
}

void GameController::stopLearningSession()
{
    if (!sessionActive_) return;
    sessionActive_ = false;
    sessionAnalysisDue_ = false;
    setLevel(sessionLevel_);
    // The computer goes back to its own colour; the game waits or goes on
    // from the position as any position that arrives.
    setMode(PlayMode::AgainstComputer);
    view_.refreshStatus();
}

void GameController::pauseAnalysis()
{
    if (analysing_) requestStop(false);
}

void GameController::finishAnalysis()
{
    if (!analysing_) return;
    analysis_->stop();
    requestStop(false);
    post([this] { endAnalysis(); }, false);
}

void GameController::showAnalysedPly(int ply)
{
    if (!analysis_) return;
    finishAnalysis();
    post(
        [this, ply] {
            const int p = std::clamp(ply, 0, static_cast<int>(game_.recordedPlies));
            showPly(p);
            engineTurn_ = false;
            skipPonder_ = true;
            waitWithClocksStopped();
            // The graph's cursor and the lists follow the position shown.
            view_.analysisChanged();
            view_.refreshStatus();
        },
        false);
}

void GameController::showAnalysisLine(int line)
{
    if (!analysis_ || analysis_->entries().empty()) return;
    showAnalysedPly(analysis_->plyOfLine(line));
}

} // namespace kv
