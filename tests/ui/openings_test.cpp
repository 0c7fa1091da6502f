// The opening libraries in the window: the "Paramétrage" menu, the editors
// WhiteOpeningEditor and BlackOpeningEditor, stored sets, and the engine playing from the book.
#include "session_window.h"

#include "openings/library_sets.h"
#include "rules/geometry.h"
#include "rules/movegen.h"
#include "ui/board_widget.h"
#include "ui/opening_editor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class Openings : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's data folder of this test alone.
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        startWindow(KV_PROGRAM_DIR);
    }
    void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

    void startWindow(const QString& programDir)
    {
        form = std::make_unique<TestWindow>(programDir);
        form->setExternalLoop(true);
        form->show();
        form->findChild<QAbstractButton*>("BoutonDamier2D")->click();
        c().timing = { 0, 0, 0, 0 };
        action("Rflexionsurtempsadverse1")->setChecked(false);
        action("Niveau01")->trigger();
        form->chooseOpeningSet = [this](bool save, const QString& dir) {
            dialogs << (save ? "save " : "open ") + dir;
            return answer;
        };
    }

    GameController& c() { return form->controller(); }
    QAction* action(const char* name) { return form->findChild<QAction*>(name); }
    OpeningEditor* editor(SideToMove side)
    {
        return side == White ? static_cast<OpeningEditor*>(form->whiteOpeningEditor())
                             : form->blackOpeningEditor();
    }
    template <class W> W* in(SideToMove side, const char* name)
    {
        return editor(side)->findChild<W*>(name);
    }
    QStringList listed(SideToMove side)
    {
        QStringList l;
        auto* list = in<QListWidget>(side, "Liste_Ouvertures");
        for (int i = 0; i < list->count(); ++i) l << list->item(i)->text();
        return l;
    }
    void click(SideToMove side, const char* button) { in<QPushButton>(side, button)->click(); }
    void setLine(SideToMove side, const QString& text)
    {
        in<QLineEdit>(side, "Nouvelle_Ouverture")->setText(text);
    }
    QString userFile(const QString& name) { return form->openingsUserDir() + "/" + name; }
    void writeFile(const QString& path, const std::vector<std::string>& lines)
    {
        QDir().mkpath(QFileInfo(path).path());
        std::string why;
        ASSERT_TRUE(writeLibrary(path.toStdString(), OpeningLibrary(lines), why)) << why;
    }
    OpeningLibrary readFile(const QString& path)
    {
        OpeningLibrary lib;
        std::string why;
        EXPECT_TRUE(readLibrary(path.toStdString(), lib, why)) << why;
        return lib;
    }
    void clickUser(int user)
    {
        const Square s = internalSquare(user);
        QTest::mouseClick(form->board(), Qt::LeftButton, {},
                          QPoint(BoardWidget::kLeft + BoardWidget::kSquare * columnOf(s) + 30,
                                 BoardWidget::kTop + BoardWidget::kSquare * rowOf(s) + 30));
        c().playLoopPass();
    }
    // A quiet legal move of the user whose man has another move too (a man
    // with a single move goes at the first click).
    std::optional<MoveRecord> userMove(Square from, Square to)
    {
        MoveGenerator gen;
        Board b = c().game().board;
        const int n = gen.generateLegal(b, c().game().side);
        int sameFrom = 0;
        std::optional<MoveRecord> found;
        for (int i = 0; i < n; ++i) {
            const MoveRecord& m = gen.list(1)[i];
            if (m.from != from) continue;
            ++sameFrom;
            if (m.to == to && !m.isCapture()) found = m;
        }
        return sameFrom > 1 ? found : std::nullopt;
    }
    // The user plays white's move; the loop runs until the computer has answered.
    void playAndAwaitReply(int from, int to)
    {
        const int ply = c().game().gamePly;
        clickUser(from);
        clickUser(to);
        for (int i = 0; i < 2000 && c().game().gamePly < ply + 2; ++i) c().playLoopPass();
        ASSERT_EQ(c().game().gamePly, ply + 2) << [this] {
            std::string t;
            for (int p = 1; p <= c().game().gamePly; ++p)
                t += std::to_string(userNumber(c().game().record[p].from)) + "-"
                    + std::to_string(userNumber(c().game().record[p].to)) + " ";
            return t;
        }();
    }

    QTemporaryDir home;
    std::unique_ptr<TestWindow> form;
    QStringList dialogs;
    QString answer;
};

TEST_F(Openings, TheShippedBookIsLoadedAndTheEngineAnswersFromIt)
{
    EXPECT_TRUE(action("Bibliothquesactives1")->isChecked());
    EXPECT_GE(c().openings.white.size(), 100u);
    EXPECT_GE(c().openings.black.size(), 100u);
    // A first move the black book answers.
    std::optional<MoveRecord> first;
    for (const BookMove& m : bookLookup(c().openings.black, {}))
        if (const auto legal = userMove(m.from, m.to)) first = legal;
    ASSERT_TRUE(first);
    playAndAwaitReply(userNumber(first->from), userNumber(first->to));
    EXPECT_EQ(c().lastResult().outcome, SearchOutcome::Book);
    EXPECT_EQ(c().lastResult().nodes, 0u);

    // Switched off, the engine searches.
    action("Bibliothquesactives1")->trigger();
    EXPECT_FALSE(action("Bibliothquesactives1")->isChecked());
    EXPECT_FALSE(c().search().settings.bookEnabled);
    Board b = c().game().board;
    MoveGenerator gen;
    const int n = gen.generateLegal(b, White);
    std::vector<MoveRecord> whites(gen.list(1).begin(), gen.list(1).begin() + n);
    std::optional<MoveRecord> next;
    for (const MoveRecord& w : whites) {
        // One after which black has a choice: a single reply is not searched.
        Board after = b;
        applyMove(after, w);
        if (gen.generateLegal(after, Black) > 1 && !next) next = userMove(w.from, w.to);
    }
    ASSERT_TRUE(next);
    playAndAwaitReply(userNumber(next->from), userNumber(next->to));
    EXPECT_EQ(c().lastResult().outcome, SearchOutcome::Searched);
}

TEST_F(Openings, ALineAddedInTheEditorIsPlayed)
{
    // The black editor offers the game so far; its reply is added to the line.
    playAndAwaitReply(12, 16);
    c().search().settings.bookEnabled = false;
    action("Ouverturespourlesnoirs1")->trigger();
    EXPECT_TRUE(form->blackOpeningEditor()->isVisible());
    EXPECT_FALSE(form->whiteOpeningEditor()->isVisible());
    const RecordEntry& reply = c().game().record[2];
    EXPECT_EQ(in<QLineEdit>(Black, "Nouvelle_Ouverture")->text(),
              QString::asprintf("%2d-%2d %2d-%2d ", 12, 16, userNumber(reply.from),
                                userNumber(reply.to)));
    EXPECT_EQ(in<QLineEdit>(White, "Nouvelle_Ouverture")->text(),
              in<QLineEdit>(Black, "Nouvelle_Ouverture")->text());

    // The black library holds only the new line, whose answer is the last
    // quiet legal move, not the one a search would likely choose.
    c().openings.black.clear();
    form->blackOpeningEditor()->showLines();
    // A quiet move of white after which black has a choice of quiet moves.
    MoveGenerator gen;
    Board start = c().game().board;
    const int whiteMoves = gen.generateLegal(start, White);
    std::vector<MoveRecord> whites(gen.list(1).begin(), gen.list(1).begin() + whiteMoves);
    MoveRecord mine, last;
    for (const MoveRecord& w : whites) {
        Board b = start;
        applyMove(b, w);
        const int n = gen.generateLegal(b, Black);
        // A man with one move goes at the first click: take one with two.
        const auto sameFrom = std::count_if(whites.begin(), whites.end(),
                                            [&](auto& o) { return o.from == w.from; });
        if (sameFrom < 2 || n < 2 || gen.list(1)[0].isCapture() || w.isCapture()) continue;
        // The last of black's moves that gives white nothing to take.
        std::vector<MoveRecord> blacks(gen.list(1).begin(), gen.list(1).begin() + n);
        for (auto r = blacks.rbegin(); r != blacks.rend() && mine.from == 0; ++r) {
            Board after = b;
            applyMove(after, *r);
            if (gen.generateLegal(after, White) > 0 && !gen.list(1)[0].isCapture()) {
                mine = w;
                last = *r;
            }
        }
        if (mine.from != 0) break;
    }
    ASSERT_NE(mine.from, 0);
    const QString line = in<QLineEdit>(Black, "Nouvelle_Ouverture")->text()
        + QString::asprintf("%2d-%2d %2d-%2d ", userNumber(mine.from), userNumber(mine.to),
                            userNumber(last.from), userNumber(last.to));
    setLine(Black, line);
    click(Black, "Valide_Ouverture");
    EXPECT_EQ(listed(Black), QStringList { line });
    c().search().settings.bookEnabled = true;
    playAndAwaitReply(userNumber(mine.from), userNumber(mine.to));
    EXPECT_EQ(c().lastResult().outcome, SearchOutcome::Book);
    EXPECT_EQ(c().game().record[c().game().gamePly].from, last.from);
    EXPECT_EQ(c().game().record[c().game().gamePly].to, last.to);
}

TEST_F(Openings, EditingAndCancellingRestoresTheActiveFile)
{
    writeFile(userFile(kWhiteLibraryFile), { "12-16 21-17 ", " 9-13 22-18 " });
    action("Ouverturespourlesblancs1")->trigger();
    ASSERT_TRUE(form->whiteOpeningEditor()->isVisible());
    EXPECT_EQ(listed(White), (QStringList { " 9-13 22-18 ", "12-16 21-17 " }));
    // A new position: no recorded move gives an empty new line.
    EXPECT_EQ(in<QLineEdit>(White, "Nouvelle_Ouverture")->text(), "");

    setLine(White, "10-14 ");
    click(White, "Valide_Ouverture");
    click(White, "Valide_Ouverture"); // duplicates are kept
    EXPECT_EQ(listed(White), (QStringList { " 9-13 22-18 ", "10-14 ", "10-14 ", "12-16 21-17 " }));
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        form->whiteOpeningEditor()->grab().save(qEnvironmentVariable("KV_GRAB_DIR")
                                                + "/korvelan_opening_editor.png");
    // "Effacer" without a selected line deletes nothing.
    in<QListWidget>(White, "Liste_Ouvertures")->clearSelection();
    click(White, "Effacer");
    EXPECT_EQ(listed(White).size(), 4);
    EXPECT_EQ(in<QLineEdit>(White, "Nouvelle_Ouverture")->text(), "");
    // Clicking a line copies it; "Effacer" then deletes it.
    auto* list = in<QListWidget>(White, "Liste_Ouvertures");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(in<QLineEdit>(White, "Nouvelle_Ouverture")->text(), "12-16 21-17 ");
    click(White, "Effacer");
    EXPECT_EQ(listed(White), (QStringList { " 9-13 22-18 ", "10-14 ", "10-14 " }));
    EXPECT_EQ(c().openings.white.size(), 3u); // the list is the library in play

    click(White, "BitBtn2"); // "Annuler"
    EXPECT_FALSE(form->whiteOpeningEditor()->isVisible());
    EXPECT_EQ(c().openings.white, OpeningLibrary({ "12-16 21-17 ", " 9-13 22-18 " }));
    EXPECT_EQ(listed(White), (QStringList { " 9-13 22-18 ", "12-16 21-17 " }));
}

TEST_F(Openings, StoringASetUnderANameWithoutExtension)
{
    writeFile(userFile(kBlackLibraryFile), { "12-16 21-17 " });
    action("Ouverturespourlesblancs1")->trigger();
    c().openings.white.clear();
    setLine(White, "12-16 22-18 11-15 ");
    click(White, "Valide_Ouverture");
    answer = form->openingsUserDir() + "/parametres/mine";
    click(White, "BitBtn1"); // "Enregistrer"
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0], "save " + form->openingsUserDir() + "/parametres");
    EXPECT_TRUE(QFile::exists(answer + ".ovv"));
    EXPECT_EQ(readFile(answer + "_b.ouv"), OpeningLibrary({ "12-16 22-18 11-15 " }));
    EXPECT_EQ(readFile(answer + "_n.ouv"), OpeningLibrary({ "12-16 21-17 " }));
    EXPECT_EQ(readFile(userFile(kWhiteLibraryFile)), OpeningLibrary({ "12-16 22-18 11-15 " }));
    // The white list was never used as scratch for the black lines.
    EXPECT_EQ(c().openings.white, OpeningLibrary({ "12-16 22-18 11-15 " }));
    EXPECT_FALSE(form->whiteOpeningEditor()->isVisible());

    // A cancelled dialog stores nothing and keeps the editor open.
    action("Ouverturespourlesblancs1")->trigger();
    answer.clear();
    click(White, "BitBtn1");
    EXPECT_TRUE(form->whiteOpeningEditor()->isVisible());
}

TEST_F(Openings, ChangingTheSetReplacesBothLibrariesOrNeither)
{
    const QString sets = form->openingsUserDir() + "/parametres";
    writeFile(sets + "/half_b.ouv", { "12-16 " });
    QFile(sets + "/half.ovv").open(QIODevice::WriteOnly);
    const OpeningBook before = c().openings;
    answer = sets + "/half.ovv";
    action("Changerbibliothqueouvertures1")->trigger();
    EXPECT_EQ(dialogs, QStringList { "open " + sets });
    auto* box = form->findChild<QMessageBox*>("ErreurOuvertures");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Erreur");
    box->close();
    EXPECT_EQ(c().openings.white, before.white);
    EXPECT_EQ(c().openings.black, before.black);
    EXPECT_EQ(readFile(userFile(kWhiteLibraryFile)), before.white);

    writeFile(sets + "/half_n.ouv", { "12-16 21-17 " });
    action("Changerbibliothqueouvertures1")->trigger();
    EXPECT_EQ(c().openings.white, OpeningLibrary({ "12-16 " }));
    EXPECT_EQ(c().openings.black, OpeningLibrary({ "12-16 21-17 " }));
    EXPECT_EQ(readFile(userFile(kBlackLibraryFile)), c().openings.black);
    // The editors show the new lines.
    EXPECT_EQ(listed(White), QStringList { "12-16 " });
}

TEST_F(Openings, TheShippedSetsNarrowTheBookAndLeadBackToIt)
{
    const OpeningBook shipped = c().openings;
    ASSERT_FALSE(shipped.white.empty());
    const QString sets = form->openingsUserDir() + "/parametres";
    answer = sets + "/Korvelan_12-15.ovv";
    action("Changerbibliothqueouvertures1")->trigger();
    ASSERT_TRUE(QFile::exists(answer)); // the user's folder was seeded with the shipped sets
    for (const OpeningLibrary* lib : { &c().openings.white, &c().openings.black }) {
        EXPECT_FALSE(lib->empty());
        for (const std::string& l : lib->lines()) EXPECT_EQ(l.rfind("12-15 ", 0), 0u) << l;
    }
    EXPECT_LT(c().openings.white.size(), shipped.white.size());

    answer = sets + "/Korvelan_complet.ovv";
    action("Changerbibliothqueouvertures1")->trigger();
    EXPECT_EQ(c().openings.white, shipped.white);
    EXPECT_EQ(c().openings.black, shipped.black);
    EXPECT_EQ(readFile(userFile(kBlackLibraryFile)), shipped.black);
}

TEST_F(Openings, MissingOrDamagedLibrariesGiveOneMessageAndAnEmptyBook)
{
    QTemporaryDir program, otherHome;
    qputenv("XDG_DATA_HOME", otherHome.path().toUtf8()); // a user without libraries of their own
    QFile bad(program.path() + "/" + kBlackLibraryFile);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("12-16\0\0\xff", 8));
    bad.close();
    startWindow(program.path());
    const auto boxes = form->findChildren<QMessageBox*>("ErreurOuvertures");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->text().contains(kWhiteLibraryFile));
    EXPECT_TRUE(boxes[0]->text().contains(kBlackLibraryFile));
    boxes[0]->close();
    EXPECT_TRUE(c().openings.white.empty());
    EXPECT_TRUE(c().openings.black.empty());
    // The engine searches.
    playAndAwaitReply(12, 16);
    EXPECT_EQ(c().lastResult().outcome, SearchOutcome::Searched);
}

} // namespace

namespace {
TEST_F(Openings, TheEditorsFollowTheLanguage)
{
    action("English1")->trigger();
    EXPECT_EQ(in<QPushButton>(White, "Valide_Ouverture")->text(), "Add");
    EXPECT_EQ(form->blackOpeningEditor()->findChild<QGroupBox*>("Fiche_Ouvertures")->title(),
              "Opening (Blacks)");
    EXPECT_EQ(action("Changerbibliothqueouvertures1")->text(), "Change openings library");
    action("Franais1")->trigger();
    EXPECT_EQ(in<QPushButton>(Black, "BitBtn1")->text(), "Enregistrer");
}
} // namespace
