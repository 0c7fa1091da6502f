#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/notation.h"

#include <algorithm>
#include <optional>

#include <gtest/gtest.h>

using namespace kv;

namespace {
// Plays the legal move from..to (internal squares) of the side to move.
void play(GameState& g, int from, int to)
{
    const int n = g.generateLegal();
    for (int i = 0; i < n; ++i) {
        const MoveRecord m = g.gen.list(1)[i];
        if (m.from == from && m.to == to) {
            ASSERT_EQ(g.playMove(m, g.gen.captureCount()), PlayResult::Played);
            return;
        }
    }
    FAIL() << "no move " << from << "-" << to;
}

// Two kings that can never reach each other: white shuttles 5-1, black 28-32.
void startShuttle(GameState& g)
{
    Board b;
    b.clear();
    b[5] = WhiteKing;
    b[28] = BlackKing;
    g.startFrom(b, White);
}

void shuttle(GameState& g)
{
    const int target = g.side == White ? (g.board[5] ? 1 : 5) : (g.board[28] ? 32 : 28);
    play(g, g.side == White ? 6 - target : 60 - target, target);
}
} // namespace

TEST(GameRecord, NewGameIsEntryZero)
{
    GameState g;
    g.newGame();
    EXPECT_EQ(g.gamePly, 0);
    EXPECT_EQ(g.recordedPlies, 0);
    const RecordEntry& e = g.record[0];
    EXPECT_EQ(e.from, 0);
    EXPECT_EQ(e.to, 0);
    EXPECT_EQ(e.captured, 0);
    EXPECT_EQ(e.squares[0], BlackMan);
    EXPECT_EQ(e.squares[31], WhiteMan);
}

TEST(GameRecord, MoveListLinesAndTakeBack)
{
    GameState g;
    g.newGame();
    play(g, 22, 18);
    ASSERT_EQ(g.moveList.lines().size(), 1u);
    EXPECT_EQ(g.moveList.lines()[0], " 1.10-14 ");
    play(g, 11, 15);
    EXPECT_EQ(g.moveList.lines()[0], " 1.10-14 23-19");
    play(g, 18, 11); // 14x23 captures 19
    EXPECT_EQ(g.record[3].captured, 1);
    EXPECT_EQ(g.moveList.lines()[1], " 2.14x23 ");
    play(g, 8, 15);
    EXPECT_EQ(g.moveList.lines()[1], " 2.14x23 28x19");
    EXPECT_EQ(g.recordedPlies, 4);

    // Take back two plies: the capture is forced again and the list shrinks.
    g.gamePly = 2;
    g.restoreRecordEntry();
    g.side = White;
    EXPECT_EQ(g.board[18], WhiteMan);
    EXPECT_EQ(g.board[15], BlackMan);
    play(g, 18, 11);
    EXPECT_EQ(g.recordedPlies, 3);
    ASSERT_EQ(g.moveList.lines().size(), 2u);
    EXPECT_EQ(g.moveList.lines()[1], " 2.14x23 ");

    // Then a different black answer from the one first played.
    play(g, 7, 16);
    EXPECT_EQ(g.recordedPlies, 4);
    ASSERT_EQ(g.moveList.lines().size(), 3u);
    EXPECT_EQ(g.moveList.lines()[1], " 2.14x23 27x20");
    EXPECT_EQ(g.moveList.lines()[2], "");
}

TEST(GameRecord, PromotionIsStoredAsKing)
{
    GameState g;
    Board b;
    b.clear();
    b[5] = WhiteMan;
    b[30] = BlackMan;
    g.startFrom(b, White);
    play(g, 5, 1);
    EXPECT_EQ(g.record[1].squares[0], WhiteKing);
}

TEST(GameRecord, FullRecordRefusesAnotherPly)
{
    GameState g;
    startShuttle(g);
    int played = 0;
    while (!g.recordFull()) {
        shuttle(g);
        ++played;
    }
    EXPECT_EQ(played, kLastPlyEntry);
    ASSERT_GT(g.generateLegal(), 0);
    EXPECT_EQ(g.playMove(g.gen.list(1)[0], 0), PlayResult::RecordFull);
    EXPECT_EQ(g.gamePly, kLastPlyEntry);
    EXPECT_EQ(g.record[253].whiteClock, 0); // the settings entries are untouched
}

TEST(GameRecord, LongTakeBackDropsEveryLaterLine)
{
    // Fourteen plies of two kings shuttling, back to ply 2, a new move: the
    // list holds the first pair and the new ply, nothing of the old game.
    GameState g;
    startShuttle(g);
    for (int ply = 0; ply < 14; ++ply) shuttle(g);
    ASSERT_EQ(g.recordedPlies, 14);
    g.gamePly = 2;
    g.restoreRecordEntry();
    g.side = White;
    play(g, 1, 6);
    EXPECT_EQ(g.recordedPlies, 3);
    ASSERT_EQ(g.moveList.lines().size(), 2u);
    EXPECT_EQ(g.moveList.lines()[0], " 1.25-29 08-04");
    EXPECT_EQ(g.moveList.lines()[1], " 2.29-26 ");
}

// Every legal move as the move list writes it reads back as that move alone:
// a capture names its landing squares exactly when another capture shares
// its origin and destination.
TEST(GameRecord, MoveListNamesTheRouteOfCapturesWithTheSameEnds)
{
    struct Case {
        const char* fen;
        std::vector<std::string> written; // the texts of every legal move, sorted
    };
    const Case cases[] = {
        // The king takes three pieces by two routes to 27 and two to 31.
        { "W:WK24:B10,14,15,22", { "24x06x13x27", "24x06x13x31", "24x11x18x27", "24x11x18x31" } },
        // Two routes to 29 and two to 31: each is told by its landing squares.
        { "W:W6:B10,11,18,19,26,27",
          { "06x13x22x29", "06x13x22x31", "06x15x22x29", "06x15x22x31" } },
        // Captures with ends of their own, and quiet moves, are written by their ends.
        { "B:W5,6:B9,10,15", { "09x02", "10x01", "10x03" } },
        { "W:W1,K32:B30", { "01-05", "32-05", "32-10", "32-14", "32-19", "32-23", "32-28" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fen);
        const std::optional<Position> p = parseFen(c.fen);
        ASSERT_TRUE(p);
        GameState probe;
        probe.startFrom(p->board, p->side);
        const int n = probe.generateLegal();
        std::vector<std::string> written;
        for (int i = 0; i < n; ++i) {
            const MoveRecord m = probe.gen.list(1)[i];
            GameState g;
            g.startFrom(p->board, p->side);
            ASSERT_EQ(g.playMove(m, probe.gen.captureCount()), PlayResult::Played);
            const std::string line = g.moveList.lines()[0];
            const std::string text
                = line.substr(line.find('.') + 1, line.find_last_not_of(' ') - line.find('.'));
            written.push_back(text);
            const std::optional<MoveRecord> back = parseMove(p->board, p->side, text);
            ASSERT_TRUE(back) << text;
            EXPECT_EQ(g.playedMove(1)->captured, back->captured) << text;
        }
        std::sort(written.begin(), written.end());
        EXPECT_EQ(written, c.written);
    }
}
