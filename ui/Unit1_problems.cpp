// The main window's problems and lessons: loading a problem and stepping to
// the next one, the comment beside it, learning the final position of an
// analysed game, loading a lesson, and the learning sessions.
#include "ui/Unit1.h"
#include "ui/Unit1_detail.h"

#include "files/game_file.h"
#include "game/data_paths.h"
#include "training/lessons.h"
#include "ui/analysis_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kv {

using namespace unit1_detail;

namespace {
const char* const kProblemFilter = QT_TRANSLATE_NOOP("TForm1", "Fichiers Korvelan (*.dam *.DAM)");
const char* const kLessonFilter = QT_TRANSLATE_NOOP("TForm1", "parameters (*.dal *.DAL)");

} // namespace

void TForm1::buildProblems()
{
    QMenu* analyse = menuBar()->findChild<QMenu*>("Analyse1");
    analyse->addSeparator();
    addAction(analyse, "Problmes1", tr("Leçons, exercices et problèmes"), &TForm1::Problmes1Click,
              QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(analyse, "Apprendreposition1", tr("Apprendre la position"), &TForm1::Apprendreposition1Click);
    addAction(analyse, "Chargerdesleons1", tr("Charger des leçons"), &TForm1::Chargerdesleons1Click);
    addAction(analyse, "Lancerunesession1", tr("Lancer une session"), &TForm1::Lancerunesession1Click);
    addAction(analyse, "Arrterlasession1", tr("Arrêter la session"), &TForm1::Arrterlasession1Click)->setEnabled(false);

    // "Revoir coup" and "Suivant ->" under the move list, once a problem is open.
    QWidget* liste = onglet_->widget(0);
    auto* row = new QHBoxLayout;
    revoirCoup_ = makeButton(liste, "Panel14", tr("Revoir coup"));
    suivantProbleme_ = makeButton(liste, "Button1", tr("Suivant ->"));
    connect(revoirCoup_, &QPushButton::clicked, this, &TForm1::Panel14Click);
    connect(suivantProbleme_, &QPushButton::clicked, this, &TForm1::Button1Click);
    row->addWidget(revoirCoup_);
    row->addWidget(suivantProbleme_);
    static_cast<QVBoxLayout*>(liste->layout())->addLayout(row);
    revoirCoup_->hide();
    suivantProbleme_->hide();

    // "Apprendre ?" after an analysis.
    auto* learn = overlay(centralWidget(), "Learn", QRect(139, 420, 240, 70));
    auto* ll = new QVBoxLayout(learn);
    ll->addWidget(makeLabel(learn, "Label_learn", tr("Apprendre ?")), 0, Qt::AlignCenter);
    addOkCancel(learn, ll, "Learn_yes", "Learn_no", &TForm1::Apprendreposition1Click, &TForm1::Learn_noClick);
    findChild<QPushButton*>("Learn_yes")->setText(tr("Oui"));
    findChild<QPushButton*>("Learn_no")->setText(tr("Non"));

    controller_->onSessionGameAnalysed = [this] { learnSessionGame(); };
}

QString TForm1::chooseFile(const QString& title, const QString& dir, bool save, bool lesson)
{
    if (fileChooser_) return fileChooser_(title, dir, save);
    const QString filter = tr(lesson ? kLessonFilter : kProblemFilter);
    return save ? QFileDialog::getSaveFileName(this, title, dir + "/lecon.dal", filter)
                : QFileDialog::getOpenFileName(this, title, dir, filter);
}

// ------------------------------------------------------------------ problems

bool TForm1::openProblem(const QString& path, bool capPlies)
{
    GameFileError error;
    auto file = ReadGameFile(path.toStdString(), error);
    if (!file) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return false;
    }
    if (capPlies) file->recordedPlies = std::min(file->recordedPlies, 250);
    // The comment beside the problem opens in the desktop's text viewer.
    const QString comment = path + "t";
    if (QFileInfo::exists(comment)) {
        if (commentViewer_) commentViewer_(comment);
        else QDesktopServices::openUrl(QUrl::fromLocalFile(comment));
    }
    controller_->loadProblem(*file);
    if (const auto level = levelByIndex(file->settings.levelIndex)) setLevelEntry(*level);
    revoirCoup_->show();
    suivantProbleme_->show();
    onglet_->setCurrentIndex(0);
    statusBar()->showMessage(QFileInfo(path).completeBaseName(), 5000);
    return true;
}

void TForm1::Problmes1Click()
{
    if (controller_->analysing() || controller_->positionSetupMode()) return;
    controller_->pause();
    const QString dir = session_.problemsFolder();
    const QString path = chooseFile(tr("Leçons, exercices et problèmes"), dir, false, false);
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    problems_.open(info.absolutePath().toStdString(), info.fileName().toStdString());
    openProblem(path, true);
}

void TForm1::Button1Click()
{
    if (problems_.dir().empty() || controller_->analysing()) return;
    const std::string next = problems_.next();
    if (next.empty()) return;
    openProblem(QString::fromStdString(next), false);
}

void TForm1::Panel14Click()
{
    const std::string current = problems_.currentPath();
    if (current.empty() || controller_->analysing()) return;
    openProblem(QString::fromStdString(current), false);
}

// ------------------------------------------------------------------ lessons

void TForm1::Learn_noClick() { findChild<QWidget*>("Learn")->hide(); }

void TForm1::Apprendreposition1Click()
{
    findChild<QWidget*>("Learn")->hide();
    const int plies = game_.recordedPlies;
    Board final;
    final.clear();
    final[0] = OffBoard;
    std::copy(game_.record[plies].squares.begin(), game_.record[plies].squares.end(), final.sq.begin() + 1);
    const auto score = controller_->hasAnalysis() ? controller_->analysis().plyScore(plies) : std::nullopt;
    if (!session_.knowledge() || !score || !mayLearn(final, plies)) {
        statusBar()->showMessage(
            tr("Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal."), 8000);
        return;
    }
    QString path = controller_->sessionActive() ? sessionLesson_ : QString();
    if (path.isEmpty()) {
        path = chooseFile(tr("Apprendre"), session_.parametersFolder(), true, true);
        if (path.isEmpty()) return;
        if (controller_->sessionActive()) sessionLesson_ = path;
    }
    LearnedPositions& table = session_.knowledge()->learnedPositions();
    learn(table, lessonEntryOf(session_.search().learnedKeys(), game_, plies, *score));
    const std::string error = table.save(path.toStdString());
    if (!error.empty()) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        sessionLesson_.clear();
    }
}

void TForm1::learnSessionGame()
{
    form4_->hide();
    Apprendreposition1Click();
}

void TForm1::Chargerdesleons1Click()
{
    if (!session_.knowledge()) return;
    const QString path = chooseFile(tr("Charger des leçons"), session_.parametersFolder(), false, true);
    if (path.isEmpty()) return;
    const std::string error = session_.knowledge()->learnedPositions().load(path.toStdString());
    if (!error.empty()) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    session_.clearTranspositionTable(); // scores from the old lessons may be stored there
}

void TForm1::Lancerunesession1Click()
{
    sessionLesson_.clear();
    controller_->Lancerunesession1Click();
    actions_["Lancerunesession1"]->setEnabled(false);
    actions_["Arrterlasession1"]->setEnabled(true);
    syncOptionChecks();
    enterLoop();
}

void TForm1::Arrterlasession1Click()
{
    controller_->Arrterlasession1Click();
    actions_["Lancerunesession1"]->setEnabled(true);
    actions_["Arrterlasession1"]->setEnabled(false);
    syncOptionChecks();
}

} // namespace kv
