<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ExchangeRefusal</name>
    <message>
        <source>le fichier ne contient pas cette partie</source>
        <translation>the file does not hold this game</translation>
    </message>
    <message>
        <source>un commentaire, une variante ou une étiquette est mal fermé</source>
        <translation>a comment, variation or tag is not properly closed</translation>
    </message>
    <message>
        <source>c&apos;est une partie d&apos;une autre variante de dames</source>
        <translation>it is a game of another draughts variant</translation>
    </message>
    <message>
        <source>la position de départ ne peut pas être lue</source>
        <translation>its starting position cannot be read</translation>
    </message>
    <message>
        <source>un coup ne peut pas être lu</source>
        <translation>a move cannot be read</translation>
    </message>
    <message>
        <source>un coup n&apos;est pas légal dans la position atteinte</source>
        <translation>a move is not legal in the position reached</translation>
    </message>
    <message>
        <source>une prise peut se lire de plusieurs façons</source>
        <translation>a capture can be read in several ways</translation>
    </message>
    <message>
        <source>Partie %1, ligne %2 : %3.</source>
        <translation>Game %1, line %2: %3.</translation>
    </message>
    <message>
        <source>Partie %1 : %2.</source>
        <translation>Game %1: %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>le fichier est trop grand pour être une liste de joueurs</source>
        <translation>the file is too large to be a list of players</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>« points.dat » n&apos;avait pas de ligne pour %1 : %2 points lui sont donnés.</source>
        <translation>“points.dat” had no line for %1: %2 points are given.</translation>
    </message>
    <message>
        <source>« points.dat », ligne %1 : « %2 » n&apos;est pas un nombre de points ; %3 points sont pris à la place.</source>
        <translation>“points.dat”, line %1: “%2” is not a number of points; %3 points are taken instead.</translation>
    </message>
    <message>
        <source>« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.</source>
        <translation>“points.dat” had lines beyond the last player, from line %1 on: they are removed.</translation>
    </message>
    <message>
        <source>« joueurs.dat » était vide : Korvelan y est remis en première ligne.</source>
        <translation>“joueurs.dat” was empty: Korvelan is put back on its first line.</translation>
    </message>
    <message>
        <source>Donnez un nom.</source>
        <translation>Enter a name.</translation>
    </message>
    <message>
        <source>Un nom tient sur une ligne : pas de retour à la ligne.</source>
        <translation>A name fits on one line: no line breaks.</translation>
    </message>
    <message>
        <source>Un nom ne peut pas contenir de tabulation ni de caractère de commande.</source>
        <translation>A name cannot contain a tab or a control character.</translation>
    </message>
    <message>
        <source>Ce nom est trop long : %1 octets au plus.</source>
        <translation>This name is too long: %1 bytes at most.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré.</source>
        <translation>This name cannot be saved.</translation>
    </message>
</context>
<context>
    <name>kv::AnalysisWindow</name>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Analyse en cours : %v / %m positions</source>
        <translation>Analysing: %v / %m positions</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Editer analyse</source>
        <translation>Edit analysis</translation>
    </message>
    <message>
        <source>Imprimer analyse</source>
        <translation>Print analysis</translation>
    </message>
    <message>
        <source>Fin analyse</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Texte (*.txt);;Tous les fichiers (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer</source>
        <translation>Cannot print</translation>
    </message>
</context>
<context>
    <name>kv::Board3DWidget</name>
    <message>
        <source>%1 (%2 x %3 au lieu de %4 x %5)</source>
        <translation>%1 (%2 x %3 instead of %4 x %5)</translation>
    </message>
    <message>
        <source> (et %1 autres)</source>
        <translation> (and %1 more)</translation>
    </message>
</context>
<context>
    <name>kv::BoardViews</name>
    <message>
        <source>Classique</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Luxe</source>
        <translation>De Luxe</translation>
    </message>
    <message>
        <source>Copacabana</source>
        <translation>Copacabana</translation>
    </message>
    <message>
        <source>Ipanema</source>
        <translation>Ipanema</translation>
    </message>
    <message>
        <source>Inferno</source>
        <translation>Inferno</translation>
    </message>
    <message>
        <source>Grand luxe</source>
        <translation>De Luxe ++</translation>
    </message>
    <message>
        <source>Salvador da Bahia</source>
        <translation>Salvador da Bahia</translation>
    </message>
    <message>
        <source>Damier 2D jaune</source>
        <translation>Yellow 2D board</translation>
    </message>
    <message>
        <source>Nature morte à la règle du jeu</source>
        <translation>Still life with rules of the game</translation>
    </message>
    <message>
        <source>Le damier « %1 » n&apos;est pas disponible : il manque %2.</source>
        <translation>The board “%1” is not available: %2 is missing.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Reprendre la dernière partie</source>
        <translation>Resume the last game</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>Korvelan, le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Korvelan, draughts on the 8 x 8 board against the computer or a friend.</translation>
    </message>
    <message>
        <source>Démarrer dans la langue CODE : %1.</source>
        <translation>Start in language CODE: %1.</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>[FICHIER]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Une partie à ouvrir : une partie Korvelan (.dam), un texte ou un PDN.</source>
        <translation>A game to open: a Korvelan game (.dam), a text game or a PDN.</translation>
    </message>
    <message>
        <source>Les options sont décrites par korvelan --help.</source>
        <translation>korvelan --help describes the options.</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » (les langues : %2)</source>
        <translation>unknown language “%1” (the languages: %2)</translation>
    </message>
    <message>
        <source>un seul fichier à la fois</source>
        <translation>one file at a time</translation>
    </message>
</context>
<context>
    <name>kv::CustomLevelPanel</name>
    <message>
        <source>30 coups en :</source>
        <translation>30 moves in :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>A whole number of minutes is expected, from 1 to %1.</translation>
    </message>
</context>
<context>
    <name>kv::DrawOfferPanel</name>
    <message>
        <source>Korvelan propose le match nul</source>
        <translation>Korvelan asks for draw</translation>
    </message>
    <message>
        <source>Appuyez sur OK pour accepter</source>
        <translation>Press OK to accept</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Draw rejected</translation>
    </message>
</context>
<context>
    <name>kv::EngineOptions</name>
    <message>
        <source>Modifier les paramètres</source>
        <translation>Change parameters</translation>
    </message>
    <message>
        <source>Sauver les paramètres</source>
        <translation>Save parameters</translation>
    </message>
    <message>
        <source>Charger des paramètres</source>
        <translation>Load parameters</translation>
    </message>
    <message>
        <source>Taille des tables de transposition</source>
        <translation>Transposition tables memory size</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>0 Mo</source>
        <translation>0 MB</translation>
    </message>
    <message>
        <source>0,7 Mo</source>
        <translation>0.7 MB</translation>
    </message>
    <message>
        <source>1,5 Mo</source>
        <translation>1.5 MB</translation>
    </message>
    <message>
        <source>3 Mo</source>
        <translation>3 MB</translation>
    </message>
    <message>
        <source>5 Mo</source>
        <translation>5 MB</translation>
    </message>
    <message>
        <source>10 Mo</source>
        <translation>10 MB</translation>
    </message>
    <message>
        <source>15 Mo</source>
        <translation>15 MB</translation>
    </message>
    <message>
        <source>25 Mo</source>
        <translation>25 MB</translation>
    </message>
    <message>
        <source>Paramètres (*.par)</source>
        <translation>Parameters (*.par)</translation>
    </message>
</context>
<context>
    <name>kv::EvaluationGraph</name>
    <message>
        <source>Évaluation (côté blanc) ; cliquez pour voir la position</source>
        <translation>Evaluation (white&apos;s side); click to see the position</translation>
    </message>
</context>
<context>
    <name>kv::GameChoiceDialog</name>
    <message>
        <source>Choisir une partie</source>
        <translation>Choose a game</translation>
    </message>
    <message>
        <source>Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?</source>
        <translation>This file holds %1 games. Which one shall be opened?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Numéro ou nom à chercher</source>
        <translation>Number or name to find</translation>
    </message>
    <message>
        <source>Seules les %1 premières parties trouvées sont montrées.</source>
        <translation>Only the first %1 games found are shown.</translation>
    </message>
</context>
<context>
    <name>kv::GameController</name>
    <message>
        <source>Match nul !</source>
        <translation>Draw!</translation>
    </message>
    <message>
        <source>Match nul par répétition !</source>
        <translation>Draw by repetition!</translation>
    </message>
    <message>
        <source>Temps dépassé, gain KORVELAN</source>
        <translation>Time exceeded, KORVELAN wins</translation>
    </message>
    <message>
        <source>Temps dépassé, vous gagnez</source>
        <translation>Time exceeded, you win</translation>
    </message>
    <message>
        <source>Vous abandonnez, gain KORVELAN</source>
        <translation>You resign, KORVELAN wins</translation>
    </message>
    <message>
        <source>Gain des blancs</source>
        <translation>White wins</translation>
    </message>
    <message>
        <source>Gain des noirs</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <source>Bravo, vous avez gagné</source>
        <translation>Well done, you have won</translation>
    </message>
    <message>
        <source>Désolé, KORVELAN a gagné</source>
        <translation>Sorry, KORVELAN has won</translation>
    </message>
    <message>
        <source> gagne</source>
        <translation> wins</translation>
    </message>
    <message>
        <source>Placez au moins une pièce blanche.</source>
        <translation>Place at least one white piece.</translation>
    </message>
    <message>
        <source>Placez au moins une pièce noire.</source>
        <translation>Place at least one black piece.</translation>
    </message>
    <message>
        <source>Un pion sur sa ligne de promotion doit être une dame.</source>
        <translation>A man on its crowning row must be a king.</translation>
    </message>
    <message>
        <source>Le camp qui a le trait ne peut pas jouer.</source>
        <translation>The side to move cannot play.</translation>
    </message>
</context>
<context>
    <name>kv::GameEndPanel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>New game</translation>
    </message>
</context>
<context>
    <name>kv::GameExchange</name>
    <message>
        <source>Créer un fichier texte</source>
        <translation>Make *.txt file</translation>
    </message>
    <message>
        <source>Ouvrir un fichier texte</source>
        <translation>Open a *txt/doc file</translation>
    </message>
    <message>
        <source>Copier la partie (PDN)</source>
        <translation>Copy game (PDN)</translation>
    </message>
    <message>
        <source>Copier la position (FEN)</source>
        <translation>Copy position (FEN)</translation>
    </message>
    <message>
        <source>Coller une partie ou une position</source>
        <translation>Paste game or position</translation>
    </message>
    <message>
        <source>Editer l&apos;image (fichier Bitmap)</source>
        <translation>Edit picture (Bitmap file)</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)</source>
        <translation>Text files (*.txt);;Comment files (*.damt);;PDN games (*.pdn)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Partie écrite dans %1</source>
        <translation>Game written to %1</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)</source>
        <translation>Text files (*.txt);;Documents (*.doc);;PDN games (*.pdn);;All files (*)</translation>
    </message>
    <message>
        <source>Seul le début du fichier a été lu.</source>
        <translation>Only the beginning of the file was read.</translation>
    </message>
    <message>
        <source>Ce texte ne contient aucune partie</source>
        <translation>This text holds no game</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.</source>
        <translation>The file does not say which game is played: it is read under our rules.</translation>
    </message>
    <message>
        <source>Demi-coups illisibles ou illégaux ignorés : %1</source>
        <translation>Unreadable or illegal half-moves skipped: %1</translation>
    </message>
    <message>
        <source>La partie est coupée au coup %1 : le record est plein.</source>
        <translation>The game is cut at ply %1: the record is full.</translation>
    </message>
    <message>
        <source>Partie copiée (PDN)</source>
        <translation>Game copied (PDN)</translation>
    </message>
    <message>
        <source>Position copiée (FEN)</source>
        <translation>Position copied (FEN)</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient ni partie ni position</source>
        <translation>The clipboard holds neither a game nor a position</translation>
    </message>
    <message>
        <source>Cette position n&apos;est pas valable : %1</source>
        <translation>This position is not valid: %1</translation>
    </message>
    <message>
        <source>Image écrite dans %1</source>
        <translation>Picture written to %1</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée sur cet ordinateur.
La partie peut être imprimée dans un fichier PDF.</source>
        <translation>No printer is installed on this computer.
The game can be printed to a PDF file.</translation>
    </message>
    <message>
        <source>Fichier PDF...</source>
        <translation>PDF file...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Image Bitmap (*.bmp);;Image PNG (*.png)</source>
        <translation>Bitmap picture (*.bmp);;PNG picture (*.png)</translation>
    </message>
</context>
<context>
    <name>kv::GameFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une partie Korvelan, ou elle est endommagée (%1).</source>
        <translation>This is not a Korvelan game, or it is damaged (%1).</translation>
    </message>
    <message>
        <source>Sauver la partie</source>
        <translation>Save the game</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam)</source>
        <translation>Korvelan files (*.dam)</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Open a game</translation>
    </message>
</context>
<context>
    <name>kv::HelpMenu</name>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Korvelan 3D Analyse</source>
        <translation>Korvelan 3D Analyse</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Version 7.00</translation>
    </message>
    <message>
        <source>Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, les pions ne prennent qu&apos;en avant.

Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques d&apos;ouvertures, tables de finales et positions apprises.

Écrit par l&apos;équipe Korvelan.</source>
        <translation>Draughts on 64 squares: compulsory capture of the most pieces, flying kings, men capture forwards only.

An alpha-beta search engine with a transposition table, opening libraries, endgame tables and learned positions.

Written by the Korvelan team.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kv::HelpWindow</name>
    <message>
        <source>Aide de Korvelan</source>
        <translation>Korvelan help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aide introuvable</source>
        <translation>Help not found</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>0 : Néophyte</source>
        <translation>0 : Novice</translation>
    </message>
    <message>
        <source>1 : Débutant</source>
        <translation>1 : Beginner</translation>
    </message>
    <message>
        <source>2 : Amateur</source>
        <translation>2 : Amateur</translation>
    </message>
    <message>
        <source>3 : Promotion</source>
        <translation>3 : Promotion</translation>
    </message>
    <message>
        <source>4 : Honneur</source>
        <translation>4 : Honour</translation>
    </message>
    <message>
        <source>5 : Excellence</source>
        <translation>5 : Excellence</translation>
    </message>
    <message>
        <source>6 : Maître</source>
        <translation>6 : Master</translation>
    </message>
    <message>
        <source>7 : Grand Maître</source>
        <translation>7 : Grand Master</translation>
    </message>
    <message>
        <source>8 : Grand Maître International</source>
        <translation>8 : International Grand Master</translation>
    </message>
    <message>
        <source>1 : 30 coups en 3 mn</source>
        <translation>1: 30 moves in 3 mn</translation>
    </message>
    <message>
        <source>2 : 30 coups en 5 mn</source>
        <translation>2: 30 moves in 5 mn</translation>
    </message>
    <message>
        <source>3 : 30 coups en 10 mn</source>
        <translation>3: 30 moves in 10 mn</translation>
    </message>
    <message>
        <source>4 : 30 coups en 30 mn</source>
        <translation>4: 30 moves in 30 mn</translation>
    </message>
    <message>
        <source>5 : 30 coups en 1 h</source>
        <translation>5: 30 moves in 1 h</translation>
    </message>
    <message>
        <source>6 : 30 coups en 2 h</source>
        <translation>6: 30 moves in 2 h</translation>
    </message>
    <message>
        <source>7 : long, long</source>
        <translation>7: long, long</translation>
    </message>
    <message>
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, the game</translation>
    </message>
    <message>
        <source>Coups écrits dans %1</source>
        <translation>Moves written to %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>2D board</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Human against human</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Computer against computer</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Reprendre coups</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Avancer coups</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Back to beginning</translation>
    </message>
    <message>
        <source>Aller à la fin</source>
        <translation>Forward to last move</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Inverser damier</source>
        <translation>Invert board</translation>
    </message>
    <message>
        <source>Joueurs</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Inverser les joueurs</source>
        <translation>Invert players</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Spécial</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Numéroter les cases</source>
        <translation>Number squares</translation>
    </message>
    <message>
        <source>Arrêt du calcul</source>
        <translation>Stop computing</translation>
    </message>
    <message>
        <source>Horloges à zéro</source>
        <translation>Clocks -&gt; 0</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Réflexion sur temps adverse</source>
        <translation>Computing when you think</translation>
    </message>
    <message>
        <source>Arrêt réflexion par clic souris</source>
        <translation>Stop computing by a mouse click</translation>
    </message>
    <message>
        <source>Indication des mouvements</source>
        <translation>Indicate moves</translation>
    </message>
    <message>
        <source>Décomposer les prises</source>
        <translation>Decompose captures</translation>
    </message>
    <message>
        <source>Jeu en aveugle</source>
        <translation>Blind play</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Bip à chaque coup</source>
        <translation>Bip when computer moves</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Other ones</translation>
    </message>
    <message>
        <source>Entraînement</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Reculer d&apos;un coup</source>
        <translation>One move back</translation>
    </message>
    <message>
        <source>Avancer d&apos;un coup</source>
        <translation>One move forward</translation>
    </message>
    <message>
        <source>Inverser le damier</source>
        <translation>Turn the board round</translation>
    </message>
    <message>
        <source>Coups joués</source>
        <translation>List of moves</translation>
    </message>
    <message>
        <source>Arrêter le calcul</source>
        <translation>Stop computing</translation>
    </message>
    <message>
        <source>Editer meilleurs coups</source>
        <translation>Edit best moves</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Proposer nul</source>
        <translation>Offer draw</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>You</translation>
    </message>
    <message>
        <source>majoritaire</source>
        <translation>must take</translation>
    </message>
    <message>
        <source>obligatoire</source>
        <translation>max pieces</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>Hell ! That&apos;s not that I wanted to play.</translation>
    </message>
    <message>
        <source>KORVELAN</source>
        <translation>KORVELAN</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Version 7.00</translation>
    </message>
    <message>
        <source>Le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Draughts on 64 squares, against the computer or with friends.</translation>
    </message>
    <message>
        <source>Programme, moteur de jeu, tables de finales et images : l&apos;équipe Korvelan.</source>
        <translation>Program, playing engine, endgame tables and pictures: the Korvelan team.</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Missing pictures: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> (blancs)</source>
        <translation> (white)</translation>
    </message>
    <message>
        <source> (noirs)</source>
        <translation> (black)</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computer black</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computer white</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>White:Up-&gt;Down</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>White:Down-&gt;Up</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Moves: %1</translation>
    </message>
    <message>
        <source>Partie terminée</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Trait aux blancs</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>Trait aux noirs</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Profondeur</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Nodes</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Noeuds/s</source>
        <translation>Nodes/s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Coups</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Le fichier a été mis de côté sous le nom %1.</source>
        <translation>The file was kept aside as %1.</translation>
    </message>
    <message>
        <source>Abandonner la partie ?</source>
        <translation>Resign this game?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous quittez maintenant, il s&apos;arrête sans être classé. Quitter quand même ?</source>
        <translation>A rated match is being played: if you quit now, it ends unrated. Quit anyway?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous fermez la fenêtre, il s&apos;arrête sans être classé. Fermer quand même ?</source>
        <translation>A rated match is being played: if you close the window, it ends unrated. Close anyway?</translation>
    </message>
    <message>
        <source>Korvelan</source>
        <translation>Korvelan</translation>
    </message>
    <message>
        <source>Un match classé est en cours : une nouvelle partie l&apos;arrêtera sans qu&apos;il soit classé. Continuer ?</source>
        <translation>A rated match is being played: a new game will end it unrated. Go on?</translation>
    </message>
    <message>
        <source>Notation alphabétique</source>
        <translation>Alphabetical notation</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>piece</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Coup unique joué d&apos;un clic</source>
        <translation>Play a single move with one click</translation>
    </message>
    <message>
        <source>Conseil : les damiers demandent une fenêtre d&apos;au moins 800 x 580 points ; l&apos;aide (menu Aide) explique les règles et chaque menu.</source>
        <translation>Advice: the boards need a window of at least 800 x 580 points; the help (Help menu) explains the rules and every menu.</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>pieces</translation>
    </message>
</context>
<context>
    <name>kv::NewGamePanel</name>
    <message>
        <source>Joueur :</source>
        <translation>Player :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Color for Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Entrainement</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>White player :</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Black player :</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Human against human</translation>
    </message>
</context>
<context>
    <name>kv::OpeningEditor</name>
    <message>
        <source>Ouvertures (Blancs)</source>
        <translation>Opening (White)</translation>
    </message>
    <message>
        <source>Ouvertures (Noirs)</source>
        <translation>Opening (Blacks)</translation>
    </message>
    <message>
        <source>Nouvelle_Ouverture</source>
        <translation>New_Opening</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ajouter l&apos;ouverture ci-dessus dans la liste ci-dessous</source>
        <translation>Add the opening above to the list below</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Effacer l&apos;ouverture ci-dessus (et la même dessous)</source>
        <translation>Delete the opening above (and the same one below)</translation>
    </message>
    <message>
        <source>Construire et enregistrer</source>
        <translation>Build and save</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Openings library for white</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Openings library for black</translation>
    </message>
</context>
<context>
    <name>kv::OpeningMenu</name>
    <message>
        <source>Paramétrage</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Bibliothèques actives</source>
        <translation>Active libraries</translation>
    </message>
    <message>
        <source>Changer bibliothèque ouverture</source>
        <translation>Change openings library</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Openings library for white</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Openings library for black</translation>
    </message>
    <message>
        <source>Fichiers d&apos;ouvertures (*.ovv)</source>
        <translation>Opening files (*.ovv)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Les ouvertures ne sont pas disponibles, l&apos;ordinateur calculera tous ses coups.</source>
        <translation>The opening libraries are not available; the computer will calculate all its moves.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la bibliothèque</source>
        <translation>Cannot store the library</translation>
    </message>
</context>
<context>
    <name>kv::ParameterEditor</name>
    <message>
        <source>Début par défaut</source>
        <translation>Opening (default)</translation>
    </message>
    <message>
        <source>Milieu par défaut</source>
        <translation>Middle game (default)</translation>
    </message>
    <message>
        <source>Préfinale par défaut</source>
        <translation>Late middle game (default)</translation>
    </message>
    <message>
        <source>Finale par défaut</source>
        <translation>Endgame (default)</translation>
    </message>
    <message>
        <source>Début variante type 1 : </source>
        <translation>Opening, variant type 1: </translation>
    </message>
    <message>
        <source>Milieu variante type 1 : </source>
        <translation>Middle game, variant type 1: </translation>
    </message>
    <message>
        <source>Début variante type 2 : </source>
        <translation>Opening, variant type 2: </translation>
    </message>
    <message>
        <source>Milieu variante type 2 : </source>
        <translation>Middle game, variant type 2: </translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Toutes les valeurs des tableaux sont en 1/200e de pion</source>
        <translation>Every value of the tables is in 1/200 of a man</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Temps d&apos;avance =</source>
        <translation>Tempo =</translation>
    </message>
    <message>
        <source>/200 de pion</source>
        <translation>/200 of a man</translation>
    </message>
    <message>
        <source>Début de partie : + de</source>
        <translation>Opening: more than</translation>
    </message>
    <message>
        <source>Milieu de partie : + de</source>
        <translation>Middle game: more than</translation>
    </message>
    <message>
        <source>Préfinale : + de</source>
        <translation>Late middle game: more than</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>pieces</translation>
    </message>
    <message>
        <source>Finale : (le reste)</source>
        <translation>Endgame: (the rest)</translation>
    </message>
    <message>
        <source>cases possiblement blanches</source>
        <translation>squares possibly white</translation>
    </message>
    <message>
        <source>cases possiblement noires</source>
        <translation>squares possibly black</translation>
    </message>
    <message>
        <source>Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variant type 1 when 8 of the 14 conditions below hold:</translation>
    </message>
    <message>
        <source>Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variant type 2 when 8 of the 14 conditions below hold:</translation>
    </message>
    <message>
        <source>Un nombre entier de %1 à %2</source>
        <translation>A whole number from %1 to %2</translation>
    </message>
    <message>
        <source>« %1 » refusé : %2.</source>
        <translation>“%1” refused: %2.</translation>
    </message>
</context>
<context>
    <name>kv::PlayStatusLine</name>
    <message>
        <source>Korvelan réfléchit… profondeur %1</source>
        <translation>Korvelan is thinking… depth %1</translation>
    </message>
    <message>
        <source>Korvelan réfléchit…</source>
        <translation>Korvelan is thinking…</translation>
    </message>
    <message>
        <source>Partie terminée : %1</source>
        <translation>Game over: %1</translation>
    </message>
    <message>
        <source>Horloges en pause</source>
        <translation>Clocks paused</translation>
    </message>
</context>
<context>
    <name>kv::PlayerNames</name>
    <message>
        <source>Inconnu</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>kv::PlayersPanel</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Le registre réparé n&apos;a pas pu être enregistré : %1</source>
        <translation>The repaired register could not be saved: %1</translation>
    </message>
    <message>
        <source>Le registre des joueurs a été réparé :</source>
        <translation>The register of players has been repaired:</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le joueur</source>
        <translation>Cannot save the player</translation>
    </message>
    <message>
        <source>La liste des joueurs a changé : choisissez à nouveau le joueur à effacer.</source>
        <translation>The list of players has changed: choose the player to delete again.</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer le joueur</source>
        <translation>Cannot delete the player</translation>
    </message>
    <message>
        <source> passe de %1 à %2</source>
        <translation> goes from %1 to %2</translation>
    </message>
    <message>
        <source>Les nouveaux points n&apos;ont pas pu être enregistrés : %1</source>
        <translation>The new points could not be saved: %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas inscrit : ses points ne sont pas gardés (Joueurs &gt; Nouveau joueur).</source>
        <translation>%1 is not registered: their points are not kept (Players &gt; New player).</translation>
    </message>
    <message>
        <source>%1 n&apos;est plus dans la liste des joueurs : ses points ne sont pas enregistrés.</source>
        <translation>%1 is no longer in the list of players: their points are not saved.</translation>
    </message>
    <message>
        <source>L&apos;historique des parties ne peut pas être lu : %1.</source>
        <translation>The history of games cannot be read: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) de l&apos;historique sont ignorées.</source>
        <translation>
            <numerusform>%n unreadable line of the history is ignored.</numerusform>
            <numerusform>%n unreadable lines of the history are ignored.</numerusform>
        </translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Player :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Color for Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Ramener Korvelan à 2050</source>
        <translation>Korvelan back to 2050</translation>
    </message>
    <message>
        <source>Match </source>
        <translation>Match </translation>
    </message>
    <message>
        <source>Nom du joueur :</source>
        <translation>Player&apos;s name :</translation>
    </message>
    <message>
        <source>Capital points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>1600 (l&apos;ordinateur vous laisse le double de son temps)</source>
        <translation>1600 (Computer gives you double of its time)</translation>
    </message>
    <message>
        <source>1700 (l&apos;ordinateur vous laisse voir sa réflexion)</source>
        <translation>1700 (You can see computer thinking)</translation>
    </message>
    <message>
        <source>1800 (l&apos;ordinateur ne vous fait pas de cadeau)</source>
        <translation>1800 (Computer gives you no advantage)</translation>
    </message>
    <message>
        <source>Joueur à effacer :</source>
        <translation>Player to delete :</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>White:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Black:</translation>
    </message>
    <message>
        <source>Nouveau joueur</source>
        <translation>New player</translation>
    </message>
    <message>
        <source>Effacer un joueur</source>
        <translation>Delete a player</translation>
    </message>
    <message>
        <source>Changer les noms</source>
        <translation>Change names</translation>
    </message>
    <message>
        <source>Liste des joueurs</source>
        <translation>List of players</translation>
    </message>
</context>
<context>
    <name>kv::PlayersWindow</name>
    <message>
        <source>Joueurs</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Nulles</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Choisissez un joueur pour voir ses parties classées.</source>
        <translation>Choose a player to see their rated games.</translation>
    </message>
    <message>
        <source>Nulle</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Gagnée</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Perdue</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Parties classées de %1 :</source>
        <translation>Rated games of %1:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas encore joué de partie classée.</source>
        <translation>%1 has not played a rated game yet.</translation>
    </message>
</context>
<context>
    <name>kv::Printout</name>
    <message>
        <source>Position finale</source>
        <translation>Final position</translation>
    </message>
    <message>
        <source>Autre : 30 coups en %1 mn</source>
        <translation>Other: 30 moves in %1 mn</translation>
    </message>
    <message>
        <source>partie en cours</source>
        <translation>game in progress</translation>
    </message>
    <message>
        <source>Résultat : %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Niveau : %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Position au coup %1</source>
        <translation>Position at move %1</translation>
    </message>
</context>
<context>
    <name>kv::TrainingPanel</name>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>Korvelan files (*.dam *.DAM)</translation>
    </message>
    <message>
        <source>Leçons, exercices et problèmes</source>
        <translation>Lessons, exercises and problems</translation>
    </message>
    <message>
        <source>Apprendre la position</source>
        <translation>Learn the position</translation>
    </message>
    <message>
        <source>Charger des leçons</source>
        <translation>Load lessons</translation>
    </message>
    <message>
        <source>Lancer une session</source>
        <translation>Start a session</translation>
    </message>
    <message>
        <source>Arrêter la session</source>
        <translation>Stop the session</translation>
    </message>
    <message>
        <source>Revoir coup</source>
        <translation>Same pos.</translation>
    </message>
    <message>
        <source>Suivant -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
    <message>
        <source>Apprendre ?</source>
        <translation>Learn ?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Cannot open this file</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Nothing to learn: an analysed game of more than 20 moves with nearly equal material is needed.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Learn</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Débuter une analyse</source>
        <translation>Begin analysis</translation>
    </message>
    <message>
        <source>Arrêter cette phase</source>
        <translation>Stop this stage</translation>
    </message>
    <message>
        <source>Terminer l&apos;analyse</source>
        <translation>Stop analysis</translation>
    </message>
    <message>
        <source>Installer une position</source>
        <translation>Install a position</translation>
    </message>
    <message>
        <source>PLACEZ LES PIONS</source>
        <translation>PLACE THE PIECES</translation>
    </message>
    <message>
        <source>Vider le damier</source>
        <translation>Clear board</translation>
    </message>
    <message>
        <source>Remplir le damier</source>
        <translation>Fill board</translation>
    </message>
    <message>
        <source>Jouer cette position</source>
        <translation>Play this position</translation>
    </message>
    <message>
        <source>Ordinateur joue</source>
        <translation>Computer&apos;s turn</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Player&apos;s turn</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computer black</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computer white</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>White:Up-&gt;Down</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>White:Down-&gt;Up</translation>
    </message>
    <message>
        <source>Eval stat blancs:%1</source>
        <translation>Static eval white:%1</translation>
    </message>
    <message>
        <source>Eval stat noirs:%1</source>
        <translation>Static eval black:%1</translation>
    </message>
    <message>
        <source>Korvelan retient la position finale de la partie et le score que l&apos;analyse lui donne : il en tiendra compte dans ses prochaines recherches. La leçon est enregistrée dans un fichier.</source>
        <translation>Korvelan remembers the final position of the game with the score the analysis gives it, and takes it into account in its next searches. The lesson is saved in a file.</translation>
    </message>
    <message>
        <source>À vous de jouer : trouvez le premier coup.</source>
        <translation>Your move: find the first move.</translation>
    </message>
    <message>
        <source>Bon premier coup ! Continuez jusqu&apos;au but.</source>
        <translation>Good first move! Play on to the goal.</translation>
    </message>
    <message>
        <source>Problème résolu ! Solution : %1</source>
        <translation>Problem solved! Solution: %1</translation>
    </message>
    <message>
        <source>Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)</source>
        <translation>Problem missed. Solution: %1 (“Same pos.” to try again)</translation>
    </message>
    <message>
        <source>Éditeur</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Leçons (*.dal *.DAL)</source>
        <translation>Lessons (*.dal *.DAL)</translation>
    </message>
</context>
</TS>
