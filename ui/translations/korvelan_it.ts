<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>TForm1</name>
    <message>
        <source>Match nul !</source>
        <translation>Patta!</translation>
    </message>
    <message>
        <source>Match nul par répétition !</source>
        <translation>Patta per ripetizione!</translation>
    </message>
    <message>
        <source>Temps dépassé, gain KORVELAN</source>
        <translation>Tempo scaduto, vince KORVELAN</translation>
    </message>
    <message>
        <source>Temps dépassé, vous gagnez</source>
        <translation>Tempo scaduto, hai vinto</translation>
    </message>
    <message>
        <source>Vous abandonnez, gain KORVELAN</source>
        <translation>Abbandoni, vince KORVELAN</translation>
    </message>
    <message>
        <source>Gain des blancs</source>
        <translation>Vince il bianco</translation>
    </message>
    <message>
        <source>Gain des noirs</source>
        <translation>Vince il nero</translation>
    </message>
    <message>
        <source>Bravo, vous avez gagné</source>
        <translation>Bravo, hai vinto</translation>
    </message>
    <message>
        <source>Désolé, KORVELAN a gagné</source>
        <translation>Spiacente, KORVELAN ha vinto</translation>
    </message>
    <message>
        <source>Placez au moins une pièce blanche.</source>
        <translation>Metti almeno un pezzo bianco.</translation>
    </message>
    <message>
        <source>Placez au moins une pièce noire.</source>
        <translation>Metti almeno un pezzo nero.</translation>
    </message>
    <message>
        <source>Un pion sur sa ligne de promotion doit être une dame.</source>
        <translation>Una pedina sulla riga di promozione deve essere una dama.</translation>
    </message>
    <message>
        <source>Le camp qui a le trait ne peut pas jouer.</source>
        <translation>Il lato che ha il tratto non può muovere.</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>File Korvelan (*.dam *.DAM)</translation>
    </message>
    <message>
        <source>parameters (*.dal *.DAL)</source>
        <translation>lezioni (*.dal *.DAL)</translation>
    </message>
</context>
<context>
    <name>kv::Damier3D</name>
    <message>
        <source>%1 (%2 x %3 au lieu de %4 x %5)</source>
        <translation>%1 (%2 x %3 invece di %4 x %5)</translation>
    </message>
    <message>
        <source> (et %1 autres)</source>
        <translation> (e altri %1)</translation>
    </message>
</context>
<context>
    <name>kv::EvaluationGraph</name>
    <message>
        <source>Évaluation (côté blanc) ; cliquez pour voir la position</source>
        <translation>Valutazione (lato bianco); clicca per vedere la posizione</translation>
    </message>
</context>
<context>
    <name>kv::TForm1</name>
    <message>
        <source>pièces</source>
        <translation>pezzi</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>pezzo</translation>
    </message>
    <message>
        <source> (blancs)</source>
        <translation> (bianchi)</translation>
    </message>
    <message>
        <source> (noirs)</source>
        <translation> (neri)</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Calcolatore nero</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Calcolatore blanco</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Bl.:Bianco:Su-&gt;Giù</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Bl.:Bianco:Giù-&gt;Su</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>Partie terminée</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Trait aux blancs</source>
        <translation>Muove il bianco</translation>
    </message>
    <message>
        <source>Trait aux noirs</source>
        <translation>Muove il nero</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Incontro</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Umano contro umano</translation>
    </message>
    <message>
        <source>Entraînement</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>Serve un numero intero di minuti, da 1 a %1.</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Computer contro computer</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Reprendre coups</source>
        <translation>Annulla mossa</translation>
    </message>
    <message>
        <source>Avancer coups</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Torna all&apos;inizio</translation>
    </message>
    <message>
        <source>Aller à la fin</source>
        <translation>Vai alla fine</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Damiera</translation>
    </message>
    <message>
        <source>Inverser damier</source>
        <translation>Inverti damiera</translation>
    </message>
    <message>
        <source>Joueurs</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Inverser les joueurs</source>
        <translation>Inverti i giocatori</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Spécial</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Numéroter les cases</source>
        <translation>Numera le caselle</translation>
    </message>
    <message>
        <source>Arrêt du calcul</source>
        <translation>Ferma il calcolo</translation>
    </message>
    <message>
        <source>Horloges à zéro</source>
        <translation>Orologi a zero</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Réflexion sur temps adverse</source>
        <translation>Riflessione sul tempo avversario</translation>
    </message>
    <message>
        <source>Arrêt réflexion par clic souris</source>
        <translation>Ferma il calcolo con un clic</translation>
    </message>
    <message>
        <source>Indication des mouvements</source>
        <translation>Indica le mosse</translation>
    </message>
    <message>
        <source>Décomposer les prises</source>
        <translation>Scomponi le prese</translation>
    </message>
    <message>
        <source>Jeu en aveugle</source>
        <translation>Gioco alla cieca</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Bip à chaque coup</source>
        <translation>Bip a ogni mossa</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Altri</translation>
    </message>
    <message>
        <source>Reculer d&apos;un coup</source>
        <translation>Indietro di una mossa</translation>
    </message>
    <message>
        <source>Avancer d&apos;un coup</source>
        <translation>Avanti di una mossa</translation>
    </message>
    <message>
        <source>Inverser le damier</source>
        <translation>Inverti la damiera</translation>
    </message>
    <message>
        <source>Coups joués</source>
        <translation>Mosse giocate</translation>
    </message>
    <message>
        <source>Arrêter le calcul</source>
        <translation>Ferma il calcolo</translation>
    </message>
    <message>
        <source>Editer meilleurs coups</source>
        <translation>Modifica mosse migliori</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Proposer nul</source>
        <translation>Proponi patta</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Presa</translation>
    </message>
    <message>
        <source>majoritaire</source>
        <translation>maggioritaria</translation>
    </message>
    <message>
        <source>obligatoire</source>
        <translation>obbligatoria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Korvelan propose le match nul</source>
        <translation>Korvelan propone la patta</translation>
    </message>
    <message>
        <source>Appuyez sur OK pour accepter</source>
        <translation>Premi OK per accettare</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Patta rifiutata</translation>
    </message>
    <message>
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>Accidenti! Non era questa la mossa che volevo.</translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Giocatore :</translation>
    </message>
    <message>
        <source>Inconnu</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Colore di Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Entrainement</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>Giocatore bianco :</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Giocatore nero :</translation>
    </message>
    <message>
        <source>30 coups en :</source>
        <translation>30 mosse in :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>KORVELAN</source>
        <translation>KORVELAN</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versione 7.00</translation>
    </message>
    <message>
        <source>Le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>La dama su 64 caselle, contro il computer o tra amici.</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>Damiera 2D</translation>
    </message>
    <message>
        <source>Korvelan réfléchit… profondeur %1</source>
        <translation>Korvelan sta pensando… profondità %1</translation>
    </message>
    <message>
        <source>Korvelan réfléchit…</source>
        <translation>Korvelan sta pensando…</translation>
    </message>
    <message>
        <source>Partie terminée : %1</source>
        <translation>Partita finita: %1</translation>
    </message>
    <message>
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, il gioco</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Immagini mancanti: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Classique</source>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Luxe</source>
        <translation>Lusso</translation>
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
        <translation>Gran lusso</translation>
    </message>
    <message>
        <source>Salvador da Bahia</source>
        <translation>Salvador da Bahia</translation>
    </message>
    <message>
        <source>Damier 2D jaune</source>
        <translation>Damiera 2D gialla</translation>
    </message>
    <message>
        <source>Nature morte à la règle du jeu</source>
        <translation>Natura morta con le regole del gioco</translation>
    </message>
    <message>
        <source>Le damier « %1 » n&apos;est pas disponible : il manque %2.</source>
        <translation>La damiera «%1» non è disponibile: manca %2.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Débuter une analyse</source>
        <translation>Inizia un&apos;analisi</translation>
    </message>
    <message>
        <source>Arrêter cette phase</source>
        <translation>Ferma questa fase</translation>
    </message>
    <message>
        <source>Terminer l&apos;analyse</source>
        <translation>Termina l&apos;analisi</translation>
    </message>
    <message>
        <source>Installer une position</source>
        <translation>Imposta una posizione</translation>
    </message>
    <message>
        <source>PLACEZ LES PIONS</source>
        <translation>METTI I PEZZI</translation>
    </message>
    <message>
        <source>Vider le damier</source>
        <translation>Svuota la damiera</translation>
    </message>
    <message>
        <source>Remplir le damier</source>
        <translation>Riempi la damiera</translation>
    </message>
    <message>
        <source>Jouer cette position</source>
        <translation>Gioca questa posizione</translation>
    </message>
    <message>
        <source>Probleme</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Ordinateur joue</source>
        <translation>Tocca al calcolatore</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Tocca al giocatore</translation>
    </message>
    <message>
        <source>0 : Néophyte</source>
        <translation>0 : Neofita</translation>
    </message>
    <message>
        <source>1 : Débutant</source>
        <translation>1 : Principiante</translation>
    </message>
    <message>
        <source>2 : Amateur</source>
        <translation>2 : Dilettante</translation>
    </message>
    <message>
        <source>3 : Promotion</source>
        <translation>3 : Promozione</translation>
    </message>
    <message>
        <source>4 : Honneur</source>
        <translation>4 : Onore</translation>
    </message>
    <message>
        <source>5 : Excellence</source>
        <translation>5 : Eccellenza</translation>
    </message>
    <message>
        <source>6 : Maître</source>
        <translation>6 : Maestro</translation>
    </message>
    <message>
        <source>7 : Grand Maître</source>
        <translation>7 : Gran Maestro</translation>
    </message>
    <message>
        <source>8 : Grand Maître International</source>
        <translation>8 : Gran Maestro Internazionale</translation>
    </message>
    <message>
        <source>1 : 30 coups en 3 mn</source>
        <translation>1: 30 mosse in 3 min</translation>
    </message>
    <message>
        <source>2 : 30 coups en 5 mn</source>
        <translation>2: 30 mosse in 5 min</translation>
    </message>
    <message>
        <source>3 : 30 coups en 10 mn</source>
        <translation>3: 30 mosse in 10 min</translation>
    </message>
    <message>
        <source>4 : 30 coups en 30 mn</source>
        <translation>4: 30 mosse in 30 min</translation>
    </message>
    <message>
        <source>5 : 30 coups en 1 h</source>
        <translation>5: 30 mosse in 1 h</translation>
    </message>
    <message>
        <source>6 : 30 coups en 2 h</source>
        <translation>6: 30 mosse in 2 h</translation>
    </message>
    <message>
        <source>7 : long, long</source>
        <translation>7: lungo, lungo</translation>
    </message>
    <message>
        <source>Leçons, exercices et problèmes</source>
        <translation>Lezioni, esercizi e problemi</translation>
    </message>
    <message>
        <source>Apprendre la position</source>
        <translation>Impara la posizione</translation>
    </message>
    <message>
        <source>Charger des leçons</source>
        <translation>Carica lezioni</translation>
    </message>
    <message>
        <source>Lancer une session</source>
        <translation>Avvia una sessione</translation>
    </message>
    <message>
        <source>Arrêter la session</source>
        <translation>Ferma la sessione</translation>
    </message>
    <message>
        <source>Revoir coup</source>
        <translation>Rivedi mossa</translation>
    </message>
    <message>
        <source>Suivant -&gt;</source>
        <translation>Successivo -&gt;</translation>
    </message>
    <message>
        <source>Apprendre ?</source>
        <translation>Imparare?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Niente da imparare: serve una partita analizzata di più di 20 mosse, con materiale quasi pari.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Impara</translation>
    </message>
</context>
<context>
    <name>kv::TForm4</name>
    <message>
        <source>Analyse</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Analyse en cours : %v / %m positions</source>
        <translation>Analisi in corso: %v / %m posizioni</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Editer analyse</source>
        <translation>Modifica analisi</translation>
    </message>
    <message>
        <source>Imprimer analyse</source>
        <translation>Stampa analisi</translation>
    </message>
    <message>
        <source>Fin analyse</source>
        <translation>Fine analisi</translation>
    </message>
    <message>
        <source>Texte (*.txt);;Tous les fichiers (*)</source>
        <translation>Testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer</source>
        <translation>Impossibile stampare</translation>
    </message>
</context>
</TS>
