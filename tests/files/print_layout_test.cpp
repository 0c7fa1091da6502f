#include "exchange_support.h"

#include "files/print_layout.h"
#include "files/text_export.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

TEST(PrintLayout, HeaderOnlyBeforeTheFirstMove)
{
    auto g = newGame("Anne", "Bruno");
    EXPECT_TRUE(layoutPrint(*g, 6000, 100).lines.empty());
    playRandom(*g, 1, 1);
    const PrintLayout l = layoutPrint(*g, 6000, 100);
    EXPECT_EQ(l.header, "Anne-Bruno");
    ASSERT_EQ(l.lines.size(), 1u); // white's first half-move is printed
    EXPECT_EQ(l.lines[0].text, recordLineText(*g, 0) + " ");
    EXPECT_EQ(l.pages, 1);
}

TEST(PrintLayout, ThirteenMovesOnThreeLinesOfSix)
{
    auto g = newGame();
    playRandom(*g, 6, 27);
    ASSERT_EQ(g->gamePly, 27);
    const PrintLayout l = layoutPrint(*g, 6000, 100);
    ASSERT_EQ(l.lines.size(), 3u);
    std::string first = recordLineText(*g, 0) + " ";
    for (int j = 1; j < 6; ++j) first += recordLineText(*g, j) + "  ";
    EXPECT_EQ(l.lines[0].text, first);
    EXPECT_EQ(l.lines[1].text.substr(0, 3), " 7.");
    EXPECT_EQ(l.lines[2].text,
              recordLineText(*g, 12) + " " + recordLineText(*g, 13) + "  "); // 14 alone
    // Every second line position, below the gap.
    EXPECT_EQ(l.lines[0].y, 100 + kPrintMovesGap);
    EXPECT_EQ(l.lines[1].y, 300 + kPrintMovesGap);
    EXPECT_EQ(l.pages, 1);
}

TEST(PrintLayout, LongGamesGoOnToNewPagesAndStayOnThePaper)
{
    auto g = newGame();
    shuttle(*g, 130);
    ASSERT_EQ(g->gamePly, 130); // eleven printed lines
    for (int pageHeight : { 700, 800, 1000, 6600 }) {
        const PrintLayout l = layoutPrint(*g, pageHeight, 100);
        int page = 0, lastY = -1;
        for (const PrintedLine& line : l.lines) {
            EXPECT_LE(line.y + 100, pageHeight) << pageHeight;
            if (line.page != page) {
                EXPECT_EQ(line.page, page + 1);
                EXPECT_EQ(line.y, 100 + kPrintMovesGap) << "a new page starts at the top";
                page = line.page;
            } else {
                EXPECT_GT(line.y, lastY) << "lines of a page go down in order";
            }
            lastY = line.y;
        }
        EXPECT_EQ(l.pages, page + 1);
    }
}

TEST(PrintLayout, PageSmallerThanALineGivesEachLineAPage)
{
    auto g = newGame();
    shuttle(*g, 40);
    for (int lineHeight : { 0, 50, 5000 }) {
        const PrintLayout l = layoutPrint(*g, 10, lineHeight);
        ASSERT_FALSE(l.lines.empty());
        for (std::size_t i = 0; i < l.lines.size(); ++i)
            EXPECT_EQ(l.lines[i].page, static_cast<int>(i));
    }
}

TEST(PrintLayout, LinesOfTheAnalysisTakeEveryPositionBelowTheHeaderBlock)
{
    const std::vector<std::string> texts(40, "line");
    const std::vector<PrintedLine> placed = layoutLines(texts, 2000, 100, 1, 700);
    ASSERT_EQ(placed.size(), texts.size());
    // The first page starts below the header block, the next ones at the top.
    EXPECT_EQ(placed[0].y, 700 + 100 + kPrintMovesGap);
    EXPECT_EQ(placed[1].y - placed[0].y, 100);
    int firstOnPage1 = 0;
    while (placed[firstOnPage1].page == 0) ++firstOnPage1;
    EXPECT_EQ(firstOnPage1, 10); // (2000 - 700 - 150 - 200) / 100 + 1 positions
    EXPECT_EQ(placed[firstOnPage1].y, 100 + kPrintMovesGap);
    for (const PrintedLine& l : placed) EXPECT_LE(l.y + 100, 2000);
}
