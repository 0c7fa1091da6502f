// The commands that exchange games with people and other programs: text and
// PDN files, the clipboard (PDN games and FEN positions), printing, the board
// picture, and showing comment files in the desktop's text editor.
#include "ui/Unit1.h"

#include "files/exchange.h"
#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/replay.h"
#include "files/text_export.h"
#include "ui/board_widget.h"
#include "ui/exchange_refusal.h"
#include "ui/game_choice_dialog.h"
#include "ui/game_printing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
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
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

} // namespace

void TForm1::buildExchangeMenus()
{
    // Before the separator that precedes "Quitter".
    QAction* quit = actions_["Quitter1"];
    const QList<QAction*> entries = fichier_->actions();
    const int at = static_cast<int>(entries.indexOf(quit));
    QAction* before = at > 0 ? entries[at - 1] : quit;
    auto add = [&](const char* name, const QString& text, void (TForm1::*slot)(), const QKeySequence& key = {}) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        actions_[name] = a;
        fichier_->insertAction(before, a);
        return a;
    };
    fichier_->insertSeparator(before);
    add("Crerunfichiertexte1", tr("Créer un fichier texte"), &TForm1::Crerunfichiertexte1Click,
        QKeySequence(Qt::CTRL | Qt::Key_T));
    add("Ouvrirunfichiertexte1", tr("Ouvrir un fichier texte"), &TForm1::Ouvrirunfichiertexte1Click,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    fichier_->insertSeparator(before);
    QAction* copyGame = add("Copierlapartie1", tr("Copier la partie (PDN)"), &TForm1::Copierlapartie1Click,
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* copyPosition = add("Copierlaposition1", tr("Copier la position (FEN)"), &TForm1::Copierlaposition1Click,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    QAction* paste = add("Coller1", tr("Coller une partie ou une position"), &TForm1::Coller1Click,
                         QKeySequence(Qt::CTRL | Qt::Key_V));
    add("Editerlimagefichierbmp1", tr("Editer l'image (fichier Bitmap)"), &TForm1::Editerlimagefichierbmp1Click,
        QKeySequence(Qt::CTRL | Qt::Key_E));
    fichier_->insertSeparator(before);
    add("Imprimer1", tr("Imprimer"), &TForm1::Imprimer1Click, QKeySequence(Qt::CTRL | Qt::Key_P));
    add("Apercu1", tr("Aperçu avant impression"), &TForm1::Apercu1Click);

    // The clipboard commands are in "Edition" too.
    edition_->addSeparator();
    edition_->addAction(copyGame);
    edition_->addAction(copyPosition);
    edition_->addAction(paste);
}

GameResult TForm1::currentOutcome() const { return controller_->gameResult(); }

// ------------------------------------------------------------------ text and PDN files

void TForm1::Crerunfichiertexte1Click()
{
    const QString path =
        chooseFile({ true, tr("Créer un fichier texte"), exchangeFolder_.isEmpty() ? documentsFolder() : exchangeFolder_,
                     tr("Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)"), "txt" });
    if (path.isEmpty()) return;
    exchangeFolder_ = QFileInfo(path).absolutePath();
    const bool pdn = QFileInfo(path).suffix().compare("pdn", Qt::CaseInsensitive) == 0;
    const std::string text = pdn ? writePdn(game_, currentOutcome(), pdnTags()) : exportText(game_, currentOutcome());
    if (!writeWhole(path, QByteArray::fromStdString(text))) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    statusBar()->showMessage(tr("Partie écrite dans %1").arg(QDir::toNativeSeparators(path)), 5000);
    // A comment file is written to be completed by hand.
    if (QFileInfo(path).suffix().compare("damt", Qt::CaseInsensitive) == 0) openTextFile(path);
}

void TForm1::Ouvrirunfichiertexte1Click()
{
    const QString path = chooseFile(
        { false, tr("Ouvrir un fichier texte"), exchangeFolder_.isEmpty() ? documentsFolder() : exchangeFolder_,
          tr("Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)"), QString() });
    if (path.isEmpty()) return;
    openExchangeFile(path);
}

void TForm1::openExchangeFile(const QString& path)
{
    exchangeFolder_ = QFileInfo(path).absolutePath();
    std::string why;
    const auto file = readExchangeFile(QFile::encodeName(path).toStdString(), why);
    if (!file) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    QStringList notices;
    if (file->cut) notices << tr("Seul le début du fichier a été lu.");
    importGame(*file, notices);
}

void TForm1::importGame(const ExchangeFile& file, QStringList notices)
{
    const GameIndex games = listGames(file);
    if (games.empty()) {
        ShowError(tr("Ce texte ne contient aucune partie"));
        return;
    }
    const int choice = chooseGame(this, static_cast<int>(games.size()),
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
        ShowError(refusalMessage(*refusal));
        return;
    }
    if (parsed->gameType == GameTypeNote::Missing)
        notices << tr("Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.");
    // The record is replaced once no search runs any more.
    controller_->loadGame([this, game = *parsed, notices](GameState& g) mutable {
        const ReplayReport report = replayGame(game, g);
        if (!report.skipped.empty())
            notices << tr("Demi-coups illisibles ou illégaux ignorés : %1").arg(report.skipped.size());
        if (report.cut) notices << tr("La partie est coupée au coup %1 : le record est plein.").arg(g.gamePly);
        if (!notices.isEmpty()) statusBar()->showMessage(notices.join("  "), 15000);
    });
}

PdnTags TForm1::pdnTags() const
{
    PdnTags tags;
    tags.date = QDate::currentDate().toString("yyyy.MM.dd").toStdString();
    return tags;
}

// ------------------------------------------------------------------ the clipboard

void TForm1::Copierlapartie1Click()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(writePdn(game_, currentOutcome(), pdnTags())));
    statusBar()->showMessage(tr("Partie copiée (PDN)"), 3000);
}

void TForm1::Copierlaposition1Click()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(formatFen({ game_.displayed, game_.side })));
    statusBar()->showMessage(tr("Position copiée (FEN)"), 3000);
}

void TForm1::Coller1Click()
{
    const std::string text = QGuiApplication::clipboard()->text().trimmed().toStdString();
    if (text.empty()) {
        ShowError(tr("Le presse-papiers ne contient ni partie ni position"));
        return;
    }
    // A single line that reads as a FEN, or that starts like one, is a position.
    const bool looksLikeFen = text.find('\n') == std::string::npos && text.find(':') != std::string::npos
                              && text.find('[') == std::string::npos;
    if (looksLikeFen) {
        std::string why;
        const auto position = parseFen(text, &why);
        if (position) {
            const PieceCounts n = PieceCounts::of(position->board);
            if (n.white() == 0 || n.black() == 0) why = "each side needs a piece";
        }
        if (!position || !why.empty()) {
            ShowError(tr("Cette position n'est pas valable : %1").arg(QString::fromStdString(why)));
            return;
        }
        controller_->loadGame([p = *position](GameState& g) {
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

void TForm1::Editerlimagefichierbmp1Click()
{
    const QString path = chooseFile({ true, tr("Editer l'image (fichier Bitmap)"),
                                      exchangeFolder_.isEmpty() ? documentsFolder() : exchangeFolder_,
                                      tr("Picture (*.bmp);;Image PNG (*.png)"), "bmp" });
    if (path.isEmpty()) return;
    const bool png = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0;
    const QImage picture = board_->grab().toImage();
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !picture.save(&f, png ? "PNG" : "BMP") || !f.commit()) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    statusBar()->showMessage(tr("Image écrite dans %1").arg(QDir::toNativeSeparators(path)), 5000);
}

void TForm1::openTextFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        ShowError(tr("Impossible d'ouvrir ce fichier"));
        return;
    }
    if (commentViewer_) {
        commentViewer_(path);
        return;
    }
    // The desktop's text editor, started on its own: nothing waits for it.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) ShowError(tr("Impossible d'ouvrir ce fichier"));
}

// ------------------------------------------------------------------ printing

void TForm1::Imprimer1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer: say so and offer a PDF file instead of an empty dialog.
        QMessageBox box(QMessageBox::Information, tr("Imprimer"),
                        tr("Aucune imprimante n'est installée sur cet ordinateur.\n"
                           "La partie peut être imprimée dans un fichier PDF."),
                        QMessageBox::NoButton, this);
        box.setObjectName("Aucune_imprimante");
        QPushButton* pdf = box.addButton(tr("Fichier PDF..."), QMessageBox::AcceptRole);
        pdf->setObjectName("ImprimerPDF");
        box.addButton(tr("Annuler"), QMessageBox::RejectRole)->setObjectName("AnnulerImpression");
        box.exec();
        if (box.clickedButton() != pdf) return;
        const QString path = chooseFile({ true, tr("Imprimer dans un fichier PDF"),
                                          exchangeFolder_.isEmpty() ? documentsFolder() : exchangeFolder_,
                                          tr("Fichiers PDF (*.pdf)"), "pdf" });
        if (path.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    } else {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Imprimer"));
        if (dialog.exec() != QDialog::Accepted) return;
    }
    if (!printGame(printer, game_)) ShowError(tr("Impossible d'ouvrir ce fichier"));
}

void TForm1::Apercu1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName("Apercu");
    preview.setWindowTitle(tr("Aperçu avant impression"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { printGame(*p, game_); });
    preview.exec();
}

} // namespace kv
