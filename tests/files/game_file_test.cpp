#include "exchange_support.h"
#include "files/game_file.h"
#include "files/replay.h"
#include "rules/game_state.h"
#include "rules/geometry.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

using namespace kv;

namespace {

// Plays "from-to" in user numbers.
void play(GameState& g, int from, int to)
{
    const int n = g.generateLegal();
    for (int i = 0; i < n; ++i) {
        const MoveRecord m = g.gen.list(1)[i];
        if (userNumber(m.from) == from && userNumber(m.to) == to) {
            ASSERT_EQ(g.playMove(m, g.gen.captureCount()), PlayResult::Played);
            return;
        }
    }
    FAIL() << "no move " << from << "-" << to;
}

// Five plies with two captures: 10-13 23-19 11-14 19x10 5x14.
GameState openingGame()
{
    GameState g;
    g.newGame();
    g.whiteName = "Anne";
    g.blackName = "Korvelan";
    g.storeRecordEntry(0);
    const int moves[][2] = { { 10, 13 }, { 23, 19 }, { 11, 14 }, { 19, 10 }, { 5, 14 } };
    for (auto [f, t] : moves) play(g, f, t);
    return g;
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& b)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

std::int32_t le32(const GameFileImage& im, std::size_t at)
{
    return std::int32_t(im[at] | im[at + 1] << 8 | im[at + 2] << 16
                        | std::uint32_t(im[at + 3]) << 24);
}

GameState reloaded(const GameFile& f)
{
    GameState g;
    g.newGame();
    loadGameFile(f, g);
    return g;
}

} // namespace

TEST(GameFileImage, FieldsSitAtTheirOffsetsLittleEndian)
{
    GameState g = openingGame();
    g.clock = { 0x01020304, -2 };
    g.storeRecordEntry(g.record[g.gamePly].captured);
    const StoredSettings s { 7, -3, 4, 17, 0x0A0B0C0D, 178 };
    const GameFileImage im = gameFileImage(gameFileOf(g, s));

    EXPECT_EQ(im.size(), 22442u);
    EXPECT_EQ(im[0], 5);              // plies held, in entry 0's sentinel
    EXPECT_EQ(im[88 * 5 + 36], 0x04); // white's clock, low byte first
    EXPECT_EQ(le32(im, 88 * 5 + 40), -2);
    EXPECT_EQ(im[88 * 4 + 33], 1); // ply 4 took one piece
    EXPECT_EQ(im[88 * 5 + 34], internalSquare(5));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&im[88 * 5 + 44])), "Anne");
    EXPECT_EQ(im[88 * 5 + 84], 1);
    EXPECT_EQ(le32(im, 22300), 7);
    EXPECT_EQ(le32(im, 22304), -3); // the size factor sign-extended
    EXPECT_EQ(im[22386], 4);
    EXPECT_EQ(im[22387], 17);
    EXPECT_EQ(le32(im, 22388), 0x0A0B0C0D);
    EXPECT_EQ(le32(im, 22392), 178);
    EXPECT_EQ(im[22440], 5);
    EXPECT_EQ(im[22441], Black);
    EXPECT_EQ(g.record[0].sentinel, OffBoard); // the game itself keeps its sentinel
}

TEST(GameFileRoundTrip, AtPlyZeroGivesTheStartWithAnEmptyList)
{
    test::TempDir dir;
    GameState g;
    g.newGame();
    GameFileError why;
    ASSERT_TRUE(WriteGameFile(dir.file("a.dam"), gameFileOf(g, {}), why));
    EXPECT_EQ(std::filesystem::file_size(dir.file("a.dam")), 22442u);
    const auto f = ReadGameFile(dir.file("a.dam"), why);
    ASSERT_TRUE(f) << why.detail;
    const GameState r = reloaded(*f);
    EXPECT_EQ(r.gamePly, 0);
    EXPECT_EQ(r.recordedPlies, 0);
    EXPECT_EQ(r.board, g.board);
    EXPECT_EQ(r.side, White);
    EXPECT_TRUE(r.moveList.lines().empty());
    EXPECT_EQ(f->settings, StoredSettings {});
}

TEST(GameFileRoundTrip, AfterTakeBacksTheLaterPliesStayReachable)
{
    test::TempDir dir;
    GameState g = openingGame();
    const Board atFive = g.board;
    // Back to ply 2, as the record navigation does.
    g.gamePly = 2;
    g.restoreRecordEntry();
    g.side = g.sideAtPly(2);
    g.displayed = g.board;
    const StoredSettings s { 12, 700, 2, 18, 660, 718 };
    GameFileError why;
    ASSERT_TRUE(WriteGameFile(dir.file("b.dam"), gameFileOf(g, s), why)) << why.detail;
    const auto f = ReadGameFile(dir.file("b.dam"), why);
    ASSERT_TRUE(f) << why.detail;
    EXPECT_EQ(f->settings, s);

    GameState r = reloaded(*f);
    EXPECT_EQ(r.gamePly, 2);
    EXPECT_EQ(r.recordedPlies, 5);
    EXPECT_EQ(r.board, g.board);
    EXPECT_EQ(r.displayed, g.board);
    EXPECT_EQ(r.side, White);
    EXPECT_EQ(r.whiteName, "Anne");
    EXPECT_EQ(r.moveList.lines(), openingGame().moveList.lines());
    EXPECT_EQ(r.moveList.selected(), 2);
    // Stepping forward to the last recorded ply gives the position played.
    r.gamePly = static_cast<std::uint8_t>(r.recordedPlies);
    r.restoreRecordEntry();
    EXPECT_EQ(r.board, atFive);
    EXPECT_EQ(r.sideAtPly(5), Black);
}

TEST(GameFileRoundTrip, ARecordBegunByBlackKeepsItsSides)
{
    GameState g;
    Board b;
    b.setInitial();
    g.startFrom(b, Black);
    play(g, 23, 19);
    play(g, 10, 13);
    play(g, 22, 18);
    g.gamePly = 1;
    g.restoreRecordEntry();
    g.side = g.sideAtPly(1);
    const GameState r = reloaded(gameFileOf(g, {}));
    EXPECT_EQ(r.side, White);
    EXPECT_EQ(r.startSide, Black);
    EXPECT_EQ(r.sideAtPly(3), White);
    EXPECT_EQ(r.sideAtPly(0), Black);
}

// Random games from positions where kings face many pieces, so that some
// captures come back to the square they started from (21x21): every game the
// generator can play must be saved, read back and rebuilt move by move.
TEST(GameFileRoundTrip, EveryGeneratedGameReadsBackEvenWithCircularCaptures)
{
    std::mt19937 rng(25);
    int circular = 0, games = 0;
    while (circular < 100 && games < 20000) {
        ++games;
        Board b;
        b.clear();
        for (int pieces = 0; pieces < 12;) {
            const int s = static_cast<int>(rng() % kSquares) + 1;
            const std::uint8_t code = pieces < 2 ? WhiteKing : (rng() % 3 ? BlackMan : BlackKing);
            if (b[s] != Empty || promotes(code, static_cast<Square>(s))) continue;
            b[s] = code;
            ++pieces;
        }
        GameState g;
        g.startFrom(b, White);
        int here = 0;
        test::playRandom(g, rng(), 30,
                         [&](const MoveRecord& m) { return here += m.from == m.to, false; });
        if (here == 0) continue;
        circular += here;
        GameFileError why;
        const auto image = gameFileImage(gameFileOf(g, {}));
        const auto file = parseGameFile(image.data(), image.size(), why);
        ASSERT_TRUE(file) << why.detail;
        GameState r;
        loadGameFile(*file, r);
        EXPECT_EQ(recordedMoves(r, r.gamePly).size(), static_cast<std::size_t>(g.gamePly));
    }
    EXPECT_GE(circular, 100) << "after " << games << " games";
}

TEST(GameFileDefaults, ZeroTimeValuesGiveLevelFiveAndEnglish)
{
    GameState g = openingGame();
    for (auto zeroed : { std::pair { 0, 178 }, std::pair { 160, 0 } }) {
        const StoredSettings s { 40, 350, 0, 2, zeroed.first, zeroed.second };
        GameFileError why;
        const GameFileImage im = gameFileImage(gameFileOf(g, s));
        const auto f = parseGameFile(im.data(), im.size(), why);
        ASSERT_TRUE(f) << why.detail;
        EXPECT_EQ(f->settings, (StoredSettings { 3, 350, 1, 5, 160, 178 }));
    }
    // With a zero time the level and language are replaced, so their stored
    // values are never used and a file is not refused for them.
    GameFileImage im = gameFileImage(gameFileOf(g, { 3, 100, 0, 5, 0, 0 }));
    im[22386] = 99;
    im[22387] = 99;
    GameFileError why;
    EXPECT_TRUE(parseGameFile(im.data(), im.size(), why));
}

TEST(GameFileDamage, EveryFieldOutOfRangeIsRefused)
{
    const GameFileImage good = gameFileImage(gameFileOf(openingGame(), {}));
    GameFileError why;
    ASSERT_TRUE(parseGameFile(good.data(), good.size(), why));

    struct Damage {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    };
    const Damage cases[] = {
        { "plies held", 0, 253 },
        { "current ply", 22440, 253 },
        { "plies held beyond the moves", 0, 6 },
        { "current ply beyond the moves", 22440, 9 },
        { "a ply without origin", 88 * 3 + 34, 0 },
        { "side", 22441, 2 },
        { "piece code", 88 * 3 + 7, 5 },
        { "piece code in an unused entry", 88 * 200 + 1, 10 },
        { "pieces taken", 88 * 2 + 33, 13 },
        { "origin", 88 * 4 + 34, 33 },
        { "destination", 88 * 1 + 35, 200 },
        { "computer colour", 88 * 5 + 84, 2 },
        { "language", 22386, 6 },
        { "level between the two groups", 22387, 9 },
        { "level beyond the specials", 22387, 19 },
        { "table size factor", 22304, 123 },
        { "negative time", 22391, 0x80 },
        { "negative minutes", 22303, 0xFF },
    };
    for (const Damage& d : cases) {
        GameFileImage im = good;
        im[d.at] = d.value;
        EXPECT_FALSE(parseGameFile(im.data(), im.size(), why)) << d.what;
        EXPECT_EQ(why.problem, GameFileProblem::BadContent) << d.what;
        EXPECT_FALSE(why.detail.empty());
    }
    // Names must end inside their 20 bytes.
    for (std::size_t at : { std::size_t(88 * 5 + 44), std::size_t(88 * 0 + 64) }) {
        GameFileImage im = good;
        std::fill_n(im.begin() + at, 20, 'a');
        EXPECT_FALSE(parseGameFile(im.data(), im.size(), why)) << at;
    }
    // Each of the table sizes the menu offers is accepted.
    for (int factor : { 0, 10, 50, 100, 200, 350, 700, 1000, 2000 }) {
        GameFileImage im = good;
        im[22304] = std::uint8_t(factor & 0xFF);
        im[22305] = std::uint8_t(factor >> 8);
        EXPECT_TRUE(parseGameFile(im.data(), im.size(), why)) << factor;
    }
}

TEST(GameFileDamage, WrongSizesMissingFilesAndNoiseAreRefused)
{
    test::TempDir dir;
    std::vector<std::uint8_t> bytes(22442);
    GameFileError why;
    const GameFileImage good = gameFileImage(gameFileOf(openingGame(), {}));
    for (std::size_t size : { std::size_t(0), std::size_t(1), std::size_t(22441),
                              std::size_t(22443), std::size_t(60000) }) {
        std::vector<std::uint8_t> b(good.begin(), good.end());
        b.resize(size, 0);
        writeBytes(dir.file("s.dam"), b);
        EXPECT_FALSE(ReadGameFile(dir.file("s.dam"), why)) << size;
        EXPECT_EQ(why.problem, GameFileProblem::WrongSize) << size;
    }
    EXPECT_FALSE(ReadGameFile(dir.file("missing.dam"), why));
    EXPECT_EQ(why.problem, GameFileProblem::CannotOpen);
    EXPECT_FALSE(ReadGameFile(dir.path().string(), why)); // a folder
    EXPECT_EQ(why.problem, GameFileProblem::CannotOpen);

    std::mt19937 rng(7);
    int accepted = 0;
    for (int i = 0; i < 50; ++i) {
        for (auto& c : bytes) c = static_cast<std::uint8_t>(rng());
        accepted += parseGameFile(bytes.data(), bytes.size(), why).has_value();
    }
    EXPECT_EQ(accepted, 0);
}

TEST(GameFileWrite, AFailedWriteLeavesTheOldFileWhole)
{
    test::TempDir dir;
    const std::string path = dir.file("keep.dam");
    GameFileError why;
    ASSERT_TRUE(WriteGameFile(path, gameFileOf(openingGame(), {}), why));
    const auto before = fileBytes(path);

    GameState fresh;
    fresh.newGame();
    // Files may not grow past 10000 bytes: the write stops half-way.
    const bool written = test::withFileSizeLimit(
        10000, [&] { return WriteGameFile(path, gameFileOf(fresh, {}), why); });

    EXPECT_FALSE(written);
    EXPECT_EQ(why.problem, GameFileProblem::CannotOpen);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A folder that cannot take the file: reported, nothing else happens.
    EXPECT_FALSE(WriteGameFile(dir.file("no/such/folder.dam"), gameFileOf(fresh, {}), why));
    EXPECT_EQ(why.problem, GameFileProblem::CannotOpen);
}
