// Where the program's files live. Shipped data (keys, tables, images, sounds,
// "parametres/defaut.par", help pages) is read from the program directory:
// beside the executable in a build, or the installed data folder found from
// it. Everything the program writes (saved games in "Sauve", "last32.dam",
// parameter sets, registries, lessons) goes to the user's data folder, which
// is created on first use and seeded from the shipped copies, so the program
// runs from a read-only installation.
//
//     DataPaths paths = DataPaths::forApplication();
//     loadParameters(set, paths.seededUserFile("parametres/defaut.par"), report);
//     QFileDialog::getSaveFileName(this, {}, paths.userFolder("Sauve"), ...);
#pragma once

#include <QString>

namespace kv {

class DataPaths {
public:
    DataPaths(QString programDir, QString userDir);

    // The running program's folders: the program directory found from the
    // executable's folder, the user's folder from AppDataLocation.
    static DataPaths forApplication();
    // The executable's folder when it holds the shipped data (a build),
    // else its installed data folder "../share/korvelan".
    static QString programDirFor(const QString& executableDir);

    const QString& programDir() const { return programDir_; }
    const QString& userDir() const { return userDir_; }

    // A shipped file or folder: "hashkey33.dat", "parametres/defaut.par".
    QString programDataPath(const QString& relative) const;
    // A file the program writes; its folder is created if needed.
    QString userDataPath(const QString& relative) const;
    // A folder of the user's ("Sauve", "parametres"), created if needed, with
    // the shipped folder of the same name copied into it file by file where
    // the user has no file of that name yet.
    QString userFolder(const QString& relative) const;
    // The user's copy of a shipped file, copied from the program directory
    // the first time. When the copy cannot be made (no shipped file, or the
    // user's folder cannot be written), the user's path when it exists, else
    // the shipped one: the caller reads whatever there is.
    QString seededUserFile(const QString& relative) const;

private:
    QString programDir_;
    QString userDir_;
};

} // namespace kv
