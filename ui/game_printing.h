// Printing the game and its analysis. Both printouts are one sheet: the two
// names, the result, the date and the level at the top, a diagram of the
// position reached at the top right, then the body (the moves, six to a
// line, or the lines of the analysis) on as many pages as it needs
// (files/print_layout.h places them). The same routine draws on a printer,
// into a PDF and into the print preview.
#pragma once

#include "rules/board.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace kv {

class GameController;

struct PrintSheet {
    QString players;       // "White - Black"
    QStringList facts;     // "Résultat : ...", "Date : ...", "Niveau : ..."
    Board position;        // drawn as a diagram, white at the bottom
    QString positionTitle; // under the diagram
    std::vector<std::string> lines;
    int lineStep = 2; // the moves stand on every second line, the analysis on every line
};

// The sheet of the game as far as the board shows it, printed on `date`,
// its texts in the current language (`language` writes the date); the moves
// are its body.
PrintSheet gameSheet(const GameController& controller, const QDate& date, int language);

// Draws `sheet` on its pages; false when the device cannot be painted on
// (a PDF that cannot be written).
bool printSheet(QPagedPaintDevice& device, const PrintSheet& sheet);

// The diagram alone in `square` (its width and height equal): squares with
// their numbers, men as discs, kings as discs with a ring.
void drawDiagram(QPainter& p, const QRectF& square, const Board& board);

} // namespace kv
