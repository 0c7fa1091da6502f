#include "players/registry.h"

#include "players/rating.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace kv;

namespace {

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(Registry, ShippedRegistryHasTheEngineOnLineZero)
{
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(seedRegistry(dir.path(), error)) << error;
    EXPECT_EQ(readBytes(dir.path() / kPlayersFile), "Korvelan\r\nInconnu\r\n");
    EXPECT_EQ(readBytes(dir.path() / kRatingsFile), "2050\r\n1500\r\n");
    // Seeding never replaces a registry that is there.
    writeBytes(dir.path() / kPlayersFile, "Korvelan\r\nAnne\r\n");
    ASSERT_TRUE(seedRegistry(dir.path(), error));
    EXPECT_EQ(readBytes(dir.path() / kPlayersFile), "Korvelan\r\nAnne\r\n");
}

TEST(Registry, EditsKeepUntouchedLinesByteForByteAndTheTwoFilesInStep)
{
    test::TempDir dir;
    writeBytes(dir.path() / kPlayersFile, "Korvelan\r\nAnne\r\nBruno\r\nCléo\r\n");
    writeBytes(dir.path() / kRatingsFile, "2061\r\n1600\r\n 950\r\n1789\r\n");
    RegistryLoad load = loadRegistry(dir.path());
    ASSERT_TRUE(load.registry);
    EXPECT_TRUE(load.repairs.empty());
    PlayerRegistry reg = *load.registry;
    ASSERT_EQ(reg.size(), 4);
    EXPECT_EQ(reg[2].rating, 950);
    EXPECT_EQ(reg[3].name, "Cléo");

    EXPECT_FALSE(reg.remove(0)); // the engine stays
    EXPECT_FALSE(reg.remove(4));
    EXPECT_TRUE(reg.remove(1));
    EXPECT_EQ(reg.add("Denis", 1700), 3);
    EXPECT_EQ(reg.add("Eve", 800), 4);
    EXPECT_TRUE(reg.setRating(1, 955));
    std::string error;
    ASSERT_TRUE(saveRegistry(reg, dir.path(), error)) << error;
    EXPECT_EQ(readBytes(dir.path() / kPlayersFile),
              "Korvelan\r\nBruno\r\nCléo\r\nDenis\r\nEve\r\n");
    // A rated line in plain decimal, a new player's "%4d", the rest as read.
    EXPECT_EQ(readBytes(dir.path() / kRatingsFile), "2061\r\n955\r\n1789\r\n1700\r\n 800\r\n");
}

TEST(Registry, FilesThatDisagreeAreReadAsPairsAndTheMendsReported)
{
    test::TempDir dir;
    writeBytes(dir.path() / kPlayersFile, "Korvelan\nAnne\nBruno\nCléo\n\n");
    writeBytes(dir.path() / kRatingsFile, "2050\r\nabc\r\n1650\r\n");
    RegistryLoad load = loadRegistry(dir.path());
    ASSERT_TRUE(load.registry);
    const PlayerRegistry& reg = *load.registry;
    ASSERT_EQ(reg.size(), 4); // the blank last line is no player
    EXPECT_EQ(reg[1].rating, kDefaultCapital);
    EXPECT_EQ(reg[2].rating, 1650);
    EXPECT_EQ(reg[3].rating, kDefaultCapital);
    ASSERT_EQ(load.repairs.size(), 2u);
    EXPECT_EQ(load.repairs[0].kind, RegistryRepair::BadRating);
    EXPECT_EQ(load.repairs[0].line, 1);
    EXPECT_EQ(load.repairs[0].text, "abc");
    EXPECT_EQ(load.repairs[1].kind, RegistryRepair::MissingRating);
    EXPECT_EQ(load.repairs[1].text, "Cléo");

    // More ratings than names: the surplus belongs to nobody.
    writeBytes(dir.path() / kRatingsFile, "2050\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    load = loadRegistry(dir.path());
    ASSERT_TRUE(load.registry);
    EXPECT_EQ(load.registry->ratingLines().size(), 4u);
    ASSERT_EQ(load.repairs.size(), 1u);
    EXPECT_EQ(load.repairs[0].kind, RegistryRepair::SurplusRatings);
    EXPECT_EQ(load.repairs[0].line, 4);

    // No "points.dat" at all, and an empty "joueurs.dat".
    std::filesystem::remove(dir.path() / kRatingsFile);
    writeBytes(dir.path() / kPlayersFile, "");
    load = loadRegistry(dir.path());
    ASSERT_TRUE(load.registry);
    ASSERT_EQ(load.registry->size(), 1);
    EXPECT_EQ((*load.registry)[0].name, kEngineName);
    EXPECT_EQ((*load.registry)[0].rating, kEngineRating);
    EXPECT_TRUE(load.namesChanged);
}

TEST(Registry, OldEightBitNamesAreReadAsLatin1)
{
    test::TempDir dir;
    writeBytes(dir.path() / kPlayersFile, "Korvelan\r\nRen\xe9\r\n");
    writeBytes(dir.path() / kRatingsFile, "2050\r\n1700\r\n");
    const RegistryLoad load = loadRegistry(dir.path());
    ASSERT_TRUE(load.registry);
    EXPECT_EQ((*load.registry)[1].name, "René");
    EXPECT_TRUE(load.namesChanged);
}

TEST(Registry, UnreadableFilesAreRefusedWhole)
{
    test::TempDir dir;
    RegistryLoad load = loadRegistry(dir.path());
    EXPECT_FALSE(load.registry);
    EXPECT_EQ(load.status, ListStatus::Missing);
    EXPECT_EQ(load.failedFile, kPlayersFile);

    writeBytes(dir.path() / kPlayersFile, "Korvelan\r\n");
    writeBytes(dir.path() / kRatingsFile, std::string(kMaxListBytes + 1, '7'));
    load = loadRegistry(dir.path());
    EXPECT_FALSE(load.registry);
    EXPECT_EQ(load.status, ListStatus::TooLarge);
    EXPECT_EQ(load.failedFile, kRatingsFile);

    std::string lines;
    for (std::size_t i = 0; i <= kMaxListLines; ++i) lines += "x\n";
    writeBytes(dir.path() / kPlayersFile, lines);
    EXPECT_EQ(loadRegistry(dir.path()).status, ListStatus::TooLarge);
}

TEST(Registry, NamesThatCannotBeStoredAreRefused)
{
    EXPECT_EQ(checkName("Anne-Sophie"), NameProblem::None);
    EXPECT_EQ(checkName("Zoé Dupré"), NameProblem::None);
    EXPECT_EQ(checkName("   "), NameProblem::Empty);
    EXPECT_EQ(checkName("Anne\nKorvelan"), NameProblem::LineBreak);
    EXPECT_EQ(checkName("Anne\r"), NameProblem::LineBreak);
    EXPECT_EQ(checkName("Anne\tB"), NameProblem::ControlCharacter);
    EXPECT_EQ(checkName("Ren\xe9"), NameProblem::NotUtf8);
    EXPECT_EQ(checkName("Abcdefghijklmnopqrst"), NameProblem::TooLong); // 20 bytes
    PlayerRegistry reg;
    EXPECT_EQ(reg.add("Anne\nKorvelan", 1800), -1);
    EXPECT_EQ(reg.size(), 1);

    EXPECT_EQ(fitName("Abcdefghijklmnopqrst"), "Abcdefghijklmnopqrs");
    EXPECT_EQ(fitName("Abcdefghijklmnopqré"),
              "Abcdefghijklmnopqr"); // "é" would need bytes 19 and 20
}

TEST(Registry, AFailedWriteLeavesBothFilesAsTheyWere)
{
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(seedRegistry(dir.path(), error));
    PlayerRegistry reg = *loadRegistry(dir.path()).registry;
    // The ratings file is refused (it became a folder): neither file may change.
    std::filesystem::remove(dir.path() / kRatingsFile);
    std::filesystem::create_directory(dir.path() / kRatingsFile);
    reg.add("Anne", 1600);
    EXPECT_FALSE(saveRegistry(reg, dir.path(), error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_EQ(readBytes(dir.path() / kPlayersFile), "Korvelan\r\nInconnu\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / kRatingsFile));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}
