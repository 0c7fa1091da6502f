#include "ui/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace kv {

namespace {
constexpr int kMargin = 6;
}

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent)
{
    setObjectName("Graphe");
    setMinimumSize(200, 110);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Évaluation (côté blanc) ; cliquez pour voir la position"));
}

void EvaluationGraph::setPoints(std::vector<Point> points, int currentPly)
{
    points_ = std::move(points);
    currentPly_ = currentPly;
    update();
}

int EvaluationGraph::xOf(int ply) const
{
    const int n = std::max<int>(1, static_cast<int>(points_.size()) - 1);
    return kMargin + (width() - 2 * kMargin) * ply / n;
}

int EvaluationGraph::plyAt(int x) const
{
    if (points_.empty()) return -1;
    const int n = std::max<int>(1, static_cast<int>(points_.size()) - 1);
    const int w = std::max(1, width() - 2 * kMargin);
    const int ply = ((x - kMargin) * n + w / 2) / w;
    return std::clamp(ply, 0, static_cast<int>(points_.size()) - 1);
}

int EvaluationGraph::yOf(int score) const
{
    const int s = std::clamp(score, -kScale, kScale);
    const int h = height() - 2 * kMargin;
    return kMargin + h / 2 - s * (h / 2) / kScale;
}

void EvaluationGraph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xfb, 0xf7, 0xee));
    // White's advantage above the middle line, black's below.
    p.fillRect(QRect(0, yOf(0), width(), height() - yOf(0)), QColor(0xe4, 0xdc, 0xcc));
    p.setPen(QPen(QColor(0x9a, 0x8a, 0x70), 1, Qt::DashLine));
    for (int man : { -kScale / 2, kScale / 2 })
        p.drawLine(kMargin, yOf(man), width() - kMargin, yOf(man));
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 1));
    p.drawLine(kMargin, yOf(0), width() - kMargin, yOf(0));
    if (currentPly_ >= 0 && currentPly_ < static_cast<int>(points_.size())) {
        p.setPen(QPen(QColor(0x2a, 0x6f, 0xb0), 1));
        p.drawLine(xOf(currentPly_), 0, xOf(currentPly_), height());
    }

    QPainterPath line;
    bool open = false;
    for (int i = 0; i < static_cast<int>(points_.size()); ++i) {
        if (!points_[i].whiteScore) {
            open = false;
            continue;
        }
        const QPointF pt(xOf(i), yOf(*points_[i].whiteScore));
        if (open) line.lineTo(pt);
        else line.moveTo(pt);
        open = true;
    }
    p.setPen(QPen(QColor(0x2b, 0x21, 0x18), 2));
    p.drawPath(line);
    for (int i = 0; i < static_cast<int>(points_.size()); ++i) {
        if (!points_[i].whiteScore || !points_[i].marked) continue;
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 1));
        p.setBrush(QColor(0xe0, 0x30, 0x30));
        p.drawEllipse(QPointF(xOf(i), yOf(*points_[i].whiteScore)), 4.5, 4.5);
    }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* e)
{
    const int ply = plyAt(static_cast<int>(e->position().x()));
    if (ply >= 0 && onPlyClicked) onPlyClicked(ply);
}

} // namespace kv
