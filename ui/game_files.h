// The "Fichier" commands on game files: "Sauver" and "Ouvrir", and showing a
// loaded game (also used to resume the last game at start-up).
#pragma once

#include "files/game_file.h"

#include <QObject>
#include <QString>

namespace kv {

class GameSession;
class MainWindow;

class GameFiles : public QObject {
    Q_OBJECT
public:
    GameFiles(MainWindow& window, GameSession& session);

    // Shows a loaded game: level, minutes, record, names, counters. The
    // language stays; the table size stays unless `tableSizeFromFile`.
    void showLoadedGame(const GameFile& file, bool tableSizeFromFile);
    QString errorText(const GameFileError& error) const;

public slots:
    void saveGame();
    void openGame();
    // A game file by name, as "Ouvrir" opens it once its dialog is answered.
    void openGameFile(const QString& path);

private:
    MainWindow& window_;
    GameSession& session_;
};

} // namespace kv
