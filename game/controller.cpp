// The game controller: the play loop, searches on the computer's and the
// user's time, clocks, options and quitting. The other parts of the class
// live beside it: computer_move.cpp, new_games.cpp, click_input.cpp,
// navigation.cpp.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "engine/scores.h"
#include "rules/geometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

using namespace controller_detail;

GameController::GameController(GameState& game, SearchContext& search, GameView& view)
    : game_(game), search_(search), view_(view)
{
    search_.poll = [this] { view_.processEvents(); };
    setLevel(level_);
    picture_.showBoard(game_.displayed);
}

// ---------------------------------------------------------------- the loop

void GameController::runPlayLoop()
{
    ++loopDepth_;
    while (!quitRequested_) playLoopPass();
    --loopDepth_;
    if (loopDepth_ == 0) view_.quitApplication();
}

void GameController::playLoopPass()
{
    // 1. Whose turn: a pending engine request or computer-against-computer
    //    hands the move to the computer.
    if (engineMoveRequest_) engineTurn_ = true;
    if (engineTurn_) view_.showPanel(GamePanel::CaptureNotice, false);
    if (computerVsComputer()) engineTurn_ = true;

    // 2. Show the mode and what may be used now.
    dropStaleHint();
    refreshCommands();
    view_.refreshStatus();

    // 3. Let the window run its commands and clicks; posted requests follow.
    view_.processEvents();
    runPostedRequests();
    if (quitRequested_) return;

    // 4. The user's turn (perhaps thinking on the user's time) or the computer's move.
    //    A finished game waits for a new game or a step in the record, whoever has the move.
    const bool userTurn = (!engineTurn_ || humanVsHuman() || gameOver()) && !engineMoveRequest_;
    if (sessionAnalysisDue_) {
        sessionAnalysisDue_ = false;
        startAnalysis();
    }
    if (analysing_) {
        analysisStep(); // one position of the analysis walk
    } else if (positionSetupMode_) {
        if (!pendingClick_ && requests_.empty()) view_.waitForEvents();
    } else if (userTurn) {
        search_.state.stopRequested = false;
        if (humanVsHuman()) game_.displayed = game_.board;
        // A finished game is not thought about: nobody is going to move.
        if (options.ponder && !skipPonder_ && !thoughtThisTurn_ && !pendingClick_
            && requests_.empty() && !gameOver()) {
            thoughtThisTurn_ = true;
            ponder();
        } else if (!pendingClick_ && requests_.empty()) {
            view_.waitForEvents();
        }
    } else {
        game_.board = game_.displayed;
        playComputerMove();
        thoughtThisTurn_ = false;
    }
    runPostedRequests();

    // 5. The request of the position editor is consumed.
    engineMoveRequest_ = false;

    // 6. A stored click is handled now that no search runs.
    if (pendingClick_) {
        pendingClick_ = false;
        handleBoardClick(pendingCell_);
    }
}

void GameController::post(std::function<void()> request, bool abortSearch)
{
    if (!busy_) {
        request();
        return;
    }
    requestStop(abortSearch);
    requests_.push_back(std::move(request));
}

void GameController::runPostedRequests()
{
    while (!requests_.empty() && !busy_) {
        auto request = std::move(requests_.front());
        requests_.pop_front();
        request();
    }
}

void GameController::requestStop(bool abort)
{
    search_.state.stopRequested = true;
    if (abort) search_.state.abortSearch = true;
}

CommandStates GameController::currentCommandStates() const
{
    CommandInputs in;
    in.thinking = thinking_;
    in.computerVsComputer = computerVsComputer();
    in.match = matchState_ == 1;
    in.gamePly = game_.gamePly;
    in.gameOver = gameOver();
    in.analysing = analysing_;
    in.positionSetup = positionSetupMode_;
    return commandStates(in);
}

void GameController::refreshCommands() { view_.applyCommandStates(currentCommandStates()); }

void GameController::settleArrivedPosition()
{
    engineMoveRequest_ = false;
    thoughtThisTurn_ = false;
    skipPonder_ = true;
    clocks_.stampBoth();
    // A side left without a move has lost: the game ends as it arrives.
    if (!gameOver() && game_.generateLegal() == 0) {
        engineTurn_ = false;
        endGame(0);
        return;
    }
    engineTurn_ = !gameOver() && !positionSetupMode_ && !analysing_
        && (computerVsComputer() || (againstComputer() && game_.side == computerSide()));
    if (engineTurn_) {
        // The computer's clock runs through its search; the user's from its reply.
        if (!view_.clockTimerRunning()) view_.startClockTimer();
    } else {
        waitWithClocksStopped();
    }
}

void GameController::waitWithClocksStopped()
{
    view_.stopClockTimer();
    clocks_.stampBoth();
}

std::array<int, 5> GameController::pieceCounts() const
{
    const PieceCounts pc = PieceCounts::of(game_.board);
    return { 0, pc[WhiteMan], pc[WhiteKing], pc[BlackMan], pc[BlackKing] };
}

// ---------------------------------------------------------------- searching

SearchResult GameController::runDriver(bool unlimited)
{
    FlagScope busy(busy_);
    SearchRequest req;
    req.board = game_.board;
    req.side = game_.side;
    req.gamePly = game_.gamePly;
    req.usedSeconds = game_.clock;
    req.record = &game_.record;
    req.book = [this](const Board&, SideToMove side) {
        return openings.lookup(side, game_.record, game_.gamePly);
    };
    search_.state.unlimitedTime = unlimited;
    search_.settings.levelTime = level_.levelTime;
    search_.settings.levelCap = level_.levelCap;
    lastSearchUnlimited_ = unlimited;
    lastResult_ = searchDriver(search_, req);
    return lastResult_;
}

void GameController::ponder()
{
    if (!humanVsHuman()) game_.board = game_.displayed;
    game_.board[0] = OffBoard;
    search_.state.abortSearch = false;
    FlagScope p(pondering_);
    runDriver(true);
    search_.state.unlimitedTime = false;
}

bool GameController::computerOffersDraw(int score) const
{
    const std::array<int, 5> pc = pieceCounts();
    const int pieces = pc[1] + pc[2] + pc[3] + pc[4];
    if (pieces >= 5 || pc[2] + pc[4] == 0 || game_.gamePly <= 20) return false;
    for (int p = game_.gamePly - 19; p <= game_.gamePly; ++p)
        if (game_.record[p].captured != 0) return false;
    return score > -kDecidedScore && score < kDecidedScore;
}

// ---------------------------------------------------------------- clocks and levels

void GameController::setLevel(const LevelSetting& level)
{
    level_ = level;
    search_.settings.levelTime = level.levelTime;
    search_.settings.levelCap = level.levelCap;
}

void GameController::showClocks()
{
    view_.showClock(White, clockText(game_.clock[White]));
    view_.showClock(Black, clockText(game_.clock[Black]));
}

void GameController::tickClock()
{
    if (engineTurn_ && !humanVsHuman()) return;
    // The clocks stop with the game, and stand still while an analysis walks
    // through it: the analysis is not a turn of either player.
    if (gameOver() || analysing_) return;
    // Setting up a position or choosing a new game is no one's thinking time.
    if (positionSetupMode_ || clocksHeld_ || clocksPaused_) return;
    const int side = game_.side;
    view_.showClock(side, clockText(clocks_.runningTotal(game_, side)));
}

void GameController::resetClocks()
{
    if (ratedMatchRunning()) return; // a match's clocks decide its result
    clocks_.reset(game_);
    if (matchState_ == 1) matchState_ = 0;
    showClocks();
}

void GameController::pauseClocks()
{
    // The seconds spent so far in this turn are banked before the clock stops;
    // the turn starts again when the pause ends, so only the pause is left out.
    if (!clocksPaused_ && !clocksHeld_ && view_.clockTimerRunning()) bankRunningTurn();
    clocksPaused_ = true;
}

void GameController::restartClocks()
{
    clocksPaused_ = false;
    if (!clocksHeld_) clocks_.stampBoth();
}

void GameController::holdClocks(bool held)
{
    if (held == clocksHeld_) return;
    clocksHeld_ = held;
    if (clocksPaused_ || !view_.clockTimerRunning()) return; // they stand still already
    if (held) bankRunningTurn();
    else clocks_.stampBoth();
}

void GameController::bankRunningTurn()
{
    if (gameOver()) return; // its clocks already stand still
    const int side = game_.side;
    clocks_.closeTurn(game_, side);
    clocks_.stamp(side);
    showClocks();
}

// ---------------------------------------------------------------- options

void GameController::toggleNumbering()
{
    options.numbering = !options.numbering;
    picture_.numbering = options.numbering;
    view_.boardChanged();
}

void GameController::toggleBlindPlay()
{
    options.blind = !options.blind;
    picture_.blind = options.blind;
    if (options.blind) options.numbering = picture_.numbering = false;
    view_.boardChanged();
}

// ---------------------------------------------------------------- quitting

void GameController::quitAndKeepGame()
{
    requestStop(true);
    quitRequested_ = true;
    if (!loopRunning()) view_.quitApplication();
}

} // namespace kv
