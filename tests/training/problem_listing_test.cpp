#include "training/problem_listing.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kv {
namespace {

void touch(const test::TempDir& d, const std::string& name) { std::ofstream(d.file(name)) << "x"; }

TEST(ProblemListing, NextSkipsCommentsAndWrapsToTheFirst)
{
    test::TempDir d;
    for (const char* n : { "b.dam", "a.dam", "a.damt", "c.DAM", "notes.txt", "b.damt" })
        touch(d, n);
    EXPECT_EQ(listProblemFiles(d.path().string()),
              (std::vector<std::string> { "a.dam", "b.dam", "c.DAM" }));

    ProblemCursor c;
    c.open(d.path().string(), "b.dam");
    EXPECT_EQ(c.currentPath(), d.file("b.dam"));
    EXPECT_EQ(c.next(), d.file("c.DAM"));
    EXPECT_EQ(c.next(), d.file("a.dam")); // the end of the folder wraps
    EXPECT_EQ(c.next(), d.file("b.dam"));
}

TEST(ProblemListing, AChosenFileNotInTheListingStartsFromTheFirst)
{
    test::TempDir d;
    touch(d, "p1.dam");
    touch(d, "p2.dam");
    ProblemCursor c;
    c.open(d.path().string(), "P1.DAM"); // another spelling: not found, the search ends
    EXPECT_EQ(c.currentPath(), "");
    EXPECT_EQ(c.next(), d.file("p1.dam"));
}

TEST(ProblemListing, AnEmptyFolderHasNoNextProblem)
{
    test::TempDir d;
    touch(d, "only.damt");
    ProblemCursor c;
    c.open(d.path().string(), "only.damt");
    EXPECT_EQ(c.next(), "");
    c.open((d.path() / "missing").string(), "x.dam");
    EXPECT_EQ(c.next(), "");
}

} // namespace
} // namespace kv
