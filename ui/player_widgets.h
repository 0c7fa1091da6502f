// The widgets of the players' commands in the main window: the name and
// rating lists of the new-game pages, the match page, the new-player,
// delete-player and rename panels, and the rating results of the end-of-game
// panel. Built by TForm1::buildPlayerPanels (Unit1_players_layout.cpp).
#pragma once

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kv {

struct PlayerWidgets {
    // New-game pages: names and the ratings beside them.
    QListWidget* listBox8 = nullptr;  // training
    QListWidget* listBox9 = nullptr;  // match: names
    QListWidget* listBox14 = nullptr; // match: ratings
    QListWidget* listBox10 = nullptr; // human against human, White
    QListWidget* listBox12 = nullptr;
    QListWidget* listBox11 = nullptr; // human against human, Black
    QListWidget* listBox13 = nullptr;
    QLineEdit* joueur1 = nullptr;     // the match's player
    QRadioButton* morvanelNoir1 = nullptr;

    // "Nouveau joueur".
    QFrame* nouveauJoueur = nullptr;
    QLineEdit* joueur = nullptr;
    QRadioButton* k1600 = nullptr;
    QRadioButton* k1700 = nullptr;
    QRadioButton* k1800 = nullptr;
    QLabel* nomRefuse = nullptr; // why a name was not taken

    // "Effacer un joueur".
    QFrame* effaceJ = nullptr;
    QListWidget* listBox15 = nullptr;
    QLineEdit* joueurEfface = nullptr;

    // "Changer les noms".
    QFrame* joueurs = nullptr;
    QLineEdit* edit2 = nullptr; // White
    QLineEdit* edit3 = nullptr; // Black

    // Under the end-of-game message.
    QLabel* resultatBlanc = nullptr;
    QLabel* resultatNoir = nullptr;
};

} // namespace kv
