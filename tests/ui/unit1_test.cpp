// Drives the real main window offscreen through its objectNames: clicks on the
// board, menu commands, the play loop's passes, and what the labels show.
#include "ui/Unit1.h"

#include "rules/geometry.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>(KV_PROGRAM_DIR);
        form->setIdleWait(false);
        form->show();
        button("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
        setOption("Rflexionsurtempsadverse1", false);
        trigger("Niveau01"); // depth 3: quick replies
    }

    GameController& c() { return form->controller(); }
    GameState& g() { return c().game(); }

    QAction* action(const char* name)
    {
        auto* a = form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QPushButton* button(const char* name)
    {
        auto* b = form->findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QWidget* widget(const char* name) { return form->findChild<QWidget*>(name); }
    QString text(const char* name) { return form->findChild<QLabel*>(name)->text(); }
    void trigger(const char* name) { action(name)->trigger(); }
    void setOption(const char* name, bool on)
    {
        if (action(name)->isChecked() != on) trigger(name);
    }

    // Clicks the middle of the square the user knows by its number, computed
    // from the geometry tables rather than from the board widget's mapping.
    void clickUser(int user)
    {
        const Square s = internalSquare(user);
        const Square shown = g().orientation ? mirror(s) : s;
        const QPoint p(Damier2D::kLeft + Damier2D::kSquare * columnOf(shown) + 30,
                       Damier2D::kTop + Damier2D::kSquare * rowOf(shown) + 30);
        QTest::mouseClick(form->board(), Qt::LeftButton, {}, p);
        c().playLoopPass();
    }

    template <class Pred> bool runUntil(Pred done, int passes = 2000)
    {
        for (int i = 0; i < passes && !done(); ++i) c().playLoopPass();
        return done();
    }

    // A position for human-against-human play: the given squares, white to move.
    void setUp(const std::vector<std::pair<int, std::uint8_t>>& pieces, SideToMove side = White)
    {
        trigger("Nouveau2");
        form->findChild<QLineEdit*>("Joueur2")->setText("Anne");
        form->findChild<QLineEdit*>("Joueur3")->setText("Bruno");
        button("BitBtn17")->click();
        Board b;
        b.clear();
        for (auto [user, code] : pieces) b[internalSquare(user)] = code;
        g().startFrom(b, side);
        c().picture().showBoard(g().displayed);
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(Window, WelcomePanelLeadsToTheStartingPosition)
{
    EXPECT_TRUE(widget("Bienvenue") == nullptr || !widget("Bienvenue")->isVisible());
    EXPECT_TRUE(form->missingImages().isEmpty()) << form->missingImages().join(",").toStdString();
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(c().picture().content[s], g().board[s]);
    EXPECT_EQ(text("Nom_noir").left(8), "Korvelan");
    EXPECT_EQ(text("Couleurordi"), "Ordinateur noir");
    EXPECT_EQ(text("Nbblancs").trimmed(), "12 pièces");
    form->grab().save("/tmp/korvelan_start.png");
}

} // namespace
