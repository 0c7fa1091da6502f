#include "ui/square_label.h"

#include "rules/geometry.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

// On screen: never below 10 pixels (smaller digits blur), about a fifth of the
// square, never above 18 (a large board needs no larger numbers).
constexpr double kMinScreenPixels = 10;
constexpr double kMaxScreenPixels = 18;
constexpr double kShareOfSquare = 0.19;
// However small the board, the box leaves the piece in view beside it.
constexpr double kMaxBoxShare = 0.75;

QFont labelFont(int pixels)
{
    QFont f;
    f.setPixelSize(std::max(1, pixels));
    f.setBold(true);
    return f;
}

} // namespace

SquareLabelLayout squareLabelLayout(double squarePixels, double scale)
{
    if (scale <= 0) scale = 1;
    const double screen
        = std::clamp(squarePixels * scale * kShareOfSquare, kMinScreenPixels, kMaxScreenPixels);
    int pixels = static_cast<int>(std::lround(screen / scale));
    QFontMetricsF fm(labelFont(pixels));
    const double pad = 2 / scale; // two screen pixels around the digits
    auto boxWidth = [&] { return fm.horizontalAdvance(QStringLiteral("88")) + 2 * pad; };
    while (pixels > 1 && boxWidth() > squarePixels * kMaxBoxShare) {
        --pixels;
        fm = QFontMetricsF(labelFont(pixels));
    }
    const double w = boxWidth(), h = fm.height();
    const double inset = 1 / scale;
    return { QRectF(inset, squarePixels - h - inset, w, h), pixels };
}

void drawSquareLabel(QPainter& p, QPointF origin, double squarePixels, Square s)
{
    // The whole transform to the device (a scaled board, or a scaled render
    // of it), in the screen's logical pixels.
    const QTransform t = p.deviceTransform();
    const double ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const double scale = std::hypot(t.m11(), t.m12()) / (ratio > 0 ? ratio : 1.0);
    const SquareLabelLayout l = squareLabelLayout(squarePixels, scale);
    const QRectF box = l.box.translated(origin);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(box, QColor(192, 192, 192));
    p.setFont(labelFont(l.fontPixels));
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, QString::fromLatin1(label(s).data(), 2));
    p.restore();
}

} // namespace kv
