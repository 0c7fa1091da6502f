#include "io/atomic_write.h"
#include "io/keep_aside.h"

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kv {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::size_t entries(const fs::path& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(AtomicWrite, WritesThroughLinksAndKeepsTheFilesMode)
{
    test::TempDir dir;
    const std::string path = dir.file("state.dat");
    ASSERT_TRUE(writeFileAtomically(path, "one").ok());
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(path, "two").ok());
    EXPECT_EQ(readAll(path), "two");
    struct stat st { };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A relative link, a link to it, and a link to a file not made yet.
    fs::create_directory(dir.path() / "real");
    fs::create_symlink("real/state.dat", dir.path() / "link");
    fs::create_symlink("link", dir.path() / "link2");
    ASSERT_TRUE(writeFileAtomically(dir.file("link2"), "through").ok());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link2"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link"));
    EXPECT_EQ(readAll(dir.path() / "real/state.dat"), "through");
    ASSERT_TRUE(writeFileAtomically(dir.file("link"), "again").ok());
    EXPECT_EQ(readAll(dir.path() / "real/state.dat"), "again");
    EXPECT_EQ(entries(dir.path() / "real"), 1u);
    EXPECT_EQ(entries(dir.path()), 4u);
}

TEST(AtomicWrite, ReportsEachKindOfFailureAndChangesNothing)
{
    test::TempDir dir;
    const std::string fifo = dir.file("fifo"), kept = dir.file("kept");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("fifo", dir.path() / "to-fifo");
    fs::create_symlink("loop", dir.path() / "loop");
    ASSERT_TRUE(writeFileAtomically(kept, "before").ok());

    struct Case {
        std::string path;
        WriteErrorKind kind;
    };
    for (const Case& c : { Case { fifo, WriteErrorKind::NotRegularFile },
                           Case { dir.file("to-fifo"), WriteErrorKind::NotRegularFile },
                           Case { dir.path().string(), WriteErrorKind::NotRegularFile },
                           Case { "/dev/null", WriteErrorKind::NotRegularFile },
                           Case { dir.file("loop"), WriteErrorKind::CannotCreate },
                           Case { dir.file("no/such/folder/x"), WriteErrorKind::CannotCreate } }) {
        const WriteResult r = writeFileAtomically(c.path, "data");
        EXPECT_EQ(r.kind, c.kind) << c.path;
        EXPECT_FALSE(describe(r).empty());
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A disc that fills up: the write fails with the system's reason.
    const WriteResult full = test::withFileSizeLimit(
        100, [&] { return writeFileAtomically(kept, std::string(1000, 'x')); });
    EXPECT_EQ(full.kind, WriteErrorKind::CannotWrite);
    EXPECT_FALSE(full.detail.empty());
    EXPECT_EQ(readAll(kept), "before");
    // No temporary file stays behind after any of these.
    EXPECT_EQ(entries(dir.path()), 4u);
}

TEST(AtomicWrite, ConcurrentWritersNeverShowAPartialFile)
{
    test::TempDir dir;
    const std::string path = dir.file("shared"), a(100000, 'a'), b(100000, 'b');
    ASSERT_TRUE(writeFileAtomically(path, a).ok());
    std::atomic<int> failures = 0;
    auto writer = [&](const std::string& bytes) {
        for (int i = 0; i < 40; ++i) failures += writeFileAtomically(path, bytes).ok() ? 0 : 1;
    };
    std::thread ta(writer, a), tb(writer, b);
    int partial = 0;
    for (int i = 0; i < 200; ++i) {
        const std::string seen = readAll(path);
        partial += seen == a || seen == b ? 0 : 1;
    }
    ta.join();
    tb.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(entries(dir.path()), 1u);
}

// A writer killed at random moments while it switches two files: after the
// recovery both files always come from the same generation, and nothing the
// writer left behind remains.
TEST(AtomicWrite, FilesWrittenTogetherSurviveAKilledWriter)
{
    test::TempDir dir;
    const std::string first = dir.file("names"), second = dir.file("ratings");
    ASSERT_TRUE(writeFilesTogether({ { first, "0" }, { second, "0" } }).ok());
    std::mt19937 random(7);
    int mixed = 0;
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int generation = 1;; ++generation) {
                const std::string g = std::to_string(generation);
                writeFilesTogether({ { first, g + std::string(20000, ' ') }, { second, g } });
            }
        }
        ::usleep(1000 + random() % 20000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        recoverFilesTogether({ first, second });
        const std::string names = readAll(first);
        mixed += names.substr(0, names.find(' ')) == readAll(second) ? 0 : 1;
        EXPECT_EQ(entries(dir.path()), 2u);
    }
    EXPECT_EQ(mixed, 0);
}

TEST(KeepAside, AnUnreadableFileIsMovedAsideNeverOverAnother)
{
    test::TempDir dir;
    const std::string path = dir.file("etat.dam");
    std::vector<std::string> aside;
    for (const char* bytes : { "first", "second" }) {
        ASSERT_TRUE(writeFileAtomically(path, bytes).ok());
        const auto moved = keepAside(path);
        ASSERT_TRUE(moved);
        EXPECT_EQ(fs::path(*moved).extension(), ".dam");
        EXPECT_EQ(readAll(*moved), bytes);
        aside.push_back(*moved);
    }
    EXPECT_NE(aside[0], aside[1]);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(keepAside(path));
}

} // namespace
} // namespace kv
