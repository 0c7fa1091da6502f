// Square numbers on the flat board ("Numéroter les cases"), drawn so that
// they stay readable at whatever size the board is shown: the text keeps a
// minimum size on screen, grows a little with the board, and its light box
// sits in the square's bottom-left corner, where the number follows its
// square when the board is turned.
#pragma once

#include "rules/board.h"

#include <QRectF>

class QPainter;

namespace kv {

struct SquareLabelLayout {
    QRectF box;     // relative to the square's top-left corner, in the board's own pixels
    int fontPixels; // the font's pixel size, in the board's own pixels
};

// `squarePixels`: a square's side in the board's own pixels; `scale`: screen
// pixels per board pixel.
SquareLabelLayout squareLabelLayout(double squarePixels, double scale);

// Draws the number of square s in the square whose top-left corner is
// `origin`; the painter's transform gives the scale on screen.
void drawSquareLabel(QPainter& p, QPointF origin, double squarePixels, Square s);

} // namespace kv
