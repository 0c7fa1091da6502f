// Start-up and quitting: the first activation reads "last32.dam", a board
// view on the welcome panel runs Introduction and resumes the last game,
// "Quitter" writes "last32.dam" and the close box quits without writing it.
#include "ui/main_window.h"

#include "ui/board_widget.h"
#include "ui/custom_level_panel.h"
#include "ui/engine_options.h"
#include "ui/game_files.h"
#include "ui/languages.h"
#include "ui/opening_menu.h"
#include "ui/players_panel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

namespace kv {

// ------------------------------------------------------------------ activation

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    activate();
}

void MainWindow::activate()
{
    if (activated_) return;
    activated_ = true;
    // A first start has no state file: that is no error. A file that is
    // there and cannot be used is reported, and the game starts afresh.
    GameFileError why;
    bool present = false;
    lastState_ = session_.readStateFile(why, present);
    if (present && !lastState_) {
        // Kept aside, so that quitting never writes over it.
        QString text = gameFiles_->errorText(why);
        if (const auto aside = session_.keepStateFileAside())
            text += "\n"
                + tr("Le fichier a été mis de côté sous le nom %1.")
                      .arg(QString::fromStdString(*aside));
        showError(text);
    }
    // The language of the last run, French on a first start: applying it
    // also gives the themes their names.
    applyLanguage(lastState_ ? int(lastState_->settings.language) : int(French));
}

// ------------------------------------------------------------------ board views

void MainWindow::startWithFlatBoard()
{
    loadGameData();
    if (welcome_) {
        welcome_->hide();
        welcome_->deleteLater();
        welcome_ = nullptr;
    }
    menuBar()->setEnabled(true);
    // Every board view resumes the last game, the flat board included, so
    // that "Quitter" never overwrites a game the user was not given back.
    resumeLastGame();
    enterLoop();
}

void MainWindow::enterLoop()
{
    if (controller_->loopRunning() || externalLoop_) return;
    QTimer::singleShot(0, this, [this] {
        if (!controller_->loopRunning()) controller_->runPlayLoop();
    });
}

void MainWindow::resumeLastGame()
{
    if (!lastState_) return;
    const GameFile file = *std::exchange(lastState_, std::nullopt);
    gameFiles_->showLoadedGame(file, true);
}

// ------------------------------------------------------------------ Introduction

const std::vector<MainWindow::IntroStep>& MainWindow::introSteps()
{
    static const std::vector<IntroStep> steps {
        { "titles", &MainWindow::introTitles },
        // The 3D theme pictures are probed here once the themes exist.
        { "transposition table and hash keys", &MainWindow::introHashTables },
        { "opening libraries", &MainWindow::introOpeningLibraries },
        { "learned positions", &MainWindow::introLearnedPositions },
        { "evaluation parameters", &MainWindow::introParameters },
        { "board images", &MainWindow::introImages },
        { "initial position and clocks", &MainWindow::introInitialPosition },
        { "player names", &MainWindow::introPlayerNames },
        { "player registry", &MainWindow::introPlayerRegistry },
        { "endgame tables and editors", &MainWindow::introEndgameTables },
    };
    return steps;
}

void MainWindow::loadGameData()
{
    if (introduced_) return;
    introduced_ = true;
    QDir::setCurrent(session_.programDir());
    for (const IntroStep& step : introSteps()) (this->*step.run)();
    refreshStatus();
}

void MainWindow::introTitles()
{
    if (auto* version = findChild<QLabel*>("Version")) version->setText(tr("Version 7.00"));
}

void MainWindow::introHashTables()
{
    if (const QString& keyError = session_.hashKeyError(); !keyError.isEmpty()) {
        qWarning("%s", qPrintable(keyError));
        statusBar()->showMessage(keyError, 10000);
    }
    // The table is allocated with its default size; its ply offset follows
    // the checked size entry.
    engineOptions_->setTableSize(session_.tableSizeFactor(), false);
}

void MainWindow::introOpeningLibraries() { openings_->loadOpeningLibraries(); }

void MainWindow::introLearnedPositions()
{
    session_.loadEndgameKnowledge([this](const std::string& m) {
        qWarning("%s", m.c_str());
        statusBar()->showMessage(QString::fromStdString(m), 10000);
    });
}

void MainWindow::introParameters()
{
    // Without a readable file the built-in defaults stay in force.
    if (!session_.loadDefaultParameters()) showError(tr("Impossible d'ouvrir ce fichier"));
}

void MainWindow::introImages()
{
    missingImages_ = board_->loadImages(session_.boardImagesFolder());
    if (!missingImages_.isEmpty()) {
        qWarning("Images1i: %s missing, the board is drawn plainly",
                 qPrintable(missingImages_.join(", ")));
        statusBar()->showMessage(tr("Images manquantes : %1").arg(missingImages_.join(", ")),
                                 10000);
    }
}

void MainWindow::introInitialPosition() { controller_->resetGame(); }

void MainWindow::introPlayerNames()
{
    game_.enginePlaysBlack = 1;
    game_.whiteName = kUnknownPlayer;
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);
}

void MainWindow::introPlayerRegistry()
{
    players_->loadPlayerLists(); // a damaged registry is mended and reported now, not in the middle
                                 // of a command
}

void MainWindow::introEndgameTables()
{
    session_.clearTranspositionTable();
    // The parameter editor lays out its boxes when it is built.
}

// ------------------------------------------------------------------ quitting

StoredSettings MainWindow::currentSettings() const
{
    StoredSettings s;
    const LevelSetting& level = controller_->level();
    bool ok = false;
    const int minutes = customLevel_->typedMinutes().trimmed().toInt(&ok);
    s.customMinutes = ok && minutes > 0 && minutes <= 50000 ? minutes : level.minutes;
    s.sizeFactor = static_cast<std::int16_t>(session_.tableSizeFactor());
    s.language = static_cast<std::uint8_t>(languageIndex());
    s.levelIndex = level.index;
    s.levelTime = level.levelTime;
    s.levelCap = level.levelCap;
    return s;
}

void MainWindow::quitAndKeepGame()
{
    if (!mayEndRatedMatch(tr("Un match classé est en cours : si vous quittez maintenant, il "
                             "s'arrête sans être classé. Quitter quand même ?")))
        return;
    keepGameAndQuit();
}

bool MainWindow::mayEndRatedMatch(const QString& question)
{
    return !controller_->ratedMatchRunning() || confirm(question);
}

void MainWindow::keepGameAndQuit()
{
    session_.stopSearch();
    // Before a board view was chosen the game on the board is not the user's:
    // the state file keeps the last game.
    if (introduced_) {
        GameFileError why;
        if (!session_.writeStateFile(currentSettings(), why)) {
            showError(gameFiles_->errorText(why));
            // The program ends next: the user reads why the game was not kept first.
            if (auto* box = findChild<QMessageBox*>("Erreur"); box && !errorSink_) box->exec();
        }
    }
    controller_->quitAndKeepGame();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    // The close box is "Quitter": the game is kept for the next start.
    if (!controller_->quitRequested()) {
        if (!mayEndRatedMatch(tr("Un match classé est en cours : si vous fermez la fenêtre, il "
                                 "s'arrête sans être classé. Fermer quand même ?"))) {
            e->ignore();
            return;
        }
        keepGameAndQuit();
    }
    e->accept();
}

bool MainWindow::confirm(const QString& question)
{
    if (confirmer_) return confirmer_(question);
    return QMessageBox::question(this, tr("Korvelan"), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

void MainWindow::showError(const QString& text)
{
    if (errorSink_) {
        errorSink_(text);
        return;
    }
    // Modal to the window, without an event loop of its own: the command
    // that failed has ended as if cancelled, and the game goes on behind it.
    auto* box = new QMessageBox(QMessageBox::Critical, tr("Erreur"), text, QMessageBox::Ok, this);
    box->setObjectName("Erreur");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace kv
