// The position editor: while it is on, board clicks place pieces and the
// loop neither thinks nor plays. Leaving it checks the position and makes it
// the start of a fresh record, so nothing of the previous game stays
// reachable by stepping through the record.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "eval/evaluate.h"

#include <QCoreApplication>

namespace kv {

using namespace controller_detail;

namespace {
QString refusalText(SetupProblem p)
{
    switch (p) {
    case SetupProblem::NoWhitePiece:
        return QCoreApplication::translate("kv::GameController",
                                           "Placez au moins une pièce blanche.");
    case SetupProblem::NoBlackPiece:
        return QCoreApplication::translate("kv::GameController",
                                           "Placez au moins une pièce noire.");
    case SetupProblem::ManOnCrowningRow:
        return QCoreApplication::translate("kv::GameController",
                                           "Un pion sur sa ligne de promotion doit être une dame.");
    case SetupProblem::NoMoveToPlay:
        return QCoreApplication::translate("kv::GameController",
                                           "Le camp qui a le trait ne peut pas jouer.");
    case SetupProblem::None: break;
    }
    return {};
}
} // namespace

void GameController::togglePositionEditor()
{
    if (analysing_ || (!positionSetupMode_ && ratedMatchRunning())) return;
    post(
        [this] {
            clearInput();
            engineMoveRequest_ = false;
            setupRefusal_.clear();
            if (!positionSetupMode_) {
                positionSetupMode_ = true;
                engineTurn_ = false;
                // The editor starts from the game's sides: opening and leaving
                // it unchanged gives the same game back.
                setup.computerBlack = game_.enginePlaysBlack != 0;
                setup.computerMovesFirst = game_.side == setup.computerSide();
                matchState_ = 0;
                game_.board = game_.displayed;
                game_.board[0] = OffBoard;
                picture_.clearMarkers();
                view_.boardChanged();
                view_.setupChanged();
                view_.refreshStatus();
                return;
            }
            const SideToMove toMove = setup.firstToMove();
            const SetupProblem problem = checkSetupPosition(game_.board, toMove);
            if (problem != SetupProblem::None) {
                setupRefusal_ = refusalText(problem);
                view_.setupChanged();
                return;
            }
            positionSetupMode_ = false;
            clocks_.reset(game_);
            setComputerColour(setup.computerSide());
            const std::string white = game_.whiteName, black = game_.blackName;
            game_.startFrom(game_.board, toMove);
            game_.whiteName = white;
            game_.blackName = black;
            game_.storeRecordEntry(0);
            forgetGameEnd();
            picture_.showBoard(game_.displayed);
            picture_.clearMarkers();
            hideGameNotices();
            view_.refreshMoveList();
            showClocks();
            view_.boardChanged();
            view_.setupChanged();
            // The computer starts at once when it has the move.
            settleArrivedPosition();
            view_.refreshStatus();
        },
        true);
}

void GameController::placePiece(Cell cell)
{
    const Square s = squareOfCell(cell, picture_.inverted);
    if (s == 0) return;
    game_.board[s] = setup.pieceToPlace;
    game_.board[0] = OffBoard;
    game_.displayed = game_.board;
    picture_.draw(s, setup.pieceToPlace);
    matchState_ = 0;
    view_.boardChanged();
    view_.refreshStatus();
    view_.setupChanged();
}

void GameController::clearSetupBoard()
{
    if (!positionSetupMode_) return;
    for (int s = 1; s <= kSquares; ++s) game_.board[s] = Empty;
    game_.displayed = game_.board;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    view_.boardChanged();
    view_.setupChanged();
}

void GameController::fillSetupBoard()
{
    if (!positionSetupMode_) return;
    game_.board.setInitial();
    game_.board[0] = OffBoard;
    game_.displayed = game_.board;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    view_.boardChanged();
    view_.setupChanged();
}

void GameController::toggleSetupOrientation()
{
    if (!positionSetupMode_) return;
    // The pieces stay where the user sees them; the side that moves up changes.
    game_.changeDirection();
    picture_.inverted = game_.orientation != 0;
    picture_.showBoard(game_.displayed);
    view_.boardChanged();
    view_.setupChanged();
}

std::array<int, 2> GameController::staticEvaluations()
{
    Board b = game_.board;
    b[0] = OffBoard;
    // The tables a search from this position would use, even before the first search.
    const Evaluator& e = search_.evaluator();
    return { e.evaluationForSearchFrom(b, White) / 2, e.evaluationForSearchFrom(b, Black) / 2 };
}

} // namespace kv
