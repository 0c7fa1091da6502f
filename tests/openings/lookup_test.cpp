#include "openings/book_lookup.h"

#include "rules/geometry.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

BookMove mv(int from, int to) { return { internalSquare(from), internalSquare(to) }; }

std::vector<std::string> texts(const std::vector<BookMove>& moves)
{
    std::vector<std::string> t;
    for (const BookMove& m : moves)
        t.push_back(std::to_string(userNumber(m.from)) + "-" + std::to_string(userNumber(m.to)));
    return t;
}

using Texts = std::vector<std::string>;

TEST(BookLookup, OffersTheNextMoveOfTheLinesThatRepeatTheGame)
{
    const OpeningLibrary lib({ "12-16 21-17 10-15 ", "12-16 21-17 ", "12-16 21-17 11-15 17-13 ",
                               "12-16 22-18 16-19 ", "10-14 21-17 ", "12-16 21-17 10-15 25-21 " });
    // At ply 0 every line offers its first move, each move once.
    EXPECT_EQ(texts(bookLookup(lib, {})), (Texts { "10-14", "12-16" }));
    // At ply 2 only the lines beginning with the two moves played and holding
    // a third move contribute.
    EXPECT_EQ(texts(bookLookup(lib, { mv(12, 16), mv(21, 17) })), (Texts { "10-15", "11-15" }));
    EXPECT_TRUE(bookLookup(lib, { mv(12, 16), mv(23, 19) }).empty());
    // A line that has ended offers nothing.
    EXPECT_TRUE(bookLookup(lib, { mv(10, 14), mv(21, 17) }).empty());
}

TEST(BookLookup, TheBlackLibraryServesOnlyBlackToMove)
{
    OpeningBook book;
    book.white.add("12-16 21-17 10-14 ");
    book.black.add("12-16 22-18 ");
    book.black.add("11-15 24-20 ");
    GameRecord record {};
    record[1].from = internalSquare(12);
    record[1].to = internalSquare(16);
    EXPECT_EQ(texts(book.lookup(Black, record, 1)), (Texts { "22-18" }));
    // The side to move picks the list, whatever the lines hold.
    EXPECT_EQ(texts(book.lookup(White, record, 1)), (Texts { "21-17" }));
    EXPECT_EQ(texts(book.lookup(White, record, 0)), (Texts { "12-16" }));
    EXPECT_EQ(texts(book.lookup(Black, record, 0)), (Texts { "11-15", "12-16" }));
}

TEST(BookLookup, ReadsEveryWrittenFormOfAMove)
{
    const std::vector<BookMove> played { mv(9, 13), mv(22, 18) };
    // Padded, unpadded, with a leading zero, with "x", any separator after a
    // two-character origin, and without the last space.
    for (const char* line : { " 9-13 22-18 11-15 ", "9-13 22-18 11-15", "9x13 22x18 11x15 ",
                              "09-13 22-18 11-15 ", " 9/13 22:18 11-15 " })
        EXPECT_EQ(texts(bookLookup(OpeningLibrary({ line }), played)), (Texts { "11-15" }))
            << '"' << line << '"';
    // One-digit fields padded by a space on either side of the separator.
    EXPECT_EQ(texts(bookLookup(OpeningLibrary({ " 9-13 22-18  5- 9 " }), played)),
              (Texts { "5-9" }));
    // A one-digit destination at the very end of the line.
    EXPECT_EQ(texts(bookLookup(OpeningLibrary({ " 9-13 22-18 13-9" }), played)),
              (Texts { "13-9" }));
    EXPECT_EQ(texts(bookLookup(OpeningLibrary({ "9-13 22-18 5-9" }), played)), (Texts { "5-9" }));
}

TEST(BookLookup, MalformedFieldsOfferNothing)
{
    const OpeningLibrary lib(
        { "ab-cd 21-17 ", "40-45 ", "12-33 ", "12-", "-", "12-16x", "", "12-16 21-17 " });
    EXPECT_EQ(texts(bookLookup(lib, {})), (Texts { "12-16" }));
    // A line whose earlier field is no square never matches the game.
    EXPECT_TRUE(bookLookup(OpeningLibrary({ "ab-cd 21-17 " }), { mv(12, 16) }).empty());
}

TEST(BookLookup, KeepsTheFirstTwentyDistinctMoves)
{
    std::vector<std::string> lines;
    for (int to = 1; to <= 25; ++to) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%2d-%2d ", 32, to);
        lines.push_back(buf);
        lines.push_back(buf); // duplicates stand together and count once
    }
    const auto found = bookLookup(OpeningLibrary(lines), {});
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(userNumber(found.front().to), 1);
    EXPECT_EQ(userNumber(found.back().to), 20);
}

TEST(NouvelleOuv, WritesTheGameAsALine)
{
    GameRecord record {};
    record[1].from = internalSquare(9);
    record[1].to = internalSquare(13);
    record[2].from = internalSquare(22);
    record[2].to = internalSquare(18);
    EXPECT_EQ(Nouvelle_ouv(record, 2), " 9-13 22-18 ");
    EXPECT_EQ(Nouvelle_ouv(record, 1), " 9-13 ");
    // No recorded move (a set-up position), or a slot left empty.
    EXPECT_EQ(Nouvelle_ouv(record, 0), "");
    EXPECT_EQ(Nouvelle_ouv(record, 5), " 9-13 22-18 ");
    // At most 42 moves, and the lookup reads what the editor writes.
    for (int p = 1; p <= 60; ++p) {
        record[p].from = internalSquare(p % 2 ? 9 : 22);
        record[p].to = internalSquare(p % 2 ? 13 : 18);
    }
    const std::string line = Nouvelle_ouv(record, 60);
    EXPECT_EQ(line.size(), 42u * 6);
    const auto moves = parseLineMoves(line);
    ASSERT_EQ(moves.size(), 42u);
    EXPECT_EQ(moves[41].origin, 22);
    EXPECT_EQ(moves[41].destination, 18);
}

} // namespace
} // namespace kv
