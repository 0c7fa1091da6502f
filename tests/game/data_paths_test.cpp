#include "game/data_paths.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace kv;

namespace {
QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
} // namespace

TEST(DataPaths, TheProgramDirectoryIsTheBuildFolderOrTheInstalledDataFolder)
{
    test::TempDir dir;
    const QString root = q(dir.path());
    writeText(root + "/build/bin/hashkey33.dat", "k");
    EXPECT_EQ(DataPaths::programDirFor(root + "/build/bin"), root + "/build/bin");
    QDir().mkpath(root + "/usr/bin");
    writeText(root + "/usr/share/korvelan/hashkey33.dat", "k");
    EXPECT_EQ(DataPaths::programDirFor(root + "/usr/bin"), root + "/usr/share/korvelan");
}

TEST(DataPaths, UserFilesAreSeededOnceFromTheShippedCopies)
{
    test::TempDir dir;
    const QString shipped = q(dir.path() / "program"), user = q(dir.path() / "user");
    writeText(shipped + "/parametres/defaut.par", "shipped");
    writeText(shipped + "/parametres/autre.par", "other");
    QFile(shipped + "/parametres/defaut.par").setPermissions(QFile::ReadOwner);
    const DataPaths paths(shipped, user);

    const QString mine = paths.seededUserFile("parametres/defaut.par");
    EXPECT_EQ(mine, user + "/parametres/defaut.par");
    EXPECT_EQ(readText(mine), "shipped");
    EXPECT_TRUE(QFileInfo(mine).isWritable());
    writeText(mine, "edited");
    EXPECT_EQ(readText(paths.seededUserFile("parametres/defaut.par")),
              "edited"); // never overwritten

    // A folder is seeded file by file; the user's own files stay.
    EXPECT_EQ(paths.userFolder("parametres"), user + "/parametres");
    EXPECT_EQ(readText(user + "/parametres/autre.par"), "other");
    EXPECT_EQ(readText(user + "/parametres/defaut.par"), "edited");

    // A link the user left, pointing at a file not made yet, is seeded
    // through: the link stays and its target gets the shipped copy.
    QDir().mkpath(q(dir.path() / "elsewhere"));
    ASSERT_TRUE(QFile::link(q(dir.path() / "elsewhere/mine.par"), user + "/parametres/lie.par"));
    writeText(shipped + "/parametres/lie.par", "linked");
    EXPECT_EQ(readText(paths.seededUserFile("parametres/lie.par")), "linked");
    EXPECT_TRUE(QFileInfo(user + "/parametres/lie.par").isSymLink());
    EXPECT_EQ(readText(q(dir.path() / "elsewhere/mine.par")), "linked");

    // Folders for written files appear on first use.
    EXPECT_EQ(paths.userDataPath("Sauve/partie.dam"), user + "/Sauve/partie.dam");
    EXPECT_TRUE(QFileInfo(user + "/Sauve").isDir());
    EXPECT_EQ(paths.programDataPath("Images1i"), shipped + "/Images1i");
}

TEST(DataPaths, WithoutAWritableUserFolderTheShippedFileIsRead)
{
    test::TempDir dir;
    const QString shipped = q(dir.path() / "program");
    writeText(shipped + "/parametres/defaut.par", "shipped");
    writeText(q(dir.path() / "blocker"), "a file where the user's folder should be");
    const DataPaths paths(shipped, q(dir.path() / "blocker"));
    EXPECT_EQ(paths.seededUserFile("parametres/defaut.par"), shipped + "/parametres/defaut.par");
}
