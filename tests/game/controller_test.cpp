// The controller with a recording view and the real engine: the rules of play
// that need no window.
#include "game/controller.h"

#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <optional>

#include <functional>
#include <map>
#include <random>

using namespace kv;

namespace {

class RecordingView : public GameView {
public:
    void boardChanged() override
    {
        if (picture) shown.push_back(picture->content);
    }
    void showPanel(GamePanel p, bool shown) override { panels[p] = shown; }
    void showEndMessage(const QString& t) override { message = t; }
    void playSound(Sound s) override { sounds.push_back(s); }
    void refreshStatus() override { }
    void refreshMoveList() override { }
    void showClock(int side, const ClockText& t) override
    {
        clocks[side] = t.minutes + ":" + t.seconds;
    }
    void applyCommandStates(const CommandStates& s) override { states = s; }
    bool clockTimerRunning() const override { return timer; }
    void startClockTimer() override { timer = true; }
    void processEvents() override
    {
        ++events;
        if (onEvents) onEvents();
    }
    void waitForEvents() override { }
    void quitApplication() override { quit = true; }

    const BoardPicture* picture = nullptr;
    std::vector<std::array<std::uint8_t, 33>> shown; // the picture at every repaint
    std::map<GamePanel, bool> panels;
    QString message;
    std::vector<Sound> sounds;
    std::map<int, std::string> clocks;
    CommandStates states;
    bool timer = false;
    bool quit = false;
    int events = 0;
    std::function<void()> onEvents; // runs where the window would run its events
};

class Controller : public ::testing::Test {
protected:
    Controller() : search(HashKeyTables::generated()), c(game, search, view)
    {
        c.timing = { 0, 0, 0, 0 };
        c.options.ponder = false;
        c.setLevel(*levelByIndex(1)); // depth 3: quick answers
        game.newGame();
    }

    void position(const std::vector<std::pair<int, std::uint8_t>>& pieces, SideToMove side)
    {
        Board b;
        b.clear();
        for (auto [user, code] : pieces) b[internalSquare(user)] = code;
        game.startFrom(b, side);
        c.picture().showBoard(game.displayed);
    }
    void clickUser(int user) { c.handleBoardClick(cellOf(internalSquare(user), false)); }

    GameState game;
    SearchContext search;
    RecordingView view;
    GameController c;
};

TEST_F(Controller, FullRecordEndsTheGameAsADraw)
{
    c.toggleHumanVsHuman(); // human against human
    game.gamePly = kLastPlyEntry;
    game.recordedPlies = kLastPlyEntry;
    game.storeRecordEntry(0);
    clickUser(10);
    EXPECT_EQ(c.endMessage(), "Match nul !");
    EXPECT_EQ(c.gameResult(), GameResult::Draw);
    EXPECT_EQ(game.gamePly, kLastPlyEntry); // no ply 253: the settings entries stay intact
    EXPECT_TRUE(view.panels[GamePanel::GameEnd]);
}

TEST_F(Controller, ComputerWithNoMoveLeftLosesAndTheUserHearsIt)
{
    // Black (the computer) to move with its last man blocked.
    position({ { 32, BlackMan }, { 28, WhiteMan }, { 23, WhiteMan } }, Black);
    game.enginePlaysBlack = 1;
    c.playComputerMove();
    EXPECT_EQ(c.endMessage(), "Bravo, vous avez gagné");
    EXPECT_EQ(c.gameResult(), GameResult::WhiteWon);
    ASSERT_FALSE(view.sounds.empty());
    EXPECT_EQ(view.sounds.back(), Sound::Won);
}

TEST_F(Controller, NoviceAPieceAheadPlaysItsSecondChoice)
{
    c.setLevel(*levelByIndex(0));
    // White (the computer) has three men against two, several quiet moves.
    position(
        { { 9, WhiteMan }, { 10, WhiteMan }, { 11, WhiteMan }, { 29, BlackMan }, { 30, BlackMan } },
        White);
    c.playComputerMove();
    ASSERT_EQ(game.gamePly, 1);
    EXPECT_TRUE(view.panels[GamePanel::HandicapApology]);
    const RecordEntry& played = game.record[1];
    EXPECT_FALSE(played.from == c.lastResult().move.from && played.to == c.lastResult().move.to);

    // With a single legal move (a compulsory capture) there is no choice to spoil.
    Board b;
    b.clear();
    for (auto [row, column] : { std::pair { 6, 4 }, { 7, 1 }, { 7, 7 } })
        b[detail::squareAt(row, column)] = WhiteMan;
    for (auto [row, column] : { std::pair { 5, 3 }, { 0, 0 } })
        b[detail::squareAt(row, column)] = BlackMan;
    game.startFrom(b, White);
    ASSERT_EQ(game.generateLegal(), 1);
    c.playComputerMove();
    EXPECT_EQ(game.gamePly, 1);
    EXPECT_FALSE(view.panels[GamePanel::HandicapApology]);
}

TEST_F(Controller, ComputerOffersADrawInAQuietEndingAndTheUserAccepts)
{
    position({ { 14, WhiteKing }, { 27, BlackKing }, { 3, WhiteMan } }, Black);
    game.gamePly = 30;
    game.recordedPlies = 30;
    game.storeRecordEntry(0);
    game.enginePlaysBlack = 1;
    c.playComputerMove();
    EXPECT_TRUE(view.panels[GamePanel::DrawOffer]);
    c.acceptDrawOffer();
    EXPECT_EQ(c.endMessage(), "Match nul !");
    EXPECT_FALSE(view.panels[GamePanel::DrawOffer]);
}

TEST_F(Controller, NoDrawOfferWhileCapturesAreRecent)
{
    position({ { 14, WhiteKing }, { 27, BlackKing }, { 3, WhiteMan } }, Black);
    game.gamePly = 30;
    game.recordedPlies = 30;
    game.storeRecordEntry(0);
    game.record[15].captured = 1;
    c.playComputerMove();
    EXPECT_FALSE(view.panels[GamePanel::DrawOffer]);
}

TEST_F(Controller, LongComputerCaptureIsShownJumpByJump)
{
    // Black's man on (1, 1) takes (2, 2) and (4, 2), passing through (3, 3).
    auto sq
        = [](int row, int column) { return static_cast<Square>(detail::squareAt(row, column)); };
    auto setUpCapture = [&] {
        Board b;
        b.clear();
        b[sq(1, 1)] = BlackMan;
        b[sq(2, 2)] = WhiteMan;
        b[sq(4, 2)] = WhiteMan;
        b[sq(7, 7)] = WhiteMan;
        game.startFrom(b, Black);
        c.picture().showBoard(game.displayed);
        view.shown.clear();
    };
    auto passedThrough = [&] {
        for (const auto& content : view.shown)
            if (content[sq(3, 3)] == BlackMan) return true;
        return false;
    };
    view.picture = &c.picture();
    c.timing = { 3, 0, 0, 0 };

    setUpCapture();
    c.playComputerMove();
    EXPECT_EQ(game.board[sq(5, 1)], BlackMan);
    EXPECT_TRUE(passedThrough());
    int blinks = 0;
    for (const auto& content : view.shown) blinks += content[sq(1, 1)] == BlackMan;
    EXPECT_EQ(blinks, 3);

    c.options.decomposeCaptures = false;
    setUpCapture();
    c.playComputerMove();
    EXPECT_FALSE(passedThrough());
    EXPECT_EQ(c.picture().content[sq(5, 1)], BlackMan);
    EXPECT_EQ(c.picture().marker[sq(5, 1)], MarkColour::Cyan);
}

TEST_F(Controller, KingCaptureShownJumpByJumpEndsOnTheSquareItReallyLandsOn)
{
    // Black's king takes (2, 2) and (4, 2) and may stop on (5, 1) or (6, 0).
    // The first path of that capture stops on (5, 1), where the man on (6, 2)
    // would take the king: the computer stops on (6, 0).
    auto sq
        = [](int row, int column) { return static_cast<Square>(detail::squareAt(row, column)); };
    Board b;
    b.clear();
    b[sq(0, 0)] = BlackKing;
    for (auto [row, column] : { std::pair { 2, 2 }, { 4, 2 }, { 6, 2 }, { 7, 3 }, { 7, 7 } })
        b[sq(row, column)] = WhiteMan;
    game.startFrom(b, Black);
    c.picture().showBoard(game.displayed);
    c.playComputerMove();
    ASSERT_EQ(game.gamePly, 1);
    ASSERT_EQ(game.record[1].to, sq(6, 0));
    const std::array<Square, 2> taken { sq(2, 2), sq(4, 2) };
    ASSERT_EQ(game.gen.capturePath(b, sq(0, 0), taken.data(), 2).landing[2], sq(5, 1));
    for (int s = 1; s <= 32; ++s)
        EXPECT_EQ(c.picture().content[s], game.board[s]) << "square " << s;
}

TEST_F(Controller, ResignationEndsTheGameForTheComputer)
{
    game.enginePlaysBlack = 1;
    c.resign();
    EXPECT_EQ(c.endMessage(), "Vous abandonnez, gain KORVELAN");
    EXPECT_EQ(c.gameResult(), GameResult::BlackWon);
    clickUser(10); // the game is over: no more moves
    EXPECT_EQ(game.gamePly, 0);
    EXPECT_FALSE(c.input().picked());
}

TEST_F(Controller, FinishedGameKeepsItsResultAndItsClocks)
{
    // White (the user) to move with its last man blocked: the computer has won.
    position({ { 1, WhiteMan }, { 5, BlackMan }, { 10, BlackMan }, { 30, BlackMan } }, White);
    game.enginePlaysBlack = 1;
    ASSERT_EQ(game.generateLegal(), 0);
    view.panels[GamePanel::DrawOffer] = true; // an offer still on the screen goes
    c.endGame(0);
    EXPECT_FALSE(view.panels[GamePanel::DrawOffer]);
    ASSERT_EQ(c.endMessage(), "Désolé, KORVELAN a gagné");
    ASSERT_EQ(c.gameResult(), GameResult::BlackWon);

    // Four pieces would make the computer accept a draw, and resigning would
    // give another message: neither touches a finished game.
    c.offerDraw();
    c.resign();
    c.acceptDrawOffer();
    EXPECT_EQ(c.endMessage(), "Désolé, KORVELAN a gagné");
    EXPECT_EQ(c.gameResult(), GameResult::BlackWon);
    EXPECT_FALSE(view.panels[GamePanel::DrawRefused]);

    // The user's clock no longer runs.
    view.clocks.clear();
    c.tickClock();
    EXPECT_TRUE(view.clocks.empty());
}

TEST_F(Controller, TheThirdOccurrenceOfAPositionDrawsTheGame)
{
    c.toggleHumanVsHuman(); // human against human
    position({ { 29, WhiteKing }, { 4, BlackKing }, { 3, BlackKing } }, White);
    const int shuttle[][2] = { { 29, 25 }, { 4, 8 }, { 25, 29 }, { 8, 4 } };
    for (int ply = 0; ply < 8; ++ply) {
        EXPECT_FALSE(c.gameOver()) << ply;
        clickUser(shuttle[ply % 4][0]);
        clickUser(shuttle[ply % 4][1]);
        ASSERT_EQ(game.gamePly, ply + 1);
    }
    // The start position with white to move, a third time.
    EXPECT_EQ(c.endMessage(), "Match nul par répétition !");
    EXPECT_EQ(c.gameResult(), GameResult::Draw);
    EXPECT_TRUE(view.panels[GamePanel::GameEnd]);
    clickUser(29);
    clickUser(25);
    EXPECT_EQ(game.gamePly, 8);
}

TEST_F(Controller, BetweenTwoPeopleThePlayerToMoveResigns)
{
    c.toggleHumanVsHuman();
    clickUser(10);
    clickUser(14);
    ASSERT_EQ(game.side, Black);
    c.resign();
    EXPECT_EQ(c.endMessage(), "Gain des blancs");
    EXPECT_EQ(c.gameResult(), GameResult::WhiteWon);
    EXPECT_TRUE(view.sounds.empty()); // nobody to console or congratulate
}

TEST_F(Controller, SwappingPlayersTakesTheComputersNameToItsNewColour)
{
    game.whiteName = "Inconnu";
    game.blackName = kComputerName;
    game.enginePlaysBlack = 1;
    c.swapSides();
    EXPECT_EQ(game.enginePlaysBlack, 0);
    EXPECT_EQ(game.whiteName, kComputerName);
    EXPECT_EQ(game.blackName, "Inconnu");
    EXPECT_STREQ(game.record[0].whiteName.data(), kComputerName); // stepping keeps them
    EXPECT_TRUE(c.engineTurn());
}

TEST_F(Controller, SteppingBackHidesTheNoticesOfThePositionLeft)
{
    c.toggleHumanVsHuman();
    clickUser(10);
    clickUser(14);
    clickUser(21);
    clickUser(18);
    clickUser(9); // white must take 14x21: the man on 9 cannot move
    ASSERT_TRUE(view.panels[GamePanel::CaptureNotice]);
    c.stepBack();
    EXPECT_EQ(game.gamePly, 1);
    EXPECT_FALSE(view.panels[GamePanel::CaptureNotice]);
    EXPECT_EQ(game.moveList.selected(), 0); // the line of white's first move, the last one played
    c.stepForward();
    EXPECT_EQ(game.moveList.selected(), 0);
    c.stepBack();
    c.stepBack();
    EXPECT_EQ(game.moveList.selected(), -1);
}

// Runs one loop pass in which the engine may think on the user's time. The
// test's action runs at the first poll; if the thinking does not end soon
// after, the test stops it itself and reports how long it went on.
int pollsOfPonderingPass(GameController& c, RecordingView& view,
                         const std::function<void()>& action)
{
    int polls = 0;
    view.onEvents = [&] {
        if (!c.pondering()) return;
        if (++polls == 1) action();
        if (polls > 200) c.stopThinking();
    };
    c.playLoopPass();
    view.onEvents = nullptr;
    return polls;
}

TEST_F(Controller, ComputerAgainstComputerInterruptsTheThinkingOnTheUsersTime)
{
    game.enginePlaysBlack = 1;
    clickUser(10);
    clickUser(14);
    c.playLoopPass(); // the computer answers; the user's turn comes next
    ASSERT_EQ(game.gamePly, 2);
    c.options.ponder = true;
    const int polls = pollsOfPonderingPass(c, view, [&] { c.toggleComputerVsComputer(); });
    EXPECT_GT(polls, 0);
    EXPECT_LT(polls, 50);
    c.playLoopPass();
    EXPECT_EQ(game.gamePly, 3); // the computer plays white now
}

TEST_F(Controller, FinishedGameIsNotThoughtAbout)
{
    game.enginePlaysBlack = 1;
    clickUser(10);
    clickUser(14);
    c.playLoopPass();
    ASSERT_EQ(game.gamePly, 2);
    c.resign();
    ASSERT_TRUE(c.gameOver());
    c.options.ponder = true;
    EXPECT_EQ(pollsOfPonderingPass(c, view, [] {}), 0);
}

TEST_F(Controller, FinishedGameGetsNoComputerMoveFromASwapOrComputerAgainstComputer)
{
    // White (the user) is blocked: the computer, black, has won.
    position({ { 1, WhiteMan }, { 5, BlackMan }, { 10, BlackMan }, { 30, BlackMan } }, White);
    game.enginePlaysBlack = 1;
    c.endGame(0);
    ASSERT_EQ(c.endMessage(), "Désolé, KORVELAN a gagné");
    const std::size_t sounds = view.sounds.size();
    c.swapSides(); // the computer would take the side that has lost
    c.playLoopPass();
    EXPECT_EQ(c.endMessage(), "Désolé, KORVELAN a gagné");
    EXPECT_EQ(c.gameResult(), GameResult::BlackWon);
    EXPECT_EQ(view.sounds.size(), sounds);

    // After a resignation both sides could still move: nothing is played either.
    c.resetGame();
    c.resign();
    ASSERT_TRUE(c.gameOver());
    c.swapSides();
    c.playLoopPass();
    EXPECT_EQ(game.gamePly, 0);
    c.toggleComputerVsComputer();
    c.playLoopPass();
    c.playLoopPass();
    EXPECT_EQ(game.gamePly, 0);
    EXPECT_EQ(c.endMessage(), "Vous abandonnez, gain KORVELAN");
}

TEST_F(Controller, StepsThatChangeNothingLeaveTheComputersThinkingAlone)
{
    // Black (the computer) thinks at the end of the record.
    game.enginePlaysBlack = 1;
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(c.engineTurn());
    int polls = 0;
    view.onEvents = [&] {
        if (!c.thinking() || ++polls != 1) return;
        c.stepForward(); // nothing is recorded beyond this ply
        c.goToLine(0);   // black to move: the line's position after white's move, the one shown
    };
    c.playLoopPass();
    ASSERT_GT(polls, 0);
    EXPECT_EQ(game.gamePly, 2); // the computer has played its move
    EXPECT_EQ(game.side, White);

    // The computer, white, thinks about the first move: nothing to take back.
    c.newTraining("Inconnu", false);
    ASSERT_TRUE(c.engineTurn());
    polls = 0;
    view.onEvents = [&] {
        if (c.thinking() && ++polls == 1) c.stepBack();
    };
    c.playLoopPass();
    view.onEvents = nullptr;
    ASSERT_GT(polls, 0);
    EXPECT_EQ(game.gamePly, 1);
    EXPECT_EQ(game.side, Black);
    EXPECT_EQ(game.enginePlaysBlack, 0);
}

TEST_F(Controller, NewGameRecordsItsStartWithTheClocksAtZero)
{
    c.toggleHumanVsHuman();
    clickUser(10);
    clickUser(14);
    game.clock = { 125, 61 }; // a game that has run for a while
    game.enginePlaysBlack = 0;
    c.resetGame();
    EXPECT_EQ(game.record[0].whiteClock, 0);
    EXPECT_EQ(game.record[0].blackClock, 0);
    EXPECT_EQ(game.record[0].enginePlaysBlack, game.enginePlaysBlack);
    c.goToStart(); // the start of the new game, not the clocks of the old one
    EXPECT_EQ(game.clock[White], 0);
    EXPECT_EQ(view.clocks[White], "0:00");
    EXPECT_EQ(view.clocks[Black], "0:00");
}

TEST_F(Controller, ClicksDuringTheComputersTurnAreNeverTheUsersMove)
{
    c.options.stopByClick = false;
    game.enginePlaysBlack = 1;
    clickUser(10);
    clickUser(14);
    ASSERT_TRUE(c.engineTurn()); // the computer's move comes next: a click now is not the user's
    search.state.stopRequested = false;
    c.boardClicked(cellOf(internalSquare(22), false));
    EXPECT_FALSE(c.pendingClick());
    EXPECT_FALSE(search.state.stopRequested); // nothing to stop yet
    c.playLoopPass();
    EXPECT_EQ(game.gamePly, 2);
    EXPECT_FALSE(c.input().picked());

    // Ticked, it is dropped all the same: only a running search is stopped by it
    // (the window tests click during the thinking).
    c.options.stopByClick = true;
    ASSERT_GT(game.generateLegal(), 0);
    const MoveRecord m = game.gen.list(1)[0];
    c.handleBoardClick(cellOf(m.from, false));
    if (!c.engineTurn()) c.handleBoardClick(cellOf(m.to, false));
    ASSERT_TRUE(c.engineTurn());
    search.state.stopRequested = false;
    c.boardClicked(cellOf(internalSquare(23), false));
    EXPECT_FALSE(c.pendingClick());
    EXPECT_FALSE(search.state.stopRequested);
}

TEST_F(Controller, NavigationAtTheEdgesOfTheRecordChangesNothing)
{
    c.stepBack();
    EXPECT_EQ(game.gamePly, 0);
    EXPECT_TRUE(c.skipPonder());
    c.stepForward();
    EXPECT_EQ(game.gamePly, 0);
    c.goToLine(3); // beyond the record: limited to what is recorded
    EXPECT_EQ(game.gamePly, 0);
}

TEST_F(Controller, RevenirNKeepsTheSideToMoveAndStaysInsideTheRecord)
{
    c.toggleHumanVsHuman();
    clickUser(10);
    clickUser(14);
    clickUser(22);
    clickUser(18);
    clickUser(11);
    clickUser(15);
    ASSERT_EQ(game.gamePly, 3);
    c.goToLine(0); // black to move: the position after white's first move
    EXPECT_EQ(game.gamePly, 1);
    EXPECT_EQ(game.side, Black);
    c.goToLine(5);
    EXPECT_EQ(game.gamePly, 3);
    c.goToStart();
    c.goToEnd();
    EXPECT_EQ(game.gamePly, 3);
    EXPECT_EQ(game.side, Black);
}

TEST_F(Controller, QuitterEndsTheLoop)
{
    c.quitAndKeepGame();
    EXPECT_TRUE(c.quitRequested());
    EXPECT_TRUE(view.quit);
}

// "Conseil" searches the user's position between loop passes and shows the
// engine's move as an arrow until the position changes; it is refused where
// the user has no move to make or a rated match is running.
TEST_F(Controller, HintShowsTheEnginesMoveUntilThePositionChanges)
{
    // White (the user) must take two men with 10x19x28: 11x20 takes only one.
    game.enginePlaysBlack = 1;
    position({ { 10, WhiteMan },
               { 11, WhiteMan },
               { 14, BlackMan },
               { 15, BlackMan },
               { 23, BlackMan },
               { 32, BlackMan } },
             White);
    ASSERT_TRUE(c.hintAllowed());
    c.showHint();
    EXPECT_EQ(c.picture().hintFrom, 0); // not in the command's handler: the loop runs it
    c.playLoopPass();
    EXPECT_EQ(c.picture().hintFrom, internalSquare(10));
    EXPECT_EQ(c.picture().hintTo, internalSquare(28));
    EXPECT_EQ(game.gamePly, 0); // advised, not played
    c.playLoopPass();
    EXPECT_EQ(c.picture().hintTo, internalSquare(28)); // the same position keeps it

    clickUser(10);
    clickUser(28);
    ASSERT_EQ(game.gamePly, 1);
    EXPECT_FALSE(c.hintAllowed()); // the computer's turn
    c.playLoopPass();              // its reply; the arrow belonged to the position left
    EXPECT_EQ(c.picture().hintFrom, 0);

    // No advice in a finished game or while a position is set up.
    for (bool editor : { false, true }) {
        c.resetGame();
        ASSERT_TRUE(c.hintAllowed());
        if (editor) c.togglePositionEditor();
        else c.resign();
        EXPECT_FALSE(c.hintAllowed()) << editor;
    }
}

// The user's clock stands still while the clocks are paused, while the new-game
// pages are open and while a position is set up; the time of the turn before
// is kept.
TEST_F(Controller, ClocksStandStillInPausesDialogsAndTheEditor)
{
    std::int64_t now = 1000;
    c.clocks().setTimeSource([&] { return now; });
    game.enginePlaysBlack = 1;
    c.resetGame();
    clickUser(10); // the first click starts the clocks
    ASSERT_TRUE(view.timer);
    now += 30;
    c.tickClock();
    EXPECT_EQ(view.clocks[White], "0:30");

    struct Stop {
        const char* what;
        std::function<void()> begin, end;
    };
    const Stop stops[] = {
        { "pause", [&] { c.pauseClocks(); }, [&] { c.restartClocks(); } },
        { "new-game pages", [&] { c.holdClocks(true); }, [&] { c.holdClocks(false); } },
        { "pause inside the new-game pages",
          [&] {
              c.pauseClocks();
              c.holdClocks(true);
          },
          [&] {
              c.holdClocks(false);
              c.restartClocks();
          } },
    };
    int used = 30;
    for (const Stop& st : stops) {
        st.begin();
        now += 600;
        c.tickClock();
        EXPECT_EQ(view.clocks[White], clockText(used).minutes + ":" + clockText(used).seconds)
            << st.what;
        st.end();
        now += 5;
        used += 5;
        c.tickClock();
        EXPECT_EQ(view.clocks[White], clockText(used).minutes + ":" + clockText(used).seconds)
            << st.what;
    }
    EXPECT_FALSE(c.clocksPaused());

    c.togglePositionEditor();
    ASSERT_TRUE(c.positionSetupMode());
    view.clocks.clear();
    now += 100;
    c.tickClock();
    EXPECT_TRUE(view.clocks.empty()); // setting up a position is no one's time
}

} // namespace

namespace {

// Random clicks and commands, some of them arriving while the engine thinks:
// after every pass the board, the record, the picture and the side to move
// must agree, whatever the order of events.
TEST(ControllerRandomPlay, BoardRecordAndPictureStayInStep)
{
    for (int seed = 1; seed <= 40; ++seed) {
        GameState game;
        SearchContext search(HashKeyTables::generated());
        RecordingView view;
        GameController c(game, search, view);
        c.timing = { 0, 0, 0, 0 };
        c.options.ponder = seed % 2 == 0;
        c.setLevel(*levelByIndex(seed % 4 == 0 ? 0 : 1));
        std::mt19937 rng(seed);
        const int mode = seed % 3; // 0 two people, 1 computer black, 2 computer white
        auto newGame = [&] {
            if (mode == 0) c.newHumanGame("A", "B");
            else c.newTraining("U", rng() % 2 == 0);
        };
        newGame();
        auto clickOn = [&](Square s) { c.boardClicked(cellOf(s, c.picture().inverted)); };
        auto act = [&] {
            const int r = rng() % 100;
            if (r < 70) {
                std::vector<Square> targets;
                if (c.input().picked()) {
                    for (int q = 1; q <= 32; ++q)
                        if (c.input().markers()[q] == Marker::Target
                            || c.input().markers()[q] == Marker::Branch)
                            targets.push_back(static_cast<Square>(q));
                } else {
                    Board b = game.board;
                    const int n = game.gen.generateLegal(b, game.side);
                    for (int i = 0; i < n; ++i) targets.push_back(game.gen.list(1)[i].from);
                }
                if (!targets.empty() && rng() % 8) clickOn(targets[rng() % targets.size()]);
                else clickOn(static_cast<Square>(1 + rng() % 32));
            } else if (r < 75) c.stepBack();
            else if (r < 78) c.stepForward();
            else if (r < 80) c.goToStart();
            else if (r < 82) c.goToEnd();
            else if (r < 85) c.goToLine(rng() % 10);
            else if (r < 87) c.flipBoard();
            else if (r < 88 && mode != 0) c.swapSides();
            else if (r < 89) c.offerDraw();
            else if (r < 90 && rng() % 10 == 0) c.resign();
            else if (r < 91 && (c.gameOver() || rng() % 8 == 0)) newGame();
            else if (r < 92) c.acceptDrawOffer();
            else if (r < 93) c.resetClocks();
        };
        bool inEvents = false;
        view.onEvents = [&] {
            if (inEvents || rng() % 3) return;
            inEvents = true;
            act();
            inEvents = false;
        };
        for (int step = 0; step < 300; ++step) {
            act();
            c.playLoopPass();
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            ASSERT_FALSE(c.busy());
            ASSERT_LE(game.gamePly, game.recordedPlies);
            Board recorded;
            recorded[0] = OffBoard;
            for (int s = 1; s <= 32; ++s) recorded[s] = game.record[game.gamePly].squares[s - 1];
            ASSERT_TRUE(recorded == game.board);
            ASSERT_TRUE(game.displayed == game.board);
            ASSERT_EQ(int(game.side), game.gamePly % 2);
            for (int s = 1; s <= 32; ++s) {
                ASSERT_EQ(c.picture().content[s], game.board[s]) << "square " << s;
                const MarkColour m = c.picture().marker[s];
                if (!c.input().picked()) {
                    ASSERT_TRUE(m != MarkColour::Red && m != MarkColour::Blue
                                && m != MarkColour::Fuchsia)
                        << s;
                }
            }
            const auto& lines = game.moveList.lines();
            for (int p = 1; p <= game.recordedPlies; ++p) {
                const RecordEntry& e = game.record[p];
                const std::string ply = std::string(label(e.from)) + (e.captured ? "x" : "-")
                    + std::string(label(e.to));
                ASSERT_LT((p - 1) / 2, int(lines.size()));
                ASSERT_NE(lines[(p - 1) / 2].find(ply), std::string::npos) << "ply " << p;
            }
            ASSERT_GE(game.clock[White], 0);
            ASSERT_GE(game.clock[Black], 0);
        }
    }
}

} // namespace

TEST_F(Controller, EachAnnouncedEndingHasItsTextResultAndSound)
{
    // Training against the computer playing black, both sides still able to move.
    game.enginePlaysBlack = 1;
    struct Case {
        int code;
        const char* text;
        GameResult result;
        std::optional<Sound> sound;
    };
    const Case cases[] = {
        { 1, "Match nul !", GameResult::Draw, std::nullopt },
        { 3, "Match nul par répétition !", GameResult::Draw, std::nullopt },
        { 4, "Temps dépassé, gain KORVELAN", GameResult::BlackWon, Sound::Lost },
        { 5, "Temps dépassé, vous gagnez", GameResult::WhiteWon, Sound::Won },
        { 6, "Vous abandonnez, gain KORVELAN", GameResult::BlackWon, Sound::Lost },
    };
    for (const Case& k : cases) {
        view.sounds.clear();
        c.endGame(k.code);
        EXPECT_EQ(c.endMessage(), QString::fromUtf8(k.text)) << k.code;
        EXPECT_EQ(c.gameResult(), k.result) << k.code;
        if (k.sound) {
            ASSERT_EQ(view.sounds.size(), 1u) << k.code;
            EXPECT_EQ(view.sounds.back(), *k.sound) << k.code;
        } else {
            EXPECT_TRUE(view.sounds.empty()) << k.code;
        }
    }
}

TEST_F(Controller, NavigationKnowsWhoMovesInARecordStartedByBlack)
{
    c.toggleHumanVsHuman(); // human against human
    position({ { 5, WhiteMan }, { 6, WhiteMan }, { 27, BlackMan }, { 28, BlackMan } }, Black);
    for (int ply = 0; ply < 3; ++ply) {
        ASSERT_GT(game.generateLegal(), 0);
        ASSERT_EQ(game.playMove(game.gen.list(1)[0], game.gen.captureCount()), PlayResult::Played);
    }
    ASSERT_EQ(game.side, White);
    c.goToStart();
    EXPECT_EQ(game.gamePly, 0);
    EXPECT_EQ(game.side, Black);
    c.stepForward();
    EXPECT_EQ(game.side, White);
    c.goToEnd();
    EXPECT_EQ(game.gamePly, 3);
    EXPECT_EQ(game.side, White);
    c.stepBack();
    EXPECT_EQ(game.side, Black);
}
