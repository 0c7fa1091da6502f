// The window's command line: what it accepts and refuses, and each kind of
// file given there opened in the offscreen window past its welcome panel.
#include "window_fixture.h"

#include "files/game_file.h"
#include "rules/notation.h"
#include "ui/command_line.h"
#include "ui/languages.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kv;

namespace {

void play(GameState& game, const char* move)
{
    const auto m = parseMove(game.board, game.side, move, nullptr);
    ASSERT_TRUE(m) << move;
    game.playMove(*m, m->n);
}

TEST(CommandLineOptions, AcceptAFileAndALanguageAndRefuseTheRest)
{
    const CommandLine plain = parseCommandLine({ "korvelan" });
    EXPECT_FALSE(plain.exitStatus);
    EXPECT_TRUE(plain.file.isEmpty());
    EXPECT_EQ(plain.language, -1);

    const CommandLine both = parseCommandLine({ "korvelan", "--lang", "NL", "partie.pdn" });
    EXPECT_FALSE(both.exitStatus);
    EXPECT_EQ(both.language, Dutch);
    // Made absolute at once: the window changes its working folder.
    EXPECT_TRUE(QFileInfo(both.file).isAbsolute());
    EXPECT_TRUE(both.file.endsWith("/partie.pdn"));

    const struct {
        QStringList arguments;
        int status;
        const char* said;
    } ends[] = {
        { { "/usr/bin/korvelan", "--help" }, 0, "--lang" },
        { { "korvelan", "--version" }, 0, "korvelan " },
        { { "korvelan", "--lang", "de" }, 2, "de" },
        { { "korvelan", "--lang" }, 2, "lang" },
        { { "korvelan", "a.pdn", "b.pdn" }, 2, "korvelan: " },
        { { "korvelan", "--frob" }, 2, "frob" },
    };
    for (const auto& e : ends) {
        const CommandLine line = parseCommandLine(e.arguments);
        const std::string args = e.arguments.join(' ').toStdString();
        ASSERT_TRUE(line.exitStatus) << args;
        EXPECT_EQ(*line.exitStatus, e.status) << args;
        EXPECT_TRUE(line.message.contains(e.said)) << args << ": " << line.message.toStdString();
        EXPECT_FALSE(line.message.contains("/usr/bin")) << args;
    }
}

class CommandLineFiles : public ::testing::Test, protected testing_window::WindowDriver {
protected:
    void start(const QStringList& arguments)
    {
        form = std::make_unique<TestWindow>(DataPaths(KV_PROGRAM_DIR, user.path()));
        form->setExternalLoop(true);
        form->setErrorSink([this](const QString& t) { errors << t; });
        form->show();
        const CommandLine line = parseCommandLine(QStringList { "korvelan" } + arguments);
        ASSERT_FALSE(line.exitStatus);
        startWith(*form, line);
        QCoreApplication::processEvents(); // the file opens on the loop's next turn
    }

    // Past the welcome panel, on the flat board.
    bool onBoard()
    {
        const QWidget* welcome = widget("Bienvenue");
        return form->board()->isVisible() && (!welcome || !welcome->isVisible());
    }

    QString write(const char* name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    QTemporaryDir user, dir;
    QStringList errors;
};

TEST_F(CommandLineFiles, EachKindOfGameOpensOnTheBoard)
{
    // A saved game, even under another name.
    GameState saved;
    saved.newGame();
    saved.whiteName = "Anne";
    saved.blackName = "Bruno";
    saved.storeRecordEntry(0);
    play(saved, "10-14");
    play(saved, "24-20");
    GameFileError why;
    const QString dam = dir.filePath("sauvée.dam");
    ASSERT_TRUE(WriteGameFile(dam.toStdString(), gameFileOf(saved, StoredSettings {}), why));
    const QString renamed = dir.filePath("partie");
    ASSERT_TRUE(QFile::copy(dam, renamed));
    for (const QString& path : { dam, renamed }) {
        start({ path });
        EXPECT_TRUE(onBoard());
        EXPECT_EQ(g().gamePly, 2) << path.toStdString();
        EXPECT_EQ(g().whiteName, "Anne");
    }

    // A text game of one game opens without a question.
    start({ write("texte.txt", "Carla-Didier\r\n1. 10-14 21-17\r\n") });
    EXPECT_EQ(g().whiteName, "Carla");
    EXPECT_EQ(g().gamePly, 2);

    // A PDN of several games asks which one.
    // Answered once it is up, from inside its own event loop.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == "Panel_choix") {
                w->findChild<QListWidget*>("ListBox16")->setCurrentRow(1);
                w->findChild<QPushButton*>("ListeOK")->click();
            }
    });
    answer.start(10);
    start({ write("deux.pdn",
                  "[White \"Alice\"]\n[Black \"Bob\"]\n\n1. 9-13 22-18 *\n\n"
                  "[White \"Carla\"]\n[Black \"Didier\"]\n\n1. 10-14 *\n") });
    EXPECT_EQ(g().whiteName, "Carla");
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_TRUE(onBoard());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

TEST_F(CommandLineFiles, AFileThatCannotBeReadIsReportedAndTheWindowOpens)
{
    for (const QString& path :
         { dir.filePath("absente.pdn"), write("vide.dam", "pas une partie") }) {
        errors.clear();
        start({ "--lang", "en", path });
        EXPECT_TRUE(onBoard());
        EXPECT_EQ(g().gamePly, 0);
        ASSERT_EQ(errors.size(), 1) << path.toStdString();
        // In the language asked for, which is in force before the file is read.
        EXPECT_EQ(form->languageIndex(), English);
        EXPECT_TRUE(errors[0].startsWith(
            QCoreApplication::translate("kv::MainWindow", "Impossible d'ouvrir ce fichier")));
        EXPECT_FALSE(errors[0].startsWith("Impossible d'ouvrir")) << errors[0].toStdString();
    }
}

} // namespace
