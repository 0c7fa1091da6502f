#include "players/match.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace kv;

namespace {

PlayerRegistry sample()
{
    PlayerRegistry reg; // Korvelan 2050 on line 0
    reg.add("Inconnu", 1500);
    reg.add("Anne", 1800);
    reg.add("Bruno", 1650);
    return reg;
}

} // namespace

TEST(MatchSetup, ThePlayersLineIsOneThatHoldsTheTypedName)
{
    const PlayerRegistry reg = sample();
    // Engine black: the player is White, at the rating of the chosen line.
    auto s = setUpMatch(reg, { "Anne", 2, false, -1 });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->white.name, "Anne");
    EXPECT_EQ(s->white.index, 2);
    EXPECT_EQ(s->white.rating, 1800);
    EXPECT_EQ(s->black.name, kEngineName);
    EXPECT_EQ(s->black.index, 0);
    EXPECT_EQ(s->black.rating, 2050);
    EXPECT_EQ(s->playerSide, 0);
    EXPECT_FALSE(s->engineVsEngine);

    // Engine white: the mirror image. A selection that does not hold the
    // typed name is not taken; the name is found on its own line.
    s = setUpMatch(reg, { "Bruno", 2, true, -1 });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->white.index, 0);
    EXPECT_EQ(s->black.index, 3);
    EXPECT_EQ(s->black.rating, 1650);
    EXPECT_EQ(&s->player(), &s->black);

    // No selection and a previous player of another name: never line 0 nor that line.
    s = setUpMatch(reg, { "Zoé", -1, false, 2 });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->white.index, -1);
    EXPECT_EQ(s->white.rating, kUnknownRating);
    s = setUpMatch(reg, { "Anne", -1, false, 0 });
    EXPECT_EQ(s->white.index, 2);

    EXPECT_FALSE(setUpMatch(reg, { "  ", 2, false, -1 }));
}

TEST(MatchSetup, InconnuPlaysAt1500AndTheEnginesNamePlaysItself)
{
    PlayerRegistry reg = sample();
    reg.setRating(1, 1720);
    auto s = setUpMatch(reg, { "Inconnu", 1, false, -1 });
    ASSERT_TRUE(s);
    EXPECT_EQ(s->white.index, 1);
    EXPECT_EQ(s->white.rating, 1500);

    s = setUpMatch(reg, { "Korvelan", 0, true, -1 });
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->engineVsEngine);

    EXPECT_EQ(clockDivisor(1799), 2);
    EXPECT_EQ(clockDivisor(1800), 1);
}

TEST(MatchResult, StoresBothRatingsAndTheHistoryOnce)
{
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(saveRegistry(sample(), dir.path(), error));
    const PlayerRegistry reg = *loadRegistry(dir.path()).registry;
    const MatchSetup s = *setUpMatch(reg, { "Anne", 2, false, -1 });

    const RatedResult won = rateMatch(s, GameResult::WhiteWon);
    EXPECT_EQ(won.after, (RatingPair { 1822, 2028 }));
    StoreReport report = storeRatedResult(dir.path(), won, "2026-12-07 14:05");
    ASSERT_TRUE(report.saved) << report.error;
    EXPECT_EQ(report.linesWritten, (std::vector<int> { 2, 0 }));
    const PlayerRegistry after = *loadRegistry(dir.path()).registry;
    EXPECT_EQ(after[0].rating, 2028);
    EXPECT_EQ(after[2].rating, 1822);
    EXPECT_EQ(after[3].rating, 1650);

    // A loss with the engine white; the history holds both games.
    const MatchSetup s2 = *setUpMatch(after, { "Anne", 2, true, -1 });
    ASSERT_TRUE(
        storeRatedResult(dir.path(), rateMatch(s2, GameResult::WhiteWon), "2026-12-07 15:00")
            .saved);
    const HistoryLoad h = loadHistory(dir.path());
    ASSERT_EQ(h.records.size(), 2u);
    EXPECT_EQ(h.records[0].white, "Anne");
    EXPECT_EQ(h.records[0].whiteAfter, 1822);
    EXPECT_EQ(h.records[1].black, "Anne");
    const PlayerSummary anne = summarize(h.records, "Anne");
    EXPECT_EQ(anne.games, 2);
    EXPECT_EQ(anne.won, 1);
    EXPECT_EQ(anne.lost, 1);
}

TEST(MatchResult, OnlyLinesThatStillHoldTheirPlayerAreWritten)
{
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(saveRegistry(sample(), dir.path(), error));
    const MatchSetup s = *setUpMatch(sample(), { "Bruno", 3, false, -1 });

    // Meanwhile Anne was deleted: Bruno is now on line 2.
    PlayerRegistry changed = sample();
    changed.remove(2);
    ASSERT_TRUE(saveRegistry(changed, dir.path(), error));
    StoreReport report = storeRatedResult(dir.path(), rateMatch(s, GameResult::Draw), "d");
    ASSERT_TRUE(report.saved);
    EXPECT_EQ(report.linesWritten, (std::vector<int> { 2, 0 }));
    EXPECT_EQ((*loadRegistry(dir.path()).registry)[2].rating, 1650 + (2050 - 1650) / 10);

    // An unregistered player: only the engine's line changes.
    const MatchSetup u = *setUpMatch(changed, { "Zoé", -1, false, 2 });
    report = storeRatedResult(dir.path(), rateMatch(u, GameResult::BlackWon), "d");
    EXPECT_EQ(report.linesWritten, (std::vector<int> { 0 }));
    EXPECT_EQ(loadRegistry(dir.path()).registry->size(), 3);
}

TEST(MatchResult, AnUnreadableRegistryIsLeftAlone)
{
    test::TempDir dir;
    const MatchSetup s = *setUpMatch(sample(), { "Anne", 2, false, -1 });
    const StoreReport report = storeRatedResult(dir.path(), rateMatch(s, GameResult::Draw), "d");
    EXPECT_FALSE(report.saved);
    EXPECT_EQ(report.failedFile, kPlayersFile);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kRatingsFile));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kHistoryFile));
}

TEST(History, LinesRoundTripAndDamagedLinesAreSkipped)
{
    const ResultRecord r { "2026-12-07 14:05",  "Anne", "Korvelan", 1800, 1822, 2050, 2028,
                           GameResult::WhiteWon };
    EXPECT_EQ(historyLine(r), "2026-12-07 14:05\tAnne\t1800\t1822\tKorvelan\t2050\t2028\t2-0");
    const auto back = parseHistoryLine(historyLine(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->black, "Korvelan");
    EXPECT_EQ(back->blackAfter, 2028);
    EXPECT_EQ(back->outcome, GameResult::WhiteWon);

    test::TempDir dir;
    std::ofstream(dir.path() / kHistoryFile, std::ios::binary)
        << historyLine(r) << "\r\nnonsense\r\n"
        << "d\tA\t1\t2\tB\t3\t4\t3-0\r\n"
        << historyLine(r) << "\r\n";
    const HistoryLoad h = loadHistory(dir.path());
    EXPECT_EQ(h.records.size(), 2u);
    EXPECT_EQ(h.skipped, 2);

    std::vector<std::string> full(kMaxHistory, historyLine(r));
    full.front() = "oldest";
    const auto lines = historyWith(full, r);
    EXPECT_EQ(lines.size(), kMaxHistory);
    EXPECT_EQ(lines.front().substr(0, 6), "2026-1");

    // A rated game keeps the lines it does not understand.
    std::string error;
    ASSERT_TRUE(saveRegistry(sample(), dir.path(), error));
    const MatchSetup s = *setUpMatch(sample(), { "Anne", 2, false, -1 });
    ASSERT_TRUE(storeRatedResult(dir.path(), rateMatch(s, GameResult::Draw), "d").saved);
    const HistoryLoad after = loadHistory(dir.path());
    EXPECT_EQ(after.records.size(), 3u);
    EXPECT_EQ(after.skipped, 2);
    EXPECT_EQ(after.lines[1], "nonsense");
}
