<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="fr">
<context>
    <name>ExchangeRefusal</name>
    <message>
        <source>le fichier ne contient pas cette partie</source>
        <translation>het bestand bevat deze partij niet</translation>
    </message>
    <message>
        <source>un commentaire, une variante ou une étiquette est mal fermé</source>
        <translation>een commentaar, variant of label is niet goed afgesloten</translation>
    </message>
    <message>
        <source>c&apos;est une partie d&apos;une autre variante de dames</source>
        <translation>het is een partij van een andere damvariant</translation>
    </message>
    <message>
        <source>la position de départ ne peut pas être lue</source>
        <translation>de beginstelling kan niet worden gelezen</translation>
    </message>
    <message>
        <source>un coup ne peut pas être lu</source>
        <translation>een zet kan niet worden gelezen</translation>
    </message>
    <message>
        <source>un coup n&apos;est pas légal dans la position atteinte</source>
        <translation>een zet is niet legaal in de bereikte stelling</translation>
    </message>
    <message>
        <source>une prise peut se lire de plusieurs façons</source>
        <translation>een slag kan op meerdere manieren worden gelezen</translation>
    </message>
    <message>
        <source>Partie %1, ligne %2 : %3.</source>
        <translation>Partij %1, regel %2: %3.</translation>
    </message>
    <message>
        <source>Partie %1 : %2.</source>
        <translation>Partij %1: %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>le fichier est trop grand pour être une liste de joueurs</source>
        <translation>het bestand is te groot voor een spelerslijst</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>het bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>« points.dat » n&apos;avait pas de ligne pour %1 : %2 points lui sont donnés.</source>
        <translation>„points.dat” had geen regel voor %1: %2 punten toegekend.</translation>
    </message>
    <message>
        <source>« points.dat », ligne %1 : « %2 » n&apos;est pas un nombre de points ; %3 points sont pris à la place.</source>
        <translation>„points.dat”, regel %1: „%2” is geen aantal punten; in plaats daarvan %3 punten.</translation>
    </message>
    <message>
        <source>« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.</source>
        <translation>„points.dat” had regels na de laatste speler, vanaf regel %1: ze worden verwijderd.</translation>
    </message>
    <message>
        <source>« joueurs.dat » était vide : Korvelan y est remis en première ligne.</source>
        <translation>„joueurs.dat” was leeg: Korvelan staat weer op de eerste regel.</translation>
    </message>
    <message>
        <source>Donnez un nom.</source>
        <translation>Geef een naam.</translation>
    </message>
    <message>
        <source>Un nom tient sur une ligne : pas de retour à la ligne.</source>
        <translation>Een naam past op één regel: geen regeleinden.</translation>
    </message>
    <message>
        <source>Un nom ne peut pas contenir de tabulation ni de caractère de commande.</source>
        <translation>Een naam mag geen tab of stuurteken bevatten.</translation>
    </message>
    <message>
        <source>Ce nom est trop long : %1 octets au plus.</source>
        <translation>Deze naam is te lang: hoogstens %1 bytes.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré.</source>
        <translation>Deze naam kan niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>kv::AnalysisWindow</name>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Analyse en cours : %v / %m positions</source>
        <translation>Analyse bezig: %v / %m stellingen</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Editer analyse</source>
        <translation>Analyse bewerken</translation>
    </message>
    <message>
        <source>Imprimer analyse</source>
        <translation>Analyse afdrukken</translation>
    </message>
    <message>
        <source>Fin analyse</source>
        <translation>Einde analyse</translation>
    </message>
    <message>
        <source>Texte (*.txt);;Tous les fichiers (*)</source>
        <translation>Tekst (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer</source>
        <translation>Afdrukken is niet mogelijk</translation>
    </message>
</context>
<context>
    <name>kv::Board3DWidget</name>
    <message>
        <source>%1 (%2 x %3 au lieu de %4 x %5)</source>
        <translation>%1 (%2 x %3 in plaats van %4 x %5)</translation>
    </message>
    <message>
        <source> (et %1 autres)</source>
        <translation> (en nog %1)</translation>
    </message>
</context>
<context>
    <name>kv::BoardViews</name>
    <message>
        <source>Classique</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Luxe</source>
        <translation>Luxe</translation>
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
        <translation>Grote luxe</translation>
    </message>
    <message>
        <source>Salvador da Bahia</source>
        <translation>Salvador da Bahia</translation>
    </message>
    <message>
        <source>Damier 2D jaune</source>
        <translation>Geel 2D-bord</translation>
    </message>
    <message>
        <source>Nature morte à la règle du jeu</source>
        <translation>Stilleven met de spelregels</translation>
    </message>
    <message>
        <source>Le damier « %1 » n&apos;est pas disponible : il manque %2.</source>
        <translation>Het bord „%1” is niet beschikbaar: %2 ontbreekt.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Reprendre la dernière partie</source>
        <translation>De laatste partij hervatten</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>Korvelan, le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Korvelan, dammen op het 8 x 8 bord tegen de computer of een vriend.</translation>
    </message>
    <message>
        <source>Démarrer dans la langue CODE : %1.</source>
        <translation>Starten in taal CODE: %1.</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>[FICHIER]</source>
        <translation>[BESTAND]</translation>
    </message>
    <message>
        <source>Une partie à ouvrir : une partie Korvelan (.dam), un texte ou un PDN.</source>
        <translation>Een partij om te openen: een Korvelan-partij (.dam), een tekst of een PDN.</translation>
    </message>
    <message>
        <source>Les options sont décrites par korvelan --help.</source>
        <translation>korvelan --help beschrijft de opties.</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » (les langues : %2)</source>
        <translation>onbekende taal „%1” (de talen: %2)</translation>
    </message>
    <message>
        <source>un seul fichier à la fois</source>
        <translation>één bestand tegelijk</translation>
    </message>
</context>
<context>
    <name>kv::CustomLevelPanel</name>
    <message>
        <source>30 coups en :</source>
        <translation>30 zetten in :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>Een geheel aantal minuten wordt verwacht, van 1 tot %1.</translation>
    </message>
</context>
<context>
    <name>kv::DrawOfferPanel</name>
    <message>
        <source>Korvelan propose le match nul</source>
        <translation>Korvelan biedt remise aan</translation>
    </message>
    <message>
        <source>Appuyez sur OK pour accepter</source>
        <translation>Druk op OK om aan te nemen</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Remise geweigerd</translation>
    </message>
</context>
<context>
    <name>kv::EngineOptions</name>
    <message>
        <source>Modifier les paramètres</source>
        <translation>Parameters wijzigen</translation>
    </message>
    <message>
        <source>Sauver les paramètres</source>
        <translation>Parameters opslaan</translation>
    </message>
    <message>
        <source>Charger des paramètres</source>
        <translation>Parameters laden</translation>
    </message>
    <message>
        <source>Taille des tables de transposition</source>
        <translation>Grootte van de transpositietabellen</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
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
        <translation>Parameters (*.par)</translation>
    </message>
</context>
<context>
    <name>kv::EvaluationGraph</name>
    <message>
        <source>Évaluation (côté blanc) ; cliquez pour voir la position</source>
        <translation>Evaluatie (vanuit wit); klik om de stelling te zien</translation>
    </message>
</context>
<context>
    <name>kv::GameChoiceDialog</name>
    <message>
        <source>Choisir une partie</source>
        <translation>Kies een partij</translation>
    </message>
    <message>
        <source>Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?</source>
        <translation>Dit bestand bevat %1 partijen. Welke moet geopend worden?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Numéro ou nom à chercher</source>
        <translation>Nummer of naam om te zoeken</translation>
    </message>
    <message>
        <source>Seules les %1 premières parties trouvées sont montrées.</source>
        <translation>Alleen de eerste %1 gevonden partijen worden getoond.</translation>
    </message>
</context>
<context>
    <name>kv::GameController</name>
    <message>
        <source>Match nul !</source>
        <translation>Remise!</translation>
    </message>
    <message>
        <source>Match nul par répétition !</source>
        <translation>Remise door herhaling!</translation>
    </message>
    <message>
        <source>Temps dépassé, gain KORVELAN</source>
        <translation>Tijd overschreden, KORVELAN wint</translation>
    </message>
    <message>
        <source>Temps dépassé, vous gagnez</source>
        <translation>Tijd overschreden, u wint</translation>
    </message>
    <message>
        <source>Vous abandonnez, gain KORVELAN</source>
        <translation>U geeft op, KORVELAN wint</translation>
    </message>
    <message>
        <source>Gain des blancs</source>
        <translation>Wit wint</translation>
    </message>
    <message>
        <source>Gain des noirs</source>
        <translation>Zwart wint</translation>
    </message>
    <message>
        <source>Bravo, vous avez gagné</source>
        <translation>Bravo, u hebt gewonnen</translation>
    </message>
    <message>
        <source>Désolé, KORVELAN a gagné</source>
        <translation>Helaas, KORVELAN heeft gewonnen</translation>
    </message>
    <message>
        <source> gagne</source>
        <translation> wint</translation>
    </message>
    <message>
        <source>Placez au moins une pièce blanche.</source>
        <translation>Plaats minstens één wit stuk.</translation>
    </message>
    <message>
        <source>Placez au moins une pièce noire.</source>
        <translation>Plaats minstens één zwart stuk.</translation>
    </message>
    <message>
        <source>Un pion sur sa ligne de promotion doit être une dame.</source>
        <translation>Een schijf op de promotierij moet een dam zijn.</translation>
    </message>
    <message>
        <source>Le camp qui a le trait ne peut pas jouer.</source>
        <translation>De partij aan zet kan niet spelen.</translation>
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
        <translation>Nieuwe partij</translation>
    </message>
</context>
<context>
    <name>kv::GameExchange</name>
    <message>
        <source>Créer un fichier texte</source>
        <translation>Tekstbestand maken</translation>
    </message>
    <message>
        <source>Ouvrir un fichier texte</source>
        <translation>Tekstbestand openen</translation>
    </message>
    <message>
        <source>Copier la partie (PDN)</source>
        <translation>Partij kopiëren (PDN)</translation>
    </message>
    <message>
        <source>Copier la position (FEN)</source>
        <translation>Stelling kopiëren (FEN)</translation>
    </message>
    <message>
        <source>Coller une partie ou une position</source>
        <translation>Partij of stelling plakken</translation>
    </message>
    <message>
        <source>Editer l&apos;image (fichier Bitmap)</source>
        <translation>Afbeelding bewerken (Bitmap-bestand)</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)</source>
        <translation>Tekstbestanden (*.txt);;Commentaarbestanden (*.damt);;PDN-partijen (*.pdn)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Partie écrite dans %1</source>
        <translation>Partij geschreven naar %1</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)</source>
        <translation>Tekstbestanden (*.txt);;Documenten (*.doc);;PDN-partijen (*.pdn);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Seul le début du fichier a été lu.</source>
        <translation>Alleen het begin van het bestand is gelezen.</translation>
    </message>
    <message>
        <source>Ce texte ne contient aucune partie</source>
        <translation>Deze tekst bevat geen partij</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.</source>
        <translation>Het bestand zegt niet welk spel gespeeld wordt: de partij wordt met onze regels gelezen.</translation>
    </message>
    <message>
        <source>Demi-coups illisibles ou illégaux ignorés : %1</source>
        <translation>Onleesbare of onreglementaire halve zetten overgeslagen: %1</translation>
    </message>
    <message>
        <source>La partie est coupée au coup %1 : le record est plein.</source>
        <translation>De partij is afgebroken bij halve zet %1: het register is vol.</translation>
    </message>
    <message>
        <source>Partie copiée (PDN)</source>
        <translation>Partij gekopieerd (PDN)</translation>
    </message>
    <message>
        <source>Position copiée (FEN)</source>
        <translation>Stelling gekopieerd (FEN)</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient ni partie ni position</source>
        <translation>Het klembord bevat geen partij en geen stelling</translation>
    </message>
    <message>
        <source>Cette position n&apos;est pas valable : %1</source>
        <translation>Deze stelling is niet geldig: %1</translation>
    </message>
    <message>
        <source>Image écrite dans %1</source>
        <translation>Afbeelding geschreven naar %1</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée sur cet ordinateur.
La partie peut être imprimée dans un fichier PDF.</source>
        <translation>Er is geen printer geïnstalleerd op deze computer.
De partij kan naar een PDF-bestand worden afgedrukt.</translation>
    </message>
    <message>
        <source>Fichier PDF...</source>
        <translation>PDF-bestand...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF</source>
        <translation>Afdrukken naar een PDF-bestand</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Image Bitmap (*.bmp);;Image PNG (*.png)</source>
        <translation>Bitmap-afbeelding (*.bmp);;PNG-afbeelding (*.png)</translation>
    </message>
</context>
<context>
    <name>kv::GameFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une partie Korvelan, ou elle est endommagée (%1).</source>
        <translation>Dit is geen Korvelan-partij, of ze is beschadigd (%1).</translation>
    </message>
    <message>
        <source>Sauver la partie</source>
        <translation>Partij opslaan</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam)</source>
        <translation>Korvelan-bestanden (*.dam)</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Partij openen</translation>
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
        <translation>Documentatie</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Korvelan 3D Analyse</source>
        <translation>Korvelan 3D Analyse</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versie 7.00</translation>
    </message>
    <message>
        <source>Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, les pions ne prennent qu&apos;en avant.

Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques d&apos;ouvertures, tables de finales et positions apprises.

Écrit par l&apos;équipe Korvelan.</source>
        <translation>Dammen op 64 velden: verplicht slaan van de meeste stukken, vliegende dammen, schijven slaan alleen vooruit.

Een alfa-bèta-zoekmachine met transpositietabel, openingsbibliotheken, eindspeltabellen en geleerde stellingen.

Geschreven door het Korvelan-team.</translation>
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
        <translation>Korvelan-hulp</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Aide introuvable</source>
        <translation>Hulp niet gevonden</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>0 : Néophyte</source>
        <translation>0 : Nieuweling</translation>
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
        <translation>3 : Promotie</translation>
    </message>
    <message>
        <source>4 : Honneur</source>
        <translation>4 : Ereklasse</translation>
    </message>
    <message>
        <source>5 : Excellence</source>
        <translation>5 : Excellentie</translation>
    </message>
    <message>
        <source>6 : Maître</source>
        <translation>6 : Meester</translation>
    </message>
    <message>
        <source>7 : Grand Maître</source>
        <translation>7 : Grootmeester</translation>
    </message>
    <message>
        <source>8 : Grand Maître International</source>
        <translation>8 : Internationaal Grootmeester</translation>
    </message>
    <message>
        <source>1 : 30 coups en 3 mn</source>
        <translation>1: 30 zetten in 3 min</translation>
    </message>
    <message>
        <source>2 : 30 coups en 5 mn</source>
        <translation>2: 30 zetten in 5 min</translation>
    </message>
    <message>
        <source>3 : 30 coups en 10 mn</source>
        <translation>3: 30 zetten in 10 min</translation>
    </message>
    <message>
        <source>4 : 30 coups en 30 mn</source>
        <translation>4: 30 zetten in 30 min</translation>
    </message>
    <message>
        <source>5 : 30 coups en 1 h</source>
        <translation>5: 30 zetten in 1 u</translation>
    </message>
    <message>
        <source>6 : 30 coups en 2 h</source>
        <translation>6: 30 zetten in 2 u</translation>
    </message>
    <message>
        <source>7 : long, long</source>
        <translation>7: lang, lang</translation>
    </message>
    <message>
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, het spel</translation>
    </message>
    <message>
        <source>Coups écrits dans %1</source>
        <translation>Zetten geschreven naar %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>2D-bord</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Mens tegen mens</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Computer tegen computer</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Opgeven</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Reprendre coups</source>
        <translation>Terugnemen</translation>
    </message>
    <message>
        <source>Avancer coups</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Terug naar het begin</translation>
    </message>
    <message>
        <source>Aller à la fin</source>
        <translation>Naar de laatste zet</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Inverser damier</source>
        <translation>Bord omdraaien</translation>
    </message>
    <message>
        <source>Joueurs</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Inverser les joueurs</source>
        <translation>Spelers wisselen</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Spécial</source>
        <translation>Speciaal</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Numéroter les cases</source>
        <translation>Velden nummeren</translation>
    </message>
    <message>
        <source>Arrêt du calcul</source>
        <translation>Rekenen stoppen</translation>
    </message>
    <message>
        <source>Horloges à zéro</source>
        <translation>Klokken op 0</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Réflexion sur temps adverse</source>
        <translation>Rekenen in de tijd van de tegenstander</translation>
    </message>
    <message>
        <source>Arrêt réflexion par clic souris</source>
        <translation>Rekenen stoppen met een muisklik</translation>
    </message>
    <message>
        <source>Indication des mouvements</source>
        <translation>Zetten aanwijzen</translation>
    </message>
    <message>
        <source>Décomposer les prises</source>
        <translation>Slagen stap voor stap</translation>
    </message>
    <message>
        <source>Jeu en aveugle</source>
        <translation>Blindspel</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Bip à chaque coup</source>
        <translation>Piep bij elke zet</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Overige</translation>
    </message>
    <message>
        <source>Entraînement</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Reculer d&apos;un coup</source>
        <translation>Eén zet terug</translation>
    </message>
    <message>
        <source>Avancer d&apos;un coup</source>
        <translation>Eén zet vooruit</translation>
    </message>
    <message>
        <source>Inverser le damier</source>
        <translation>Het bord omdraaien</translation>
    </message>
    <message>
        <source>Coups joués</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Arrêter le calcul</source>
        <translation>Rekenen stoppen</translation>
    </message>
    <message>
        <source>Editer meilleurs coups</source>
        <translation>Beste zetten bewerken</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Rekenen</translation>
    </message>
    <message>
        <source>Proposer nul</source>
        <translation>Remise aanbieden</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Meerslag</translation>
    </message>
    <message>
        <source>majoritaire</source>
        <translation>is</translation>
    </message>
    <message>
        <source>obligatoire</source>
        <translation>verplicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>Verdorie! Dat wilde ik niet spelen.</translation>
    </message>
    <message>
        <source>KORVELAN</source>
        <translation>KORVELAN</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versie 7.00</translation>
    </message>
    <message>
        <source>Le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Dammen op 64 velden, tegen de computer of met vrienden.</translation>
    </message>
    <message>
        <source>Programme, moteur de jeu, tables de finales et images : l&apos;équipe Korvelan.</source>
        <translation>Programma, speelmotor, eindspeltabellen en afbeeldingen: het Korvelan-team.</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Ontbrekende afbeeldingen: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source> (blancs)</source>
        <translation> (wit)</translation>
    </message>
    <message>
        <source> (noirs)</source>
        <translation> (zwart)</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computer zwart</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computer wit</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Wit:Boven-&gt;Beneden</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Wit:Beneden-&gt;Boven</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Zetten: %1</translation>
    </message>
    <message>
        <source>Partie terminée</source>
        <translation>Partij afgelopen</translation>
    </message>
    <message>
        <source>Trait aux blancs</source>
        <translation>Wit aan zet</translation>
    </message>
    <message>
        <source>Trait aux noirs</source>
        <translation>Zwart aan zet</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Profondeur</source>
        <translation>Diepte</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Knopen</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Noeuds/s</source>
        <translation>Knopen/s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Coups</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Le fichier a été mis de côté sous le nom %1.</source>
        <translation>Het bestand is apart gezet onder de naam %1.</translation>
    </message>
    <message>
        <source>Abandonner la partie ?</source>
        <translation>De partij opgeven?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous quittez maintenant, il s&apos;arrête sans être classé. Quitter quand même ?</source>
        <translation>Er loopt een ratingpartij: als u nu stopt, eindigt die zonder rating. Toch stoppen?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous fermez la fenêtre, il s&apos;arrête sans être classé. Fermer quand même ?</source>
        <translation>Er loopt een ratingpartij: als u het venster sluit, eindigt die zonder rating. Toch sluiten?</translation>
    </message>
    <message>
        <source>Korvelan</source>
        <translation>Korvelan</translation>
    </message>
    <message>
        <source>Un match classé est en cours : une nouvelle partie l&apos;arrêtera sans qu&apos;il soit classé. Continuer ?</source>
        <translation>Er loopt een ratingpartij: een nieuwe partij beëindigt die zonder rating. Doorgaan?</translation>
    </message>
    <message>
        <source>Notation alphabétique</source>
        <translation>Alfabetische notatie</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>stuk</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Advies</translation>
    </message>
    <message>
        <source>Coup unique joué d&apos;un clic</source>
        <translation>Enige zet met één klik spelen</translation>
    </message>
    <message>
        <source>Conseil : les damiers demandent une fenêtre d&apos;au moins 800 x 580 points ; l&apos;aide (menu Aide) explique les règles et chaque menu.</source>
        <translation>Tip: de damborden vragen een venster van minstens 800 x 580 punten; de hulp (menu Help) legt de regels en elk menu uit.</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>stukken</translation>
    </message>
</context>
<context>
    <name>kv::NewGamePanel</name>
    <message>
        <source>Joueur :</source>
        <translation>Speler :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Kleur van Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Entrainement</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>Witspeler :</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Zwartspeler :</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Mens tegen mens</translation>
    </message>
</context>
<context>
    <name>kv::OpeningEditor</name>
    <message>
        <source>Ouvertures (Blancs)</source>
        <translation>Openingen (Wit)</translation>
    </message>
    <message>
        <source>Ouvertures (Noirs)</source>
        <translation>Openingen (Zwart)</translation>
    </message>
    <message>
        <source>Nouvelle_Ouverture</source>
        <translation>Nieuwe_Opening</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Ajouter l&apos;ouverture ci-dessus dans la liste ci-dessous</source>
        <translation>Voeg de opening hierboven toe aan de lijst hieronder</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Effacer l&apos;ouverture ci-dessus (et la même dessous)</source>
        <translation>Wis de opening hierboven (en dezelfde hieronder)</translation>
    </message>
    <message>
        <source>Construire et enregistrer</source>
        <translation>Opbouwen en opslaan</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Openingen voor wit</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Openingen voor zwart</translation>
    </message>
</context>
<context>
    <name>kv::OpeningMenu</name>
    <message>
        <source>Paramétrage</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Bibliothèques actives</source>
        <translation>Actieve bibliotheken</translation>
    </message>
    <message>
        <source>Changer bibliothèque ouverture</source>
        <translation>Openingsbibliotheek wisselen</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Openingen voor wit</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Openingen voor zwart</translation>
    </message>
    <message>
        <source>Fichiers d&apos;ouvertures (*.ovv)</source>
        <translation>Openingsbestanden (*.ovv)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Les ouvertures ne sont pas disponibles, l&apos;ordinateur calculera tous ses coups.</source>
        <translation>De openingsbibliotheken zijn niet beschikbaar; de computer berekent al zijn zetten.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la bibliothèque</source>
        <translation>Kan de bibliotheek niet opslaan</translation>
    </message>
</context>
<context>
    <name>kv::ParameterEditor</name>
    <message>
        <source>Début par défaut</source>
        <translation>Opening (standaard)</translation>
    </message>
    <message>
        <source>Milieu par défaut</source>
        <translation>Middenspel (standaard)</translation>
    </message>
    <message>
        <source>Préfinale par défaut</source>
        <translation>Laat middenspel (standaard)</translation>
    </message>
    <message>
        <source>Finale par défaut</source>
        <translation>Eindspel (standaard)</translation>
    </message>
    <message>
        <source>Début variante type 1 : </source>
        <translation>Opening, variant type 1: </translation>
    </message>
    <message>
        <source>Milieu variante type 1 : </source>
        <translation>Middenspel, variant type 1: </translation>
    </message>
    <message>
        <source>Début variante type 2 : </source>
        <translation>Opening, variant type 2: </translation>
    </message>
    <message>
        <source>Milieu variante type 2 : </source>
        <translation>Middenspel, variant type 2: </translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Toutes les valeurs des tableaux sont en 1/200e de pion</source>
        <translation>Alle waarden van de tabellen zijn in 1/200 schijf</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Temps d&apos;avance =</source>
        <translation>Tempo =</translation>
    </message>
    <message>
        <source>/200 de pion</source>
        <translation>/200 schijf</translation>
    </message>
    <message>
        <source>Début de partie : + de</source>
        <translation>Opening: meer dan</translation>
    </message>
    <message>
        <source>Milieu de partie : + de</source>
        <translation>Middenspel: meer dan</translation>
    </message>
    <message>
        <source>Préfinale : + de</source>
        <translation>Laat middenspel: meer dan</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>stukken</translation>
    </message>
    <message>
        <source>Finale : (le reste)</source>
        <translation>Eindspel: (de rest)</translation>
    </message>
    <message>
        <source>cases possiblement blanches</source>
        <translation>velden mogelijk wit</translation>
    </message>
    <message>
        <source>cases possiblement noires</source>
        <translation>velden mogelijk zwart</translation>
    </message>
    <message>
        <source>Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variant type 1 als 8 van de 14 voorwaarden hieronder gelden:</translation>
    </message>
    <message>
        <source>Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variant type 2 als 8 van de 14 voorwaarden hieronder gelden:</translation>
    </message>
    <message>
        <source>Un nombre entier de %1 à %2</source>
        <translation>Een geheel getal van %1 tot %2</translation>
    </message>
    <message>
        <source>« %1 » refusé : %2.</source>
        <translation>„%1” geweigerd: %2.</translation>
    </message>
</context>
<context>
    <name>kv::PlayStatusLine</name>
    <message>
        <source>Korvelan réfléchit… profondeur %1</source>
        <translation>Korvelan denkt na… diepte %1</translation>
    </message>
    <message>
        <source>Korvelan réfléchit…</source>
        <translation>Korvelan denkt na…</translation>
    </message>
    <message>
        <source>Partie terminée : %1</source>
        <translation>Partij afgelopen: %1</translation>
    </message>
    <message>
        <source>Horloges en pause</source>
        <translation>Klokken gepauzeerd</translation>
    </message>
</context>
<context>
    <name>kv::PlayerNames</name>
    <message>
        <source>Inconnu</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>kv::PlayersPanel</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Le registre réparé n&apos;a pas pu être enregistré : %1</source>
        <translation>Het herstelde register kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Le registre des joueurs a été réparé :</source>
        <translation>Het spelersregister is hersteld:</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le joueur</source>
        <translation>Kan de speler niet opslaan</translation>
    </message>
    <message>
        <source>La liste des joueurs a changé : choisissez à nouveau le joueur à effacer.</source>
        <translation>De spelerslijst is veranderd: kies opnieuw de te verwijderen speler.</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer le joueur</source>
        <translation>Kan de speler niet verwijderen</translation>
    </message>
    <message>
        <source> passe de %1 à %2</source>
        <translation> gaat van %1 naar %2</translation>
    </message>
    <message>
        <source>Les nouveaux points n&apos;ont pas pu être enregistrés : %1</source>
        <translation>De nieuwe punten konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas inscrit : ses points ne sont pas gardés (Joueurs &gt; Nouveau joueur).</source>
        <translation>%1 is niet ingeschreven: de punten worden niet bewaard (Spelers &gt; Nieuwe speler).</translation>
    </message>
    <message>
        <source>%1 n&apos;est plus dans la liste des joueurs : ses points ne sont pas enregistrés.</source>
        <translation>%1 staat niet meer in de spelerslijst: de punten worden niet opgeslagen.</translation>
    </message>
    <message>
        <source>L&apos;historique des parties ne peut pas être lu : %1.</source>
        <translation>De geschiedenis van de partijen kan niet worden gelezen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) de l&apos;historique sont ignorées.</source>
        <translation>
            <numerusform>%n onleesbare regel van de geschiedenis wordt genegeerd.</numerusform>
            <numerusform>%n onleesbare regels van de geschiedenis worden genegeerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Speler :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Kleur van Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Ramener Korvelan à 2050</source>
        <translation>Korvelan terug naar 2050</translation>
    </message>
    <message>
        <source>Match </source>
        <translation>Match </translation>
    </message>
    <message>
        <source>Nom du joueur :</source>
        <translation>Naam van de speler :</translation>
    </message>
    <message>
        <source>Capital points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>1600 (l&apos;ordinateur vous laisse le double de son temps)</source>
        <translation>1600 (de computer geeft u het dubbele van zijn tijd)</translation>
    </message>
    <message>
        <source>1700 (l&apos;ordinateur vous laisse voir sa réflexion)</source>
        <translation>1700 (u ziet de computer rekenen)</translation>
    </message>
    <message>
        <source>1800 (l&apos;ordinateur ne vous fait pas de cadeau)</source>
        <translation>1800 (de computer geeft u niets cadeau)</translation>
    </message>
    <message>
        <source>Joueur à effacer :</source>
        <translation>Te verwijderen speler :</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>Wit:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Zwart:</translation>
    </message>
    <message>
        <source>Nouveau joueur</source>
        <translation>Nieuwe speler</translation>
    </message>
    <message>
        <source>Effacer un joueur</source>
        <translation>Speler verwijderen</translation>
    </message>
    <message>
        <source>Changer les noms</source>
        <translation>Namen wijzigen</translation>
    </message>
    <message>
        <source>Liste des joueurs</source>
        <translation>Spelerslijst</translation>
    </message>
</context>
<context>
    <name>kv::PlayersWindow</name>
    <message>
        <source>Joueurs</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Partijen</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Nulles</source>
        <translation>Remises</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Tegenstander</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Choisissez un joueur pour voir ses parties classées.</source>
        <translation>Kies een speler om zijn partijen te zien.</translation>
    </message>
    <message>
        <source>Nulle</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Gagnée</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Perdue</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Parties classées de %1 :</source>
        <translation>Partijen van %1:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas encore joué de partie classée.</source>
        <translation>%1 heeft nog geen partij voor de rating gespeeld.</translation>
    </message>
</context>
<context>
    <name>kv::Printout</name>
    <message>
        <source>Position finale</source>
        <translation>Eindstelling</translation>
    </message>
    <message>
        <source>Autre : 30 coups en %1 mn</source>
        <translation>Anders: 30 zetten in %1 min</translation>
    </message>
    <message>
        <source>partie en cours</source>
        <translation>partij bezig</translation>
    </message>
    <message>
        <source>Résultat : %1</source>
        <translation>Uitslag: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Niveau : %1</source>
        <translation>Niveau: %1</translation>
    </message>
    <message>
        <source>Position au coup %1</source>
        <translation>Stelling bij zet %1</translation>
    </message>
</context>
<context>
    <name>kv::TrainingPanel</name>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>Korvelan-bestanden (*.dam *.DAM)</translation>
    </message>
    <message>
        <source>Leçons, exercices et problèmes</source>
        <translation>Lessen, oefeningen en problemen</translation>
    </message>
    <message>
        <source>Apprendre la position</source>
        <translation>Stelling leren</translation>
    </message>
    <message>
        <source>Charger des leçons</source>
        <translation>Lessen laden</translation>
    </message>
    <message>
        <source>Lancer une session</source>
        <translation>Sessie starten</translation>
    </message>
    <message>
        <source>Arrêter la session</source>
        <translation>Sessie stoppen</translation>
    </message>
    <message>
        <source>Revoir coup</source>
        <translation>Zet opnieuw</translation>
    </message>
    <message>
        <source>Suivant -&gt;</source>
        <translation>Volgende -&gt;</translation>
    </message>
    <message>
        <source>Apprendre ?</source>
        <translation>Leren?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Kan dit bestand niet openen</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Niets te leren: er is een geanalyseerde partij van meer dan 20 zetten met bijna gelijk materiaal nodig.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Leren</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Débuter une analyse</source>
        <translation>Analyse beginnen</translation>
    </message>
    <message>
        <source>Arrêter cette phase</source>
        <translation>Deze fase stoppen</translation>
    </message>
    <message>
        <source>Terminer l&apos;analyse</source>
        <translation>Analyse beëindigen</translation>
    </message>
    <message>
        <source>Installer une position</source>
        <translation>Stelling opzetten</translation>
    </message>
    <message>
        <source>PLACEZ LES PIONS</source>
        <translation>PLAATS DE STUKKEN</translation>
    </message>
    <message>
        <source>Vider le damier</source>
        <translation>Bord leegmaken</translation>
    </message>
    <message>
        <source>Remplir le damier</source>
        <translation>Bord vullen</translation>
    </message>
    <message>
        <source>Jouer cette position</source>
        <translation>Deze stelling spelen</translation>
    </message>
    <message>
        <source>Ordinateur joue</source>
        <translation>Computer aan zet</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Speler aan zet</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computer zwart</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computer wit</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Wit:Boven-&gt;Beneden</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Wit:Beneden-&gt;Boven</translation>
    </message>
    <message>
        <source>Eval stat blancs:%1</source>
        <translation>Statische eval. wit:%1</translation>
    </message>
    <message>
        <source>Eval stat noirs:%1</source>
        <translation>Statische eval. zwart:%1</translation>
    </message>
    <message>
        <source>Korvelan retient la position finale de la partie et le score que l&apos;analyse lui donne : il en tiendra compte dans ses prochaines recherches. La leçon est enregistrée dans un fichier.</source>
        <translation>Korvelan onthoudt de eindstelling van de partij met de score die de analyse eraan geeft, en houdt er bij volgende berekeningen rekening mee. De les wordt in een bestand bewaard.</translation>
    </message>
    <message>
        <source>À vous de jouer : trouvez le premier coup.</source>
        <translation>U bent aan zet: vind de eerste zet.</translation>
    </message>
    <message>
        <source>Bon premier coup ! Continuez jusqu&apos;au but.</source>
        <translation>Goede eerste zet! Speel door tot het doel.</translation>
    </message>
    <message>
        <source>Problème résolu ! Solution : %1</source>
        <translation>Probleem opgelost! Oplossing: %1</translation>
    </message>
    <message>
        <source>Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)</source>
        <translation>Probleem gemist. Oplossing: %1 („Zet opnieuw” om opnieuw te proberen)</translation>
    </message>
    <message>
        <source>Éditeur</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Leçons (*.dal *.DAL)</source>
        <translation>Lessen (*.dal *.DAL)</translation>
    </message>
</context>
</TS>
