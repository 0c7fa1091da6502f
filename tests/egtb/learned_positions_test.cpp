#include "eval/learned_positions.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace kv;

namespace {
std::vector<unsigned char> readAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

using test::TempDir;
} // namespace

TEST(LearnedPositions, EmptyTableIsAFileOfZeros)
{
    TempDir dir;
    const auto file = dir.path() / "damas.dat";
    EXPECT_EQ(LearnedPositions().save(file.string()), "");
    const auto bytes = readAll(file);
    ASSERT_EQ(bytes.size(), 1048568u);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](unsigned char c) { return c == 0; }));
}

TEST(LearnedPositions, SlotLayoutIsLittleEndian)
{
    TempDir dir;
    LearnedPositions t;
    const std::uint32_t indexKey = 131071u * 5 + 1234; // slot 1234
    ASSERT_TRUE(t.store(indexKey, 0xA1B2C3D4u, -300));
    const auto file = dir.path() / "x.dal";
    ASSERT_EQ(t.save(file.string()), "");
    const auto bytes = readAll(file);
    const std::size_t at = 1234 * 8;
    EXPECT_EQ(bytes[at], 0xD4);
    EXPECT_EQ(bytes[at + 3], 0xA1);
    EXPECT_EQ(bytes[at + 4] | bytes[at + 5] << 8, 0x10000 - 300);

    LearnedPositions back;
    ASSERT_EQ(back.load(file.string()), "");
    EXPECT_EQ(back.lookup(1234, 0xA1B2C3D4u), std::optional<std::int16_t>(-300));
}

TEST(LearnedPositions, LookupNeedsTheCheckKey)
{
    LearnedPositions t;
    t.store(77, 999, 150);
    EXPECT_EQ(t.lookup(77, 999), std::optional<std::int16_t>(150));
    EXPECT_EQ(t.lookup(77 + 131071, 999), std::optional<std::int16_t>(150)); // same slot
    EXPECT_FALSE(t.lookup(77, 998).has_value());
    EXPECT_FALSE(t.lookup(78, 999).has_value());
}

// The search reads scores through the map of scored slots: it must follow
// every way a slot changes.
TEST(LearnedPositions, ScoreOfFollowsStoresLoadsAndClearing)
{
    TempDir dir;
    LearnedPositions t;
    t.store(77, 999, 150);
    t.store(78, 5, 40);
    t.store(78, 5, 0); // a score taken back
    EXPECT_EQ(t.scoreOf(77 + 131071, 999), 150);
    EXPECT_EQ(t.scoreOf(77, 998), 0);
    EXPECT_EQ(t.scoreOf(78, 5), 0);
    const auto file = (dir.path() / "x.dat").string();
    ASSERT_EQ(t.save(file), "");
    t.clear();
    EXPECT_EQ(t.scoreOf(77, 999), 0);
    ASSERT_EQ(t.load(file), "");
    EXPECT_EQ(t.scoreOf(77, 999), 150);
}

TEST(LearnedPositions, DecidedScoresAreNeverOverwritten)
{
    LearnedPositions t;
    EXPECT_TRUE(t.store(5, 1, 30000));
    EXPECT_FALSE(t.store(5, 2, 10));
    EXPECT_EQ(t.lookup(5, 1), std::optional<std::int16_t>(30000));
    EXPECT_TRUE(t.store(6, 1, -29999));
    EXPECT_TRUE(t.store(6, 2, 10));
    EXPECT_TRUE(t.store(7, 1, -30000));
    EXPECT_FALSE(t.store(7, 1, 0));
}

TEST(LearnedPositions, MissingShortAndOversizedFilesChangeNothing)
{
    TempDir dir;
    LearnedPositions t;
    t.store(10, 20, 30);

    EXPECT_NE(t.load((dir.path() / "none.dat").string()), "");
    EXPECT_EQ(t.lookup(10, 20), std::optional<std::int16_t>(30));

    const auto shortFile = dir.path() / "short.dat";
    std::ofstream(shortFile, std::ios::binary) << std::string(1048567, '\0');
    const std::string why = t.load(shortFile.string());
    EXPECT_NE(why.find("1048567"), std::string::npos) << why;
    EXPECT_EQ(t.lookup(10, 20), std::optional<std::int16_t>(30));

    const auto longFile = dir.path() / "long.dat";
    std::ofstream(longFile, std::ios::binary) << std::string(1048569, '\0');
    EXPECT_NE(t.load(longFile.string()), "");
    EXPECT_EQ(t.lookup(10, 20), std::optional<std::int16_t>(30));
}
