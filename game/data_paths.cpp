#include "data_paths.h"

#include "io/atomic_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {
// A file every build and installation ships: it tells the program directory.
constexpr const char* kMarkerFile = "hashkey33.dat";

QString joined(const QString& dir, const QString& relative)
{
    return relative.isEmpty() ? dir : QDir(dir).filePath(relative);
}

// Copies a shipped file for the user. The shipped copy may be read-only; the
// user's copy is the user's to change. A link the user left at that name (one
// that points at nothing yet) is written through, never replaced.
bool copyForUser(const QString& shipped, const QString& user)
{
    QFile in(shipped);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return false;
    if (!writeFileAtomically(QFile::encodeName(user).toStdString(), bytes.constData(),
                             static_cast<std::size_t>(bytes.size()))
             .ok())
        return false;
    QFile(user).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                               | QFile::ReadOther);
    return true;
}
} // namespace

DataPaths::DataPaths(QString programDir, QString userDir)
    : programDir_(QDir::cleanPath(programDir)), userDir_(QDir::cleanPath(userDir))
{
}

QString DataPaths::programDirFor(const QString& executableDir)
{
    if (QFileInfo::exists(QDir(executableDir).filePath(kMarkerFile))) return executableDir;
    const QString installed = QDir::cleanPath(executableDir + "/../share/korvelan");
    return QFileInfo::exists(installed) ? installed : executableDir;
}

DataPaths DataPaths::forApplication()
{
    return DataPaths(programDirFor(QCoreApplication::applicationDirPath()),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DataPaths::programDataPath(const QString& relative) const
{
    return joined(programDir_, relative);
}

QString DataPaths::userDataPath(const QString& relative) const
{
    const QString path = joined(userDir_, relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString DataPaths::userFolder(const QString& relative) const
{
    const QString folder = joined(userDir_, relative);
    QDir().mkpath(folder);
    const QDir shipped(programDataPath(relative));
    if (shipped.exists() && shipped.absolutePath() != QDir(folder).absolutePath())
        for (const QString& name : shipped.entryList(QDir::Files)) {
            const QString target = QDir(folder).filePath(name);
            if (!QFileInfo::exists(target)) copyForUser(shipped.filePath(name), target);
        }
    return folder;
}

QString DataPaths::seededUserFile(const QString& relative) const
{
    const QString user = userDataPath(relative);
    if (QFileInfo::exists(user)) return user;
    const QString shipped = programDataPath(relative);
    return QFileInfo::exists(shipped) && copyForUser(shipped, user) ? user : shipped;
}

} // namespace kv
