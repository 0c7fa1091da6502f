<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="fr">
<context>
    <name>ExchangeRefusal</name>
    <message>
        <source>le fichier ne contient pas cette partie</source>
        <translation>o arquivo não contém esta partida</translation>
    </message>
    <message>
        <source>un commentaire, une variante ou une étiquette est mal fermé</source>
        <translation>um comentário, uma variante ou uma etiqueta está mal fechado</translation>
    </message>
    <message>
        <source>c&apos;est une partie d&apos;une autre variante de dames</source>
        <translation>é uma partida de outra variante de damas</translation>
    </message>
    <message>
        <source>la position de départ ne peut pas être lue</source>
        <translation>a posição inicial não pode ser lida</translation>
    </message>
    <message>
        <source>un coup ne peut pas être lu</source>
        <translation>um lance não pode ser lido</translation>
    </message>
    <message>
        <source>un coup n&apos;est pas légal dans la position atteinte</source>
        <translation>um lance não é legal na posição alcançada</translation>
    </message>
    <message>
        <source>une prise peut se lire de plusieurs façons</source>
        <translation>uma captura pode ser lida de várias maneiras</translation>
    </message>
    <message>
        <source>Partie %1, ligne %2 : %3.</source>
        <translation>Partida %1, linha %2: %3.</translation>
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
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>le fichier est trop grand pour être une liste de joueurs</source>
        <translation>o arquivo é grande demais para ser uma lista de jogadores</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>« points.dat » n&apos;avait pas de ligne pour %1 : %2 points lui sont donnés.</source>
        <translation>«points.dat» não tinha linha para %1: recebe %2 pontos.</translation>
    </message>
    <message>
        <source>« points.dat », ligne %1 : « %2 » n&apos;est pas un nombre de points ; %3 points sont pris à la place.</source>
        <translation>«points.dat», linha %1: «%2» não é um número de pontos; usam-se %3 pontos.</translation>
    </message>
    <message>
        <source>« points.dat » avait des lignes au-delà du dernier joueur, à partir de la ligne %1 : elles sont retirées.</source>
        <translation>«points.dat» tinha linhas além do último jogador, a partir da linha %1: foram retiradas.</translation>
    </message>
    <message>
        <source>« joueurs.dat » était vide : Korvelan y est remis en première ligne.</source>
        <translation>«joueurs.dat» estava vazio: Korvelan volta à primeira linha.</translation>
    </message>
    <message>
        <source>Donnez un nom.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>Un nom tient sur une ligne : pas de retour à la ligne.</source>
        <translation>Um nome cabe numa linha: sem quebras de linha.</translation>
    </message>
    <message>
        <source>Un nom ne peut pas contenir de tabulation ni de caractère de commande.</source>
        <translation>Um nome não pode conter tabulação nem caractere de controle.</translation>
    </message>
    <message>
        <source>Ce nom est trop long : %1 octets au plus.</source>
        <translation>Este nome é longo demais: no máximo %1 bytes.</translation>
    </message>
    <message>
        <source>Ce nom ne peut pas être enregistré.</source>
        <translation>Este nome não pode ser salvo.</translation>
    </message>
</context>
<context>
    <name>kv::AnalysisWindow</name>
    <message>
        <source>Analyse</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Analyse en cours : %v / %m positions</source>
        <translation>Análise em curso: %v / %m posições</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Editer analyse</source>
        <translation>Editar análise</translation>
    </message>
    <message>
        <source>Imprimer analyse</source>
        <translation>Imprimir análise</translation>
    </message>
    <message>
        <source>Fin analyse</source>
        <translation>Fim da análise</translation>
    </message>
    <message>
        <source>Texte (*.txt);;Tous les fichiers (*)</source>
        <translation>Texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Impossible d&apos;imprimer</source>
        <translation>Impossível imprimir</translation>
    </message>
</context>
<context>
    <name>kv::Board3DWidget</name>
    <message>
        <source>%1 (%2 x %3 au lieu de %4 x %5)</source>
        <translation>%1 (%2 x %3 em vez de %4 x %5)</translation>
    </message>
    <message>
        <source> (et %1 autres)</source>
        <translation> (e mais %1)</translation>
    </message>
</context>
<context>
    <name>kv::BoardViews</name>
    <message>
        <source>Classique</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Nuit</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Luxe</source>
        <translation>Luxo</translation>
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
        <translation>Grande luxo</translation>
    </message>
    <message>
        <source>Salvador da Bahia</source>
        <translation>Salvador da Bahia</translation>
    </message>
    <message>
        <source>Damier 2D jaune</source>
        <translation>Tabuleiro 2D amarelo</translation>
    </message>
    <message>
        <source>Nature morte à la règle du jeu</source>
        <translation>Natureza-morta com as regras do jogo</translation>
    </message>
    <message>
        <source>Le damier « %1 » n&apos;est pas disponible : il manque %2.</source>
        <translation>O tabuleiro «%1» não está disponível: falta %2.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Reprendre la dernière partie</source>
        <translation>Retomar a última partida</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>Korvelan, le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>Korvelan, damas no tabuleiro 8 x 8 contra o computador ou um amigo.</translation>
    </message>
    <message>
        <source>Démarrer dans la langue CODE : %1.</source>
        <translation>Iniciar no idioma CODE: %1.</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>[FICHIER]</source>
        <translation>[ARQUIVO]</translation>
    </message>
    <message>
        <source>Une partie à ouvrir : une partie Korvelan (.dam), un texte ou un PDN.</source>
        <translation>Uma partida para abrir: uma partida Korvelan (.dam), um texto ou um PDN.</translation>
    </message>
    <message>
        <source>Les options sont décrites par korvelan --help.</source>
        <translation>korvelan --help descreve as opções.</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » (les langues : %2)</source>
        <translation>idioma desconhecido “%1” (os idiomas: %2)</translation>
    </message>
    <message>
        <source>un seul fichier à la fois</source>
        <translation>um arquivo de cada vez</translation>
    </message>
</context>
<context>
    <name>kv::CustomLevelPanel</name>
    <message>
        <source>30 coups en :</source>
        <translation>30 lances em :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Nombre entier de minutes attendu, de 1 à %1.</source>
        <translation>Espera-se um número inteiro de minutos, de 1 a %1.</translation>
    </message>
</context>
<context>
    <name>kv::DrawOfferPanel</name>
    <message>
        <source>Korvelan propose le match nul</source>
        <translation>Korvelan propõe o empate</translation>
    </message>
    <message>
        <source>Appuyez sur OK pour accepter</source>
        <translation>Pressione OK para aceitar</translation>
    </message>
    <message>
        <source>Nul refusé</source>
        <translation>Empate recusado</translation>
    </message>
</context>
<context>
    <name>kv::EngineOptions</name>
    <message>
        <source>Modifier les paramètres</source>
        <translation>Modificar os parâmetros</translation>
    </message>
    <message>
        <source>Sauver les paramètres</source>
        <translation>Salvar os parâmetros</translation>
    </message>
    <message>
        <source>Charger des paramètres</source>
        <translation>Carregar parâmetros</translation>
    </message>
    <message>
        <source>Taille des tables de transposition</source>
        <translation>Tamanho das tabelas de transposição</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
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
        <translation>Parâmetros (*.par)</translation>
    </message>
</context>
<context>
    <name>kv::EvaluationGraph</name>
    <message>
        <source>Évaluation (côté blanc) ; cliquez pour voir la position</source>
        <translation>Avaliação (lado das brancas); clique para ver a posição</translation>
    </message>
</context>
<context>
    <name>kv::GameChoiceDialog</name>
    <message>
        <source>Choisir une partie</source>
        <translation>Escolher uma partida</translation>
    </message>
    <message>
        <source>Ce fichier contient %1 parties. Laquelle faut-il ouvrir ?</source>
        <translation>Este arquivo contém %1 partidas. Qual deve ser aberta?</translation>
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
        <source>Numéro ou nom à chercher</source>
        <translation>Número ou nome a procurar</translation>
    </message>
    <message>
        <source>Seules les %1 premières parties trouvées sont montrées.</source>
        <translation>Só são mostradas as %1 primeiras partidas encontradas.</translation>
    </message>
</context>
<context>
    <name>kv::GameController</name>
    <message>
        <source>Match nul !</source>
        <translation>Empate!</translation>
    </message>
    <message>
        <source>Match nul par répétition !</source>
        <translation>Empate por repetição!</translation>
    </message>
    <message>
        <source>Temps dépassé, gain KORVELAN</source>
        <translation>Tempo esgotado, vitória do KORVELAN</translation>
    </message>
    <message>
        <source>Temps dépassé, vous gagnez</source>
        <translation>Tempo esgotado, você ganha</translation>
    </message>
    <message>
        <source>Vous abandonnez, gain KORVELAN</source>
        <translation>Você abandona, vitória do KORVELAN</translation>
    </message>
    <message>
        <source>Gain des blancs</source>
        <translation>Vitória das brancas</translation>
    </message>
    <message>
        <source>Gain des noirs</source>
        <translation>Vitória das pretas</translation>
    </message>
    <message>
        <source>Bravo, vous avez gagné</source>
        <translation>Parabéns, você ganhou</translation>
    </message>
    <message>
        <source>Désolé, KORVELAN a gagné</source>
        <translation>Lamento, KORVELAN ganhou</translation>
    </message>
    <message>
        <source> gagne</source>
        <translation> ganha</translation>
    </message>
    <message>
        <source>Placez au moins une pièce blanche.</source>
        <translation>Coloque pelo menos uma pedra branca.</translation>
    </message>
    <message>
        <source>Placez au moins une pièce noire.</source>
        <translation>Coloque pelo menos uma pedra preta.</translation>
    </message>
    <message>
        <source>Un pion sur sa ligne de promotion doit être une dame.</source>
        <translation>Uma pedra na sua linha de promoção deve ser uma dama.</translation>
    </message>
    <message>
        <source>Le camp qui a le trait ne peut pas jouer.</source>
        <translation>O lado que tem a vez não pode jogar.</translation>
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
        <translation>Nova partida</translation>
    </message>
</context>
<context>
    <name>kv::GameExchange</name>
    <message>
        <source>Créer un fichier texte</source>
        <translation>Criar arquivo de texto</translation>
    </message>
    <message>
        <source>Ouvrir un fichier texte</source>
        <translation>Abrir arquivo de texto</translation>
    </message>
    <message>
        <source>Copier la partie (PDN)</source>
        <translation>Copiar partida (PDN)</translation>
    </message>
    <message>
        <source>Copier la position (FEN)</source>
        <translation>Copiar posição (FEN)</translation>
    </message>
    <message>
        <source>Coller une partie ou une position</source>
        <translation>Colar partida ou posição</translation>
    </message>
    <message>
        <source>Editer l&apos;image (fichier Bitmap)</source>
        <translation>Editar imagem (arquivo Bitmap)</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Fichiers commentaires (*.damt);;Parties PDN (*.pdn)</source>
        <translation>Arquivos de texto (*.txt);;Arquivos de comentários (*.damt);;Partidas PDN (*.pdn)</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Partie écrite dans %1</source>
        <translation>Partida escrita em %1</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt);;Documents (*.doc);;Parties PDN (*.pdn);;Tous les fichiers (*)</source>
        <translation>Arquivos de texto (*.txt);;Documentos (*.doc);;Partidas PDN (*.pdn);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Seul le début du fichier a été lu.</source>
        <translation>Só o início do arquivo foi lido.</translation>
    </message>
    <message>
        <source>Ce texte ne contient aucune partie</source>
        <translation>Este texto não contém nenhuma partida</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas à quel jeu la partie se joue : elle est lue avec nos règles.</source>
        <translation>O arquivo não diz que jogo se joga: a partida é lida com as nossas regras.</translation>
    </message>
    <message>
        <source>Demi-coups illisibles ou illégaux ignorés : %1</source>
        <translation>Meios-lances ilegíveis ou ilegais ignorados: %1</translation>
    </message>
    <message>
        <source>La partie est coupée au coup %1 : le record est plein.</source>
        <translation>A partida é cortada no meio-lance %1: o registro está cheio.</translation>
    </message>
    <message>
        <source>Partie copiée (PDN)</source>
        <translation>Partida copiada (PDN)</translation>
    </message>
    <message>
        <source>Position copiée (FEN)</source>
        <translation>Posição copiada (FEN)</translation>
    </message>
    <message>
        <source>Le presse-papiers ne contient ni partie ni position</source>
        <translation>A área de transferência não contém partida nem posição</translation>
    </message>
    <message>
        <source>Cette position n&apos;est pas valable : %1</source>
        <translation>Esta posição não é válida: %1</translation>
    </message>
    <message>
        <source>Image écrite dans %1</source>
        <translation>Imagem escrita em %1</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée sur cet ordinateur.
La partie peut être imprimée dans un fichier PDF.</source>
        <translation>Não há nenhuma impressora instalada neste computador.
A partida pode ser impressa em um arquivo PDF.</translation>
    </message>
    <message>
        <source>Fichier PDF...</source>
        <translation>Arquivo PDF...</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF</source>
        <translation>Imprimir em um arquivo PDF</translation>
    </message>
    <message>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Image Bitmap (*.bmp);;Image PNG (*.png)</source>
        <translation>Imagem Bitmap (*.bmp);;Imagem PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>kv::GameFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas une partie Korvelan, ou elle est endommagée (%1).</source>
        <translation>Isto não é uma partida Korvelan, ou está danificada (%1).</translation>
    </message>
    <message>
        <source>Sauver la partie</source>
        <translation>Salvar a partida</translation>
    </message>
    <message>
        <source>Fichiers Korvelan (*.dam)</source>
        <translation>Arquivos Korvelan (*.dam)</translation>
    </message>
    <message>
        <source>Ouvrir une partie</source>
        <translation>Abrir uma partida</translation>
    </message>
</context>
<context>
    <name>kv::HelpMenu</name>
    <message>
        <source>Aide</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Korvelan 3D Analyse</source>
        <translation>Korvelan 3D Analyse</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versão 7.00</translation>
    </message>
    <message>
        <source>Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, les pions ne prennent qu&apos;en avant.

Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques d&apos;ouvertures, tables de finales et positions apprises.

Écrit par l&apos;équipe Korvelan.</source>
        <translation>Damas em 64 casas: captura obrigatória da maioria, damas voadoras, as pedras só capturam para a frente.

Um motor de busca alfa-beta com tabela de transposição, bibliotecas de aberturas, tabelas de finais e posições aprendidas.

Escrito pela equipe Korvelan.</translation>
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
        <translation>Ajuda do Korvelan</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Règles</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Aide introuvable</source>
        <translation>Ajuda não encontrada</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>0 : Néophyte</source>
        <translation>0 : Novato</translation>
    </message>
    <message>
        <source>1 : Débutant</source>
        <translation>1 : Iniciante</translation>
    </message>
    <message>
        <source>2 : Amateur</source>
        <translation>2 : Amador</translation>
    </message>
    <message>
        <source>3 : Promotion</source>
        <translation>3 : Promoção</translation>
    </message>
    <message>
        <source>4 : Honneur</source>
        <translation>4 : Honra</translation>
    </message>
    <message>
        <source>5 : Excellence</source>
        <translation>5 : Excelência</translation>
    </message>
    <message>
        <source>6 : Maître</source>
        <translation>6 : Mestre</translation>
    </message>
    <message>
        <source>7 : Grand Maître</source>
        <translation>7 : Grande Mestre</translation>
    </message>
    <message>
        <source>8 : Grand Maître International</source>
        <translation>8 : Grande Mestre Internacional</translation>
    </message>
    <message>
        <source>1 : 30 coups en 3 mn</source>
        <translation>1: 30 lances em 3 min</translation>
    </message>
    <message>
        <source>2 : 30 coups en 5 mn</source>
        <translation>2: 30 lances em 5 min</translation>
    </message>
    <message>
        <source>3 : 30 coups en 10 mn</source>
        <translation>3: 30 lances em 10 min</translation>
    </message>
    <message>
        <source>4 : 30 coups en 30 mn</source>
        <translation>4: 30 lances em 30 min</translation>
    </message>
    <message>
        <source>5 : 30 coups en 1 h</source>
        <translation>5: 30 lances em 1 h</translation>
    </message>
    <message>
        <source>6 : 30 coups en 2 h</source>
        <translation>6: 30 lances em 2 h</translation>
    </message>
    <message>
        <source>7 : long, long</source>
        <translation>7: longo, longo</translation>
    </message>
    <message>
        <source>Korvelan 3D, le jeu</source>
        <translation>Korvelan 3D, o jogo</translation>
    </message>
    <message>
        <source>Coups écrits dans %1</source>
        <translation>Lances escritos em %1</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Damier 2D</source>
        <translation>Tabuleiro 2D</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Humain contre humain</source>
        <translation>Humano contra humano</translation>
    </message>
    <message>
        <source>Ordinateur contre ordinateur</source>
        <translation>Computador contra computador</translation>
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
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Reprendre coups</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Avancer coups</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Aller à la fin</source>
        <translation>Ir para o fim</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Inverser damier</source>
        <translation>Inverter tabuleiro</translation>
    </message>
    <message>
        <source>Joueurs</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Inverser les joueurs</source>
        <translation>Inverter os jogadores</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Spécial</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Numéroter les cases</source>
        <translation>Numerar as casas</translation>
    </message>
    <message>
        <source>Arrêt du calcul</source>
        <translation>Parar os cálculos</translation>
    </message>
    <message>
        <source>Horloges à zéro</source>
        <translation>Relógios a zero</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Réflexion sur temps adverse</source>
        <translation>Pensar no tempo do adversário</translation>
    </message>
    <message>
        <source>Arrêt réflexion par clic souris</source>
        <translation>Parar os cálculos com um clique</translation>
    </message>
    <message>
        <source>Indication des mouvements</source>
        <translation>Indicar os lances</translation>
    </message>
    <message>
        <source>Décomposer les prises</source>
        <translation>Decompor as capturas</translation>
    </message>
    <message>
        <source>Jeu en aveugle</source>
        <translation>Jogo às cegas</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Bip à chaque coup</source>
        <translation>Bip a cada lance</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Entraînement</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Reculer d&apos;un coup</source>
        <translation>Voltar um lance</translation>
    </message>
    <message>
        <source>Avancer d&apos;un coup</source>
        <translation>Avançar um lance</translation>
    </message>
    <message>
        <source>Inverser le damier</source>
        <translation>Inverter o tabuleiro</translation>
    </message>
    <message>
        <source>Coups joués</source>
        <translation>Lista de lances</translation>
    </message>
    <message>
        <source>Arrêter le calcul</source>
        <translation>Parar os cálculos</translation>
    </message>
    <message>
        <source>Editer meilleurs coups</source>
        <translation>Editar melhores lances</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>Proposer nul</source>
        <translation>Propor empate</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>majoritaire</source>
        <translation>da maioria</translation>
    </message>
    <message>
        <source>obligatoire</source>
        <translation>obrigatória</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zut ! ce n&apos;est pas cela que je voulais jouer.</source>
        <translation>Droga! Não era isso que eu queria jogar.</translation>
    </message>
    <message>
        <source>KORVELAN</source>
        <translation>KORVELAN</translation>
    </message>
    <message>
        <source>Version 7.00</source>
        <translation>Versão 7.00</translation>
    </message>
    <message>
        <source>Le jeu de dames sur 64 cases, contre l&apos;ordinateur ou entre amis.</source>
        <translation>O jogo de damas em 64 casas, contra o computador ou entre amigos.</translation>
    </message>
    <message>
        <source>Programme, moteur de jeu, tables de finales et images : l&apos;équipe Korvelan.</source>
        <translation>Programa, motor de jogo, tabelas de finais e imagens: a equipe Korvelan.</translation>
    </message>
    <message>
        <source>Images manquantes : %1</source>
        <translation>Imagens em falta: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source> (blancs)</source>
        <translation> (brancas)</translation>
    </message>
    <message>
        <source> (noirs)</source>
        <translation> (pretas)</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computador pretas</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computador brancas</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Br.:Acima-&gt;Embaixo</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Br.:Embaixo-&gt;Acima</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Lances: %1</translation>
    </message>
    <message>
        <source>Partie terminée</source>
        <translation>Fim da partida</translation>
    </message>
    <message>
        <source>Trait aux blancs</source>
        <translation>Vez das brancas</translation>
    </message>
    <message>
        <source>Trait aux noirs</source>
        <translation>Vez das pretas</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Profondeur</source>
        <translation>Profundidade</translation>
    </message>
    <message>
        <source>Noeuds</source>
        <translation>Nós</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Noeuds/s</source>
        <translation>Nós/s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Coups</source>
        <translation>Lances</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Le fichier a été mis de côté sous le nom %1.</source>
        <translation>O arquivo foi guardado à parte com o nome %1.</translation>
    </message>
    <message>
        <source>Abandonner la partie ?</source>
        <translation>Abandonar a partida?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous quittez maintenant, il s&apos;arrête sans être classé. Quitter quand même ?</source>
        <translation>Está a decorrer uma partida oficial: se sair agora, termina sem classificação. Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Un match classé est en cours : si vous fermez la fenêtre, il s&apos;arrête sans être classé. Fermer quand même ?</source>
        <translation>Está a decorrer uma partida oficial: se fechar a janela, termina sem classificação. Fechar mesmo assim?</translation>
    </message>
    <message>
        <source>Korvelan</source>
        <translation>Korvelan</translation>
    </message>
    <message>
        <source>Un match classé est en cours : une nouvelle partie l&apos;arrêtera sans qu&apos;il soit classé. Continuer ?</source>
        <translation>Está a decorrer uma partida oficial: uma nova partida termina-a sem classificação. Continuar?</translation>
    </message>
    <message>
        <source>Notation alphabétique</source>
        <translation>Notação alfabética</translation>
    </message>
    <message>
        <source>pièce</source>
        <translation>peça</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Conselho</translation>
    </message>
    <message>
        <source>Coup unique joué d&apos;un clic</source>
        <translation>Lance único jogado com um clique</translation>
    </message>
    <message>
        <source>Conseil : les damiers demandent une fenêtre d&apos;au moins 800 x 580 points ; l&apos;aide (menu Aide) explique les règles et chaque menu.</source>
        <translation>Conselho: os tabuleiros precisam de uma janela de pelo menos 800 x 580 pontos; a ajuda (menu Ajuda) explica as regras e cada menu.</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>peças</translation>
    </message>
</context>
<context>
    <name>kv::NewGamePanel</name>
    <message>
        <source>Joueur :</source>
        <translation>Jogador :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Cor do Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Brancas</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <source>Entrainement</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Joueur blanc :</source>
        <translation>Jogador branco :</translation>
    </message>
    <message>
        <source>Joueur noir :</source>
        <translation>Jogador preto :</translation>
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
        <translation>Aberturas (Brancas)</translation>
    </message>
    <message>
        <source>Ouvertures (Noirs)</source>
        <translation>Aberturas (Pretas)</translation>
    </message>
    <message>
        <source>Nouvelle_Ouverture</source>
        <translation>Nova_Abertura</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Ajouter l&apos;ouverture ci-dessus dans la liste ci-dessous</source>
        <translation>Adicionar a abertura acima à lista abaixo</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Effacer l&apos;ouverture ci-dessus (et la même dessous)</source>
        <translation>Apagar a abertura acima (e a mesma abaixo)</translation>
    </message>
    <message>
        <source>Construire et enregistrer</source>
        <translation>Construir e salvar</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aberturas para as brancas</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aberturas para as pretas</translation>
    </message>
</context>
<context>
    <name>kv::OpeningMenu</name>
    <message>
        <source>Paramétrage</source>
        <translation>Parâmetros</translation>
    </message>
    <message>
        <source>Bibliothèques actives</source>
        <translation>Bibliotecas ativas</translation>
    </message>
    <message>
        <source>Changer bibliothèque ouverture</source>
        <translation>Trocar a biblioteca de aberturas</translation>
    </message>
    <message>
        <source>Ouvertures pour les blancs</source>
        <translation>Aberturas para as brancas</translation>
    </message>
    <message>
        <source>Ouvertures pour les noirs</source>
        <translation>Aberturas para as pretas</translation>
    </message>
    <message>
        <source>Fichiers d&apos;ouvertures (*.ovv)</source>
        <translation>Arquivos de aberturas (*.ovv)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Les ouvertures ne sont pas disponibles, l&apos;ordinateur calculera tous ses coups.</source>
        <translation>As bibliotecas de aberturas não estão disponíveis; o computador calculará todos os seus lances.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la bibliothèque</source>
        <translation>Não é possível gravar a biblioteca</translation>
    </message>
</context>
<context>
    <name>kv::ParameterEditor</name>
    <message>
        <source>Début par défaut</source>
        <translation>Abertura (padrão)</translation>
    </message>
    <message>
        <source>Milieu par défaut</source>
        <translation>Meio-jogo (padrão)</translation>
    </message>
    <message>
        <source>Préfinale par défaut</source>
        <translation>Pré-final (padrão)</translation>
    </message>
    <message>
        <source>Finale par défaut</source>
        <translation>Final (padrão)</translation>
    </message>
    <message>
        <source>Début variante type 1 : </source>
        <translation>Abertura, variante tipo 1: </translation>
    </message>
    <message>
        <source>Milieu variante type 1 : </source>
        <translation>Meio-jogo, variante tipo 1: </translation>
    </message>
    <message>
        <source>Début variante type 2 : </source>
        <translation>Abertura, variante tipo 2: </translation>
    </message>
    <message>
        <source>Milieu variante type 2 : </source>
        <translation>Meio-jogo, variante tipo 2: </translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parâmetros</translation>
    </message>
    <message>
        <source>Toutes les valeurs des tableaux sont en 1/200e de pion</source>
        <translation>Todos os valores das tabelas estão em 1/200 de pedra</translation>
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
        <translation>Tempo de avanço =</translation>
    </message>
    <message>
        <source>/200 de pion</source>
        <translation>/200 de pedra</translation>
    </message>
    <message>
        <source>Début de partie : + de</source>
        <translation>Abertura: mais de</translation>
    </message>
    <message>
        <source>Milieu de partie : + de</source>
        <translation>Meio-jogo: mais de</translation>
    </message>
    <message>
        <source>Préfinale : + de</source>
        <translation>Pré-final: mais de</translation>
    </message>
    <message>
        <source>pièces</source>
        <translation>peças</translation>
    </message>
    <message>
        <source>Finale : (le reste)</source>
        <translation>Final: (o resto)</translation>
    </message>
    <message>
        <source>cases possiblement blanches</source>
        <translation>casas possivelmente brancas</translation>
    </message>
    <message>
        <source>cases possiblement noires</source>
        <translation>casas possivelmente pretas</translation>
    </message>
    <message>
        <source>Variante type 1 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 1 se 8 das 14 condições abaixo se verificarem:</translation>
    </message>
    <message>
        <source>Variante type 2 si 8 des 14 conditions ci-après sont vérifiées :</source>
        <translation>Variante tipo 2 se 8 das 14 condições abaixo se verificarem:</translation>
    </message>
    <message>
        <source>Un nombre entier de %1 à %2</source>
        <translation>Um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>« %1 » refusé : %2.</source>
        <translation>«%1» recusado: %2.</translation>
    </message>
</context>
<context>
    <name>kv::PlayStatusLine</name>
    <message>
        <source>Korvelan réfléchit… profondeur %1</source>
        <translation>Korvelan está pensando… profundidade %1</translation>
    </message>
    <message>
        <source>Korvelan réfléchit…</source>
        <translation>Korvelan está pensando…</translation>
    </message>
    <message>
        <source>Partie terminée : %1</source>
        <translation>Fim da partida: %1</translation>
    </message>
    <message>
        <source>Horloges en pause</source>
        <translation>Relógios em pausa</translation>
    </message>
</context>
<context>
    <name>kv::PlayerNames</name>
    <message>
        <source>Inconnu</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>kv::PlayersPanel</name>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Le registre réparé n&apos;a pas pu être enregistré : %1</source>
        <translation>O registro reparado não pôde ser salvo: %1</translation>
    </message>
    <message>
        <source>Le registre des joueurs a été réparé :</source>
        <translation>O registro de jogadores foi reparado:</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le joueur</source>
        <translation>Impossível salvar o jogador</translation>
    </message>
    <message>
        <source>La liste des joueurs a changé : choisissez à nouveau le joueur à effacer.</source>
        <translation>A lista de jogadores mudou: escolha de novo o jogador a apagar.</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer le joueur</source>
        <translation>Impossível apagar o jogador</translation>
    </message>
    <message>
        <source> passe de %1 à %2</source>
        <translation> passa de %1 a %2</translation>
    </message>
    <message>
        <source>Les nouveaux points n&apos;ont pas pu être enregistrés : %1</source>
        <translation>Os novos pontos não puderam ser salvos: %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas inscrit : ses points ne sont pas gardés (Joueurs &gt; Nouveau joueur).</source>
        <translation>%1 não está inscrito: os seus pontos não são guardados (Jogadores &gt; Novo jogador).</translation>
    </message>
    <message>
        <source>%1 n&apos;est plus dans la liste des joueurs : ses points ne sont pas enregistrés.</source>
        <translation>%1 já não está na lista de jogadores: os seus pontos não são salvos.</translation>
    </message>
    <message>
        <source>L&apos;historique des parties ne peut pas être lu : %1.</source>
        <translation>O histórico das partidas não pode ser lido: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) illisible(s) de l&apos;historique sont ignorées.</source>
        <translation>
            <numerusform>%n linha ilegível do histórico é ignorada.</numerusform>
            <numerusform>%n linhas ilegíveis do histórico são ignoradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Joueur :</source>
        <translation>Jogador :</translation>
    </message>
    <message>
        <source>Couleur de Korvelan</source>
        <translation>Cor do Korvelan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>Brancas</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <source>Ramener Korvelan à 2050</source>
        <translation>Voltar Korvelan a 2050</translation>
    </message>
    <message>
        <source>Match </source>
        <translation>Partida </translation>
    </message>
    <message>
        <source>Nom du joueur :</source>
        <translation>Nome do jogador :</translation>
    </message>
    <message>
        <source>Capital points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>1600 (l&apos;ordinateur vous laisse le double de son temps)</source>
        <translation>1600 (o computador lhe dá o dobro do seu tempo)</translation>
    </message>
    <message>
        <source>1700 (l&apos;ordinateur vous laisse voir sa réflexion)</source>
        <translation>1700 (o computador mostra o que pensa)</translation>
    </message>
    <message>
        <source>1800 (l&apos;ordinateur ne vous fait pas de cadeau)</source>
        <translation>1800 (o computador não lhe dá vantagem)</translation>
    </message>
    <message>
        <source>Joueur à effacer :</source>
        <translation>Jogador a apagar :</translation>
    </message>
    <message>
        <source>Blancs :</source>
        <translation>Brancas:</translation>
    </message>
    <message>
        <source>Noirs :</source>
        <translation>Pretas:</translation>
    </message>
    <message>
        <source>Nouveau joueur</source>
        <translation>Novo jogador</translation>
    </message>
    <message>
        <source>Effacer un joueur</source>
        <translation>Apagar um jogador</translation>
    </message>
    <message>
        <source>Changer les noms</source>
        <translation>Mudar os nomes</translation>
    </message>
    <message>
        <source>Liste des joueurs</source>
        <translation>Lista de jogadores</translation>
    </message>
</context>
<context>
    <name>kv::PlayersWindow</name>
    <message>
        <source>Joueurs</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Joueur</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Ganhas</translation>
    </message>
    <message>
        <source>Nulles</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Adversário</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Choisissez un joueur pour voir ses parties classées.</source>
        <translation>Escolha um jogador para ver as suas partidas classificadas.</translation>
    </message>
    <message>
        <source>Nulle</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Gagnée</source>
        <translation>Ganha</translation>
    </message>
    <message>
        <source>Perdue</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Blancs</source>
        <translation>Brancas</translation>
    </message>
    <message>
        <source>Noirs</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Parties classées de %1 :</source>
        <translation>Partidas classificadas de %1:</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas encore joué de partie classée.</source>
        <translation>%1 ainda não jogou nenhuma partida classificada.</translation>
    </message>
</context>
<context>
    <name>kv::Printout</name>
    <message>
        <source>Position finale</source>
        <translation>Posição final</translation>
    </message>
    <message>
        <source>Autre : 30 coups en %1 mn</source>
        <translation>Outro: 30 lances em %1 min</translation>
    </message>
    <message>
        <source>partie en cours</source>
        <translation>partida em curso</translation>
    </message>
    <message>
        <source>Résultat : %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Niveau : %1</source>
        <translation>Nível: %1</translation>
    </message>
    <message>
        <source>Position au coup %1</source>
        <translation>Posição no lance %1</translation>
    </message>
</context>
<context>
    <name>kv::TrainingPanel</name>
    <message>
        <source>Fichiers Korvelan (*.dam *.DAM)</source>
        <translation>Arquivos Korvelan (*.dam *.DAM)</translation>
    </message>
    <message>
        <source>Leçons, exercices et problèmes</source>
        <translation>Lições, exercícios e problemas</translation>
    </message>
    <message>
        <source>Apprendre la position</source>
        <translation>Aprender a posição</translation>
    </message>
    <message>
        <source>Charger des leçons</source>
        <translation>Carregar lições</translation>
    </message>
    <message>
        <source>Lancer une session</source>
        <translation>Iniciar uma sessão</translation>
    </message>
    <message>
        <source>Arrêter la session</source>
        <translation>Parar a sessão</translation>
    </message>
    <message>
        <source>Revoir coup</source>
        <translation>Rever lance</translation>
    </message>
    <message>
        <source>Suivant -&gt;</source>
        <translation>Seguinte -&gt;</translation>
    </message>
    <message>
        <source>Apprendre ?</source>
        <translation>Aprender?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir ce fichier</source>
        <translation>Impossível abrir este arquivo</translation>
    </message>
    <message>
        <source>Rien à apprendre : il faut une partie analysée de plus de 20 coups, au matériel presque égal.</source>
        <translation>Nada a aprender: é preciso uma partida analisada de mais de 20 lances, com material quase igual.</translation>
    </message>
    <message>
        <source>Apprendre</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Débuter une analyse</source>
        <translation>Iniciar uma análise</translation>
    </message>
    <message>
        <source>Arrêter cette phase</source>
        <translation>Parar esta fase</translation>
    </message>
    <message>
        <source>Terminer l&apos;analyse</source>
        <translation>Terminar a análise</translation>
    </message>
    <message>
        <source>Installer une position</source>
        <translation>Montar uma posição</translation>
    </message>
    <message>
        <source>PLACEZ LES PIONS</source>
        <translation>COLOQUE AS PEDRAS</translation>
    </message>
    <message>
        <source>Vider le damier</source>
        <translation>Esvaziar o tabuleiro</translation>
    </message>
    <message>
        <source>Remplir le damier</source>
        <translation>Preencher o tabuleiro</translation>
    </message>
    <message>
        <source>Jouer cette position</source>
        <translation>Jogar esta posição</translation>
    </message>
    <message>
        <source>Ordinateur joue</source>
        <translation>Vez do computador</translation>
    </message>
    <message>
        <source>Joueur joue</source>
        <translation>Vez do jogador</translation>
    </message>
    <message>
        <source>Ordinateur noir</source>
        <translation>Computador pretas</translation>
    </message>
    <message>
        <source>Ordinateur blanc</source>
        <translation>Computador brancas</translation>
    </message>
    <message>
        <source>Blancs:Haut-&gt;Bas</source>
        <translation>Br.:Acima-&gt;Embaixo</translation>
    </message>
    <message>
        <source>Blancs:Bas-&gt;Haut</source>
        <translation>Br.:Embaixo-&gt;Acima</translation>
    </message>
    <message>
        <source>Eval stat blancs:%1</source>
        <translation>Aval. est. brancas:%1</translation>
    </message>
    <message>
        <source>Eval stat noirs:%1</source>
        <translation>Aval. est. pretas:%1</translation>
    </message>
    <message>
        <source>Korvelan retient la position finale de la partie et le score que l&apos;analyse lui donne : il en tiendra compte dans ses prochaines recherches. La leçon est enregistrée dans un fichier.</source>
        <translation>O Korvelan memoriza a posição final da partida com o valor que a análise lhe dá, e tem-na em conta nas próximas pesquisas. A lição é guardada num ficheiro.</translation>
    </message>
    <message>
        <source>À vous de jouer : trouvez le premier coup.</source>
        <translation>É a sua vez: encontre o primeiro lance.</translation>
    </message>
    <message>
        <source>Bon premier coup ! Continuez jusqu&apos;au but.</source>
        <translation>Bom primeiro lance! Continue até ao objetivo.</translation>
    </message>
    <message>
        <source>Problème résolu ! Solution : %1</source>
        <translation>Problema resolvido! Solução: %1</translation>
    </message>
    <message>
        <source>Problème manqué. Solution : %1 (« Revoir coup » pour réessayer)</source>
        <translation>Problema falhado. Solução: %1 («Rever lance» para tentar de novo)</translation>
    </message>
    <message>
        <source>Éditeur</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Leçons (*.dal *.DAL)</source>
        <translation>Lições (*.dal *.DAL)</translation>
    </message>
</context>
</TS>
