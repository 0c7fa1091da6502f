// The main window's problems and lessons: loading a problem and stepping to
// the next one, the comment beside it, learning the final position of an
// analysed game, loading a lesson, and the learning sessions.
#include "ui/training_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "files/game_file.h"
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
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

namespace {
const char* const kProblemFilter
    = QT_TRANSLATE_NOOP("kv::TrainingPanel", "Fichiers Korvelan (*.dam *.DAM)");
const char* const kLessonFilter
    = QT_TRANSLATE_NOOP("kv::TrainingPanel", "parameters (*.dal *.DAL)");

} // namespace

void TrainingPanel::buildProblems()
{
    QMenu* analyse = window_.menuBar()->findChild<QMenu*>("Analyse1");
    analyse->addSeparator();
    addEntry(analyse, "Problmes1", tr("Leçons, exercices et problèmes"),
             &TrainingPanel::openProblems)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addEntry(analyse, "Apprendreposition1", tr("Apprendre la position"),
             &TrainingPanel::learnPosition);
    addEntry(analyse, "Chargerdesleons1", tr("Charger des leçons"), &TrainingPanel::loadLessons);
    startSessionAction_ = addEntry(analyse, "Lancerunesession1", tr("Lancer une session"),
                                   &TrainingPanel::startLearningSession);
    stopSessionAction_ = addEntry(analyse, "Arrterlasession1", tr("Arrêter la session"),
                                  &TrainingPanel::stopLearningSession);
    stopSessionAction_->setEnabled(false);

    // "Revoir coup" and "Suivant ->" under the move list, once a problem is open.
    QWidget* liste = tabs_->widget(0);
    auto* row = new QHBoxLayout;
    replayProblemButton_ = makeButton(liste, "Panel14", tr("Revoir coup"));
    nextProblemButton_ = makeButton(liste, "Button1", tr("Suivant ->"));
    connect(replayProblemButton_, &QPushButton::clicked, this, &TrainingPanel::replayProblem);
    connect(nextProblemButton_, &QPushButton::clicked, this, &TrainingPanel::nextProblem);
    row->addWidget(replayProblemButton_);
    row->addWidget(nextProblemButton_);
    static_cast<QVBoxLayout*>(liste->layout())->addLayout(row);
    replayProblemButton_->hide();
    nextProblemButton_->hide();

    // "Apprendre ?" after an analysis, with what learning does.
    auto* learn = overlay(window_.centralWidget(), "Learn", QRect(89, 350, 340, 160));
    auto* ll = new QVBoxLayout(learn);
    ll->addWidget(makeLabel(learn, "Label_learn", tr("Apprendre ?")), 0, Qt::AlignCenter);
    const QString why = tr("Korvelan retient la position finale de la partie et le score que "
                           "l'analyse lui donne : il en tiendra compte dans ses prochaines "
                           "recherches. La leçon est enregistrée dans un fichier.");
    auto* explanation = makeLabel(learn, "Explication_learn", why);
    explanation->setWordWrap(true);
    ll->addWidget(explanation);
    learn->setToolTip(why);
    addOkCancel(learn, ll, "Learn_yes", "Learn_no", this, &TrainingPanel::learnPosition,
                &TrainingPanel::declineLearning);
    window_.findChild<QPushButton*>("Learn_yes")->setText(tr("Oui"));
    window_.findChild<QPushButton*>("Learn_no")->setText(tr("Non"));

    session_.controller().onSessionGameAnalysed = [this] { learnSessionGame(); };
}

QString TrainingPanel::chooseFile(const QString& title, const QString& dir, bool save, bool lesson)
{
    if (const auto& chooser = window_.fileChooser()) return chooser(title, dir, save);
    const QString filter = tr(lesson ? kLessonFilter : kProblemFilter);
    return save ? QFileDialog::getSaveFileName(&window_, title, dir + "/lecon.dal", filter)
                : QFileDialog::getOpenFileName(&window_, title, dir, filter);
}

// ------------------------------------------------------------------ problems

bool TrainingPanel::openProblem(const QString& path, bool capPlies)
{
    GameFileError error;
    auto file = ReadGameFile(path.toStdString(), error);
    if (!file) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return false;
    }
    if (capPlies) file->recordedPlies = std::min(file->recordedPlies, 250);
    // The comment beside the problem opens in the desktop's text viewer.
    const QString comment = path + "t";
    if (QFileInfo::exists(comment)) {
        if (const auto& viewer = window_.commentViewer()) viewer(comment);
        else QDesktopServices::openUrl(QUrl::fromLocalFile(comment));
    }
    session_.controller().loadProblem(*file);
    if (const auto level = levelByIndex(file->settings.levelIndex)) window_.setLevelEntry(*level);
    replayProblemButton_->show();
    nextProblemButton_->show();
    tabs_->setCurrentIndex(0);
    window_.statusBar()->showMessage(QFileInfo(path).completeBaseName(), 5000);
    return true;
}

void TrainingPanel::openProblems()
{
    if (session_.controller().analysing() || session_.controller().positionSetupMode()) return;
    session_.controller().stopThinking();
    const QString dir = session_.problemsFolder();
    const QString path = chooseFile(tr("Leçons, exercices et problèmes"), dir, false, false);
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    problems_.open(info.absolutePath().toStdString(), info.fileName().toStdString());
    openProblem(path, true);
}

void TrainingPanel::nextProblem()
{
    if (problems_.dir().empty() || session_.controller().analysing()) return;
    const std::string next = problems_.next();
    if (next.empty()) return;
    openProblem(QString::fromStdString(next), false);
}

void TrainingPanel::replayProblem()
{
    const std::string current = problems_.currentPath();
    if (current.empty() || session_.controller().analysing()) return;
    openProblem(QString::fromStdString(current), false);
}

// ------------------------------------------------------------------ lessons

void TrainingPanel::declineLearning() { window_.findChild<QWidget*>("Learn")->hide(); }

void TrainingPanel::learnPosition()
{
    window_.findChild<QWidget*>("Learn")->hide();
    const int plies = session_.game().recordedPlies;
    Board final;
    final.clear();
    final[0] = OffBoard;
    std::copy(session_.game().record[plies].squares.begin(),
              session_.game().record[plies].squares.end(), final.sq.begin() + 1);
    const auto score = session_.controller().hasAnalysis()
        ? session_.controller().analysis().plyScore(plies)
        : std::nullopt;
    if (!session_.knowledge() || !score || !mayLearn(final, plies)) {
        window_.statusBar()->showMessage(tr("Rien à apprendre : il faut une partie analysée de "
                                            "plus de 20 coups, au matériel presque égal."),
                                         8000);
        return;
    }
    QString path = session_.controller().sessionActive() ? sessionLesson_ : QString();
    if (path.isEmpty()) {
        path = chooseFile(tr("Apprendre"), session_.parametersFolder(), true, true);
        if (path.isEmpty()) return;
        if (session_.controller().sessionActive()) sessionLesson_ = path;
    }
    LearnedPositions& table = session_.knowledge()->learnedPositions();
    learn(table, lessonEntryOf(session_.search().learnedKeys(), session_.game(), plies, *score));
    const std::string error = table.save(path.toStdString());
    if (!error.empty()) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        sessionLesson_.clear();
    }
}

void TrainingPanel::learnSessionGame()
{
    analysisWindow_->hide();
    learnPosition();
}

void TrainingPanel::loadLessons()
{
    if (!session_.knowledge()) return;
    const QString path
        = chooseFile(tr("Charger des leçons"), session_.parametersFolder(), false, true);
    if (path.isEmpty()) return;
    const std::string error = session_.knowledge()->learnedPositions().load(path.toStdString());
    if (!error.empty()) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    session_.clearTranspositionTable(); // scores from the old lessons may be stored there
}

void TrainingPanel::startLearningSession()
{
    sessionLesson_.clear();
    session_.controller().startLearningSession(); // refused during a rated match
    startSessionAction_->setEnabled(!session_.controller().sessionActive());
    stopSessionAction_->setEnabled(session_.controller().sessionActive());
    window_.syncOptionChecks();
    window_.enterLoop();
}

void TrainingPanel::stopLearningSession()
{
    session_.controller().stopLearningSession();
    startSessionAction_->setEnabled(true);
    stopSessionAction_->setEnabled(false);
    window_.syncOptionChecks();
}

} // namespace kv
