// The main window: construction, start-up and quitting, and the commands of
// its menus and buttons. Its layout is built in main_window_layout.cpp; what the
// controller and the engine show goes through main_window_view.cpp.
#include "ui/main_window.h"
#include "ui/level_menu.h"
#include "ui/window_parts.h"

#include "ui/board_views.h"
#include "ui/board_widget.h"
#include "ui/custom_level_panel.h"
#include "ui/draw_offer_panel.h"
#include "ui/engine_options.h"
#include "ui/game_end_panel.h"
#include "ui/game_exchange.h"
#include "ui/game_files.h"
#include "ui/help_menu.h"
#include "ui/new_game_panel.h"
#include "ui/opening_menu.h"
#include "ui/play_status.h"
#include "ui/players_panel.h"
#include "ui/sound_player.h"
#include "ui/training_panel.h"
#include "ui/translations.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QSaveFile>
#include <QStatusBar>
#include <QTimer>

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
    gameFiles_ = std::make_unique<GameFiles>(*this, session_);
    buildMenus();
    buildPanels();
    players_ = std::make_unique<PlayersPanel>(*this, session_);
    playStatus_ = std::make_unique<PlayStatusLine>(central, *controller_);
    training_ = std::make_unique<TrainingPanel>(*this, session_);
    buildWelcome();
    views_->build();
    helpMenu_ = std::make_unique<HelpMenu>(*this, session_); // the last menu of the bar
    buildLanguages();
    engineOptions_->buildParameterEditor();
    setStyleSheet(kMainWindowStyle);
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

QString MainWindow::chooseFile(const FileRequest& request)
{
    if (fileChooser_) return fileChooser_(request.title, request.folder, request.save);
    QFileDialog dialog(this, request.title, request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void MainWindow::openGameFile(const QString& path) { gameFiles_->openGameFile(path); }

void MainWindow::openExchangeFile(const QString& path) { exchange_->openExchangeFile(path); }

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
