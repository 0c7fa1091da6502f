#include "ui/board_widget.h"

#include "rules/geometry.h"
#include "ui/board_colours.h"
#include "ui/hint_arrow.h"
#include "ui/square_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace kv {

BoardWidget::BoardWidget(const BoardPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture)
{
    setObjectName("Damier2D");
}

QRectF BoardWidget::boardRect() const
{
    const QSize n = sizeHint();
    const double s = std::min(width() / double(n.width()), height() / double(n.height()));
    return { (width() - n.width() * s) / 2, (height() - n.height() * s) / 2, n.width() * s,
             n.height() * s };
}

QPointF BoardWidget::toBoard(QPointF p) const
{
    const QRectF r = boardRect();
    return { (p.x() - r.x()) * sizeHint().width() / r.width(),
             (p.y() - r.y()) * sizeHint().height() / r.height() };
}

QStringList BoardWidget::loadImages(const QString& dir)
{
    // Piece codes 0..4, then the light square.
    static const char* const names[6]
        = { "1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp", "1cache.BMP" };
    QStringList missing;
    for (int i = 0; i < 6; ++i) {
        QImage img(dir + "/" + names[i]);
        if (img.isNull() || img.width() < kSquare || img.height() < kSquare) {
            images_[i] = QImage();
            missing << names[i];
        } else {
            images_[i] = img.copy(0, 0, kSquare, kSquare);
        }
    }
    update();
    return missing;
}

Cell BoardWidget::cellAt(QPoint p)
{
    if (p.x() < kLeft || p.y() < kTop) return {};
    const Cell c { (p.x() - kLeft) / kSquare, (p.y() - kTop) / kSquare };
    if (c.column > 7 || c.row > 7) return {};
    return c;
}

void BoardWidget::mousePressEvent(QMouseEvent* e)
{
    const QPointF b = toBoard(e->position());
    const Cell c
        = cellAt(QPoint(static_cast<int>(std::floor(b.x())), static_cast<int>(std::floor(b.y()))));
    if (c.column >= 0 && onClick) onClick(c, e->timestamp());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (onRelease) onRelease(e->timestamp());
}

void BoardWidget::drawPlainPiece(QPainter& p, QRect r, std::uint8_t code)
{
    if (code < WhiteMan || code > BlackKing) return;
    const bool white = isWhite(code);
    const QRectF disc = QRectF(r).adjusted(8, 8, -8, -8);
    QRadialGradient g(disc.center() - QPointF(6, 6), disc.width() * 0.7);
    g.setColorAt(0, white ? QColor(0xfb, 0xf4, 0xe4) : QColor(0x5a, 0x4a, 0x40));
    g.setColorAt(1, white ? QColor(0xc9, 0xb8, 0x96) : QColor(0x15, 0x10, 0x0c));
    p.setPen(QPen(white ? QColor(0x8a, 0x78, 0x58) : QColor(0, 0, 0), 1.5));
    p.setBrush(g);
    p.drawEllipse(disc);
    if (isKing(code)) {
        p.setPen(QPen(QColor(0xd4, 0xa0, 0x17), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc.adjusted(9, 9, -9, -9));
    }
}

void BoardWidget::drawSquare(QPainter& p, Square s)
{
    const QPoint o = cellOrigin(cellOf(s, picture_.inverted));
    const QRect r(o, QSize(kSquare, kSquare));
    const std::uint8_t code = picture_.blind ? std::uint8_t(Empty) : picture_.content[s];

    // The empty dark square, then the piece image (which includes the square).
    if (code <= BlackKing && !images_[code].isNull()) {
        p.drawImage(o, images_[code]);
    } else {
        if (!images_[Empty].isNull()) p.drawImage(o, images_[Empty]);
        else p.fillRect(r, QColor(0x5a, 0x3a, 0x22));
        drawPlainPiece(p, r, code);
    }

    // Square label at the bottom-left corner, readable at any size.
    if (picture_.numbering) drawSquareLabel(p, o, kSquare, s);

    // Marker: a double outline around the square.
    const MarkColour m = picture_.marker[s];
    if (m != MarkColour::None) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(markerColour(m), 1));
        p.drawRect(o.x(), o.y(), 59, 59);
        p.drawRect(o.x() + 1, o.y() + 1, 57, 57);
    }
}

void BoardWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xe9, 0xdf, 0xcc));
    // Everything is laid out at the natural size and scaled to the widget:
    // images are smoothed, lines and text are drawn at the screen's resolution.
    const QRectF target = boardRect();
    p.translate(target.topLeft());
    p.scale(target.width() / sizeHint().width(), target.height() / sizeHint().height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The frame: white then grey, one pixel apart, 12 pixels around the squares.
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::white);
    p.drawRect(kLeft - 12, kTop - 12, 8 * kSquare + 23, 8 * kSquare + 23);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(kLeft - 13, kTop - 13, 8 * kSquare + 23, 8 * kSquare + 23);

    // Light squares: every display cell whose coordinates add up to an odd number.
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            if ((row + column) % 2 == 0) continue;
            const QPoint o = cellOrigin({ column, row });
            if (!images_[5].isNull()) p.drawImage(o, images_[5]);
            else p.fillRect(QRect(o, QSize(kSquare, kSquare)), QColor(0xe8, 0xd2, 0xa6));
        }
    for (int s = 1; s <= 32; ++s) drawSquare(p, static_cast<Square>(s));

    if (picture_.hintFrom && picture_.hintTo) {
        const QPointF half(kSquare / 2.0, kSquare / 2.0);
        drawHintArrow(p, cellOrigin(cellOf(picture_.hintFrom, picture_.inverted)) + half,
                      cellOrigin(cellOf(picture_.hintTo, picture_.inverted)) + half, kSquare);
    }
}

} // namespace kv
