// The 3D board: a theme's pre-rendered picture (785 x 521) with, on each
// square, the image of its content taken from the theme's piece set, then the
// square labels and the move markers, outlines of the squares in perspective. The picture is scaled
// to the widget, keeping its proportions; a mouse press is mapped back through the same scale to
// the picture, then to the square whose click box holds it.
#pragma once

#include "game/board_picture.h"

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace kv {

class Board3DWidget : public QWidget {
    Q_OBJECT
public:
    explicit Board3DWidget(const BoardPicture& picture, QWidget* parent = nullptr);

    // The theme's background: "damierNi.bmp", then "damierNwi.bmp" drawn
    // over it. On failure `error` says why and nothing changes.
    bool loadBackground(const QString& programDir, int theme, QString& error);
    // The 5 x 32 square images of set N from "ImagesNi". All or nothing:
    // one missing or unreadable file leaves the current set in place.
    bool loadPieceSet(const QString& programDir, int set, QString& error);
    int backgroundTheme() const { return theme_; }
    int pieceSet() const { return set_; }
    // How many times each was loaded (the theme rules reload only what changes).
    int backgroundLoads() const { return backgroundLoads_; }
    int pieceSetLoads() const { return pieceSetLoads_; }

    // Where the picture is drawn in the widget, and the mapping both ways.
    QRectF pictureRect() const;
    QPointF toPicture(QPointF widgetPoint) const;
    QPointF toWidget(QPointF picturePoint) const;
    // The display cell of the square under a widget point; column -1 when
    // the point is in no square's click box.
    Cell cellAt(QPointF widgetPoint) const;

    // The outline of a display position's square on the picture (picture pixels).
    static QPolygonF squareOutline(int position);

    // The picture as drawn at its own size (what the window shows, unscaled).
    QImage composed() const;

    // A press on a square and a release, with the input event's time.
    std::function<void(Cell, std::uint64_t)> onClick;
    std::function<void(std::uint64_t)> onRelease;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const BoardPicture& picture_;
    QImage background_;
    QColor tableColour_; // around the picture when the widget is higher
    std::array<std::array<QImage, 33>, 5> squares_ {}; // [content][display position]
    int theme_ = 0;
    int set_ = 0;
    int backgroundLoads_ = 0;
    int pieceSetLoads_ = 0;
};

} // namespace kv
