// The window at the sizes people use: the board takes the room and the
// column runs down its side without leaving the window or covering the
// board; what the window remembers between runs; a layout that stays put.
#include "window_fixture.h"

#include "ui/anchors3d.h"
#include "ui/board3d_widget.h"
#include "ui/remembered_settings.h"

#include "../support/temp_dir.h"

#include <QStatusBar>

using namespace kv;
using kv::test::TempDir;
using kv::testing_window::Window;

namespace {

class Layout : public Window {
protected:
    QRect inCentral(QWidget* w) const
    {
        return { w->mapTo(form->centralWidget(), QPoint()), w->size() };
    }
    // Where the board is drawn: the squares and frame in 2D, the picture in 3D.
    QRect shownBoard() const
    {
        if (form->theme3d() == 0)
            return form->board()->boardRect().toRect().translated(
                inCentral(form->board()).topLeft());
        return form->board3d()->pictureRect().toRect().translated(
            inCentral(form->board3d()).topLeft());
    }
    void settle(QSize size)
    {
        form->resize(size);
        QCoreApplication::processEvents();
    }
};

TEST_F(Layout, TheBoardAndTheColumnUseTheRoomAtEverySize)
{
    const QSize first = RememberedSettings::firstWindowSize({ 1920, 1050 });
    for (QSize size : { QSize(800, 600), QSize(1280, 800), QSize(1920, 1080), first })
        for (const char* view : { "Damier2D1", "Damier3D1" }) {
            trigger(view);
            settle(size);
            SCOPED_TRACE(
                QString("%1 x %2 %3").arg(size.width()).arg(size.height()).arg(view).toStdString());
            const QRect room = form->centralWidget()->rect();
            const QRect board = shownBoard();
            // The board fills the height, or the width the column leaves it.
            const QRect tabs = inCentral(widget("Onglet"));
            EXPECT_TRUE(board.height() >= room.height() - 2
                        || board.right() + 2 + 10 + tabs.width() >= room.width() - 2)
                << board.width() << " x " << board.height();
            // The column beside it reaches down to the board's foot.
            int columnFoot = 0;
            for (QWidget* w :
                 form->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!w->isVisible() || w == form->board() || w == form->board3d()) continue;
                const QRect r = inCentral(w);
                if (r.left() < board.right()) continue; // panels laid over the board
                EXPECT_TRUE(room.contains(r)) << w->objectName().toStdString();
                columnFoot = std::max(columnFoot, r.bottom());
            }
            EXPECT_GT(tabs.left(), board.right());
            EXPECT_GE(columnFoot, std::min(board.bottom(), room.bottom()) - 40);
            EXPECT_GE(tabs.height(), 200);
            grab(QString("layout_%1x%2_%3")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(view)
                     .toLatin1()
                     .constData());
        }
}

// The smallest window is the one the welcome panel advises, and the window
// first opens at least that large, within the screen.
TEST(LayoutSizes, TheAdvisedSizeIsTheSmallestAndTheFirstSizeFitsTheScreen)
{
    const QSize smallest = RememberedSettings::minimumWindowSize();
    EXPECT_LE(smallest.width(), 800); // an 800 x 600 screen holds it
    EXPECT_LE(smallest.height(), 600);
    for (QSize screen : { QSize(1024, 740), QSize(1280, 770), QSize(1920, 1050) }) {
        const QSize first = RememberedSettings::firstWindowSize(screen);
        EXPECT_TRUE(QRect(QPoint(), screen).contains(QRect(QPoint(), first))) << screen.width();
        EXPECT_GE(first.width(), smallest.width());
        EXPECT_GE(first.height(), smallest.height());
    }
    TestWindow form(KV_PROGRAM_DIR);
    form.setExternalLoop(true);
    form.show();
    const QSize need = form.minimumSizeHint();
    EXPECT_LE(need.width(), smallest.width());
    EXPECT_LE(need.height(), smallest.height());
    EXPECT_TRUE(form.findChild<QLabel*>("Conseil_ecran")
                    ->text()
                    .contains(QString("%1 x %2").arg(smallest.width()).arg(smallest.height())));
}

// The size and place of the window, its board view and the options come back
// at the next start; the welcome panel offers the last view at once.
TEST(Remembered, WindowViewAndOptionsComeBack)
{
    TempDir dir;
    const QString file = QString::fromStdString((dir.path() / "korvelan.ini").string());
    {
        TestWindow form(KV_PROGRAM_DIR);
        form.setExternalLoop(true);
        const RememberedSettings first(file);
        first.restore(form); // nothing remembered yet
        EXPECT_FALSE(form.findChild<QWidget*>("BoutonReprendre")->isVisible());
        form.findChild<QAbstractButton*>("BoutonDamier2D")->click();
        form.findChild<QAction*>("Damier3D2")->trigger();
        form.findChild<QAction*>("Coupuniquejoue1")->setChecked(true);
        form.findChild<QAction*>("Dcomposerlesprises1")->setChecked(false);
        form.showNormal();
        form.resize(1000, 700);
        QCoreApplication::processEvents();
        first.save(form);
    }
    TestWindow again(KV_PROGRAM_DIR);
    again.setExternalLoop(true);
    RememberedSettings(file).restore(again);
    QCoreApplication::processEvents();
    EXPECT_EQ(again.size(), QSize(1000, 700));
    EXPECT_TRUE(again.controller().options.singleClickMove);
    EXPECT_FALSE(again.controller().options.decomposeCaptures);
    auto* resume = again.findChild<QAbstractButton*>("BoutonReprendre");
    ASSERT_TRUE(resume->isVisible());
    EXPECT_TRUE(again.findChild<QWidget*>("Bienvenue")->isVisible()); // the welcome panel stays
    resume->click();
    EXPECT_EQ(again.theme3d(), 2);
    // The board takes clicks at once.
    Board3DWidget* board = again.board3d();
    const QRectF picture = board->pictureRect();
    const auto a = view3d::kAnchors[internalSquare(10)];
    QTest::mouseClick(
        board, Qt::LeftButton, {},
        (picture.topLeft() + QPointF(a.x + 30, a.y + 30) * (picture.width() / 785)).toPoint());
    EXPECT_TRUE(again.controller().pendingClick());
    EXPECT_FALSE(again.findChild<QWidget*>("Bienvenue")
                 && again.findChild<QWidget*>("Bienvenue")->isVisible());
}

// Messages, the new-game pages and a restart leave the layout as it was.
TEST_F(Layout, MessagesAndDialogsLeaveTheLayoutAlone)
{
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    settle({ 1100, 700 });
    const QRect board = inCentral(form->board());
    const QSize window = form->size();
    form->statusBar()->showMessage("Position copiée (FEN)");
    QCoreApplication::processEvents();
    EXPECT_EQ(form->size(), window);
    EXPECT_EQ(inCentral(form->board()), board);

    const int lines = form->findChild<QListWidget*>("ListBox1")->count();
    ASSERT_GT(lines, 0);
    trigger("Nouveau2");
    EXPECT_TRUE(widget("Nouvelle_partie")->isVisible());
    EXPECT_EQ(form->findChild<QListWidget*>("ListBox1")->count(), lines);
    button("BitBtn19")->click(); // Annuler
    EXPECT_EQ(form->findChild<QListWidget*>("ListBox1")->count(), lines);
}

} // namespace
