#include "pattern_fit.h"
#include "tune_samples.h"

#include "eval/evaluate.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kv;

namespace {

std::string writeGames(const std::string& body)
{
    const std::string path
        = (std::filesystem::temp_directory_path() / "kv_paramtune_games.pdn").string();
    std::ofstream(path, std::ios::binary) << body;
    return path;
}

// Ten copies of one short game, white winning: 9 train, the tenth is held out.
std::string tenGames(const char* result)
{
    std::string s;
    for (int i = 0; i < 10; ++i)
        s += std::string("[White \"a\"]\n[Black \"b\"]\n[Result \"") + result + "\"]\n\n"
            + "1. 12-15 21-17 2. 8-12 25-21 3. 4-8 23-19 4. 10-14 19x10 5. 5x14 " + result + "\n\n";
    return s;
}

} // namespace

TEST(TuneSamples, QuietPositionsCarryTheirGamesResult)
{
    SampleSet set;
    std::string why;
    ASSERT_TRUE(addGameSamples(set, writeGames(tenGames("2-0")), why, 0)) << why;
    EXPECT_EQ(set.games, 10);
    ASSERT_FALSE(set.training.empty());
    EXPECT_EQ(set.training.size(), 9 * set.heldOut.size());
    for (const TuneSample& s : set.training) EXPECT_FLOAT_EQ(s.result, 1.0f);
    // Of the nine positions before each move, the two where a capture is
    // due (after 10-14 and after 19x10) are no samples.
    EXPECT_EQ(set.heldOut.size(), 7u);

    SampleSet skipped;
    ASSERT_TRUE(addGameSamples(skipped, writeGames(tenGames("2-0")), why, 4));
    EXPECT_LT(skipped.training.size(), set.training.size());

    SampleSet none;
    EXPECT_FALSE(addGameSamples(none, "/nonexistent/games.pdn", why));
    EXPECT_FALSE(why.empty());
    // A file longer than the reader takes is refused, not read in part.
    std::string many = tenGames("2-0");
    while (many.size() <= (16u << 20)) many += many;
    why.clear();
    EXPECT_FALSE(addGameSamples(none, writeGames(many), why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(none.games, 0);
}

TEST(TuneSamples, ScaleFollowsHowWellTheEvaluationPredicts)
{
    // White a man up in games white won, black a man up in games black won:
    // the fitted curve is steep and beats a flat guess of 0.5 (an error of
    // 0.25) by far; with the results the other way round it fits worse.
    SampleSet set;
    std::string why;
    ASSERT_TRUE(addGameSamples(set, writeGames(tenGames("2-0")), why, 0));
    const std::size_t n = set.training.size();
    for (std::size_t i = 0; i < n; ++i) {
        TuneSample& s = set.training[i];
        for (Square sq = 1; sq <= 32; ++sq)
            if (s.board[sq] == BlackMan) {
                s.board[sq] = Empty; // white a man up
                break;
            }
        TuneSample mirrored = s;
        for (Square sq = 1; sq <= 32; ++sq) {
            const std::uint8_t code = s.board[33 - sq];
            mirrored.board[sq] = code == WhiteMan ? std::uint8_t(BlackMan)
                : code == BlackMan                ? std::uint8_t(WhiteMan)
                                                  : code;
        }
        mirrored.side = static_cast<SideToMove>(s.side ^ 1);
        mirrored.result = 0.0f;
        set.training.push_back(mirrored);
    }
    TuneObjective objective(set);
    objective.fitScale(defaultParameters());
    EXPECT_GT(objective.scale(), 0.1);
    const double fitted = objective.error(defaultParameters(), set.training);
    EXPECT_LT(fitted, 0.1);
    for (TuneSample& s : set.training) s.result = 1.0f - s.result;
    EXPECT_GT(objective.error(defaultParameters(), set.training), 0.5);
}

TEST(TuneSamples, StepsStayWithinBounds)
{
    ParameterSet p = defaultParameters();
    const std::vector<TunedItem> items = tunedItems();
    EXPECT_EQ(items.size(), 8u * 28 + 8 + 3);
    for (const TunedItem& item : items) {
        // No item is a promotion square, a variant square or a reserved byte.
        EXPECT_TRUE(item.offset < kThresholdOffset + 3
                    || (item.offset >= kTempoOffset && item.offset < kTempoOffset + 8));
        if (item.offset < kThresholdOffset) {
            EXPECT_NE(item.offset % kTableEntries, 0) << item.offset;
            EXPECT_LE(item.offset % kTableEntries, 28) << item.offset;
        }
    }
    // The thresholds keep their order: t1 cannot reach t0.
    const TunedItem t1 { kThresholdOffset + 1, 1 };
    ParameterSet q = p;
    int moved = 0;
    while (t1.step(q, +1)) ++moved;
    EXPECT_EQ(q.threshold(1), p.threshold(0) - 1);
    EXPECT_EQ(moved, p.threshold(0) - 1 - p.threshold(1));
    // Tempo weights stay within -20..20, table entries within 0..120.
    const TunedItem tempo { kTempoOffset, 1 };
    q = p;
    while (tempo.step(q, -1)) { }
    EXPECT_EQ(q.tempoWeight(0), -20);
    // The pull's distance counts every moved item, signed bytes read as such.
    EXPECT_EQ(distanceFrom(q, q, items), 0.0);
    EXPECT_DOUBLE_EQ(distanceFrom(q, p, items),
                     (p.tempoWeight(0) + 20.0) * (p.tempoWeight(0) + 20.0)
                         / static_cast<double>(items.size()));
    const TunedItem square { 1, 2 };
    q = p;
    while (square.step(q, -2)) { }
    EXPECT_LE(q.tableEntry(0, 1), 1);
    EXPECT_FALSE(square.step(q, -2));
}

// Games white won from even positions: the fit finds values that make white's
// blocks in them worth more than black's, and the error falls with each
// stretch of steps.
TEST(PatternFit, LearnsWhatTheResultsSay)
{
    SampleSet set;
    std::string why;
    ASSERT_TRUE(addGameSamples(set, writeGames(tenGames("2-0")), why, 0));
    const std::vector<PatternExample> examples = patternExamples(set.training, defaultParameters());
    ASSERT_EQ(examples.size(), set.training.size());
    PatternFit fit(examples, 0.45, 1e-9);
    double last = fit.error(examples);
    for (int stretch = 0; stretch < 3; ++stretch) {
        for (int s = 0; s < 20; ++s) fit.step(1.0);
        const double now = fit.error(examples);
        EXPECT_LT(now, last);
        last = now;
    }
    const PatternTable table = fit.table();
    for (const TuneSample& s : set.training) {
        if (s.board == initialPosition().board) continue; // the same for both: worth 0
        const PieceCounts c = PieceCounts::of(s.board);
        EXPECT_GT(patternValue(table, knowledge::BothViews(s.board, c)), 0);
    }
    // The source, read back as the evaluation reads it, gives the same table.
    std::istringstream source(patternSource(table));
    PatternTable read {};
    std::string step, full, empty;
    int entry = 0;
    while (std::getline(source >> std::ws, step, ',') && std::getline(source, full, ',')
           && std::getline(source, empty, ',')) {
        entry += std::stoi(step);
        read[entry] = { static_cast<std::int16_t>(std::stoi(full)),
                        static_cast<std::int16_t>(std::stoi(empty)) };
    }
    EXPECT_TRUE(read == table);

    // A strong pull holds the values near their prior, not near 0.
    PatternFit held(examples, 0.45, 1e3, table);
    for (int s = 0; s < 60; ++s) held.step(1.0);
    const PatternTable kept = held.table();
    int moved = 0;
    for (int e = 0; e < kPatternEntries; ++e)
        moved = std::max({ moved, std::abs(kept[e].full - table[e].full),
                           std::abs(kept[e].empty - table[e].empty) });
    EXPECT_LE(moved, 1);
}
