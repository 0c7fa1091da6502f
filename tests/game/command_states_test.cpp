#include "game/board_picture.h"
#include "game/command_states.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(CommandStates, ThinkingLocksTheGameButNotTheStopsAndNavigationButtons)
{
    CommandInputs in;
    in.thinking = true;
    const CommandStates s = commandStates(in);
    EXPECT_FALSE(s.newGame);
    EXPECT_FALSE(s.editMenu);
    EXPECT_FALSE(s.offerDraw);
    EXPECT_FALSE(s.fileMenu);
    EXPECT_FALSE(s.parametersMenu);   // the libraries stay as the search found them
    EXPECT_TRUE(s.navigationButtons); // they abandon the search
    EXPECT_TRUE(s.stopSearch);
    EXPECT_TRUE(s.quit);
    EXPECT_TRUE(s.busyCursor);
    in.computerVsComputer = true;
    EXPECT_TRUE(commandStates(in).fileMenu); // to untick the mode
}

TEST(CommandStates, MatchForbidsTakeBacksAndLevelChangesAfterTenPlies)
{
    CommandInputs in;
    in.match = true;
    in.gamePly = 10;
    CommandStates s = commandStates(in);
    EXPECT_FALSE(s.navigationButtons);
    EXPECT_FALSE(s.clocksToZero);
    EXPECT_FALSE(s.parametersMenu);
    // Nothing hands the player's side to another or stops the player's clock.
    EXPECT_FALSE(s.analysisMenu || s.clockPause || s.humanVsHuman || s.computerVsComputer);
    EXPECT_TRUE(s.levelMenu);
    EXPECT_TRUE(s.offerDraw);
    in.gamePly = 11;
    EXPECT_FALSE(commandStates(in).levelMenu);
    EXPECT_TRUE(commandStates({}).navigationButtons);
}

TEST(BoardPicture, TurnedBoardDrawsSquareOneWhereThirtyTwoIs)
{
    for (int s = 1; s <= 32; ++s) {
        const Square sq = static_cast<Square>(s);
        EXPECT_EQ(squareOfCell(cellOf(sq, false), false), sq);
        EXPECT_EQ(squareOfCell(cellOf(sq, true), true), sq);
        EXPECT_EQ(cellOf(sq, true).column, cellOf(mirror(sq), false).column);
        EXPECT_EQ(cellOf(sq, true).row, cellOf(mirror(sq), false).row);
    }
    // Square 1 in the top row, second column from the right; 29 bottom right.
    EXPECT_EQ(cellOf(1, false).row, 0);
    EXPECT_EQ(cellOf(1, false).column, 6);
    EXPECT_EQ(cellOf(29, false).row, 7);
    EXPECT_EQ(cellOf(29, false).column, 7);
    EXPECT_EQ(squareOfCell({ 7, 0 }, false), 0); // light square
    EXPECT_EQ(squareOfCell({ 8, 0 }, false), 0); // outside
}

TEST(BoardPicture, DrawingASquareRemovesItsMarker)
{
    BoardPicture p;
    p.marker[5] = MarkColour::Cyan;
    p.marker[6] = MarkColour::Red;
    p.content[6] = WhiteMan;
    p.draw(5, BlackMan);
    EXPECT_EQ(p.marker[5], MarkColour::None);
    p.clearEmptyMarkers();
    EXPECT_EQ(p.marker[6], MarkColour::Red); // a piece stands there
}
