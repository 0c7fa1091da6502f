// The analysis window, the analysis list and the position editor, driven
// offscreen through their objectNames.
#include "window_fixture.h"

#include "eval/evaluate.h"
#include "rules/geometry.h"
#include "tests/training/play_helpers.h"
#include "training/lessons.h"
#include "training/problem_source.h"
#include "ui/analysis_window.h"
#include "ui/board_widget.h"
#include "ui/evaluation_graph.h"
#include "ui/game_printing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class Training : public ::testing::Test, protected testing_window::WindowDriver {
protected:
    void SetUp() override
    {
        form = std::make_unique<TestWindow>(KV_PROGRAM_DIR);
        form->setExternalLoop(true);
        form->show();
        button("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
        if (action("Rflexionsurtempsadverse1")->isChecked())
            action("Rflexionsurtempsadverse1")->trigger();
        action("Niveau01")->trigger(); // shallow searches
    }

    QTabWidget* onglet() { return form->findChild<QTabWidget*>("Onglet"); }
    QListWidget* list(const char* name) { return form->findChild<QListWidget*>(name); }
    void grab(QWidget* w, const char* name)
    {
        const QString dir = qEnvironmentVariable("KV_GRAB_DIR");
        if (!dir.isEmpty()) w->grab().save(dir + "/korvelan_" + name + ".png");
    }
};

TEST_F(Training, AnalysisMarksTheBlunderAndShowsItsPositionFromTheListAndTheGraph)
{
    // Two people played; white's fifth ply gave two men away.
    action("Nouveau2")->trigger();
    form->findChild<QLineEdit*>("Joueur2")->setText("Anne");
    form->findChild<QLineEdit*>("Joueur3")->setText("Bruno");
    button("BitBtn17")->click();
    test::playAll(g(), { "10-14", "24-20", "5-10", "28-24", "14-19", "23x5" });
    c().picture().showBoard(g().displayed);

    action("Dbuteruneanalyse1")->trigger();
    EXPECT_TRUE(c().analysing());
    EXPECT_FALSE(action("Dbuteruneanalyse1")->isEnabled());
    EXPECT_TRUE(action("Terminerlanalyse1")->isEnabled());
    AnalysisWindow* w = form->analysisWindow();
    EXPECT_TRUE(w->isVisible());
    c().playLoopPass();
    EXPECT_TRUE(w->findChild<QProgressBar*>("Progression")->isVisible());
    EXPECT_EQ(w->findChild<QProgressBar*>("Progression")->value(), 1);
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));
    grab(w, "analysis_window");
    grab(form.get(), "analysis_list");

    QListWidget* lines = list("ListBox6");
    ASSERT_EQ(lines->count(), 6);
    EXPECT_TRUE(lines->item(4)->text().startsWith("* 3 Blancs: 14-19;"))
        << lines->item(4)->text().toStdString();
    EXPECT_FALSE(lines->item(2)->text().startsWith("*"));
    // Black's move in black's words, with or without the mark before it.
    QString blackLine = lines->item(1)->text();
    if (blackLine.startsWith('*')) blackLine.remove(0, 1);
    EXPECT_TRUE(blackLine.startsWith(" 1 Noirs : 24-20;")) << blackLine.toStdString();
    EXPECT_EQ(w->lines().size(), 8);
    EXPECT_TRUE(w->lines()[4].contains("->("));
    EXPECT_TRUE(w->graph()->points().at(5).marked);
    EXPECT_FALSE(w->findChild<QProgressBar*>("Progression")->isVisible());
    EXPECT_TRUE(action("Dbuteruneanalyse1")->isEnabled());

    // Every line of the window goes to the text file.
    QTemporaryDir dir;
    const QString path = dir.filePath("analyse.txt");
    ASSERT_TRUE(w->saveLines(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts), w->lines());

    // A click on the graph shows that position; one on the list too, and closes the window.
    EvaluationGraph* graph = w->graph();
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->xOf(3), graph->height() / 2));
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 3);
    EXPECT_EQ(g().side, Black);
    lines->setCurrentRow(4);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(4)).center());
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 4);
    EXPECT_EQ(g().side, White);
    EXPECT_FALSE(w->isVisible());
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(c().picture().content[s], g().record[4].squares[s - 1]);
}

// The analysis window's own lines show their positions too; its legend does nothing.
TEST_F(Training, AClickOnALineOfTheAnalysisWindowShowsItsPosition)
{
    action("Nouveau2")->trigger();
    button("BitBtn17")->click();
    test::playAll(g(), { "10-14", "24-20", "6-10", "28-24" });
    c().picture().showBoard(g().displayed);
    action("Dbuteruneanalyse1")->trigger();
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));
    AnalysisWindow* w = form->analysisWindow();
    auto* lines = w->findChild<QListWidget*>("ListBox3");
    ASSERT_EQ(lines->count(), 6);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(2)).center());
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 2);
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(c().picture().content[s], g().record[2].squares[s - 1]);
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(5)).center());
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 2);

    // Its printout: the game's facts, the game's last position (not the one
    // on show), the analysis lines one to a line; drawn into a PDF.
    const PrintSheet sheet = w->analysisSheet(QDate(2026, 12, 7));
    EXPECT_EQ(sheet.facts,
              QStringList({ "Résultat : partie en cours", "Date : lundi 7 décembre 2026",
                            "Niveau : 1 : Débutant" }));
    EXPECT_EQ(sheet.position, g().positionAt(4));
    EXPECT_EQ(sheet.positionTitle, "Position finale");
    ASSERT_EQ(static_cast<int>(sheet.lines.size()), w->lines().size());
    EXPECT_EQ(QString::fromStdString(sheet.lines[2]), w->lines()[2]);
    EXPECT_EQ(sheet.lineStep, 1);
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("analyse.pdf"));
    ASSERT_TRUE(printSheet(pdf, sheet));
    const QString grabs = qEnvironmentVariable("KV_GRAB_DIR");
    if (!grabs.isEmpty()) QFile::copy(dir.filePath("analyse.pdf"), grabs + "/korvelan_analyse.pdf");
}

TEST_F(Training, EndingTheAnalysisEarlyKeepsTheLinesMadeSoFar)
{
    test::playAll(g(), { "10-14", "24-20", "12-16", "28-24" });
    action("Dbuteruneanalyse1")->trigger();
    c().playLoopPass();
    c().playLoopPass();
    button("BitBtn4")->click(); // "Fin analyse"
    c().playLoopPass();
    EXPECT_FALSE(c().analysing());
    EXPECT_FALSE(form->analysisWindow()->isVisible());
    EXPECT_EQ(list("ListBox6")->count(), 1);
    EXPECT_FALSE(c().search().state.analysisMode);
}

TEST_F(Training, KingAgainstManSetUpIsPlayedFromAFreshRecord)
{
    test::playAll(g(), { "10-14", "24-20" });
    action("Installeruneposition1")->trigger();
    EXPECT_EQ(onglet()->currentWidget()->objectName(), "Probleme0");
    EXPECT_TRUE(c().positionSetupMode());
    EXPECT_FALSE(c().search().settings.bookEnabled);
    grab(form.get(), "setup_page");
    button("Vider")->click();
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(g().board[s], Empty);
    button("SpeedButton11")->click();
    clickUser(1);
    button("SpeedButton12")->click();
    clickUser(14);
    EXPECT_TRUE(text("Evalstatblancs").startsWith("Eval stat blancs:"));
    grab(form.get(), "setup_king_man");

    // A lone white man on its crowning row is refused, with the reason.
    button("SpeedButton10")->click();
    clickUser(30);
    button("Jouer_position")->click();
    EXPECT_TRUE(c().positionSetupMode());
    EXPECT_EQ(onglet()->currentWidget()->objectName(), "Probleme0");
    EXPECT_FALSE(text("Refus_position").isEmpty());
    button("SpeedButton14")->click();
    clickUser(30);

    button("Jouer_position")->click();
    EXPECT_FALSE(c().positionSetupMode());
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(g().recordedPlies, 0);
    EXPECT_EQ(g().side, White);
    EXPECT_EQ(g().startSide, White);
    EXPECT_EQ(g().board[internalSquare(1)], WhiteKing);
    EXPECT_EQ(g().board[internalSquare(14)], BlackMan);
    // Nothing of the earlier game can be stepped to.
    action("Avancercoups1")->trigger();
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 0);

    // The user's king moves and the computer answers with black.
    const int n = g().generateLegal();
    ASSERT_GT(n, 0);
    const MoveRecord m = g().gen.list(1)[0];
    clickUser(userNumber(m.from));
    if (g().gamePly == 0) clickUser(userNumber(m.to));
    ASSERT_TRUE(runUntil([&] { return g().gamePly >= 2 || c().gameOver(); }));
    EXPECT_EQ(g().record[2].from != 0 || c().gameOver(), true);
}

TEST_F(Training, TheEditorsEvaluationUsesTheSquareTablesBeforeAnySearch)
{
    // White men far advanced, black men at home: only the men table tells
    // the two apart, and no search has yet prepared it.
    action("Installeruneposition1")->trigger();
    button("Vider")->click();
    button("SpeedButton10")->click();
    for (int s : { 17, 18, 19, 20 }) clickUser(s);
    button("SpeedButton12")->click();
    for (int s : { 29, 30, 31, 32 }) clickUser(s);
    Board b = g().board;
    b[0] = OffBoard;
    Evaluator searched(form->parameters()), unprepared(form->parameters());
    searched.preparePhase(b, PieceCounts::of(b)); // what a search does first
    const int expected = searched.staticEvaluation(b, White) / 2;
    ASSERT_NE(expected, unprepared.staticEvaluation(b, White) / 2);
    EXPECT_EQ(text("Evalstatblancs"), QString("Eval stat blancs:%1").arg(expected, 4));
}

TEST_F(Training, TheComputerMovesFirstFromASetUpPositionWhenAsked)
{
    onglet()->setCurrentWidget(form->findChild<QWidget*>("Probleme0"));
    ASSERT_TRUE(c().positionSetupMode());
    button("Vider")->click();
    button("SpeedButton11")->click();
    clickUser(5);
    button("SpeedButton13")->click();
    clickUser(27);
    button("Couleur_joue")->click(); // "Ordinateur joue", the computer black
    EXPECT_EQ(button("Couleur_joue")->text(), "Ordinateur joue");
    onglet()->setCurrentIndex(0);
    EXPECT_FALSE(c().positionSetupMode());
    EXPECT_EQ(g().side, Black);
    ASSERT_TRUE(runUntil([&] { return g().gamePly >= 1; }));
    EXPECT_EQ(g().startSide, Black);
    EXPECT_TRUE(isBlack(g().board[g().record[1].to]));
}

TEST_F(Training, SuivantEndsEachSearchOfAnUnlimitedAnalysisFromTheWindow)
{
    test::playAll(g(), { "10-14", "24-20", "12-16" });
    LevelSetting unlimited = c().level();
    unlimited.levelTime = 32000; // no time limit: only "Suivant" ends a position
    c().setLevel(unlimited);
    action("Dbuteruneanalyse1")->trigger();
    // The window's events run inside the search: a click there ends that search.
    QTimer suivant;
    QObject::connect(&suivant, &QTimer::timeout, [&] { button("BitBtn1")->click(); });
    suivant.start(30);
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }, 50));
    suivant.stop();
    EXPECT_EQ(list("ListBox6")->count(), 3);
    EXPECT_EQ(c().analysis().lastAnalysedPly(), 0);
}

TEST_F(Training, ProblemsLoadStepWithAWrapAndReplay)
{
    const QString dir = QString(KV_PROGRAM_DIR) + "/Problemes";
    const QStringList names = QDir(dir).entryList({ "*.dam" }, QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 30);
    // The statement shows in the window, never in an outside viewer.
    QStringList comments;
    form->setCommentViewer([&](const QString& path) { comments << path; });
    const auto statementOf = [&](const QString& name) {
        QFile f(dir + "/" + name + "t");
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts).join('\n').trimmed();
    };
    form->setFileChooser([&](const QString&, const QString& from, bool save) {
        EXPECT_FALSE(save);
        EXPECT_EQ(from, dir);
        return dir + "/" + names.last();
    });
    action("Problmes1")->trigger();
    c().playLoopPass();
    EXPECT_TRUE(comments.isEmpty());
    EXPECT_TRUE(widget("Enonce_probleme")->isVisible());
    EXPECT_EQ(text("Enonce_probleme"), statementOf(names.last()));
    EXPECT_TRUE(button("Button1")->isVisible());
    EXPECT_TRUE(button("Panel14")->isVisible());
    EXPECT_EQ(g().gamePly, 0);
    const Board last = g().board;

    // "Suivant ->" on the last problem wraps to the first, never to a comment.
    button("Button1")->click();
    c().playLoopPass();
    EXPECT_EQ(text("Enonce_probleme"), statementOf(names.first()));
    EXPECT_NE(g().board, last);
    const Board first = g().board;
    const SideToMove side = g().side;

    // A move played, then "Revoir coup": the problem again from its file.
    const int n = g().generateLegal();
    ASSERT_GT(n, 0);
    g().playMove(g().gen.list(1)[0], g().gen.captureCount());
    button("Panel14")->click();
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(g().recordedPlies, 0);
    EXPECT_EQ(g().board, first);
    EXPECT_EQ(g().side, side);
    EXPECT_EQ(c().computerSide(), side == White ? Black : White);
}

TEST_F(Training, AProblemSaysWhetherTheAnswerSolvedItAndTheEditorTabIsNamedSo)
{
    const QString dir = QString(KV_PROGRAM_DIR) + "/Problemes";
    QFile list(dir + "/problemes.txt");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    std::string error;
    const auto problems = parseProblemSource(list.readAll().toStdString(), error);
    ASSERT_FALSE(problems.empty()) << error;
    // A gain problem: its solution line reaches the goal.
    const auto gain = std::find_if(problems.begin(), problems.end(),
                                   [](const ProblemEntry& p) { return !p.forcedWin; });
    ASSERT_NE(gain, problems.end());
    const ProblemEntry& p = *gain;
    form->setFileChooser([&](const QString&, const QString&, bool) {
        return dir + "/" + QString::fromStdString(p.name) + ".dam";
    });
    action("Problmes1")->trigger();
    c().playLoopPass();
    EXPECT_TRUE(text("Enonce_probleme").startsWith("Problème"));
    EXPECT_EQ(text("Verdict_probleme"), "À vous de jouer : trouvez le premier coup.");
    const QString solution = QString::fromStdString(p.solution[0]);

    // Any other first move misses, and the solution is shown.
    const MoveRecord key = *parseMove(g().board, g().side, p.solution[0]);
    const int n = g().generateLegal();
    const auto other = std::find_if(g().gen.list(1).begin(), g().gen.list(1).begin() + n,
                                    [&](const MoveRecord& m) { return !(m == key); });
    g().playMove(*other, g().gen.captureCount());
    c().playLoopPass();
    EXPECT_TRUE(text("Verdict_probleme").startsWith("Problème manqué. Solution : " + solution));
    grab(form.get(), "problem_missed");

    // Again from the start: the solution's moves, the computer defending.
    button("Panel14")->click();
    c().playLoopPass();
    EXPECT_EQ(text("Verdict_probleme"), "À vous de jouer : trouvez le premier coup.");
    for (std::size_t i = 0; i < p.solution.size(); i += 2) {
        const auto m = parseMove(g().board, g().side, p.solution[i]);
        if (!m) break; // the computer defended otherwise: the goal is judged all the same
        g().generateLegal();
        g().playMove(*m, g().gen.captureCount());
        const int ply = g().gamePly;
        runUntil([&] { return g().gamePly > ply || c().gameOver(); });
        if (i == 0) {
            EXPECT_NE(text("Verdict_probleme"), "À vous de jouer : trouvez le premier coup.");
        }
    }
    grab(form.get(), "problem_answered");
    EXPECT_TRUE(text("Verdict_probleme").startsWith("Bon premier coup")
                || text("Verdict_probleme").startsWith("Problème résolu"));

    // The tab that sets up positions is named for what it does, and opening
    // it and leaving it unchanged keeps the problem's sides.
    button("Panel14")->click();
    c().playLoopPass();
    const int editorTab = onglet()->indexOf(widget("Probleme0"));
    EXPECT_EQ(onglet()->tabText(editorTab), "Éditeur");
    const SideToMove side = g().side;
    const int computerBlack = g().enginePlaysBlack;
    onglet()->setCurrentIndex(editorTab);
    ASSERT_TRUE(c().positionSetupMode());
    EXPECT_EQ(button("Change_couleur")->text(),
              computerBlack ? "Ordinateur noir" : "Ordinateur blanc");
    EXPECT_EQ(button("Couleur_joue")->text(), "Joueur joue");
    onglet()->setCurrentIndex(0);
    EXPECT_FALSE(c().positionSetupMode());
    EXPECT_EQ(g().side, side);
    EXPECT_EQ(g().enginePlaysBlack, computerBlack);
    c().playLoopPass();
    EXPECT_TRUE(widget("Enonce_probleme")->isVisible());

    // Another position set up in the editor is no longer the problem.
    onglet()->setCurrentIndex(editorTab);
    button("Remplir")->click();
    onglet()->setCurrentIndex(0);
    c().playLoopPass();
    EXPECT_FALSE(widget("Enonce_probleme")->isVisible());
    EXPECT_FALSE(button("Panel14")->isVisible());
}

TEST_F(Training, ShortGamesAreNotLearnedAndWrongSizedLessonsAreRefused)
{
    test::playAll(g(), { "10-14", "24-20", "12-16", "28-24" });
    action("Dbuteruneanalyse1")->trigger();
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));
    QWidget* learn = form->findChild<QWidget*>("Learn");
    EXPECT_TRUE(learn->isVisible());
    int asked = 0;
    QTemporaryDir dir;
    QString answer;
    form->setFileChooser([&](const QString&, const QString&, bool) {
        ++asked;
        return answer;
    });
    button("Learn_yes")->click();
    EXPECT_FALSE(learn->isVisible());
    EXPECT_EQ(asked, 0); // four plies: nothing to learn, no dialog

    // A lesson file must be the table's exact size; the table stays otherwise.
    answer = dir.filePath("court.dal");
    QFile f(answer);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1000, '\0'));
    f.close();
    action("Chargerdesleons1")->trigger();
    EXPECT_EQ(asked, 1);
    auto* box = form->findChild<QMessageBox*>("Erreur"); // the window's error box, left open
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Erreur");
    EXPECT_EQ(box->text(), "Impossible d'ouvrir ce fichier");
    box->close();
}

TEST_F(Training, ALongLevelGameIsLearnedIntoTheChosenLessonFile)
{
    // Shallow engine play from the start, twenty-two plies or more, until
    // the material is level enough to learn from.
    c().search().settings.fixedDepth = 2;
    c().search().settings.bookEnabled = false;
    for (int ply = 0; ply < 40 && !(ply >= 22 && mayLearn(g().board, g().recordedPlies)); ++ply) {
        SearchRequest r;
        r.board = g().board;
        r.side = g().side;
        const SearchResult res = searchDriver(c().search(), r);
        ASSERT_GE(res.legalIndex, 0);
        g().generateLegal();
        g().playMove(res.move, g().gen.captureCount());
    }
    ASSERT_TRUE(mayLearn(g().board, g().recordedPlies));
    action("Dbuteruneanalyse1")->trigger();
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));

    QTemporaryDir dir;
    const QString path = dir.filePath("lecon.dal");
    form->setFileChooser([&](const QString&, const QString&, bool save) {
        EXPECT_TRUE(save);
        return path;
    });
    button("Learn_yes")->click();
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), qint64(LearnedPositions::kFileBytes));
    LearnedPositions lesson;
    ASSERT_EQ(lesson.load(path.toStdString()), "");
    const LessonEntry e = lessonEntryOf(c().search().hashKeys(), g(), g().recordedPlies,
                                        *c().analysis().plyScore(g().recordedPlies));
    EXPECT_EQ(lesson.lookup(e.indexKey, e.checkKey), std::optional<std::int16_t>(e.score));
}

TEST_F(Training, ALearningSessionAnalysesEachGameAndStartsTheNext)
{
    c().search().settings.fixedDepth = 1;
    action("Lancerunesession1")->trigger();
    EXPECT_TRUE(c().sessionActive());
    EXPECT_FALSE(action("Lancerunesession1")->isEnabled());
    EXPECT_TRUE(action("Ordinateurcontreordinateur1")->isChecked());
    form->setFileChooser([&](const QString&, const QString&, bool) { return QString(); });
    // The first game ends, is analysed, and the next one starts.
    bool analysed = false;
    ASSERT_TRUE(runUntil(
        [&] {
            if (c().analysing()) analysed = true;
            return analysed && !c().analysing() && g().gamePly > 0;
        },
        20000));
    EXPECT_TRUE(c().computerVsComputer());
    EXPECT_FALSE(form->findChild<QWidget*>("fin_de_parties")->isVisible());
    action("Arrterlasession1")->trigger();
    EXPECT_FALSE(c().sessionActive());
    EXPECT_FALSE(c().computerVsComputer());
}

} // namespace
