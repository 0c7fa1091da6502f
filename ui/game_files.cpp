#include "ui/game_files.h"

#include "game/session.h"
#include "ui/custom_level_panel.h"
#include "ui/engine_options.h"
#include "ui/main_window.h"

namespace kv {

GameFiles::GameFiles(MainWindow& window, GameSession& session) : window_(window), session_(session)
{
}

QString GameFiles::errorText(const GameFileError& error) const
{
    const QString cannot = tr("Impossible d'ouvrir ce fichier");
    if (error.problem == GameFileProblem::CannotOpen) return cannot;
    return cannot + "\n"
        + tr("Ce n'est pas une partie Korvelan, ou elle est endommagée (%1).")
              .arg(QString::fromStdString(error.detail));
}

void GameFiles::saveGame()
{
    const QString path
        = window_.chooseFile({ true, tr("Sauver la partie"), session_.savedGamesFolder(),
                               tr("Fichiers Korvelan (*.dam)"), "dam" });
    if (path.isEmpty()) return;
    // The record holds the game as played; a search under way changes none of it.
    GameFileError why;
    if (!WriteGameFile(path.toStdString(), gameFileOf(session_.game(), window_.currentSettings()),
                       why))
        window_.showError(errorText(why));
    window_.boardChanged();
}

void GameFiles::openGame()
{
    const QString path
        = window_.chooseFile({ false, tr("Ouvrir une partie"), session_.savedGamesFolder(),
                               tr("Fichiers Korvelan (*.dam)"), "dam" });
    if (path.isEmpty()) return; // cancelled: the game and any search go on
    openGameFile(path);
}

void GameFiles::openGameFile(const QString& path)
{
    GameFileError why;
    const std::optional<GameFile> file = ReadGameFile(path.toStdString(), why);
    if (!file) {
        window_.showError(errorText(why));
        return;
    }
    // Opening a game keeps the language and the table size in force.
    showLoadedGame(*file, false);
}

void GameFiles::showLoadedGame(const GameFile& file, bool tableSizeFromFile)
{
    const StoredSettings& s = file.settings;
    window_.setLevelEntry(
        storedLevel(LevelSetting { s.levelTime, s.levelCap, s.customMinutes, s.levelIndex }));
    window_.customLevelPanel().setMinutes(s.customMinutes);
    if (tableSizeFromFile) window_.engineOptions().setTableSize(s.sizeFactor, true);
    // A running search is abandoned first; the loaded position is the user's to play.
    session_.controller().loadGame([file](GameState& g) { loadGameFile(file, g); });
}

} // namespace kv
