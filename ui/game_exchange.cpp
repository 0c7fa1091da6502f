// The commands that exchange games with people and other programs: text and
// PDN files, the clipboard (PDN games and FEN positions), printing, the board
// picture, and showing comment files in the desktop's text editor.
#include "ui/game_exchange.h"

#include "game/session.h"
#include "ui/main_window.h"

#include "files/exchange.h"
#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/replay.h"
#include "files/text_export.h"
#include "io/atomic_write.h"
#include "ui/board3d_widget.h"
#include "ui/board_views.h"
#include "ui/board_widget.h"
#include "ui/exchange_refusal.h"
#include "ui/game_choice_dialog.h"
#include "ui/game_printing.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

namespace kv {

namespace {

QString documentsFolder()
{
    // A documents folder that does not exist would be offered as the file's name.
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() || !QDir(docs).exists() ? QDir::homePath() : docs;
}

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), bytes.size()))
        .ok();
}

} // namespace

GameExchange::GameExchange(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    QMenu* fileMenu = window_.menuBar()->findChild<QMenu*>("Fichier1");
    QMenu* editMenu = window_.menuBar()->findChild<QMenu*>("Edition1");
    // Before the separator that precedes "Quitter".
    QAction* quit = window_.findChild<QAction*>("Quitter1");
    const QList<QAction*> entries = fileMenu->actions();
    const int at = static_cast<int>(entries.indexOf(quit));
    QAction* before = at > 0 ? entries[at - 1] : quit;
    auto add = [&](const char* name, const QString& text, void (GameExchange::*slot)(),
                   const QKeySequence& key = {}) {
        auto* a = new QAction(text, &window_);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        fileMenu->insertAction(before, a);
        return a;
    };
    fileMenu->insertSeparator(before);
    add("Crerunfichiertexte1", tr("Créer un fichier texte"), &GameExchange::exportGameText,
        QKeySequence(Qt::CTRL | Qt::Key_T));
    add("Ouvrirunfichiertexte1", tr("Ouvrir un fichier texte"), &GameExchange::importGameText,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    fileMenu->insertSeparator(before);
    QAction* copyGame
        = add("Copierlapartie1", tr("Copier la partie (PDN)"), &GameExchange::copyGame,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* copyPosition
        = add("Copierlaposition1", tr("Copier la position (FEN)"), &GameExchange::copyPosition,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    QAction* paste = add("Coller1", tr("Coller une partie ou une position"),
                         &GameExchange::pasteGame, QKeySequence(Qt::CTRL | Qt::Key_V));
    add("Editerlimagefichierbmp1", tr("Editer l'image (fichier Bitmap)"),
        &GameExchange::saveBoardPicture, QKeySequence(Qt::CTRL | Qt::Key_E));
    fileMenu->insertSeparator(before);
    add("Imprimer1", tr("Imprimer"), &GameExchange::printCurrentGame,
        QKeySequence(Qt::CTRL | Qt::Key_P));
    add("Apercu1", tr("Aperçu avant impression"), &GameExchange::previewPrint);

    // The clipboard commands are in "Edition" too.
    editMenu->addSeparator();
    editMenu->addAction(copyGame);
    editMenu->addAction(copyPosition);
    editMenu->addAction(paste);
}

QString GameExchange::folder() const
{
    return exchangeFolder_.isEmpty() ? documentsFolder() : exchangeFolder_;
}

GameResult GameExchange::currentOutcome() const { return session_.controller().gameResult(); }

PrintSheet GameExchange::currentSheet() const
{
    return gameSheet(session_.controller(), QDate::currentDate(), window_.languageIndex());
}

// ------------------------------------------------------------------ text and PDN files

void GameExchange::exportGameText()
{
    const QString path = window_.chooseFile(
        { true, tr("Créer un fichier texte"), folder(),
          tr("Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)"),
          "txt" });
    if (path.isEmpty()) return;
    exchangeFolder_ = QFileInfo(path).absolutePath();
    const bool pdn = QFileInfo(path).suffix().compare("pdn", Qt::CaseInsensitive) == 0;
    const std::string text = pdn ? writePdn(session_.game(), currentOutcome(), pdnTags())
                                 : exportText(session_.game(), currentOutcome());
    if (!writeWhole(path, QByteArray::fromStdString(text))) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    window_.statusBar()->showMessage(
        tr("Partie écrite dans %1").arg(QDir::toNativeSeparators(path)), 5000);
    // A comment file is written to be completed by hand.
    if (QFileInfo(path).suffix().compare("damt", Qt::CaseInsensitive) == 0) openTextFile(path);
}

void GameExchange::importGameText()
{
    const QString path
        = window_.chooseFile({ false, tr("Ouvrir un fichier texte"), folder(),
                               tr("Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN "
                                  "(*.pdn);;Tous les fichiers (*)"),
                               QString() });
    if (path.isEmpty()) return;
    openExchangeFile(path);
}

void GameExchange::openExchangeFile(const QString& path)
{
    exchangeFolder_ = QFileInfo(path).absolutePath();
    std::string why;
    const auto file = readExchangeFile(QFile::encodeName(path).toStdString(), why);
    if (!file) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    QStringList notices;
    if (file->cut) notices << tr("Seul le début du fichier a été lu.");
    importGame(*file, notices);
}

void GameExchange::importGame(const ExchangeFile& file, QStringList notices)
{
    const GameIndex games = listGames(file);
    if (games.empty()) {
        window_.showError(tr("Ce texte ne contient aucune partie"));
        return;
    }
    const int choice = chooseGame(&window_, static_cast<int>(games.size()),
                                  [&](int i) { return gameSummary(file, games, i); });
    if (choice < 0) return; // cancelled: the game stays as it was
    // A game the reader or the rules refuse changes nothing: it is tried on
    // a scratch record first, and the window says which game, where and why.
    ExchangeProblem problem;
    const auto parsed = readGame(file, games, choice, &problem);
    std::optional<ExchangeProblem> refusal;
    if (!parsed) refusal = problem;
    else refusal = replayGame(*parsed, *std::make_unique<GameState>()).refused;
    if (refusal) {
        window_.showError(refusalMessage(*refusal));
        return;
    }
    if (parsed->gameType == GameTypeNote::Missing)
        notices << tr(
            "Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.");
    // The record is replaced once no search runs any more.
    session_.controller().loadGame([this, game = *parsed, notices](GameState& g) mutable {
        const ReplayReport report = replayGame(game, g);
        if (!report.skipped.empty())
            notices
                << tr("Demi-coups illisibles ou illégaux ignorés : %1").arg(report.skipped.size());
        if (report.cut)
            notices << tr("La partie est coupée au coup %1 : le record est plein.").arg(g.gamePly);
        if (!notices.isEmpty()) window_.statusBar()->showMessage(notices.join("  "), 15000);
    });
}

PdnTags GameExchange::pdnTags() const
{
    PdnTags tags;
    tags.date = QDate::currentDate().toString("yyyy.MM.dd").toStdString();
    return tags;
}

// ------------------------------------------------------------------ the clipboard

void GameExchange::copyGame()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(writePdn(session_.game(), currentOutcome(), pdnTags())));
    window_.statusBar()->showMessage(tr("Partie copiée (PDN)"), 3000);
}

void GameExchange::copyPosition()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(formatFen({ session_.game().displayed, session_.game().side })));
    window_.statusBar()->showMessage(tr("Position copiée (FEN)"), 3000);
}

void GameExchange::pasteGame()
{
    const std::string text = QGuiApplication::clipboard()->text().trimmed().toStdString();
    if (text.empty()) {
        window_.showError(tr("Le presse-papiers ne contient ni partie ni position"));
        return;
    }
    // A single line that reads as a FEN, or that starts like one, is a position.
    const bool looksLikeFen = text.find('\n') == std::string::npos
        && text.find(':') != std::string::npos && text.find('[') == std::string::npos;
    if (looksLikeFen) {
        std::string why;
        const auto position = parseFen(text, &why);
        if (position) {
            const PieceCounts n = PieceCounts::of(position->board);
            if (n.white() == 0 || n.black() == 0) why = "each side needs a piece";
        }
        if (!position || !why.empty()) {
            window_.showError(
                tr("Cette position n'est pas valable : %1").arg(QString::fromStdString(why)));
            return;
        }
        session_.controller().loadGame([p = *position](GameState& g) {
            g.clock = {};
            g.startFrom(p.board, p.side);
        });
        return;
    }
    ExchangeFile file;
    file.contents = text;
    file.format = detectFormat(text);
    importGame(file, {});
}

// ------------------------------------------------------------------ pictures and text files

void GameExchange::saveBoardPicture()
{
    const QString path
        = window_.chooseFile({ true, tr("Editer l'image (fichier Bitmap)"), folder(),
                               tr("Image Bitmap (*.bmp);;Image PNG (*.png)"), "bmp" });
    if (path.isEmpty()) return;
    const bool png = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0;
    // The board the user sees: the 3D picture while a theme shows, else the flat board.
    Board3DWidget* board3d = window_.views().board3d();
    QWidget* shown = window_.views().theme() != 0 && board3d && board3d->isVisible()
        ? static_cast<QWidget*>(board3d)
        : window_.board();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!shown->grab().toImage().save(&buffer, png ? "PNG" : "BMP") || !writeWhole(path, bytes)) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    window_.statusBar()->showMessage(tr("Image écrite dans %1").arg(QDir::toNativeSeparators(path)),
                                     5000);
}

void GameExchange::openTextFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    if (const auto& viewer = window_.commentViewer()) {
        viewer(path);
        return;
    }
    // The desktop's text editor, started on its own: nothing waits for it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
}

// ------------------------------------------------------------------ printing

void GameExchange::printCurrentGame()
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer: say so and offer a PDF file instead of an empty dialog.
        QMessageBox box(QMessageBox::Information, tr("Imprimer"),
                        tr("Aucune imprimante n'est installée sur cet ordinateur.\n"
                           "La partie peut être imprimée dans un fichier PDF."),
                        QMessageBox::NoButton, &window_);
        box.setObjectName("Aucune_imprimante");
        QPushButton* pdf = box.addButton(tr("Fichier PDF..."), QMessageBox::AcceptRole);
        pdf->setObjectName("ImprimerPDF");
        box.addButton(tr("Annuler"), QMessageBox::RejectRole)->setObjectName("AnnulerImpression");
        box.exec();
        if (box.clickedButton() != pdf) return;
        const QString path = window_.chooseFile({ true, tr("Imprimer dans un fichier PDF"),
                                                  folder(), tr("Fichiers PDF (*.pdf)"), "pdf" });
        if (path.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    } else {
        QPrintDialog dialog(&printer, &window_);
        dialog.setWindowTitle(tr("Imprimer"));
        if (dialog.exec() != QDialog::Accepted) return;
    }
    if (!printSheet(printer, currentSheet()))
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
}

void GameExchange::previewPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName("Apercu");
    preview.setWindowTitle(tr("Aperçu avant impression"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printSheet(*p, currentSheet()); });
    preview.exec();
}

} // namespace kv
