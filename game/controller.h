// The game controller: runs a game between the two sides on the window
// thread. One PlayLoop alternates between letting the window process its
// events (commands and clicks run there) and starting the computer's move or
// its thinking on the user's time.
//
// Handlers never nest loops and never touch the game while the engine works
// on it: a command that would change the position during a search stops the
// search and is posted; the loop carries it out once the driver has returned.
// The driver is therefore never re-entered.
//
//     GameController c(state, search, view);
//     c.newTraining("Inconnu", true); // computer black
//     c.runPlayLoop();                    // returns when quitter/exiter ran
#pragma once

#include "engine/levels.h"
#include "engine/search_driver.h"
#include "files/game_file.h"
#include "game/board_picture.h"
#include "game/clocks.h"
#include "game/command_states.h"
#include "game/game_view.h"
#include "game/move_input.h"
#include "openings/book_lookup.h"
#include "players/match.h"
#include "rules/game_result.h"
#include "rules/game_state.h"
#include "training/game_analysis.h"
#include "training/position_setup.h"

#include <QCoreApplication>

#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <memory>

namespace kv {

// The options the controller reads: the check marks of their menu entries.
struct GameOptions {
    bool numbering = false;        // "Numéroter les cases"
    bool ponder = true;            // "Réflexion sur temps adverse"
    bool stopByClick = true;       // "Arret réflexion par clic souris"
    bool moveIndication = true;    // "Indication des mouvements"
    bool decomposeCaptures = true; // "Décomposer les prises"
    bool singleClickMove = false;  // "Coup unique joué d'un clic"
    bool beep = true;              // "Bip à chaque coup"
    bool otherSounds = true;       // "Autres"
    bool blind = false;            // "Jeu en aveugle"
};

// Who plays the two colours. With the computer's colour (GameState's
// enginePlaysBlack) it is the one record of the sides: the mode caption, the
// computer's colour label and the check marks of "Humain contre humain" and
// "Ordinateur contre ordinateur" are all read from it.
enum class PlayMode {
    AgainstComputer,    // the computer plays its colour, a person the other
    HumanVsHuman,       // two people; the program is board and clock
    ComputerVsComputer, // the computer plays both colours
};

// Pauses of the move animations, in milliseconds; tests set them to zero.
struct AnimationTiming {
    int blinkCount = 10;
    int blinkMs = 10;
    int jumpMs = 500;
    int landingMs = 1000; // from the start of the last jump's pause
};

// The name the computer plays under.
inline constexpr const char* kComputerName = "Korvelan";

// The end codes of a draw (endGame codes 1 and 3 both draw).
constexpr int DrawEnding = 1;
constexpr int RepetitionDraw = 3;

class GameController {
public:
    GameController(GameState& game, SearchContext& search, GameView& view);

    GameState& game() { return game_; }
    const GameState& game() const { return game_; }
    SearchContext& search() { return search_; }
    BoardPicture& picture() { return picture_; }
    const BoardPicture& picture() const { return picture_; }
    GameClocks& clocks() { return clocks_; }
    const MoveInput& input() const { return input_; }
    GameOptions options;
    AnimationTiming timing;
    // The opening libraries in play; the engine consults them while
    // search().settings.bookEnabled ("Bibliothèques actives") is on.
    OpeningBook openings;

    // ---- the loop
    void runPlayLoop();  // runs passes until QuitRequested
    void playLoopPass(); // one pass, in the order of the loop's steps
    bool loopRunning() const { return loopDepth_ > 0; }
    bool busy() const { return busy_; } // inside the driver or a move animation
    bool quitRequested() const { return quitRequested_; }
    // Commands that hand the move to the computer call this; tests drive
    // passes themselves and never need it.
    std::function<void()> enterLoop;

    // ---- computer play
    void playComputerMove();
    void endGame(int code);
    void checkTimeLoss();

    // ---- new games and sides
    void resetGame();                                              // new-game reset
    void newTraining(const QString& userName, bool computerBlack); // the training page's OK
    void newHumanGame(const QString& white,
                      const QString& black); // the human-against-human page's OK
    void newMatch(const MatchSetup& setup);  // once the match page has found the sides
    // The sides of the current or last match; its player's line is the
    // fallback of the next match start.
    const MatchSetup& lastMatch() const { return match_; }
    void toggleHumanVsHuman(); // toggles human against human
    void toggleComputerVsComputer();
    void swapSides();
    void swapComputerColour();
    // Gives the computer `colour`; the computer's name moves with it, so the
    // names shown never contradict the computer's colour.
    void setComputerColour(SideToMove colour);
    PlayMode mode() const { return mode_; }
    bool humanVsHuman() const { return mode_ == PlayMode::HumanVsHuman; }
    bool computerVsComputer() const { return mode_ == PlayMode::ComputerVsComputer; }
    // The computer answers the user's moves (training or a match).
    bool againstComputer() const { return mode_ == PlayMode::AgainstComputer; }
    // Sets who plays; refused while a rated match runs.
    void setMode(PlayMode mode);
    void offerDraw();
    void acceptDrawOffer(); // accepts the computer's draw offer
    void declineDrawOffer();
    void resign();
    // "Arrêter le calcul": the computer plays its best move so far; when it
    // is not thinking and the game waits, it takes the side to move and plays.
    void stopThinking();

    // ---- move input: clic stores, the loop runs clic1
    // A press on the board, with the time of the input event (milliseconds
    // of the window system's clock; 0 when unknown).
    void boardClicked(Cell cell, std::uint64_t pressTime = 0);
    // The button went up again.
    void boardReleased(std::uint64_t releaseTime);
    bool pendingClick() const { return pendingClick_; }
    Cell pendingCell() const { return pendingCell_; }
    void handleBoardClick(Cell cell);

    // ---- "Conseil": the engine's move for the user, an arrow on the board
    // until the position changes; never in a rated match.
    void showHint();
    bool hintAllowed() const;

    // ---- record navigation
    void stepBack();
    void stepForward();
    void goToStart();
    void goToEnd();
    void goToLine(int line);
    void flipBoard();

    // ---- loaded games (game files, the state file)
    // Replaces the game by `fill` once no search runs (a running one is
    // stopped and abandoned first). The computer moves at once when the game
    // gives it the move; otherwise the game waits for the user with the
    // clocks stopped. Refused while a rated match runs.
    void loadGame(std::function<void(GameState&)> fill);
    // Runs `request` between searches: now when none runs, else once the
    // running one has stopped (its move, if any, is played first).
    void betweenSearches(std::function<void()> request) { post(std::move(request), false); }

    // ---- clocks and levels
    void setLevel(const LevelSetting& level);
    const LevelSetting& level() const { return level_; }
    void tickClock(); // Timer1
    void resetClocks();
    void pauseClocks();   // Pause pressed: the turn's time so far is kept
    void restartClocks(); // Pause released: turns start now
    bool clocksPaused() const { return clocksPaused_; }
    // While the new-game pages are open over the game, its clocks stand
    // still; closed without a new game, the turn goes on from there.
    void holdClocks(bool held);

    // ---- options with an effect on the picture
    void toggleNumbering();
    void toggleBlindPlay();

    // ---- game analysis (analysis_mode.cpp): one position per loop pass
    void startAnalysis();
    void pauseAnalysis();  // "Arrêter cette phase", "Suivant": ends one position's search
    void finishAnalysis(); // "Terminer l'analyse", "Fin analyse"
    void showAnalysisLine(
        int line); // a line of the analysis list: the position its move was played from
    void showAnalysedPly(int ply); // the evaluation graph: that position
    bool analysing() const { return analysing_; }
    bool hasAnalysis() const { return analysis_ != nullptr; }
    const GameAnalysis& analysis() const { return *analysis_; }
    AnalysisLanguage analysisLanguage = AnalysisLanguage::French;
    // The language of analyses to come and of the one shown.
    void setAnalysisLanguage(AnalysisLanguage lang)
    {
        analysisLanguage = lang;
        if (analysis_) analysis_->setLanguage(lang);
    }

    // ---- learning sessions (analysis_mode.cpp): the engine plays itself;
    // each finished game is analysed, its final position learned, and the
    // next game starts.
    void startLearningSession();
    void stopLearningSession();
    bool sessionActive() const { return sessionActive_; }
    // Runs when a session's game has been analysed, before the next one starts.
    std::function<void()> onSessionGameAnalysed;

    // ---- position editor (position_editing.cpp)
    bool positionSetupMode() const { return positionSetupMode_; }
    void togglePositionEditor(); // toggles the editor; leaving it checks and installs the position
    void clearSetupBoard();      // "Vider le damier"
    void fillSetupBoard();       // "Remplir le damier"
    void toggleSetupOrientation(); // "Blancs:Bas->Haut"
    SetupChoices setup;            // the palette and who plays what from the set-up position
    // Why the last attempt to leave the editor was refused (empty when it was not).
    const QString& setupRefusal() const { return setupRefusal_; }
    std::array<int, 2> staticEvaluations(); // "Eval stat blancs" / "noirs", halved

    // ---- problems (problem_loading.cpp): a game file shown as a fresh game
    void loadProblem(const GameFile& file);

    // ---- quitting
    // Stops any search and ends the loop; the window has written the state file.
    void quitAndKeepGame();

    // ---- state read by the window and the tests
    bool engineTurn() const { return engineTurn_; }
    int matchState() const { return matchState_; }
    // A rated match is being played: nothing may change its course but moves,
    // a draw agreed or a resignation.
    bool ratedMatchRunning() const { return matchState_ == 1; }
    GameResult gameResult() const { return gameResult_; }
    bool gameOver() const { return gameResult_ != GameResult::None; }
    bool skipPonder() const { return skipPonder_; }
    bool thinking() const { return thinking_; }
    bool pondering() const { return pondering_; }
    // A finished game's result in the current language; kept as its source
    // text so that it follows a change of language.
    QString endMessage() const
    {
        if (endMessage_.isEmpty()) return {};
        return endWinner_
            + QCoreApplication::translate("kv::GameController", endMessage_.toUtf8().constData());
    }
    const SearchResult& lastResult() const { return lastResult_; }
    int computerSide() const { return game_.enginePlaysBlack; }
    std::array<int, 5> pieceCounts() const;
    CommandStates currentCommandStates() const;

private:
    // The start shared by training and match games against the computer.
    void startAgainstComputer(const std::string& user, bool computerBlack);
    // The end of a game: a running match is rated once (MatchState 5).
    void rateMatchEnd(GameResult result);
    // Runs now when no search or animation is under way, else after it.
    void post(std::function<void()> request, bool abortSearch);
    void runPostedRequests();
    void requestStop(bool abort);
    void refreshCommands();
    // A position has arrived (a loaded game, a problem, the editor, the end
    // of an analysis): the computer moves at once when it has the move there,
    // else the game waits for the user with the clocks stopped.
    void settleArrivedPosition();
    // The game waits for a move of the user's: the clocks stand still until
    // the user's first click.
    void waitWithClocksStopped();

    void ponder();
    SearchResult runDriver(bool unlimited);
    bool computerOffersDraw(int score) const;
    void animateComputerMove(const MoveRecord& m, std::uint8_t piece);
    void showPath(Square origin, Square to, const CapturePathRow& path, int n, std::uint8_t piece);
    void wait(int ms);
    void finishUserMove(const MoveRecord& m, int captureCount);
    void restoreStep();
    // Record navigation: a step the loop carries out, and the move to one stored ply.
    void postNavigation(std::function<void()> step);
    void showPly(int ply);
    // A step with nothing to show only sets its flags; true when it was such a step.
    bool stepChangesNothing(bool nothingToShow);
    int plyOfLine(int line) const; // the ply revenir_n shows for a line
    void showClocks();
    void bankRunningTurn(); // the side to move keeps the time of its turn so far
    void showInputMarkers();
    void clearInput();
    // What a game keeps about how it ended and how the computer played it:
    // forgotten when another game or position takes the board.
    void forgetGameEnd();
    // The notices over the board belong to the position they were shown for.
    void hideGameNotices();
    bool playOnRecord(const MoveRecord& m, int captureCount);

    GameState& game_;
    SearchContext& search_;
    GameView& view_;
    BoardPicture picture_;
    GameClocks clocks_;
    MoveInput input_;
    LevelSetting level_ = kDefaultLevel;

    // Controller flags.
    bool engineTurn_ = false;
    PlayMode mode_ = PlayMode::AgainstComputer;
    int matchState_ = 0;
    MatchSetup match_;
    bool engineMoveRequest_ = false;
    bool quitRequested_ = false;
    bool skipPonder_ = true;
    GameResult gameResult_ = GameResult::None;
    bool thoughtThisTurn_ = false;
    bool pendingClick_ = false;
    Cell pendingCell_ {};
    Square lastComputerFrom_ = 0, lastComputerTo_ = 0;
    std::array<int, 256> pieceHistory_ {};
    bool thinking_ = false; // the driver runs for the computer's move
    // Input times: the last button release seen, and the latest input seen
    // when the computer began to think. Only a press made after both may stop it.
    std::uint64_t lastRelease_ = 0;
    std::uint64_t lastInput_ = 0;
    std::uint64_t thinkingSince_ = 0;
    bool pondering_ = false; // the driver runs on the user's time
    bool busy_ = false;
    int loopDepth_ = 0;
    bool lastSearchUnlimited_ = false;
    bool clocksPaused_ = false;
    bool clocksHeld_ = false;
    // Game analysis and the position editor.
    void analysisStep();
    void endAnalysis();
    void placePiece(Cell cell);
    std::unique_ptr<GameAnalysis> analysis_;
    bool analysing_ = false;
    bool analysisPonder_ = true; // "Réflexion sur temps adverse" before the analysis
    bool sessionActive_ = false;
    bool sessionAnalysisDue_ = false;
    LevelSetting sessionLevel_ {}; // the level before the session raised it
    bool positionSetupMode_ = false;
    QString setupRefusal_;
    QString endMessage_; // the source text of a finished game's result
    QString endWinner_;  // the winner's name before it, in a match
    SearchResult lastResult_;
    std::deque<std::function<void()>> requests_;
    // The position the hint arrow was found for.
    void dropStaleHint();
    Board hintBoard_ {};
    SideToMove hintSide_ = White;
};

} // namespace kv
