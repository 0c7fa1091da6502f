// The game window as a player meets it: clocks through a pause, the labels
// after stepping through the record, clicks while the engine thinks, the end
// of a game, the custom level's messages and the "Calcul" page.
#include "window_fixture.h"

#include "ui/board3d_widget.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kv;
using kv::testing_window::Window;

namespace {

// Legal moves of the piece on internal square s for the side to move.
int movesOf(GameState& g, Square s)
{
    const int n = g.generateLegal();
    int count = 0;
    for (int i = 0; i < n; ++i) count += g.gen.list(1)[i].from == s;
    return count;
}

TEST_F(Window, PauseKeepsTheTimeAlreadyUsedInTheTurn)
{
    std::int64_t now = 1000;
    c().clocks().setTimeSource([&now] { return now; });
    g().clock = { 7, 0 };
    g().side = White;
    // A new start: the clocks wait for the first move, and Pause is not ticked.
    EXPECT_FALSE(action("Pause2")->isChecked());
    trigger("Pause2"); // paused before they ran ...
    trigger("Pause2"); // ... and released: they run from now
    ASSERT_FALSE(action("Pause2")->isChecked());
    now += 18;
    form->tickClock();
    EXPECT_EQ(text("secblanc"), "25");

    trigger("Pause2");
    EXPECT_TRUE(action("Pause2")->isChecked());
    EXPECT_EQ(text("secblanc"), "25");
    EXPECT_TRUE(widget("Etat_partie")->isVisible()); // the pause is shown beside the board
    EXPECT_EQ(text("Etat_partie"), "Horloges en pause");
    now += 600; // the pause itself is not counted
    trigger("Pause2");
    form->tickClock();
    EXPECT_EQ(text("minblanc"), "0");
    EXPECT_EQ(text("secblanc"), "25");
    now += 3;
    form->tickClock();
    EXPECT_EQ(text("secblanc"), "28");

    EXPECT_FALSE(widget("Etat_partie")->isVisible());

    // The banked seconds are the side's own: its move keeps them all.
    setOption("Coupuniquejoue1", true);
    clickUser(9); // its single move is played by the pick-up
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().clock[White], 28);
}

TEST_F(Window, ComputersColourStaysWhenSteppingToTheStartOfItsGame)
{
    button("Morvanel_blanc")->click();
    button("BitBtn15")->click();
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 1 && !c().engineTurn(); }));
    EXPECT_EQ(text("Couleurordi"), "Ordinateur blanc");
    trigger("Reveniraudbut1");
    c().playLoopPass();
    ASSERT_EQ(g().gamePly, 0);
    EXPECT_EQ(text("Couleurordi"), "Ordinateur blanc");
    trigger("Avancercoups1");
    c().playLoopPass();
    EXPECT_EQ(text("Couleurordi"), "Ordinateur blanc");
}

TEST_F(Window, ClickThatStopsTheEngineNeverMovesAPiece)
{
    trigger("Niveau07"); // it would think for seconds
    c().search().settings.bookEnabled = false;
    button("BitBtn15")->click(); // the computer black
    c().playLoopPass();
    // Both camps far apart: no reply of black touches white's men, and the
    // men on 8 and 9 stand on the edge with a single move each, which a
    // pick-up plays at once.
    Board b;
    b.clear();
    for (int user : { 1, 2, 3, 4, 5, 6, 7, 8, 9 }) b[internalSquare(user)] = WhiteMan;
    for (int user = 25; user <= 32; ++user) b[internalSquare(user)] = BlackMan;
    g().startFrom(b, White);
    c().picture().showBoard(g().displayed);
    const Square single = internalSquare(9);
    ASSERT_EQ(movesOf(g(), single), 1);
    setOption("Coupuniquejoue1", true);
    clickUser(8);
    ASSERT_EQ(g().gamePly, 1);
    ASSERT_TRUE(c().engineTurn());

    bool clicked = false;
    QTimer::singleShot(150, form.get(), [&] {
        clicked = c().thinking();
        QTest::mouseClick(form->board(), Qt::LeftButton, {},
                          QPoint(BoardWidget::kLeft + 60 * columnOf(single) + 30,
                                 BoardWidget::kTop + 60 * rowOf(single) + 30));
    });
    c().playLoopPass();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(g().gamePly, 2); // the computer played its best move so far
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_EQ(g().board[single], WhiteMan);
    EXPECT_FALSE(c().input().picked());

    // The next click is the user's: it plays that single move.
    ASSERT_EQ(movesOf(g(), single), 1);
    clickUser(9);
    EXPECT_EQ(g().gamePly, 3);
    EXPECT_EQ(g().board[single], Empty);
}

// A piece with a single legal move waits for its destination, so that a
// mis-click commits nothing, unless "Coup unique joué d'un clic" is ticked.
TEST_F(Window, ASingleMoveIsPlayedByOneClickOnlyWhenAsked)
{
    EXPECT_FALSE(action("Coupuniquejoue1")->isChecked());
    ASSERT_EQ(movesOf(g(), internalSquare(9)), 1);
    clickUser(9);
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(c().picture().marker[internalSquare(13)], MarkColour::Fuchsia);
    clickUser(9); // put back
    EXPECT_FALSE(c().input().picked());
    clickUser(9);
    clickUser(13);
    EXPECT_EQ(g().gamePly, 1);

    trigger("Nouveau2");
    button("BitBtn15")->click();
    trigger("Coupuniquejoue1");
    clickUser(9);
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().board[internalSquare(13)], WhiteMan);
}

// "Conseil" shows the engine's move for the user as an arrow on either board,
// without playing it; the arrow goes with the position.
TEST_F(Window, ConseilDrawsTheAdvisedMoveOnBothBoards)
{
    const QImage plain = form->board()->grab().toImage();
    trigger("Conseil1");
    c().playLoopPass();
    const Square from = c().picture().hintFrom, to = c().picture().hintTo;
    ASSERT_NE(from, 0);
    bool legal = false;
    const int n = g().generateLegal();
    for (int i = 0; i < n; ++i)
        legal = legal || (g().gen.list(1)[i].from == from && g().gen.list(1)[i].to == to);
    EXPECT_TRUE(legal);
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_NE(form->board()->grab().toImage(), plain);
    grab("hint2d");
    trigger("Damier3D1");
    const QImage with3d = form->board3d()->grab().toImage();
    grab("hint3d");
    c().picture().hintFrom = c().picture().hintTo = 0;
    EXPECT_NE(form->board3d()->grab().toImage(), with3d);
    c().picture().hintFrom = from;
    c().picture().hintTo = to;

    trigger("Damier2D1");
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    EXPECT_EQ(c().picture().hintFrom, 0);
}

// The squares of the board, in the central widget's coordinates.
QRect boardSquares(MainWindow& form)
{
    return { form.board()->mapTo(form.centralWidget(),
                                 QPoint(BoardWidget::kLeft, BoardWidget::kTop)),
             QSize(8 * BoardWidget::kSquare, 8 * BoardWidget::kSquare) };
}

TEST_F(Window, FinishedGameSaysSoUntilANewGameOrATakeBack)
{
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    button("Abandon2")->click();
    c().playLoopPass();
    ASSERT_TRUE(widget("fin_de_parties")->isVisible());
    EXPECT_EQ(text("qui_gagne"), "Vous abandonnez, gain KORVELAN");
    EXPECT_FALSE(widget("fin_de_parties")->geometry().intersects(boardSquares(*form)));
    grab("end_message");
    button("Fermer_fin")->click();

    // Closed, the message stays in the panel and nothing invites a move.
    c().playLoopPass();
    EXPECT_EQ(text("Trait"), "Partie terminée");
    EXPECT_TRUE(widget("Etat_partie")->isVisible());
    EXPECT_TRUE(text("Etat_partie").endsWith("Vous abandonnez, gain KORVELAN"));
    EXPECT_EQ(widget("Etat_partie")->toolTip(), "Partie terminée : Vous abandonnez, gain KORVELAN");
    EXPECT_FALSE(widget("Proposernul")->isEnabled());
    EXPECT_FALSE(widget("Abandon2")->isEnabled());
    EXPECT_FALSE(action("Abandon1")->isEnabled());
    EXPECT_FALSE(action("Inverserlesjoueurs1")->isEnabled());
    EXPECT_TRUE(action("Nouveau2")->isEnabled());
    grab("game_over");

    // A click on the board brings the result back instead of doing nothing.
    clickUser(9);
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_TRUE(widget("fin_de_parties")->isVisible());

    // A take-back reopens the game.
    button("Fermer_fin")->click();
    trigger("Reprendrecoups1");
    c().playLoopPass();
    EXPECT_EQ(c().gameResult(), GameResult::None);
    EXPECT_FALSE(widget("Etat_partie")->isVisible());
    EXPECT_EQ(text("Trait"), "Trait aux noirs");
    EXPECT_TRUE(widget("Abandon2")->isEnabled());

    // Finished again, the message offers a new game.
    button("Abandon2")->click();
    c().playLoopPass();
    ASSERT_TRUE(widget("fin_de_parties")->isVisible());
    button("Nouvelle_fin")->click();
    EXPECT_FALSE(widget("fin_de_parties")->isVisible());
    EXPECT_TRUE(widget("Nouvelle_partie")->isVisible());
    button("BitBtn15")->click();
    c().playLoopPass();
    EXPECT_FALSE(widget("Etat_partie")->isVisible());
    EXPECT_EQ(text("Trait"), "Trait aux blancs");
    EXPECT_TRUE(widget("Proposernul")->isEnabled());
    EXPECT_TRUE(action("Abandon1")->isEnabled());
}

TEST_F(Window, CustomLevelSaysWhatItAccepts)
{
    trigger("N8Autre1");
    auto* minutes = form->findChild<QLineEdit*>("Nbminutes");
    EXPECT_FALSE(widget("Autre_erreur")->isVisible());
    for (const char* refused : { "dix", "0", "-5", "2.5", "50001", "" }) {
        minutes->setText(refused);
        button("BitBtn24")->click();
        EXPECT_TRUE(widget("Panel9")->isVisible()) << refused;
        EXPECT_TRUE(widget("Autre_erreur")->isVisible()) << refused;
        EXPECT_EQ(text("Autre_erreur"), "Nombre entier de minutes attendu, de 1 à 50000.")
            << refused;
    }
    EXPECT_TRUE(widget("Panel9")->geometry().contains(
        widget("Autre_erreur")->geometry().translated(widget("Panel9")->pos())));
    grab("custom_level_refused");
    minutes->setText("50000");
    button("BitBtn24")->click();
    EXPECT_FALSE(widget("Panel9")->isVisible());
    EXPECT_EQ(c().level().minutes, 50000);
    // Opened again, the panel starts without the old message.
    trigger("N8Autre1");
    EXPECT_FALSE(widget("Autre_erreur")->isVisible());
}

TEST_F(Window, NewGameClearsTheThinkingAndTheRefusalOfTheLastOne)
{
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    auto* stats = form->findChild<QListWidget*>("ListBox2");
    auto* roots = form->findChild<QListWidget*>("ListBox5");
    EXPECT_GT(stats->count(), 0);
    EXPECT_GT(roots->count(), 0);

    // A refusal goes when the computer moves on.
    button("Proposernul")->click();
    ASSERT_TRUE(widget("Nulrefus")->isVisible());
    trigger("Inverserlesjoueurs1");
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 3 && !c().engineTurn(); }));
    EXPECT_FALSE(widget("Nulrefus")->isVisible());

    // And with a new game, as do the statistics and root moves.
    button("Proposernul")->click();
    ASSERT_TRUE(widget("Nulrefus")->isVisible());
    trigger("Nouveau2");
    button("BitBtn15")->click();
    c().playLoopPass();
    EXPECT_FALSE(widget("Nulrefus")->isVisible());
    EXPECT_EQ(stats->count(), 0);
    EXPECT_EQ(roots->count(), 0);
}

TEST_F(Window, ThinkingIsShownBesideTheBoardWithItsDepth)
{
    trigger("Niveau07"); // it would think for seconds
    c().search().settings.bookEnabled = false;
    clickUser(10);
    clickUser(14);
    EXPECT_FALSE(widget("Etat_partie")->isVisible());
    QString shown;
    bool visible = false;
    QTimer::singleShot(400, form.get(), [&] {
        shown = text("Etat_partie");
        visible = widget("Etat_partie")->isVisible();
        grab("thinking");
        button("Joue")->click(); // "Arrêter le calcul"
    });
    c().playLoopPass();
    EXPECT_TRUE(visible);
    EXPECT_TRUE(
        QRegularExpression("^Korvelan réfléchit… profondeur [0-9]+$").match(shown).hasMatch())
        << shown.toStdString();
    EXPECT_FALSE(widget("Etat_partie")->geometry().intersects(boardSquares(*form)));
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_FALSE(widget("Etat_partie")->isVisible());
    // The computer's draw offer sits beside the board too.
    EXPECT_FALSE(widget("Match_nul")->geometry().intersects(boardSquares(*form)));
}

} // namespace
