// The "Fichier" commands on game files: "Sauver" and "Ouvrir", and showing a
// loaded game (also used to resume the last game at start-up).
#include "ui/game_exchange.h"
#include "ui/main_window.h"

#include "ui/board_widget.h"
#include "ui/custom_level_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace kv {

QString MainWindow::chooseFile(const FileRequest& request)
{
    if (fileChooser_) return fileChooser_(request.title, request.folder, request.save);
    QFileDialog dialog(this, request.title, request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString MainWindow::gameFileErrorText(const GameFileError& error) const
{
    const QString cannot = tr("Impossible d'ouvrir ce fichier");
    if (error.problem == GameFileProblem::CannotOpen) return cannot;
    return cannot + "\n"
        + tr("Ce n'est pas une partie Korvelan, ou elle est endommagée (%1).")
              .arg(QString::fromStdString(error.detail));
}

void MainWindow::saveGame()
{
    const QString path = chooseFile({ true, tr("Sauver la partie"), session_.savedGamesFolder(),
                                      tr("Fichiers Korvelan (*.dam)"), "dam" });
    if (path.isEmpty()) return;
    // The record holds the game as played; a search under way changes none of it.
    GameFileError why;
    if (!WriteGameFile(path.toStdString(), gameFileOf(game_, currentSettings()), why))
        showError(gameFileErrorText(why));
    boardChanged();
}

void MainWindow::openGame()
{
    const QString path = chooseFile({ false, tr("Ouvrir une partie"), session_.savedGamesFolder(),
                                      tr("Fichiers Korvelan (*.dam)"), "dam" });
    if (path.isEmpty()) return; // cancelled: the game and any search go on
    openGameFile(path);
}

void MainWindow::openExchangeFile(const QString& path) { exchange_->openExchangeFile(path); }

void MainWindow::openGameFile(const QString& path)
{
    GameFileError why;
    const std::optional<GameFile> file = ReadGameFile(path.toStdString(), why);
    if (!file) {
        showError(gameFileErrorText(why));
        return;
    }
    // Opening a game keeps the language and the table size in force.
    showLoadedGame(*file, false);
}

void MainWindow::showLoadedGame(const GameFile& file, bool tableSizeFromFile)
{
    const StoredSettings& s = file.settings;
    setLevelEntry(
        storedLevel(LevelSetting { s.levelTime, s.levelCap, s.customMinutes, s.levelIndex }));
    customLevel_->setMinutes(s.customMinutes);
    if (tableSizeFromFile) setTableSize(s.sizeFactor, true);
    // A running search is abandoned first; the loaded position is the user's to play.
    controller_->loadGame([file](GameState& g) { loadGameFile(file, g); });
}

} // namespace kv
