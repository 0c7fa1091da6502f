// The flat board: 60-pixel squares from (19, 25), a double frame, the six
// square images of "Images1i", markers and square labels, all drawn from the
// controller's BoardPicture, laid out at 528 x 520 and scaled to the widget. A mouse press is
// turned into a display cell and handed to the click handler; nothing else happens here.
#pragma once

#include "game/board_picture.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace kv {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSquare = 60;
    static constexpr int kLeft = 19;
    static constexpr int kTop = 25;

    explicit BoardWidget(const BoardPicture& picture, QWidget* parent = nullptr);

    // Loads the six images from `dir`. Returns the names that could not be
    // read (those squares are then painted plainly).
    QStringList loadImages(const QString& dir);

    // Top-left pixel of a display cell, and the cell under a pixel.
    static QPoint cellOrigin(Cell c)
    {
        return { kLeft + kSquare * c.column, kTop + kSquare * c.row };
    }
    static Cell cellAt(QPoint p);

    // Where the board is drawn in the widget (its natural layout scaled to
    // fit, centred), and a widget point in the natural layout's pixels.
    QRectF boardRect() const;
    QPointF toBoard(QPointF widgetPoint) const;

    // A press on a square and a release, with the input event's time.
    std::function<void(Cell, std::uint64_t)> onClick;
    std::function<void(std::uint64_t)> onRelease;

    QSize sizeHint() const override { return { 528, 520 }; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void drawSquare(QPainter& p, Square s);
    void drawPlainPiece(QPainter& p, QRect r, std::uint8_t code);

    const BoardPicture& picture_;
    // Indexed by content 0..4 (empty, white man, white king, black man, black king), then 5 the
    // light square.
    std::array<QImage, 6> images_;
};

} // namespace kv
