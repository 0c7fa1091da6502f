// The game a player can trust: the close box keeps the game, every action
// has a key of its own, a position that arrives never leaves an idle engine
// with its clock running, only a new press stops the engine, a rated match
// cannot be bent, the labels agree on who plays which side, and an analysis
// leaves the clocks alone.
#include "window_fixture.h"

#include "players/history.h"
#include "rules/notation.h"
#include "ui/analysis_window.h"
#include "ui/evaluation_graph.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <map>

using namespace kv;

namespace {

class Trust : public kv::testing_window::Window {
protected:
    void SetUp() override
    {
        Window::SetUp();
        setOption("Coupuniquejoue1", true); // a piece with a single move goes at once
        form->setConfirmer([this](const QString& question) {
            questions << question;
            return answer;
        });
    }

    QTimer* clockTimer() { return form->findChild<QTimer*>("Timer1"); }
    bool waitsWithClocksStopped()
    {
        return !c().engineTurn() && !c().thinking() && !clockTimer()->isActive()
            && action("Pause2")->isChecked();
    }

    void startMatch()
    {
        trigger("Nouveau2");
        auto* names = form->findChild<QListWidget*>("ListBox9");
        const auto found = names->findItems("Inconnu", Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        names->setCurrentItem(found.first());
        emit names->itemClicked(found.first());
        button("Morvanel_noir1")->click();
        button("BitBtn16")->click();
        c().playLoopPass();
        ASSERT_EQ(c().matchState(), 1);
    }

    // The first two plies of a game against the computer (black).
    void openingPlies()
    {
        clickUser(9); // its single move is played by the pick-up
        ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        trigger("Coller1");
        c().playLoopPass();
    }

    // A mouse event on the board at a user square, with its input time.
    void mouse(QEvent::Type type, int user, quint64 time)
    {
        const Square s = internalSquare(user);
        const QPointF p(BoardWidget::kLeft + BoardWidget::kSquare * columnOf(s) + 30,
                        BoardWidget::kTop + BoardWidget::kSquare * rowOf(s) + 30);
        const bool press = type == QEvent::MouseButtonPress;
        QMouseEvent e(type, p, form->board()->mapToGlobal(p), Qt::LeftButton,
                      press ? Qt::LeftButton : Qt::NoButton, {});
        e.setTimestamp(time);
        QApplication::sendEvent(form->board(), &e);
    }

    QStringList questions;
    bool answer = true;
};

TEST_F(Trust, CloseBoxKeepsTheGameAndAsksFirstDuringARatedMatch)
{
    openingPlies();
    ASSERT_TRUE(form->close());
    GameFileError why;
    bool present = false;
    auto kept = form->session().readStateFile(why, present);
    ASSERT_TRUE(kept.has_value()) << why.detail;
    EXPECT_EQ(kept->gamePly, 2);
    EXPECT_TRUE(questions.isEmpty()); // nothing to lose: no question

    // A rated match asks; refused, the window stays and the match goes on.
    form.reset();
    SetUp();
    startMatch();
    openingPlies();
    answer = false;
    EXPECT_FALSE(form->close());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("match")) << questions[0].toStdString();
    EXPECT_FALSE(c().quitRequested());
    EXPECT_EQ(c().matchState(), 1);
    answer = true;
    EXPECT_TRUE(form->close());
    kept = form->session().readStateFile(why, present);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->gamePly, 2);
}

TEST_F(Trust, EveryActionHasAKeyOfItsOwnAndF1TakesBack)
{
    std::map<QString, QString> owner; // key -> the action that has it
    QSet<QAction*> seen;
    for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions()) {
            if (a->menu() || seen.contains(a)) continue;
            seen.insert(a);
            for (const QKeySequence& key : a->shortcuts()) {
                const QString k = key.toString();
                const auto [it, fresh] = owner.emplace(k, a->objectName());
                EXPECT_TRUE(fresh) << k.toStdString() << ": " << it->second.toStdString() << " and "
                                   << a->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(owner[QKeySequence(Qt::Key_F1).toString()], "Reprendrecoups1");
    EXPECT_FALSE(action("Guide1")->shortcut().isEmpty()); // help keeps a key
    EXPECT_NE(owner[QKeySequence(QKeySequence::Copy).toString()], "Ordinateurcontreordinateur1");
    EXPECT_FALSE(action("Ordinateurcontreordinateur1")->shortcut().isEmpty());
}

TEST_F(Trust, EveryArrivingPositionLetsTheComputerMoveOrWaitsWithTheClocksStopped)
{
    openingPlies();
    ASSERT_TRUE(clockTimer()->isActive()); // the user's clicks started the clocks
    Board b;
    b.clear();
    for (int user : { 1, 2, 3 }) b[internalSquare(user)] = WhiteMan;
    for (int user : { 30, 31, 32 }) b[internalSquare(user)] = BlackMan;

    // A position where the computer (black) has the move: it plays at once.
    paste(QString::fromStdString(formatFen({ b, Black })));
    EXPECT_TRUE(runUntil([&] { return g().gamePly == 1 && !c().engineTurn(); }));
    EXPECT_EQ(g().side, White);

    // The user's move: the game waits for it with the clocks stopped.
    paste(QString::fromStdString(formatFen({ b, White })));
    EXPECT_TRUE(waitsWithClocksStopped());
    for (int i = 0; i < 5; ++i) c().playLoopPass();
    EXPECT_EQ(g().gamePly, 0);

    // A game whose last move leaves the computer to move: it plays on.
    paste("[Event \"x\"]\n1. 10-14 24-20 2. 6-10 *\n");
    EXPECT_TRUE(runUntil([&] { return g().gamePly == 4 && !c().engineTurn(); }));

    // A step back leaves the computer's colour to move: nobody's clock runs,
    // and "Arrêt du calcul" hands the computer the move.
    trigger("Reprendrecoups1");
    c().playLoopPass();
    ASSERT_EQ(g().side, Black);
    EXPECT_TRUE(waitsWithClocksStopped());
    trigger("Pause1");
    EXPECT_TRUE(runUntil([&] { return g().gamePly == 4 && !c().engineTurn(); }));
}

TEST_F(Trust, OnlyANewPressStopsTheThinking)
{
    trigger("Niveau07"); // it would think for seconds
    button("BitBtn15")->click();
    c().playLoopPass();
    Board b;
    b.clear();
    for (int user : { 1, 2, 3, 4, 5, 6, 7, 8, 9 }) b[internalSquare(user)] = WhiteMan;
    for (int user = 25; user <= 32; ++user) b[internalSquare(user)] = BlackMan;
    g().startFrom(b, White);
    c().picture().showBoard(g().displayed);

    // The press on 8 plays its single move; the computer begins to think.
    mouse(QEvent::MouseButtonPress, 8, 1000);
    c().playLoopPass();
    ASSERT_TRUE(c().engineTurn());
    bool thinking = false, stoppedByOldClick = true, stoppedByNewPress = false;
    QTimer::singleShot(150, form.get(), [&] {
        thinking = c().thinking();
        // The release of that click arrives late, followed by a press the
        // window system made up from a stale event of the same click.
        mouse(QEvent::MouseButtonRelease, 8, 1030);
        mouse(QEvent::MouseButtonPress, 8, 1010);
        mouse(QEvent::MouseButtonRelease, 8, 1030);
        stoppedByOldClick = c().search().state.stopRequested;
        mouse(QEvent::MouseButtonPress, 9, 4000); // a press of its own
        stoppedByNewPress = c().search().state.stopRequested;
    });
    c().playLoopPass();
    ASSERT_TRUE(thinking);
    EXPECT_FALSE(stoppedByOldClick);
    EXPECT_TRUE(stoppedByNewPress);
    EXPECT_EQ(g().gamePly, 2);
}

TEST_F(Trust, ARatedMatchCannotBeBent)
{
    startMatch();
    openingPlies();
    // Nothing hands the player's side to someone else or steps through the match.
    auto* moves = form->findChild<QListWidget*>("ListBox1");
    emit moves->itemDoubleClicked(moves->item(0));
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_FALSE(form->findChild<QMenu*>("Analyse1")->isEnabled());
    for (const char* name :
         { "Lancerunesession1", "Problmes1", "Installeruneposition1", "Dbuteruneanalyse1", "Pause2",
           "Humaincontrehumain1", "Ordinateurcontreordinateur1", "Chargerdesparamtres1" })
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    c().startLearningSession();
    c().loadProblem(GameFile {});
    c().toggleHumanVsHuman();
    c().toggleComputerVsComputer();
    c().swapSides();
    c().startAnalysis();
    for (int i = 0; i < 3; ++i) c().playLoopPass();
    EXPECT_EQ(c().matchState(), 1);
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_FALSE(c().sessionActive());
    EXPECT_TRUE(c().againstComputer());
    EXPECT_TRUE(clockTimer()->isActive());

    // A new game, which would end the match unrated, and "Abandonner" ask first.
    answer = false;
    trigger("Nouveau2");
    button("Abandon2")->click();
    c().playLoopPass();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_FALSE(widget("Nouvelle_partie")->isVisible());
    EXPECT_FALSE(c().gameOver());
    answer = true;

    // Drawn and rated, then taken back: the game goes on unrated and can end again.
    button("BitBtn14")->click();
    c().playLoopPass();
    ASSERT_TRUE(c().gameOver());
    EXPECT_EQ(c().matchState(), 5);
    trigger("Reprendrecoups1");
    c().playLoopPass();
    EXPECT_EQ(c().matchState(), 0);
    EXPECT_EQ(text("Panel11"), "Entraînement");
    button("Abandon2")->click();
    c().playLoopPass();
    EXPECT_TRUE(c().gameOver());
    EXPECT_EQ(text("qui_gagne"), "Vous abandonnez, gain KORVELAN");
    QFile history(QDir(form->playersDir()).filePath(kHistoryFile));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    EXPECT_EQ(history.readAll().count('\n'), 1); // rated once
}

TEST_F(Trust, LabelsAgreeOnWhoPlaysWhichSide)
{
    const auto agree = [&](const char* when) {
        EXPECT_EQ(action("Ordinateurcontreordinateur1")->isChecked(), c().computerVsComputer())
            << when;
        EXPECT_EQ(action("Humaincontrehumain1")->isChecked(), c().humanVsHuman()) << when;
        const bool colourShown = widget("Couleurordi")->isVisible();
        if (c().computerVsComputer()) {
            EXPECT_FALSE(colourShown) << when;
            EXPECT_EQ(text("Panel11"), "Ordinateur contre ordinateur") << when;
            return;
        }
        ASSERT_TRUE(colourShown) << when;
        EXPECT_EQ(text("Panel11"), "Entraînement") << when;
        const bool computerBlack = text("Couleurordi") == "Ordinateur noir";
        EXPECT_EQ(computerBlack, g().enginePlaysBlack == 1) << when;
        const bool whiteNamed = text("Nom_blanc").startsWith("Korvelan ");
        const bool blackNamed = text("Nom_noir").startsWith("Korvelan ");
        if (whiteNamed != blackNamed) {
            EXPECT_EQ(blackNamed, computerBlack) << when;
        }
    };
    agree("a new game");
    trigger("Ordinateurcontreordinateur1");
    ASSERT_TRUE(runUntil([&] { return g().gamePly >= 1 && !c().thinking(); }));
    agree("the computer against itself");
    trigger("Ordinateurcontreordinateur1");
    runUntil([&] { return !c().engineTurn(); });
    agree("the computer against itself, switched off");
    // "Inverser les joueurs" gives the computer the other colour, also after
    // an import that leaves the computer to move.
    const auto swapPlayers = [&](const char* when) {
        const int before = g().enginePlaysBlack;
        trigger("Inverserlesjoueurs1");
        runUntil([&] { return !c().engineTurn(); });
        EXPECT_NE(g().enginePlaysBlack, before) << when;
        agree(when);
    };
    swapPlayers("the players swapped");
    const char* moves = g().enginePlaysBlack ? "1. 10-14 *" : "1. 10-14 24-20 *";
    paste(QString("[White \"Anne\"]\n[Black \"Bruno\"]\n") + moves + "\n");
    runUntil([&] { return !c().engineTurn(); });
    agree("an imported game");
    swapPlayers("an imported game, the players swapped");

    trigger("Lancerunesession1");
    c().playLoopPass();
    agree("a learning session");
    trigger("Arrterlasession1");
    runUntil([&] { return !c().engineTurn(); });
    agree("the session stopped");
}

TEST_F(Trust, AnalysisLeavesTheClocksAloneAndItsGraphShowsWhereTheBoardIs)
{
    openingPlies();
    std::int64_t now = 5000;
    c().clocks().setTimeSource([&now] { return now; });
    const QString white = text("minblanc") + ":" + text("secblanc");
    const QString black = text("minnoir") + ":" + text("secnoir");
    trigger("Dbuteruneanalyse1");
    c().playLoopPass();
    c().playLoopPass();
    ASSERT_TRUE(c().analysing());
    now += 95;
    form->tickClock();
    EXPECT_EQ(text("minblanc") + ":" + text("secblanc"), white);
    EXPECT_EQ(text("minnoir") + ":" + text("secnoir"), black);
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));
    EXPECT_TRUE(waitsWithClocksStopped());

    // Finished, the analysis no longer asks to wait; learning says what it does.
    EXPECT_FALSE(form->analysisWindow()->lines().join("\n").contains("Attendre"));
    ASSERT_TRUE(widget("Learn")->isVisible());
    EXPECT_FALSE(widget("Learn")->toolTip().isEmpty());
    EXPECT_TRUE(widget("Explication_learn")->isVisible());

    // A click on the graph moves the board and the graph's cursor there.
    EvaluationGraph* graph = form->analysisWindow()->graph();
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->xOf(1), graph->height() / 2));
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(graph->currentPly(), 1);
    EXPECT_TRUE(waitsWithClocksStopped());
}

} // namespace
