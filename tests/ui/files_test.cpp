// The window's file commands and start-up, each test on a data folder of its
// own: saving and opening games, quitting and starting again, the close box,
// damaged files, the table sizes and the parameter editor.
#include "ui/parameter_editor.h"
#include "window_fixture.h"

#include "rules/geometry.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

using namespace kv;

namespace {

class Files : public ::testing::Test, protected testing_window::WindowDriver {
protected:
    QTemporaryDir user;
    QStringList errors;
    QString answer; // what the file dialogs answer

    QString userFile(const QString& name) const { return user.path() + "/" + name; }

    // A window on the shipped data and this test's user folder, on its board.
    void start(bool chooseBoard = true)
    {
        errors.clear();
        form = std::make_unique<TestWindow>(DataPaths(KV_PROGRAM_DIR, user.path()));
        form->setExternalLoop(true);
        form->setErrorSink([this](const QString& t) { errors << t; });
        form->setFileChooser([this](const QString&, const QString&, bool) { return answer; });
        form->show();
        if (!chooseBoard) return;
        form->findChild<QAbstractButton*>("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
    }

    // Both sides by clicks, between two people.
    void playHuman(std::initializer_list<std::pair<int, int>> moves)
    {
        if (!c().humanVsHuman()) trigger("Humaincontrehumain1");
        for (auto [from, to] : moves) {
            const int before = g().gamePly;
            clickUser(from);
            clickUser(to);
            ASSERT_EQ(g().gamePly, before + 1) << from << "-" << to;
        }
    }

    // Everything a reloaded game must give back.
    struct Snapshot {
        Board board;
        SideToMove side;
        int gamePly, recordedPlies;
        std::vector<std::string> lines;
        std::string white, black;
        int level;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot()
    {
        return {
            g().board,     g().side,      g().gamePly,      g().recordedPlies, g().moveList.lines(),
            g().whiteName, g().blackName, c().level().index
        };
    }
};

const std::initializer_list<std::pair<int, int>> kOpening {
    { 10, 13 }, { 23, 19 }, { 11, 14 }, { 19, 10 }, { 5, 14 }
};

TEST_F(Files, QuitThenStartAgainResumesTheGameOnTheFlatBoard)
{
    start();
    playHuman(kOpening);
    trigger("Reprendrecoups1"); // one ply back: ply 4 of 5
    c().playLoopPass();
    ASSERT_EQ(g().gamePly, 4);
    trigger("Niveau07");
    trigger("N10Mo1");
    form->applyLanguage(3);
    const Snapshot before = snapshot();
    trigger("Quitter1");
    EXPECT_EQ(QFile(userFile("last32.dam")).size(), 22442);
    EXPECT_TRUE(errors.isEmpty());

    start(false);
    EXPECT_EQ(form->languageIndex(), 3); // read at the first activation
    EXPECT_EQ(form->windowTitle(), "Korvelan 3D, o jogo");
    EXPECT_TRUE(action("Portugues1")->isChecked());
    EXPECT_EQ(form->findChild<QAbstractButton*>("BoutonDamier2D")->text(), "Tabuleiro 2D");
    form->findChild<QAbstractButton*>("BoutonDamier2D")->click();
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(action("Niveau07")->isChecked());
    EXPECT_TRUE(action("N10Mo1")->isChecked());
    EXPECT_EQ(form->search().transpositionTable().entries(), 700u * 1310u);
    EXPECT_EQ(form->search().tableDepthOffset(), 4);
    EXPECT_EQ(form->findChild<QListWidget*>("ListBox1")->count(), int(before.lines.size()));
    // The record goes on: stepping forward reaches the fifth ply again.
    trigger("Avancercoups1");
    c().playLoopPass();
    EXPECT_EQ(g().gamePly, 5);
    EXPECT_EQ(g().side, Black);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Files, TheCloseBoxKeepsTheGameAsQuitterDoes)
{
    start();
    playHuman({ { 10, 13 } });
    trigger("Quitter1");
    const QByteArray saved = [&] {
        QFile f(userFile("last32.dam"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_EQ(saved.size(), 22442);

    start();
    playHuman({ { 23, 19 }, { 11, 14 } });
    form->close();
    EXPECT_TRUE(c().quitRequested());
    QFile f(userFile("last32.dam"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray closed = f.readAll();
    EXPECT_EQ(closed.size(), 22442);
    EXPECT_NE(closed, saved); // the game of the close box, not the one quit before
}

TEST_F(Files, AFirstStartIsQuietAndADamagedStateFileIsReportedOnce)
{
    start();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(form->languageIndex(), 0);

    QFile f(userFile("last32.dam"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(22442, '\x07'));
    f.close();
    start();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.value(0).startsWith("Impossible d'ouvrir ce fichier"));
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(g().board, [] {
        Board b;
        b.setInitial();
        return b;
    }());
    // The damaged file is kept under another name, and the message names it.
    EXPECT_FALSE(QFile::exists(userFile("last32.dam")));
    const QStringList aside
        = QDir(QFileInfo(userFile("last32.dam")).path()).entryList({ "last32.unreadable-*.dam" });
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(errors.value(0).contains(aside.value(0)));
    EXPECT_EQ(QFileInfo(QFileInfo(userFile("last32.dam")).path() + "/" + aside.value(0)).size(),
              22442);
}

TEST_F(Files, SaveThenOpenGivesTheGameBack)
{
    start();
    playHuman(kOpening);
    trigger("Niveau03");
    const Snapshot before = snapshot();
    answer = userFile("Sauve/partie.dam");
    trigger("Sauver1");
    EXPECT_EQ(QFile(answer).size(), 22442);

    trigger("Niveau05");
    c().resetGame();
    ASSERT_EQ(g().gamePly, 0);
    form->applyLanguage(2);
    trigger("N0Mo1");
    trigger("Ouvrir1");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(action("Niveau03")->isChecked());
    // Opening keeps the language and the table size in force.
    EXPECT_EQ(form->languageIndex(), 2);
    EXPECT_TRUE(action("N0Mo1")->isChecked());
    EXPECT_EQ(form->search().transpositionTable().entries(), 13100u);
    EXPECT_TRUE(c().skipPonder());
    EXPECT_TRUE(errors.isEmpty());

    // A cancelled dialog changes nothing.
    answer.clear();
    trigger("Ouvrir1");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Files, DamagedGameFilesAreRefusedAndTheGameStays)
{
    start();
    playHuman(kOpening);
    answer = userFile("good.dam");
    trigger("Sauver1");
    QFile good(answer);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const Snapshot before = snapshot();

    std::vector<QByteArray> damaged { bytes.left(22441), bytes + QByteArray(1, '\0'),
                                      QByteArray() };
    for (int at : { 0, 88 + 5, 88 * 2 + 34, 22386, 22387, 22440, 22441 }) {
        QByteArray b = bytes;
        b[at] = char(0xEE);
        damaged.push_back(b);
    }
    std::mt19937 rng(3);
    QByteArray noise(22442, '\0');
    for (auto& ch : noise) ch = char(rng());
    damaged.push_back(noise);

    for (std::size_t i = 0; i < damaged.size(); ++i) {
        answer = userFile(QString("bad%1.dam").arg(i));
        QFile f(answer);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged[i]);
        f.close();
        errors.clear();
        trigger("Ouvrir1");
        EXPECT_EQ(errors.size(), 1) << i;
        EXPECT_EQ(snapshot(), before) << i;
    }
    answer = userFile("missing.dam");
    errors.clear();
    trigger("Ouvrir1");
    EXPECT_EQ(errors, QStringList { "Impossible d'ouvrir ce fichier" });
}

TEST_F(Files, TableSizeEntriesSetSizeAndDepthTogether)
{
    start();
    EXPECT_TRUE(action("N15Mo1")->isChecked());
    EXPECT_EQ(form->search().tableDepthOffset(), 2);
    const struct {
        const char* entry;
        std::size_t entries;
        int offset;
    } cases[] = {
        { "N0Mo1", 13100, -4 },
        { "N07Mo1", 65500, 0 },
        { "N30Mo1", 2620000, 8 },
        { "N15Mo1", 131000, 2 },
    };
    for (const auto& t : cases) {
        trigger(t.entry);
        EXPECT_TRUE(action(t.entry)->isChecked());
        EXPECT_EQ(form->search().transpositionTable().entries(), t.entries) << t.entry;
        EXPECT_EQ(form->search().tableDepthOffset(), t.offset) << t.entry;
    }
}

TEST_F(Files, TheOptionsMenuStartsWithItsDefaults)
{
    start();
    const std::pair<const char*, bool> options[] = {
        { "Numroterlescase1", false },        { "Alphabeticalnumber1", false },
        { "Rflexionsurtempsadverse1", true }, { "Arretrflexionparclicsouris1", true },
        { "Indicationdesmouvements1", true }, { "Dcomposerlesprises1", true },
        { "Bipchaquecoup2", true },           { "Commentaires1", true },
        { "Jeuenaveugle1", false },           { "Bibliothquesactives1", true },
    };
    for (auto [name, on] : options) {
        ASSERT_TRUE(action(name)->isCheckable()) << name;
        EXPECT_EQ(action(name)->isChecked(), on) << name;
    }
    trigger("Bibliothquesactives1");
    EXPECT_FALSE(form->search().settings.bookEnabled);
    trigger("Alphabeticalnumber1");
    EXPECT_TRUE(action("Alphabeticalnumber1")->isChecked());
}

// The positional sum of korvelan-cli eval in an opening where a black man
// stands on its own square 17 (user square 13).
std::string cliPositional(const QStringList& extra)
{
    QProcess p;
    p.start(
        QString(KV_PROGRAM_DIR) + "/korvelan-cli",
        QStringList { "eval", "B:W1,2,3,4,5,6,7,8,9,10,11,12:B13,22,23,24,25,26,27,28,29,30,31,32" }
            + extra);
    p.waitForFinished(30000);
    const QStringList lines
        = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return lines.filter("positional sum").value(0).simplified().toStdString();
}

TEST_F(Files, EditedParametersAreSavedLoadedAndSeenByTheEvaluation)
{
    start();
    EXPECT_EQ(form->parameters(), defaultParameters()); // "defaut.par" as shipped
    ParameterEditor* editor = form->parameterEditor();
    trigger("Changerlesparamtres1");
    EXPECT_TRUE(editor->isVisible());
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        editor->grab().save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_parameters.png");
    auto* tempo = editor->findChild<QLineEdit*>("Edit320");
    ASSERT_NE(tempo, nullptr);
    EXPECT_EQ(tempo->text().toInt(), defaultParameters().tempoWeight(TempoOpening));
    auto* cell = editor->findChild<QLineEdit*>("parmetre1_17");
    ASSERT_NE(cell, nullptr);

    // Cancel forgets the edits.
    tempo->setText("99");
    editor->findChild<QPushButton*>("parametrecancel")->click();
    EXPECT_EQ(form->parameters(), defaultParameters());
    trigger("Changerlesparamtres1");
    EXPECT_EQ(tempo->text().toInt(), defaultParameters().tempoWeight(TempoOpening));

    // A number outside the box's range or a word is refused with the range,
    // and nothing is stored until every box is right.
    auto* refusal = editor->findChild<QLabel*>("Refus_parametre");
    ASSERT_NE(refusal, nullptr);
    tempo->setText("-40");
    for (const char* typed : { "300", "abc", "" }) {
        cell->setText(typed);
        editor->findChild<QPushButton*>("parametreOK")->click();
        EXPECT_TRUE(editor->isVisible()) << typed;
        EXPECT_TRUE(refusal->text().contains("0") && refusal->text().contains("255")) << typed;
        EXPECT_EQ(form->parameters(), defaultParameters()) << typed;
    }
    QTest::keyClicks(cell, "z7"); // letters cannot even be typed
    EXPECT_EQ(cell->text(), "7");
    cell->setText("250");
    editor->findChild<QPushButton*>("parametreOK")->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(form->parameters().tempoWeight(TempoOpening), -40);
    EXPECT_EQ(form->parameters().tableEntry(OpeningTable, 17), 250);
    EXPECT_EQ(form->session().search().evaluator().parameters().tempoWeight(TempoOpening), -40);

    answer = userFile("parametres/essai.par");
    trigger("Sauverlesparamtres1");
    ASSERT_EQ(QFile(answer).size(), kParameterFileSize);
    const std::string edited = cliPositional({ "--params", answer }), shipped = cliPositional({});
    EXPECT_NE(edited, shipped);
    EXPECT_FALSE(edited.empty());

    start();
    EXPECT_EQ(form->parameters(), defaultParameters());
    trigger("Chargerdesparamtres1");
    EXPECT_EQ(form->parameters().tempoWeight(TempoOpening), -40);
    EXPECT_EQ(form->parameters().tableEntry(OpeningTable, 17), 250);
    answer = userFile("nothing.par");
    trigger("Chargerdesparamtres1");
    EXPECT_EQ(errors, QStringList { "Impossible d'ouvrir ce fichier" });
    EXPECT_EQ(form->parameters().tempoWeight(TempoOpening), -40);
}

} // namespace
