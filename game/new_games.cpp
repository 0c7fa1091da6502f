// New games, sides, draw offers and resignation.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "io/text_encoding.h"
#include "rules/geometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

using namespace controller_detail;

// ---------------------------------------------------------------- new games and sides

void GameController::resetGame()
{
    requestStop(false);
    positionSetupMode_ = false; // a new game ends the editor
    game_.newGame();
    game_.board[0] = OffBoard;
    clocks_.reset(game_);
    clocksHeld_ = false;
    picture_.inverted = false;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    engineTurn_ = false;
    matchState_ = 0;
    forgetGameEnd();
    clearInput();
    game_.storeRecordEntry(0); // the start of the game, with the clocks at zero
    hideGameNotices();
    // The thinking shown belonged to the game left behind.
    view_.clearStatistics();
    view_.refreshMoveList();
    showClocks();
    view_.boardChanged();
    view_.setupChanged();
    refreshCommands();
    view_.refreshStatus();
}

void GameController::newTraining(const QString& userName, bool computerBlack)
{
    post(
        [this, userName, computerBlack] {
            startAgainstComputer(userName.trimmed().isEmpty() ? "Inconnu"
                                                              : userName.trimmed().toStdString(),
                                 computerBlack);
        },
        true);
}

void GameController::startAgainstComputer(const std::string& user, bool computerBlack)
{
    view_.showPanel(GamePanel::NewGame, false);
    resetGame();
    mode_ = PlayMode::AgainstComputer;
    matchState_ = 0;
    options.stopByClick = true;
    game_.enginePlaysBlack = 1;
    if (computerBlack) {
        game_.blackName = kComputerName;
        game_.whiteName = user;
        game_.storeRecordEntry(0);
    } else {
        game_.whiteName = kComputerName;
        game_.blackName = user;
        game_.storeRecordEntry(0);
        flipBoard(); // the user's black men at the bottom
        swapComputerColour();
    }
    if (game_.whiteName == game_.blackName) mode_ = PlayMode::ComputerVsComputer;
    game_.displayed = game_.board;
    view_.refreshStatus();
}

void GameController::newHumanGame(const QString& white, const QString& black)
{
    if (white.trimmed().isEmpty() || black.trimmed().isEmpty()) return;
    post(
        [this, white, black] {
            view_.showPanel(GamePanel::NewGame, false);
            resetGame();
            mode_ = PlayMode::HumanVsHuman;
            game_.whiteName = cleanName(white.toStdString(), kNameLength);
            game_.blackName = cleanName(black.toStdString(), kNameLength);
            game_.storeRecordEntry(0);
            view_.refreshStatus();
        },
        true);
}

void GameController::toggleHumanVsHuman()
{
    setMode(humanVsHuman() ? PlayMode::AgainstComputer : PlayMode::HumanVsHuman);
}

void GameController::toggleComputerVsComputer()
{
    setMode(computerVsComputer() ? PlayMode::AgainstComputer : PlayMode::ComputerVsComputer);
}

void GameController::setMode(PlayMode mode)
{
    if (ratedMatchRunning() || mode == mode_) return;
    mode_ = mode;
    refreshCommands();
    view_.refreshStatus();
    if (mode == PlayMode::ComputerVsComputer) {
        requestStop(false); // thinking on the user's time ends: the computer moves now
        if (enterLoop) enterLoop();
        return;
    }
    // A search for a colour the computer no longer plays is abandoned; the
    // game goes on from the position as from any position that arrives.
    post(
        [this] {
            clearInput();
            settleArrivedPosition();
            refreshCommands();
            view_.refreshStatus();
            if (engineTurn_ && enterLoop) enterLoop();
        },
        true);
}

void GameController::setComputerColour(SideToMove colour)
{
    if (game_.enginePlaysBlack == colour) return;
    game_.enginePlaysBlack = static_cast<std::uint8_t>(colour);
    // The computer's name goes with it to its new colour.
    const bool whiteNamed = game_.whiteName == kComputerName;
    const bool blackNamed = game_.blackName == kComputerName;
    if (whiteNamed != blackNamed && whiteNamed != (colour == White)) {
        std::swap(game_.whiteName, game_.blackName);
        setName(game_.record[game_.gamePly].whiteName, game_.whiteName);
        setName(game_.record[game_.gamePly].blackName, game_.blackName);
    }
}

void GameController::swapSides()
{
    if (ratedMatchRunning()) return; // the match's sides were fixed at its start
    post(
        [this] {
            matchState_ = 0;
            swapComputerColour();
        },
        true);
}

void GameController::swapComputerColour()
{
    setComputerColour(static_cast<SideToMove>(game_.enginePlaysBlack ^ 1));
    // The entry shown keeps the new colour, so that stepping back to it (the
    // start of a game the computer opens) shows the computer's colour.
    game_.record[game_.gamePly].enginePlaysBlack = game_.enginePlaysBlack;
    game_.board = game_.displayed;
    clearInput();
    mode_ = PlayMode::AgainstComputer;
    // The computer moves now when its new colour has the move; otherwise the
    // move is the user's.
    engineTurn_ = !gameOver() && game_.side == computerSide();
    thoughtThisTurn_ = false;
    view_.refreshStatus();
    if (engineTurn_ && enterLoop) enterLoop();
}

void GameController::offerDraw()
{
    if (gameOver()) return; // a finished game keeps its result
    const std::array<int, 5> pc = pieceCounts();
    const int pieces = pc[1] + pc[2] + pc[3] + pc[4];
    const int s = search_.lastCompletedScore();
    const bool accepts = pieces < 20 && (lastSearchUnlimited_ ? s >= 0 : s <= 0);
    if (accepts) post([this] { endGame(DrawEnding); }, false);
    else view_.showPanel(GamePanel::DrawRefused, true);
}

void GameController::acceptDrawOffer()
{
    view_.showPanel(GamePanel::DrawOffer, false);
    post(
        [this] {
            if (!gameOver()) endGame(DrawEnding);
        },
        false);
}

void GameController::declineDrawOffer() { view_.showPanel(GamePanel::DrawOffer, false); }

void GameController::resign()
{
    if (gameOver()) return;
    post(
        [this] {
            if (gameOver()) return;
            endGame(6);
            matchState_ = 0;
        },
        true);
}

void GameController::stopThinking()
{
    if (busy_) {
        requestStop(false);
        return;
    }
    // Nothing runs: a game that waits with the computer's colour to move
    // (after a step in the record) hands it the move.
    if (againstComputer() && !engineTurn_ && !gameOver() && !analysing_ && !positionSetupMode_
        && !ratedMatchRunning() && game_.side == computerSide()) {
        engineTurn_ = true;
        if (enterLoop) enterLoop();
    }
}

} // namespace kv
