// Every breakthrough pattern against the engine's own deep search with the
// shipped endgame tables, in several positions where it is the pattern that
// matches: its example and six copies of it with one to three more white men
// behind (squares 21..32, which no pattern reads). The side the pattern
// favours must never come out behind, and a pattern worth 120 or 180 (two or
// three men) must be plainly won, at least three quarters of a man ahead,
// wherever the tables do not already hold the exact result.
#include "engine/endgame_knowledge.h"
#include "engine/search_driver.h"
#include "tests/eval/breakthrough_examples.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string_view>

namespace kv {
namespace {

constexpr int kDepth = 16;
constexpr int kVariants = 6;

TEST(BreakthroughVerify, EveryPatternAgreesWithADeepSearchWhereverItMatches)
{
    const auto dir = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    std::string why;
    const auto keys = loadHashKeys(dir + "/hashkey33.dat", why);
    ASSERT_TRUE(keys) << why;
    EndgameKnowledge tables(dir);
    SearchContext ctx(*keys, tables);
    ctx.settings.bookEnabled = false;
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = kDepth;

    const auto white = knowledge::breakthroughRules(true);
    const auto source = knowledge::breakthroughSource();
    int patterns = 0, positions = 0, failed = 0;
    for (std::size_t i = 0; i < white.size(); ++i) {
        if (white[i].isGroup()) continue;
        const Board example = test::breakthroughExample(i);
        // The variants of a pattern depend on its text alone, not on its place in the list.
        std::mt19937 rng(
            static_cast<std::uint32_t>(std::hash<std::string_view> {}(source[white[i].line])));
        std::vector<Board> boards { example };
        for (int v = 0; v < kVariants; ++v) {
            Board b = example;
            const int extra = 1 + static_cast<int>(rng() % 3);
            for (int k = 0; k < extra; ++k) {
                const int s = 21 + static_cast<int>(rng() % 12);
                if (b[s] == Empty) b[s] = WhiteMan;
            }
            boards.push_back(b);
        }
        bool checked = false;
        for (const Board& b : boards) {
            const PieceCounts c = PieceCounts::of(b);
            MoveGenerator gen;
            Board copy = b;
            gen.generateLegal(copy, White);
            // Only where this very pattern decides: black pieces on the
            // board, no capture due, and no earlier pattern matching.
            if (c.black() == 0 || gen.captureCount() != 0) continue;
            const auto first = test::firstMatch(white, test::masksFor(b, White));
            if (!first || *first != i) continue;
            SearchRequest request;
            request.board = b;
            request.side = White;
            ctx.clearTranspositionTable();
            const SearchResult r = searchDriver(ctx, request);
            // Four pieces or fewer are read from the tables as they stand:
            // two men against two may crown and still be drawn.
            const int needed = white[i].value >= 120 && c.white() + c.black() > 4 ? 150 : 0;
            ++positions;
            checked = true;
            if (r.score < needed) {
                ++failed;
                ADD_FAILURE() << source[white[i].line] << ": score " << r.score << ", needs "
                              << needed << " with " << c.white() << " against " << c.black();
            }
        }
        patterns += checked;
    }
    std::printf("breakthrough patterns checked: %d, positions searched: %d, disagreeing: %d\n",
                patterns, positions, failed);
    RecordProperty("patterns", patterns);
    RecordProperty("positions", positions);
    EXPECT_GT(patterns, 300);
}

} // namespace
} // namespace kv
