// The widgets of the players' commands in the main window: the name and
// rating lists of the new-game pages, the match page, the new-player,
// delete-player and rename panels, and the rating results of the end-of-game
// panel. Built by MainWindow::buildPlayerPanels (players_panel_layout.cpp).
#pragma once

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kv {

struct PlayerWidgets {
    // New-game pages: names and the ratings beside them.
    QListWidget* trainingNames = nullptr; // training
    QListWidget* matchNames = nullptr;    // match: names
    QListWidget* matchRatings = nullptr;  // match: ratings
    QListWidget* whiteNames = nullptr;    // human against human, White
    QListWidget* whiteRatings = nullptr;
    QListWidget* blackNames = nullptr; // human against human, Black
    QListWidget* blackRatings = nullptr;
    QLineEdit* matchPlayerEdit = nullptr; // the match's player
    QRadioButton* matchComputerBlack = nullptr;

    // "Nouveau joueur".
    QFrame* newPlayerPanel = nullptr;
    QLineEdit* newPlayerEdit = nullptr;
    QRadioButton* k1600 = nullptr;
    QRadioButton* k1700 = nullptr;
    QRadioButton* k1800 = nullptr;
    QLabel* nameRefusal = nullptr; // why a name was not taken

    // "Effacer un joueur".
    QFrame* deletePlayerPanel = nullptr;
    QListWidget* deleteNames = nullptr;
    QLineEdit* deletedNameEdit = nullptr;

    // "Changer les noms".
    QFrame* namesPanel = nullptr;
    QLineEdit* whiteNameField = nullptr; // White
    QLineEdit* blackNameField = nullptr; // Black

    // Under the end-of-game message.
    QLabel* whiteResult = nullptr;
    QLabel* blackResult = nullptr;
};

} // namespace kv
