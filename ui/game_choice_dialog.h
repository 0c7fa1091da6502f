// The game-choice panel of a collection: one line per game (" 1:White-Black"),
// OK ("ListeOK") or a double click takes the selected game, "Annuler"
// ("ListeCancel") takes none. It is a modal dialog: the caller waits in
// exec() and the window goes on painting meanwhile.
#pragma once

#include "files/exchange_game.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace kv {

class GameChoiceDialog : public QDialog {
    Q_OBJECT
public:
    GameChoiceDialog(const std::vector<GameSummary>& games, QWidget* parent = nullptr);

    // The chosen game, 0-based; -1 when cancelled.
    int GameChoice() const { return choice_; }

public slots:
    void acceptChoice();
    void cancelChoice();

private:
    QListWidget* gamesList_ = nullptr;
    int choice_ = -1;
};

// The game to read from a collection: 0 without asking when there is one,
// else the user's choice; -1 when the user cancels.
int chooseGame(QWidget* parent, const std::vector<GameSummary>& games);

} // namespace kv
