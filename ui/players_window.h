// The players window ("Joueurs > Liste des joueurs"): every registered player
// with the rating and the record of rated games, sortable by any column, and
// the rated games of the player chosen in the list, newest first.
#pragma once

#include "players/history.h"
#include "players/registry.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTableWidget;

namespace kv {

class PlayersWindow : public QDialog {
    Q_OBJECT
public:
    explicit PlayersWindow(QWidget* parent = nullptr);

    // Fills the lists; `note` says what could not be read, if anything.
    void showRegistry(const PlayerRegistry& registry, const std::vector<ResultRecord>& history,
                      const QString& note = {});

private:
    void showResultsOf(const QString& name);

    QTableWidget* players_ = nullptr;
    QTableWidget* results_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr;
    std::vector<ResultRecord> history_;
};

} // namespace kv
