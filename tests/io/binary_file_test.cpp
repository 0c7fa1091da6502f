#include "io/binary_file.h"

#include "io/atomic_write.h"

#include "engine/hash_keys.h"
#include "eval/egtb_index.h"
#include "eval/endgame_tables.h"
#include "eval/learned_positions.h"
#include "eval/parameters.h"
#include "files/exchange.h"
#include "players/registry.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace kv {
namespace {

void writeBytes(const std::string& path, std::size_t n, unsigned char fill = 7)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string bytes(n, static_cast<char>(fill));
    out << bytes;
}

TEST(BinaryFile, ReadsOnlyRegularFilesWithinTheirSizes)
{
    test::TempDir dir;
    std::vector<unsigned char> bytes { 1, 2, 3 };
    EXPECT_EQ(readExactFile(dir.file("none"), 4, bytes), "is missing");
    EXPECT_EQ(readExactFile(dir.path().string(), 4, bytes), "is not a regular file");
    writeBytes(dir.file("three"), 3);
    EXPECT_EQ(readExactFile(dir.file("three"), 4, bytes), "has 3 bytes instead of 4");
    EXPECT_EQ(readRegularFile(dir.file("three"), 4, 9, bytes), "has 3 bytes instead of at least 4");
    EXPECT_EQ(readRegularFile(dir.file("three"), 0, 2, bytes), "has 3 bytes instead of at most 2");
    // Every refusal leaves the caller's buffer alone.
    EXPECT_EQ(bytes, (std::vector<unsigned char> { 1, 2, 3 }));
    EXPECT_EQ(readExactFile(dir.file("three"), 3, bytes), "");
    EXPECT_EQ(bytes, (std::vector<unsigned char> { 7, 7, 7 }));
}

TEST(BinaryFile, AFailedWriteLeavesThePreviousFile)
{
    test::TempDir dir;
    const std::string path = dir.file("keep.bin");
    const unsigned char first[] = { 1, 2 }, second[] = { 3, 4, 5 };
    ASSERT_TRUE(writeFileAtomically(path, first, sizeof first).ok());
    ASSERT_TRUE(writeFileAtomically(path, second, sizeof second).ok());
    std::vector<unsigned char> bytes;
    ASSERT_EQ(readRegularFile(path, 0, 100, bytes), "");
    EXPECT_EQ(bytes, (std::vector<unsigned char> { 3, 4, 5 }));
    EXPECT_FALSE(writeFileAtomically(dir.file("no/such/folder/x"), first, sizeof first).ok());
}

// A FIFO opened for reading waits for a writer forever: every loader must look
// before it opens. A loader that blocks here hangs the test until its timeout.
TEST(BinaryFile, EveryLoaderRefusesAFifoAtOnce)
{
    test::TempDir dir;
    const std::string fifo = dir.file("hashkey33.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    std::string why;
    EXPECT_FALSE(loadHashKeys(fifo, why));
    EXPECT_NE(why.find("not a regular file"), std::string::npos) << why;

    ParameterSet set = defaultParameters();
    const ParameterSet before = set;
    std::string reported;
    EXPECT_FALSE(loadParameters(set, fifo, [&](const std::string& m) { reported = m; }));
    EXPECT_EQ(reported, kCannotOpenFile);
    EXPECT_EQ(set.bytes, before.bytes);

    LearnedPositions learned;
    EXPECT_NE(learned.load(fifo).find("not a regular file"), std::string::npos);

    std::string error;
    EXPECT_FALSE(readExchangeFile(fifo, error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;

    const std::string players = dir.file("players");
    std::filesystem::create_directory(players);
    ASSERT_EQ(::mkfifo((players + "/" + kPlayersFile).c_str(), 0600), 0);
    EXPECT_FALSE(loadRegistry(players).registry);

    const std::string tables = dir.file("tables");
    std::filesystem::create_directory(tables);
    const std::string name(egtb::tableLayout(0).name);
    ASSERT_EQ(::mkfifo((tables + "/" + name).c_str(), 0600), 0);
    egtb::EndgameTables t;
    const auto problems = t.load(tables);
    EXPECT_FALSE(t.loaded(0));
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems.front().find("not a regular file"), std::string::npos) << problems.front();
}

} // namespace
} // namespace kv
