// The arrow of the engine's advice ("Conseil"), drawn the same way on both
// boards: a broad green shaft with its head on the destination, outlined in
// dark so that it reads on light and dark squares alike.
#pragma once

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace kv {

// `unit` is the side of a square where the arrow starts, in the painter's units.
inline void drawHintArrow(QPainter& p, QPointF from, QPointF to, double unit)
{
    const QLineF line(from, to);
    if (line.length() < 1) return;
    const QPointF dir = (to - from) / line.length();
    const QPointF normal(-dir.y(), dir.x());
    const double shaft = unit * 0.14, head = unit * 0.42, headWidth = unit * 0.34;
    const QPointF neck = to - dir * head;
    QPolygonF arrow;
    arrow << from + normal * shaft << neck + normal * shaft << neck + normal * headWidth << to
          << neck - normal * headWidth << neck - normal * shaft << from - normal * shaft;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(
        QPen(QColor(10, 40, 10, 220), unit * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(60, 200, 80, 200));
    p.drawPolygon(arrow);
    p.restore();
}

} // namespace kv
