// The main window's problems and lessons: loading a problem and stepping to
// the next one, its statement above the move list and whether the user's
// answer solved it, learning the final position of an analysed game, loading
// a lesson, and the learning sessions.
#include "ui/training_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "files/game_file.h"
#include "training/lessons.h"
#include "ui/analysis_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

using namespace window_parts;

namespace {
const char* const kProblemFilter
    = QT_TRANSLATE_NOOP("kv::TrainingPanel", "Fichiers Korvelan (*.dam *.DAM)");
const char* const kLessonFilter = QT_TRANSLATE_NOOP("kv::TrainingPanel", "Leçons (*.dal *.DAL)");

// A statement or a problem list is a page of text: more is not read.
constexpr qint64 kLargestProblemText = 256 * 1024;

QString readProblemText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kLargestProblemText) return {};
    return QString::fromUtf8(f.readAll());
}

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
    // The problem's statement and, once the user has answered, the verdict.
    problemPanel_ = new QFrame(liste);
    problemPanel_->setObjectName("Probleme_ouvert");
    problemPanel_->setFrameShape(QFrame::StyledPanel);
    auto* pv = new QVBoxLayout(problemPanel_);
    pv->setContentsMargins(4, 2, 4, 2);
    problemStatement_ = makeLabel(problemPanel_, "Enonce_probleme", QString());
    problemStatement_->setWordWrap(true);
    problemVerdict_ = makeLabel(problemPanel_, "Verdict_probleme", QString());
    problemVerdict_->setWordWrap(true);
    problemVerdict_->setStyleSheet("font-weight: bold; font-size: 10px;");
    pv->addWidget(problemStatement_);
    pv->addWidget(problemVerdict_);
    // The move list above gives way: the statement is read whole.
    problemPanel_->setStyleSheet("QLabel { font-size: 10px; }");
    problemPanel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    if (auto* moves = liste->findChild<QWidget*>("ListBox1")) moves->setMinimumHeight(36);
    static_cast<QVBoxLayout*>(liste->layout())->addWidget(problemPanel_);
    static_cast<QVBoxLayout*>(liste->layout())->addLayout(row);
    problemPanel_->hide();
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
    session_.controller().loadProblem(*file);
    showProblemStatement(path);
    if (const auto level = levelByIndex(file->settings.levelIndex)) window_.setLevelEntry(*level);
    replayProblemButton_->show();
    nextProblemButton_->show();
    tabs_->setCurrentIndex(0);
    window_.statusBar()->showMessage(QFileInfo(path).completeBaseName(), 5000);
    return true;
}

void TrainingPanel::showProblemStatement(const QString& path)
{
    // A shipped problem is found by name in the folder's list, which holds
    // its solution; any other problem shows the comment saved beside it.
    const QFileInfo info(path);
    problem_.reset();
    verdictShown_.reset();
    std::string error;
    for (ProblemEntry& p : parseProblemSource(
             readProblemText(info.dir().filePath("problemes.txt")).toStdString(), error))
        if (p.name == info.completeBaseName().toStdString()) problem_ = std::move(p);
    // Its lines one under the other, without the blank ones: the room is small.
    QString statement
        = readProblemText(path + "t").split('\n', Qt::SkipEmptyParts).join('\n').trimmed();
    if (statement.isEmpty() && problem_) {
        QStringList lines;
        for (const std::string& l : problem_->comment) lines << QString::fromStdString(l);
        statement = lines.join("\n").replace("\n\n", "\n");
    }
    problemStatement_->setText(statement);
    problemVerdict_->clear();
    problemPanel_->setVisible(!statement.isEmpty() || problem_);
    judgeProblemAnswer();
}

void TrainingPanel::judgeProblemAnswer()
{
    if (!problem_ || problemPanel_->isHidden()) return;
    // Judged again only when the game changed: a move, a take-back, its end.
    const GameState& g = session_.game();
    std::array<std::uint8_t, 34> at {};
    std::copy(g.record[g.gamePly].squares.begin(), g.record[g.gamePly].squares.end(), at.begin());
    at[32] = g.gamePly;
    at[33] = session_.controller().gameOver() ? 1 : 0;
    if (verdictShown_ && at == judgedAt_) return;
    judgedAt_ = at;
    // A game that no longer starts from the problem (a position set up in the
    // editor, pasted or loaded) is no answer to it: the problem closes.
    if (g.startSide != problem_->position.side
        || !std::equal(g.record[0].squares.begin(), g.record[0].squares.end(),
                       problem_->position.board.sq.begin() + 1)) {
        hideProblemButtons();
        return;
    }
    const ProblemVerdict verdict = judgeProblem(*problem_, g, session_.controller().gameOver());
    if (verdictShown_ == verdict) return;
    verdictShown_ = verdict;
    QStringList line;
    for (const std::string& m : problem_->solution) line << QString::fromStdString(m);
    switch (verdict) {
    case ProblemVerdict::Waiting:
        problemVerdict_->setText(tr("À vous de jouer : trouvez le premier coup."));
        break;
    case ProblemVerdict::KeyPlayed:
        problemVerdict_->setText(tr("Bon premier coup ! Continuez jusqu'au but."));
        break;
    case ProblemVerdict::Solved:
        problemVerdict_->setText(tr("Problème résolu ! Solution : %1").arg(line.join(' ')));
        break;
    case ProblemVerdict::Missed:
        problemVerdict_->setText(
            tr("Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)")
                .arg(line.join(' ')));
        break;
    }
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
