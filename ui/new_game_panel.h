// The new-game pages laid over the board: a training game against the
// computer, or a game between two people. The players' panel adds its lists
// and the match page to them.
#pragma once

#include <QObject>

class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace kv {

class GameSession;
class MainWindow;

class NewGamePanel : public QObject {
    Q_OBJECT
public:
    NewGamePanel(MainWindow& window, GameSession& session);

    QWidget* widget() const;
    void show(); // over the board, until a page's OK or "Annuler"

public slots:
    void startTrainingGame();
    void startHumanGame();
    void cancelNewGame();

private:
    MainWindow& window_;
    GameSession& session_;
    QTabWidget* newGameTabs_ = nullptr;
    QLineEdit* trainingNameEdit_ = nullptr;
    QLineEdit* whiteNameEdit_ = nullptr;
    QLineEdit* blackNameEdit_ = nullptr;
    QRadioButton* computerBlackButton_ = nullptr;
};

} // namespace kv
