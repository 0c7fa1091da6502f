// Rated matches through the controller: the sides, the end texts, the rating
// handed to the window once, and the loss on time with the halved clock.
#include "game/controller.h"

#include "quiet_view.h"
#include "rules/geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace kv;

namespace {

class MatchView : public test::QuietView {
public:
    void matchRated(const RatedResult* r) override
    {
        ++calls;
        rated = r ? std::optional<RatedResult>(*r) : std::nullopt;
    }

    int calls = 0;
    std::optional<RatedResult> rated;
};

class Match : public ::testing::Test {
protected:
    Match() : search(HashKeyTables::generated()), c(game, search, view)
    {
        c.timing = { 0, 0, 0, 0 };
        c.options.ponder = false;
        c.setLevel(*levelByIndex(1)); // depth 3; LevelCap 58, a time limit of 60 s
        game.newGame();
        registry.add("Anne", 1800);
        registry.add("Bruno", 1700);
    }

    void start(const char* name, bool engineWhite)
    {
        const int row = registry.indexOf(name);
        c.newMatch(*setUpMatch(registry, { name, row, engineWhite, -1 }));
    }
    void position(const std::vector<std::pair<int, std::uint8_t>>& pieces, SideToMove side)
    {
        Board b;
        b.clear();
        for (auto [user, code] : pieces) b[internalSquare(user)] = code;
        game.startFrom(b, side);
        c.picture().showBoard(game.displayed);
    }

    PlayerRegistry registry; // Korvelan 2050 on line 0
    GameState game;
    SearchContext search;
    MatchView view;
    GameController c;
};

} // namespace

TEST_F(Match, AWinIsAnnouncedByNameAndRatedOnce)
{
    start("Anne", false);
    EXPECT_EQ(c.matchState(), 1);
    EXPECT_EQ(game.whiteName, "Anne");
    EXPECT_EQ(game.blackName, "Korvelan");
    // The computer (black) has no move left.
    position({ { 32, BlackMan }, { 28, WhiteMan }, { 23, WhiteMan } }, Black);
    c.playComputerMove();
    EXPECT_EQ(c.endMessage(), "Anne gagne");
    EXPECT_EQ(c.matchState(), 5);
    ASSERT_TRUE(view.rated);
    EXPECT_EQ(view.rated->after, (RatingPair { 1822, 2028 }));
    EXPECT_EQ(view.rated->setup.white.rating, 1800);

    // A second end of the same game changes nothing.
    c.endGame(1);
    c.resign();
    EXPECT_EQ(view.calls, 1);
    EXPECT_EQ(c.gameResult(), GameResult::WhiteWon);
}

TEST_F(Match, ResignationRatesAWinOfTheComputerThenLeavesTheMatch)
{
    start("Bruno", true); // the computer plays white
    EXPECT_EQ(game.blackName, "Bruno");
    EXPECT_EQ(c.lastMatch().black.index, 2);
    c.resign();
    EXPECT_EQ(c.endMessage(), "Vous abandonnez, gain KORVELAN");
    ASSERT_TRUE(view.rated);
    EXPECT_EQ(view.rated->outcome, GameResult::WhiteWon);
    EXPECT_EQ(view.rated->after, rateMatchResult(2050, 1700, GameResult::WhiteWon));
    EXPECT_EQ(c.matchState(), 0);
}

TEST_F(Match, ThePlayersClockCountsHalfBelow1800)
{
    // The user (white) has used 100 s against a limit of 60 s; the computer is to move.
    const std::vector<std::pair<int, std::uint8_t>> pieces {
        { 9, WhiteMan }, { 10, WhiteMan }, { 23, BlackMan }, { 24, BlackMan }
    };
    start("Bruno", false); // 1700: 100 / 2 is within the limit
    position(pieces, Black);
    game.clock = { 100, 0 };
    c.playComputerMove();
    EXPECT_FALSE(c.gameOver());
    EXPECT_EQ(game.gamePly, 1);

    start("Anne", false); // 1800: the clock counts in full
    position(pieces, Black);
    game.clock = { 100, 0 };
    c.playComputerMove();
    EXPECT_EQ(c.endMessage(), "Temps dépassé, gain KORVELAN");
    EXPECT_EQ(game.gamePly, 0); // the computer plays no move in a game already lost on time
    ASSERT_TRUE(view.rated);
    EXPECT_EQ(view.rated->outcome, GameResult::BlackWon);
}

TEST_F(Match, TheEnginesNamePlaysItselfUnratedAndTrainingClearsTheResults)
{
    start("Korvelan", false);
    EXPECT_EQ(c.matchState(), 0);
    EXPECT_TRUE(c.computerVsComputer());

    c.newTraining("Anne", true);
    c.resign();
    EXPECT_EQ(view.calls, 1);
    EXPECT_FALSE(view.rated);
}
