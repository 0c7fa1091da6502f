#include "eval/parameters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace kv {
namespace {

namespace fs = std::filesystem;

class ParameterFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path()
            / ("kv_par_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    static void write(const std::string& p, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> read(const std::string& p)
    {
        std::ifstream f(p, std::ios::binary);
        return { std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>() };
    }

    // Collects what a file routine reports instead of showing a box.
    ErrorReport recorder()
    {
        return [this](const std::string& m) { errors_.push_back(m); };
    }

    fs::path dir_;
    std::vector<std::string> errors_;
};

TEST_F(ParameterFiles, SaveAfterLoadGivesTheSameBytesIncludingReservedAndEntryZero)
{
    std::vector<std::uint8_t> image(kParameterFileSize);
    for (int i = 0; i < kParameterFileSize; ++i) image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    write(path("in.par"), image);

    ParameterSet set;
    ASSERT_TRUE(loadParameters(set, path("in.par"), recorder()));
    EXPECT_EQ(set.tableEntry(MiddleTable, 0), image[33]);
    ASSERT_TRUE(saveParameters(set, path("out.par"), recorder()));
    EXPECT_EQ(read(path("out.par")), image);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(ParameterFiles, ShortFileReplacesOnlyTheStartOfTheImage)
{
    ParameterSet set = defaultParameters();
    const ParameterSet before = set;
    write(path("short.par"), { 9, 8, 7 });
    ASSERT_TRUE(loadParameters(set, path("short.par"), recorder()));
    EXPECT_EQ(set.bytes[0], 9);
    EXPECT_EQ(set.bytes[2], 7);
    EXPECT_TRUE(std::equal(set.bytes.begin() + 3, set.bytes.end(), before.bytes.begin() + 3));
}

TEST_F(ParameterFiles, LongFileGivesItsFirstImage)
{
    std::vector<std::uint8_t> image(kParameterFileSize + 50, 3);
    write(path("long.par"), image);
    ParameterSet set;
    ASSERT_TRUE(loadParameters(set, path("long.par"), recorder()));
    EXPECT_EQ(set.bytes[kParameterFileSize - 1], 3);
}

TEST_F(ParameterFiles, UnreadableFileReportsAndChangesNothing)
{
    ParameterSet set = defaultParameters();
    EXPECT_FALSE(loadParameters(set, path("missing.par"), recorder()));
    // A folder opens on some systems but cannot be read.
    EXPECT_FALSE(loadParameters(set, dir_.string(), recorder()));
    EXPECT_EQ(set, defaultParameters());
    ASSERT_EQ(errors_.size(), 2u);
    EXPECT_EQ(errors_[0], "Impossible d'ouvrir ce fichier");
}

TEST_F(ParameterFiles, SaveIntoMissingFolderReportsAndWritesNothing)
{
    EXPECT_FALSE(saveParameters(defaultParameters(), path("no/such/dir.par"), recorder()));
    EXPECT_EQ(errors_, std::vector<std::string> { "Impossible d'ouvrir ce fichier" });
    EXPECT_FALSE(fs::exists(path("no")));
}

TEST_F(ParameterFiles, FileOfZerosSetsEveryThresholdToZero)
{
    write(path("zero.par"), std::vector<std::uint8_t>(kParameterFileSize, 0));
    ParameterSet set = defaultParameters();
    ASSERT_TRUE(loadParameters(set, path("zero.par"), recorder()));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(set.threshold(i), 0);
}

TEST_F(ParameterFiles, EveryItemIsReadFromItsPlaceInTheFile)
{
    // A file whose byte at offset i is i mod 251, so each item shows where it came from.
    std::vector<std::uint8_t> image(kParameterFileSize);
    for (int i = 0; i < kParameterFileSize; ++i) image[i] = static_cast<std::uint8_t>(i % 251);
    write(path("places.par"), image);
    ParameterSet set;
    ASSERT_TRUE(loadParameters(set, path("places.par"), recorder()));
    EXPECT_EQ(set.tableEntry(OpeningTable, 1), 1);
    EXPECT_EQ(set.tableEntry(EndgameTable, 32), 99 + 32);
    EXPECT_EQ(set.tableEntry(OpeningVariant1Table, 0), 132);
    EXPECT_EQ(set.tableEntry(MiddleVariant2Table, 32), 231 + 32 - 251);
    EXPECT_EQ(set.threshold(0), 264 - 251);
    EXPECT_EQ(set.threshold(2), 266 - 251);
    EXPECT_EQ(set.variantSquare(1, White, 0), 267 - 251);
    EXPECT_EQ(set.variantSquare(2, White, 6), 280 - 251);
    EXPECT_EQ(set.variantSquare(1, Black, 0), 281 - 251);
    EXPECT_EQ(set.variantSquare(2, Black, 6), 294 - 251);
    EXPECT_EQ(set.tempoWeight(TempoOpening), 295 - 251);
    EXPECT_EQ(set.tempoWeight(TempoMiddleVariant2), 302 - 251);
}

TEST(DefaultParameters, ShippedFileIsTheBuiltInSet)
{
    const std::string shipped = std::string(KV_PROGRAM_DIR) + "/parametres/defaut.par";
    ParameterSet set;
    ASSERT_TRUE(loadParameters(set, shipped, nullptr)) << shipped;
    EXPECT_EQ(set, defaultParameters());
    EXPECT_EQ(fs::file_size(shipped), static_cast<std::uintmax_t>(kParameterFileSize));
}

TEST(DefaultParameters, AreSaneForPlay)
{
    const ParameterSet p = defaultParameters();
    // Thresholds fall from the opening to the ending.
    EXPECT_GT(p.threshold(0), p.threshold(1));
    EXPECT_GT(p.threshold(1), p.threshold(2));
    EXPECT_GT(p.threshold(2), 0);
    // The start position is in no variant: at most 8 of 14 conditions.
    Board start;
    start.setInitial();
    for (int v : { 1, 2 }) {
        int count = 0;
        for (SideToMove side : { White, Black })
            for (int i = 0; i < kVariantSquares; ++i) {
                const int s = p.variantSquare(v, side, i);
                ASSERT_TRUE(s >= 1 && s <= 32);
                // Black's squares are white's seen from the other side.
                if (side == Black) {
                    EXPECT_EQ(s, 33 - p.variantSquare(v, White, i)) << "variant " << v;
                }
                count += start[s] == (side == White ? WhiteMan : BlackMan);
            }
        EXPECT_LE(count, 8) << "variant " << v;
    }
    // No man ever stands on its promotion row; its entries stay 0.
    for (int t = 0; t < kMenTables; ++t)
        for (int v = 29; v <= 32; ++v) EXPECT_EQ(p.tableEntry(t, v), 0);
    EXPECT_TRUE(std::all_of(p.bytes.begin() + kReservedOffset, p.bytes.end(),
                            [](auto b) { return b == 0; }));
}

TEST(ParameterEditor, ItemsCoverEveryEditableByteOnce)
{
    std::set<int> offsets;
    for (int i = 0; i < kParameterItems; ++i) offsets.insert(parameterItemOffset(i));
    EXPECT_EQ(offsets.size(), static_cast<std::size_t>(kParameterItems));
    for (int t = 0; t < kMenTables; ++t) {
        EXPECT_FALSE(offsets.count(t * kTableEntries)) << "entry 0 has no edit box";
        EXPECT_TRUE(offsets.count(t * kTableEntries + 32));
    }
    EXPECT_EQ(*offsets.rbegin(), kReservedOffset - 1);
}

TEST(ParameterEditor, PanelsShowTheBoardFromTheOwnersSide)
{
    EXPECT_EQ(parameterPanelPlace(1).x, 104);
    EXPECT_EQ(parameterPanelPlace(4).x, 8);
    EXPECT_EQ(parameterPanelPlace(5).x, 120);
    EXPECT_EQ(parameterPanelPlace(8).x, 28);
    EXPECT_EQ(parameterPanelPlace(8).rowFromBottom, 1);
    EXPECT_EQ(parameterPanelPlace(29).x, 120);
    EXPECT_EQ(parameterPanelPlace(32).rowFromBottom, 7);
}

TEST(ParameterEditor, BoxesTakeOnlyNumbersInsideTheirItemsRange)
{
    const int square = 5, threshold = kThresholdOffset, variant = kVariant1WhiteOffset,
              tempo = kTempoOffset;
    struct Case {
        int offset;
        const char* text;
        std::optional<int> stored; // the byte, or refused
    };
    const Case cases[] = {
        { square, "255", 255 },  { square, " 0 ", 0 },
        { square, "300", {} },   { square, "-1", {} },
        { square, "abc", {} },   { square, "12abc", {} },
        { square, "", {} },      { square, "-", {} },
        { square, "+7", 7 },     { square, "99999999999", {} },
        { threshold, "24", 24 }, { threshold, "25", {} },
        { variant, "32", 32 },   { variant, "33", {} },
        { tempo, "-128", 128 },  { tempo, "-5", 251 },
        { tempo, "127", 127 },   { tempo, "128", {} },
    };
    for (const Case& c : cases) {
        const auto byte = parameterItemFromText(c.offset, c.text);
        EXPECT_EQ(byte ? std::optional<int>(*byte) : std::nullopt, c.stored)
            << c.offset << " '" << c.text << "'";
    }
}

TEST(ParameterEditor, OkWithoutChangesLeavesTheSetUnchanged)
{
    const ParameterSet set = defaultParameters();
    ParameterSet edited = set;
    for (int i = 0; i < kParameterItems; ++i) {
        const int off = parameterItemOffset(i);
        const auto byte = parameterItemFromText(off, parameterItemText(set, off));
        ASSERT_TRUE(byte.has_value()) << "the shipped value of item " << i << " is refused";
        edited.bytes[off] = *byte;
    }
    EXPECT_EQ(edited, set);
    // Tables show unsigned values, the rest signed ones.
    ParameterSet shown = set;
    shown.bytes[5] = 200;
    shown.bytes[kTempoOffset] = 253;
    EXPECT_EQ(parameterItemText(shown, 5), "200");
    EXPECT_EQ(parameterItemText(shown, kTempoOffset), "-3");
    EXPECT_EQ(shown.tempoWeight(TempoOpening), -3);
}

} // namespace
} // namespace kv
