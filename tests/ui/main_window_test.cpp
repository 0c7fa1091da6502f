// Drives the real main window offscreen through its objectNames: clicks on the
// board, menu commands, the play loop's passes, and what the labels show.
#include "ui/level_menu.h"
#include "window_fixture.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace kv;
using kv::testing_window::Window;

namespace {

TEST_F(Window, WelcomePanelLeadsToTheStartingPosition)
{
    EXPECT_TRUE(widget("Bienvenue") == nullptr || !widget("Bienvenue")->isVisible());
    EXPECT_TRUE(form->missingImages().isEmpty()) << form->missingImages().join(",").toStdString();
    for (int s = 1; s <= 32; ++s) EXPECT_EQ(c().picture().content[s], g().board[s]);
    EXPECT_EQ(text("Nom_noir").left(8), "Korvelan");
    EXPECT_EQ(text("Couleurordi"), "Ordinateur noir");
    EXPECT_EQ(text("Nbblancs"), "12 pièces");
    // The options and their defaults (the fixture only unticks the thinking on the user's time).
    const std::pair<const char*, bool> defaults[] = {
        { "Numroterlescase1", false },        { "Arretrflexionparclicsouris1", true },
        { "Indicationdesmouvements1", true }, { "Dcomposerlesprises1", true },
        { "Bipchaquecoup2", true },           { "Commentaires1", true },
        { "Jeuenaveugle1", false },
    };
    for (auto [name, on] : defaults) {
        EXPECT_TRUE(action(name)->isCheckable()) << name;
        EXPECT_EQ(action(name)->isChecked(), on) << name;
    }
    EXPECT_TRUE(
        TestWindow(KV_PROGRAM_DIR).findChild<QAction*>("Rflexionsurtempsadverse1")->isChecked());
    grab("start");
}

TEST_F(Window, QuietMoveByClicksThenTheEngineReplies)
{
    clickUser(10); // a man with two moves: both destinations are offered
    EXPECT_EQ(c().picture().marker[internalSquare(10)], MarkColour::Red);
    EXPECT_EQ(c().picture().marker[internalSquare(13)], MarkColour::Fuchsia);
    EXPECT_EQ(c().picture().marker[internalSquare(14)], MarkColour::Fuchsia);
    EXPECT_EQ(g().gamePly, 0);

    clickUser(14);
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().board[internalSquare(14)], WhiteMan);
    EXPECT_EQ(g().board[internalSquare(10)], Empty);
    EXPECT_TRUE(c().engineTurn());
    EXPECT_EQ(c().picture().marker[internalSquare(13)], MarkColour::None);

    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    EXPECT_EQ(g().side, White);
    const RecordEntry& reply = g().record[2];
    EXPECT_TRUE(isBlack(g().board[reply.to]));
    EXPECT_EQ(c().picture().marker[reply.to], MarkColour::Cyan);
    EXPECT_EQ(c().picture().marker[reply.from], MarkColour::Silver);
    auto* list = form->findChild<QListWidget*>("ListBox1");
    ASSERT_GE(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith(" 1.10-14 "))
        << list->item(0)->text().toStdString();
    EXPECT_GT(form->findChild<QListWidget*>("ListBox2")->count(),
              0); // the engine showed its thinking
    grab("reply");

    // "Editer meilleurs coups" writes the statistics lines to Bestmove.txt,
    // in the user's folder: the program directory may be read-only.
    const QString bestPath = form->paths().userDataPath("Bestmove.txt");
    QFile::remove(bestPath);
    button("Button9")->click();
    QFile best(bestPath);
    ASSERT_TRUE(best.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_TRUE(best.readLine().startsWith("Profondeur"));

    form->findChild<QTabWidget*>("Onglet")->setCurrentIndex(1);
    grab("calcul");
    trigger("Numroterlescase1");
    EXPECT_TRUE(c().picture().numbering);
    trigger("Nouveau2");
    EXPECT_TRUE(widget("Nouvelle_partie")->isVisible());
    grab("nouveau");
}

TEST_F(Window, WholeGameAgainstTheEngineByClicks)
{
    // The user always plays the first legal move, clicking its landing
    // squares while the input still waits for them.
    setOption("Dcomposerlesprises1", true);
    int userMoves = 0;
    while (c().gameResult() == GameResult::None && g().gamePly < kLastPlyEntry) {
        if (c().engineTurn()) {
            c().playLoopPass();
            continue;
        }
        const int before = g().gamePly;
        Board b = g().board;
        ASSERT_GT(g().generateLegal(), 0);
        const MoveRecord m = g().gen.list(1)[0];
        const PieceMoveSet& set = g().gen.pieceMoves(b, m.from, g().side);
        CapturePathRow path;
        for (int i = 0; i < set.count; ++i)
            if (set.moves[i] == m) path = set.paths[i];
        clickUser(userNumber(m.from));
        for (int d = 1; d <= std::max<int>(m.n, 1) && g().gamePly == before; ++d)
            if (c().input().step() < d || m.n == 0)
                clickUser(userNumber(m.n ? path.landing[d] : m.to));
        ASSERT_EQ(g().gamePly, before + 1) << "the user's move was not taken";
        ++userMoves;
        ASSERT_TRUE(runUntil([&] { return !c().engineTurn(); }, 10));
    }
    EXPECT_TRUE(widget("fin_de_parties")->isVisible());
    EXPECT_FALSE(text("qui_gagne").isEmpty());
    EXPECT_GT(userMoves, 5);
    grab("whole_game");
}

TEST_F(Window, TakeBackAndReplayRestoreRecordedPositions)
{
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 2 && !c().engineTurn(); }));
    const Board afterReply = g().board;

    trigger("Reprendrecoups1");
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().side, Black);
    EXPECT_FALSE(c().engineTurn()); // the user has the move after a take-back
    trigger("Reveniraudbut1");
    EXPECT_EQ(g().gamePly, 0);
    Board initial;
    initial.setInitial();
    EXPECT_EQ(g().board, initial);
    for (int s = 1; s <= 32; ++s) ASSERT_EQ(c().picture().content[s], initial[s]);

    button("SpeedButton3")->click(); // one ply forward
    EXPECT_EQ(g().gamePly, 1);
    trigger("Allerlafin1");
    EXPECT_EQ(g().gamePly, 2);
    EXPECT_EQ(g().side, White);
    EXPECT_EQ(g().board, afterReply);

    // A double click on a line of the move list goes there, keeping the side to move.
    auto* list = form->findChild<QListWidget*>("ListBox1");
    list->doItemsLayout();
    const QPoint line0 = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      line0); // the press a double click begins with
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line0);
    EXPECT_EQ(g().gamePly, 0);
    EXPECT_EQ(g().side, White);

    // A new move from inside the record drops the plies that followed.
    trigger("Reveniraudbut1");
    clickUser(11);
    clickUser(15);
    EXPECT_EQ(g().recordedPlies, 1);
    EXPECT_EQ(form->findChild<QListWidget*>("ListBox1")->item(0)->text().trimmed(), "1.11-15");
}

TEST_F(Window, TakeBackWhileTheEngineThinksPlaysNoMove)
{
    trigger("Niveau07");                       // a long think, cut short by the take-back
    c().search().settings.bookEnabled = false; // no instant book answer
    clickUser(10);
    clickUser(14);
    ASSERT_EQ(g().gamePly, 1);
    QTimer::singleShot(150, form.get(), [this] { button("SpeedButton2")->click(); });
    c().playLoopPass(); // the computer's move: abandoned by the take-back
    EXPECT_FALSE(c().thinking());
    EXPECT_EQ(g().gamePly, 0);
    Board initial;
    initial.setInitial();
    EXPECT_EQ(g().board, initial);
    EXPECT_EQ(g().recordedPlies, 1);
    EXPECT_FALSE(c().engineTurn());
    for (int i = 0; i < 5; ++i) c().playLoopPass();
    EXPECT_EQ(g().gamePly, 0); // and nothing is played afterwards either
}

TEST_F(Window, StepForwardAtTheEndWhileTheEngineThinksLetsItPlay)
{
    c().search().settings.bookEnabled = false;
    clickUser(10);
    clickUser(14);
    ASSERT_EQ(g().gamePly, 1);
    // Pressed at the engine's first poll: there is nothing to step forward to.
    QTimer press;
    press.setInterval(0);
    bool pressed = false;
    QObject::connect(&press, &QTimer::timeout, form.get(), [&] {
        if (!c().thinking()) return;
        press.stop();
        pressed = true;
        button("SpeedButton3")->click();
    });
    press.start();
    c().playLoopPass();
    ASSERT_TRUE(pressed);
    EXPECT_EQ(g().gamePly, 2); // the computer has still played its move
    EXPECT_EQ(g().side, White);
    EXPECT_FALSE(c().engineTurn());
}

TEST_F(Window, ClickDuringTheEnginesThinkingMakesItPlayAtOnce)
{
    trigger("Niveau07"); // it would think for seconds
    c().search().settings.bookEnabled = false;
    clickUser(10);
    clickUser(14);
    QTimer::singleShot(150, form.get(), [this] {
        const Square s = internalSquare(14);
        QTest::mouseClick(form->board(), Qt::LeftButton, {},
                          QPoint(BoardWidget::kLeft + 60 * columnOf(s) + 30,
                                 BoardWidget::kTop + 60 * rowOf(s) + 30));
    });
    QElapsedTimer t;
    t.start();
    c().playLoopPass();
    EXPECT_LT(t.elapsed(), 4000);
    EXPECT_EQ(g().gamePly, 2); // the best move found so far was played
    EXPECT_TRUE(isBlack(g().record[2].squares[g().record[2].to - 1]));
    // The click only stopped the thinking: nothing is picked up or played.
    EXPECT_FALSE(c().pendingClick());
    EXPECT_FALSE(c().input().picked());
}

TEST_F(Window, TurnedBoardClicksSelectTheSquaresShown)
{
    trigger("Inverserdamier1");
    EXPECT_TRUE(c().picture().inverted);
    EXPECT_EQ(text("Bas_Haut"), "Blancs:Haut->Bas");
    // The panels change places so that each name stays on its side.
    EXPECT_GT(widget("Panel6")->y(), widget("Panel7")->y());
    clickUser(10);
    EXPECT_EQ(c().input().origin(), internalSquare(10));
    EXPECT_EQ(c().picture().marker[internalSquare(10)], MarkColour::Red);
    clickUser(13);
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().board[internalSquare(13)], WhiteMan);
    grab("turned");
    trigger("Inverserdamier1");
    EXPECT_LT(widget("Panel6")->y(), widget("Panel7")->y());
}

TEST_F(Window, AmbiguousKingCaptureIsFinishedByClickingAFinalSquare)
{
    // The white king on 4 must take 7 and land on 11 (its own man on 14
    // stops it there); then it goes on over 15 (landing on 20 or 24) or over
    // 6 (landing on 2): the paths split after the first jump.
    setUp({ { 4, WhiteKing },
            { 7, BlackMan },
            { 15, BlackMan },
            { 6, BlackMan },
            { 14, WhiteMan },
            { 29, BlackMan } });
    clickUser(4);
    EXPECT_EQ(c().input().step(), 1); // the forced first jump was taken for the user
    EXPECT_EQ(c().input().path()[1], internalSquare(11));
    for (int user : { 20, 24, 2 })
        EXPECT_EQ(c().picture().marker[internalSquare(user)], MarkColour::Fuchsia) << user;
    EXPECT_TRUE(widget("Prise_obligatoire")->isVisible());
    grab("capture");

    clickUser(2);
    EXPECT_EQ(g().gamePly, 1);
    EXPECT_EQ(g().board[internalSquare(2)], WhiteKing);
    EXPECT_EQ(g().board[internalSquare(7)], Empty);
    EXPECT_EQ(g().board[internalSquare(6)], Empty);
    EXPECT_EQ(g().board[internalSquare(15)], BlackMan);
    EXPECT_EQ(g().record[1].captured, 2);
}

TEST_F(Window, SwappingPlayersLetsTheComputerMoveWithWhite)
{
    trigger("Inverserlesjoueurs1");
    EXPECT_EQ(g().enginePlaysBlack, 0);
    EXPECT_EQ(text("Couleurordi"), "Ordinateur blanc");
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 1; }));
    EXPECT_TRUE(isWhite(g().board[g().record[1].to]));
    EXPECT_FALSE(c().engineTurn()); // now the user plays black
    for (int i = 0; i < 3; ++i) c().playLoopPass();
    EXPECT_EQ(g().gamePly, 1);
}

TEST_F(Window, NewTrainingGameWithTheComputerWhite)
{
    clickUser(10);
    clickUser(14);
    trigger("Nouveau2");
    ASSERT_TRUE(widget("Nouvelle_partie")->isVisible());
    form->findChild<QLineEdit*>("Joueur0")->setText("Chloé");
    form->findChild<QRadioButton*>("Morvanel_blanc")->setChecked(true);
    button("BitBtn15")->click();
    EXPECT_FALSE(widget("Nouvelle_partie")->isVisible());
    EXPECT_EQ(g().whiteName, "Korvelan");
    EXPECT_EQ(g().blackName, "Chloé");
    EXPECT_TRUE(c().picture().inverted); // the user's black men at the bottom
    ASSERT_TRUE(runUntil([&] { return g().gamePly == 1 && !c().engineTurn(); }));
    EXPECT_EQ(g().recordedPlies, 1);
    EXPECT_TRUE(text("Nom_noir").startsWith("Chloé"));
}

TEST_F(Window, BlindPlayHidesThePiecesNotTheGame)
{
    trigger("Jeuenaveugle1");
    EXPECT_TRUE(c().picture().blind);
    clickUser(10);
    clickUser(14);
    EXPECT_EQ(g().gamePly, 1);
    trigger("Jeuenaveugle1");
    EXPECT_FALSE(c().picture().blind);
}

TEST_F(Window, DrawOfferWithTwentyPiecesIsRefused)
{
    Board b;
    b.setInitial();
    for (int user : { 1, 2, 31, 32 }) b[internalSquare(user)] = Empty;
    g().startFrom(b, White);
    c().picture().showBoard(g().displayed);
    button("Proposernul")->click();
    EXPECT_TRUE(widget("Nulrefus")->isVisible());
    EXPECT_FALSE(widget("fin_de_parties")->isVisible());
    EXPECT_EQ(c().gameResult(), GameResult::None);
    // Beside the board, it leaves every square to click; the next click hides it.
    const QRectF drawn = form->board()->boardRect();
    const double scale = drawn.width() / form->board()->sizeHint().width();
    const QRect squares(
        form->board()->mapTo(
            form->centralWidget(),
            (drawn.topLeft() + QPointF(BoardWidget::kLeft, BoardWidget::kTop) * scale).toPoint()),
        QSize(8 * BoardWidget::kSquare, 8 * BoardWidget::kSquare) * scale);
    EXPECT_FALSE(widget("Nulrefus")->geometry().intersects(squares));
    clickUser(10);
    EXPECT_FALSE(widget("Nulrefus")->isVisible());
    EXPECT_TRUE(c().input().picked());
}

TEST_F(Window, ComputerAgainstComputerAtBeginnerLevelPlaysToTheEnd)
{
    trigger("Niveau01");
    EXPECT_TRUE(action("Niveau01")->isChecked());
    trigger("Ordinateurcontreordinateur1");
    ASSERT_TRUE(runUntil([&] { return widget("fin_de_parties")->isVisible(); }, 5000));
    const QString message = text("qui_gagne");
    // Any end of a game: a win, a draw, or the third repetition of a position.
    EXPECT_TRUE(message == "Gain des blancs" || message == "Gain des noirs"
                || message == "Match nul !" || message == "Match nul par répétition !")
        << message.toStdString();
    EXPECT_FALSE(action("Ordinateurcontreordinateur1")->isChecked()); // the mode ends with the game
    EXPECT_NE(c().gameResult(), GameResult::None);
    grab("end");
}

TEST_F(Window, ClocksShowMinutesAndTwoDigitSeconds)
{
    g().clock = { 7, 65 };
    c().clocks().stampBoth();
    g().side = White;
    form->tickClock();
    EXPECT_EQ(text("minblanc"), "0");
    EXPECT_EQ(text("secblanc"), "07");
    g().side = Black;
    form->tickClock();
    EXPECT_EQ(text("minnoir"), "1");
    EXPECT_EQ(text("secnoir"), "05");
    trigger("Horlogeszro1");
    EXPECT_EQ(text("secnoir"), "00");
    EXPECT_EQ(g().clock[Black], 0);
}

TEST_F(Window, CustomLevelAcceptsOnlyPositiveMinutes)
{
    for (const LevelMenuEntry& e : kLevelMenu)
        EXPECT_EQ(action(e.objectName)->text(), QString::fromUtf8(e.caption)) << e.objectName;
    EXPECT_EQ(action("Niveau01")->text(), "1 : Débutant");
    trigger("N8Autre1");
    EXPECT_TRUE(widget("Panel9")->isVisible());
    auto* minutes = form->findChild<QLineEdit*>("Nbminutes");
    minutes->setText("zero");
    button("BitBtn24")->click();
    EXPECT_TRUE(widget("Panel9")->isVisible());
    minutes->setText("4");
    button("BitBtn24")->click();
    EXPECT_FALSE(widget("Panel9")->isVisible());
    EXPECT_EQ(c().level().levelTime, 220);
    EXPECT_EQ(c().level().levelCap, 238);
    EXPECT_TRUE(action("N8Autre1")->isChecked());
    EXPECT_FALSE(action("Niveau01")->isChecked());
}

// True when the label shows its whole text on one line (or, wrapping, in its height).
bool showsWhole(QLabel* label)
{
    const QRect room = label->contentsRect();
    if (label->wordWrap()) return label->heightForWidth(room.width()) <= room.height();
    return label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
}

TEST_F(Window, LongestTextsOfThePanelsAreShownWhole)
{
    // The mode between two people, a late move number, a resignation.
    setUp({ { 10, WhiteMan }, { 23, BlackMan } });
    g().gamePly = 250;
    form->refreshStatus();
    EXPECT_EQ(text("Panel11"), "Humain contre humain");
    EXPECT_EQ(text("Nbcoups3d"), "Coups : 126");
    trigger("Inverserdamier1");
    for (const char* name : { "Panel11", "Nbcoups3d", "Bas_Haut", "Trait", "Couleurordi" })
        EXPECT_TRUE(showsWhole(form->findChild<QLabel*>(name))) << name;
    // Side by side labels do not overlap.
    EXPECT_LE(widget("Trait")->geometry().right(), widget("Bas_Haut")->geometry().left());
    EXPECT_LE(widget("Bas_Haut")->geometry().right(), widget("Nbcoups3d")->geometry().left());

    form->showEndMessage("Vous abandonnez, gain KORVELAN");
    form->showPanel(GamePanel::GameEnd, true);
    EXPECT_TRUE(showsWhole(form->findChild<QLabel*>("qui_gagne")));
    form->showEndMessage("Temps dépassé, gain KORVELAN");
    EXPECT_TRUE(showsWhole(form->findChild<QLabel*>("qui_gagne")));
    grab("long_texts");

    // The other panels over the board.
    for (GamePanel p : { GamePanel::DrawOffer, GamePanel::DrawRefused, GamePanel::HandicapApology,
                         GamePanel::CustomLevel })
        form->showPanel(p, true);
    for (const char* name :
         { "Label13", "Label14", "Label_nulrefus", "Label_zut", "N50coupsen", "Label_minutes" })
        EXPECT_TRUE(showsWhole(form->findChild<QLabel*>(name))) << name;
    grab("panels");

    // The notices that stay up while the user plays leave every square in view.
    const QRectF drawn = form->board()->boardRect();
    const double scale = drawn.width() / form->board()->sizeHint().width();
    const QRect squares(
        form->board()->mapTo(
            form->centralWidget(),
            (drawn.topLeft() + QPointF(BoardWidget::kLeft, BoardWidget::kTop) * scale).toPoint()),
        QSize(8 * BoardWidget::kSquare, 8 * BoardWidget::kSquare) * scale);
    for (const char* name : { "Zut", "Prise_obligatoire" })
        EXPECT_FALSE(widget(name)->geometry().intersects(squares)) << name;
}

TEST_F(Window, CalculTabShowsTheStatisticsAndTheWholePrincipalLine)
{
    // Six statistics lines and a principal line of twelve plies.
    SearchInfo info { 14, 163693325, true, 12345, -50, 126, {} };
    for (int i = 0; i < 12; ++i) {
        MoveRecord m;
        m.from = 5 + i, m.to = 1 + i, m.n = i % 2;
        info.principalVariation.push_back(m);
    }
    form->searchInfo(info);
    const std::vector<int> lines(12);
    MoveRecord root;
    root.from = 5, root.to = 32;
    for (int i = 0; i < 10; ++i) form->setRootLine(i, RootLine { root, -50, true });
    form->findChild<QTabWidget*>("Onglet")->setCurrentIndex(1);
    for (const char* name : { "ListBox2", "ListBox5" }) {
        auto* list = form->findChild<QListWidget*>(name);
        list->doItemsLayout();
        const QRect view = list->viewport()->rect();
        const int last = name == std::string("ListBox2") ? int(lines.size()) - 1 : 9;
        EXPECT_TRUE(view.contains(list->visualItemRect(list->item(last))))
            << name << ": the last line is cut";
        for (int i = 0; i <= last; ++i)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(i)->text()), view.width())
                << name << " " << i;
    }
    grab("calcul_lines");
}

TEST(WindowWithoutData, MissingImagesAreReportedAndTheBoardIsDrawnPlainly)
{
    const QString empty = QDir::tempPath() + "/korvelan-no-data";
    QDir().mkpath(empty);
    TestWindow form(empty);
    form.setExternalLoop(true);
    QStringList errors;
    form.setErrorSink([&errors](const QString& t) { errors << t; });
    form.show();
    form.findChild<QAbstractButton*>("BoutonDamier2D")->click();
    EXPECT_EQ(form.missingImages().size(), 6);
    // Without "parametres/defaut.par" the user is told, and the built-in parameters stay.
    EXPECT_EQ(errors, QStringList { "Impossible d'ouvrir ce fichier" });
    EXPECT_EQ(form.parameters(), defaultParameters());
    const QImage picture = form.board()->grab().toImage();
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        picture.save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_plain.png");
    ASSERT_FALSE(picture.isNull());
    // A dark square and a man are still painted: the board is playable.
    const QPoint square
        = BoardWidget::cellOrigin(cellOf(internalSquare(10), false)) + QPoint(30, 30);
    EXPECT_NE(picture.pixelColor(square),
              picture.pixelColor(BoardWidget::cellOrigin({ 0, 0 }) + QPoint(30, 30)));
    form.controller().options.beep = true;
    form.playSound(Sound::Move); // no file, no audio: nothing happens
    QDir::setCurrent(QDir::tempPath());
}

TEST(WindowLoop, PlaysAgainstTheEngineAndQuitsFromTheRunningLoop)
{
    // The real loop: started by the welcome panel, idle waits, thinking on the
    // user's time, a stop by "Quitter" and exit status 0.
    TestWindow form(KV_PROGRAM_DIR);
    form.show();
    if (!qEnvironmentVariable("KV_GRAB_DIR").isEmpty())
        form.grab().save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_welcome.png");
    EXPECT_FALSE(form.menuBar()->isEnabled()); // nothing to command before a board is chosen
    form.findChild<QAbstractButton*>("BoutonDamier2D")->click();
    EXPECT_TRUE(form.menuBar()->isEnabled());
    form.findChild<QAction*>("Niveau01")->trigger();
    form.findChild<QAction*>("Bibliothquesactives1")
        ->trigger(); // a book position is not thought about
    form.controller().timing = { 0, 0, 0, 0 };
    auto click = [&form](int user) {
        const Square s = internalSquare(user);
        QTest::mouseClick(form.board(), Qt::LeftButton, {},
                          QPoint(BoardWidget::kLeft + 60 * columnOf(s) + 30,
                                 BoardWidget::kTop + 60 * rowOf(s) + 30));
    };
    QTimer::singleShot(100, &form, [&] { click(10); });
    QTimer::singleShot(200, &form, [&] { click(14); });
    bool pondered = false;
    // Wait for the reply, then let the engine think on the user's time before quitting.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        if (form.controller().game().gamePly >= 2 && form.controller().pondering()) {
            pondered = true;
            form.findChild<QAction*>("Quitter1")->trigger();
        }
    });
    poll.start(20);
    QTimer::singleShot(20000, &form,
                       [&] { form.findChild<QAction*>("Quitter1")->trigger(); }); // safety net
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_GE(form.controller().game().gamePly, 2);
    EXPECT_TRUE(pondered);
    EXPECT_FALSE(form.controller().loopRunning());
}

} // namespace
