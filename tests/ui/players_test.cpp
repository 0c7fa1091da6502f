// Players and rated matches as a user meets them: registering, a rated match
// won, lost and drawn with the ratings shown and kept across a restart,
// deleting, refused names, a damaged registry, renaming and the players window.
#include "window_fixture.h"

#include "players/history.h"
#include "players/registry.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class Players : public kv::testing_window::Window {
protected:
    void SetUp() override
    {
        // Each test starts from the shipped registry.
        const QDir dir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        for (const char* f : { kPlayersFile, kRatingsFile, kHistoryFile })
            QFile::remove(dir.filePath(f));
        Window::SetUp();
    }

    QString file(const char* name) const { return QDir(form->playersDir()).filePath(name); }
    QStringList lines(const char* name) const
    {
        QFile f(file(name));
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList out = QString::fromUtf8(f.readAll()).split("\r\n");
        if (!out.isEmpty() && out.back().isEmpty()) out.pop_back();
        return out;
    }
    QListWidget* list(const char* name) { return form->findChild<QListWidget*>(name); }
    QLineEdit* edit(const char* name) { return form->findChild<QLineEdit*>(name); }
    void clickRow(const char* name, int row)
    {
        list(name)->setCurrentRow(row);
        emit list(name)->itemClicked(list(name)->item(row));
    }
    QString shownError()
    {
        auto* box = form->findChild<QMessageBox*>("Erreur");
        return box ? box->text() : QString();
    }

    void addPlayer(const QString& name, const char* capital)
    {
        trigger("Match21");
        edit("Joueur")->setText(name);
        button(capital)->click();
        button("BitBtn7")->click();
    }
    void startMatch(const QString& name, bool engineWhite = false)
    {
        trigger("Nouveau2");
        const auto found = list("ListBox9")->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        clickRow("ListBox9", list("ListBox9")->row(found.first()));
        button(engineWhite ? "Morvanel_blanc1" : "Morvanel_noir1")->click();
        form->findChild<QTabWidget*>("Nouvelle_partie")->setCurrentWidget(widget("Match"));
        grab("match_page");
        button("BitBtn16")->click();
    }
    // The computer (black) is left without a move.
    void computerBlocked()
    {
        Board b;
        b.clear();
        for (auto [user, code] : { std::pair { 32, BlackMan }, { 28, WhiteMan }, { 23, WhiteMan } })
            b[internalSquare(user)] = code;
        g().startFrom(b, Black);
        c().playComputerMove();
    }
};

TEST_F(Players, ARegisteredPlayersRatedMatchesAreKeptAcrossARestart)
{
    addPlayer("Anne", "K1700");
    EXPECT_FALSE(widget("Nouveau_joueur")->isVisible());
    EXPECT_EQ(lines(kPlayersFile), (QStringList { "Korvelan", "Inconnu", "Anne" }));
    EXPECT_EQ(lines(kRatingsFile), (QStringList { "2050", "1500", "1700" }));

    // A win: the winner is named, both changes are shown and written.
    startMatch("Anne");
    EXPECT_EQ(edit("Joueur1")->text(), "Anne");
    EXPECT_EQ(c().matchState(), 1);
    EXPECT_EQ(text("Panel11"), "Match");
    EXPECT_FALSE(form->findChild<QMenu*>("Joueurs1")->isEnabled());
    EXPECT_FALSE(form->findChild<QMenu*>("Fichier1")->isEnabled());
    computerBlocked();
    grab("match_won");
    EXPECT_EQ(text("qui_gagne"), "Anne gagne");
    EXPECT_EQ(text("Panel11"), "Match"); // the game shown is still the match
    const RatingPair won = rateMatchResult(1700, 2050, GameResult::WhiteWon);
    EXPECT_EQ(text("Resultat_blanc"), QString("Anne passe de 1700 à %1").arg(won.white));
    EXPECT_EQ(text("Resultat_noir"), QString("Korvelan passe de 2050 à %1").arg(won.black));
    EXPECT_EQ(lines(kRatingsFile),
              (QStringList { QString::number(won.black), "1500", QString::number(won.white) }));

    // A resignation with the computer white, then a draw accepted.
    startMatch("Anne", true);
    EXPECT_EQ(g().blackName, "Anne");
    button("Abandon2")->click();
    const RatingPair lost = rateMatchResult(won.black, won.white, GameResult::WhiteWon);
    EXPECT_EQ(text("Resultat_noir"),
              QString("Anne passe de %1 à %2").arg(won.white).arg(lost.black));
    startMatch("Anne");
    button("BitBtn14")->click();
    EXPECT_EQ(text("qui_gagne"), "Match nul !");
    const RatingPair drawn = rateMatchResult(lost.black, lost.white, GameResult::Draw);
    EXPECT_EQ(lines(kHistoryFile).size(), 3);

    // A training game is not rated: the result lines go.
    trigger("Nouveau2");
    button("BitBtn15")->click();
    button("Abandon2")->click();
    EXPECT_FALSE(widget("Resultat_blanc")->isVisible());
    EXPECT_EQ(lines(kHistoryFile).size(), 3);

    // The next start of the program finds the ratings in its lists.
    form.reset();
    Window::SetUp();
    trigger("Nouveau2");
    EXPECT_EQ(list("ListBox9")->item(2)->text(), "Anne");
    EXPECT_EQ(list("ListBox14")->item(2)->text(), QString::number(drawn.white));
    EXPECT_EQ(list("ListBox14")->item(0)->text(), QString::number(drawn.black));
    EXPECT_TRUE(shownError().isEmpty());
}

// While the engine thinks on the user's time its best moves are the user's:
// the "Calcul" page shows them in training, never in a rated match.
TEST_F(Players, TheCalculPageHidesTheUsersBestMovesInARatedMatch)
{
    addPlayer("Anne", "K1700");
    setOption("Rflexionsurtempsadverse1", true); // as it is at first; a match keeps it
    for (bool rated : { false, true }) {
        SCOPED_TRACE(rated ? "rated match" : "training");
        if (rated) {
            startMatch("Anne");
            ASSERT_EQ(c().matchState(), 1);
        } else {
            trigger("Nouveau2");
            button("BitBtn15")->click();
        }
        clickUser(10);
        clickUser(14);
        ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
        c().setLevel(*levelByIndex(7)); // the thinking lasts until it is stopped
        bool pondered = false;
        QTimer::singleShot(300, form.get(), [&] {
            pondered = c().pondering();
            c().stopThinking();
        });
        c().playLoopPass();
        c().setLevel(*levelByIndex(1));
        ASSERT_TRUE(pondered);
        EXPECT_EQ(list("ListBox5")->count() == 0, rated);
        EXPECT_EQ(list("ListBox2")->count() == 0, rated);
        if (rated) trigger("Abandon1");
    }
}

TEST_F(Players, DeletingKeepsTheEngineAndRemovesTheLineFromBothFiles)
{
    addPlayer("Anne", "K1600");
    addPlayer("Bruno", "K1800");
    trigger("Effacerunjoueur1");
    clickRow("ListBox15", 1);
    grab("delete_player");
    clickRow("ListBox15", 0);
    button("BitBtn20")->click();
    EXPECT_TRUE(widget("Efface_j")->isVisible());
    EXPECT_EQ(lines(kPlayersFile).size(), 4);

    clickRow("ListBox15", 2);
    EXPECT_EQ(edit("joueur_efface")->text(), "Anne");
    button("BitBtn20")->click();
    EXPECT_FALSE(widget("Efface_j")->isVisible());
    EXPECT_EQ(lines(kPlayersFile), (QStringList { "Korvelan", "Inconnu", "Bruno" }));
    EXPECT_EQ(lines(kRatingsFile), (QStringList { "2050", "1500", "1800" }));
}

TEST_F(Players, ANameOnSeveralLinesIsRefusedAndNothingIsWritten)
{
    trigger("Match21");
    edit("Joueur")->setText("Anne\nKorvelan");
    button("BitBtn7")->click();
    EXPECT_TRUE(widget("Nouveau_joueur")->isVisible());
    EXPECT_FALSE(text("Nom_refuse").isEmpty());
    grab("name_refused");
    EXPECT_EQ(lines(kPlayersFile), (QStringList { "Korvelan", "Inconnu" }));
    button("O")->click();
    EXPECT_FALSE(widget("Nouveau_joueur")->isVisible());
}

TEST_F(Players, AShortRatingsFileIsMendedAndTheUserTold)
{
    QFile names(file(kPlayersFile)), ratings(file(kRatingsFile));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly) && ratings.open(QIODevice::WriteOnly));
    names.write("Korvelan\r\nAnne\r\nBruno\r\n");
    ratings.write("2050\r\nabc\r\n");
    names.close();
    ratings.close();
    trigger("Nouveau2");
    EXPECT_TRUE(shownError().contains("points.dat")) << shownError().toStdString();
    EXPECT_EQ(list("ListBox14")->count(), 3);
    EXPECT_EQ(lines(kRatingsFile), (QStringList { "2050", "1800", "1800" }));
}

TEST_F(Players, RamenerAndRenamingTouchOnlyWhatTheyShow)
{
    trigger("Nouveau2");
    list("ListBox14")->item(0)->setText("1900");
    edit("Joueur1")->setText("Anne");
    button("RamenerMorvanel")->click();
    EXPECT_EQ(list("ListBox14")->item(0)->text(), "2050");
    EXPECT_TRUE(edit("Joueur1")->text().isEmpty());
    button("BitBtn16")->click(); // no name: nothing happens
    EXPECT_EQ(c().matchState(), 0);
    button("Annule_nouveau")->click();

    trigger("Changerlesnoms1");
    EXPECT_EQ(edit("Edit3")->text(), "Korvelan");
    edit("Edit2")->setText("Zoé Dupré-Lacombe-Martin"); // longer than a game's name field
    grab("rename");
    button("OKjoueur")->click();
    EXPECT_EQ(g().whiteName, "Zoé Dupré-Lacombe");
    EXPECT_EQ(nameOf(g().record[g().gamePly].whiteName), g().whiteName);
    EXPECT_TRUE(text("Nom_blanc").startsWith("Zoé Dupré-Lacombe"));
    EXPECT_EQ(lines(kPlayersFile), (QStringList { "Korvelan", "Inconnu" }));
}

TEST_F(Players, TheEnginesRatingBroughtBackIsKeptByTheFiles)
{
    trigger("Nouveau2"); // seeds the user's registry
    button("Annule_nouveau")->click();
    QStringList ratings = lines(kRatingsFile);
    ASSERT_FALSE(ratings.isEmpty());
    ratings[0] = "1900";
    QFile f(file(kRatingsFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((ratings.join("\r\n") + "\r\n").toUtf8());
    f.close();

    trigger("Nouveau2");
    EXPECT_EQ(list("ListBox14")->item(0)->text(), "1900");
    button("RamenerMorvanel")->click();
    EXPECT_EQ(lines(kRatingsFile).value(0), "2050");
    button("Annule_nouveau")->click();
    trigger("Nouveau2"); // reads the files again
    EXPECT_EQ(list("ListBox14")->item(0)->text(), "2050");
    EXPECT_EQ(form->session().registry()[0].rating, 2050);
}

TEST_F(Players, ThePlayersWindowListsRatingsSortablyAndEachPlayersGames)
{
    addPlayer("Anne", "K1600");
    addPlayer("Bruno", "K1800");
    startMatch("Anne");
    computerBlocked();
    trigger("Listedesjoueurs1");
    auto* table = form->findChild<QTableWidget*>("Liste_joueurs");
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 0)->text(), "Korvelan"); // highest rating first
    EXPECT_EQ(table->item(3, 0)->text(), "Inconnu");
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    EXPECT_EQ(table->item(0, 0)->text(), "Anne");
    EXPECT_EQ(table->item(0, 2)->data(Qt::DisplayRole).toInt(), 1); // one game
    EXPECT_EQ(table->item(0, 3)->data(Qt::DisplayRole).toInt(), 1); // won
    table->selectRow(0);
    auto* results = form->findChild<QTableWidget*>("Resultats_joueur");
    ASSERT_EQ(results->rowCount(), 1);
    EXPECT_EQ(results->item(0, 1)->text(), "Korvelan");
    EXPECT_EQ(results->item(0, 3)->text(), "Gagnée");
    if (const QString dir = qEnvironmentVariable("KV_GRAB_DIR"); !dir.isEmpty())
        form->findChild<QWidget*>("Fenetre_joueurs")
            ->grab()
            .save(dir + "/korvelan_players_window.png");
}

} // namespace
