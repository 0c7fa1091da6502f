#include "game/controller.h"

#include "rules/geometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace kv {

namespace {

// Sets a flag for the length of a scope, so that every return path clears it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

std::uint8_t promoted(std::uint8_t piece, Square to) { return promotes(piece, to) ? piece + 1 : piece; }

// The move-list line holding ply p (white's ply 2k + 1 and black's 2k + 2 are
// on line k); none before the first ply.
int lineOfPly(int p) { return p > 0 ? (p - 1) / 2 : -1; }

} // namespace

GameController::GameController(GameState& game, SearchContext& search, GameView& view)
    : game_(game), search_(search), view_(view)
{
    search_.poll = [this] { view_.processEvents(); };
    setLevel(level_);
    picture_.showBoard(game_.displayed);
}

// ---------------------------------------------------------------- the loop

void GameController::PlayLoop()
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
    if (options.computerVsComputer) engineTurn_ = true;

    // 2. Show the mode and what may be used now.
    refreshCommands();
    view_.refreshStatus();

    // 3. Let the window run its commands and clicks; posted requests follow.
    view_.processEvents();
    runPostedRequests();
    if (quitRequested_) return;

    // 4. The user's turn (perhaps thinking on the user's time) or the computer's move.
    //    A finished game waits for a new game or a step in the record, whoever has the move.
    const bool userTurn = (!engineTurn_ || options.humanVsHuman || gameOver()) && !engineMoveRequest_;
    if (userTurn) {
        search_.state.stopRequested = false;
        if (options.humanVsHuman) game_.displayed = game_.board;
        // A finished game is not thought about: nobody is going to move.
        if (options.ponder && !skipPonder_ && !thoughtThisTurn_ && !pendingClick_ && requests_.empty()
            && !gameOver()) {
            thoughtThisTurn_ = true;
            ponder();
        } else if (!pendingClick_ && requests_.empty()) {
            view_.waitForEvents();
        }
    } else {
        game_.board = game_.displayed;
        ComputerMove();
        thoughtThisTurn_ = false;
    }
    runPostedRequests();

    // 5. The request of the position editor is consumed.
    engineMoveRequest_ = false;

    // 6. A stored click is handled now that no search runs.
    if (pendingClick_) {
        pendingClick_ = false;
        clic1(pendingCell_);
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
    in.computerVsComputer = options.computerVsComputer;
    in.match = matchState_ == 1;
    in.gamePly = game_.gamePly;
    return commandStates(in);
}

void GameController::refreshCommands() { view_.applyCommandStates(currentCommandStates()); }

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
    search_.state.unlimitedTime = unlimited;
    search_.settings.levelTime = level_.levelTime;
    search_.settings.levelCap = level_.levelCap;
    lastSearchUnlimited_ = unlimited;
    lastResult_ = searchDriver(search_, req);
    return lastResult_;
}

void GameController::ponder()
{
    if (!options.humanVsHuman) game_.board = game_.displayed;
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
    return score > -30000 && score < 30000;
}

// ---------------------------------------------------------------- computer move

void GameController::ComputerMove()
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
    TimeCheck();

    // 3-4. The computer thinks for the side to move.
    engineTurn_ = true;
    game_.enginePlaysBlack = game_.side;
    if (game_.recordFull()) {
        EndOfGame(Draw);
        engineTurn_ = false;
        return;
    }
    const Board searched = game_.board;
    const SideToMove side = game_.side;
    SearchResult r;
    {
        FlagScope t(thinking_);
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
        && std::find(legalList.begin(), legalList.begin() + legalHere, r.move) != legalList.begin() + legalHere;
    if (!named && legalHere > 0)
        qWarning("the search named no legal move (outcome %d): the first legal move is played", int(r.outcome));
    const bool hasMove = legalHere > 0;
    MoveRecord move = named ? r.move : legalList[0];
    bool handicapped = false;
    if (hasMove && level_.index == 0 && r.outcome != SearchOutcome::OnlyMove) {
        const std::array<int, 5> pc = pieceCounts();
        const int mine = side == White ? pc[1] + pc[2] : pc[3] + pc[4];
        const int theirs = side == White ? pc[3] + pc[4] : pc[1] + pc[2];
        const std::vector<MoveRecord> root = search_.rootMoves(); // ordered by the search
        if (mine > theirs && game_.generateLegal() > 1 && root.size() > 1) {
            move = root[1];
            handicapped = !(move == r.move);
        }
    }
    view_.showPanel(GamePanel::Zut, handicapped);

    // 8. The computer offers a draw in a quiet, nearly empty position.
    view_.showPanel(GamePanel::MatchNul, computerOffersDraw(search_.lastCompletedScore()));

    // 9. Play the move with its animation.
    if (hasMove) {
        const std::uint8_t piece = game_.board[move.from];
        animateComputerMove(move, piece);
        if (game_.board != searched) { // a command changed the game meanwhile
            engineTurn_ = false;
            return;
        }
        clocks_.closeTurn(game_, side);
        showClocks();
        TimeCheck();
        if (!playOnRecord(move, move.n)) {
            engineTurn_ = false;
            return;
        }
        sideAfterLastPly_ = game_.side;
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
    if (legal == 0) EndOfGame(2);

    // 11-13.
    game_.displayed = game_.board;
    engineTurn_ = false;
    const std::array<int, 5> pc = pieceCounts();
    pieceHistory_[game_.gamePly] = pc[1] + pc[2] + pc[3] + pc[4];
    if (hasMove && options.beep) view_.playSound(Sound::Move);
    const int s = search_.lastCompletedScore();
    if (options.computerVsComputer && game_.gamePly > 250
        && pieceHistory_[game_.gamePly] == pieceHistory_[game_.gamePly - 60] && s > -20000 && s < 20000)
        EndOfGame(Draw);
}

bool GameController::playOnRecord(const MoveRecord& m, int captureCount)
{
    if (game_.playMove(m, captureCount) == PlayResult::RecordFull) {
        EndOfGame(Draw);
        return false;
    }
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

void GameController::showPath(Square origin, Square to, const CapturePathRow& path, int n, std::uint8_t piece)
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

void GameController::TimeCheck()
{
    if (matchState_ != 1) return;
    TimeLossInput in;
    in.used = game_.clock;
    in.sideToMove = game_.side;
    in.gamePly = game_.gamePly;
    in.levelCap = level_.levelCap;
    const int loser = timeLoser(in);
    if (loser < 0) return;
    EndOfGame(loser == computerSide() ? 5 : 4);
}

void GameController::EndOfGame(int code)
{
    if (matchState_ == 5) return;
    const int computer = computerSide();
    const bool computerGame = computerOpponent_ && !options.humanVsHuman && !options.computerVsComputer;
    int result = NoResult;
    QString text;
    Sound sound = Sound::Move;
    bool withSound = false;

    Board b = game_.board;
    MoveGenerator& gen = game_.gen;
    if (gen.generateLegal(b, White) == 0) result = BlackWon;
    else if (gen.generateLegal(b, Black) == 0) result = WhiteWon;
    if (result != NoResult) {
        const int winner = result == WhiteWon ? White : Black;
        if (!computerGame) {
            text = result == WhiteWon ? QCoreApplication::translate("TForm1", "Gain des blancs")
                                      : QCoreApplication::translate("TForm1", "Gain des noirs");
        } else if (winner != computer) {
            text = QCoreApplication::translate("TForm1", "Bravo, vous avez gagné");
            sound = Sound::Won;
            withSound = true;
        } else {
            text = QCoreApplication::translate("TForm1", "Désolé, KORVELAN a gagné");
            sound = Sound::Lost;
            withSound = true;
        }
    }
    const int computerWins = computer == Black ? BlackWon : WhiteWon;
    const int userWins = computer == Black ? WhiteWon : BlackWon;
    switch (code) {
    case 1:
        result = Draw;
        text = QCoreApplication::translate("TForm1", "Match nul !");
        withSound = false;
        break;
    case 3:
        result = Draw;
        text = QCoreApplication::translate("TForm1", "Match nul par répétition !");
        withSound = false;
        break;
    case 4:
        result = computerWins;
        text = QCoreApplication::translate("TForm1", "Temps dépassé, gain KORVELAN");
        sound = Sound::Lost;
        withSound = true;
        break;
    case 5:
        result = userWins;
        text = QCoreApplication::translate("TForm1", "Temps dépassé, vous gagnez");
        sound = Sound::Won;
        withSound = true;
        break;
    case 6:
        if (!computerGame) {
            // Between two people the player to move resigns.
            result = game_.side == White ? BlackWon : WhiteWon;
            text = result == WhiteWon ? QCoreApplication::translate("TForm1", "Gain des blancs")
                                      : QCoreApplication::translate("TForm1", "Gain des noirs");
            withSound = false;
            break;
        }
        result = computerWins;
        text = QCoreApplication::translate("TForm1", "Vous abandonnez, gain KORVELAN");
        sound = Sound::Lost;
        withSound = true;
        break;
    default:
        break;
    }
    if (text.isEmpty()) return; // both sides can still move: nothing to announce

    endMessage_ = text;
    view_.showEndMessage(text);
    // Offers and refusals belong to the game that has just ended.
    view_.showPanel(GamePanel::MatchNul, false);
    view_.showPanel(GamePanel::Nulrefus, false);
    view_.showPanel(GamePanel::FinDeParties, true);
    if (withSound && options.otherSounds) view_.playSound(sound);
    if (matchState_ == 1) matchState_ = 5; // the rating update belongs to the players' registry
    options.computerVsComputer = false;
    gameResult_ = result;
    refreshCommands();
    view_.refreshStatus();
}

// ---------------------------------------------------------------- new games and sides

void GameController::remplir()
{
    requestStop(false);
    game_.newGame();
    game_.board[0] = OffBoard;
    clocks_.reset(game_);
    picture_.inverted = false;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    lastComputerFrom_ = lastComputerTo_ = 0;
    engineTurn_ = false;
    matchState_ = 0;
    skipPonder_ = true;
    thoughtThisTurn_ = false;
    sideAfterLastPly_ = White;
    gameResult_ = NoResult;
    endMessage_.clear();
    pieceHistory_ = {};
    clearInput();
    game_.storeRecordEntry(0); // the start of the game, with the clocks at zero
    for (GamePanel p : { GamePanel::FinDeParties, GamePanel::Zut, GamePanel::MatchNul, GamePanel::Nulrefus,
                         GamePanel::CaptureNotice })
        view_.showPanel(p, false);
    view_.refreshMoveList();
    showClocks();
    view_.boardChanged();
    view_.refreshStatus();
}

void GameController::newTraining(const QString& userName, bool computerBlack)
{
    post(
        [this, userName, computerBlack] {
            view_.showPanel(GamePanel::NouvellePartie, false);
            remplir();
            computerOpponent_ = true;
            matchState_ = 0;
            options.stopByClick = true;
            options.humanVsHuman = false;
            options.computerVsComputer = false;
            const std::string user = userName.trimmed().isEmpty() ? "Inconnu" : userName.trimmed().toStdString();
            game_.enginePlaysBlack = 1;
            if (computerBlack) {
                game_.blackName = kComputerName;
                game_.whiteName = user;
                game_.storeRecordEntry(0);
            } else {
                game_.whiteName = kComputerName;
                game_.blackName = user;
                game_.storeRecordEntry(0);
                Inverser(); // the user's black men at the bottom
                inverser_joueurs1();
            }
            if (game_.whiteName == game_.blackName) options.computerVsComputer = true;
            game_.displayed = game_.board;
            view_.refreshStatus();
        },
        true);
}

void GameController::newHumanGame(const QString& white, const QString& black)
{
    if (white.trimmed().isEmpty() || black.trimmed().isEmpty()) return;
    post(
        [this, white, black] {
            view_.showPanel(GamePanel::NouvellePartie, false);
            remplir();
            computerOpponent_ = false;
            options.humanVsHuman = true;
            options.computerVsComputer = false;
            game_.whiteName = white.trimmed().toStdString();
            game_.blackName = black.trimmed().toStdString();
            game_.storeRecordEntry(0);
            view_.refreshStatus();
        },
        true);
}

void GameController::Ordinateur()
{
    options.humanVsHuman = !options.humanVsHuman;
    computerOpponent_ = !options.humanVsHuman;
    if (options.humanVsHuman) options.computerVsComputer = false;
    refreshCommands();
}

void GameController::Ordinateurcontreordinateur1Click()
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

void GameController::inverser_joueurs()
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
            inverser_joueurs1();
        },
        true);
}

void GameController::inverser_joueurs1()
{
    game_.enginePlaysBlack ^= 1;
    game_.board = game_.displayed;
    clearInput();
    computerOpponent_ = true;
    options.humanVsHuman = false;
    engineTurn_ = true;
    view_.refreshStatus();
    if (enterLoop) enterLoop();
}

void GameController::ProposernulClick()
{
    if (gameOver()) return; // a finished game keeps its result
    const std::array<int, 5> pc = pieceCounts();
    const int pieces = pc[1] + pc[2] + pc[3] + pc[4];
    const int s = search_.lastCompletedScore();
    const bool accepts = pieces < 20 && (lastSearchUnlimited_ ? s >= 0 : s <= 0);
    if (accepts) post([this] { EndOfGame(Draw); }, false);
    else view_.showPanel(GamePanel::Nulrefus, true);
}

void GameController::BitBtn14Click()
{
    view_.showPanel(GamePanel::MatchNul, false);
    post(
        [this] {
            if (!gameOver()) EndOfGame(Draw);
        },
        false);
}

void GameController::Annul_nulClick() { view_.showPanel(GamePanel::MatchNul, false); }

void GameController::AbandonClick()
{
    if (gameOver()) return;
    post(
        [this] {
            if (gameOver()) return;
            EndOfGame(6);
            matchState_ = 0;
        },
        true);
}

void GameController::pause() { requestStop(false); }

// ---------------------------------------------------------------- move input

void GameController::clic(Cell cell)
{
    // During a match, or without "stop by click", a click in the computer's
    // turn (its thinking, or its move still to come or being shown) is dropped.
    const bool computersTurn = thinking_ || (engineTurn_ && !options.humanVsHuman);
    if (computersTurn && (matchState_ == 1 || !options.stopByClick)) return;
    pendingClick_ = true;
    pendingCell_ = cell;
    requestStop(false);
}

void GameController::clearInput()
{
    input_.clear();
    for (int s = 1; s <= 32; ++s)
        if (picture_.marker[s] == MarkColour::Red || picture_.marker[s] == MarkColour::Blue
            || picture_.marker[s] == MarkColour::Fuchsia)
            picture_.marker[s] = MarkColour::None;
}

void GameController::showInputMarkers()
{
    for (int s = 1; s <= 32; ++s) {
        MarkColour& m = picture_.marker[s];
        if (m == MarkColour::Red || m == MarkColour::Blue || m == MarkColour::Fuchsia) m = MarkColour::None;
        switch (input_.markers()[s]) {
        case Marker::Origin: m = MarkColour::Red; break;
        case Marker::Branch: m = MarkColour::Blue; break;
        case Marker::Target: m = MarkColour::Fuchsia; break;
        case Marker::None: break;
        }
    }
    view_.boardChanged();
}

void GameController::clic1(Cell cell)
{
    view_.showPanel(GamePanel::Nulrefus, false);
    if (!input_.picked()) view_.refreshStatus();
    if ((engineTurn_ && !options.humanVsHuman) || options.computerVsComputer) return;
    // A finished game takes no more moves until a new game or a step in the record.
    if (gameResult_ != NoResult) return;
    const Square s = squareOfCell(cell, picture_.inverted);
    if (s == 0) return;
    if (options.blind) view_.boardChanged();

    if (!options.humanVsHuman) game_.board = game_.displayed;
    requestStop(false);
    if (!view_.clockTimerRunning()) {
        clocks_.stampBoth();
        view_.startClockTimer();
    }
    if (game_.recordFull()) {
        EndOfGame(Draw);
        return;
    }

    const ClickResult r = input_.click(game_.board, game_.side, game_.gen, s);
    if (input_.captureNotice()) view_.showPanel(GamePanel::CaptureNotice, true);
    switch (r) {
    case ClickResult::Ignored:
        return;
    case ClickResult::Cancelled:
        clearInput();
        view_.boardChanged();
        return;
    case ClickResult::Waiting:
        showInputMarkers();
        return;
    case ClickResult::Complete:
        finishUserMove(input_.move(), input_.move().n);
        return;
    }
}

void GameController::finishUserMove(const MoveRecord& m, int captureCount)
{
    const std::uint8_t piece = game_.board[m.from];
    const CapturePathRow path = input_.landing();
    clearInput();
    view_.showPanel(GamePanel::CaptureNotice, false);
    {
        FlagScope busy(busy_);
        if (m.n > 1 && options.decomposeCaptures) showPath(m.from, m.to, path, m.n, piece);
    }
    const SideToMove mover = game_.side;
    clocks_.closeTurn(game_, mover);
    showClocks();
    if (!playOnRecord(m, captureCount)) return;
    sideAfterLastPly_ = game_.side;

    // Redraw the squares of the move; markers on empty squares go.
    picture_.draw(m.from, Empty);
    for (int c = 0; c < m.n; ++c) picture_.draw(m.captured[c], Empty);
    picture_.draw(m.to, game_.board[m.to]);
    picture_.clearEmptyMarkers();
    view_.refreshMoveList();
    view_.boardChanged();

    if (computerOpponent_ && !options.humanVsHuman) {
        engineTurn_ = true;
        thoughtThisTurn_ = false;
        clocks_.stamp(game_.side);
        view_.refreshStatus();
        return;
    }
    clocks_.stamp(game_.side);
    view_.refreshStatus();
    if (game_.generateLegal() == 0) EndOfGame(0);
}

// ---------------------------------------------------------------- record navigation

void GameController::restoreStep()
{
    // The names shown stay while stepping through the record.
    const std::string white = game_.whiteName, black = game_.blackName;
    game_.restoreRecordEntry();
    game_.whiteName = white;
    game_.blackName = black;
    setName(game_.record[game_.gamePly].whiteName, white);
    setName(game_.record[game_.gamePly].blackName, black);
    game_.displayed = game_.board;
    picture_.showBoard(game_.displayed);
    picture_.clearMarkers();
    lastComputerFrom_ = lastComputerTo_ = 0;
    clearInput();
    showClocks();
    clocks_.stampBoth();
    // Stepping back into a finished game reopens it.
    gameResult_ = NoResult;
    // The notices belonged to the position left behind.
    for (GamePanel p : { GamePanel::FinDeParties, GamePanel::CaptureNotice, GamePanel::Zut, GamePanel::MatchNul,
                         GamePanel::Nulrefus })
        view_.showPanel(p, false);
    view_.refreshMoveList();
    view_.boardChanged();
}

void GameController::postNavigation(std::function<void()> step)
{
    // The loop carries the step out once no search is running; afterwards the
    // user has the move and the engine does not think on it straight away.
    post(
        [this, step = std::move(step)] {
            step();
            view_.refreshStatus();
            skipPonder_ = true;
            engineTurn_ = false;
        },
        true);
}

void GameController::showPly(int ply, SideToMove side, int line)
{
    game_.gamePly = static_cast<std::uint8_t>(ply);
    game_.moveList.select(line);
    restoreStep();
    game_.side = side;
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

void GameController::reprise()
{
    if (stepChangesNothing(game_.gamePly == 0)) {
        if (!busy_) engineTurn_ = false;
        return;
    }
    postNavigation([this] {
        if (game_.gamePly > 0) showPly(game_.gamePly - 1, game_.side ^ 1, lineOfPly(game_.gamePly - 1));
    });
}

void GameController::avancer()
{
    if (stepChangesNothing(game_.gamePly >= game_.recordedPlies)) return;
    postNavigation([this] {
        if (game_.gamePly >= game_.recordedPlies) return;
        matchState_ = 0;
        showPly(game_.gamePly + 1, game_.side ^ 1, lineOfPly(game_.gamePly + 1));
    });
}

void GameController::revenir_debut()
{
    postNavigation([this] {
        matchState_ = 0;
        showPly(0, White, -1);
    });
}

void GameController::Aller_fin()
{
    postNavigation([this] {
        matchState_ = 0;
        const int last = game_.recordedPlies;
        showPly(last, sideAfterLastPly_, lineOfPly(last));
    });
}

int GameController::plyOfLine(int line) const
{
    // Same parity, so the side to move stays; never beyond the record.
    int ply = game_.gamePly % 2 == 0 ? 2 * line : 2 * line + 1;
    while (ply > game_.recordedPlies) ply -= 2;
    return ply;
}

void GameController::revenir_n(int line)
{
    if (line < 0) return;
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
        },
        true);
}

void GameController::Inverser()
{
    game_.orientation ^= 1;
    picture_.inverted = game_.orientation != 0;
    view_.boardChanged();
    view_.refreshStatus();
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

void GameController::ajouter_temps()
{
    if (engineTurn_ && !options.humanVsHuman) return;
    if (gameOver()) return; // the clocks stop with the game
    const int side = game_.side;
    view_.showClock(side, clockText(clocks_.runningTotal(game_, side)));
}

void GameController::Horlogeszro1Click()
{
    clocks_.reset(game_);
    if (matchState_ == 1) matchState_ = 0;
    showClocks();
}

void GameController::restartClocks() { clocks_.stampBoth(); }

// ---------------------------------------------------------------- options

void GameController::numerotation()
{
    options.numbering = !options.numbering;
    picture_.numbering = options.numbering;
    view_.boardChanged();
}

void GameController::Jeuenaveugle1Click()
{
    options.blind = !options.blind;
    picture_.blind = options.blind;
    if (options.blind) options.numbering = picture_.numbering = false;
    view_.boardChanged();
}

// ---------------------------------------------------------------- quitting

void GameController::quitter()
{
    requestStop(true);
    quitRequested_ = true;
    if (!loopRunning()) view_.quitApplication();
}

void GameController::exiter()
{
    if (matchState_ == 1) return;
    quitter();
}

} // namespace kv
