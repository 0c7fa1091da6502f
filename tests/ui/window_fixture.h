// The main window under test: built offscreen, past its welcome panel, with
// helpers that drive it through objectNames the way a user would.
#pragma once

#include "session_window.h"

#include "rules/geometry.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kv::testing_window {

// The window's parts found by objectName (a missing one fails the test),
// clicks on the squares the user knows by number, and loop passes: shared by
// every fixture that drives the main window.
class WindowDriver {
protected:
    GameController& c() { return form->controller(); }
    GameState& g() { return c().game(); }

    QAction* action(const char* name)
    {
        auto* a = form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QAbstractButton* button(const char* name)
    {
        auto* b = form->findChild<QAbstractButton*>(name);
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
        const QPoint p(BoardWidget::kLeft + BoardWidget::kSquare * columnOf(shown) + 30,
                       BoardWidget::kTop + BoardWidget::kSquare * rowOf(shown) + 30);
        QTest::mouseClick(form->board(), Qt::LeftButton, {}, p);
        c().playLoopPass();
    }

    template <class Pred> bool runUntil(Pred done, int passes = 3000)
    {
        for (int i = 0; i < passes && !done(); ++i) c().playLoopPass();
        return done();
    }

    std::unique_ptr<TestWindow> form;
};

class Window : public ::testing::Test, protected WindowDriver {
protected:
    void SetUp() override
    {
        form = std::make_unique<TestWindow>(KV_PROGRAM_DIR);
        form->setExternalLoop(true);
        form->show();
        button("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
        setOption("Rflexionsurtempsadverse1", false);
        trigger("Niveau01");                      // depth 3: quick replies
        setOption("Bibliothquesactives1", false); // the engine searches from the first move
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

    // Pictures of the window for a person to look at: KV_GRAB_DIR=/some/dir.
    void grab(const char* name)
    {
        const QString dir = qEnvironmentVariable("KV_GRAB_DIR");
        if (!dir.isEmpty()) form->grab().save(dir + "/korvelan_" + name + ".png");
    }
};

} // namespace kv::testing_window
