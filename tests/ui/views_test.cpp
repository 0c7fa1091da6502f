// The 3D board themes: the rendered files, how the square images sit on the
// pictures, the View menu's loading rules, clicks on the 3D picture at any
// window size, and the window parts that go with the 3D board.
#include "window_fixture.h"

#include "ui/anchors3d.h"
#include "ui/board3d_widget.h"

#include "../support/temp_dir.h"

#include <QLineF>
#include <QMessageBox>
#include <QPainter>

#include <array>
#include <filesystem>

using namespace kv;
using kv::test::TempDir;
using kv::testing_window::Window;
namespace fs = std::filesystem;

namespace {

const QString kDir = KV_PROGRAM_DIR;
constexpr const char* kKinds[5] = { "pv", "pb", "db", "pn", "dn" };
constexpr int kSets[8] = { 1, 2, 3, 4, 5, 6, 7, 8 };

QImage squareImage(int set, const char* kind, int position)
{
    return QImage(QString("%1/Images%2i/%3%2_%4i.bmp")
                      .arg(kDir, QString::number(set), kind, QString::number(position)));
}

// The board of theme n as the window composes it: the first picture with the second drawn over it.
QImage themeBackground(int n)
{
    QImage out(QString("%1/damier%2i.bmp").arg(kDir).arg(n));
    out = out.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, QImage(QString("%1/damier%2wi.bmp").arg(kDir).arg(n)));
    return out;
}

// Where the centre of a square's click box is: the box is 60 pixels from the anchor.
QPointF boxCentre(int position)
{
    return { view3d::kAnchors[position].x + 30.0, view3d::kAnchors[position].y + 30.0 };
}

TEST(BoardPictures, EveryFileIsThereWithItsSize)
{
    for (int n = 1; n <= 8; ++n)
        for (const char* suffix : { "i", "wi" }) {
            const QImage img(QString("%1/damier%2%3.bmp").arg(kDir).arg(n).arg(suffix));
            EXPECT_EQ(img.size(), QSize(785, 521)) << n << suffix;
        }
    for (int set : kSets)
        for (int position = 1; position <= 32; ++position)
            for (const char* kind : kKinds)
                EXPECT_EQ(squareImage(set, kind, position).size(), QSize(60, 60))
                    << set << kind << position;
}

// An empty square's image is the board itself, and a piece's image meets the
// board without a seam along its whole border, for every theme and its own set.
TEST(BoardPictures, SquareImagesAreCutFromTheirBoard)
{
    for (int n = 1; n <= 8; ++n) {
        const int set = n;
        const QImage board = themeBackground(n);
        for (int position = 1; position <= 32; ++position) {
            const auto a = view3d::kAnchors[position];
            const QImage under = board.copy(a.x, a.y, 60, 60);
            for (const char* kind : kKinds) {
                const QImage img
                    = squareImage(set, kind, position).convertToFormat(QImage::Format_RGB32);
                int seams = 0, differ = 0;
                for (int y = 0; y < 60; ++y)
                    for (int x = 0; x < 60; ++x) {
                        if (img.pixel(x, y) == under.pixel(x, y)) continue;
                        ++differ;
                        if (x == 0 || y == 0 || x == 59 || y == 59) ++seams;
                    }
                EXPECT_EQ(seams, 0) << "theme " << n << " " << kind << " " << position;
                if (std::string(kind) == "pv")
                    EXPECT_EQ(differ, 0) << "theme " << n << " position " << position;
                else EXPECT_GT(differ, 400) << "theme " << n << " " << kind << " " << position;
            }
        }
    }
}

// A piece changes only pixels nearer to its own square's centre than to any
// other playable square's: it never spills onto a neighbour.
TEST(BoardPictures, APieceTouchesOnlyItsOwnSquare)
{
    for (int set : kSets) {
        for (int position = 1; position <= 32; ++position) {
            const auto a = view3d::kAnchors[position];
            const QImage empty = squareImage(set, "pv", position);
            for (const char* kind : { "pb", "db", "pn", "dn" }) {
                const QImage img = squareImage(set, kind, position);
                int strays = 0;
                for (int y = 0; y < 60; ++y)
                    for (int x = 0; x < 60; ++x) {
                        if (img.pixel(x, y) == empty.pixel(x, y)) continue;
                        const QPointF p(a.x + x + 0.5, a.y + y + 0.5);
                        const double own = QLineF(p, boxCentre(position)).length();
                        for (int other = 1; other <= 32; ++other)
                            if (other != position && QLineF(p, boxCentre(other)).length() < own - 2)
                                ++strays;
                    }
                EXPECT_EQ(strays, 0) << "set " << set << " " << kind << " " << position;
            }
        }
    }
}

// Every theme looks its own: its board's squares and its whole picture differ
// in colour from every other theme's.
TEST(BoardPictures, EveryThemeHasItsOwnLook)
{
    auto mean = [](const QImage& img) {
        double r = 0, g = 0, b = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor p = img.pixelColor(x, y);
                r += p.red();
                g += p.green();
                b += p.blue();
            }
        const double n = double(img.width()) * img.height();
        return std::array<double, 3> { r / n, g / n, b / n };
    };
    std::array<std::array<double, 3>, 9> squares {}, pictures {};
    for (int n = 1; n <= 8; ++n) {
        QImage strip(60 * 32, 60, QImage::Format_RGB32);
        QPainter p(&strip);
        for (int position = 1; position <= 32; ++position)
            p.drawImage(60 * (position - 1), 0, squareImage(n, "pv", position));
        squares[n] = mean(strip);
        pictures[n] = mean(themeBackground(n));
    }
    auto distance = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
        return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
    };
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b) {
            EXPECT_GT(distance(squares[a], squares[b]), 20) << a << " " << b;
            EXPECT_GT(distance(pictures[a], pictures[b]), 20) << a << " " << b;
        }
}

class Views : public Window {
protected:
    Board3DWidget* board3d() { return form->board3d(); }

    // Clicks the middle of a display position's box, placing the picture as a
    // person sees it: scaled to the widget, proportions kept, centred.
    void clickPosition(int position)
    {
        const QSize size = board3d()->size();
        const double s = std::min(size.width() / 785.0, size.height() / 521.0);
        const QPointF origin((size.width() - 785 * s) / 2, (size.height() - 521 * s) / 2);
        const QPointF p = origin + boxCentre(position) * s;
        QTest::mouseClick(board3d(), Qt::LeftButton, {}, p.toPoint());
    }
};

TEST_F(Views, ThemesReloadOnlyWhatChanges)
{
    trigger("Damier3D1");
    ASSERT_EQ(form->theme3d(), 1);
    EXPECT_TRUE(board3d()->isVisible());
    EXPECT_FALSE(form->board()->isVisible());
    EXPECT_TRUE(action("Damier3D1")->isChecked());
    EXPECT_FALSE(action("Damier2D1")->isChecked());
    const int sets = board3d()->pieceSetLoads(), backgrounds = board3d()->backgroundLoads();

    trigger("Damier3D2"); // "Nuit" has a board and pieces of its own
    EXPECT_EQ(board3d()->pieceSetLoads(), sets + 1);
    EXPECT_EQ(board3d()->backgroundLoads(), backgrounds + 1);
    EXPECT_FALSE(action("Damier3D1")->isChecked());
    EXPECT_TRUE(action("Damier3D2")->isChecked());

    trigger("Damier3D2"); // the same theme again: nothing to load
    EXPECT_EQ(board3d()->pieceSetLoads(), sets + 1);
    EXPECT_EQ(board3d()->backgroundLoads(), backgrounds + 1);
    trigger("Damier3D3");
    EXPECT_EQ(board3d()->pieceSetLoads(), sets + 2);
    EXPECT_EQ(board3d()->backgroundLoads(), backgrounds + 2);

    trigger("Damier2D1");
    EXPECT_EQ(form->theme3d(), 0);
    EXPECT_TRUE(form->board()->isVisible());
    EXPECT_FALSE(board3d()->isVisible());
    EXPECT_TRUE(action("Damier2D1")->isChecked());
    EXPECT_FALSE(action("Damier3D3")->isChecked());
}

// The pictures a person looks at: KV_GRAB_DIR=/some/dir.
TEST_F(Views, EveryThemeShowsTheGame)
{
    for (int n = 1; n <= 8; ++n) {
        trigger(QString("Damier3D%1").arg(n).toLatin1().constData());
        ASSERT_EQ(form->theme3d(), n);
        // Each square shows its own content: compare with the square images.
        const QImage shown = board3d()->composed();
        const int set = n;
        for (int position : { 1, 14, 19, 32 }) {
            const char* kind = kKinds[c().picture().content[position]];
            const auto a = view3d::kAnchors[position];
            const QImage expected
                = squareImage(set, kind, position).convertToFormat(QImage::Format_RGB32);
            const QImage got = shown.copy(a.x, a.y, 60, 60);
            // Squares drawn later (nearer rows) may overlap the box's corners.
            EXPECT_EQ(got.pixel(30, 20), expected.pixel(30, 20)) << n << " " << position;
        }
        grab(QString("theme%1").arg(n).toLatin1().constData());
    }
}

TEST_F(Views, ClickOnEverySquareAtTwoSizesAndBothWays)
{
    trigger("Damier3D4");
    for (QSize size : { QSize(0, 0), QSize(1700, 1000) }) {
        if (!size.isEmpty()) form->resize(size);
        QCoreApplication::processEvents();
        for (bool turned : { false, true }) {
            if ((g().orientation != 0) != turned) trigger("Inverserdamier1");
            ASSERT_EQ(c().picture().inverted, turned);
            for (int position = 1; position <= 32; ++position) {
                clickPosition(position);
                ASSERT_TRUE(c().pendingClick());
                const Square expected = static_cast<Square>(turned ? 33 - position : position);
                EXPECT_EQ(squareOfCell(c().pendingCell(), turned), expected)
                    << "position " << position << " turned " << turned << " size "
                    << board3d()->width();
            }
        }
    }
    // A click between the squares selects none.
    QTest::mouseClick(board3d(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(squareOfCell(c().pendingCell(), false), 0);
}

TEST_F(Views, BothBoardsGrowWithTheWindow)
{
    const int small2d = form->board()->width();
    form->resize(1700, 1000);
    QCoreApplication::processEvents();
    EXPECT_GT(form->board()->width(), small2d * 3 / 2);
    // Clicks map back through the scaled flat board.
    const QRectF r = form->board()->boardRect();
    const double s = r.width() / 528;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            const QPointF p = r.topLeft()
                + QPointF(BoardWidget::kLeft + 60 * column + 30, BoardWidget::kTop + 60 * row + 30)
                    * s;
            QTest::mouseClick(form->board(), Qt::LeftButton, {}, p.toPoint());
            EXPECT_EQ(c().pendingCell().column, column);
            EXPECT_EQ(c().pendingCell().row, row);
        }
    // The column stays beside the board.
    EXPECT_GE(widget("Onglet")->x(), form->board()->geometry().right());
    trigger("Damier3D1");
    EXPECT_GT(board3d()->width(), 785);
    EXPECT_GE(widget("Onglet")->x(), board3d()->geometry().right());
    grab("large3d");
}

TEST_F(Views, AGameIsPlayedByClicksOnThePicture)
{
    trigger("Damier3D5");
    // User square 10 is internal 23; its two moves go to 13 and 14.
    clickPosition(internalSquare(10));
    c().playLoopPass();
    EXPECT_EQ(c().picture().marker[internalSquare(10)], MarkColour::Red);
    clickPosition(internalSquare(14));
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().board[internalSquare(14)], WhiteMan);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    // The engine's move is drawn with its markers on the picture.
    const RecordEntry& reply = g().record[2];
    EXPECT_EQ(c().picture().marker[reply.to], MarkColour::Cyan);
    grab("theme5_reply");
}

TEST_F(Views, ClockPanelsFollowTheGameAndSwapWhenTheBoardTurns)
{
    trigger("Damier3D1");
    EXPECT_TRUE(widget("Horlogenoir3d")->isVisible());
    EXPECT_FALSE(widget("Panel6")->isVisible());
    EXPECT_EQ(text("N3D"), "Korvelan : ");
    EXPECT_EQ(text("Nbblancs3d"), text("Nbblancs"));
    EXPECT_EQ(text("minblanc3d"), text("minblanc"));
    EXPECT_LT(widget("Horlogenoir3d")->y(), widget("Horlogeblanc3d")->y());
    trigger("Inverserdamier1");
    EXPECT_GT(widget("Horlogenoir3d")->y(), widget("Horlogeblanc3d")->y());

    // Blind play shows the board without its pieces; numbering and markers
    // are drawn over the picture.
    trigger("Jeuenaveugle1");
    EXPECT_EQ(board3d()->composed(), themeBackground(1));
    trigger("Jeuenaveugle1");
    EXPECT_NE(board3d()->composed(), themeBackground(1));
    trigger("Numroterlescase1");
    const QImage numbered = board3d()->grab().toImage();
    trigger("Numroterlescase1");
    EXPECT_NE(board3d()->grab().toImage(), numbered);
    trigger("Damier2D1");
    EXPECT_TRUE(widget("Panel6")->isVisible());
    EXPECT_FALSE(widget("Horlogenoir3d")->isVisible());
}

// On the 3D board the side to move is framed as on the flat board, and the
// markers of the last move outline whole squares, plain to see on every theme.
TEST_F(Views, TheSideToMoveAndTheLastMoveStandOutIn3D)
{
    auto framed = [this](const char* twin) { return widget(twin)->property("trait").toBool(); };
    auto pixelsNear = [](const QImage& img, QColor colour) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor p = img.pixelColor(x, y);
                n += std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green())
                        + std::abs(p.blue() - colour.blue())
                    < 60;
            }
        return n;
    };
    trigger("Damier3D1");
    EXPECT_TRUE(framed("Horlogeblanc3d"));
    EXPECT_FALSE(framed("Horlogenoir3d"));
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(c().engineTurn());
    EXPECT_TRUE(framed("Horlogenoir3d"));
    EXPECT_FALSE(framed("Horlogeblanc3d"));
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    EXPECT_TRUE(framed("Horlogeblanc3d"));

    for (int n = 1; n <= 8; ++n) {
        trigger(QString("Damier3D%1").arg(n).toLatin1().constData());
        const QImage shown = board3d()->grab().toImage();
        // Each marker's outline is a square's width long on each side.
        const double scale = board3d()->pictureRect().width() / view3d::kPictureWidth;
        EXPECT_GT(pixelsNear(shown, QColor(0, 255, 255)), 150 * scale * scale) << n;
        EXPECT_GT(pixelsNear(shown, QColor(192, 192, 192)), 150 * scale * scale) << n;
    }
    for (int position = 1; position <= 32; ++position) {
        const QRectF box = Board3DWidget::squareOutline(position).boundingRect();
        EXPECT_TRUE(box.contains(boxCentre(position))) << position;
        EXPECT_GT(box.width(), 45) << position;
        EXPECT_GT(box.height(), 25) << position;
    }
    grab("markers3d");
}

TEST_F(Views, WelcomeButtonsStartInTheirTheme)
{
    TestWindow fresh(KV_PROGRAM_DIR);
    fresh.setExternalLoop(true);
    fresh.show();
    auto* b = fresh.findChild<QAbstractButton*>("BoutonDamier3D7");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), "Grand luxe");
    b->click();
    EXPECT_EQ(fresh.theme3d(), 7);
    EXPECT_TRUE(fresh.findChild<QAction*>("Damier3D7")->isChecked());
    EXPECT_TRUE(fresh.board3d()->isVisible());
}

// At the window's first size every theme button shows its whole name under its picture.
TEST_F(Views, WelcomeButtonsFitWithTheirNames)
{
    TestWindow fresh(KV_PROGRAM_DIR);
    fresh.setExternalLoop(true);
    fresh.show();
    QApplication::processEvents();
    auto* welcome = fresh.findChild<QWidget*>("Bienvenue");
    ASSERT_NE(welcome, nullptr);
    for (int n = 1; n <= 8; ++n) {
        auto* b = fresh.findChild<QAbstractButton*>(QString("BoutonDamier3D%1").arg(n));
        ASSERT_NE(b, nullptr);
        EXPECT_GE(b->height(), b->sizeHint().height()) << n;
        const QRect inPanel(b->mapTo(welcome, QPoint(0, 0)), b->size());
        EXPECT_TRUE(welcome->rect().contains(inPanel)) << n;
    }
}

// A theme with a missing picture is not offered; one with a missing piece
// image is withdrawn with one message when chosen, and the board stays as it was.
TEST(ViewsMissingFiles, ThemesWithMissingFilesAreWithdrawn)
{
    TempDir dir;
    const fs::path from = KV_PROGRAM_DIR;
    for (int n : { 1, 3 }) {
        fs::copy_file(from / ("damier" + std::to_string(n) + "i.bmp"),
                      dir.path() / ("damier" + std::to_string(n) + "i.bmp"));
        fs::copy_file(from / ("damier" + std::to_string(n) + "wi.bmp"),
                      dir.path() / ("damier" + std::to_string(n) + "wi.bmp"));
    }
    fs::copy(from / "Images1i", dir.path() / "Images1i");
    fs::copy(from / "Images3i", dir.path() / "Images3i");
    fs::remove(dir.path() / "Images3i" / "dn3_17i.bmp");

    TestWindow form(QString::fromStdString(dir.path().string()));
    form.setExternalLoop(true);
    form.show();
    form.findChild<QPushButton*>("BoutonDamier2D")->click();
    EXPECT_FALSE(form.findChild<QAction*>("Damier3D4")->isVisible());
    EXPECT_TRUE(form.findChild<QAction*>("Damier3D3")->isVisible());

    form.findChild<QAction*>("Damier3D1")->trigger();
    ASSERT_EQ(form.theme3d(), 1);
    form.findChild<QAction*>("Damier3D3")->trigger();
    EXPECT_EQ(form.theme3d(), 1);
    EXPECT_EQ(form.board3d()->pieceSet(), 1);
    EXPECT_FALSE(form.findChild<QAction*>("Damier3D3")->isVisible());
    const auto boxes = form.findChildren<QMessageBox*>("Erreur3D");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front()->text().contains("dn3_17i.bmp"));
}

} // namespace

namespace {

// A picture of the wrong size or a half-missing set is refused whole, and
// the board keeps what it showed.
TEST(Damier3DLoading, RefusesWhatDoesNotFitAndKeepsTheOldPictures)
{
    TempDir dir;
    const QString d = QString::fromStdString(dir.path().string());
    BoardPicture picture;
    Board3DWidget board(picture);
    QString why;
    ASSERT_TRUE(board.loadBackground(kDir, 3, why));
    ASSERT_TRUE(board.loadPieceSet(kDir, 3, why));
    const QImage before = board.composed();

    QImage(100, 80, QImage::Format_RGB32).save(d + "/damier5i.bmp");
    QImage(785, 521, QImage::Format_RGB32).save(d + "/damier5wi.bmp");
    EXPECT_FALSE(board.loadBackground(d, 5, why));
    EXPECT_TRUE(why.contains("damier5i.bmp")) << why.toStdString();
    EXPECT_FALSE(board.loadBackground(d, 6, why)); // not there at all
    fs::create_directories(dir.path() / "Images5i");
    fs::copy_file(fs::path(KV_PROGRAM_DIR) / "Images5i" / "pb5_1i.bmp",
                  dir.path() / "Images5i" / "pb5_1i.bmp");
    EXPECT_FALSE(board.loadPieceSet(d, 5, why));
    EXPECT_TRUE(why.contains("autres")) << why.toStdString(); // one line for all the missing files
    EXPECT_EQ(board.backgroundTheme(), 3);
    EXPECT_EQ(board.pieceSet(), 3);
    EXPECT_EQ(board.composed(), before);
}

// Whatever the widget's shape, the picture keeps its proportions, is centred,
// and widget and picture points map onto each other.
TEST(Damier3DLoading, PictureMappingRoundTrips)
{
    BoardPicture picture;
    Board3DWidget board(picture);
    for (QSize size : { QSize(785, 521), QSize(1600, 500), QSize(400, 900) }) {
        board.resize(size);
        const QRectF r = board.pictureRect();
        EXPECT_NEAR(r.width() / r.height(), 785.0 / 521.0, 1e-9);
        EXPECT_NEAR(r.center().x(), size.width() / 2.0, 1e-9);
        EXPECT_NEAR(r.center().y(), size.height() / 2.0, 1e-9);
        EXPECT_TRUE(r.width() == size.width() || r.height() == size.height());
        for (QPointF p : { QPointF(0, 0), QPointF(538, 57), QPointF(784, 520) }) {
            const QPointF back = board.toPicture(board.toWidget(p));
            EXPECT_NEAR(back.x(), p.x(), 1e-9);
            EXPECT_NEAR(back.y(), p.y(), 1e-9);
        }
        // Outside the picture (the margins) there is no square.
        EXPECT_EQ(board.cellAt(QPointF(1, 1)).column, -1);
    }
}

} // namespace
