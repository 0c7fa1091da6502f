// Square numbers on the flat board: readable at every size, and drawn in the
// square they name whichever way the board is turned.
#include "ui/square_label.h"

#include "game/board_picture.h"
#include "rules/geometry.h"
#include "ui/board_widget.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace kv;

namespace {

TEST(SquareLabel, ReadableAndInsideItsSquareAtEverySize)
{
    for (double scale : { 0.4, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0 }) {
        const SquareLabelLayout l = squareLabelLayout(BoardWidget::kSquare, scale);
        const double onScreen = l.fontPixels * scale;
        EXPECT_GE(onScreen, 9.5) << scale;  // small boards keep legible digits
        EXPECT_LE(onScreen, 19.0) << scale; // large ones do not shout
        EXPECT_TRUE(QRectF(0, 0, BoardWidget::kSquare, BoardWidget::kSquare).contains(l.box))
            << scale;
        EXPECT_LE(l.box.width(), 0.75 * BoardWidget::kSquare) << scale; // the piece stays in view
        QFont f;
        f.setPixelSize(l.fontPixels);
        f.setBold(true);
        const QFontMetricsF fm(f);
        EXPECT_LE(fm.horizontalAdvance("32"), l.box.width()) << scale;
        EXPECT_LE(fm.height(), l.box.height() + 0.5) << scale;
    }
}

// The pixels of one display cell of the board drawn at its natural size.
QImage cellImage(const QImage& board, Cell c)
{
    return board.copy(
        QRect(BoardWidget::cellOrigin(c), QSize(BoardWidget::kSquare, BoardWidget::kSquare)));
}

TEST(SquareLabel, NumbersFollowTheirSquaresWhenTheBoardIsTurned)
{
    Board b;
    b.setInitial();
    BoardPicture picture;
    picture.showBoard(b);
    picture.numbering = true;
    BoardWidget widget(picture);
    widget.resize(widget.sizeHint());
    const QImage upright = widget.grab().toImage();
    picture.inverted = true;
    const QImage turned = widget.grab().toImage();

    // Squares 13..20 are empty at the start: a cell differs from another only
    // by the number written in it.
    for (Square s = 13; s <= 20; ++s) {
        EXPECT_EQ(cellImage(turned, cellOf(s, true)), cellImage(upright, cellOf(s, false)))
            << int(s);
        EXPECT_NE(cellImage(turned, cellOf(s, false)), cellImage(upright, cellOf(s, false)))
            << int(s);
    }

    // Drawn at a third of its size, the numbers keep their minimum size on screen.
    QImage small(widget.width() / 3, widget.height() / 3, QImage::Format_RGB32);
    small.fill(Qt::white);
    {
        QPainter p(&small);
        p.scale(1.0 / 3, 1.0 / 3);
        widget.render(&p);
    }
    // The light box of square 13's number covers a readable area there.
    const QPoint corner = BoardWidget::cellOrigin(cellOf(13, true)) / 3;
    int boxPixels = 0;
    for (int y = 0; y < BoardWidget::kSquare / 3; ++y)
        for (int x = 0; x < BoardWidget::kSquare / 3; ++x)
            boxPixels += small.pixelColor(corner + QPoint(x, y)) == QColor(192, 192, 192);
    EXPECT_GE(boxPixels, 70); // a fixed-size box would shrink to about 20
    const QString dir = qEnvironmentVariable("KV_GRAB_DIR");
    if (!dir.isEmpty()) {
        turned.save(dir + "/korvelan_numbers_turned.png");
        small.save(dir + "/korvelan_numbers_small.png");
    }
}

} // namespace
