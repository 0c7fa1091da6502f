#include "engine/hash_keys.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace kv {
namespace {

std::string tempPath(const char* name)
{
    // One scratch folder per test process, removed when the process ends.
    static const test::TempDir dir;
    return dir.file(name);
}

void writeBytes(const std::string& path, std::size_t n, std::uint8_t fill)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < n; ++i) out.put(static_cast<char>(fill));
}

TEST(HashKeys, GeneratedKeysAreFixedAndDistinct)
{
    const HashKeyTables a = HashKeyTables::generated();
    EXPECT_EQ(a, HashKeyTables::generated());
    // The keys a position can use must not collide with one another.
    for (int i = 33; i < kHashKeyCount; ++i)
        for (int j = i + 1; j < kHashKeyCount; ++j) {
            EXPECT_NE(a.index[i], a.index[j]);
            EXPECT_NE(a.check[i], a.check[j]);
        }
}

TEST(HashKeys, FileRoundTripKeepsExactValuesInLittleEndianOrder)
{
    HashKeyTables t;
    for (int i = 0; i < kHashKeyCount; ++i) {
        t.index[i] = 0x01020304u * static_cast<std::uint32_t>(i + 1);
        t.check[i] = 0xA0B0C0D0u ^ static_cast<std::uint32_t>(i);
    }
    const auto image = hashKeyImage(t);
    EXPECT_EQ(image[0], 0x04);
    EXPECT_EQ(image[3], 0x01);
    EXPECT_EQ(image[4 * kHashKeyCount], 0xD0); // the check keys follow the 165 index keys

    const std::string path = tempPath("kv_hashkeys_roundtrip.dat");
    std::string error;
    ASSERT_TRUE(saveHashKeys(t, path, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), kHashKeyFileSize);
    const auto loaded = loadHashKeys(path, error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(*loaded, t);
    std::remove(path.c_str());
}

TEST(HashKeys, MissingShortAndOversizedFilesAreRefusedWithAMessage)
{
    std::string error;
    EXPECT_FALSE(loadHashKeys(tempPath("kv_no_such_hashkey_file.dat"), error));
    EXPECT_NE(error.find("is missing"), std::string::npos) << error;

    const std::string path = tempPath("kv_hashkeys_bad.dat");
    for (std::size_t size :
         { std::size_t(0), std::size_t(660), kHashKeyFileSize - 1, kHashKeyFileSize + 1 }) {
        writeBytes(path, size, 0x5A);
        error.clear();
        EXPECT_FALSE(loadHashKeys(path, error)) << size;
        EXPECT_NE(error.find("1320"), std::string::npos) << error;
    }
    std::remove(path.c_str());
}

TEST(HashKeys, ShippedFileHoldsTheGeneratedKeys)
{
    // The build writes the file beside the test executable.
    std::string error;
    const auto dir = std::filesystem::canonical("/proc/self/exe").parent_path();
    const auto loaded = loadHashKeys((dir / kHashKeyFileName).string(), error);
    if (!loaded) GTEST_SKIP() << error;
    EXPECT_EQ(*loaded, HashKeyTables::generated());
}

TEST(HashKeys, PositionKeysAreTheXorOfOccupiedSquares)
{
    const HashKeyTables t = HashKeyTables::generated();
    Board b;
    b.clear();
    EXPECT_EQ(computeHashKeys(t, b), PositionKeys {});
    b[5] = WhiteMan;
    b[20] = BlackKing;
    const PositionKeys k = computeHashKeys(t, b);
    EXPECT_EQ(k.index, t.index[32 + 5] ^ t.index[4 * 32 + 20]);
    EXPECT_EQ(k.check, t.check[32 + 5] ^ t.check[4 * 32 + 20]);
}

} // namespace
} // namespace kv
