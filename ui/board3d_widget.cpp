#include "ui/board3d_widget.h"

#include "rules/geometry.h"
#include "ui/anchors3d.h"
#include "ui/board_colours.h"
#include "ui/square_label.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace kv {

namespace {

using view3d::kAnchors;
using view3d::kPictureHeight;
using view3d::kPictureWidth;

// Content prefixes of the square images, by piece code.
constexpr const char* kPrefixes[5] = { "pv", "pb", "db", "pn", "dn" };
// A square image larger than this would cover other squares: refused.
constexpr int kMaxSquareImage = 120;

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
        const MarkColour m = picture_.marker[s];
        if (m != MarkColour::None) {
            p.setPen(QPen(QColor(0, 0, 0, 160), 1));
            p.setBrush(markerColour(m));
            p.drawEllipse(QRectF(a.x + 24, a.y + 25, 12, 8));
        }
    }
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
