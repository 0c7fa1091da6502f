// The main window: construction, start-up and quitting, and the commands of
// its menus and buttons. Its layout is built in main_window_layout.cpp; what the
// controller and the engine show goes through main_window_view.cpp.
#include "ui/main_window.h"
#include "ui/level_menu.h"
#include "ui/window_parts.h"

#include "engine/hash_keys.h"
#include "rules/geometry.h"
#include "ui/board_views.h"
#include "ui/board_widget.h"
#include "ui/custom_level_panel.h"
#include "ui/draw_offer_panel.h"
#include "ui/game_end_panel.h"
#include "ui/game_exchange.h"
#include "ui/help_window.h"
#include "ui/new_game_panel.h"
#include "ui/opening_menu.h"
#include "ui/parameter_editor.h"
#include "ui/players_panel.h"
#include "ui/sound_player.h"
#include "ui/training_panel.h"
#include "ui/translations.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

MainWindow::MainWindow(GameSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session), game_(session.game()),
      controller_(&session.controller())
{
    setObjectName("TForm1");
    setWindowTitle(tr("Korvelan 3D, le jeu"));
    game_.whiteName = kUnknownPlayer;
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);

    session_.attachView(*this, *this);
    controller_->enterLoop = [this] { enterLoop(); };
    sounds_ = new SoundPlayer(session_.programDir(), this);

    auto* central = new QWidget(this);
    central->setObjectName("Fond");
    setCentralWidget(central);

    board_ = new BoardWidget(controller_->picture(), central);
    board_->move(0, 0);
    board_->onClick = [this](Cell c, std::uint64_t t) { controller_->boardClicked(c, t); };
    board_->onRelease = [this](std::uint64_t t) { controller_->boardReleased(t); };

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("Timer1");
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::tickClock);

    views_ = std::make_unique<BoardViews>(*this, session_);
    buildMenus();
    buildPanels();
    players_ = std::make_unique<PlayersPanel>(*this, session_);
    buildPlayStatus();
    training_ = std::make_unique<TrainingPanel>(*this, session_);
    buildWelcome();
    views_->build();
    buildHelpMenu(); // the last menu of the bar
    buildLanguages();
    parameterEditor_ = new ParameterEditor(this);
    connect(parameterEditor_, &ParameterEditor::parametersAccepted, this,
            &MainWindow::setParameters);
    setStyleSheet(
        "QWidget#Fond { background: #e9dfcc; }"
        "QFrame#Panel6, QFrame#Panel7 { background: #f7f1e4; border: 1px solid #b59c74; "
        "border-radius: 6px; }"
        "QFrame#Panel6[trait=\"true\"], QFrame#Panel7[trait=\"true\"] { border: 3px solid #c08a1e; "
        "}"
        "QLabel#Nom_blanc, QLabel#Nom_noir { font-weight: bold; font-size: 14px; }"
        "QLabel#minblanc, QLabel#secblanc, QLabel#minnoir, QLabel#secnoir {"
        "  font-family: monospace; font-size: 22px; font-weight: bold; color: #2b2118; }"
        "QLabel#Panel11 { background: #5a3a22; color: #f7f1e4; border-radius: 4px; padding: 2px "
        "6px; font-weight: bold; }"
        "QFrame#fin_de_parties { background: #fffaf0; border: 2px solid #5a3a22; border-radius: "
        "8px; }"
        "QLabel#qui_gagne { font-size: 20px; font-weight: bold; color: #5a3a22; }"
        "QFrame#Match_nul, QFrame#Panel9, QTabWidget#Nouvelle_partie {"
        "  background: #fffaf0; }"
        "QFrame#Prise_obligatoire, QFrame#Zut, QFrame#Nulrefus {"
        "  background: #fde6a8; border: 1px solid #c08a1e; border-radius: 4px; }"
        "QWidget#Bienvenue { background: #3b2a1c; }"
        "QLabel#Titre { color: #f4e3c1; font-size: 40px; font-weight: bold; }"
        "QLabel#Version { color: #d9c49c; font-size: 14px; }"
        "QPushButton#BoutonDamier2D { font-size: 18px; padding: 10px 24px; }"
        // The four tabs beside the board hold their names in every language.
        "QTabWidget#Onglet > QTabBar::tab { font-size: 11px; padding: 4px 4px; margin-right: 1px;"
        "  background: #efe6d3; border: 1px solid #b59c74; border-bottom: none;"
        "  border-top-left-radius: 4px; border-top-right-radius: 4px; }"
        "QTabWidget#Onglet > QTabBar::tab:selected { background: #fffaf0; }");
    refreshStatus();
    refreshMoveList();
}

MainWindow::~MainWindow()
{
    translations_.reset(); // back to the source texts while the window is whole
    controller_->enterLoop = nullptr;
    session_.detachView();
}

void MainWindow::quitApplication() { QCoreApplication::exit(0); }

// ------------------------------------------------------------------ commands

void MainWindow::askNewGame()
{
    if (!mayEndRatedMatch(tr("Un match classé est en cours : une nouvelle partie l'arrêtera sans "
                             "qu'il soit classé. Continuer ?")))
        return;
    session_.stopSearch();
    controller_->holdClocks(true); // choosing is no one's thinking time
    players_->loadPlayerLists();
    training_->hideProblemButtons();
    newGame_->show();
}

void MainWindow::swapSides() { controller_->swapSides(); }
void MainWindow::offerDraw() { controller_->offerDraw(); }
void MainWindow::resign()
{
    if (controller_->gameOver() || !confirm(tr("Abandonner la partie ?"))) return;
    controller_->resign();
}
void MainWindow::stopThinking() { controller_->stopThinking(); }
void MainWindow::stepBack() { controller_->stepBack(); }
void MainWindow::stepForward() { controller_->stepForward(); }
void MainWindow::goToStart() { controller_->goToStart(); }
void MainWindow::goToEnd() { controller_->goToEnd(); }
void MainWindow::flipBoard() { controller_->flipBoard(); }
void MainWindow::tickClock() { controller_->tickClock(); }
void MainWindow::resetClocks() { controller_->resetClocks(); }

void MainWindow::saveBestMoves()
{
    // The lines of the calculation list, written whole or not at all.
    const QString path = session_.bestMovesFile();
    QByteArray text;
    for (int i = 0; i < statisticsList_->count(); ++i)
        text += statisticsList_->item(i)->text().toUtf8() + '\n';
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    statusBar()->showMessage(tr("Coups écrits dans %1").arg(QDir::toNativeSeparators(path)), 5000);
}

void MainWindow::toggleClockPause()
{
    if (!controller_->currentCommandStates().clockPause) { // a rated match's clocks never stop
        actions_["Pause2"]->setChecked(controller_->clocksPaused());
        return;
    }
    if (controller_->clocksPaused()) {
        controller_->restartClocks();
        clockTimer_->start();
    } else {
        controller_->pauseClocks();
        clockTimer_->stop();
    }
    actions_["Pause2"]->setChecked(controller_->clocksPaused());
    showPlayStatus();
}

void MainWindow::setLevelEntry(const LevelSetting& level)
{
    controller_->setLevel(level);
    for (const auto& [name, action] : actions_)
        if (action->actionGroup() == levelGroup_) action->setChecked(false);
    if (const LevelMenuEntry* e = levelMenuEntry(level.index))
        actions_[QString::fromLatin1(e->objectName)]->setChecked(true);
    if (level.index == 18) actions_["N8Autre1"]->setChecked(true);
    if (customLevel_) customLevel_->setMinutes(level.minutes);
}

void MainWindow::askCustomLevel() { customLevel_->askCustomLevel(); }

} // namespace kv
