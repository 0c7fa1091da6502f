// The game window as a player meets it: clocks through a pause, the labels
// after stepping through the record, clicks while the engine thinks, the end
// of a game, the custom level's messages and the "Calcul" page.
#include "window_fixture.h"

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
    trigger("Pause2"); // the clocks run
    ASSERT_FALSE(action("Pause2")->isChecked());
    now += 18;
    form->ajouter_temps();
    EXPECT_EQ(text("secblanc"), "25");

    trigger("Pause2");
    EXPECT_TRUE(action("Pause2")->isChecked());
    EXPECT_EQ(text("secblanc"), "25");
    now += 600; // the pause itself is not counted
    trigger("Pause2");
    form->ajouter_temps();
    EXPECT_EQ(text("minblanc"), "0");
    EXPECT_EQ(text("secblanc"), "25");
    now += 3;
    form->ajouter_temps();
    EXPECT_EQ(text("secblanc"), "28");

    // The banked seconds are the side's own: its move keeps them all.
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
    clickUser(8);
    ASSERT_EQ(g().gamePly, 1);
    ASSERT_TRUE(c().engineTurn());

    bool clicked = false;
    QTimer::singleShot(150, form.get(), [&] {
        clicked = c().thinking();
        QTest::mouseClick(form->board(), Qt::LeftButton, {},
                          QPoint(Damier2D::kLeft + 60 * columnOf(single) + 30, Damier2D::kTop + 60 * rowOf(single) + 30));
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

} // namespace
