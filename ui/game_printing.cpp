#include "ui/game_printing.h"

#include "files/print_layout.h"
#include "files/text_export.h"
#include "game/controller.h"
#include "rules/geometry.h"
#include "ui/languages.h"
#include "ui/level_menu.h"
#include "ui/player_names.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kv {

namespace {

// The printouts' own texts.
struct Printout {
    Q_DECLARE_TR_FUNCTIONS(kv::Printout)
};

// The level as its menu entry names it.
QString levelText(const LevelSetting& level)
{
    if (const LevelMenuEntry* e = levelMenuEntry(level.index))
        return QCoreApplication::translate("kv::MainWindow", e->caption);
    return Printout::tr("Autre : 30 coups en %1 mn").arg(level.minutes);
}

QString resultText(const GameController& c)
{
    if (!c.gameOver()) return Printout::tr("partie en cours");
    const QString score = QString::fromLatin1(scoreText(c.gameResult()).data(),
                                              static_cast<int>(scoreText(c.gameResult()).size()));
    const QString message = c.endMessage();
    return message.isEmpty() ? score : score + "  (" + message + ")";
}

// The lines cut at blanks where they would run past `width`.
std::vector<std::string> wrapped(const std::vector<std::string>& lines, const QFontMetrics& fm,
                                 int width)
{
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        QString rest = QString::fromStdString(line);
        while (fm.horizontalAdvance(rest) > width) {
            int cut = rest.size();
            while (cut > 0 && fm.horizontalAdvance(rest.left(cut)) > width)
                cut = rest.lastIndexOf(' ', cut - 1);
            if (cut <= 2) break; // one word wider than the page: it stays whole
            out.push_back(rest.left(cut).toStdString());
            rest = "  " + rest.mid(cut + 1);
        }
        out.push_back(rest.toStdString());
    }
    return out;
}

} // namespace

PrintSheet gameSheet(const GameController& controller, const QDate& date, int language)
{
    const GameState& game = controller.game();
    PrintSheet sheet;
    sheet.players
        = QString::fromStdString(game.whiteName) + " - " + QString::fromStdString(game.blackName);
    const std::string_view code = languageEntry(language).code;
    const QLocale locale(QString::fromLatin1(code.data(), static_cast<int>(code.size())));
    sheet.facts << Printout::tr("Résultat : %1").arg(resultText(controller))
                << Printout::tr("Date : %1").arg(locale.toString(date, QLocale::LongFormat))
                << Printout::tr("Niveau : %1").arg(levelText(controller.level()));
    sheet.position = game.displayed;
    sheet.positionTitle = game.gamePly == game.recordedPlies
        ? Printout::tr("Position finale")
        : Printout::tr("Position au coup %1").arg((game.gamePly + 1) / 2);
    const int complete = recordLineCount(game);
    for (int i = 0; i < complete; i += 6) sheet.lines.push_back(printedMoveText(game, i));
    return sheet;
}

void drawDiagram(QPainter& p, const QRectF& square, const Board& board)
{
    const qreal side = square.width() / 8;
    p.save();
    QFont numbers = p.font();
    numbers.setPixelSize(std::max(1, static_cast<int>(side / 4)));
    p.setFont(numbers);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const QRectF cell(square.left() + column * side, square.top() + row * side, side, side);
            const auto s = static_cast<Square>(detail::squareAt(row, column));
            p.fillRect(cell, s ? QColor(150, 150, 150) : Qt::white);
            if (!s) continue;
            p.setPen(Qt::black);
            p.drawText(cell.adjusted(side / 16, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                       QString::number(userNumber(s)));
            const std::uint8_t code = board[s];
            if (code == Empty) continue;
            const QRectF disc = cell.adjusted(side * 0.18, side * 0.18, -side * 0.18, -side * 0.18);
            p.setPen(QPen(Qt::black, std::max<qreal>(1, side / 24)));
            p.setBrush(isWhite(code) ? Qt::white : Qt::black);
            p.drawEllipse(disc);
            if (isKing(code)) {
                p.setPen(
                    QPen(isWhite(code) ? Qt::black : Qt::white, std::max<qreal>(1, side / 20)));
                p.setBrush(Qt::NoBrush);
                const qreal in = disc.width() * 0.22;
                p.drawEllipse(disc.adjusted(in, in, -in, -in));
            }
        }
    }
    p.setPen(QPen(Qt::black, std::max<qreal>(1, side / 24)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square);
    p.restore();
}

bool printSheet(QPagedPaintDevice& device, const PrintSheet& sheet)
{
    QPainter p;
    if (!p.begin(&device)) return false;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // A fixed-width font keeps the moves of successive lines in columns.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    QFont title = font;
    title.setPointSize(14);
    title.setBold(true);
    p.setFont(font);
    const int h = p.fontMetrics().boundingRect(QStringLiteral("String Grid Printout")).height();

    // The names, then the facts, on the left; the diagram on the right.
    const int diagram = std::min(page.width() * 2 / 5, page.height() / 3) / 8 * 8;
    const QRectF board(page.width() - diagram, kPrintHeaderY, diagram, diagram);
    const int textWidth = page.width() - diagram - h;
    p.setFont(title);
    const int titleHeight = p.fontMetrics().lineSpacing();
    p.drawText(QRect(kPrintHeaderX, kPrintHeaderY, textWidth, titleHeight),
               Qt::AlignLeft | Qt::AlignTop, sheet.players);
    p.setFont(font);
    int y = kPrintHeaderY + titleHeight + h / 2;
    for (const QString& fact : sheet.facts) {
        p.drawText(QRect(kPrintHeaderX, y, textWidth, h), Qt::AlignLeft | Qt::AlignTop, fact);
        y += h * 3 / 2;
    }
    drawDiagram(p, board, sheet.position);
    p.drawText(QRectF(board.left(), board.bottom() + h / 4, board.width(), h),
               Qt::AlignHCenter | Qt::AlignTop, sheet.positionTitle);
    const int headerBottom = std::max(y, static_cast<int>(board.bottom()) + h * 3 / 2);

    int current = 0;
    for (const PrintedLine& line :
         layoutLines(wrapped(sheet.lines, p.fontMetrics(), page.width() - kPrintMovesX),
                     page.height(), h, sheet.lineStep, headerBottom)) {
        for (; current < line.page; ++current) device.newPage();
        p.drawText(QRect(kPrintMovesX, line.y, page.width() - kPrintMovesX, h),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(line.text));
    }
    return p.end();
}

} // namespace kv
