// The computer's move and the end of a game.
#include "game/controller.h"
#include "game/controller_detail.h"

#include "rules/geometry.h"
#include "rules/repetition.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

using namespace controller_detail;

// ---------------------------------------------------------------- computer move

void GameController::playComputerMove()
{
    // A finished game keeps its result: a swap of players or computer against
    // computer must not play on in it, nor announce it again from the other side.
    if (gameOver()) {
        engineTurn_ = false;
        return;
    }
    FlagScope busy(busy_);

    // 1. The markers of the previous computer move go.
    if (lastComputerFrom_ && !options.blind) {
        picture_.marker[lastComputerFrom_] = MarkColour::None;
        picture_.marker[lastComputerTo_] = MarkColour::None;
        view_.boardChanged();
    }
    // 2.
    search_.state.abortSearch = false;
    search_.state.unlimitedTime = false;
    view_.refreshStatus();
    checkTimeLoss();
    if (gameOver()) { // the user's time ran out: the game is over before the computer thinks
        engineTurn_ = false;
        return;
    }

    // 3-4. The computer thinks for the side to move.
    engineTurn_ = true;
    // Against the user, the computer plays the colour it is asked to move
    // (after a take-back the user may have played its colour): that colour
    // is its own from now on, and its name goes with it.
    if (againstComputer()) setComputerColour(game_.side);
    if (game_.recordFull()) {
        endGame(DrawEnding);
        engineTurn_ = false;
        return;
    }
    const Board searched = game_.board;
    const SideToMove side = game_.side;
    SearchResult r;
    {
        FlagScope t(thinking_);
        thinkingSince_ = lastInput_;
        refreshCommands();
        view_.refreshStatus();
        r = runDriver(false);
    }
    // 5-6.
    refreshCommands();

    // An abandoned search names no move, and a take-back may have changed
    // the position: nothing is played, the user has the move.
    if (r.outcome == SearchOutcome::Aborted || search_.state.abortSearch || game_.board != searched
        || game_.side != side) {
        engineTurn_ = false;
        return;
    }

    // 7. The beginner handicap: a piece ahead, the novice level plays its second choice.
    // The move is played only if the rules agree it is legal here; an answer
    // that names none while moves exist falls back on the first legal move
    // rather than skipping the computer's turn.
    const int legalHere = game_.generateLegal();
    const MoveList& legalList = game_.gen.list(1);
    const bool named = r.legalIndex >= 0 && r.outcome != SearchOutcome::NoMove
        && std::find(legalList.begin(), legalList.begin() + legalHere, r.move)
            != legalList.begin() + legalHere;
    if (!named && legalHere > 0)
        qWarning("the search named no legal move (outcome %d): the first legal move is played",
                 int(r.outcome));
    const bool hasMove = legalHere > 0;
    MoveRecord move = named ? r.move : legalList[0];
    bool handicapped = false;
    if (hasMove && level_.index == 0) {
        const std::array<int, 5> pc = pieceCounts();
        const int mine = side == White ? pc[1] + pc[2] : pc[3] + pc[4];
        const int theirs = side == White ? pc[3] + pc[4] : pc[1] + pc[2];
        const std::vector<MoveRecord> root = search_.rootMoves(); // ordered by the search
        if (noviceSlips(level_, mine, theirs,
                        std::min<std::size_t>(root.size(), game_.generateLegal()),
                        r.outcome == SearchOutcome::OnlyMove)) {
            move = root[1];
            handicapped = !(move == r.move);
        }
    }
    view_.showPanel(GamePanel::HandicapApology, handicapped);

    // 8. The computer offers a draw in a quiet, nearly empty position.
    view_.showPanel(GamePanel::DrawOffer, computerOffersDraw(search_.lastCompletedScore()));

    // 9. Play the move with its animation. A refusal of the user's draw offer
    //    belonged to the position the move leaves.
    if (hasMove) {
        view_.showPanel(GamePanel::DrawRefused, false);
        const std::uint8_t piece = game_.board[move.from];
        animateComputerMove(move, piece);
        if (game_.board != searched) { // a command changed the game meanwhile
            engineTurn_ = false;
            return;
        }
        clocks_.closeTurn(game_, side);
        showClocks();
        checkTimeLoss();
        if (!playOnRecord(move, move.n)) {
            engineTurn_ = false;
            return;
        }
        view_.refreshMoveList();
        if (options.moveIndication) {
            picture_.marker[move.to] = MarkColour::Cyan;
            picture_.marker[move.from] = MarkColour::Silver;
        }
        lastComputerFrom_ = move.from;
        lastComputerTo_ = move.to;
        clocks_.stamp(game_.side);
        engineTurn_ = false;
        view_.boardChanged();
    }

    // 10. Can the opponent move?
    view_.refreshStatus();
    skipPonder_ = false;
    const int legal = game_.generateLegal();
    if (game_.gen.captureCount() > 2) skipPonder_ = true;
    if (legal == 0 && !gameOver()) endGame(2);

    // 11-13.
    game_.displayed = game_.board;
    engineTurn_ = false;
    const std::array<int, 5> pc = pieceCounts();
    pieceHistory_[game_.gamePly] = pc[1] + pc[2] + pc[3] + pc[4];
    if (hasMove && options.beep) view_.playSound(Sound::Move);
    const int s = search_.lastCompletedScore();
    if (computerVsComputer() && !gameOver() && game_.gamePly > 250
        && pieceHistory_[game_.gamePly] == pieceHistory_[game_.gamePly - 60] && s > -20000
        && s < 20000)
        endGame(DrawEnding);
}

bool GameController::playOnRecord(const MoveRecord& m, int captureCount)
{
    if (game_.playMove(m, captureCount) == PlayResult::RecordFull) {
        endGame(DrawEnding);
        return false;
    }
    // The move is on the board; a third occurrence of the position with the
    // same side to move ends the game drawn.
    if (isRepetitionDraw(game_.record, game_.gamePly)) endGame(RepetitionDraw);
    return true;
}

void GameController::wait(int ms)
{
    if (ms <= 0) return;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        view_.processEvents();
        QThread::msleep(1);
    }
}

void GameController::animateComputerMove(const MoveRecord& m, std::uint8_t piece)
{
    CapturePathRow path;
    const bool decompose = m.n > 1 && options.decomposeCaptures;
    if (decompose) path = game_.gen.capturePath(game_.board, m.from, m.captured.data(), m.n);

    // The piece blinks on its square, then travels.
    for (int i = 0; i < timing.blinkCount; ++i) {
        wait(timing.blinkMs);
        picture_.draw(m.from, piece);
        view_.boardChanged();
        view_.processEvents();
        wait(timing.blinkMs);
        picture_.draw(m.from, Empty);
        view_.boardChanged();
        view_.processEvents();
    }
    picture_.draw(m.from, Empty);
    if (decompose && path.n == m.n) showPath(m.from, m.to, path, m.n, piece);
    for (int c = 0; c < m.n; ++c) picture_.draw(m.captured[c], Empty);
    picture_.draw(m.to, promoted(piece, m.to));
    view_.boardChanged();
}

void GameController::showPath(Square origin, Square to, const CapturePathRow& path, int n,
                              std::uint8_t piece)
{
    // The jumps before the last are the path's; the piece lands on the move's
    // own destination, which for a king need not be the path's last square.
    picture_.draw(origin, Empty);
    QElapsedTimer lastPause;
    lastPause.start();
    for (int d = 1; d < n; ++d) {
        picture_.draw(path.landing[d], piece);
        view_.boardChanged();
        view_.processEvents();
        lastPause.restart();
        wait(timing.jumpMs);
        picture_.draw(path.landing[d], Empty);
    }
    picture_.draw(to, piece);
    view_.boardChanged();
    view_.processEvents();
    wait(static_cast<int>(timing.landingMs - lastPause.elapsed()));
}

// ---------------------------------------------------------------- end of game

void GameController::checkTimeLoss()
{
    if (matchState_ != 1) return;
    TimeLossInput in;
    in.used = game_.clock;
    in.sideToMove = game_.side;
    in.gamePly = game_.gamePly;
    in.levelCap = level_.levelCap;
    // A player rated below 1800 has the clock counted at half.
    in.divisor[match_.playerSide & 1] = clockDivisor(match_.player().rating);
    const int loser = timeLoser(in);
    if (loser < 0) return;
    endGame(loser == computerSide() ? 5 : 4);
}

namespace {

// Who an ending favours in a game against the computer; the sound follows from it.
enum class Winner { Nobody, Draw, Computer, User };

// The endings a caller announces by code (a side without a move is found on
// the board instead). Code 6, resignation, names the player to move when two
// people play.
struct Ending {
    int code;
    Winner winner;
    const char* text;
};
constexpr Ending kEndings[] = {
    { 1, Winner::Draw, QT_TRANSLATE_NOOP("kv::GameController", "Match nul !") },
    { 3, Winner::Draw, QT_TRANSLATE_NOOP("kv::GameController", "Match nul par répétition !") },
    { 4, Winner::Computer,
      QT_TRANSLATE_NOOP("kv::GameController", "Temps dépassé, gain KORVELAN") },
    { 5, Winner::User, QT_TRANSLATE_NOOP("kv::GameController", "Temps dépassé, vous gagnez") },
    { 6, Winner::Computer,
      QT_TRANSLATE_NOOP("kv::GameController", "Vous abandonnez, gain KORVELAN") },
};

const char* colourWinText(GameResult result)
{
    return result == GameResult::WhiteWon
        ? QT_TRANSLATE_NOOP("kv::GameController", "Gain des blancs")
        : QT_TRANSLATE_NOOP("kv::GameController", "Gain des noirs");
}

} // namespace

void GameController::endGame(int code)
{
    if (matchState_ == 5) return;
    const int computer = computerSide();
    const bool computerGame = againstComputer();
    const GameResult computerWins = winFor(static_cast<SideToMove>(computer));
    const GameResult userWins = winFor(static_cast<SideToMove>(computer ^ 1));
    GameResult result = GameResult::None;
    Winner winner = Winner::Nobody;
    const char* text = nullptr; // the source text of the result
    QString winnerName;         // put before it when a match names its winner

    // A side without a legal move has lost.
    Board b = game_.board;
    MoveGenerator& gen = game_.gen;
    if (gen.generateLegal(b, White) == 0) result = GameResult::BlackWon;
    else if (gen.generateLegal(b, Black) == 0) result = GameResult::WhiteWon;
    if (result != GameResult::None) {
        if (!computerGame) {
            text = colourWinText(result);
        } else {
            winner = result == computerWins ? Winner::Computer : Winner::User;
            text = winner == Winner::User
                ? QT_TRANSLATE_NOOP("kv::GameController", "Bravo, vous avez gagné")
                : QT_TRANSLATE_NOOP("kv::GameController", "Désolé, KORVELAN a gagné");
            if (matchState_ == 1) { // a match names its winner
                winnerName = QString::fromStdString(
                    result == GameResult::WhiteWon ? game_.whiteName : game_.blackName);
                text = QT_TRANSLATE_NOOP("kv::GameController", " gagne");
            }
        }
    }

    if (code == 6 && !computerGame) {
        result = winFor(game_.side ^ 1);
        winner = Winner::Nobody;
        text = colourWinText(result);
        winnerName.clear();
    } else {
        for (const Ending& e : kEndings) {
            if (e.code != code) continue;
            winnerName.clear();
            winner = e.winner;
            result = winner == Winner::Draw  ? GameResult::Draw
                : winner == Winner::Computer ? computerWins
                                             : userWins;
            text = e.text;
        }
    }
    if (!text) return; // both sides can still move: nothing to announce

    endMessage_ = QString::fromUtf8(text);
    endWinner_ = winnerName;
    view_.showEndMessage(endMessage());
    // Offers and refusals belong to the game that has just ended.
    view_.showPanel(GamePanel::DrawOffer, false);
    view_.showPanel(GamePanel::DrawRefused, false);
    view_.showPanel(GamePanel::GameEnd, !sessionActive_);
    const bool decided = winner == Winner::Computer || winner == Winner::User;
    if (decided && options.otherSounds)
        view_.playSound(winner == Winner::User ? Sound::Won : Sound::Lost);
    rateMatchEnd(result);
    // In a learning session the engine's game is analysed and learned instead.
    if (sessionActive_ && computerVsComputer()) sessionAnalysisDue_ = true;
    if (computerVsComputer()) mode_ = PlayMode::AgainstComputer;
    gameResult_ = result;
    refreshCommands();
    view_.refreshStatus();
}

} // namespace kv
