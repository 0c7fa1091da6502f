// Which commands may run now. Computed in one place from the controller's
// state, so the menus, the speed buttons and the panels never disagree about
// what is allowed while the engine thinks or a match runs.
#pragma once

namespace kv {

struct CommandInputs {
    bool thinking = false; // the computer is choosing its own move
    bool computerVsComputer = false;
    bool match = false;    // a rated match is running
    bool gameOver = false; // the game has a result: nothing is left to play for
    int gamePly = 0;
    bool analysing = false;     // the analysis walk runs
    bool positionSetup = false; // the position editor is open
};

struct CommandStates {
    bool newGame = true;            // "Nouveau"
    bool humanVsHuman = true;       // "Humain contre humain"
    bool computerVsComputer = true; // "Ordinateur contre ordinateur"
    bool fileMenu = true;           // "Fichier"
    bool quit = true;               // "Quitter": always allowed, it stops a search first
    bool editMenu = true;           // "Edition": the take-back and replay entries
    bool navigationButtons = true;  // the speed buttons of "Coups joués": they abandon a search
    bool playersMenu = true;        // "Joueurs": swapping players
    bool levelMenu = true;          // "Niveau"
    bool parametersMenu = true;     // "Paramétrage": the opening libraries and their editors
    bool numbering = true;          // "Numéroter les cases"
    bool ponder = true;             // "Réflexion sur temps adverse"
    bool clocksToZero = true;       // "Horloges à zéro"
    bool clockPause = true;         // "Pause": stops the clocks
    bool stopSearch = true;         // "Arrêt du calcul"
    bool stopByClick = true;        // "Arret réflexion par clic souris"
    bool offerDraw = true;          // "Proposer nul"
    bool resign = true;             // "Abandonner"
    bool swapPlayers = true;        // "Inverser les joueurs"
    bool busyCursor = false;        // hourglass over the board
    bool analysisMenu = true;       // "Analyse": analysis, editor, problems, lessons, sessions
    bool analyse = true;            // "Débuter une analyse"
    bool analysisRunning = false;   // "Arrêter cette phase", "Terminer l'analyse"
    bool problems = true;           // the "Probleme" page, problems and lessons
};

CommandStates commandStates(const CommandInputs& in);

} // namespace kv
