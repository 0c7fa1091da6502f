#include "ui/game_printing.h"

#include "files/print_layout.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

namespace kv {

bool printGame(QPrinter& printer, const GameState& game)
{
    QPainter p;
    if (!p.begin(&printer)) return false;
    // A fixed-width font keeps the moves of successive lines in columns.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    p.setFont(font);
    const int h = p.fontMetrics().boundingRect(QStringLiteral("String Grid Printout")).height();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const PrintLayout layout = layoutPrint(game, page.height(), h);

    auto draw = [&](int x, int y, const std::string& text) {
        p.drawText(QRect(x, y, page.width() - x, h), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(text));
    };
    draw(kPrintHeaderX, kPrintHeaderY, layout.header);
    int current = 0;
    for (const PrintedLine& line : layout.lines) {
        for (; current < line.page; ++current) printer.newPage();
        draw(kPrintMovesX, line.y, line.text);
    }
    return p.end();
}

} // namespace kv
