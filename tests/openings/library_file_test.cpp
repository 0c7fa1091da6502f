#include "openings/library_sets.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kv {
namespace {

void writeBytes(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

TEST(OpeningLibrary, KeepsItsLinesSortedWithDuplicates)
{
    OpeningLibrary lib({ "12-16 ", " 9-13 ", "11-15 " });
    EXPECT_EQ(lib.lines(), (std::vector<std::string> { " 9-13 ", "11-15 ", "12-16 " }));
    EXPECT_EQ(lib.add("11-15 "), 2u);
    EXPECT_EQ(lib.add("10-14 "), 1u);
    EXPECT_EQ(lib.size(), 5u);
    EXPECT_TRUE(lib.remove(2));
    EXPECT_FALSE(lib.remove(9));
    EXPECT_EQ(lib.lines(), (std::vector<std::string> { " 9-13 ", "10-14 ", "11-15 ", "12-16 " }));
}

TEST(OpeningLibrary, FilesRoundTripWithCrLf)
{
    test::TempDir dir;
    const OpeningLibrary lib({ "12-16 21-17 ", " 9-13 22-18 " });
    std::string why;
    ASSERT_TRUE(writeLibrary(dir.file("a.ouv"), lib, why)) << why;
    EXPECT_EQ(readBytes(dir.file("a.ouv")), " 9-13 22-18 \r\n12-16 21-17 \r\n");
    OpeningLibrary back;
    ASSERT_TRUE(readLibrary(dir.file("a.ouv"), back, why)) << why;
    EXPECT_EQ(back, lib);
    // LF endings, blank lines and an unsorted file read as well.
    writeBytes(dir.file("b.ouv"), "12-16 21-17 \n\n\r\n 9-13 22-18");
    ASSERT_TRUE(readLibrary(dir.file("b.ouv"), back, why)) << why;
    EXPECT_EQ(back.lines(), (std::vector<std::string> { " 9-13 22-18", "12-16 21-17 " }));
    // Nothing is left behind but the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(OpeningLibrary, ALongLineIsCutAfterAWholeMove)
{
    std::string line;
    for (int i = 0; i < 80; ++i) line += i % 2 ? "22-18 " : " 9-13 ";
    line += "11-15";
    const std::string cut = cutLine(line);
    ASSERT_LE(cut.size(), kMaxLineLength);
    EXPECT_EQ(cut.size() % 6, 0u);
    EXPECT_EQ(line.substr(0, cut.size()), cut);
    // The unpadded form has moves of varying width: the cut still ends a move.
    std::string tight;
    while (tight.size() < 400) tight += "9-13 22-18 ";
    const std::string cut2 = cutLine(tight);
    ASSERT_LE(cut2.size(), kMaxLineLength);
    EXPECT_EQ(cut2.back(), ' ');
    for (const LineMove& m : parseLineMoves(cut2)) EXPECT_TRUE(m.origin == 9 || m.origin == 22);
    // Text that is no moves at all is cut at a space, or at the limit.
    EXPECT_EQ(cutLine(std::string(500, 'a')).size(), kMaxLineLength);

    test::TempDir dir;
    writeBytes(dir.file("long.ouv"), line + "\r\n");
    OpeningLibrary lib;
    std::string why;
    ASSERT_TRUE(readLibrary(dir.file("long.ouv"), lib, why));
    EXPECT_EQ(lib.lines(), (std::vector<std::string> { cut }));
}

TEST(OpeningLibrary, ADamagedOrMissingFileChangesNothing)
{
    test::TempDir dir;
    const OpeningLibrary before({ "12-16 " });
    std::string junk = "12-16 21-17 \r\n";
    junk += std::string("\0\x01\x02\xff", 4);
    writeBytes(dir.file("binary.ouv"), junk);
    writeBytes(dir.file("huge.ouv"), std::string(kMaxLibraryBytes + 1, ' '));
    std::filesystem::create_directory(dir.path() / "folder.ouv");
    for (const char* name : { "binary.ouv", "huge.ouv", "folder.ouv", "missing.ouv" }) {
        OpeningLibrary lib = before;
        std::string why;
        EXPECT_FALSE(readLibrary(dir.file(name), lib, why)) << name;
        EXPECT_NE(why.find(name), std::string::npos) << why;
        EXPECT_EQ(lib, before) << name;
    }
    // A write into a folder that does not exist fails and says so.
    std::string why;
    EXPECT_FALSE(writeLibrary(dir.path() / "no" / "x.ouv", before, why));
    EXPECT_FALSE(why.empty());
}

} // namespace
} // namespace kv
