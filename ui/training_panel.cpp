// The main window's share of analysis and training: the "Analyse" menu, the
// analysis list and the analysis window, and the position editor's page of
// the tab control.
#include "ui/training_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "ui/analysis_window.h"
#include "ui/board_views.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

namespace {
// The palette of the editor: button, piece code, the 2D image drawn on it.
struct PaletteEntry {
    const char* name;
    std::uint8_t code;
    const char* image;
};
constexpr PaletteEntry kPalette[] = {
    { "SpeedButton10", WhiteMan, "1pba.BMP" }, { "SpeedButton11", WhiteKing, "1dba.bmp" },
    { "SpeedButton12", BlackMan, "1pna.bmp" }, { "SpeedButton13", BlackKing, "1dna.bmp" },
    { "SpeedButton14", Empty, "1pva.bmp" },
};
} // namespace

TrainingPanel::TrainingPanel(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    build();
}

QAction* TrainingPanel::addEntry(QMenu* menu, const char* name, const QString& text,
                                 void (TrainingPanel::*slot)())
{
    QAction* a = addMenuAction(menu, name, text);
    connect(a, &QAction::triggered, this, slot);
    return a;
}

void TrainingPanel::build()
{
    tabs_ = window_.findChild<QTabWidget*>("Onglet");
    QMenu* analyse = window_.menuBar()->addMenu(tr("Analyse"));
    analyse->setObjectName("Analyse1");
    startAnalysisAction_ = addEntry(analyse, "Dbuteruneanalyse1", tr("Débuter une analyse"),
                                    &TrainingPanel::startAnalysis);
    endPhaseAction_ = addEntry(analyse, "Arrtercettephase1", tr("Arrêter cette phase"),
                               &TrainingPanel::endAnalysisPhase);
    endPhaseAction_->setEnabled(false);
    endAnalysisAction_ = addEntry(analyse, "Terminerlanalyse1", tr("Terminer l'analyse"),
                                  &TrainingPanel::endAnalysis);
    endAnalysisAction_->setEnabled(false);
    analyse->addSeparator();
    positionEditorAction_ = addEntry(analyse, "Installeruneposition1", tr("Installer une position"),
                                     &TrainingPanel::openPositionEditor);
    positionEditorAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));

    analysisWindow_ = new AnalysisWindow(session_.controller(), &window_);
    analysisWindow_->hide();

    // The analysis list: a line per analysed move; a click shows its position.
    analysePage_ = new QWidget;
    analysePage_->setObjectName("AnalysePage");
    auto* av = new QVBoxLayout(analysePage_);
    av->setContentsMargins(4, 4, 4, 4);
    analysisList_ = new QListWidget(analysePage_);
    analysisList_->setObjectName("ListBox6");
    analysisList_->setFont(QFont("monospace", 8));
    av->addWidget(analysisList_);
    connect(analysisList_, &QListWidget::itemClicked, this, &TrainingPanel::showAnalysisLine);
    tabs_->addTab(analysePage_, tr("Analyse"));

    // The position editor.
    problemPage_ = new QWidget;
    problemPage_->setObjectName("Probleme0");
    auto* pv = new QVBoxLayout(problemPage_);
    pv->setContentsMargins(4, 2, 4, 2);
    pv->setSpacing(3);
    auto* group = new QGroupBox(tr("PLACEZ LES PIONS"), problemPage_);
    group->setObjectName("Placezlespions");
    auto* gv = new QVBoxLayout(group);
    gv->setContentsMargins(4, 2, 4, 2);
    gv->setSpacing(3);
    auto* palette = new QHBoxLayout;
    for (const PaletteEntry& e : kPalette) {
        auto* b = new QToolButton(group);
        b->setObjectName(e.name);
        const QPixmap pix(session_.boardImage(e.image));
        if (!pix.isNull()) {
            b->setIcon(QIcon(pix));
            b->setIconSize(QSize(30, 30));
        } else {
            b->setText(e.code == Empty ? "-" : QString::number(e.code));
        }
        const int code = e.code;
        connect(b, &QToolButton::clicked, this, [this, code] { setPieceToPlace(code); });
        palette->addWidget(b);
    }
    pieceToPlaceLabel_ = makeLabel(group, "Piontemoin", QString());
    pieceToPlaceLabel_->setFixedSize(34, 34);
    pieceToPlaceLabel_->setFrameShape(QFrame::Box);
    palette->addWidget(pieceToPlaceLabel_);
    gv->addLayout(palette);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    auto* viderButton = makeButton(group, "Vider", tr("Vider le damier"));
    connect(viderButton, &QPushButton::clicked, this, &TrainingPanel::clearSetupBoard);
    auto* remplirButton = makeButton(group, "Remplir", tr("Remplir le damier"));
    connect(remplirButton, &QPushButton::clicked, this, &TrainingPanel::fillSetupBoard);
    orientationButton_ = makeButton(group, "Change_dir", QString());
    connect(orientationButton_, &QPushButton::clicked, this,
            &TrainingPanel::toggleSetupOrientation);
    firstMoverButton_ = makeButton(group, "Couleur_joue", QString());
    connect(firstMoverButton_, &QPushButton::clicked, this, &TrainingPanel::toggleSetupFirstMover);
    computerColourButton_ = makeButton(group, "Change_couleur", QString());
    connect(computerColourButton_, &QPushButton::clicked, this,
            &TrainingPanel::toggleSetupComputerColour);
    auto* valider = makeButton(group, "Jouer_position", tr("Jouer cette position"));
    connect(valider, &QPushButton::clicked, this, [this] { tabs_->setCurrentIndex(0); });
    grid->addWidget(viderButton, 0, 0);
    grid->addWidget(remplirButton, 0, 1);
    grid->addWidget(firstMoverButton_, 1, 0);
    grid->addWidget(computerColourButton_, 1, 1);
    grid->addWidget(orientationButton_, 2, 0);
    grid->addWidget(valider, 2, 1);
    gv->addLayout(grid);
    pv->addWidget(group);
    auto* evals = new QHBoxLayout;
    whiteEvaluation_ = makeLabel(problemPage_, "Evalstatblancs", QString());
    blackEvaluation_ = makeLabel(problemPage_, "Evalstatnoirs", QString());
    evals->addWidget(whiteEvaluation_);
    evals->addWidget(blackEvaluation_);
    pv->addLayout(evals);
    setupRefusal_ = makeLabel(problemPage_, "Refus_position", QString());
    setupRefusal_->setWordWrap(true);
    setupRefusal_->setStyleSheet("color: #a01818; font-weight: bold;");
    pv->addWidget(setupRefusal_);
    pv->addStretch(1);
    // The page sets up positions; problems show above the move list.
    tabs_->addTab(problemPage_, tr("Éditeur"));

    setPieceToPlace(WhiteMan);
    showSetupCaptions();
    buildProblems();
    connect(tabs_, &QTabWidget::currentChanged, this, &TrainingPanel::tabChanged);
}

// ------------------------------------------------------------------ analysis

void TrainingPanel::startAnalysis()
{
    if (session_.game().gamePly == 0) return;
    analysisList_->clear();
    analysisWindow_->show();
    analysisWindow_->raise();
    session_.controller().startAnalysis();
}

void TrainingPanel::endAnalysisPhase() { session_.controller().pauseAnalysis(); }

void TrainingPanel::endAnalysis()
{
    session_.controller().finishAnalysis();
    analysisWindow_->hide();
}

void TrainingPanel::showAnalysisLine()
{
    const int row = analysisList_->currentRow();
    if (row < 0) return;
    analysisWindow_->hide();
    session_.controller().showAnalysisLine(row);
}

void TrainingPanel::analysisChanged()
{
    const bool walking = session_.controller().analysing();
    window_.syncOptionChecks(); // the walk takes the thinking on the user's time away, and gives it
                                // back
    startAnalysisAction_->setEnabled(!walking);
    endPhaseAction_->setEnabled(walking);
    endAnalysisAction_->setEnabled(walking);
    if (!session_.controller().hasAnalysis()) return;
    const auto lines = session_.controller().analysis().listLines();
    if (analysisList_->count() != static_cast<int>(lines.size())) {
        analysisList_->clear();
        for (const std::string& l : lines) {
            auto* item = new QListWidgetItem(QString::fromStdString(l), analysisList_);
            item->setToolTip(item->text());
            if (l.front() == '*')
                item->setForeground(QColor(0xb0, 0x18, 0x18)); // a much better move was missed
        }
    }
    if (walking && tabs_->currentWidget() != analysePage_) tabs_->setCurrentWidget(analysePage_);
    analysisWindow_->refresh();
    // A walk that has just ended offers to learn its final position.
    if (analysisWalking_ && !walking && !session_.controller().sessionActive()) {
        window_.findChild<QWidget*>("Learn")->show();
        window_.findChild<QWidget*>("Learn")->raise();
    }
    analysisWalking_ = walking;
}

// ------------------------------------------------------------------ position editor

void TrainingPanel::tabChanged(int index)
{
    QWidget* page = tabs_->widget(index);
    QWidget* previous = tabs_->widget(tabPage_);
    const auto revert = [this](QWidget* to) {
        QSignalBlocker block(tabs_);
        tabs_->setCurrentWidget(to);
    };
    if (page == problemPage_ && !session_.controller().positionSetupMode()) {
        // While the computer has the move, a match runs or an analysis walks,
        // the board is not the user's to set up.
        const bool busy = session_.controller().engineTurn() || session_.controller().thinking()
            || session_.controller().matchState() == 1 || session_.controller().analysing();
        if (busy) {
            revert(previous);
            return;
        }
        // Set-up positions are not in the opening libraries.
        session_.setBookEnabled(false);
        if (auto* lib = window_.findChild<QAction*>("Bibliothquesactives1")) lib->setChecked(false);
        togglePositionEditor();
    } else if (previous == problemPage_ && session_.controller().positionSetupMode()) {
        togglePositionEditor();
        if (session_.controller().positionSetupMode()) { // refused: the reason is on the page
            revert(problemPage_);
            return;
        }
    }
    tabPage_ = tabs_->currentIndex();
}

void TrainingPanel::openPositionEditor()
{
    if (session_.controller().positionSetupMode()) return;
    window_.views().showFlatBoard(); // pieces are placed on the flat board
    tabs_->setCurrentWidget(problemPage_);
}

void TrainingPanel::togglePositionEditor() { session_.controller().togglePositionEditor(); }

void TrainingPanel::clearSetupBoard() { session_.controller().clearSetupBoard(); }

void TrainingPanel::fillSetupBoard() { session_.controller().fillSetupBoard(); }

void TrainingPanel::toggleSetupOrientation() { session_.controller().toggleSetupOrientation(); }

void TrainingPanel::toggleSetupFirstMover()
{
    session_.controller().setup.computerMovesFirst
        = !session_.controller().setup.computerMovesFirst;
    showSetupCaptions();
}

void TrainingPanel::toggleSetupComputerColour()
{
    session_.controller().setup.computerBlack = !session_.controller().setup.computerBlack;
    showSetupCaptions();
}

void TrainingPanel::setPieceToPlace(int code)
{
    session_.controller().setup.pieceToPlace = static_cast<std::uint8_t>(code);
    for (const PaletteEntry& e : kPalette) {
        if (e.code != code) continue;
        const QPixmap pix(session_.boardImage(e.image));
        if (!pix.isNull())
            pieceToPlaceLabel_->setPixmap(
                pix.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        else pieceToPlaceLabel_->setText(QString::number(code));
    }
}

void TrainingPanel::showSetupCaptions()
{
    const SetupChoices& s = session_.controller().setup;
    firstMoverButton_->setText(s.computerMovesFirst ? tr("Ordinateur joue") : tr("Joueur joue"));
    computerColourButton_->setText(s.computerBlack ? tr("Ordinateur noir")
                                                   : tr("Ordinateur blanc"));
    orientationButton_->setText(session_.game().orientation ? tr("Blancs:Haut->Bas")
                                                            : tr("Blancs:Bas->Haut"));
}

void TrainingPanel::applyCommandStates(const CommandStates& s)
{
    startAnalysisAction_->setEnabled(s.analyse);
    endPhaseAction_->setEnabled(s.analysisRunning);
    endAnalysisAction_->setEnabled(s.analysisRunning);
    positionEditorAction_->setEnabled(s.problems);
    // The menu and the entries with keys, which work while it is closed.
    window_.menuBar()->findChild<QMenu*>("Analyse1")->setEnabled(s.analysisMenu);
    window_.findChild<QAction*>("Problmes1")->setEnabled(s.problems);
    startSessionAction_->setEnabled(s.analysisMenu && !session_.controller().sessionActive());
    judgeProblemAnswer();
}

void TrainingPanel::rewriteAnalysis()
{
    if (!session_.controller().hasAnalysis()) return;
    analysisList_->clear();
    analysisChanged();
}

void TrainingPanel::hideProblemButtons()
{
    problemPanel_->hide();
    problem_.reset();
    replayProblemButton_->hide();
    nextProblemButton_->hide();
}

void TrainingPanel::setupChanged()
{
    const bool on = session_.controller().positionSetupMode();
    problemPage_->findChild<QGroupBox*>("Placezlespions")->setVisible(on);
    if (!on && tabs_->currentWidget() == problemPage_) { // ended by a new game or a problem
        QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(0);
        tabPage_ = 0;
    }
    const auto e = session_.controller().staticEvaluations();
    whiteEvaluation_->setText(tr("Eval stat blancs:%1").arg(e[0], 4));
    blackEvaluation_->setText(tr("Eval stat noirs:%1").arg(e[1], 4));
    setupRefusal_->setText(session_.controller().setupRefusal());
    showSetupCaptions();
    if (on)
        window_.findChild<QLabel*>("Couleurordi")
            ->setText(session_.controller().setup.computerBlack ? tr("Ordinateur noir")
                                                                : tr("Ordinateur blanc"));
    window_.refreshStatus();
}

} // namespace kv
