// Start-up and quitting: the first activation reads "last32.dam", a board
// view on the welcome panel runs Introduction and resumes the last game,
// "Quitter" writes "last32.dam" and the close box quits without writing it.
#include "ui/Unit1.h"

#include "ui/Unit5.h"
#include "ui/languages.h"
#include "ui/board_widget.h"

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

void TForm1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    FormActivate();
}

void TForm1::FormActivate()
{
    if (activated_) return;
    activated_ = true;
    // A first start has no state file: that is no error. A file that is
    // there and cannot be used is reported, and the game starts afresh.
    GameFileError why;
    bool present = false;
    lastState_ = session_.readStateFile(why, present);
    if (present && !lastState_) ShowError(gameFileErrorText(why));
    // The language of the last run, French on a first start: applying it
    // also gives the themes their names.
    applyLanguage(lastState_ ? int(lastState_->settings.language) : int(French));
}

// ------------------------------------------------------------------ board views

void TForm1::Damier2DClick()
{
    Introduction();
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

void TForm1::enterLoop()
{
    if (controller_->loopRunning() || externalLoop_) return;
    QTimer::singleShot(0, this, [this] {
        if (!controller_->loopRunning()) controller_->PlayLoop();
    });
}

void TForm1::resumeLastGame()
{
    if (!lastState_) return;
    const GameFile file = *std::exchange(lastState_, std::nullopt);
    showLoadedGame(file, true);
}

// ------------------------------------------------------------------ Introduction

const std::vector<TForm1::IntroStep>& TForm1::introSteps()
{
    static const std::vector<IntroStep> steps {
        { "titles", &TForm1::introTitles },
        // The 3D theme pictures are probed here once the themes exist.
        { "transposition table and hash keys", &TForm1::introHashTables },
        { "opening libraries", &TForm1::introOpeningLibraries },
        { "learned positions", &TForm1::introLearnedPositions },
        { "evaluation parameters", &TForm1::introParameters },
        { "board images", &TForm1::introImages },
        { "initial position and clocks", &TForm1::introInitialPosition },
        { "player names", &TForm1::introPlayerNames },
        { "player registry", &TForm1::introPlayerRegistry },
        { "endgame tables and editors", &TForm1::introEndgameTables },
    };
    return steps;
}

void TForm1::Introduction()
{
    if (introduced_) return;
    introduced_ = true;
    QDir::setCurrent(session_.programDir());
    for (const IntroStep& step : introSteps()) (this->*step.run)();
    refreshStatus();
}

void TForm1::introTitles()
{
    if (auto* version = findChild<QLabel*>("Version")) version->setText(tr("Version 7.00"));
}

void TForm1::introHashTables()
{
    if (const QString& keyError = session_.hashKeyError(); !keyError.isEmpty()) {
        qWarning("%s", qPrintable(keyError));
        statusBar()->showMessage(keyError, 10000);
    }
    // The table is allocated with its default size; its ply offset follows
    // the checked size entry.
    setTableSize(session_.tableSizeFactor(), false);
}

void TForm1::introOpeningLibraries() { loadOpeningLibraries(); }

void TForm1::introLearnedPositions()
{
    session_.loadEndgameKnowledge([this](const std::string& m) {
        qWarning("%s", m.c_str());
        statusBar()->showMessage(QString::fromStdString(m), 10000);
    });
}

void TForm1::introParameters()
{
    // Without a readable file the built-in defaults stay in force.
    if (!session_.loadDefaultParameters()) ShowError(tr("Impossible d'ouvrir ce fichier"));
}

void TForm1::introImages()
{
    missingImages_ = board_->loadImages(session_.boardImagesFolder());
    if (!missingImages_.isEmpty()) {
        qWarning("Images1i: %s missing, the board is drawn plainly", qPrintable(missingImages_.join(", ")));
        statusBar()->showMessage(tr("Images manquantes : %1").arg(missingImages_.join(", ")), 10000);
    }
}

void TForm1::introInitialPosition() { controller_->remplir(); }

void TForm1::introPlayerNames()
{
    game_.enginePlaysBlack = 1;
    game_.whiteName = tr("Inconnu").toStdString();
    game_.blackName = "Korvelan";
    game_.storeRecordEntry(0);
}

void TForm1::introPlayerRegistry()
{
    loadPlayerLists(); // a damaged registry is mended and reported now, not in the middle of a command
}

void TForm1::introEndgameTables()
{
    session_.clearTranspositionTable();
    // The parameter editor lays out its boxes when it is built.
}

// ------------------------------------------------------------------ quitting

StoredSettings TForm1::currentSettings() const
{
    StoredSettings s;
    const LevelSetting& level = controller_->level();
    bool ok = false;
    const int minutes = nbminutes_->text().trimmed().toInt(&ok);
    s.customMinutes = ok && minutes > 0 && minutes <= 50000 ? minutes : level.minutes;
    s.sizeFactor = static_cast<std::int16_t>(session_.tableSizeFactor());
    s.language = static_cast<std::uint8_t>(languageIndex());
    s.levelIndex = level.index;
    s.levelTime = level.levelTime;
    s.levelCap = level.levelCap;
    return s;
}

void TForm1::quitter()
{
    session_.stopSearch();
    // Before a board view was chosen the game on the board is not the user's:
    // the state file keeps the last game.
    if (introduced_) {
        GameFileError why;
        if (!session_.writeStateFile(currentSettings(), why)) {
            ShowError(gameFileErrorText(why));
            // The program ends next: the user reads why the game was not kept first.
            if (auto* box = findChild<QMessageBox*>("Erreur"); box && !errorSink_) box->exec();
        }
    }
    controller_->quitter();
}

void TForm1::exiter()
{
    controller_->exiter();
    // During a match the window still closes, without a state file.
    if (!controller_->quitRequested()) controller_->quitter();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    exiter();
    e->accept();
}

void TForm1::ShowError(const QString& text)
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
