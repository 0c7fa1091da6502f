#include "training/lessons.h"

#include "engine/scores.h"

#include "play_helpers.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace kv {
namespace {

Board boardOf(const char* fen) { return parseFen(fen)->board; }

TEST(Lessons, OnlyLongGamesWithNearlyLevelMaterialAreLearned)
{
    const Board level = boardOf("W:W1,2,3:B30,31,32");
    EXPECT_FALSE(mayLearn(level, 20));
    EXPECT_TRUE(mayLearn(level, 21));
    // Men count 3, kings 1: a man against a king is a difference of 2.
    EXPECT_TRUE(mayLearn(boardOf("W:W1,2,3:B30,31,K32"), 40));
    EXPECT_FALSE(mayLearn(boardOf("W:W1,2,3:B30,31"), 40)); // a man up is 3
    EXPECT_FALSE(mayLearn(boardOf("W:W1:B30,31"), 40));
}

TEST(Lessons, TheEntryMarksWhiteToMoveAndDecidedEntriesStay)
{
    const HashKeyTables keys = HashKeyTables::generated();
    GameState g;
    g.newGame();
    test::playAll(g, { "10-14" });
    const LessonEntry afterWhite = lessonEntryOf(keys, g, 1, 40);
    test::play(g, "24-20");
    const LessonEntry afterBlack = lessonEntryOf(keys, g, 2, -10);
    // After white's move black is to move: the index key as it is.
    Board afterFirst;
    afterFirst.clear();
    afterFirst[0] = OffBoard;
    std::copy(g.record[1].squares.begin(), g.record[1].squares.end(), afterFirst.sq.begin() + 1);
    EXPECT_EQ(afterWhite.indexKey, computeHashKeys(keys, afterFirst).index);
    EXPECT_EQ(afterWhite.checkKey, computeHashKeys(keys, afterFirst).check);
    // After black's move white is to move: the index key is raised by one.
    Board b = g.board;
    EXPECT_EQ(afterBlack.indexKey, computeHashKeys(keys, b).index + 1);
    EXPECT_EQ(afterBlack.score, -10);

    LearnedPositions table;
    EXPECT_TRUE(learn(table, afterBlack));
    EXPECT_EQ(table.lookup(afterBlack.indexKey, afterBlack.checkKey),
              std::optional<std::int16_t>(-10));
    LessonEntry decided = afterBlack;
    decided.score = 31000;
    EXPECT_TRUE(learn(table, decided));
    LessonEntry later = afterBlack;
    later.score = 5;
    EXPECT_FALSE(learn(table, later)); // a decided score is never overwritten
    EXPECT_EQ(table.lookup(afterBlack.indexKey, afterBlack.checkKey),
              std::optional<std::int16_t>(31000));
}

TEST(Lessons, LessonFilesOfAnyOtherSizeAreRefused)
{
    test::TempDir d;
    LearnedPositions table;
    LessonEntry e { 77, 1234, 150 };
    ASSERT_TRUE(learn(table, e));
    ASSERT_EQ(table.save(d.file("a.dal")), "");
    std::ofstream(d.file("short.dal"), std::ios::binary)
        << std::string(LearnedPositions::kFileBytes - 8, '\0');
    LearnedPositions other;
    EXPECT_NE(other.load(d.file("short.dal")), "");
    EXPECT_FALSE(other.lookup(77, 1234).has_value());
    EXPECT_EQ(other.load(d.file("a.dal")), "");
    EXPECT_EQ(other.lookup(77, 1234), std::optional<std::int16_t>(150));
}

TEST(Lessons, TheShippedLessonsAndLearnedPositionsHoldSelfPlayPositions)
{
    // Each lesson holds its own positions, damas.dat all of them, and every
    // score is a search's, never a decided one.
    const auto learnedIn = [](const std::string& path) {
        LearnedPositions table;
        EXPECT_EQ(table.load(path), "") << path;
        std::vector<std::pair<std::uint32_t, LearnedPositions::Entry>> held;
        for (std::uint32_t slot = 0; slot < LearnedPositions::kSlots; ++slot)
            if (table.entry(slot).checkKey != 0) held.push_back({ slot, table.entry(slot) });
        return held;
    };
    const auto all = learnedIn(KV_PROGRAM_DIR "/damas.dat");
    std::size_t inLessons = 0;
    for (const char* lesson : { "lecon_1.dal", "lecon_2.dal", "lecon_3.dal" }) {
        const auto held = learnedIn(std::string(KV_PROGRAM_DIR "/parametres/") + lesson);
        EXPECT_GE(held.size(), 3u) << lesson;
        for (const auto& [slot, e] : held) {
            EXPECT_LT(std::abs(e.score), kDecidedScore) << lesson;
            EXPECT_TRUE(std::any_of(
                all.begin(), all.end(),
                [&](const auto& a) { return a.first == slot && a.second.checkKey == e.checkKey; }))
                << lesson << " slot " << slot;
        }
        inLessons += held.size();
    }
    EXPECT_EQ(all.size(), inLessons);
}

} // namespace
} // namespace kv
