// The Help menu: the guide and the rules in the help window, their links and
// diagrams, and the About panel.
#include "session_window.h"
#include "ui/help_window.h"
#include "ui/languages.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace kv;

namespace {

int tablesIn(const QTextDocument* doc)
{
    int n = 0;
    for (QTextFrame* f : doc->rootFrame()->childFrames())
        n += qobject_cast<QTextTable*>(f) != nullptr;
    return n;
}

class Help : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TestWindow>(DataPaths(KV_PROGRAM_DIR, user.path()));
        form->setExternalLoop(true);
        form->show();
        form->findChild<QAbstractButton*>("BoutonDamier2D")->click();
    }
    void trigger(const char* name) { form->findChild<QAction*>(name)->trigger(); }

    QTemporaryDir user;
    std::unique_ptr<TestWindow> form;
};

TEST_F(Help, TheGuideAndTheRulesOpenInTheHelpWindowAndLinkToEachOther)
{
    trigger("Guide1");
    HelpWindow* help = form->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPage(), "Korvelan");
    const QString guide = help->browser()->toPlainText();
    for (const char* menu :
         { "Menu Fichier", "Menu Edition", "Menu Niveau", "Menu Options", "Menu Aide" })
        EXPECT_TRUE(guide.contains(menu)) << menu;

    trigger("Rgles1");
    EXPECT_EQ(help->currentPage(), "Rkorvelan_f");
    EXPECT_GE(tablesIn(help->browser()->document()), 8); // the diagrams
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        help->grab().save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_help_rules.png");
    EXPECT_FALSE(help->browser()->toPlainText().contains("diagram"));

    emit help->browser()->anchorClicked(QUrl("Korvelan.html"));
    EXPECT_EQ(help->currentPage(), "Korvelan");
    // Each language reads its own pages.
    form->applyLanguage(4);
    trigger("Rgles1");
    EXPECT_EQ(help->currentPage(), "Rkorvelan_es");
    EXPECT_EQ(HelpWindow::guideFor(1), "Korvelan_e");

    // A page missing from the program directory gives way to the French one.
    QTemporaryDir only;
    QFile::copy(QString(KV_PROGRAM_DIR) + "/Rkorvelan_f.html", only.path() + "/Rkorvelan_f.html");
    HelpWindow alone(only.path());
    alone.showPage(HelpWindow::rulesFor(4));
    EXPECT_EQ(alone.currentPage(), "Rkorvelan_f");
}

// In every language the guide covers the 3D boards, problems, lessons and
// sessions, the openings and the keys; its keys table lists each command
// that has a key under its caption of the moment; its pictures are there.
TEST_F(Help, TheGuideOfEachLanguageCoversItsTopicsWithTheKeysOfTheMenus)
{
    QList<QAction*> keyed;
    for (QAction* a : form->menuBar()->findChildren<QAction*>())
        if (!a->shortcut().isEmpty() && !a->menu()) keyed << a;
    ASSERT_GT(keyed.size(), 10);
    static const QRegularExpression picture("<img src=\"([^\"]+)\"");
    for (int language = 0; language < kLanguageCount; ++language) {
        form->applyLanguage(language);
        trigger("Guide1");
        HelpWindow* help = form->helpWindow();
        const QString page = HelpWindow::guideFor(language);
        ASSERT_EQ(help->currentPage(), page);
        QFile f(QString(KV_PROGRAM_DIR) + "/" + page + ".html");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (const char* anchor : { "themes", "problemes", "lecons", "ouvertures", "touches" })
            EXPECT_TRUE(html.contains(QString("name=\"%1\"").arg(anchor)))
                << page.toStdString() << anchor;
        for (auto it = picture.globalMatch(html); it.hasNext();) {
            const QString file = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(QString(KV_PROGRAM_DIR) + "/" + file)) << file.toStdString();
        }
        const QString shown = help->browser()->toPlainText();
        EXPECT_FALSE(shown.contains("<!--keys-->"));
        for (QAction* a : keyed) {
            const QString key = a->shortcut().toString(QKeySequence::NativeText);
            const QRegularExpression row(
                QRegularExpression::escape(key) + "\n[^\n]* › "
                + QRegularExpression::escape(QString(a->text()).remove('&')) + "\n");
            EXPECT_TRUE(row.match(shown).hasMatch())
                << page.toStdString() << ": " << a->objectName().toStdString();
        }
    }
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty()) {
        form->helpWindow()->browser()->scrollToAnchor("touches");
        form->helpWindow()->grab().save(qEnvironmentVariable("KV_GRAB_DIR")
                                        + "/korvelan_help_keys.png");
    }
}

TEST(HelpDiagrams, APositionBecomesABoardWithWhiteAtTheBottom)
{
    const QString html = HelpWindow::expandDiagrams(
        "a<!--diagram W:W1:BK32 | Deux pièces-->b<!--diagram nonsense-->");
    EXPECT_TRUE(html.startsWith("a<table"));
    EXPECT_EQ(html.count("<tr>"), 8);
    EXPECT_TRUE(html.contains("<i>Deux pièces</i>"));
    // Square 1 is the last dark cell of the bottom row, square 32 the first of the top row.
    const int first = html.indexOf(">32<"), last = html.lastIndexOf(">1<");
    ASSERT_GE(first, 0);
    ASSERT_GE(last, 0);
    EXPECT_LT(html.indexOf("<b>D</b>"),
              html.indexOf("&#9679;")); // the black king above the white man
    EXPECT_GT(last, html.lastIndexOf("<tr>"));
    EXPECT_LT(first, html.indexOf("<tr>", html.indexOf("<tr>") + 1));
    EXPECT_FALSE(html.contains("<!--"));
    EXPECT_TRUE(html.contains("</p>b<p><b>")); // a bad position says why instead of drawing
}

TEST_F(Help, TheAboutPanelShowsTheVersionAndCloses)
{
    trigger("Apropos1");
    auto* about = form->findChild<QFrame*>("Apropos");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        form->grab().save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_about.png");
    form->findChild<QPushButton*>("BitBtn6")->click();
    EXPECT_FALSE(about->isVisible());
}

} // namespace
