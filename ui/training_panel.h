// Analysis and training in the main window: the "Analyse" menu, the analysis
// list and window, the position editor page, problems with their comments,
// lessons (learning a position, loading a lesson file) and learning sessions.
#pragma once

#include "training/problem_listing.h"
#include "training/problem_source.h"
#include "training/problem_verdict.h"

#include <array>
#include <optional>

#include <QObject>
#include <QString>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;

namespace kv {

class AnalysisWindow;
class GameSession;
class MainWindow;
struct CommandStates;

class TrainingPanel : public QObject {
    Q_OBJECT
public:
    // Adds the menu entries, the tab pages and the panels to the window.
    TrainingPanel(MainWindow& window, GameSession& session);

    AnalysisWindow* analysisWindow() const { return analysisWindow_; }
    const ProblemCursor& problemCursor() const { return problems_; }

    // What the game shows: the analysis walked a step, the editor changed.
    void analysisChanged();
    void setupChanged();
    // The commands the game allows now.
    void applyCommandStates(const CommandStates& states);
    // The analysis lines again, in the language now in force.
    void rewriteAnalysis();
    // A new game is no problem: the problem's statement and buttons go.
    void hideProblemButtons();

public slots:
    void startAnalysis();
    void endAnalysisPhase(); // "Arrêter cette phase"
    void endAnalysis();      // "Terminer l'analyse"
    void showAnalysisLine(); // a line of the analysis list
    void tabChanged(int index);
    void openPositionEditor();
    void togglePositionEditor();
    void clearSetupBoard();
    void fillSetupBoard();
    void toggleSetupOrientation();
    void toggleSetupFirstMover();
    void toggleSetupComputerColour();
    void setPieceToPlace(int code); // the palette's pieces
    void openProblems();
    void nextProblem();   // "Suivant ->"
    void replayProblem(); // "Revoir coup"
    void learnPosition();
    void declineLearning();
    void loadLessons();
    void startLearningSession();
    void stopLearningSession();

private:
    void build();
    void buildProblems();
    QAction* addEntry(QMenu* menu, const char* name, const QString& text,
                      void (TrainingPanel::*slot)());
    bool openProblem(const QString& path, bool capPlies);
    void showProblemStatement(const QString& path);
    void judgeProblemAnswer();
    QString chooseFile(const QString& title, const QString& dir, bool save, bool lesson);
    void learnSessionGame();
    void showSetupCaptions();

    MainWindow& window_;
    GameSession& session_;
    QTabWidget* tabs_ = nullptr;
    AnalysisWindow* analysisWindow_ = nullptr;
    QListWidget* analysisList_ = nullptr;
    QWidget* problemPage_ = nullptr;
    QWidget* analysePage_ = nullptr;
    QLabel* pieceToPlaceLabel_ = nullptr;
    QLabel* whiteEvaluation_ = nullptr;
    QLabel* blackEvaluation_ = nullptr;
    QLabel* setupRefusal_ = nullptr;
    QPushButton* firstMoverButton_ = nullptr;
    QPushButton* computerColourButton_ = nullptr;
    QPushButton* orientationButton_ = nullptr;
    int tabPage_ = 0;
    bool analysisWalking_ = false; // to notice the end of a walk
    ProblemCursor problems_;
    QPushButton* nextProblemButton_ = nullptr;
    QPushButton* replayProblemButton_ = nullptr;
    QFrame* problemPanel_ = nullptr;     // the statement and the verdict
    QLabel* problemStatement_ = nullptr; // above the move list
    QLabel* problemVerdict_ = nullptr;
    std::optional<ProblemEntry> problem_; // the shipped problem open, with its solution
    std::optional<ProblemVerdict> verdictShown_;
    std::array<std::uint8_t, 34> judgedAt_ {}; // the game the verdict was judged on
    QString sessionLesson_;                    // the lesson file of the running session
    QAction* startAnalysisAction_ = nullptr;
    QAction* endPhaseAction_ = nullptr;
    QAction* endAnalysisAction_ = nullptr;
    QAction* positionEditorAction_ = nullptr;
    QAction* startSessionAction_ = nullptr;
    QAction* stopSessionAction_ = nullptr;
};

} // namespace kv
