// The players' commands of the main window: the registry behind the name
// lists of the new-game pages, the match start, adding and deleting players,
// renaming the players of the current game, the rating results of a match
// and the players window.
#pragma once

#include "ui/player_widgets.h"

#include <QObject>
#include <QString>

#include <optional>

class QLineEdit;
class QTabWidget;

namespace kv {

class GameSession;
class MainWindow;
class PlayerRegistry;
class PlayersWindow;
struct RatedResult;

class PlayersPanel : public QObject {
    Q_OBJECT
public:
    // Adds the lists to the window's new-game pages, its panels and the
    // entries of its players' menu.
    PlayersPanel(MainWindow& window, GameSession& session);

    // Reads the registry afresh and shows it; false (the lists unchanged)
    // when it cannot be read.
    bool loadPlayerLists();
    // The lists again, their names in the interface language.
    void retranslate() { fillPlayerLists(); }
    // A game has ended: the rated result of a match, shown and stored.
    void matchRated(const RatedResult* rated);

public slots:
    void pickTrainingOpponent();
    void pickMatchPlayer();
    void pickWhitePlayer();
    void pickBlackPlayer();
    void startMatch();
    void cancelNewGame(); // the new-game pages close, as on their other pages
    void resetComputerRating();
    void askNewPlayer();
    void addPlayer();
    void cancelNewPlayer();
    void askDeletePlayer();
    void pickPlayerToDelete();
    void deletePlayer();
    void cancelDeletePlayer();
    void askPlayerNames();
    void acceptPlayerNames();
    void cancelPlayerNames();
    void showPlayersWindow();

private:
    void build();
    std::optional<PlayerRegistry> readRegistry();
    void fillPlayerLists();

    MainWindow& window_;
    GameSession& session_;
    PlayerWidgets widgets_;
    QTabWidget* newGameTabs_ = nullptr;
    QLineEdit* trainingNameEdit_ = nullptr;
    QLineEdit* whiteNameEdit_ = nullptr;
    QLineEdit* blackNameEdit_ = nullptr;
    PlayersWindow* playersWindow_ = nullptr;
};

} // namespace kv
