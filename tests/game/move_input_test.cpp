#include "game/move_input.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace kv;

namespace {

constexpr Square at(int row, int column)
{
    return detail::squareAt(row, column) == 0 ? 0 : Square(detail::squareAt(row, column));
}

class Input : public ::testing::Test {
protected:
    void SetUp() override { board.clear(); }
    ClickResult click(Square s) { return input.click(board, side, gen, s); }

    Board board;
    SideToMove side = White;
    MoveGenerator gen;
    MoveInput input;
};

// A piece with one legal move (a quiet one, or a capture forced at every
// jump) is played by the pick-up only with "Coup unique joué d'un clic";
// otherwise its destination is marked and the second click plays it.
TEST_F(Input, PieceWithOneMoveIsPlayedAtOnceOnlyWithTheOption)
{
    struct Case {
        const char* what;
        std::vector<std::pair<Square, std::uint8_t>> pieces;
        Square from, to;
        int taken;
    };
    const Case cases[] = {
        { "man on the edge",
          { { at(5, 7), WhiteMan }, { at(0, 2), BlackMan } },
          at(5, 7),
          at(4, 6),
          0 },
        { "forced double capture",
          { { at(6, 4), WhiteMan },
            { at(5, 3), BlackMan },
            { at(3, 3), BlackMan },
            { at(0, 0), BlackMan } },
          at(6, 4),
          at(2, 4),
          2 },
    };
    for (const Case& t : cases)
        for (bool atOnce : { true, false }) {
            SCOPED_TRACE(std::string(t.what) + (atOnce ? ", at once" : ", two clicks"));
            board.clear();
            for (auto [s, code] : t.pieces) board[s] = code;
            input.clear();
            input.playSingleMoveAtOnce = atOnce;
            if (!atOnce) {
                ASSERT_EQ(click(t.from), ClickResult::Waiting);
                EXPECT_EQ(input.markers()[t.to], Marker::Target);
                EXPECT_EQ(click(t.from), ClickResult::Cancelled); // a mis-click undone
                ASSERT_EQ(click(t.from), ClickResult::Waiting);
            }
            EXPECT_EQ(click(atOnce ? t.from : t.to), ClickResult::Complete);
            EXPECT_EQ(input.move().from, t.from);
            EXPECT_EQ(input.move().to, t.to);
            EXPECT_EQ(input.move().n, t.taken);
            EXPECT_EQ(input.landing().landing[std::max(1, t.taken)], t.to);
            EXPECT_FALSE(input.picked());
        }
    EXPECT_EQ(input.landing().landing[1], at(4, 2)); // the capture's first jump
}

TEST_F(Input, TwoQuietMovesWaitForTheDestination)
{
    board.setInitial();
    const Square man = internalSquare(10);
    EXPECT_EQ(click(man), ClickResult::Waiting);
    EXPECT_EQ(input.markers()[man], Marker::Origin);
    EXPECT_EQ(input.markers()[internalSquare(13)], Marker::Target);
    EXPECT_EQ(input.markers()[internalSquare(14)], Marker::Target);
    EXPECT_EQ(click(internalSquare(18)), ClickResult::Ignored); // not a destination
    EXPECT_EQ(click(internalSquare(14)), ClickResult::Complete);
    EXPECT_EQ(input.move().to, internalSquare(14));
    EXPECT_FALSE(input.captureNotice());
}

TEST_F(Input, ClickingTheOriginAgainPutsThePieceBack)
{
    board.setInitial();
    ASSERT_EQ(click(internalSquare(10)), ClickResult::Waiting);
    EXPECT_EQ(click(internalSquare(10)), ClickResult::Cancelled);
    EXPECT_FALSE(input.picked());
    EXPECT_EQ(input.markers()[internalSquare(13)], Marker::None);
}

TEST_F(Input, PieceWithoutALegalMoveIsNotPickedAndTheNoticeShows)
{
    board[at(6, 2)] = WhiteMan;
    board[at(5, 1)] = BlackMan; // white must take it
    board[at(7, 7)] = WhiteMan; // this one may not move
    board[at(0, 0)] = BlackMan;
    EXPECT_EQ(click(at(7, 7)), ClickResult::Ignored);
    EXPECT_TRUE(input.captureNotice());
    EXPECT_FALSE(input.picked());
    EXPECT_EQ(click(at(5, 1)), ClickResult::Ignored); // not the side's piece
}

TEST_F(Input, KingPathsThatSplitMarkTheirDistinctFinalSquares)
{
    board[at(7, 1)] = WhiteKing;
    board[at(6, 2)] = BlackMan; // the forced first capture
    board[at(4, 4)] = WhiteMan; // stops the king on (5, 3)
    board[at(4, 2)] = BlackMan; // then either this one ...
    board[at(6, 4)] = BlackMan; // ... or this one
    ASSERT_EQ(click(at(7, 1)), ClickResult::Waiting);
    EXPECT_EQ(input.step(), 1);
    EXPECT_EQ(input.path()[1], at(5, 3));
    for (Square f : { at(3, 1), at(2, 0), at(7, 5) }) {
        EXPECT_EQ(input.mark(f), 100) << int(f);
        EXPECT_EQ(input.markers()[f], Marker::Target);
    }
    EXPECT_EQ(click(at(7, 5)), ClickResult::Complete);
    EXPECT_EQ(input.move().n, 2);
    EXPECT_EQ(input.move().captured[1], at(6, 4));
}

TEST_F(Input, PathsToTheSameFinalSquareNeedTheSplitClicked)
{
    // A man goes round a diamond either way and lands on (2, 4) both times.
    board[at(6, 4)] = WhiteMan;
    for (Square s : { at(5, 3), at(3, 3), at(5, 5), at(3, 5) }) board[s] = BlackMan;
    ASSERT_EQ(click(at(6, 4)), ClickResult::Waiting);
    EXPECT_EQ(input.step(), 0);
    EXPECT_EQ(input.mark(at(2, 4)), 0); // a shared final square names no move
    EXPECT_EQ(input.markers()[at(4, 2)], Marker::Branch);
    EXPECT_EQ(input.markers()[at(4, 6)], Marker::Branch);
    EXPECT_EQ(click(at(2, 4)), ClickResult::Ignored);
    EXPECT_EQ(click(at(4, 6)), ClickResult::Complete); // the rest is forced
    EXPECT_EQ(input.move().captured[0], at(5, 5));
    EXPECT_EQ(input.move().captured[1], at(3, 5));
    EXPECT_EQ(input.move().to, at(2, 4));
}

} // namespace
