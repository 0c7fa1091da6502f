// MainWindow, the main window: the menu bar, the flat board, the player panels
// with their clocks, the "Coups joués" and "Calcul" tabs; the panels of play
// over the board (new game, draw offers, end of game, custom level) are classes
// of their own. Every command is a slot named after its control or its task;
// the game itself is run by the GameController, which this window serves as
// its view and search observer.
#pragma once

#include "engine/search_context.h"
#include "eval/parameters.h"
#include "files/game_file.h"
#include "game/controller.h"
#include "game/game_view.h"
#include "game/session.h"
#include "players/registry.h"
#include "rules/game_state.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QFrame;

namespace kv {

class BoardWidget;
class HelpWindow;
class Board3DWidget;
class SoundPlayer;
class WhiteOpeningEditor;
class BlackOpeningEditor;
class BoardViews;
class GameExchange;
class OpeningMenu;
class PlayersPanel;
class TrainingPanel;
class AnalysisWindow;
class ParameterEditor;
class NewGamePanel;
class GameEndPanel;
class DrawOfferPanel;
class CustomLevelPanel;
class EngineOptions;
class HelpMenu;
class GameFiles;
class PlayStatusLine;

// What a file command asks of its open or save dialog.
struct FileRequest {
    bool save = false;
    QString title;
    QString folder; // the dialog starts here
    QString filter; // "Fichiers Korvelan (*.dam)"
    QString suffix; // added when the user types none
};
class Translations;

class MainWindow : public QMainWindow, public GameView, public SearchObserver {
    Q_OBJECT
public:
    // Shows the session's game; the session outlives the window.
    explicit MainWindow(GameSession& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    GameSession& session() { return session_; }
    GameController& controller() { return *controller_; }
    const SearchContext& search() const { return session_.search(); }
    BoardWidget* board() const { return board_; }
    Board3DWidget* board3d() const;
    int theme3d() const; // 0 while the flat board is shown
    BoardViews& views() { return *views_; }
    NewGamePanel& newGamePanel() { return *newGame_; }
    CustomLevelPanel& customLevelPanel() { return *customLevel_; }
    EngineOptions& engineOptions() { return *engineOptions_; }
    const DataPaths& paths() const { return session_.paths(); }

    // The "Erreur" box every file command reports with (window-modal, the
    // caller does not wait for it). Tests replace the box by a sink that
    // collects the texts.
    void showError(const QString& text);
    void setErrorSink(std::function<void(const QString&)> sink) { errorSink_ = std::move(sink); }
    // Asks a yes-or-no question (a box with "Oui" and "Non"); tests replace the box.
    bool confirm(const QString& question);
    void setConfirmer(std::function<bool(const QString&)> f) { confirmer_ = std::move(f); }

    // The settings that travel in game files, as the window holds them now.
    StoredSettings currentSettings() const;
    // The evaluation parameters in force (loaded from "defaut.par", edited in ParameterEditor).
    const ParameterSet& parameters() const { return session_.parameters(); }
    ParameterEditor* parameterEditor() const;
    HelpWindow* helpWindow() const;
    // The caller runs the loop's passes itself (tests): the window then never
    // enters PlayLoop on its own and never blocks waiting for events.
    void setExternalLoop(bool on) { externalLoop_ = on; }
    // The images that could not be loaded at start-up.
    const QStringList& missingImages() const { return missingImages_; }
    // The opening editors, and the file dialog of the library sets (save:
    // "Enregistrer" of an editor, else "Changer bibliothèque ouvertures");
    // an empty name cancels. Tests replace the dialog.
    WhiteOpeningEditor* whiteOpeningEditor() const;
    BlackOpeningEditor* blackOpeningEditor() const;
    std::function<QString(bool save, const QString& dir)> chooseOpeningSet;
    QString openingsUserDir() const { return session_.openingsUserFolder(); }

    // ---- GameView
    void boardChanged() override;
    void showPanel(GamePanel panel, bool shown) override;
    void showEndMessage(const QString& text) override;
    void playSound(Sound sound) override;
    void refreshStatus() override;
    void refreshMoveList() override;
    void showClock(int side, const ClockText& text) override;
    void applyCommandStates(const CommandStates& states) override;
    void clearStatistics() override;
    bool clockTimerRunning() const override;
    void startClockTimer() override;
    void stopClockTimer() override;
    void processEvents() override;
    void waitForEvents() override;
    void quitApplication() override;

    // ---- SearchObserver
    void clearRootLines() override;
    void setRootLine(int index, const RootLine& line) override;
    void searchInfo(const SearchInfo& info) override;
    void clock(SideToMove side, int usedSeconds) override;
    void iterationFinished(int depth, int score) override;

    // ---- analysis and training (TrainingPanel)
    void analysisChanged() override;
    void setupChanged() override;
    AnalysisWindow* analysisWindow() const;
    // The file dialogs and the comment viewer of the file commands, problems
    // and lessons; tests replace them. The chooser returns an empty name for a cancel.
    using FileChooser = std::function<QString(const QString& title, const QString& dir, bool save)>;
    void setFileChooser(FileChooser f) { fileChooser_ = std::move(f); }
    void setCommentViewer(std::function<void(const QString&)> f) { commentViewer_ = std::move(f); }
    const FileChooser& fileChooser() const { return fileChooser_; }
    const std::function<void(const QString&)>& commentViewer() const { return commentViewer_; }
    // Runs the play loop unless it runs already (or the caller runs it).
    void enterLoop();
    // Checks the level's menu entry and hands the level to the game.
    void setLevelEntry(const LevelSetting& level);
    // The open or save dialog of a file command (the test chooser when one is set).
    QString chooseFile(const FileRequest& request);

    // ---- interface languages (main_window_languages.cpp)
    int languageIndex() const;
    // The language command: 0 French .. 5 Italian; every open window follows.
    void applyLanguage(int index);

public slots:
    // Start-up and quitting (main_window_startup.cpp).
    void activate();           // the first activation reads "last32.dam"
    void startWithFlatBoard(); // the welcome panel's "Damier 2D"
    void loadGameData();
    void quitAndKeepGame(); // writes "last32.dam", then quits; a rated match asks first
    // A game file, or a text or PDN game, by name: as "Ouvrir" and "Ouvrir un
    // fichier texte" open them once their dialog is answered.
    void openGameFile(const QString& path);
    void openExchangeFile(const QString& path);
    // Game commands.
    void askNewGame();
    void swapSides();
    void offerDraw();
    void resign();
    void stopThinking();
    void saveBestMoves();
    // Navigation.
    void stepBack();
    void stepForward();
    void goToStart();
    void goToEnd();
    void flipBoard();
    // Levels and clocks.
    void askCustomLevel();
    void tickClock();
    void resetClocks();
    void toggleClockPause();

public:
    void matchRated(const RatedResult* rated) override;
    // The folder of the registry files and the results history.
    QString playersDir() const { return session_.playersFolder(); }
    // The check marks of the options follow the controller's options.
    void syncOptionChecks();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // ---- start-up (main_window_startup.cpp)
    // The steps of Introduction, in order; each loads one part of what the
    // game needs. New data files get a step of their own in this list.
    struct IntroStep {
        const char* what;
        void (MainWindow::*run)();
    };
    static const std::vector<IntroStep>& introSteps();
    void introTitles();
    void introHashTables();
    void introOpeningLibraries();
    void introLearnedPositions();
    void introParameters();
    void introImages();
    void introInitialPosition();
    void introPlayerNames();
    void introPlayerRegistry();
    void introEndgameTables();
    // Takes the game of "last32.dam" read at the first activation, if any.
    void resumeLastGame();

    std::unique_ptr<GameFiles> gameFiles_;   // "Sauver" and "Ouvrir"
    std::unique_ptr<GameExchange> exchange_; // text, PDN, clipboard, picture, printing

    // ---- menus and layout (main_window_layout.cpp)
    std::unique_ptr<EngineOptions> engineOptions_; // parameters and table sizes
    std::unique_ptr<HelpMenu> helpMenu_;
    void buildMenus();
    void buildPanels();
    void buildWelcome();
    void showPlayStatus();
    QAction* addAction(QMenu* menu, const char* name, const QString& text,
                       void (MainWindow::*slot)(), const QKeySequence& key = {});
    QAction* addOption(QMenu* menu, const char* name, const QString& text, bool checked,
                       bool GameOptions::*field);

    GameSession& session_;
    GameState& game_;
    GameController* controller_;
    bool activated_ = false;
    std::optional<GameFile> lastState_; // "last32.dam" as the first activation read it
    std::function<void(const QString&)> errorSink_;
    std::function<bool(const QString&)> confirmer_;
    // A rated match running ends unrated if the user agrees; true when there is none.
    bool mayEndRatedMatch(const QString& question);
    void keepGameAndQuit();
    SoundPlayer* sounds_ = nullptr;
    bool externalLoop_ = false;
    bool introduced_ = false;
    QStringList missingImages_;

    BoardWidget* board_ = nullptr;

    std::unique_ptr<BoardViews> views_;
    QTimer* clockTimer_ = nullptr;
    QWidget* welcome_ = nullptr;
    QFrame* topPlayerPanel_ = nullptr;    // the player panel at the top of the board
    QFrame* bottomPlayerPanel_ = nullptr; // the one at the bottom
    QLabel* whiteNameLabel_ = nullptr;
    QLabel* blackNameLabel_ = nullptr;
    QLabel* whiteMinutes_ = nullptr;
    QLabel* whiteSeconds_ = nullptr;
    QLabel* blackMinutes_ = nullptr;
    QLabel* blackSeconds_ = nullptr;
    QLabel* whiteCount_ = nullptr;
    QLabel* blackCount_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QLabel* computerColourLabel_ = nullptr;
    QLabel* orientationLabel_ = nullptr;
    QLabel* moveNumberLabel_ = nullptr;
    QLabel* turnLabel_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* moveList_ = nullptr;
    QListWidget* rootLines_ = nullptr;
    QListWidget* statisticsList_ = nullptr;
    QPushButton* playNowButton_ = nullptr;
    QPushButton* offerDrawButton_ = nullptr;
    QPushButton* resignButton_ = nullptr;
    std::map<GamePanel, QWidget*> panels_;
    std::unique_ptr<NewGamePanel> newGame_;
    std::unique_ptr<GameEndPanel> gameEnd_;
    std::unique_ptr<DrawOfferPanel> drawOffer_;
    std::unique_ptr<CustomLevelPanel> customLevel_;
    // The line beside the board: the engine's thinking, or a finished game's result.
    std::unique_ptr<PlayStatusLine> playStatus_;
    std::optional<SearchInfo> shownInfo_; // what the statistics list shows
    std::vector<QWidget*> navigationButtons_;

    std::map<QString, QAction*> actions_;
    std::vector<std::pair<QAction*, bool GameOptions::*>> optionActions_;
    QActionGroup* levelGroup_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* playersMenu_ = nullptr;
    QMenu* levelMenu_ = nullptr;
    QMenu* openingsMenu_ = nullptr;
    std::unique_ptr<OpeningMenu> openings_;

    std::unique_ptr<PlayersPanel> players_;

    std::unique_ptr<TrainingPanel> training_;
    FileChooser fileChooser_;
    std::function<void(const QString&)> commentViewer_;

    // Languages.
    void buildLanguages();
    void retranslateUi();
    // The statistics lines of `info` with their labels in the current language.
    void showSearchInfo(const SearchInfo& info);
    std::unique_ptr<Translations> translations_;
    QActionGroup* languageGroup_ = nullptr;
    bool themesRenamed_ = false; // four themes keep one name once a language is applied
};

} // namespace kv
