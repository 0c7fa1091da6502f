// The breakthrough patterns of the evaluation, checked by the engine itself
// with the shipped endgame tables. An example position holds only the men a
// pattern names, so crowning often leaves a small ending the tables call a
// draw (two men against two); what must hold is that no example is lost for
// the side the pattern favours, and that most are plainly won.
#include "engine/endgame_knowledge.h"
#include "engine/search_driver.h"
#include "tests/eval/breakthrough_examples.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kv {
namespace {

TEST(BreakthroughSearch, EveryExampleIsWonByTheEngine)
{
    const auto dir = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    std::string why;
    const auto keys = loadHashKeys(dir + "/hashkey33.dat", why);
    ASSERT_TRUE(keys) << why;
    EndgameKnowledge tables(dir);
    SearchContext ctx(*keys, tables);
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = 14;

    const auto white = knowledge::breakthroughRules(true);
    const auto source = knowledge::breakthroughSource();
    int checked = 0, won = 0;
    for (std::size_t i = 0; i < white.size(); ++i) {
        if (white[i].isGroup()) continue;
        SearchRequest request;
        request.board = test::breakthroughExample(i);
        request.side = White;
        const PieceCounts c = PieceCounts::of(request.board);
        MoveGenerator gen;
        gen.generateLegal(request.board, White);
        // Without black pieces there is no game; with a capture due the
        // pattern is not what decides.
        if (c.black() == 0 || gen.captureCount() != 0) continue;
        const SearchResult r = searchDriver(ctx, request);
        EXPECT_GE(r.score, 0) << source[white[i].line];
        ++checked;
        won += r.score >= 150;
    }
    EXPECT_GT(checked, 300);
    EXPECT_GE(won * 10, checked * 7) << won << " of " << checked << " won";
    RecordProperty("won", won);
    RecordProperty("checked", checked);
}

} // namespace
} // namespace kv
