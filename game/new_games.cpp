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
    computerOpponent_ = true;
    matchState_ = 0;
    options.stopByClick = true;
    options.humanVsHuman = false;
    options.computerVsComputer = false;
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
    if (game_.whiteName == game_.blackName) options.computerVsComputer = true;
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
            computerOpponent_ = false;
            options.humanVsHuman = true;
            options.computerVsComputer = false;
            game_.whiteName = cleanName(white.toStdString(), kNameLength);
            game_.blackName = cleanName(black.toStdString(), kNameLength);
            game_.storeRecordEntry(0);
            view_.refreshStatus();
        },
        true);
}

void GameController::toggleHumanVsHuman()
{
    options.humanVsHuman = !options.humanVsHuman;
    computerOpponent_ = !options.humanVsHuman;
    if (options.humanVsHuman) options.computerVsComputer = false;
    refreshCommands();
}

void GameController::toggleComputerVsComputer()
{
    options.computerVsComputer = !options.computerVsComputer;
    if (options.computerVsComputer) {
        options.humanVsHuman = false;
        computerOpponent_ = true;
        requestStop(false); // thinking on the user's time ends: the computer moves now
    }
    refreshCommands();
    if (options.computerVsComputer && enterLoop) enterLoop();
}

void GameController::swapSides()
{
    post(
        [this] {
            matchState_ = 0;
            // The computer's name goes with it to its new colour.
            if ((game_.whiteName == kComputerName) != (game_.blackName == kComputerName)) {
                std::swap(game_.whiteName, game_.blackName);
                setName(game_.record[game_.gamePly].whiteName, game_.whiteName);
                setName(game_.record[game_.gamePly].blackName, game_.blackName);
            }
            swapComputerColour();
        },
        true);
}

void GameController::swapComputerColour()
{
    game_.enginePlaysBlack ^= 1;
    // The entry shown keeps the new colour, so that stepping back to it (the
    // start of a game the computer opens) shows the computer's colour.
    game_.record[game_.gamePly].enginePlaysBlack = game_.enginePlaysBlack;
    game_.board = game_.displayed;
    clearInput();
    computerOpponent_ = true;
    options.humanVsHuman = false;
    engineTurn_ = true;
    view_.refreshStatus();
    if (enterLoop) enterLoop();
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

void GameController::stopThinking() { requestStop(false); }

} // namespace kv
