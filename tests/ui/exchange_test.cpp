// The exchange commands of the window: text and PDN files, the game-choice
// panel, the clipboard, the board picture and printing into a PDF.
#include "window_fixture.h"

#include "ui/board3d_widget.h"

#include "files/pdn_reader.h"
#include "files/pdn_writer.h"
#include "files/text_export.h"
#include "ui/game_choice_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

#include <random>

using namespace kv;
using namespace kv::testing_window;

namespace {

class Exchange : public Window {
protected:
    // The window on the shipped data and a user folder of the test's own, its
    // dialogs answered by the test, between two people.
    void SetUp() override
    {
        // A test that quit the window left the application's quit flag set,
        // which ends every modal dialog at once; a short run of the
        // application's loop clears it.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        form = std::make_unique<TestWindow>(DataPaths(KV_PROGRAM_DIR, user.path()));
        form->setExternalLoop(true);
        form->setErrorSink([this](const QString& t) { errors << t; });
        form->setFileChooser([this](const QString&, const QString&, bool) { return answer; });
        form->show();
        button("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
        setOption("Rflexionsurtempsadverse1", false);
        trigger("Nouveau2");
        form->findChild<QLineEdit*>("Joueur2")->setText("Anne");
        form->findChild<QLineEdit*>("Joueur3")->setText("Bruno");
        button("BitBtn17")->click();
        errors.clear(); // a first start finds no last game to resume
    }

    void playRandom(int plies, unsigned seed)
    {
        std::mt19937 rng(seed);
        for (int i = 0; i < plies; ++i) {
            const int n = g().generateLegal();
            if (n == 0) break;
            const MoveRecord m
                = g().gen.list(1)[static_cast<int>(rng() % static_cast<unsigned>(n))];
            g().playMove(m, g().gen.captureCount());
        }
        c().picture().showBoard(g().displayed);
    }

    // Runs `act` on the dialog of that name once it is up (other windows may
    // have left boxes of their own open).
    void whenModal(const char* name, std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, form.get(), [name, act] {
            QWidget* found = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == name) found = w;
            ASSERT_NE(found, nullptr) << name;
            act(found);
        });
    }

    QString file(const char* name) const { return dir.filePath(name); }

    QTemporaryDir user, dir;
    QString answer;
    QStringList errors;
};

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(Exchange, TextAndPdnFilesImportBackIdentical)
{
    playRandom(31, 4);
    const GameRecord played = g().record;
    const int ply = g().gamePly;
    for (const char* name : { "partie.pdn", "partie.txt" }) {
        answer = file(name);
        trigger("Crerunfichiertexte1");
        const bool pdn = QString(name).endsWith("pdn");
        EXPECT_TRUE(contents(answer).startsWith(pdn ? "[Event" : "Anne-Bruno \r\nKorvelan144\r\n"))
            << name;
        trigger("Nouveau2");
        button("BitBtn17")->click();
        ASSERT_EQ(g().gamePly, 0);
        trigger("Ouvrirunfichiertexte1");
        // Both hold every ply, the last white one without an answer included.
        EXPECT_EQ(g().gamePly, ply) << name;
        for (int k = 0; k <= g().gamePly; ++k)
            EXPECT_EQ(g().record[k].squares, played[k].squares) << name << k;
        EXPECT_EQ(g().whiteName, "Anne");
        EXPECT_EQ(g().blackName, "Bruno");
        EXPECT_TRUE(text("Nom_blanc").startsWith("Anne"));
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Exchange, CollectionOffersTheChoiceAndCancelLeavesTheGame)
{
    QFile f(file("trois.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Alice-Bob  1-1\r\n1. 9-13 22-18\r\n\r\nCarla-Didier\r\n1. 10-14\r\n\r\nEve-Fred\r\n1. "
            "11-15\r\n");
    f.close();
    playRandom(6, 1);
    const GameRecord before = g().record;
    answer = f.fileName();
    QStringList shown;
    whenModal("Panel_choix", [&](QWidget* w) {
        auto* list = w->findChild<QListWidget*>("ListBox16");
        ASSERT_NE(list, nullptr);
        const QString grabs = qEnvironmentVariable("KV_GRAB_DIR");
        if (!grabs.isEmpty()) w->grab().save(grabs + "/korvelan_choix_partie.png");
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        w->findChild<QPushButton*>("ListeCancel")->click();
    });
    trigger("Ouvrirunfichiertexte1");
    EXPECT_EQ(shown, (QStringList { " 1:Alice-Bob", " 2:Carla-Didier", " 3:Eve-Fred" }))
        << errors.join("|").toStdString();
    EXPECT_EQ(g().gamePly, 6);
    EXPECT_EQ(g().record[6].squares, before[6].squares);

    whenModal("Panel_choix", [](QWidget* w) {
        w->findChild<QListWidget*>("ListBox16")->setCurrentRow(1);
        w->findChild<QPushButton*>("ListeOK")->click();
    });
    trigger("Ouvrirunfichiertexte1");
    EXPECT_EQ(g().whiteName, "Carla");
    EXPECT_EQ(g().gamePly, 1);
}

// A file of many games lists only the first ones and finds a game by its
// number; a refused game says which, where and why, and changes nothing.
TEST_F(Exchange, LongCollectionIsSearchedAndARefusedGameChangesNothing)
{
    QFile f(file("many.pdn"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 2000; ++i)
        f.write(QString("[White \"P%1\"]\n[GameType \"28\"]\n1. %2 *\n")
                    .arg(i)
                    .arg(i == 1500 ? "9-14" : "9-13")
                    .toUtf8());
    f.close();
    playRandom(6, 1);
    const GameRecord before = g().record;
    answer = f.fileName();
    int listed = 0;
    whenModal("Panel_choix", [&](QWidget* w) {
        auto* list = w->findChild<QListWidget*>("ListBox16");
        listed = list->count();
        auto* search = w->findChild<QLineEdit*>("GameSearch");
        search->setText("p199"); // names, whatever the case: P199 and P1990..P1999
        EXPECT_EQ(list->count(), 11);
        search->setText("1500");
        EXPECT_EQ(list->item(0)->text(), "1500:P1500-");
        list->setCurrentRow(0);
        w->findChild<QPushButton*>("ListeOK")->click();
    });
    trigger("Ouvrirunfichiertexte1");
    EXPECT_EQ(listed, kShownGames);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Partie 1500, ligne 4500 : un coup n'est pas légal"))
        << errors[0].toStdString();
    EXPECT_EQ(g().gamePly, 6);
    EXPECT_EQ(g().record[6].squares, before[6].squares);
}

TEST_F(Exchange, FilesThatCannotBeWrittenOrReadSaySo)
{
    answer = file("absent/partie.txt");
    trigger("Crerunfichiertexte1");
    trigger("Ouvrirunfichiertexte1");
    answer = file("absent/image.bmp");
    trigger("Editerlimagefichierbmp1");
    EXPECT_EQ(errors,
              QStringList({ "Impossible d'ouvrir ce fichier", "Impossible d'ouvrir ce fichier",
                            "Impossible d'ouvrir ce fichier" }));
}

TEST_F(Exchange, PositionAndGameThroughTheClipboard)
{
    playRandom(9, 2);
    const Board position = g().displayed;
    const SideToMove side = g().side;
    trigger("Copierlaposition1");
    const QString fen = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(fen.startsWith(side == White ? "W:W" : "B:W")) << fen.toStdString();
    trigger("Copierlapartie1");
    const QString pdn = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(pdn.contains("[White \"Anne\"]")) << pdn.toStdString();
    const GameRecord played = g().record;
    const int ply = g().gamePly;

    trigger("Nouveau2");
    button("BitBtn17")->click();
    QGuiApplication::clipboard()->setText(fen);
    trigger("Coller1");
    EXPECT_EQ(g().displayed, position);
    EXPECT_EQ(g().side, side);
    EXPECT_EQ(g().gamePly, 0);

    QGuiApplication::clipboard()->setText("W:W9,9:B20");
    trigger("Coller1");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Cette position n'est pas valable"));
    EXPECT_EQ(g().displayed, position);

    // The game pasted back: the same plies and positions.
    QGuiApplication::clipboard()->setText(pdn);
    trigger("Coller1");
    ASSERT_EQ(g().gamePly, ply);
    for (int k = 0; k <= ply; ++k) EXPECT_EQ(g().record[k].squares, played[k].squares) << k;
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(Exchange, BoardPictureAsBitmapOrPng)
{
    for (const char* name : { "damier.bmp", "damier.png" }) {
        answer = file(name);
        trigger("Editerlimagefichierbmp1");
        const QByteArray bytes = contents(answer);
        EXPECT_TRUE(bytes.startsWith(QString(name).endsWith("bmp") ? "BM" : "\x89PNG")) << name;
        QImage image;
        ASSERT_TRUE(image.loadFromData(bytes));
        EXPECT_EQ(image.size(), form->board()->size());
    }
    // In a 3D view the picture is the 3D board the user sees, not the hidden flat one.
    trigger("Damier3D1");
    auto* board3d = form->findChild<Board3DWidget*>();
    ASSERT_TRUE(board3d && board3d->isVisible());
    answer = file("damier3d.png");
    trigger("Editerlimagefichierbmp1");
    QImage image;
    ASSERT_TRUE(image.loadFromData(contents(answer)));
    EXPECT_EQ(image.size(), board3d->size());
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              board3d->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(Exchange, PrintingWithoutPrinterOffersAPdfWithHeaderAndMoves)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    playRandom(27, 6); // thirteen complete moves and a half
    answer = file("partie.pdf");
    QString message;
    whenModal("Aucune_imprimante", [&](QWidget* w) {
        message = static_cast<QMessageBox*>(w)->text();
        w->findChild<QPushButton*>("ImprimerPDF")->click();
    });
    trigger("Imprimer1");
    EXPECT_TRUE(message.startsWith("Aucune imprimante")) << message.toStdString();
    ASSERT_TRUE(contents(answer).startsWith("%PDF"));
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        QFile::copy(answer, qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_partie.pdf");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess p;
    p.start(pdftotext, { "-layout", answer, "-" });
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    // The header: names, result, date, level, and the diagram's title.
    for (const char* part : { "Anne - Bruno", "Résultat : partie en cours",
                              "Date : ", "Niveau : 5 : Excellence", "Position finale" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    // The moves, six to a line.
    static const QRegularExpression moveLine("^\\d+\\.\\d");
    QStringList lines;
    for (const QString& l : text.split('\n'))
        if (moveLine.match(l.trimmed()).hasMatch()) lines << l.trimmed();
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    EXPECT_TRUE(lines[0].startsWith("1.") && lines[0].contains(" 6.") && !lines[0].contains(" 7."));
    EXPECT_TRUE(lines[1].startsWith("7.") && lines[1].contains("12.") && !lines[1].contains("13."));
    EXPECT_TRUE(lines[2].startsWith("13.")
                && lines[2].contains("14.")); // white's last half-move too
}

TEST_F(Exchange, BestmoveFileHoldsTheCalculationLines)
{
    auto* list = form->findChild<QListWidget*>("ListBox2");
    ASSERT_NE(list, nullptr);
    list->clear();
    list->addItems({ "5  10-14 23-19", "6  11-15" });
    button("Button9")->click();
    EXPECT_EQ(contents(user.path() + "/Bestmove.txt"), "5  10-14 23-19\n6  11-15\n");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Exchange, PrintPreviewOpensAndCloses)
{
    playRandom(12, 3);
    QString shown;
    whenModal("Apercu", [&](QWidget* w) {
        shown = w->objectName();
        static_cast<QDialog*>(w)->reject();
    });
    trigger("Apercu1");
    EXPECT_EQ(shown, "Apercu");
    EXPECT_EQ(g().gamePly, 12);
}
