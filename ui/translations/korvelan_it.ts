<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>ExchangeRefusal</name>
    <message>
        <source>le fichier ne contient pas cette partie</source>
        <translation>il file non contiene questa partita</translation>
    </message>
    <message>
        <source>un commentaire, une variante ou une étiquette est mal fermé</source>
        <translation>un commento, una variante o un&apos;etichetta non è chiuso bene</translation>
    </message>
    <message>
        <source>c&apos;est une partie d&apos;une autre variante de dames</source>
        <translation>è una partita di un&apos;altra variante di dama</translation>
    </message>
    <message>
        <source>la position de départ ne peut pas être lue</source>
        <translation>la posizione iniziale non può essere letta</translation>
    </message>
    <message>
        <source>un coup ne peut pas être lu</source>
        <translation>una mossa non può essere letta</translation>
    </message>
    <message>
        <source>un coup n&apos;est pas légal dans la position atteinte</source>
        <translation>una mossa non è legale nella posizione raggiunta</translation>
    </message>
    <message>
        <source>une prise peut se lire de plusieurs façons</source>
        <translation>una presa si può leggere in più modi</translation>
    </message>
    <message>
        <source>Partie %1, ligne %2 : %3.</source>
        <translation>Partita %1, riga %2: %3.</translation>
    </message>
    <message>
        <source>Partie %1 : %2.</source>
        <translation>Partita %1: %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>le fichier est trop grand pour être une liste de joueurs</source>
        <translation>il file è troppo grande per essere un elenco di giocatori</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>« points.dat » n&apos;avait pas de ligne pour %1 : %2 points lui sont donnés.</source>
        <translation>«points.dat» non aveva una riga per %1: gli sono dati %2 punti.</translation>
    </message>
    <message>
        <source>« points.dat », ligne %1 : « %2 » n&apos;est pas un nombre de points ; %3 points sont pris à la place.</source>
        <translation>«points.dat», riga %1: «%2» non è un numero di punti; si prendono %3 punti.</translation>
    </message>
    <message>
        <source>« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.</source>
        <translation>«points.dat» aveva righe oltre l&apos;ultimo giocatore, dalla riga %1: sono tolte.</translation>
    </message>
    <message>
        <source>« joueurs.dat » était vide : Korvelan y est remis en première ligne.</source>
        <translation>«joueurs.dat» era vuoto: Korvelan torna alla prima riga.</translation>
    </message>
    <message>
        <source>Donnez un nom.</source>
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <source>Un nom tient sur une ligne : pas de retour à la ligne.</source>
        <translation>Un nome sta su una riga: niente a capo.</translation>
    </message>
    <message>
        <source>Un nom ne peut pas contenir de tabulation ni de caractère de commande.</source>
        <translation>Un nome non può contenere tabulazioni né caratteri di controllo.</translation>
    </message>
    <message>
        <source>Ce nom est trop long : %1 octets au plus.</source>
        <translation>Questo nome è troppo lungo: al massimo %1 byte.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré.</source>
        <translation>Questo nome non può essere salvato.</translation>
    </message>
</context>
<context>
    <name>kv::AnalysisWindow</name>
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
<context>
    <name>kv::Board3DWidget</name>
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
    <name>kv::BoardViews</name>
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
        <source>Reprendre la dernière partie</source>
        <translation>Riprendi l&apos;ultima partita</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>Korvelan, le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Korvelan, dama sulla scacchiera 8 x 8 contro il computer o un amico.</translation>
    </message>
    <message>
        <source>Démarrer dans la langue CODE : %1.</source>
        <translation>Avviare nella lingua CODE: %1.</translation>
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
        <translation>Una partita da aprire: una partita Korvelan (.dam), un testo o un PDN.</translation>
    </message>
    <message>
        <source>Les options sont décrites par korvelan --help.</source>
        <translation>korvelan --help descrive le opzioni.</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » (les langues : %2)</source>
        <translation>lingua sconosciuta «%1» (le lingue: %2)</translation>
    </message>
    <message>
        <source>un seul fichier à la fois</source>
        <translation>un solo file alla volta</translation>
    </message>
</context>
<context>
    <name>kv::CustomLevelPanel</name>
    <message>
        <source>30 coups en :</source>
        <translation>30 mosse in :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>Serve un numero intero di minuti, da 1 a %1.</translation>
    </message>
</context>
<context>
    <name>kv::DrawOfferPanel</name>
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
</context>
<context>
    <name>kv::EngineOptions</name>
    <message>
        <source>Modifier les paramètres</source>
        <translation>Modifica i parametri</translation>
    </message>
    <message>
        <source>Sauver les paramètres</source>
        <translation>Salva i parametri</translation>
    </message>
    <message>
        <source>Charger des paramètres</source>
        <translation>Carica parametri</translation>
    </message>
    <message>
        <source>Taille des tables de transposition</source>
        <translation>Dimensione delle tabelle di trasposizione</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>0 Mo</source>
        <translation>0 MB</translation>
    </message>
    <message>
        <source>0,7 Mo</source>
        <translation>0,7 MB</translation>
    </message>
    <message>
        <source>1,5 Mo</source>
        <translation>1,5 MB</translation>
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
        <translation>Parametri (*.par)</translation>
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
    <name>kv::GameChoiceDialog</name>
    <message>
        <source>Choisir une partie</source>
        <translation>Scegli una partita</translation>
    </message>
    <message>
        <source>Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?</source>
        <translation>Questo file contiene %1 partite. Quale bisogna aprire?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Numéro ou nom à chercher</source>
        <translation>Numero o nome da cercare</translation>
    </message>
    <message>
        <source>Seules les %1 premières parties trouvées sont montrées.</source>
        <translation>Sono mostrate solo le prime %1 partite trovate.</translation>
    </message>
</context>
<context>
    <name>kv::GameController</name>
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
        <source> gagne</source>
        <translation> vince</translation>
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
</context>
<context>
    <name>kv::GameEndPanel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>Nuova partita</translation>
    </message>
</context>
<context>
    <name>kv::GameExchange</name>
    <message>
        <source>Créer un fichier texte</source>
        <translation>Crea file di testo</translation>
    </message>
    <message>
        <source>Ouvrir un fichier texte</source>
        <translation>Apri file di testo</translation>
    </message>
    <message>
        <source>Copier la partie (PDN)</source>
        <translation>Copia partita (PDN)</translation>
    </message>
    <message>
        <source>Copier la position (FEN)</source>
        <translation>Copia posizione (FEN)</translation>
    </message>
    <message>
        <source>Coller une partie ou une position</source>
        <translation>Incolla partita o posizione</translation>
    </message>
    <message>
        <source>Editer l&apos;image (fichier Bitmap)</source>
        <translation>Modifica immagine (file Bitmap)</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)</source>
        <translation>File di testo (*.txt);;File di commento (*.damt);;Partite PDN (*.pdn)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Partie écrite dans %1</source>
        <translation>Partita scritta in %1</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)</source>
        <translation>File di testo (*.txt);;Documenti (*.doc);;Partite PDN (*.pdn);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Seul le début du fichier a été lu.</source>
        <translation>È stato letto solo l&apos;inizio del file.</translation>
    </message>
    <message>
        <source>Ce texte ne contient aucune partie</source>
        <translation>Questo testo non contiene alcuna partita</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.</source>
        <translation>Il file non dice a quale gioco si gioca: la partita è letta con le nostre regole.</translation>
    </message>
    <message>
        <source>Demi-coups illisibles ou illégaux ignorés : %1</source>
        <translation>Semimosse illeggibili o illegali ignorate: %1</translation>
    </message>
    <message>
        <source>La partie est coupée au coup %1 : le record est plein.</source>
        <translation>La partita è tagliata alla semimossa %1: il registro è pieno.</translation>
    </message>
    <message>
        <source>Partie copiée (PDN)</source>
        <translation>Partita copiata (PDN)</translation>
    </message>
    <message>
        <source>Position copiée (FEN)</source>
        <translation>Posizione copiata (FEN)</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient ni partie ni position</source>
        <translation>Gli appunti non contengono né partita né posizione</translation>
    </message>
    <message>
        <source>Cette position n&apos;est pas valable : %1</source>
        <translation>Questa posizione non è valida: %1</translation>
    </message>
    <message>
        <source>Image écrite dans %1</source>
        <translation>Immagine scritta in %1</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée sur cet ordinateur.
La partie peut être imprimée dans un fichier PDF.</source>
        <translation>Nessuna stampante è installata su questo computer.
La partita può essere stampata in un file PDF.</translation>
    </message>
    <message>
        <source>Fichier PDF...</source>
        <translation>File PDF...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF</source>
        <translation>Stampa su un file PDF</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Image Bitmap (*.bmp);;Image PNG (*.png)</source>
        <translation>Immagine Bitmap (*.bmp);;Immagine PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>kv::GameFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une partie Korvelan, ou elle est endommagée (%1).</source>
        <translation>Non è una partita Korvelan, oppure è danneggiata (%1).</translation>
    </message>
    <message>
        <source>Sauver la partie</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam)</source>
        <translation>File Korvelan (*.dam)</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Apri una partita</translation>
    </message>
</context>
<context>
    <name>kv::HelpMenu</name>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentazione</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Korvelan 3D Analyse</source>
        <translation>Korvelan 3D Analyse</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versione 7.00</translation>
    </message>
    <message>
        <source>Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, les pions ne prennent qu&apos;en avant.

Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques d&apos;ouvertures, tables de finales et positions apprises.

Écrit par l&apos;équipe Korvelan.</source>
        <translation>Dama su 64 caselle: presa obbligatoria della maggioranza, dame volanti, le pedine prendono solo in avanti.

Un motore di ricerca alfa-beta con tabella di trasposizione, librerie di aperture, tabelle dei finali e posizioni apprese.

Scritto dal gruppo Korvelan.</translation>
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
        <translation>Guida di Korvelan</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Aide introuvable</source>
        <translation>Guida non trovata</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
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
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, il gioco</translation>
    </message>
    <message>
        <source>Coups écrits dans %1</source>
        <translation>Mosse scritte in %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>Damiera 2D</translation>
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
        <source>Humain contre humain</source>
        <translation>Umano contro umano</translation>
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
        <source>Ouvrir</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Salva con nome...</translation>
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
        <source>Entraînement</source>
        <translation>Allenamento</translation>
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
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>Accidenti! Non era questa la mossa che volevo.</translation>
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
        <source>Programme, moteur de jeu, tables de finales et images : l&apos;équipe Korvelan.</source>
        <translation>Programma, motore di gioco, tabelle dei finali e immagini: il gruppo Korvelan.</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Immagini mancanti: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
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
        <translation>Bianco:Su-&gt;Giù</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Bianco:Giù-&gt;Su</translation>
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
        <source>Profondeur</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Nodi</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Noeuds/s</source>
        <translation>Nodi/s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Coups</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Le fichier a été mis de côté sous le nom %1.</source>
        <translation>Il file è stato messo da parte con il nome %1.</translation>
    </message>
    <message>
        <source>Abandonner la partie ?</source>
        <translation>Abbandonare la partita?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous quittez maintenant, il s&apos;arrête sans être classé. Quitter quand même ?</source>
        <translation>È in corso una partita valida per la classifica: se esce ora, finisce senza essere valutata. Uscire comunque?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous fermez la fenêtre, il s&apos;arrête sans être classé. Fermer quand même ?</source>
        <translation>È in corso una partita valida per la classifica: se chiude la finestra, finisce senza essere valutata. Chiudere comunque?</translation>
    </message>
    <message>
        <source>Korvelan</source>
        <translation>Korvelan</translation>
    </message>
    <message>
        <source>Un match classé est en cours : une nouvelle partie l&apos;arrêtera sans qu&apos;il soit classé. Continuer ?</source>
        <translation>È in corso una partita valida per la classifica: una nuova partita la farà finire senza essere valutata. Continuare?</translation>
    </message>
    <message>
        <source>Notation alphabétique</source>
        <translation>Notazione alfabetica</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>pezzo</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>Coup unique joué d&apos;un clic</source>
        <translation>Mossa unica giocata con un clic</translation>
    </message>
    <message>
        <source>Conseil : les damiers demandent une fenêtre d&apos;au moins 800 x 580 points ; l&apos;aide (menu Aide) explique les règles et chaque menu.</source>
        <translation>Consiglio: le damiere richiedono una finestra di almeno 800 x 580 punti; la guida (menu Aiuto) spiega le regole e ogni menu.</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>pezzi</translation>
    </message>
</context>
<context>
    <name>kv::NewGamePanel</name>
    <message>
        <source>Joueur :</source>
        <translation>Giocatore :</translation>
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
        <source>Humain contre humain</source>
        <translation>Umano contro umano</translation>
    </message>
</context>
<context>
    <name>kv::OpeningEditor</name>
    <message>
        <source>Ouvertures (Blancs)</source>
        <translation>Aperture (Bianco)</translation>
    </message>
    <message>
        <source>Ouvertures (Noirs)</source>
        <translation>Aperture (Nero)</translation>
    </message>
    <message>
        <source>Nouvelle_Ouverture</source>
        <translation>Nuova_Apertura</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Ajouter l&apos;ouverture ci-dessus dans la liste ci-dessous</source>
        <translation>Aggiungi l&apos;apertura qui sopra alla lista qui sotto</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Effacer l&apos;ouverture ci-dessus (et la même dessous)</source>
        <translation>Cancella l&apos;apertura qui sopra (e la stessa qui sotto)</translation>
    </message>
    <message>
        <source>Construire et enregistrer</source>
        <translation>Costruisci e salva</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aperture per il bianco</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aperture per il nero</translation>
    </message>
</context>
<context>
    <name>kv::OpeningMenu</name>
    <message>
        <source>Paramétrage</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>Bibliothèques actives</source>
        <translation>Librerie attive</translation>
    </message>
    <message>
        <source>Changer bibliothèque ouverture</source>
        <translation>Cambia la libreria delle aperture</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aperture per il bianco</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aperture per il nero</translation>
    </message>
    <message>
        <source>Fichiers d&apos;ouvertures (*.ovv)</source>
        <translation>File di aperture (*.ovv)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Les ouvertures ne sont pas disponibles, l&apos;ordinateur calculera tous ses coups.</source>
        <translation>Le librerie di aperture non sono disponibili; il computer calcolerà tutte le sue mosse.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la bibliothèque</source>
        <translation>Impossibile salvare la libreria</translation>
    </message>
</context>
<context>
    <name>kv::ParameterEditor</name>
    <message>
        <source>Début par défaut</source>
        <translation>Apertura (predefinita)</translation>
    </message>
    <message>
        <source>Milieu par défaut</source>
        <translation>Mediogioco (predefinito)</translation>
    </message>
    <message>
        <source>Préfinale par défaut</source>
        <translation>Prefinale (predefinita)</translation>
    </message>
    <message>
        <source>Finale par défaut</source>
        <translation>Finale (predefinito)</translation>
    </message>
    <message>
        <source>Début variante type 1 : </source>
        <translation>Apertura, variante tipo 1: </translation>
    </message>
    <message>
        <source>Milieu variante type 1 : </source>
        <translation>Mediogioco, variante tipo 1: </translation>
    </message>
    <message>
        <source>Début variante type 2 : </source>
        <translation>Apertura, variante tipo 2: </translation>
    </message>
    <message>
        <source>Milieu variante type 2 : </source>
        <translation>Mediogioco, variante tipo 2: </translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>Toutes les valeurs des tableaux sont en 1/200e de pion</source>
        <translation>Tutti i valori delle tabelle sono in 1/200 di pedina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Temps d&apos;avance =</source>
        <translation>Tempo di vantaggio =</translation>
    </message>
    <message>
        <source>/200 de pion</source>
        <translation>/200 di pedina</translation>
    </message>
    <message>
        <source>Début de partie : + de</source>
        <translation>Apertura: più di</translation>
    </message>
    <message>
        <source>Milieu de partie : + de</source>
        <translation>Mediogioco: più di</translation>
    </message>
    <message>
        <source>Préfinale : + de</source>
        <translation>Prefinale: più di</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>pezzi</translation>
    </message>
    <message>
        <source>Finale : (le reste)</source>
        <translation>Finale: (il resto)</translation>
    </message>
    <message>
        <source>cases possiblement blanches</source>
        <translation>caselle possibilmente bianche</translation>
    </message>
    <message>
        <source>cases possiblement noires</source>
        <translation>caselle possibilmente nere</translation>
    </message>
    <message>
        <source>Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 1 se 8 delle 14 condizioni seguenti sono verificate:</translation>
    </message>
    <message>
        <source>Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 2 se 8 delle 14 condizioni seguenti sono verificate:</translation>
    </message>
    <message>
        <source>Un nombre entier de %1 à %2</source>
        <translation>Un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>« %1 » refusé : %2.</source>
        <translation>«%1» rifiutato: %2.</translation>
    </message>
</context>
<context>
    <name>kv::PlayStatusLine</name>
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
        <source>Horloges en pause</source>
        <translation>Orologi in pausa</translation>
    </message>
</context>
<context>
    <name>kv::PlayerNames</name>
    <message>
        <source>Inconnu</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>kv::PlayersPanel</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Le registre réparé n&apos;a pas pu être enregistré : %1</source>
        <translation>Il registro riparato non è stato salvato: %1</translation>
    </message>
    <message>
        <source>Le registre des joueurs a été réparé :</source>
        <translation>Il registro dei giocatori è stato riparato:</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le joueur</source>
        <translation>Impossibile salvare il giocatore</translation>
    </message>
    <message>
        <source>La liste des joueurs a changé : choisissez à nouveau le joueur à effacer.</source>
        <translation>L&apos;elenco dei giocatori è cambiato: scegli di nuovo il giocatore da eliminare.</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer le joueur</source>
        <translation>Impossibile eliminare il giocatore</translation>
    </message>
    <message>
        <source> passe de %1 à %2</source>
        <translation> passa da %1 a %2</translation>
    </message>
    <message>
        <source>Les nouveaux points n&apos;ont pas pu être enregistrés : %1</source>
        <translation>I nuovi punti non sono stati salvati: %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas inscrit : ses points ne sont pas gardés (Joueurs &gt; Nouveau joueur).</source>
        <translation>%1 non è iscritto: i suoi punti non sono conservati (Giocatori &gt; Nuovo giocatore).</translation>
    </message>
    <message>
        <source>%1 n&apos;est plus dans la liste des joueurs : ses points ne sont pas enregistrés.</source>
        <translation>%1 non è più nell&apos;elenco dei giocatori: i suoi punti non sono salvati.</translation>
    </message>
    <message>
        <source>L&apos;historique des parties ne peut pas être lu : %1.</source>
        <translation>Lo storico delle partite non può essere letto: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) de l&apos;historique sont ignorées.</source>
        <translation>
            <numerusform>%n riga illeggibile dello storico è ignorata.</numerusform>
            <numerusform>%n righe illeggibili dello storico sono ignorate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Giocatore :</translation>
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
        <source>Ramener Korvelan à 2050</source>
        <translation>Riporta Korvelan a 2050</translation>
    </message>
    <message>
        <source>Match </source>
        <translation>Incontro </translation>
    </message>
    <message>
        <source>Nom du joueur :</source>
        <translation>Nome del giocatore :</translation>
    </message>
    <message>
        <source>Capital points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>1600 (l&apos;ordinateur vous laisse le double de son temps)</source>
        <translation>1600 (il computer ti lascia il doppio del suo tempo)</translation>
    </message>
    <message>
        <source>1700 (l&apos;ordinateur vous laisse voir sa réflexion)</source>
        <translation>1700 (il computer ti lascia vedere cosa pensa)</translation>
    </message>
    <message>
        <source>1800 (l&apos;ordinateur ne vous fait pas de cadeau)</source>
        <translation>1800 (il computer non ti fa regali)</translation>
    </message>
    <message>
        <source>Joueur à effacer :</source>
        <translation>Giocatore da eliminare :</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>Bianco:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Nero:</translation>
    </message>
    <message>
        <source>Nouveau joueur</source>
        <translation>Nuovo giocatore</translation>
    </message>
    <message>
        <source>Effacer un joueur</source>
        <translation>Elimina un giocatore</translation>
    </message>
    <message>
        <source>Changer les noms</source>
        <translation>Cambia i nomi</translation>
    </message>
    <message>
        <source>Liste des joueurs</source>
        <translation>Elenco dei giocatori</translation>
    </message>
</context>
<context>
    <name>kv::PlayersWindow</name>
    <message>
        <source>Joueurs</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Nulles</source>
        <translation>Patte</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Choisissez un joueur pour voir ses parties classées.</source>
        <translation>Scegli un giocatore per vedere le sue partite.</translation>
    </message>
    <message>
        <source>Nulle</source>
        <translation>Patta</translation>
    </message>
    <message>
        <source>Gagnée</source>
        <translation>Vinta</translation>
    </message>
    <message>
        <source>Perdue</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>Bianchi</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Neri</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Parties classées de %1 :</source>
        <translation>Partite di %1:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas encore joué de partie classée.</source>
        <translation>%1 non ha ancora giocato partite valide per il punteggio.</translation>
    </message>
</context>
<context>
    <name>kv::Printout</name>
    <message>
        <source>Position finale</source>
        <translation>Posizione finale</translation>
    </message>
    <message>
        <source>Autre : 30 coups en %1 mn</source>
        <translation>Altro: 30 mosse in %1 min</translation>
    </message>
    <message>
        <source>partie en cours</source>
        <translation>partita in corso</translation>
    </message>
    <message>
        <source>Résultat : %1</source>
        <translation>Risultato: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Niveau : %1</source>
        <translation>Livello: %1</translation>
    </message>
    <message>
        <source>Position au coup %1</source>
        <translation>Posizione alla mossa %1</translation>
    </message>
</context>
<context>
    <name>kv::TrainingPanel</name>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>File Korvelan (*.dam *.DAM)</translation>
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
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossibile aprire questo file</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Niente da imparare: serve una partita analizzata di più di 20 mosse, con materiale quasi pari.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Impara</translation>
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
        <source>Ordinateur joue</source>
        <translation>Tocca al calcolatore</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Tocca al giocatore</translation>
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
        <translation>Bianco:Su-&gt;Giù</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Bianco:Giù-&gt;Su</translation>
    </message>
    <message>
        <source>Eval stat blancs:%1</source>
        <translation>Val. statica bianco:%1</translation>
    </message>
    <message>
        <source>Eval stat noirs:%1</source>
        <translation>Val. statica nero:%1</translation>
    </message>
    <message>
        <source>Korvelan retient la position finale de la partie et le score que l&apos;analyse lui donne : il en tiendra compte dans ses prochaines recherches. La leçon est enregistrée dans un fichier.</source>
        <translation>Korvelan memorizza la posizione finale della partita con il punteggio dato dall&apos;analisi, e ne terrà conto nelle prossime ricerche. La lezione viene salvata in un file.</translation>
    </message>
    <message>
        <source>À vous de jouer : trouvez le premier coup.</source>
        <translation>Tocca a voi: trovate la prima mossa.</translation>
    </message>
    <message>
        <source>Bon premier coup ! Continuez jusqu&apos;au but.</source>
        <translation>Buona prima mossa! Continuate fino all&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Problème résolu ! Solution : %1</source>
        <translation>Problema risolto! Soluzione: %1</translation>
    </message>
    <message>
        <source>Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)</source>
        <translation>Problema mancato. Soluzione: %1 («Rivedi mossa» per riprovare)</translation>
    </message>
    <message>
        <source>Éditeur</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Leçons (*.dal *.DAL)</source>
        <translation>Lezioni (*.dal *.DAL)</translation>
    </message>
</context>
</TS>
