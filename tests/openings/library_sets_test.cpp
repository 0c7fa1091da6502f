#include "openings/library_sets.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kv {
namespace {

namespace fs = std::filesystem;

OpeningLibrary read(const fs::path& file)
{
    OpeningLibrary lib;
    std::string why;
    EXPECT_TRUE(readLibrary(file, lib, why)) << why;
    return lib;
}

void write(const fs::path& file, const OpeningLibrary& lib)
{
    std::string why;
    ASSERT_TRUE(writeLibrary(file, lib, why)) << why;
}

struct Folders {
    test::TempDir tmp;
    fs::path active = tmp.path() / "active";
    fs::path sets = tmp.path() / "sets";
    Folders()
    {
        fs::create_directories(active);
        fs::create_directories(sets);
    }
};

TEST(LibrarySets, NamesTheThreeFilesOfASet)
{
    const SetFiles typed = setFiles("/p/mine");
    EXPECT_EQ(typed.marker, "/p/mine.ovv");
    EXPECT_EQ(typed.white, "/p/mine_b.ouv");
    EXPECT_EQ(typed.black, "/p/mine_n.ouv");
    EXPECT_EQ(setFiles("/p/mine.ovv").white, "/p/mine_b.ouv");
    EXPECT_EQ(setFiles("/p/MINE.OVV").black, "/p/MINE_n.ouv");
    // Another extension is part of the name.
    EXPECT_EQ(setFiles("/p/a.txt").marker, "/p/a.txt.ovv");
}

TEST(LibrarySets, StoringUnderANameWithoutExtension)
{
    Folders f;
    write(f.active / kBlackLibraryFile, OpeningLibrary({ "12-16 21-17 " }));
    write(f.active / kWhiteLibraryFile, OpeningLibrary({ "old " }));
    const OpeningLibrary edited({ " 9-13 22-18 11-15 " });
    std::string why;
    ASSERT_TRUE(
        storeSet(f.sets / "mine", White, edited, f.active, { "analyse 1", "analyse 2" }, why))
        << why;
    EXPECT_TRUE(fs::exists(f.sets / "mine.ovv"));
    EXPECT_EQ(read(f.sets / "mine_b.ouv"), edited);
    // The other colour's active library is copied as it is.
    EXPECT_EQ(read(f.sets / "mine_n.ouv"), OpeningLibrary({ "12-16 21-17 " }));
    // The edited library becomes active; the other active file is untouched.
    EXPECT_EQ(read(f.active / kWhiteLibraryFile), edited);
    EXPECT_EQ(read(f.active / kBlackLibraryFile), OpeningLibrary({ "12-16 21-17 " }));

    // The black editor stores the mirror image.
    const OpeningLibrary blackEdit({ "12-16 22-18 " });
    ASSERT_TRUE(storeSet(f.sets / "other.ovv", Black, blackEdit, f.active, {}, why)) << why;
    EXPECT_EQ(read(f.sets / "other_n.ouv"), blackEdit);
    EXPECT_EQ(read(f.sets / "other_b.ouv"), edited);
    EXPECT_EQ(read(f.active / kBlackLibraryFile), blackEdit);
}

TEST(LibrarySets, ADamagedOtherColourStoresNothing)
{
    Folders f;
    std::ofstream(f.active / kBlackLibraryFile, std::ios::binary) << std::string("\0\0\0", 3);
    write(f.active / kWhiteLibraryFile, OpeningLibrary({ "old " }));
    std::string why;
    EXPECT_FALSE(storeSet(f.sets / "mine", White, OpeningLibrary({ "new " }), f.active, {}, why));
    EXPECT_FALSE(fs::exists(f.sets / "mine.ovv"));
    EXPECT_EQ(read(f.active / kWhiteLibraryFile), OpeningLibrary({ "old " }));
}

TEST(LibrarySets, ChangingTheSetReplacesBothLibrariesOrNeither)
{
    Folders f;
    const OpeningBook before { OpeningLibrary({ "w " }), OpeningLibrary({ "b " }) };
    std::string why;
    ASSERT_TRUE(writeActivePair(f.active, before, why)) << why;

    // Half a set: nothing changes, in memory or on disk.
    write(f.sets / "half_b.ouv", OpeningLibrary({ "12-16 " }));
    OpeningBook book = before;
    EXPECT_FALSE(activateSet(f.sets / "half.ovv", f.active, book, why));
    EXPECT_NE(why.find("half_n.ouv"), std::string::npos) << why;
    EXPECT_EQ(book.white, before.white);
    EXPECT_EQ(read(f.active / kWhiteLibraryFile), before.white);
    EXPECT_EQ(read(f.active / kBlackLibraryFile), before.black);

    // A whole set replaces both.
    write(f.sets / "half_n.ouv", OpeningLibrary({ "12-16 21-17 " }));
    ASSERT_TRUE(activateSet(f.sets / "half.ovv", f.active, book, why)) << why;
    EXPECT_EQ(book.white, OpeningLibrary({ "12-16 " }));
    EXPECT_EQ(book.black, OpeningLibrary({ "12-16 21-17 " }));
    EXPECT_EQ(read(f.active / kWhiteLibraryFile), book.white);
    EXPECT_EQ(read(f.active / kBlackLibraryFile), book.black);
    EXPECT_EQ(std::distance(fs::directory_iterator(f.active), {}), 2);

    // When the black file cannot be replaced the white one is put back.
    fs::remove(f.active / kBlackLibraryFile);
    fs::create_directories(f.active / kBlackLibraryFile / "in the way");
    EXPECT_FALSE(writeActivePair(f.active, before, why));
    EXPECT_EQ(read(f.active / kWhiteLibraryFile), book.white);
}

} // namespace
} // namespace kv
