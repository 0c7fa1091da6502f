#include "ui/board3d_widget.h"

#include "rules/geometry.h"
#include "ui/anchors3d.h"
#include "ui/board_colours.h"
#include "ui/hint_arrow.h"
#include "ui/square_label.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace kv {

namespace {

using view3d::kAnchors;
using view3d::kPictureHeight;
using view3d::kPictureWidth;
using view3d::kSquareCentreX;
using view3d::kSquareCentreY;

// Content prefixes of the square images, by piece code.
constexpr const char* kPrefixes[5] = { "pv", "pb", "db", "pn", "dn" };
// A square image larger than this would cover other squares: refused.
constexpr int kMaxSquareImage = 120;

// The mean colour of the picture's top and bottom rows: the table the
// picture is cut from, carried on where the widget is higher than the picture.
QColor edgeColour(const QImage& img)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y : { 0, 1, 2, img.height() - 3, img.height() - 2, img.height() - 1 })
        for (int x = 0; x < img.width(); ++x, ++n) {
            const QRgb c = img.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

} // namespace

Board3DWidget::Board3DWidget(const BoardPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture)
{
    setObjectName("DamierImage1");
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSize Board3DWidget::sizeHint() const { return { kPictureWidth, kPictureHeight }; }
QSize Board3DWidget::minimumSizeHint() const { return { kPictureWidth / 2, kPictureHeight / 2 }; }

bool Board3DWidget::loadBackground(const QString& programDir, int theme, QString& error)
{
    const QString n = QString::number(theme);
    QImage composed;
    for (const QString& name : { "damier" + n + "i.bmp", "damier" + n + "wi.bmp" }) {
        QImage img(programDir + "/" + name);
        if (img.isNull()) {
            error = name;
            return false;
        }
        if (img.size() != QSize(kPictureWidth, kPictureHeight)) {
            error = tr("%1 (%2 x %3 au lieu de %4 x %5)")
                        .arg(name)
                        .arg(img.width())
                        .arg(img.height())
                        .arg(kPictureWidth)
                        .arg(kPictureHeight);
            return false;
        }
        if (composed.isNull()) {
            composed = img.convertToFormat(QImage::Format_RGB32);
        } else {
            QPainter p(&composed);
            p.drawImage(0, 0, img);
        }
    }
    background_ = composed;
    tableColour_ = edgeColour(composed);
    theme_ = theme;
    ++backgroundLoads_;
    update();
    return true;
}

bool Board3DWidget::loadPieceSet(const QString& programDir, int set, QString& error)
{
    const QString dir = programDir + "/Images" + QString::number(set) + "i/";
    std::array<std::array<QImage, 33>, 5> loaded {};
    QStringList missing;
    for (int position = 1; position <= 32; ++position)
        for (int c = 0; c < 5; ++c) {
            const QString name
                = QString("%1%2_%3i.bmp")
                      .arg(kPrefixes[c], QString::number(set), QString::number(position));
            QImage img(dir + name);
            if (img.isNull() || img.width() > kMaxSquareImage || img.height() > kMaxSquareImage)
                missing << name;
            else loaded[c][position] = img.convertToFormat(QImage::Format_RGB32);
        }
    if (!missing.isEmpty()) {
        // One line however many files are gone.
        error = "Images" + QString::number(set) + "i/" + missing.first();
        if (missing.size() > 1) error += tr(" (et %1 autres)").arg(missing.size() - 1);
        return false;
    }
    squares_ = std::move(loaded);
    set_ = set;
    ++pieceSetLoads_;
    update();
    return true;
}

QRectF Board3DWidget::pictureRect() const
{
    const double s = std::min(width() / double(kPictureWidth), height() / double(kPictureHeight));
    const double w = kPictureWidth * s, h = kPictureHeight * s;
    return { (width() - w) / 2, (height() - h) / 2, w, h };
}

QPointF Board3DWidget::toPicture(QPointF p) const
{
    const QRectF r = pictureRect();
    return { (p.x() - r.x()) * kPictureWidth / r.width(),
             (p.y() - r.y()) * kPictureHeight / r.height() };
}

QPointF Board3DWidget::toWidget(QPointF p) const
{
    const QRectF r = pictureRect();
    return { r.x() + p.x() * r.width() / kPictureWidth,
             r.y() + p.y() * r.height() / kPictureHeight };
}

Cell Board3DWidget::cellAt(QPointF widgetPoint) const
{
    const QPointF p = toPicture(widgetPoint);
    const int position = view3d::positionAt(p.x(), p.y());
    if (position == 0) return {};
    // A display position is drawn where the flat board draws the same square
    // number; the click handler applies the turned board itself.
    const auto s = static_cast<Square>(position);
    return { columnOf(s), rowOf(s) };
}

QImage Board3DWidget::composed() const
{
    QImage out = background_.isNull() ? QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32)
                                      : background_;
    if (background_.isNull()) out.fill(QColor(0x30, 0x28, 0x20));
    QPainter p(&out);
    if (!picture_.blind && set_ != 0) {
        // Far rows first, so a piece's top may rise over the square behind.
        for (int position = 1; position <= 32; ++position) {
            const Square s = picture_.inverted ? mirror(static_cast<Square>(position))
                                               : static_cast<Square>(position);
            const std::uint8_t code = picture_.content[s];
            if (code > BlackKing) continue;
            const QImage& img = squares_[code][position];
            if (!img.isNull()) p.drawImage(kAnchors[position].x, kAnchors[position].y, img);
        }
    }
    return out;
}

void Board3DWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    if (tableColour_.isValid()) p.fillRect(rect(), tableColour_);
    const QRectF target = pictureRect();
    p.drawImage(target, composed());

    // Labels and markers are drawn at the window's own resolution, so they
    // stay sharp whatever the scale.
    p.translate(target.topLeft());
    p.scale(target.width() / kPictureWidth, target.height() / kPictureHeight);
    for (int position = 1; position <= 32; ++position) {
        const Square s = picture_.inverted ? mirror(static_cast<Square>(position))
                                           : static_cast<Square>(position);
        const view3d::Anchor a = kAnchors[position];
        if (picture_.numbering) {
            // Sized like the flat board's numbers, so they stay readable when small.
            const SquareLabelLayout layout
                = squareLabelLayout(view3d::kClickBox, target.width() / kPictureWidth);
            QFont f = font();
            f.setPixelSize(layout.fontPixels);
            f.setBold(true);
            p.setFont(f);
            const QRectF box(QPointF(a.x, a.y), layout.box.size());
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(192, 192, 192, 225));
            p.drawRoundedRect(box, 2, 2);
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, QString::fromLatin1(label(s).data(), 2));
        }
    }
    // The markers outline their squares as the flat board's do, in the
    // picture's perspective: a coloured line on a dark one, seen on any theme.
    p.setBrush(Qt::NoBrush);
    for (int position = 1; position <= 32; ++position) {
        const Square s = picture_.inverted ? mirror(static_cast<Square>(position))
                                           : static_cast<Square>(position);
        const MarkColour m = picture_.marker[s];
        if (m == MarkColour::None) continue;
        const QPolygonF outline = squareOutline(position);
        p.setPen(QPen(QColor(0, 0, 0, 170), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(outline);
        p.setPen(QPen(markerColour(m), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(outline);
    }

    if (picture_.hintFrom && picture_.hintTo) {
        // From centre to centre of the two squares as they are shown.
        auto centre = [this](Square s) {
            const int position = picture_.inverted ? mirror(s) : s;
            const QPolygonF q = squareOutline(position);
            return (q[0] + q[2]) / 2;
        };
        const QPolygonF origin
            = squareOutline(picture_.inverted ? mirror(picture_.hintFrom) : picture_.hintFrom);
        drawHintArrow(p, centre(picture_.hintFrom), centre(picture_.hintTo),
                      QLineF(origin[0], origin[1]).length());
    }
}

QPolygonF Board3DWidget::squareOutline(int position)
{
    // The board plane seen through the pictures' camera: the perspective map
    // that takes the centres of four far-apart squares to their anchors.
    static const QTransform toPicture = [] {
        QPolygonF board, picture;
        for (int q : { 1, 4, 32, 29 }) {
            const auto s = static_cast<Square>(q);
            board << QPointF(columnOf(s) + 0.5, rowOf(s) + 0.5);
            picture << QPointF(kAnchors[q].x + kSquareCentreX, kAnchors[q].y + kSquareCentreY);
        }
        QTransform t;
        QTransform::quadToQuad(board, picture, t);
        return t;
    }();
    const auto s = static_cast<Square>(position);
    const double x = columnOf(s), y = rowOf(s), in = 0.06;
    return toPicture.map(
        QPolygonF({ QPointF(x + in, y + in), QPointF(x + 1 - in, y + in),
                    QPointF(x + 1 - in, y + 1 - in), QPointF(x + in, y + 1 - in) }));
}

void Board3DWidget::mousePressEvent(QMouseEvent* e)
{
    // Every press is handed on, even outside the squares: it may stop the
    // engine's thinking, and move input ignores a click on no square.
    if (onClick) onClick(cellAt(e->position()), e->timestamp());
}

void Board3DWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (onRelease) onRelease(e->timestamp());
}

} // namespace kv
