<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>%1 was stopped before it moved</source>
        <translation>%1 a été arrêté avant de jouer</translation>
    </message>
    <message>
        <source>%1 gave no move: %2</source>
        <translation>%1 n&apos;a donné aucun coup : %2</translation>
    </message>
    <message>
        <source>%1 played an illegal move (%2); it was refused</source>
        <translation>%1 a joué un coup illégal (%2) ; il a été refusé</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>courriel</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>The web page %1 could not be opened.</source>
        <translation>La page web %1 n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Solving the endgame exactly (empty squares: %1)...</source>
        <translation>Résolution exacte de la finale (cases vides : %1)...</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>L&apos;analyse a échoué : %1</translation>
    </message>
    <message>
        <source>%1; the computer plays on by itself.</source>
        <translation>%1 ; l&apos;ordinateur continue seul.</translation>
    </message>
    <message>
        <source>Analyst Player</source>
        <translation>Analyste comme adversaire</translation>
    </message>
    <message>
        <source>Seconds per move:</source>
        <translation>Secondes par coup :</translation>
    </message>
    <message>
        <source>Play book moves within this many discs of the best (0: the best only):</source>
        <translation>Jouer les coups de la bibliothèque d&apos;ouvertures à au plus tant de pions du meilleur (0 : le meilleur seul) :</translation>
    </message>
    <message>
        <source>Perfect Endgame</source>
        <translation>Finale parfaite</translation>
    </message>
    <message>
        <source>Empty squares solved exactly:</source>
        <translation>Cases vides résolues exactement :</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Show the best move</source>
        <translation>Montrer le meilleur coup</translation>
    </message>
    <message>
        <source>Analyse Game...</source>
        <translation>Analyser la partie...</translation>
    </message>
    <message>
        <source>Review every move of the game</source>
        <translation>Examiner chaque coup de la partie</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>Match...</translation>
    </message>
    <message>
        <source>Play two engines against each other</source>
        <translation>Faire jouer deux moteurs l&apos;un contre l&apos;autre</translation>
    </message>
    <message>
        <source>Engines...</source>
        <translation>Moteurs...</translation>
    </message>
    <message>
        <source>Add and remove the external engines that can play</source>
        <translation>Ajouter et retirer les moteurs externes qui peuvent jouer</translation>
    </message>
    <message>
        <source>Engine Opponent</source>
        <translation>Moteur adversaire</translation>
    </message>
    <message>
        <source>None (the game&apos;s own player)</source>
        <translation>Aucun (le joueur du jeu)</translation>
    </message>
    <message>
        <source>Hint from the Engine</source>
        <translation>Conseil du moteur</translation>
    </message>
    <message>
        <source>Solve the Endgame</source>
        <translation>Résoudre la finale</translation>
    </message>
    <message>
        <source>The computer plays perfectly in the last empties</source>
        <translation>L&apos;ordinateur joue parfaitement les dernières cases vides</translation>
    </message>
    <message>
        <source>How many empty squares the computer solves</source>
        <translation>Combien de cases vides l&apos;ordinateur résout</translation>
    </message>
    <message>
        <source>Move Values</source>
        <translation>Valeur des coups</translation>
    </message>
    <message>
        <source>Show the value of every legal move</source>
        <translation>Montrer la valeur de chaque coup légal</translation>
    </message>
    <message>
        <source>Empty Squares: %1...</source>
        <translation>Cases vides : %1...</translation>
    </message>
    <message>
        <source>Seconds per Move: %1...</source>
        <translation>Secondes par coup : %1...</translation>
    </message>
    <message>
        <source>Book Moves within %1 Discs...</source>
        <translation>Coups de bibliothèque à %1 pions près...</translation>
    </message>
    <message>
        <source>Asking %1 for a hint...</source>
        <translation>Demande de conseil à %1...</translation>
    </message>
    <message>
        <source>%1 has no hint here.</source>
        <translation>%1 n&apos;a pas de conseil ici.</translation>
    </message>
    <message>
        <source>%1 suggests %2.</source>
        <translation>%1 propose %2.</translation>
    </message>
    <message>
        <source>The game has changed since it was analysed</source>
        <translation>La partie a changé depuis l&apos;analyse</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Joueur de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>The Levels (Level...)</source>
        <translation>Les niveaux (Niveau...)</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analyste : fort</translation>
    </message>
    <message>
        <source>Analyst: Good (loses up to 2 discs a move)</source>
        <translation>Analyste : bon (perd jusqu&apos;à 2 pions par coup)</translation>
    </message>
    <message>
        <source>Analyst: Club (loses up to 4 discs a move)</source>
        <translation>Analyste : club (perd jusqu&apos;à 4 pions par coup)</translation>
    </message>
    <message>
        <source>Analyst: Beginner (loses up to 8 discs a move)</source>
        <translation>Analyste : débutant (perd jusqu&apos;à 8 pions par coup)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>%1 ply search</source>
        <translation>recherche sur %1 demi-coups</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 discs (%3), %4 nodes: %5</source>
        <translation>Analyste : %1, %2 pions (%3), %4 nœuds : %5</translation>
    </message>
    <message>
        <source>book</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>Analysis Threads</source>
        <translation>Threads d&apos;analyse</translation>
    </message>
    <message>
        <source>Threads for the hint, the move values, the review and the analyst player
(this computer has %1 processors):</source>
        <translation>Threads pour le conseil, les valeurs des coups, la revue et l&apos;analyste adversaire
(cet ordinateur a %1 processeurs) :</translation>
    </message>
    <message>
        <source>How many processors the analysis uses</source>
        <translation>Nombre de processeurs utilisés par l&apos;analyse</translation>
    </message>
    <message>
        <source>Analysis Threads: %1...</source>
        <translation>Threads d&apos;analyse : %1...</translation>
    </message>
</context>
<context>
    <name>TBoardPictures</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, discs numbered by move (*.png)</source>
        <translation>Image PNG, pions numérotés par coup (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing, discs numbered by move (*.svg)</source>
        <translation>Dessin SVG, pions numérotés par coup (*.svg)</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Exporter le plateau</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>L&apos;image n&apos;a pas pu être écrite dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>TBoardStyle</name>
    <message>
        <source>Board Style</source>
        <translation>Style du plateau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Comme le bureau</translation>
    </message>
</context>
<context>
    <name>TClockController</name>
    <message>
        <source>Clock</source>
        <translation>Pendule</translation>
    </message>
    <message>
        <source>White&apos;s clock</source>
        <translation>Pendule de Blanc</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>Pendule de Noir</translation>
    </message>
    <message>
        <source>No Clock</source>
        <translation>Sans pendule</translation>
    </message>
    <message>
        <source>1 Minute per Side</source>
        <translation>1 minute par camp</translation>
    </message>
    <message>
        <source>5 Minutes per Side</source>
        <translation>5 minutes par camp</translation>
    </message>
    <message>
        <source>10 Minutes per Side</source>
        <translation>10 minutes par camp</translation>
    </message>
    <message>
        <source>15 Minutes per Side</source>
        <translation>15 minutes par camp</translation>
    </message>
    <message>
        <source>A clock for each side&apos;s whole game; the computer keeps to its own</source>
        <translation>Une pendule par camp pour toute la partie ; l&apos;ordinateur respecte la sienne</translation>
    </message>
    <message>
        <source>White&apos;s time is up — Black wins</source>
        <translation>Blanc tombe au temps – Noir gagne</translation>
    </message>
    <message>
        <source>Black&apos;s time is up — White wins</source>
        <translation>Noir tombe au temps – Blanc gagne</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>Noir gagne au temps</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>Blanc gagne au temps</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Un seul fichier de partie peut être ouvert.</translation>
    </message>
    <message>
        <source>The game file&apos;s name is empty.</source>
        <translation>Le nom du fichier de partie est vide.</translation>
    </message>
    <message>
        <source>Usage: vezari-zaduder [OPTION]... [FILE]
Play Reversi (Othello) against the computer or with a friend on one board.

FILE, a saved game (.RGM, GGF or a move list such as &quot;f5 d6 c3&quot;), is
opened once the window is up, as File &gt; Open opens it; a file that cannot be
opened leaves a new game and says why.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options, such as -platform, -style and -qwindowgeometry, are
accepted too. The settings are kept in Reversi.ini beside the program when
it runs from a folder of its own that it may write, otherwise (installed)
in $XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder).

man vezari-zaduder tells how to play: the keys, the levels, the files.
</source>
        <translation>Utilisation : vezari-zaduder [OPTION]... [FICHIER]
Jouer à Reversi (Othello) contre l&apos;ordinateur ou à deux sur un même plateau.

FICHIER, une partie enregistrée (.RGM, GGF ou une liste de coups comme
&quot;f5 d6 c3&quot;), est ouvert dès que la fenêtre est là, comme Fichier &gt; Ouvrir
l&apos;ouvre ; un fichier qui ne peut pas être ouvert laisse une nouvelle partie
et le programme dit pourquoi.

Options :
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options propres à Qt, comme -platform, -style et -qwindowgeometry, sont
aussi acceptées. Les réglages sont gardés dans Reversi.ini à côté du
programme quand il tourne depuis son propre dossier où il peut écrire, sinon
(installé) dans $XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder).

man vezari-zaduder explique comment jouer : les touches, les niveaux, les
fichiers.
</translation>
    </message>
    <message>
        <source>the version data cannot be read from %1</source>
        <translation>les données de version ne peuvent pas être lues dans %1</translation>
    </message>
</context>
<context>
    <name>TEnginesDialog</name>
    <message>
        <source>Engines</source>
        <translation>Moteurs</translation>
    </message>
    <message>
        <source>the engine&apos;s own name when empty</source>
        <translation>le nom propre du moteur si vide</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Ligne de commande :</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocole :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Give the engine&apos;s command line.</source>
        <translation>Indiquez la ligne de commande du moteur.</translation>
    </message>
    <message>
        <source>No more than %1 engines can be registered.</source>
        <translation>Pas plus de %1 moteurs ne peuvent être enregistrés.</translation>
    </message>
    <message>
        <source>Asking %1 which protocol it speaks...</source>
        <translation>Demande à %1 quel protocole il parle...</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 n&apos;a pas été ajouté : %2</translation>
    </message>
    <message>
        <source>%1 added (%2).</source>
        <translation>%1 ajouté (%2).</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 retiré.</translation>
    </message>
</context>
<context>
    <name>TEvalGraph</name>
    <message>
        <source>Value of the position for Black; click to show it</source>
        <translation>Valeur de la position pour Noir ; cliquer pour la montrer</translation>
    </message>
    <message>
        <source>Black ahead above the line</source>
        <translation>Noir mène au-dessus de la ligne</translation>
    </message>
</context>
<context>
    <name>TFileReason</name>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>le fichier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is far too large to be a game</source>
        <translation>le fichier est bien trop gros pour être une partie</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>the computer is thinking</source>
        <translation>l&apos;ordinateur réfléchit</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>le fichier ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>the file cannot be replaced: %1</source>
        <translation>le fichier ne peut pas être remplacé : %1</translation>
    </message>
    <message>
        <source>the file cannot be written (is the disk full?)</source>
        <translation>le fichier ne peut pas être écrit (le disque est-il plein ?)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the move count %1 is not between %2 and %3</source>
        <translation>le nombre de coups %1 n&apos;est pas entre %2 et %3</translation>
    </message>
    <message>
        <source>the current move %1 is not between %2 and %3</source>
        <translation>le coup actuel %1 n&apos;est pas entre %2 et %3</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a legal move</source>
        <translation>le coup %1 (%2) n&apos;est pas un coup légal</translation>
    </message>
    <message>
        <source>move %1, %2 (%3) is not a legal move</source>
        <translation>le coup %1, %2 (%3) n&apos;est pas un coup légal</translation>
    </message>
    <message>
        <source>numbers follow the current move</source>
        <translation>des nombres suivent le coup actuel</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>le fichier ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>the file is far too large</source>
        <translation>le fichier est bien trop gros</translation>
    </message>
    <message>
        <source>the file holds a NUL byte</source>
        <translation>le fichier contient un octet NUL</translation>
    </message>
    <message>
        <source>the file would be far too large</source>
        <translation>le fichier serait bien trop gros</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>another copy of the program (process %1) is writing it</source>
        <translation>une autre copie du programme (processus %1) est en train de l&apos;écrire</translation>
    </message>
    <message>
        <source>move %1, %2: %3</source>
        <translation>coup %1, %2 : %3</translation>
    </message>
    <message>
        <source>not a square</source>
        <translation>ce n&apos;est pas une case</translation>
    </message>
    <message>
        <source>it is Black&apos;s turn</source>
        <translation>c&apos;est à Noir de jouer</translation>
    </message>
    <message>
        <source>it is White&apos;s turn</source>
        <translation>c&apos;est à Blanc de jouer</translation>
    </message>
    <message>
        <source>not a legal move for Black</source>
        <translation>ce n&apos;est pas un coup légal pour Noir</translation>
    </message>
    <message>
        <source>not a legal move for White</source>
        <translation>ce n&apos;est pas un coup légal pour Blanc</translation>
    </message>
    <message>
        <source>Black has a legal move and cannot pass</source>
        <translation>Noir a un coup légal et ne peut pas passer</translation>
    </message>
    <message>
        <source>White has a legal move and cannot pass</source>
        <translation>Blanc a un coup légal et ne peut pas passer</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>la partie est terminée</translation>
    </message>
    <message>
        <source>the text is far too long to be a game</source>
        <translation>le texte est bien trop long pour être une partie</translation>
    </message>
    <message>
        <source>the text is far too long to be a board</source>
        <translation>le texte est bien trop long pour être un plateau</translation>
    </message>
    <message>
        <source>the board has %1 squares, not %2, and no side to move</source>
        <translation>le plateau a %1 cases, pas %2, et aucun camp au trait</translation>
    </message>
    <message>
        <source>square %1: %2</source>
        <translation>case %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not X, O or -</source>
        <translation>%1 n&apos;est ni X, ni O, ni -</translation>
    </message>
    <message>
        <source>the side to move (X or O) is missing after the %1 squares</source>
        <translation>le camp au trait (X ou O) manque après les %1 cases</translation>
    </message>
    <message>
        <source>%1 is not a side to move (X or O)</source>
        <translation>%1 n&apos;est pas un camp au trait (X ou O)</translation>
    </message>
    <message>
        <source>unexpected %1 after the side to move</source>
        <translation>%1 inattendu après le camp au trait</translation>
    </message>
    <message>
        <source>no GGF game: %1</source>
        <translation>pas une partie GGF : %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>the game does not end with %1</source>
        <translation>la partie ne se termine pas par %1</translation>
    </message>
    <message>
        <source>the game is %1, not Othello</source>
        <translation>le jeu est %1, pas Othello</translation>
    </message>
    <message>
        <source>unexpected %1 at character %2</source>
        <translation>%1 inattendu au caractère %2</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>le presse-papiers ne contient aucun texte</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a key nor a comment</source>
        <translation>la ligne %1 n&apos;est ni une section, ni une clé, ni un commentaire</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>il manque %2 dans %1</translation>
    </message>
    <message>
        <source>%1 holds twice %2</source>
        <translation>%1 contient deux fois %2</translation>
    </message>
    <message>
        <source>%1 holds the unknown key %2</source>
        <translation>%1 contient la clé inconnue %2</translation>
    </message>
    <message>
        <source>its format %1 is not one this program knows</source>
        <translation>ce programme ne connaît pas son format %1</translation>
    </message>
    <message>
        <source>%1 has no readable name</source>
        <translation>%1 n&apos;a pas de nom lisible</translation>
    </message>
    <message>
        <source>%1 names an opponent again</source>
        <translation>%1 nomme à nouveau un adversaire</translation>
    </message>
    <message>
        <source>it names more than %1 opponents</source>
        <translation>il nomme plus de %1 adversaires</translation>
    </message>
    <message>
        <source>%1 in %2 is not a count of games</source>
        <translation>%1 dans %2 n&apos;est pas un nombre de parties</translation>
    </message>
    <message>
        <source>%1 in %2 is not the sum of its games&apos; margins</source>
        <translation>%1 dans %2 n&apos;est pas la somme des écarts de ses parties</translation>
    </message>
    <message>
        <source>it holds keys before its first section</source>
        <translation>il contient des clés avant sa première section</translation>
    </message>
    <message>
        <source>it holds the unknown section %1</source>
        <translation>il contient la section inconnue %1</translation>
    </message>
    <message>
        <source>it lacks the section %1</source>
        <translation>il lui manque la section %1</translation>
    </message>
    <message>
        <source>it cannot be read as an INI file</source>
        <translation>il ne peut pas être lu comme un fichier INI</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>la mémoire manque pour le lire</translation>
    </message>
    <message>
        <source>its lock cannot be created: %1</source>
        <translation>son verrou ne peut pas être créé : %1</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</source>
        <translation>Toutes les parties (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)</source>
        <translation>Fichiers de partie (*.RGM);;Parties GGF (*.ggf);;Texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>GGF Games (*.ggf)</source>
        <translation>Parties GGF (*.ggf)</translation>
    </message>
    <message>
        <source>Reversi Game Files (*.RGM)</source>
        <translation>Fichiers de partie Reversi (*.RGM)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Enregistrer la partie actuelle</translation>
    </message>
    <message>
        <source>Copy Game</source>
        <translation>Copier la partie</translation>
    </message>
    <message>
        <source>Copy the moves of the game</source>
        <translation>Copier les coups de la partie</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copier la position</translation>
    </message>
    <message>
        <source>Copy the position on the board</source>
        <translation>Copier la position du plateau</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Take a move list, a board or a GGF game from the clipboard</source>
        <translation>Prendre une liste de coups, un plateau ou une partie GGF dans le presse-papiers</translation>
    </message>
    <message>
        <source>Set Up Position...</source>
        <translation>Composer une position...</translation>
    </message>
    <message>
        <source>Start a game from a position of your own</source>
        <translation>Commencer une partie depuis votre propre position</translation>
    </message>
    <message>
        <source>The game could not be opened: the computer is thinking.
The current game is kept.</source>
        <translation>La partie n&apos;a pas pu être ouverte : l&apos;ordinateur réfléchit.
La partie actuelle est conservée.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; could not be opened: %2.
The current game is kept.</source>
        <translation>La partie « %1 » n&apos;a pas pu être ouverte : %2.
La partie actuelle est conservée.</translation>
    </message>
    <message>
        <source>The game could not be saved: the computer is thinking.</source>
        <translation>La partie n&apos;a pas pu être enregistrée : l&apos;ordinateur réfléchit.</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played: %1.
The current game is kept.</source>
        <translation>Le presse-papiers ne contient aucune partie jouable : %1.
La partie actuelle est conservée.</translation>
    </message>
</context>
<context>
    <name>TGameReview</name>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Values in discs by the analyst (%1 s per position). A move losing %2 discs or more against the best is a mistake, marked red.</source>
        <translation>Valeurs en pions selon l&apos;analyste (%1 s par position). Un coup qui perd %2 pions ou plus par rapport au meilleur est une erreur, marquée en rouge.</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Joué</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Best value</source>
        <translation>Meilleure valeur</translation>
    </message>
    <message>
        <source>Played value</source>
        <translation>Valeur jouée</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Analysing...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>L&apos;analyse a échoué : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Done; * marks exact values</source>
        <translation>Terminé ; * marque les valeurs exactes</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>THintControl</name>
    <message>
        <source>The analysis failed: %1</source>
        <translation>L&apos;analyse a échoué : %1</translation>
    </message>
    <message>
        <source>Hint: thinking...</source>
        <translation>Conseil : réflexion...</translation>
    </message>
    <message>
        <source>Hint: the game is over</source>
        <translation>Conseil : la partie est terminée</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Conseil : passer</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (exact)</source>
        <translation>Conseil : %1, %2 pions (exact)</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (%3 ply search)</source>
        <translation>Conseil : %1, %2 pions (recherche sur %3 demi-coups)</translation>
    </message>
    <message>
        <source>Move values in discs: exact (*)</source>
        <translation>Valeur des coups en pions : exacte (*)</translation>
    </message>
    <message>
        <source>Move values in discs: %1 ply search</source>
        <translation>Valeur des coups en pions : recherche sur %1 demi-coups</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <source>The rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the opponent&apos;s discs, across, down or diagonally, with another disc of the mover&apos;s at the far end; every disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, and whoever has more discs wins.</source>
        <translation>Noir joue le premier. Un coup pose un pion sur une case vide de sorte qu&apos;il encadre une ou plusieurs lignes de pions adverses, horizontalement, verticalement ou en diagonale, avec un autre pion du joueur à l&apos;autre bout ; chaque pion encadré est retourné. Un camp qui n&apos;a aucun tel coup passe. Quand aucun camp ne peut jouer, la partie est terminée et celui qui a le plus de pions gagne.</translation>
    </message>
    <message>
        <source>You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer answers each move; when you play White, the computer opens the game. Press Space to have the computer play the side to move instead; Edit &gt; Two Player lets two people share the board.</source>
        <translation>Vous jouez la couleur choisie dans le menu Fichier, Nouvelle partie avec les noirs ou Nouvelle partie avec les blancs, et l&apos;ordinateur répond à chaque coup ; si vous jouez Blanc, l&apos;ordinateur ouvre la partie. Appuyez sur Espace pour que l&apos;ordinateur joue à la place le camp au trait ; Édition &gt; Deux joueurs permet à deux personnes de partager le plateau.</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>Les touches</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>play a legal square</source>
        <translation>jouer une case légale</translation>
    </message>
    <message>
        <source>A letter and a digit</source>
        <translation>Une lettre et un chiffre</translation>
    </message>
    <message>
        <source>play the square of that name, such as d3</source>
        <translation>jouer la case de ce nom, par exemple d3</translation>
    </message>
    <message>
        <source>Arrow keys, Enter</source>
        <translation>Flèches, Entrée</translation>
    </message>
    <message>
        <source>move the cursor on the board, play the square under it</source>
        <translation>déplacer le curseur sur le plateau, jouer la case dessous</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>the computer moves now, or plays the side to move</source>
        <translation>l&apos;ordinateur joue maintenant, ou joue le camp au trait</translation>
    </message>
    <message>
        <source>a hint: the best move is marked on the board</source>
        <translation>un conseil : le meilleur coup est marqué sur le plateau</translation>
    </message>
    <message>
        <source>Delete, Insert</source>
        <translation>Suppr, Inser</translation>
    </message>
    <message>
        <source>take back a move, play it again</source>
        <translation>reprendre un coup, le rejouer</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>the level: time per move, a fixed depth, or no limit</source>
        <translation>le niveau : temps par coup, profondeur fixe ou sans limite</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C, Ctrl+V</translation>
    </message>
    <message>
        <source>copy the game as a move list, paste a game or a board</source>
        <translation>copier la partie comme liste de coups, coller une partie ou un plateau</translation>
    </message>
    <message>
        <source>The panels</source>
        <translation>Les panneaux</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>the discs of each side and who is to move</source>
        <translation>les pions de chaque camp et qui a le trait</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>the computer&apos;s thinking: the move it considers, its best move and evaluation (in discs, for the side it plays; positive is good for it), the depth and the positions searched</source>
        <translation>la réflexion de l&apos;ordinateur : le coup qu&apos;il examine, son meilleur coup et son évaluation (en pions, pour le camp qu&apos;il joue ; positive lui est favorable), la profondeur et les positions examinées</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Meilleure séquence</translation>
    </message>
    <message>
        <source>the moves it expects next, one line for each depth</source>
        <translation>les coups qu&apos;il attend ensuite, une ligne par profondeur</translation>
    </message>
    <message>
        <source>The manual page (man vezari-zaduder) says more.</source>
        <translation>La page de manuel (man vezari-zaduder) en dit plus.</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>%n seconde par coup</numerusform>
            <numerusform>%n secondes par coup</numerusform>
        </translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Time per move</source>
        <translation>Temps par coup</translation>
    </message>
    <message>
        <source>Fixed depth search</source>
        <translation>Profondeur fixe</translation>
    </message>
    <message>
        <source>Infinite time</source>
        <translation>Temps illimité</translation>
    </message>
    <message>
        <source>Gamma Selectivity</source>
        <translation>Sélectivité gamma</translation>
    </message>
    <message>
        <source>Maximum Selective Depth</source>
        <translation>Profondeur sélective max.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Analyst as opponent</source>
        <translation>Analyste comme adversaire</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Secondes par coup</translation>
    </message>
    <message>
        <source>Book margin (discs)</source>
        <translation>Marge du livre (pions)</translation>
    </message>
    <message>
        <source>Book moves within this many discs of the book&apos;s best are played at random</source>
        <translation>Les coups du livre à moins de ce nombre de pions du meilleur sont joués au hasard</translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Mean margin</source>
        <translation>Écart moyen</translation>
    </message>
    <message>
        <source>Moves played next</source>
        <translation>Coups joués ensuite</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Games that reached the position</source>
        <translation>Parties arrivées à cette position</translation>
    </message>
    <message>
        <source>No library is open (File &gt; Open Library...).</source>
        <translation>Aucune base de parties n&apos;est ouverte (Fichier &gt; Ouvrir une base de parties...).</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>%n partie de la base est arrivée à cette position.</numerusform>
            <numerusform>%n parties de la base sont arrivées à cette position.</numerusform>
        </translation>
    </message>
    <message>
        <source>No game of the library reached this position.</source>
        <translation>Aucune partie de la base n&apos;est arrivée à cette position.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 n&apos;est pas un coup légal</translation>
    </message>
    <message>
        <source>Black plays %1</source>
        <translation>Noir joue %1</translation>
    </message>
    <message>
        <source>White plays %1</source>
        <translation>Blanc joue %1</translation>
    </message>
    <message>
        <source>Black has no legal move and passes</source>
        <translation>Noir n&apos;a aucun coup légal et passe</translation>
    </message>
    <message>
        <source>White has no legal move and passes</source>
        <translation>Blanc n&apos;a aucun coup légal et passe</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.

Close without saving them?</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 : %2.

Fermer sans les enregistrer ?</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Export Board...</source>
        <translation>Exporter le plateau...</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG or SVG</source>
        <translation>Enregistrer une image du plateau en PNG ou SVG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>The rules, the keys and what the panels show</source>
        <translation>Les règles, les touches et ce que montrent les panneaux</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Display about box</source>
        <translation>Afficher les informations sur le programme</translation>
    </message>
    <message>
        <source>Level...</source>
        <translation>Niveau...</translation>
    </message>
    <message>
        <source>Set level of play</source>
        <translation>Régler le niveau de jeu</translation>
    </message>
    <message>
        <source>Strict Time Limit</source>
        <translation>Limite de temps stricte</translation>
    </message>
    <message>
        <source>Never think longer than the time per move</source>
        <translation>Ne jamais réfléchir plus longtemps que le temps par coup</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Two player mode</source>
        <translation>Mode deux joueurs</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Reprendre le coup</translation>
    </message>
    <message>
        <source>Take back a move</source>
        <translation>Reprendre un coup</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Rejouer le coup</translation>
    </message>
    <message>
        <source>Move forward one move</source>
        <translation>Rejouer un coup repris</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jouer maintenant</translation>
    </message>
    <message>
        <source>Force the computer to play</source>
        <translation>Obliger l&apos;ordinateur à jouer</translation>
    </message>
    <message>
        <source>Copy Board as Image</source>
        <translation>Copier le plateau comme image</translation>
    </message>
    <message>
        <source>Copy a picture of the board</source>
        <translation>Copier une image du plateau</translation>
    </message>
    <message>
        <source>Show Thinking</source>
        <translation>Montrer la réflexion</translation>
    </message>
    <message>
        <source>Display the candidate move</source>
        <translation>Afficher le coup envisagé</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Montrer les coups légaux</translation>
    </message>
    <message>
        <source>Display all legal moves</source>
        <translation>Afficher tous les coups légaux</translation>
    </message>
    <message>
        <source>Show Flipable Discs</source>
        <translation>Montrer les pions retournables</translation>
    </message>
    <message>
        <source>Diplay the disc that would be flipped</source>
        <translation>Afficher les pions qui seraient retournés</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Display the game statistics</source>
        <translation>Afficher les statistiques de la recherche</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Montrer la meilleure séquence</translation>
    </message>
    <message>
        <source>Display the best line of play</source>
        <translation>Afficher la meilleure séquence de coups</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Show the letters and digits of the squares around the board</source>
        <translation>Montrer les lettres et les chiffres des cases autour du plateau</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Make a sound after each move</source>
        <translation>Émettre un son après chaque coup</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>Sélective</translation>
    </message>
    <message>
        <source>Selective search</source>
        <translation>Recherche sélective</translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message>
        <source>forfeit by %1: %2</source>
        <translation>forfait de %1 : %2</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>nulle</translation>
    </message>
    <message>
        <source>Black wins by %1</source>
        <translation>Noir gagne de %1</translation>
    </message>
    <message>
        <source>White wins by %1</source>
        <translation>Blanc gagne de %1</translation>
    </message>
    <message>
        <source>Game %1: %2 (Black) - %3 (White): %4</source>
        <translation>Partie %1 : %2 (Noir) - %3 (Blanc) : %4</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine</source>
        <translation>analyst, levels:NIVEAU (1 à 12), ou gtp: suivi de la ligne de commande d&apos;un moteur GTP</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Secondes par coup</translation>
    </message>
    <message>
        <source>Depth per move</source>
        <translation>Profondeur par coup</translation>
    </message>
    <message>
        <source>Of real games</source>
        <translation>De parties réelles</translation>
    </message>
    <message>
        <source>Balanced starts from seed</source>
        <translation>Débuts équilibrés depuis la graine</translation>
    </message>
    <message>
        <source>Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs</source>
        <translation>Débuts équilibrés : ouvertures au hasard de 8 à 12 coups que l&apos;analyste juge à deux pions près</translation>
    </message>
    <message>
        <source>a file to save every game in (GGF), or nothing</source>
        <translation>un fichier où enregistrer chaque partie (GGF), ou rien</translation>
    </message>
    <message>
        <source>First player:</source>
        <translation>Premier joueur :</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>Second joueur :</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Parties :</translation>
    </message>
    <message>
        <source>Each move:</source>
        <translation>Chaque coup :</translation>
    </message>
    <message>
        <source>Openings:</source>
        <translation>Ouvertures :</translation>
    </message>
    <message>
        <source>Save games:</source>
        <translation>Enregistrer :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Forfeits</source>
        <translation>Forfaits</translation>
    </message>
    <message>
        <source>Disc margin</source>
        <translation>Écart de pions</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Margin and score with the half-width of their 95% interval</source>
        <translation>Écart et score avec la demi-largeur de leur intervalle à 95 %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source> (second)</source>
        <translation> (second)</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Partie en cours...</translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>Arrêté après %n partie.</numerusform>
            <numerusform>Arrêté après %n parties.</numerusform>
        </translation>
    </message>
    <message>
        <source>Match over.</source>
        <translation>Match terminé.</translation>
    </message>
    <message>
        <source>%1 ± %2</source>
        <translation>%1 ± %2</translation>
    </message>
    <message>
        <source>%1% ± %2</source>
        <translation>%1 % ± %2</translation>
    </message>
    <message>
        <source>The games cannot be saved in %1.</source>
        <translation>Les parties ne peuvent pas être enregistrées dans %1.</translation>
    </message>
</context>
<context>
    <name>TMoveList</name>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Coups de la partie</translation>
    </message>
    <message>
        <source>&amp;Copy Moves</source>
        <translation>&amp;Copier les coups</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>Liste des &amp;coups</translation>
    </message>
    <message>
        <source>Show the game&apos;s moves beside the board; pick one to go there</source>
        <translation>Montrer les coups de la partie à côté du plateau ; en choisir un pour y aller</translation>
    </message>
</context>
<context>
    <name>TNewGameChoice</name>
    <message>
        <source>New Game as Blac&amp;k</source>
        <translation>Nouvelle partie avec les noi&amp;rs</translation>
    </message>
    <message>
        <source>New game against the computer, you play Black</source>
        <translation>Nouvelle partie contre l&apos;ordinateur, vous jouez Noir</translation>
    </message>
    <message>
        <source>New Game as &amp;White</source>
        <translation>Nouvelle partie avec les b&amp;lancs</translation>
    </message>
    <message>
        <source>New game against the computer, which opens with Black</source>
        <translation>Nouvelle partie contre l&apos;ordinateur, qui ouvre avec Noir</translation>
    </message>
    <message>
        <source>New &amp;Two-Player Game</source>
        <translation>Nouvelle partie à &amp;deux joueurs</translation>
    </message>
    <message>
        <source>New game for two players at this board</source>
        <translation>Nouvelle partie à deux joueurs sur ce plateau</translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message>
        <source>Open Library</source>
        <translation>Ouvrir une base de parties</translation>
    </message>
    <message>
        <source>Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)</source>
        <translation>Collections de parties (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Practise Opening</source>
        <translation>S&apos;entraîner à une ouverture</translation>
    </message>
    <message>
        <source>The line to practise:</source>
        <translation>La ligne à travailler :</translation>
    </message>
    <message>
        <source>New &amp;Balanced Game</source>
        <translation>Nouvelle &amp;partie équilibrée</translation>
    </message>
    <message>
        <source>New game from a random opening that the analyst judges even</source>
        <translation>Nouvelle partie depuis une ouverture au hasard que l&apos;analyste juge égale</translation>
    </message>
    <message>
        <source>Open &amp;Library...</source>
        <translation>Ouvrir une &amp;base de parties...</translation>
    </message>
    <message>
        <source>Read a collection of games and look up the position on the board in it</source>
        <translation>Lire une collection de parties et y chercher la position du plateau</translation>
    </message>
    <message>
        <source>Practise &amp;Opening...</source>
        <translation>S&apos;entraîner à une &amp;ouverture...</translation>
    </message>
    <message>
        <source>Play a named opening against the computer, your moves checked against it</source>
        <translation>Jouer une ouverture connue contre l&apos;ordinateur, vos coups comparés à elle</translation>
    </message>
    <message>
        <source>&amp;Book Moves</source>
        <translation>Coups de la &amp;bibliothèque d&apos;ouvertures</translation>
    </message>
    <message>
        <source>Mark the opening book&apos;s moves with their values in discs, and name the opening</source>
        <translation>Marquer les coups de la bibliothèque d&apos;ouvertures avec leur valeur en pions, et nommer l&apos;ouverture</translation>
    </message>
    <message>
        <source>The opening book cannot be used: %1</source>
        <translation>La bibliothèque d&apos;ouvertures ne peut pas être utilisée : %1</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Ouverture : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1 : %2 pions, joué dans %n partie</numerusform>
            <numerusform>%1 : %2 pions, joué dans %n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Practising the %1: %2</source>
        <translation>Entraînement à l&apos;ouverture %1 : %2</translation>
    </message>
    <message>
        <source>%1 leaves the %2: the line plays %3.</source>
        <translation>%1 quitte l&apos;ouverture %2 : la ligne joue %3.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 and %3 at %4 discs: %5 discs less.</source>
        <translation>La bibliothèque évalue %1 à %2 et %3 à %4 pions : %5 pions de moins.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 discs and does not know %3.</source>
        <translation>La bibliothèque évalue %1 à %2 pions et ne connaît pas %3.</translation>
    </message>
    <message>
        <source>The %1 is played to its end.</source>
        <translation>L&apos;ouverture %1 est jouée jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Base de parties</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>it holds no readable game</source>
        <translation>elle ne contient aucune partie lisible</translation>
    </message>
    <message>
        <source>Cannot open the library %1: %2</source>
        <translation>Impossible d&apos;ouvrir la base de parties %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>Base de parties %1 : %n partie</numerusform>
            <numerusform>Base de parties %1 : %n parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>(%n enregistrement refusé ; le premier, enregistrement %1 : %2)</numerusform>
            <numerusform>(%n enregistrements refusés ; le premier, enregistrement %1 : %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>The library holds games from the standard start only.</source>
        <translation>La base de parties ne contient que des parties depuis la position de départ standard.</translation>
    </message>
    <message>
        <source>%1 against %2 from the library</source>
        <translation>%1 contre %2, de la base de parties</translation>
    </message>
    <message>
        <source>Looking for a balanced start...</source>
        <translation>Recherche d&apos;un début équilibré...</translation>
    </message>
    <message>
        <source>No balanced start was found; try again.</source>
        <translation>Aucun début équilibré n&apos;a été trouvé ; réessayez.</translation>
    </message>
    <message>
        <source>Balanced start %1: %2 (%3 discs for the side to move)</source>
        <translation>Début équilibré %1 : %2 (%3 pions pour le camp au trait)</translation>
    </message>
</context>
<context>
    <name>TPassBox</name>
    <message>
        <source>You must pass</source>
        <translation>Vous devez passer</translation>
    </message>
</context>
<context>
    <name>TPlayBar</name>
    <message>
        <source>|Take back a move</source>
        <translation>|Reprendre un coup</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>|Force the computer to play</source>
        <translation>|Obliger l&apos;ordinateur à jouer</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jouer maintenant</translation>
    </message>
    <message>
        <source>Move now</source>
        <translation>Jouer maintenant</translation>
    </message>
    <message>
        <source>|Move forward one move</source>
        <translation>|Rejouer un coup repris</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Réflexion</translation>
    </message>
</context>
<context>
    <name>TReversi</name>
    <message>
        <source>%1, black</source>
        <translation>%1, noir</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, blanc</translation>
    </message>
    <message>
        <source>%1, empty, legal move</source>
        <translation>%1, vide, coup légal</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Reversi</source>
        <translation>Reversi</translation>
    </message>
    <message>
        <source>You must pass</source>
        <translation>Vous devez passer</translation>
    </message>
</context>
<context>
    <name>TSetupDialog</name>
    <message>
        <source>Set Up Position</source>
        <translation>Composer une position</translation>
    </message>
    <message>
        <source>Empty Board</source>
        <translation>Plateau vide</translation>
    </message>
    <message>
        <source>Standard Start</source>
        <translation>Position de départ</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Noir au trait</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Blanc au trait</translation>
    </message>
    <message>
        <source>Click a square to put a black disc, a white disc or none on it in turn; the right button goes the other way.</source>
        <translation>Cliquez sur une case pour y mettre tour à tour un pion noir, un pion blanc ou rien ; le bouton droit va dans l&apos;autre sens.</translation>
    </message>
    <message>
        <source>The position has no white disc; place at least one of each colour.</source>
        <translation>La position n&apos;a aucun pion blanc ; placez au moins un pion de chaque couleur.</translation>
    </message>
    <message>
        <source>The position has no black disc; place at least one of each colour.</source>
        <translation>La position n&apos;a aucun pion noir ; placez au moins un pion de chaque couleur.</translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Meilleure séquence</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Pions</translation>
    </message>
    <message>
        <source>White discs</source>
        <translation>Pions blancs</translation>
    </message>
    <message>
        <source>Black discs</source>
        <translation>Pions noirs</translation>
    </message>
    <message>
        <source>To Move</source>
        <translation>Au trait</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Blanc au trait</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Noir au trait</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Candidate Move</source>
        <translation>Coup envisagé</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Considering</source>
        <translation>Examine</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Root move, then deepest depth</source>
        <translation>Coup à la racine, puis profondeur maximale</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nœuds</translation>
    </message>
    <message>
        <source>Black wins %1 : %2</source>
        <translation>Noir gagne %1 : %2</translation>
    </message>
    <message>
        <source>White wins %1 : %2</source>
        <translation>Blanc gagne %1 : %2</translation>
    </message>
    <message>
        <source>Draw %1 : %2</source>
        <translation>Nulle %1 : %2</translation>
    </message>
    <message>
        <source>Infinite thinking time</source>
        <translation>Temps de réflexion illimité</translation>
    </message>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>Recherche sur %n demi-coup</numerusform>
            <numerusform>Recherche sur %n demi-coups</numerusform>
        </translation>
    </message>
    <message>
        <source>White passes — Black to move</source>
        <translation>Blanc passe — Noir au trait</translation>
    </message>
    <message>
        <source>Black passes — White to move</source>
        <translation>Noir passe — Blanc au trait</translation>
    </message>
    <message>
        <source>White passes again (%1) — Black to move</source>
        <translation>Blanc passe encore (%1) — Noir au trait</translation>
    </message>
    <message>
        <source>Black passes again (%1) — White to move</source>
        <translation>Noir passe encore (%1) — Blanc au trait</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>passe (%1)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exact</translation>
    </message>
    <message>
        <source>book</source>
        <translation>livre</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>The game that will send you flipping mad!!</source>
        <translation>Le jeu qui va vous faire tourner la tête !!</translation>
    </message>
</context>
<context>
    <name>TToolbar</name>
    <message>
        <source>|Open a game file</source>
        <translation>|Ouvrir un fichier de partie</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>|Save a game file</source>
        <translation>|Enregistrer la partie dans un fichier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>|New game</source>
        <translation>|Nouvelle partie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
</context>
<context>
    <name>TUndoMyMove</name>
    <message>
        <source>&amp;Undo My Move</source>
        <translation>&amp;Annuler mon coup</translation>
    </message>
    <message>
        <source>Take back your last move and the computer&apos;s answer</source>
        <translation>Reprendre votre dernier coup et la réponse de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>&amp;Redo My Move</source>
        <translation>&amp;Rétablir mon coup</translation>
    </message>
    <message>
        <source>Play your move taken back and the computer&apos;s answer again</source>
        <translation>Rejouer votre coup repris et la réponse de l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>TVersionLabel</name>
    <message>
        <source>File Version:</source>
        <translation>Version du fichier :</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>File Description:</source>
        <translation>Description du fichier :</translation>
    </message>
    <message>
        <source>Internal Name:</source>
        <translation>Nom interne :</translation>
    </message>
    <message>
        <source>Legal Copyright:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source>Original Filename:</source>
        <translation>Nom de fichier d&apos;origine :</translation>
    </message>
    <message>
        <source>Product Name:</source>
        <translation>Nom du produit :</translation>
    </message>
    <message>
        <source>Product Version:</source>
        <translation>Version du produit :</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Indicateurs :</translation>
    </message>
    <message>
        <source>&lt; No design info &gt;</source>
        <translation>&lt; Aucune information de conception &gt;</translation>
    </message>
    <message>
        <source>&lt; No Data Available &gt;</source>
        <translation>&lt; Aucune donnée disponible &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving version info &gt;</source>
        <translation>&lt; Erreur de lecture des informations de version &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving translation info &gt;</source>
        <translation>&lt; Erreur de lecture des informations de langue &gt;</translation>
    </message>
    <message>
        <source>&lt; No Version Info &gt;</source>
        <translation>&lt; Aucune information de version &gt;</translation>
    </message>
    <message>
        <source>, Debug Build</source>
        <translation>, version de débogage</translation>
    </message>
    <message>
        <source>, Pre-Release Build</source>
        <translation>, préversion</translation>
    </message>
    <message>
        <source>, Patched Build</source>
        <translation>, version modifiée</translation>
    </message>
    <message>
        <source>, Private Build</source>
        <translation>, version privée</translation>
    </message>
    <message>
        <source>, InfoInferred</source>
        <translation>, informations déduites</translation>
    </message>
    <message>
        <source>, Special Build</source>
        <translation>, version spéciale</translation>
    </message>
</context>
<context>
    <name>TGamesPlayed</name>
    <message>
        <source>&amp;Games Played...</source>
        <translation>Parties &amp;jouées...</translation>
    </message>
    <message>
        <source>Your wins, draws and losses against each opponent</source>
        <translation>Vos victoires, nulles et défaites contre chaque adversaire</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analyste : fort</translation>
    </message>
    <message>
        <source>Analyst: Good</source>
        <translation>Analyste : bon</translation>
    </message>
    <message>
        <source>Analyst: Club</source>
        <translation>Analyste : club</translation>
    </message>
    <message>
        <source>Analyst: Beginner</source>
        <translation>Analyste : débutant</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Moteur : %1</translation>
    </message>
    <message>
        <source>The game could not be counted in %1: %2.</source>
        <translation>La partie n&apos;a pas pu être comptée dans %1 : %2.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Average Margin</source>
        <translation>Écart moyen</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Remettre à zéro...</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is; games are not counted in it until it is repaired or the statistics are reset.</source>
        <translation>Impossible de lire %1 : %2. Le fichier reste tel quel ; aucune partie n&apos;y est comptée tant qu&apos;il n&apos;est pas réparé ou que les statistiques ne sont pas remises à zéro.</translation>
    </message>
    <message>
        <source>No game against the computer has been counted yet.</source>
        <translation>Aucune partie contre l&apos;ordinateur n&apos;a encore été comptée.</translation>
    </message>
    <message>
        <source>Your games against the computer, kept in %1; the margin is your discs less the computer&apos;s.</source>
        <translation>Vos parties contre l&apos;ordinateur, conservées dans %1 ; l&apos;écart est le nombre de vos pions moins ceux de l&apos;ordinateur.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>%n partie de cette session n&apos;a pas encore pu être comptée.</numerusform>
            <numerusform>%n parties de cette session n&apos;ont pas encore pu être comptées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget all games counted so far? This cannot be undone.</source>
        <translation>Oublier toutes les parties comptées jusqu&apos;ici ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>%1 could not be reset: %2.</source>
        <translation>Impossible de remettre %1 à zéro : %2.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau : %1</translation>
    </message>
</context>
<context>
    <name>TStrongLevel</name>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Plays its best move.</source>
        <translation>Joue son meilleur coup.</translation>
    </message>
    <message>
        <source>Loses up to %1 discs a move.</source>
        <translation>Perd jusqu&apos;à %1 pions par coup.</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 s a move</source>
        <translation>Analyste : %1, %2 s/coup</translation>
    </message>
</context>
<context>
    <name>TAnimateFlips</name>
    <message>
        <source>Animate Flips</source>
        <translation>Animer les retournements</translation>
    </message>
    <message>
        <source>Turn the discs a move flips over in a short animation</source>
        <translation>Retourner dans une courte animation les pions qu&apos;un coup retourne</translation>
    </message>
</context>
</TS>
