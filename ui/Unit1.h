// TForm1, the main window: the menu bar, the flat board, the player panels
// with their clocks, the "Coups joués" and "Calcul" tabs and the panels of
// play (new game, draw offers, end of game, custom level). Every command is a
// slot named after its control or its task; the game itself is run by the
// GameController, which this window serves as its view and search observer.
#pragma once

#include "engine/search_context.h"
#include "eval/parameters.h"
#include "files/game_file.h"
#include "game/controller.h"
#include "game/game_view.h"
#include "game/session.h"
#include "players/registry.h"
#include "rules/game_state.h"
#include "training/problem_listing.h"
#include "ui/player_widgets.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QFrame;

class QBoxLayout;

namespace kv {

class Damier2D;
struct ExchangeFile;
struct PdnTags;
enum class GameResult : int;
class HelpWindow;
class Damier3D;
class SoundPlayer;
class TForm2;
class TForm3;
class PlayersWindow;
class TForm4;
class TForm5;

// What a file command asks of its open or save dialog.
struct FileRequest {
    bool save = false;
    QString title;
    QString folder;  // the dialog starts here
    QString filter;  // "Fichiers Korvelan (*.dam)"
    QString suffix;  // added when the user types none
};
class Translations;

class TForm1 : public QMainWindow, public GameView, public SearchObserver {
    Q_OBJECT
public:
    // Shows the session's game; the session outlives the window.
    explicit TForm1(GameSession& session, QWidget* parent = nullptr);
    ~TForm1() override;

    GameSession& session() { return session_; }
    GameController& controller() { return *controller_; }
    const SearchContext& search() const { return session_.search(); }
    Damier2D* board() const { return board_; }
    Damier3D* board3d() const { return board3d_; }
    int theme3d() const { return theme3d_; } // 0 while the flat board is shown
    QString programDir() const { return session_.programDir(); }
    const DataPaths& paths() const { return session_.paths(); }

    // The "Erreur" box every file command reports with (window-modal, the
    // caller does not wait for it). Tests replace the box by a sink that
    // collects the texts.
    void ShowError(const QString& text);
    void setErrorSink(std::function<void(const QString&)> sink) { errorSink_ = std::move(sink); }
    // Shows a text file (a problem's comments) in the desktop's text editor.
    void openTextFile(const QString& path);

    // The settings that travel in game files, as the window holds them now.
    StoredSettings currentSettings() const;
    // The evaluation parameters in force (loaded from "defaut.par", edited in TForm5).
    const ParameterSet& parameters() const { return session_.parameters(); }
    void setParameters(const ParameterSet& set);
    TForm5* parameterEditor() const { return form5_; }
    HelpWindow* helpWindow() const { return help_; }
    // The caller runs the loop's passes itself (tests): the window then never
    // enters PlayLoop on its own and never blocks waiting for events.
    void setExternalLoop(bool on) { externalLoop_ = on; }
    // The images that could not be loaded at start-up.
    const QStringList& missingImages() const { return missingImages_; }
    // The opening editors, and the file dialog of the library sets (save:
    // "Enregistrer" of an editor, else "Changer bibliothèque ouvertures");
    // an empty name cancels. Tests replace the dialog.
    TForm2* form2() const { return form2_; }
    TForm3* form3() const { return form3_; }
    std::function<QString(bool save, const QString& dir)> chooseOpeningSet;
    QString openingsUserDir() const;

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
    void processEvents() override;
    void waitForEvents() override;
    void quitApplication() override;

    // ---- SearchObserver
    void clearRootLines() override;
    void setRootLine(int index, const RootLine& line) override;
    void searchInfo(const SearchInfo& info) override;
    void clock(SideToMove side, int usedSeconds) override;
    void iterationFinished(int depth, int score) override;

    // ---- analysis and training (Unit1_training.cpp)
    void analysisChanged() override;
    void setupChanged() override;
    TForm4* analysisWindow() const { return form4_; }
    // The file dialogs and the comment viewer of problems and lessons;
    // tests replace them. The chooser returns an empty name for a cancel.
    using FileChooser = std::function<QString(const QString& title, const QString& dir, bool save)>;
    void setFileChooser(FileChooser f) { fileChooser_ = std::move(f); }
    void setCommentViewer(std::function<void(const QString&)> f) { commentViewer_ = std::move(f); }
    const ProblemCursor& problemCursor() const { return problems_; }

    // ---- interface languages (Unit1_languages.cpp)
    int languageIndex() const;
    // The language command: 0 French .. 5 Italian; every open window follows.
    void applyLanguage(int index);
    Translations& translations() const { return *translations_; }

public slots:
    // Start-up and quitting (Unit1_startup.cpp).
    void FormActivate();   // the first activation reads "last32.dam"
    void Damier2DClick();  // the welcome panel's "Damier 2D"
    void Introduction();
    void quitter();        // writes "last32.dam", then quits
    void exiter();         // the close box: quits without writing it
    // Game files (Unit1_files.cpp).
    void save();
    void ouvre();
    // Games as text and PDN, the clipboard, the board picture, printing (Unit1_exchange.cpp).
    void Crerunfichiertexte1Click();
    void Ouvrirunfichiertexte1Click();
    void Copierlapartie1Click();
    void Copierlaposition1Click();
    void Coller1Click();
    void Editerlimagefichierbmp1Click();
    void Imprimer1Click();
    void Apercu1Click();
    // Options, parameters, table sizes, help (Unit1_options.cpp).
    void Alphabeticalnumber1Click();
    void Changer1Click();
    void Sauverlesparamtres1Click();
    void Chargerdesparamtres1Click();
    void Guide1Click();
    void Rgles1Click();
    void Apropos1Click();
    void BitBtn6Click();
    // Game commands.
    void Nouveau2Click();
    void BitBtn15Click();
    void BitBtn17Click();
    void Annule_nouveauClick();
    void inverser_joueurs();
    void ProposernulClick();
    void BitBtn14Click();
    void Annul_nulClick();
    void AbandonClick();
    void NouvellePartieFinClick(); // "Nouvelle partie" in the end-of-game message
    void pause();
    void Best1Click();
    // Navigation.
    void reprise();
    void avancer();
    void revenir_debut();
    void Aller_fin();
    void Inverser();
    // Levels and clocks.
    void N8Autre1Click();
    void BitBtn24Click();
    void BitBtn25Click();
    void ajouter_temps();
    void Horlogeszro1Click();
    void Pause2Click();
    // Opening libraries (Unit1_openings.cpp).
    void Bibliothquesactives1Click();
    void Changerbibliothqueouvertures1Click();
    void Ouverturespourlesblancs1Click();
    void Ouverturespourlesnoirs1Click();
    // Analysis, position editor, problems and lessons (Unit1_training.cpp).
    void Analyser();
    void pauseAnalyse();      // "Arrêter cette phase"
    void Button4Click();      // "Terminer l'analyse"
    void ListBox4Click();     // a line of ListBox6
    void OngletChange(int index);
    void Installeruneposition1Click();
    void Entrerpositionclick();
    void vider();
    void remplir();
    void Change_dir();
    void Couleur_joue();
    void Change_couleur();
    void setPieceToPlace(int code); // Panel4Click, SpeedButton10Click .. SpeedButton14Click
    // Problems and lessons (Unit1_problems.cpp).
    void Problmes1Click();
    void Button1Click();  // "Suivant ->"
    void Panel14Click();  // "Revoir coup"
    void Apprendreposition1Click();
    void Learn_noClick();
    void Chargerdesleons1Click();
    void Lancerunesession1Click();
    void Arrterlasession1Click();
    // Board views (Unit1_views.cpp).
    void Damier2D1Click();
    void Damier3D1Click();
    void Damier3D2Click();
    void Damier3D3Click();
    void Damier3D4Click();
    void Damier3D5Click();
    void Damier3D6Click();
    void Damier3D7Click();
    void Damier3D8Click();
    // Languages: the Help menu's entries and the welcome panel's buttons.
    void Franais1Click();
    void English1Click();
    void Nederlands1Click();
    void Portugues1Click();
    void Espanol1Click();
    void Italiano1Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button2Click();
    void Button8Click();
    void Button1AClick();

public slots:
    // Players and rated matches (Unit1_players.cpp).
    void ListBox8Click();
    void ListBox9Click();
    void ListBox10Click();
    void ListBox11Click();
    void BitBtn16Click();
    void RamenerMorvanelClick();
    void Match21Click();
    void BitBtn7Click();
    void OClick();
    void Effacerunjoueur1Click();
    void ListBox7Click();
    void BitBtn20Click();
    void BitBtn12Click();
    void Changerlesnoms1Click();
    void OKjoueurClick();
    void Cancel_joueursClick();
    void Listedesjoueurs1Click();

public:
    void matchRated(const RatedResult* rated) override;
    // The folder of the registry files and the results history.
    QString playersDir() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // ---- start-up (Unit1_startup.cpp)
    // The steps of Introduction, in order; each loads one part of what the
    // game needs. New data files get a step of their own in this list.
    struct IntroStep {
        const char* what;
        void (TForm1::*run)();
    };
    static const std::vector<IntroStep>& introSteps();
    void introTitles();
    void introThemes();
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

    // ---- game files (Unit1_files.cpp)
    // The open or save dialog of a file command (the test chooser when one is set).
    QString chooseFile(const FileRequest& request);
    // Unit1_exchange.cpp
    void buildExchangeMenus();
    void importGame(const ExchangeFile& file, QStringList notices);
    GameResult currentOutcome() const;
    PdnTags pdnTags() const;
    QString exchangeFolder_; // where the last text, PDN or picture went
    // Shows a loaded game: level, minutes, record, names, counters. The
    // language stays; the table size stays unless `tableSizeFromFile`.
    void showLoadedGame(const GameFile& file, bool tableSizeFromFile);
    QString gameFileErrorText(const GameFileError& error) const;

    // ---- options (Unit1_options.cpp)
    void buildOptionsExtras(QMenu* options);
    void buildHelpMenu();
    void setTableSize(int sizeFactor, bool resize); // checks the entry; resizes between searches
    void showHelp(const QString& baseName);
    void buildMenus();
    void buildPanels();
    // An OK / "Annuler" row at the foot of a panel or page.
    void addOkCancel(QWidget* page, QBoxLayout* into, const char* okName, const char* cancelName,
                     void (TForm1::*onOk)(), void (TForm1::*onCancel)());
    void buildWelcome();
    // The line beside the board: the engine's thinking, or a finished game's result.
    void buildPlayStatus();
    void showPlayStatus();
    QAction* addAction(QMenu* menu, const char* name, const QString& text, void (TForm1::*slot)(),
                       const QKeySequence& key = {});
    QAction* addOption(QMenu* menu, const char* name, const QString& text, bool checked, bool GameOptions::*field);
    void syncOptionChecks();
    void enterLoop();
    void setLevelEntry(const LevelSetting& level);
    void buildOpeningsMenu();
    void loadOpeningLibraries();
    QString activeLibraryPath(SideToMove side) const;
    void showOpeningEditor(SideToMove side);
    void reloadOpeningLibrary(SideToMove side);
    bool storeOpeningSet(SideToMove side);
    void closeOpeningEditors();
    void openingsError(const QString& text);
    void buildTraining(); // Unit1_training.cpp
    void buildProblems(); // Unit1_problems.cpp
    bool openProblem(const QString& path, bool capPlies);
    QString chooseFile(const QString& title, const QString& dir, bool save, bool lesson);
    void learnSessionGame();
    void showSetupCaptions();

    GameSession& session_;
    GameState& game_;
    GameController* controller_;
    bool activated_ = false;
    std::optional<GameFile> lastState_; // "last32.dam" as the first activation read it
    std::function<void(const QString&)> errorSink_;
    TForm5* form5_ = nullptr;
    HelpWindow* help_ = nullptr;
    QWidget* about_ = nullptr;
    QWidget* welcomeLanguages_ = nullptr; // the row of language buttons on the welcome panel
    QWidget* welcomeViews_ = nullptr;     // the row of board-view buttons
    QActionGroup* tableSizeGroup_ = nullptr;
    SoundPlayer* sounds_ = nullptr;
    bool externalLoop_ = false;
    bool introduced_ = false;
    QStringList missingImages_;

    Damier2D* board_ = nullptr;

    // The 3D board and what goes with it (Unit1_views.cpp).
    void buildViewMenu(QMenu* menu);
    void buildViews();
    bool showTheme(int theme);
    void hideTheme(int theme, const QString& why);
    void startWithTheme(int theme);
    void layoutBoards();
    void syncTwins();
    void DamierImage1Click(Cell cell);
    Damier3D* board3d_ = nullptr;
    int theme3d_ = 0;
    struct Twin {
        QFrame* frame = nullptr;
        QLabel *name = nullptr, *minutes = nullptr, *seconds = nullptr, *count = nullptr;
    };
    Twin twinBlack_, twinWhite_;          // Horlogenoir3d, Horlogeblanc3d
    std::map<QWidget*, QRect> placedAt_;  // where each widget of the window was laid out first
    QTimer* timer1_ = nullptr;
    QWidget* welcome_ = nullptr;
    QFrame* panel6_ = nullptr; // the player panel at the top of the board
    QFrame* panel7_ = nullptr; // the one at the bottom
    QLabel* nomBlanc_ = nullptr;
    QLabel* nomNoir_ = nullptr;
    QLabel* minblanc_ = nullptr;
    QLabel* secblanc_ = nullptr;
    QLabel* minnoir_ = nullptr;
    QLabel* secnoir_ = nullptr;
    QLabel* nbBlancs_ = nullptr;
    QLabel* nbNoirs_ = nullptr;
    QLabel* panel11_ = nullptr;
    QLabel* couleurordi_ = nullptr;
    QLabel* basHaut_ = nullptr;
    QLabel* nbcoups_ = nullptr;
    QLabel* trait_ = nullptr;
    QTabWidget* onglet_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QListWidget* listBox5_ = nullptr;
    QListWidget* listBox2_ = nullptr;
    QPushButton* joue_ = nullptr;
    QPushButton* proposernul_ = nullptr;
    QPushButton* abandon2_ = nullptr;
    std::map<GamePanel, QWidget*> panels_;
    QLabel* quiGagne_ = nullptr;
    QTabWidget* nouvellePartie_ = nullptr;
    QLineEdit* joueur0_ = nullptr;
    QLineEdit* joueur2_ = nullptr;
    QLineEdit* joueur3_ = nullptr;
    QRadioButton* morvanelNoir_ = nullptr;
    QLineEdit* nbminutes_ = nullptr;
    QLabel* autreErreur_ = nullptr;  // what "Autre" accepts, after a refusal
    QLabel* etatPartie_ = nullptr;   // the play status line
    int depthReached_ = 0;           // of the search under way
    std::optional<SearchInfo> shownInfo_; // what the statistics list shows
    std::vector<QWidget*> navigationButtons_;

    std::map<QString, QAction*> actions_;
    std::vector<std::pair<QAction*, bool GameOptions::*>> optionActions_;
    QActionGroup* levelGroup_ = nullptr;
    QMenu* fichier_ = nullptr;
    QMenu* edition_ = nullptr;
    QMenu* joueurs_ = nullptr;
    QMenu* niveau_ = nullptr;
    QMenu* parametrage_ = nullptr;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;

    // Players (Unit1_players.cpp, Unit1_players_layout.cpp).
    void buildPlayerPanels();
    std::optional<PlayerRegistry> readRegistry();
    bool loadPlayerLists();
    void fillPlayerLists();
    PlayerWidgets pw_;
    PlayerRegistry& registry_; // the lists shown: "Ramener Korvelan à 2050" changes it here only
    PlayersWindow* playersWindow_ = nullptr;

    // Analysis and training.
    TForm4* form4_ = nullptr;
    QListWidget* listBox6_ = nullptr;
    QWidget* probleme0_ = nullptr;
    QWidget* analysePage_ = nullptr;
    QLabel* piontemoin_ = nullptr;
    QLabel* evalBlancs_ = nullptr;
    QLabel* evalNoirs_ = nullptr;
    QLabel* setupRefusal_ = nullptr;
    QPushButton* couleurJoue_ = nullptr;
    QPushButton* changeCouleur_ = nullptr;
    QPushButton* changeDir_ = nullptr;
    int ongletPage_ = 0;
    bool analysisWalking_ = false; // to notice the end of a walk
    ProblemCursor problems_;
    QPushButton* suivantProbleme_ = nullptr;
    QPushButton* revoirCoup_ = nullptr;
    QString sessionLesson_; // the lesson file of the running session
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
