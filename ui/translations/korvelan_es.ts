<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>ExchangeRefusal</name>
    <message>
        <source>le fichier ne contient pas cette partie</source>
        <translation>el archivo no contiene esta partida</translation>
    </message>
    <message>
        <source>un commentaire, une variante ou une étiquette est mal fermé</source>
        <translation>un comentario, una variante o una etiqueta está mal cerrado</translation>
    </message>
    <message>
        <source>c&apos;est une partie d&apos;une autre variante de dames</source>
        <translation>es una partida de otra variante de damas</translation>
    </message>
    <message>
        <source>la position de départ ne peut pas être lue</source>
        <translation>la posición inicial no se puede leer</translation>
    </message>
    <message>
        <source>un coup ne peut pas être lu</source>
        <translation>una jugada no se puede leer</translation>
    </message>
    <message>
        <source>un coup n&apos;est pas légal dans la position atteinte</source>
        <translation>una jugada no es legal en la posición alcanzada</translation>
    </message>
    <message>
        <source>une prise peut se lire de plusieurs façons</source>
        <translation>una captura se puede leer de varias maneras</translation>
    </message>
    <message>
        <source>Partie %1, ligne %2 : %3.</source>
        <translation>Partida %1, línea %2: %3.</translation>
    </message>
    <message>
        <source>Partie %1 : %2.</source>
        <translation>Partida %1: %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>le fichier est trop grand pour être une liste de joueurs</source>
        <translation>el archivo es demasiado grande para ser una lista de jugadores</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>« points.dat » n&apos;avait pas de ligne pour %1 : %2 points lui sont donnés.</source>
        <translation>«points.dat» no tenía línea para %1: se le dan %2 puntos.</translation>
    </message>
    <message>
        <source>« points.dat », ligne %1 : « %2 » n&apos;est pas un nombre de points ; %3 points sont pris à la place.</source>
        <translation>«points.dat», línea %1: «%2» no es un número de puntos; se toman %3 puntos.</translation>
    </message>
    <message>
        <source>« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.</source>
        <translation>«points.dat» tenía líneas más allá del último jugador, desde la línea %1: se eliminan.</translation>
    </message>
    <message>
        <source>« joueurs.dat » était vide : Korvelan y est remis en première ligne.</source>
        <translation>«joueurs.dat» estaba vacío: Korvelan vuelve a la primera línea.</translation>
    </message>
    <message>
        <source>Donnez un nom.</source>
        <translation>Escriba un nombre.</translation>
    </message>
    <message>
        <source>Un nom tient sur une ligne : pas de retour à la ligne.</source>
        <translation>Un nombre cabe en una línea: sin saltos de línea.</translation>
    </message>
    <message>
        <source>Un nom ne peut pas contenir de tabulation ni de caractère de commande.</source>
        <translation>Un nombre no puede contener tabuladores ni caracteres de control.</translation>
    </message>
    <message>
        <source>Ce nom est trop long : %1 octets au plus.</source>
        <translation>Este nombre es demasiado largo: %1 bytes como máximo.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré.</source>
        <translation>Este nombre no se puede guardar.</translation>
    </message>
</context>
<context>
    <name>kv::AnalysisWindow</name>
    <message>
        <source>Analyse</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Analyse en cours : %v / %m positions</source>
        <translation>Análisis en curso: %v / %m posiciones</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Editer analyse</source>
        <translation>Editar análisis</translation>
    </message>
    <message>
        <source>Imprimer analyse</source>
        <translation>Imprimir análisis</translation>
    </message>
    <message>
        <source>Fin analyse</source>
        <translation>Fin del análisis</translation>
    </message>
    <message>
        <source>Texte (*.txt);;Tous les fichiers (*)</source>
        <translation>Texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer</source>
        <translation>No se puede imprimir</translation>
    </message>
</context>
<context>
    <name>kv::Board3DWidget</name>
    <message>
        <source>%1 (%2 x %3 au lieu de %4 x %5)</source>
        <translation>%1 (%2 x %3 en lugar de %4 x %5)</translation>
    </message>
    <message>
        <source> (et %1 autres)</source>
        <translation> (y %1 más)</translation>
    </message>
</context>
<context>
    <name>kv::BoardViews</name>
    <message>
        <source>Classique</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Luxe</source>
        <translation>Lujo</translation>
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
        <translation>Gran lujo</translation>
    </message>
    <message>
        <source>Salvador da Bahia</source>
        <translation>Salvador da Bahia</translation>
    </message>
    <message>
        <source>Damier 2D jaune</source>
        <translation>Tablero 2D amarillo</translation>
    </message>
    <message>
        <source>Nature morte à la règle du jeu</source>
        <translation>Naturaleza muerta con las reglas del juego</translation>
    </message>
    <message>
        <source>Le damier « %1 » n&apos;est pas disponible : il manque %2.</source>
        <translation>El tablero «%1» no está disponible: falta %2.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Reprendre la dernière partie</source>
        <translation>Reanudar la última partida</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>Korvelan, le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Korvelan, damas en el tablero de 8 x 8 contra el ordenador o un amigo.</translation>
    </message>
    <message>
        <source>Démarrer dans la langue CODE : %1.</source>
        <translation>Iniciar en el idioma CODE: %1.</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>[FICHIER]</source>
        <translation>[ARCHIVO]</translation>
    </message>
    <message>
        <source>Une partie à ouvrir : une partie Korvelan (.dam), un texte ou un PDN.</source>
        <translation>Una partida para abrir: una partida Korvelan (.dam), un texto o un PDN.</translation>
    </message>
    <message>
        <source>Les options sont décrites par korvelan --help.</source>
        <translation>korvelan --help describe las opciones.</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » (les langues : %2)</source>
        <translation>idioma desconocido «%1» (los idiomas: %2)</translation>
    </message>
    <message>
        <source>un seul fichier à la fois</source>
        <translation>un solo archivo a la vez</translation>
    </message>
</context>
<context>
    <name>kv::CustomLevelPanel</name>
    <message>
        <source>30 coups en :</source>
        <translation>30 jugadas en :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>Se espera un número entero de minutos, de 1 a %1.</translation>
    </message>
</context>
<context>
    <name>kv::DrawOfferPanel</name>
    <message>
        <source>Korvelan propose le match nul</source>
        <translation>Korvelan propone tablas</translation>
    </message>
    <message>
        <source>Appuyez sur OK pour accepter</source>
        <translation>Pulse OK para aceptar</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Tablas rechazadas</translation>
    </message>
</context>
<context>
    <name>kv::EngineOptions</name>
    <message>
        <source>Modifier les paramètres</source>
        <translation>Modificar los parámetros</translation>
    </message>
    <message>
        <source>Sauver les paramètres</source>
        <translation>Guardar los parámetros</translation>
    </message>
    <message>
        <source>Charger des paramètres</source>
        <translation>Cargar parámetros</translation>
    </message>
    <message>
        <source>Taille des tables de transposition</source>
        <translation>Tamaño de las tablas de transposición</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
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
        <translation>Parámetros (*.par)</translation>
    </message>
</context>
<context>
    <name>kv::EvaluationGraph</name>
    <message>
        <source>Évaluation (côté blanc) ; cliquez pour voir la position</source>
        <translation>Evaluación (lado blanco); haga clic para ver la posición</translation>
    </message>
</context>
<context>
    <name>kv::GameChoiceDialog</name>
    <message>
        <source>Choisir une partie</source>
        <translation>Elegir una partida</translation>
    </message>
    <message>
        <source>Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?</source>
        <translation>Este archivo contiene %1 partidas. ¿Cuál hay que abrir?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Numéro ou nom à chercher</source>
        <translation>Número o nombre a buscar</translation>
    </message>
    <message>
        <source>Seules les %1 premières parties trouvées sont montrées.</source>
        <translation>Solo se muestran las %1 primeras partidas encontradas.</translation>
    </message>
</context>
<context>
    <name>kv::GameController</name>
    <message>
        <source>Match nul !</source>
        <translation>¡Tablas!</translation>
    </message>
    <message>
        <source>Match nul par répétition !</source>
        <translation>¡Tablas por repetición!</translation>
    </message>
    <message>
        <source>Temps dépassé, gain KORVELAN</source>
        <translation>Tiempo agotado, gana KORVELAN</translation>
    </message>
    <message>
        <source>Temps dépassé, vous gagnez</source>
        <translation>Tiempo agotado, usted gana</translation>
    </message>
    <message>
        <source>Vous abandonnez, gain KORVELAN</source>
        <translation>Usted abandona, gana KORVELAN</translation>
    </message>
    <message>
        <source>Gain des blancs</source>
        <translation>Ganan las blancas</translation>
    </message>
    <message>
        <source>Gain des noirs</source>
        <translation>Ganan las negras</translation>
    </message>
    <message>
        <source>Bravo, vous avez gagné</source>
        <translation>Enhorabuena, ha ganado</translation>
    </message>
    <message>
        <source>Désolé, KORVELAN a gagné</source>
        <translation>Lo siento, KORVELAN ha ganado</translation>
    </message>
    <message>
        <source> gagne</source>
        <translation> gana</translation>
    </message>
    <message>
        <source>Placez au moins une pièce blanche.</source>
        <translation>Coloque al menos una ficha blanca.</translation>
    </message>
    <message>
        <source>Placez au moins une pièce noire.</source>
        <translation>Coloque al menos una ficha negra.</translation>
    </message>
    <message>
        <source>Un pion sur sa ligne de promotion doit être une dame.</source>
        <translation>Un peón en su fila de coronación debe ser una dama.</translation>
    </message>
    <message>
        <source>Le camp qui a le trait ne peut pas jouer.</source>
        <translation>El bando que tiene el turno no puede jugar.</translation>
    </message>
</context>
<context>
    <name>kv::GameEndPanel</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>Nueva partida</translation>
    </message>
</context>
<context>
    <name>kv::GameExchange</name>
    <message>
        <source>Créer un fichier texte</source>
        <translation>Crear archivo de texto</translation>
    </message>
    <message>
        <source>Ouvrir un fichier texte</source>
        <translation>Abrir archivo de texto</translation>
    </message>
    <message>
        <source>Copier la partie (PDN)</source>
        <translation>Copiar partida (PDN)</translation>
    </message>
    <message>
        <source>Copier la position (FEN)</source>
        <translation>Copiar posición (FEN)</translation>
    </message>
    <message>
        <source>Coller une partie ou une position</source>
        <translation>Pegar partida o posición</translation>
    </message>
    <message>
        <source>Editer l&apos;image (fichier Bitmap)</source>
        <translation>Editar imagen (archivo Bitmap)</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)</source>
        <translation>Archivos de texto (*.txt);;Archivos de comentarios (*.damt);;Partidas PDN (*.pdn)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Partie écrite dans %1</source>
        <translation>Partida escrita en %1</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)</source>
        <translation>Archivos de texto (*.txt);;Documentos (*.doc);;Partidas PDN (*.pdn);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Seul le début du fichier a été lu.</source>
        <translation>Solo se leyó el principio del archivo.</translation>
    </message>
    <message>
        <source>Ce texte ne contient aucune partie</source>
        <translation>Este texto no contiene ninguna partida</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.</source>
        <translation>El archivo no dice a qué juego se juega: la partida se lee con nuestras reglas.</translation>
    </message>
    <message>
        <source>Demi-coups illisibles ou illégaux ignorés : %1</source>
        <translation>Medias jugadas ilegibles o ilegales omitidas: %1</translation>
    </message>
    <message>
        <source>La partie est coupée au coup %1 : le record est plein.</source>
        <translation>La partida se corta en la media jugada %1: el registro está lleno.</translation>
    </message>
    <message>
        <source>Partie copiée (PDN)</source>
        <translation>Partida copiada (PDN)</translation>
    </message>
    <message>
        <source>Position copiée (FEN)</source>
        <translation>Posición copiada (FEN)</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient ni partie ni position</source>
        <translation>El portapapeles no contiene partida ni posición</translation>
    </message>
    <message>
        <source>Cette position n&apos;est pas valable : %1</source>
        <translation>Esta posición no es válida: %1</translation>
    </message>
    <message>
        <source>Image écrite dans %1</source>
        <translation>Imagen escrita en %1</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée sur cet ordinateur.
La partie peut être imprimée dans un fichier PDF.</source>
        <translation>No hay ninguna impresora instalada en este ordenador.
La partida puede imprimirse en un archivo PDF.</translation>
    </message>
    <message>
        <source>Fichier PDF...</source>
        <translation>Archivo PDF...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF</source>
        <translation>Imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Image Bitmap (*.bmp);;Image PNG (*.png)</source>
        <translation>Imagen Bitmap (*.bmp);;Imagen PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>kv::GameFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une partie Korvelan, ou elle est endommagée (%1).</source>
        <translation>No es una partida de Korvelan, o está dañada (%1).</translation>
    </message>
    <message>
        <source>Sauver la partie</source>
        <translation>Guardar la partida</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam)</source>
        <translation>Archivos Korvelan (*.dam)</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Abrir una partida</translation>
    </message>
</context>
<context>
    <name>kv::HelpMenu</name>
    <message>
        <source>Aide</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Korvelan 3D Analyse</source>
        <translation>Korvelan 3D Analyse</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versión 7.00</translation>
    </message>
    <message>
        <source>Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, les pions ne prennent qu&apos;en avant.

Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques d&apos;ouvertures, tables de finales et positions apprises.

Écrit par l&apos;équipe Korvelan.</source>
        <translation>Damas en 64 casillas: captura obligatoria de la mayoría, damas voladoras, los peones solo capturan hacia adelante.

Un motor de búsqueda alfa-beta con tabla de transposición, bibliotecas de aperturas, tablas de finales y posiciones aprendidas.

Escrito por el equipo Korvelan.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kv::HelpWindow</name>
    <message>
        <source>Aide de Korvelan</source>
        <translation>Ayuda de Korvelan</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Aide introuvable</source>
        <translation>Ayuda no encontrada</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>0 : Néophyte</source>
        <translation>0 : Neófito</translation>
    </message>
    <message>
        <source>1 : Débutant</source>
        <translation>1 : Principiante</translation>
    </message>
    <message>
        <source>2 : Amateur</source>
        <translation>2 : Aficionado</translation>
    </message>
    <message>
        <source>3 : Promotion</source>
        <translation>3 : Promoción</translation>
    </message>
    <message>
        <source>4 : Honneur</source>
        <translation>4 : Honor</translation>
    </message>
    <message>
        <source>5 : Excellence</source>
        <translation>5 : Excelencia</translation>
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
        <translation>8 : Gran Maestro Internacional</translation>
    </message>
    <message>
        <source>1 : 30 coups en 3 mn</source>
        <translation>1: 30 jugadas en 3 min</translation>
    </message>
    <message>
        <source>2 : 30 coups en 5 mn</source>
        <translation>2: 30 jugadas en 5 min</translation>
    </message>
    <message>
        <source>3 : 30 coups en 10 mn</source>
        <translation>3: 30 jugadas en 10 min</translation>
    </message>
    <message>
        <source>4 : 30 coups en 30 mn</source>
        <translation>4: 30 jugadas en 30 min</translation>
    </message>
    <message>
        <source>5 : 30 coups en 1 h</source>
        <translation>5: 30 jugadas en 1 h</translation>
    </message>
    <message>
        <source>6 : 30 coups en 2 h</source>
        <translation>6: 30 jugadas en 2 h</translation>
    </message>
    <message>
        <source>7 : long, long</source>
        <translation>7: largo, largo</translation>
    </message>
    <message>
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, el juego</translation>
    </message>
    <message>
        <source>Coups écrits dans %1</source>
        <translation>Jugadas escritas en %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>Tablero 2D</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Humano contra humano</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Ordenador contra ordenador</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Reprendre coups</source>
        <translation>Volver jugadas</translation>
    </message>
    <message>
        <source>Avancer coups</source>
        <translation>Avanzar jugadas</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Volver al principio</translation>
    </message>
    <message>
        <source>Aller à la fin</source>
        <translation>Ir al final</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Inverser damier</source>
        <translation>Invertir tablero</translation>
    </message>
    <message>
        <source>Joueurs</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Inverser les joueurs</source>
        <translation>Invertir los jugadores</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Spécial</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Numéroter les cases</source>
        <translation>Numerar las casillas</translation>
    </message>
    <message>
        <source>Arrêt du calcul</source>
        <translation>Detener el cálculo</translation>
    </message>
    <message>
        <source>Horloges à zéro</source>
        <translation>Relojes a cero</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Réflexion sur temps adverse</source>
        <translation>Pensar en el tiempo del adversario</translation>
    </message>
    <message>
        <source>Arrêt réflexion par clic souris</source>
        <translation>Detener el cálculo con un clic</translation>
    </message>
    <message>
        <source>Indication des mouvements</source>
        <translation>Indicar los movimientos</translation>
    </message>
    <message>
        <source>Décomposer les prises</source>
        <translation>Descomponer las capturas</translation>
    </message>
    <message>
        <source>Jeu en aveugle</source>
        <translation>Juego a ciegas</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Bip à chaque coup</source>
        <translation>Pitido en cada jugada</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Entraînement</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Reculer d&apos;un coup</source>
        <translation>Retroceder una jugada</translation>
    </message>
    <message>
        <source>Avancer d&apos;un coup</source>
        <translation>Avanzar una jugada</translation>
    </message>
    <message>
        <source>Inverser le damier</source>
        <translation>Invertir el tablero</translation>
    </message>
    <message>
        <source>Coups joués</source>
        <translation>Movimientos jugados</translation>
    </message>
    <message>
        <source>Arrêter le calcul</source>
        <translation>Detener el cálculo</translation>
    </message>
    <message>
        <source>Editer meilleurs coups</source>
        <translation>Editar mejores jugadas</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>Proposer nul</source>
        <translation>Proponer tablas</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>majoritaire</source>
        <translation>mayoritaria</translation>
    </message>
    <message>
        <source>obligatoire</source>
        <translation>obligatoria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>¡Vaya! No era eso lo que quería jugar.</translation>
    </message>
    <message>
        <source>KORVELAN</source>
        <translation>KORVELAN</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versión 7.00</translation>
    </message>
    <message>
        <source>Le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>El juego de damas en 64 casillas, contra el ordenador o entre amigos.</translation>
    </message>
    <message>
        <source>Programme, moteur de jeu, tables de finales et images : l&apos;équipe Korvelan.</source>
        <translation>Programa, motor de juego, tablas de finales e imágenes: el equipo Korvelan.</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Faltan imágenes: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> (blancs)</source>
        <translation> (blancas)</translation>
    </message>
    <message>
        <source> (noirs)</source>
        <translation> (negras)</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Ordenador negras</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Ordenador blancas</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Bl.:Arriba-&gt;Abajo</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Bl.:Abajo-&gt;Arriba</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Jugadas: %1</translation>
    </message>
    <message>
        <source>Partie terminée</source>
        <translation>Fin de partida</translation>
    </message>
    <message>
        <source>Trait aux blancs</source>
        <translation>Juegan blancas</translation>
    </message>
    <message>
        <source>Trait aux noirs</source>
        <translation>Juegan negras</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Profondeur</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Noeuds/s</source>
        <translation>Nodos/s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Coups</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Le fichier a été mis de côté sous le nom %1.</source>
        <translation>El archivo se ha guardado aparte con el nombre %1.</translation>
    </message>
    <message>
        <source>Abandonner la partie ?</source>
        <translation>¿Abandonar la partida?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous quittez maintenant, il s&apos;arrête sans être classé. Quitter quand même ?</source>
        <translation>Hay una partida puntuable en curso: si sale ahora, termina sin puntuar. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous fermez la fenêtre, il s&apos;arrête sans être classé. Fermer quand même ?</source>
        <translation>Hay una partida puntuable en curso: si cierra la ventana, termina sin puntuar. ¿Cerrar de todos modos?</translation>
    </message>
    <message>
        <source>Korvelan</source>
        <translation>Korvelan</translation>
    </message>
    <message>
        <source>Un match classé est en cours : une nouvelle partie l&apos;arrêtera sans qu&apos;il soit classé. Continuer ?</source>
        <translation>Hay una partida puntuable en curso: una nueva partida la terminará sin puntuar. ¿Continuar?</translation>
    </message>
    <message>
        <source>Notation alphabétique</source>
        <translation>Notación alfabética</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>pieza</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Coup unique joué d&apos;un clic</source>
        <translation>Jugada única con un clic</translation>
    </message>
    <message>
        <source>Conseil : les damiers demandent une fenêtre d&apos;au moins 800 x 580 points ; l&apos;aide (menu Aide) explique les règles et chaque menu.</source>
        <translation>Consejo: los tableros necesitan una ventana de al menos 800 x 580 puntos; la ayuda (menú Ayuda) explica las reglas y cada menú.</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>piezas</translation>
    </message>
</context>
<context>
    <name>kv::NewGamePanel</name>
    <message>
        <source>Joueur :</source>
        <translation>Jugador :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Color de Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>Entrainement</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>Jugador blanco :</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Jugador negro :</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Humano contra humano</translation>
    </message>
</context>
<context>
    <name>kv::OpeningEditor</name>
    <message>
        <source>Ouvertures (Blancs)</source>
        <translation>Aperturas (Blancas)</translation>
    </message>
    <message>
        <source>Ouvertures (Noirs)</source>
        <translation>Aperturas (Negras)</translation>
    </message>
    <message>
        <source>Nouvelle_Ouverture</source>
        <translation>Nueva_Apertura</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Ajouter l&apos;ouverture ci-dessus dans la liste ci-dessous</source>
        <translation>Añadir la apertura de arriba a la lista de abajo</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Effacer l&apos;ouverture ci-dessus (et la même dessous)</source>
        <translation>Borrar la apertura de arriba (y la misma de abajo)</translation>
    </message>
    <message>
        <source>Construire et enregistrer</source>
        <translation>Construir y guardar</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aperturas para las blancas</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aperturas para las negras</translation>
    </message>
</context>
<context>
    <name>kv::OpeningMenu</name>
    <message>
        <source>Paramétrage</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Bibliothèques actives</source>
        <translation>Bibliotecas activas</translation>
    </message>
    <message>
        <source>Changer bibliothèque ouverture</source>
        <translation>Cambiar la biblioteca de aperturas</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aperturas para las blancas</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aperturas para las negras</translation>
    </message>
    <message>
        <source>Fichiers d&apos;ouvertures (*.ovv)</source>
        <translation>Archivos de aperturas (*.ovv)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Les ouvertures ne sont pas disponibles, l&apos;ordinateur calculera tous ses coups.</source>
        <translation>Las bibliotecas de aperturas no están disponibles; el ordenador calculará todas sus jugadas.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la bibliothèque</source>
        <translation>No se puede guardar la biblioteca</translation>
    </message>
</context>
<context>
    <name>kv::ParameterEditor</name>
    <message>
        <source>Début par défaut</source>
        <translation>Apertura (por defecto)</translation>
    </message>
    <message>
        <source>Milieu par défaut</source>
        <translation>Medio juego (por defecto)</translation>
    </message>
    <message>
        <source>Préfinale par défaut</source>
        <translation>Prefinal (por defecto)</translation>
    </message>
    <message>
        <source>Finale par défaut</source>
        <translation>Final (por defecto)</translation>
    </message>
    <message>
        <source>Début variante type 1 : </source>
        <translation>Apertura, variante tipo 1: </translation>
    </message>
    <message>
        <source>Milieu variante type 1 : </source>
        <translation>Medio juego, variante tipo 1: </translation>
    </message>
    <message>
        <source>Début variante type 2 : </source>
        <translation>Apertura, variante tipo 2: </translation>
    </message>
    <message>
        <source>Milieu variante type 2 : </source>
        <translation>Medio juego, variante tipo 2: </translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Toutes les valeurs des tableaux sont en 1/200e de pion</source>
        <translation>Todos los valores de las tablas están en 1/200 de peón</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Temps d&apos;avance =</source>
        <translation>Tiempo de avance =</translation>
    </message>
    <message>
        <source>/200 de pion</source>
        <translation>/200 de peón</translation>
    </message>
    <message>
        <source>Début de partie : + de</source>
        <translation>Apertura: más de</translation>
    </message>
    <message>
        <source>Milieu de partie : + de</source>
        <translation>Medio juego: más de</translation>
    </message>
    <message>
        <source>Préfinale : + de</source>
        <translation>Prefinal: más de</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>piezas</translation>
    </message>
    <message>
        <source>Finale : (le reste)</source>
        <translation>Final: (el resto)</translation>
    </message>
    <message>
        <source>cases possiblement blanches</source>
        <translation>casillas posiblemente blancas</translation>
    </message>
    <message>
        <source>cases possiblement noires</source>
        <translation>casillas posiblemente negras</translation>
    </message>
    <message>
        <source>Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 1 si se cumplen 8 de las 14 condiciones siguientes:</translation>
    </message>
    <message>
        <source>Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 2 si se cumplen 8 de las 14 condiciones siguientes:</translation>
    </message>
    <message>
        <source>Un nombre entier de %1 à %2</source>
        <translation>Un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>« %1 » refusé : %2.</source>
        <translation>«%1» rechazado: %2.</translation>
    </message>
</context>
<context>
    <name>kv::PlayStatusLine</name>
    <message>
        <source>Korvelan réfléchit… profondeur %1</source>
        <translation>Korvelan está pensando… profundidad %1</translation>
    </message>
    <message>
        <source>Korvelan réfléchit…</source>
        <translation>Korvelan está pensando…</translation>
    </message>
    <message>
        <source>Partie terminée : %1</source>
        <translation>Fin de partida: %1</translation>
    </message>
    <message>
        <source>Horloges en pause</source>
        <translation>Relojes en pausa</translation>
    </message>
</context>
<context>
    <name>kv::PlayerNames</name>
    <message>
        <source>Inconnu</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>kv::PlayersPanel</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Le registre réparé n&apos;a pas pu être enregistré : %1</source>
        <translation>No se pudo guardar el registro reparado: %1</translation>
    </message>
    <message>
        <source>Le registre des joueurs a été réparé :</source>
        <translation>El registro de jugadores se ha reparado:</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le joueur</source>
        <translation>No se puede guardar el jugador</translation>
    </message>
    <message>
        <source>La liste des joueurs a changé : choisissez à nouveau le joueur à effacer.</source>
        <translation>La lista de jugadores ha cambiado: elija de nuevo el jugador a borrar.</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer le joueur</source>
        <translation>No se puede borrar el jugador</translation>
    </message>
    <message>
        <source> passe de %1 à %2</source>
        <translation> pasa de %1 a %2</translation>
    </message>
    <message>
        <source>Les nouveaux points n&apos;ont pas pu être enregistrés : %1</source>
        <translation>No se pudieron guardar los nuevos puntos: %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas inscrit : ses points ne sont pas gardés (Joueurs &gt; Nouveau joueur).</source>
        <translation>%1 no está inscrito: sus puntos no se guardan (Jugadores &gt; Nuevo jugador).</translation>
    </message>
    <message>
        <source>%1 n&apos;est plus dans la liste des joueurs : ses points ne sont pas enregistrés.</source>
        <translation>%1 ya no está en la lista de jugadores: sus puntos no se guardan.</translation>
    </message>
    <message>
        <source>L&apos;historique des parties ne peut pas être lu : %1.</source>
        <translation>No se puede leer el historial de partidas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) de l&apos;historique sont ignorées.</source>
        <translation>
            <numerusform>Se ignora %n línea ilegible del historial.</numerusform>
            <numerusform>Se ignoran %n líneas ilegibles del historial.</numerusform>
        </translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Jugador :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Color de Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>Ramener Korvelan à 2050</source>
        <translation>Devolver Korvelan a 2050</translation>
    </message>
    <message>
        <source>Match </source>
        <translation>Partida </translation>
    </message>
    <message>
        <source>Nom du joueur :</source>
        <translation>Nombre del jugador :</translation>
    </message>
    <message>
        <source>Capital points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>1600 (l&apos;ordinateur vous laisse le double de son temps)</source>
        <translation>1600 (el ordenador le da el doble de su tiempo)</translation>
    </message>
    <message>
        <source>1700 (l&apos;ordinateur vous laisse voir sa réflexion)</source>
        <translation>1700 (el ordenador le deja ver lo que piensa)</translation>
    </message>
    <message>
        <source>1800 (l&apos;ordinateur ne vous fait pas de cadeau)</source>
        <translation>1800 (el ordenador no le regala nada)</translation>
    </message>
    <message>
        <source>Joueur à effacer :</source>
        <translation>Jugador a borrar :</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>Blancas:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Negras:</translation>
    </message>
    <message>
        <source>Nouveau joueur</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>Effacer un joueur</source>
        <translation>Borrar un jugador</translation>
    </message>
    <message>
        <source>Changer les noms</source>
        <translation>Cambiar los nombres</translation>
    </message>
    <message>
        <source>Liste des joueurs</source>
        <translation>Lista de jugadores</translation>
    </message>
</context>
<context>
    <name>kv::PlayersWindow</name>
    <message>
        <source>Joueurs</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Nulles</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Adversario</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Choisissez un joueur pour voir ses parties classées.</source>
        <translation>Elija un jugador para ver sus partidas puntuables.</translation>
    </message>
    <message>
        <source>Nulle</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Gagnée</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Perdue</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Parties classées de %1 :</source>
        <translation>Partidas puntuables de %1:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas encore joué de partie classée.</source>
        <translation>%1 todavía no ha jugado ninguna partida puntuable.</translation>
    </message>
</context>
<context>
    <name>kv::Printout</name>
    <message>
        <source>Position finale</source>
        <translation>Posición final</translation>
    </message>
    <message>
        <source>Autre : 30 coups en %1 mn</source>
        <translation>Otro: 30 jugadas en %1 min</translation>
    </message>
    <message>
        <source>partie en cours</source>
        <translation>partida en curso</translation>
    </message>
    <message>
        <source>Résultat : %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Niveau : %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Position au coup %1</source>
        <translation>Posición en la jugada %1</translation>
    </message>
</context>
<context>
    <name>kv::TrainingPanel</name>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>Archivos Korvelan (*.dam *.DAM)</translation>
    </message>
    <message>
        <source>Leçons, exercices et problèmes</source>
        <translation>Lecciones, ejercicios y problemas</translation>
    </message>
    <message>
        <source>Apprendre la position</source>
        <translation>Aprender la posición</translation>
    </message>
    <message>
        <source>Charger des leçons</source>
        <translation>Cargar lecciones</translation>
    </message>
    <message>
        <source>Lancer une session</source>
        <translation>Iniciar una sesión</translation>
    </message>
    <message>
        <source>Arrêter la session</source>
        <translation>Detener la sesión</translation>
    </message>
    <message>
        <source>Revoir coup</source>
        <translation>Repetir jugada</translation>
    </message>
    <message>
        <source>Suivant -&gt;</source>
        <translation>Siguiente -&gt;</translation>
    </message>
    <message>
        <source>Apprendre ?</source>
        <translation>¿Aprender?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>No se puede abrir este archivo</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Nada que aprender: hace falta una partida analizada de más de 20 jugadas, con material casi igual.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Débuter une analyse</source>
        <translation>Iniciar un análisis</translation>
    </message>
    <message>
        <source>Arrêter cette phase</source>
        <translation>Detener esta fase</translation>
    </message>
    <message>
        <source>Terminer l&apos;analyse</source>
        <translation>Terminar el análisis</translation>
    </message>
    <message>
        <source>Installer une position</source>
        <translation>Colocar una posición</translation>
    </message>
    <message>
        <source>PLACEZ LES PIONS</source>
        <translation>COLOQUE LAS FICHAS</translation>
    </message>
    <message>
        <source>Vider le damier</source>
        <translation>Vaciar el tablero</translation>
    </message>
    <message>
        <source>Remplir le damier</source>
        <translation>Llenar el tablero</translation>
    </message>
    <message>
        <source>Jouer cette position</source>
        <translation>Jugar esta posición</translation>
    </message>
    <message>
        <source>Ordinateur joue</source>
        <translation>Turno del ordenador</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Turno del jugador</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Ordenador negras</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Ordenador blancas</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Bl.:Arriba-&gt;Abajo</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Bl.:Abajo-&gt;Arriba</translation>
    </message>
    <message>
        <source>Eval stat blancs:%1</source>
        <translation>Eval. est. blancas:%1</translation>
    </message>
    <message>
        <source>Eval stat noirs:%1</source>
        <translation>Eval. est. negras:%1</translation>
    </message>
    <message>
        <source>Korvelan retient la position finale de la partie et le score que l&apos;analyse lui donne : il en tiendra compte dans ses prochaines recherches. La leçon est enregistrée dans un fichier.</source>
        <translation>Korvelan recuerda la posición final de la partida con la puntuación que le da el análisis, y la tendrá en cuenta en sus próximas búsquedas. La lección se guarda en un archivo.</translation>
    </message>
    <message>
        <source>À vous de jouer : trouvez le premier coup.</source>
        <translation>Le toca: encuentre la primera jugada.</translation>
    </message>
    <message>
        <source>Bon premier coup ! Continuez jusqu&apos;au but.</source>
        <translation>¡Buena primera jugada! Siga hasta el objetivo.</translation>
    </message>
    <message>
        <source>Problème résolu ! Solution : %1</source>
        <translation>¡Problema resuelto! Solución: %1</translation>
    </message>
    <message>
        <source>Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)</source>
        <translation>Problema fallado. Solución: %1 («Repetir jugada» para volver a intentarlo)</translation>
    </message>
    <message>
        <source>Éditeur</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Leçons (*.dal *.DAL)</source>
        <translation>Lecciones (*.dal *.DAL)</translation>
    </message>
</context>
</TS>
