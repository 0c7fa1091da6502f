// Exchanging games with people and other programs, from the main window's
// File and Edit menus: text and PDN files, the clipboard (PDN games and FEN
// positions), the board picture, printing, and comment files shown in the
// desktop's text editor.
#pragma once

#include "rules/game_result.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace kv {

class GameSession;
class MainWindow;
struct ExchangeFile;
struct PdnTags;
struct PrintSheet;

class GameExchange : public QObject {
    Q_OBJECT
public:
    // Adds the commands to the window's File menu (before "Quitter") and
    // the clipboard commands to its Edit menu.
    GameExchange(MainWindow& window, GameSession& session);

    // Shows a text file (a comment file) in the desktop's text editor.
    void openTextFile(const QString& path);
    // A text or PDN game by name, as "Ouvrir un fichier texte" opens it.
    void openExchangeFile(const QString& path);

public slots:
    void exportGameText();
    void importGameText();
    void copyGame();
    void copyPosition();
    void pasteGame();
    void saveBoardPicture();
    void printCurrentGame();
    void previewPrint();

private:
    void importGame(const ExchangeFile& file, QStringList notices);
    GameResult currentOutcome() const;
    PrintSheet currentSheet() const; // the game's printout, dated today
    PdnTags pdnTags() const;
    QString folder() const; // where the last text, PDN or picture went, else the documents

    MainWindow& window_;
    GameSession& session_;
    QString exchangeFolder_;
};

} // namespace kv
