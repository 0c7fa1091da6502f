// The game-choice panel of a collection: one line per game (" 1:White-Black"),
// OK ("ListeOK") or a double click takes the selected game, "Annuler"
// ("ListeCancel") takes none. A file may hold millions of games: the list
// shows at most kShownGames of them, from the first or from those a search
// finds (a number goes to that game, a text finds the names that hold it).
// It is a modal dialog: the caller waits in exec() and the window goes on
// painting meanwhile, a long search included.
#pragma once

#include "files/exchange_game.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace kv {

// The names of game `index` (0-based).
using GameNames = std::function<GameSummary(int index)>;

inline constexpr int kShownGames = 500;

class GameChoiceDialog : public QDialog {
    Q_OBJECT
public:
    GameChoiceDialog(int count, GameNames names, QWidget* parent = nullptr);

    // The chosen game, 0-based; -1 when cancelled.
    int GameChoice() const { return choice_; }

public slots:
    void acceptChoice();
    void cancelChoice();

private:
    void search();
    void addLine(int index, const GameSummary& names);

    int count_;
    GameNames names_;
    QLineEdit* search_ = nullptr;
    QListWidget* gamesList_ = nullptr;
    QLabel* note_ = nullptr;
    int choice_ = -1;
    int searches_ = 0; // a new search ends the one still running
};

// The game to read from a collection: 0 without asking when there is one,
// else the user's choice; -1 when the user cancels.
int chooseGame(QWidget* parent, int count, const GameNames& names);

} // namespace kv
