<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>%1 was stopped before it moved</source>
        <translation>%1 se detuvo antes de jugar</translation>
    </message>
    <message>
        <source>%1 gave no move: %2</source>
        <translation>%1 no dio ninguna jugada: %2</translation>
    </message>
    <message>
        <source>%1 played an illegal move (%2); it was refused</source>
        <translation>%1 hizo una jugada ilegal (%2); fue rechazada</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pasa</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correo</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>The web page %1 could not be opened.</source>
        <translation>No se pudo abrir la página web %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Solving the endgame exactly (empty squares: %1)...</source>
        <translation>Resolviendo el final con exactitud (casillas vacías: %1)...</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>El análisis falló: %1</translation>
    </message>
    <message>
        <source>%1; the computer plays on by itself.</source>
        <translation>%1; el ordenador sigue jugando por sí mismo.</translation>
    </message>
    <message>
        <source>Analyst Player</source>
        <translation>Analista como rival</translation>
    </message>
    <message>
        <source>Seconds per move:</source>
        <translation>Segundos por jugada:</translation>
    </message>
    <message>
        <source>Play book moves within this many discs of the best (0: the best only):</source>
        <translation>Jugar jugadas del libro a lo sumo a tantas fichas de la mejor (0: solo la mejor):</translation>
    </message>
    <message>
        <source>Perfect Endgame</source>
        <translation>Final perfecto</translation>
    </message>
    <message>
        <source>Empty squares solved exactly:</source>
        <translation>Casillas vacías resueltas con exactitud:</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show the best move</source>
        <translation>Mostrar la mejor jugada</translation>
    </message>
    <message>
        <source>Analyse Game...</source>
        <translation>Analizar la partida...</translation>
    </message>
    <message>
        <source>Review every move of the game</source>
        <translation>Revisar cada jugada de la partida</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>Encuentro...</translation>
    </message>
    <message>
        <source>Play two engines against each other</source>
        <translation>Enfrentar dos motores entre sí</translation>
    </message>
    <message>
        <source>Engines...</source>
        <translation>Motores...</translation>
    </message>
    <message>
        <source>Add and remove the external engines that can play</source>
        <translation>Añadir y quitar los motores externos que pueden jugar</translation>
    </message>
    <message>
        <source>Engine Opponent</source>
        <translation>Motor rival</translation>
    </message>
    <message>
        <source>None (the game&apos;s own player)</source>
        <translation>Ninguno (el jugador propio del juego)</translation>
    </message>
    <message>
        <source>Hint from the Engine</source>
        <translation>Pista del motor</translation>
    </message>
    <message>
        <source>Solve the Endgame</source>
        <translation>Resolver el final</translation>
    </message>
    <message>
        <source>The computer plays perfectly in the last empties</source>
        <translation>El ordenador juega perfecto en las últimas casillas vacías</translation>
    </message>
    <message>
        <source>How many empty squares the computer solves</source>
        <translation>Cuántas casillas vacías resuelve el ordenador</translation>
    </message>
    <message>
        <source>Move Values</source>
        <translation>Valor de las jugadas</translation>
    </message>
    <message>
        <source>Show the value of every legal move</source>
        <translation>Mostrar el valor de cada jugada legal</translation>
    </message>
    <message>
        <source>Empty Squares: %1...</source>
        <translation>Casillas vacías: %1...</translation>
    </message>
    <message>
        <source>Seconds per Move: %1...</source>
        <translation>Segundos por jugada: %1...</translation>
    </message>
    <message>
        <source>Book Moves within %1 Discs...</source>
        <translation>Jugadas del libro a %1 fichas...</translation>
    </message>
    <message>
        <source>Asking %1 for a hint...</source>
        <translation>Pidiendo una pista a %1...</translation>
    </message>
    <message>
        <source>%1 has no hint here.</source>
        <translation>%1 no tiene ninguna pista aquí.</translation>
    </message>
    <message>
        <source>%1 suggests %2.</source>
        <translation>%1 sugiere %2.</translation>
    </message>
    <message>
        <source>The game has changed since it was analysed</source>
        <translation>La partida ha cambiado desde el análisis</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Jugador del ordenador</translation>
    </message>
    <message>
        <source>The Levels (Level...)</source>
        <translation>Los niveles (Nivel...)</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analista: fuerte</translation>
    </message>
    <message>
        <source>Analyst: Good (loses up to 2 discs a move)</source>
        <translation>Analista: bueno (pierde hasta 2 fichas por jugada)</translation>
    </message>
    <message>
        <source>Analyst: Club (loses up to 4 discs a move)</source>
        <translation>Analista: club (pierde hasta 4 fichas por jugada)</translation>
    </message>
    <message>
        <source>Analyst: Beginner (loses up to 8 discs a move)</source>
        <translation>Analista: principiante (pierde hasta 8 fichas por jugada)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pasa</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>%1 ply search</source>
        <translation>búsqueda de %1 semijugadas</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 discs (%3), %4 nodes: %5</source>
        <translation>Analista: %1, %2 fichas (%3), %4 nodos: %5</translation>
    </message>
    <message>
        <source>book</source>
        <translation>libro</translation>
    </message>
    <message>
        <source>Analysis Threads</source>
        <translation>Hilos de análisis</translation>
    </message>
    <message>
        <source>Threads for the hint, the move values, the review and the analyst player
(this computer has %1 processors):</source>
        <translation>Hilos para la pista, los valores de las jugadas, la revisión y el analista como rival
(este ordenador tiene %1 procesadores):</translation>
    </message>
    <message>
        <source>How many processors the analysis uses</source>
        <translation>Cuántos procesadores usa el análisis</translation>
    </message>
    <message>
        <source>Analysis Threads: %1...</source>
        <translation>Hilos de análisis: %1...</translation>
    </message>
</context>
<context>
    <name>TBoardPictures</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image, discs numbered by move (*.png)</source>
        <translation>Imagen PNG, fichas numeradas por jugada (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing, discs numbered by move (*.svg)</source>
        <translation>Dibujo SVG, fichas numeradas por jugada (*.svg)</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Exportar el tablero</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>No se pudo escribir la imagen en %1: %2.</translation>
    </message>
</context>
<context>
    <name>TBoardStyle</name>
    <message>
        <source>Board Style</source>
        <translation>Estilo del tablero</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Como el escritorio</translation>
    </message>
</context>
<context>
    <name>TClockController</name>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>White&apos;s clock</source>
        <translation>Reloj de blancas</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>Reloj de negras</translation>
    </message>
    <message>
        <source>No Clock</source>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>1 Minute per Side</source>
        <translation>1 minuto por bando</translation>
    </message>
    <message>
        <source>5 Minutes per Side</source>
        <translation>5 minutos por bando</translation>
    </message>
    <message>
        <source>10 Minutes per Side</source>
        <translation>10 minutos por bando</translation>
    </message>
    <message>
        <source>15 Minutes per Side</source>
        <translation>15 minutos por bando</translation>
    </message>
    <message>
        <source>A clock for each side&apos;s whole game; the computer keeps to its own</source>
        <translation>Un reloj por bando para toda la partida; el ordenador respeta el suyo</translation>
    </message>
    <message>
        <source>White&apos;s time is up — Black wins</source>
        <translation>Blancas sin tiempo: ganan negras</translation>
    </message>
    <message>
        <source>Black&apos;s time is up — White wins</source>
        <translation>Negras sin tiempo: ganan blancas</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>Ganan negras por tiempo</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>Ganan blancas por tiempo</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Solo se puede abrir un archivo de partida.</translation>
    </message>
    <message>
        <source>The game file&apos;s name is empty.</source>
        <translation>El nombre del archivo de partida está vacío.</translation>
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
        <translation>Uso: vezari-zaduder [OPCIÓN]... [ARCHIVO]
Jugar a Reversi (Othello) contra el ordenador o con un amigo en un tablero.

ARCHIVO, una partida guardada (.RGM, GGF o una lista de jugadas como
&quot;f5 d6 c3&quot;), se abre en cuanto aparece la ventana, como lo abre
Archivo &gt; Abrir; si un archivo no se puede abrir, queda una partida nueva y
el programa dice por qué.

Opciones:
  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

También se aceptan las opciones propias de Qt, como -platform, -style y
-qwindowgeometry. La configuración se guarda en Reversi.ini junto al
programa cuando se ejecuta desde una carpeta propia en la que puede
escribir; si no (instalado), en $XDG_CONFIG_HOME/vezari-zaduder
(~/.config/vezari-zaduder).

man vezari-zaduder explica cómo jugar: las teclas, los niveles, los archivos.
</translation>
    </message>
    <message>
        <source>the version data cannot be read from %1</source>
        <translation>no se pueden leer los datos de versión de %1</translation>
    </message>
</context>
<context>
    <name>TEnginesDialog</name>
    <message>
        <source>Engines</source>
        <translation>Motores</translation>
    </message>
    <message>
        <source>the engine&apos;s own name when empty</source>
        <translation>el nombre propio del motor si está vacío</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Línea de órdenes:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocolo:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Give the engine&apos;s command line.</source>
        <translation>Indique la línea de órdenes del motor.</translation>
    </message>
    <message>
        <source>No more than %1 engines can be registered.</source>
        <translation>No se pueden registrar más de %1 motores.</translation>
    </message>
    <message>
        <source>Asking %1 which protocol it speaks...</source>
        <translation>Preguntando a %1 qué protocolo usa...</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 no se añadió: %2</translation>
    </message>
    <message>
        <source>%1 added (%2).</source>
        <translation>%1 añadido (%2).</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 quitado.</translation>
    </message>
</context>
<context>
    <name>TEvalGraph</name>
    <message>
        <source>Value of the position for Black; click to show it</source>
        <translation>Valor de la posición para las negras; pulse para mostrarla</translation>
    </message>
    <message>
        <source>Black ahead above the line</source>
        <translation>Las negras ganan por encima de la línea</translation>
    </message>
</context>
<context>
    <name>TFileReason</name>
    <message>
        <source>no file name was given</source>
        <translation>no se dio ningún nombre de archivo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>no se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is far too large to be a game</source>
        <translation>el archivo es demasiado grande para ser una partida</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>the computer is thinking</source>
        <translation>el ordenador está pensando</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>the file cannot be replaced: %1</source>
        <translation>no se puede reemplazar el archivo: %1</translation>
    </message>
    <message>
        <source>the file cannot be written (is the disk full?)</source>
        <translation>no se puede escribir el archivo (¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>the move count %1 is not between %2 and %3</source>
        <translation>el número de jugadas %1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>the current move %1 is not between %2 and %3</source>
        <translation>la jugada actual %1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a legal move</source>
        <translation>la jugada %1 (%2) no es una jugada legal</translation>
    </message>
    <message>
        <source>move %1, %2 (%3) is not a legal move</source>
        <translation>la jugada %1, %2 (%3) no es una jugada legal</translation>
    </message>
    <message>
        <source>numbers follow the current move</source>
        <translation>hay números después de la jugada actual</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>no se puede escribir el archivo: %1</translation>
    </message>
    <message>
        <source>the file is far too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file holds a NUL byte</source>
        <translation>el archivo contiene un byte NUL</translation>
    </message>
    <message>
        <source>the file would be far too large</source>
        <translation>el archivo sería demasiado grande</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>another copy of the program (process %1) is writing it</source>
        <translation>otra copia del programa (proceso %1) lo está escribiendo</translation>
    </message>
    <message>
        <source>move %1, %2: %3</source>
        <translation>jugada %1, %2: %3</translation>
    </message>
    <message>
        <source>not a square</source>
        <translation>no es una casilla</translation>
    </message>
    <message>
        <source>it is Black&apos;s turn</source>
        <translation>juegan las negras</translation>
    </message>
    <message>
        <source>it is White&apos;s turn</source>
        <translation>juegan las blancas</translation>
    </message>
    <message>
        <source>not a legal move for Black</source>
        <translation>no es una jugada legal para las negras</translation>
    </message>
    <message>
        <source>not a legal move for White</source>
        <translation>no es una jugada legal para las blancas</translation>
    </message>
    <message>
        <source>Black has a legal move and cannot pass</source>
        <translation>las negras tienen una jugada legal y no pueden pasar</translation>
    </message>
    <message>
        <source>White has a legal move and cannot pass</source>
        <translation>las blancas tienen una jugada legal y no pueden pasar</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>la partida ha terminado</translation>
    </message>
    <message>
        <source>the text is far too long to be a game</source>
        <translation>el texto es demasiado largo para ser una partida</translation>
    </message>
    <message>
        <source>the text is far too long to be a board</source>
        <translation>el texto es demasiado largo para ser un tablero</translation>
    </message>
    <message>
        <source>the board has %1 squares, not %2, and no side to move</source>
        <translation>el tablero tiene %1 casillas, no %2, y ningún bando al turno</translation>
    </message>
    <message>
        <source>square %1: %2</source>
        <translation>casilla %1: %2</translation>
    </message>
    <message>
        <source>%1 is not X, O or -</source>
        <translation>%1 no es X, O ni -</translation>
    </message>
    <message>
        <source>the side to move (X or O) is missing after the %1 squares</source>
        <translation>falta el bando al turno (X u O) tras las %1 casillas</translation>
    </message>
    <message>
        <source>%1 is not a side to move (X or O)</source>
        <translation>%1 no es un bando al turno (X u O)</translation>
    </message>
    <message>
        <source>unexpected %1 after the side to move</source>
        <translation>%1 inesperado tras el bando al turno</translation>
    </message>
    <message>
        <source>no GGF game: %1</source>
        <translation>no es una partida GGF: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>the game does not end with %1</source>
        <translation>la partida no termina con %1</translation>
    </message>
    <message>
        <source>the game is %1, not Othello</source>
        <translation>el juego es %1, no Othello</translation>
    </message>
    <message>
        <source>unexpected %1 at character %2</source>
        <translation>%1 inesperado en el carácter %2</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>el portapapeles no contiene texto</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a key nor a comment</source>
        <translation>la línea %1 no es ni una sección, ni una clave, ni un comentario</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>a %1 le falta %2</translation>
    </message>
    <message>
        <source>%1 holds twice %2</source>
        <translation>%1 contiene dos veces %2</translation>
    </message>
    <message>
        <source>%1 holds the unknown key %2</source>
        <translation>%1 contiene la clave desconocida %2</translation>
    </message>
    <message>
        <source>its format %1 is not one this program knows</source>
        <translation>este programa no conoce su formato %1</translation>
    </message>
    <message>
        <source>%1 has no readable name</source>
        <translation>%1 no tiene un nombre legible</translation>
    </message>
    <message>
        <source>%1 names an opponent again</source>
        <translation>%1 vuelve a nombrar a un rival</translation>
    </message>
    <message>
        <source>it names more than %1 opponents</source>
        <translation>nombra a más de %1 rivales</translation>
    </message>
    <message>
        <source>%1 in %2 is not a count of games</source>
        <translation>%1 en %2 no es un número de partidas</translation>
    </message>
    <message>
        <source>%1 in %2 is not the sum of its games&apos; margins</source>
        <translation>%1 en %2 no es la suma de los márgenes de sus partidas</translation>
    </message>
    <message>
        <source>it holds keys before its first section</source>
        <translation>contiene claves antes de su primera sección</translation>
    </message>
    <message>
        <source>it holds the unknown section %1</source>
        <translation>contiene la sección desconocida %1</translation>
    </message>
    <message>
        <source>it lacks the section %1</source>
        <translation>le falta la sección %1</translation>
    </message>
    <message>
        <source>it cannot be read as an INI file</source>
        <translation>no se puede leer como archivo INI</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerlo</translation>
    </message>
    <message>
        <source>its lock cannot be created: %1</source>
        <translation>no se puede crear su bloqueo: %1</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</source>
        <translation>Todas las partidas (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)</source>
        <translation>Archivos de partida (*.RGM);;Partidas GGF (*.ggf);;Texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>GGF Games (*.ggf)</source>
        <translation>Partidas GGF (*.ggf)</translation>
    </message>
    <message>
        <source>Reversi Game Files (*.RGM)</source>
        <translation>Archivos de partida de Reversi (*.RGM)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <source>Copy Game</source>
        <translation>Copiar la partida</translation>
    </message>
    <message>
        <source>Copy the moves of the game</source>
        <translation>Copiar las jugadas de la partida</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copiar la posición</translation>
    </message>
    <message>
        <source>Copy the position on the board</source>
        <translation>Copiar la posición del tablero</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Take a move list, a board or a GGF game from the clipboard</source>
        <translation>Tomar del portapapeles una lista de jugadas, un tablero o una partida GGF</translation>
    </message>
    <message>
        <source>Set Up Position...</source>
        <translation>Preparar una posición...</translation>
    </message>
    <message>
        <source>Start a game from a position of your own</source>
        <translation>Empezar una partida desde una posición propia</translation>
    </message>
    <message>
        <source>The game could not be opened: the computer is thinking.
The current game is kept.</source>
        <translation>No se pudo abrir la partida: el ordenador está pensando.
Se conserva la partida actual.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; could not be opened: %2.
The current game is kept.</source>
        <translation>No se pudo abrir la partida «%1»: %2.
Se conserva la partida actual.</translation>
    </message>
    <message>
        <source>The game could not be saved: the computer is thinking.</source>
        <translation>No se pudo guardar la partida: el ordenador está pensando.</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la partida en «%1»: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played: %1.
The current game is kept.</source>
        <translation>El portapapeles no contiene ninguna partida jugable: %1.
Se conserva la partida actual.</translation>
    </message>
</context>
<context>
    <name>TGameReview</name>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Values in discs by the analyst (%1 s per position). A move losing %2 discs or more against the best is a mistake, marked red.</source>
        <translation>Valores en fichas según el analista (%1 s por posición). Una jugada que pierde %2 fichas o más frente a la mejor es un error, marcado en rojo.</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Best value</source>
        <translation>Mejor valor</translation>
    </message>
    <message>
        <source>Played value</source>
        <translation>Valor jugado</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Analysing...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>El análisis falló: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Done; * marks exact values</source>
        <translation>Hecho; * marca los valores exactos</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>THintControl</name>
    <message>
        <source>The analysis failed: %1</source>
        <translation>El análisis falló: %1</translation>
    </message>
    <message>
        <source>Hint: thinking...</source>
        <translation>Pista: pensando...</translation>
    </message>
    <message>
        <source>Hint: the game is over</source>
        <translation>Pista: la partida ha terminado</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Pista: pasar</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (exact)</source>
        <translation>Pista: %1, %2 fichas (exacto)</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (%3 ply search)</source>
        <translation>Pista: %1, %2 fichas (búsqueda de %3 semijugadas)</translation>
    </message>
    <message>
        <source>Move values in discs: exact (*)</source>
        <translation>Valor de las jugadas en fichas: exacto (*)</translation>
    </message>
    <message>
        <source>Move values in discs: %1 ply search</source>
        <translation>Valor de las jugadas en fichas: búsqueda de %1 semijugadas</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <source>The rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the opponent&apos;s discs, across, down or diagonally, with another disc of the mover&apos;s at the far end; every disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, and whoever has more discs wins.</source>
        <translation>Empiezan las negras. Una jugada pone una ficha en una casilla vacía de modo que encierre una o más líneas de fichas del rival, en horizontal, vertical o diagonal, con otra ficha propia en el otro extremo; cada ficha encerrada se da la vuelta. Un bando sin ninguna jugada así pasa. Cuando ningún bando puede jugar, la partida termina y gana quien tenga más fichas.</translation>
    </message>
    <message>
        <source>You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer answers each move; when you play White, the computer opens the game. Press Space to have the computer play the side to move instead; Edit &gt; Two Player lets two people share the board.</source>
        <translation>Usted juega con el color elegido en el menú Archivo, Nueva partida con negras o Nueva partida con blancas, y el ordenador responde a cada jugada; si juega con blancas, el ordenador abre la partida. Pulse Espacio para que el ordenador juegue en su lugar el bando al turno; Editar &gt; Dos jugadores permite que dos personas compartan el tablero.</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>Las teclas</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>play a legal square</source>
        <translation>jugar en una casilla legal</translation>
    </message>
    <message>
        <source>A letter and a digit</source>
        <translation>Una letra y una cifra</translation>
    </message>
    <message>
        <source>play the square of that name, such as d3</source>
        <translation>jugar en la casilla de ese nombre, por ejemplo d3</translation>
    </message>
    <message>
        <source>Arrow keys, Enter</source>
        <translation>Flechas, Intro</translation>
    </message>
    <message>
        <source>move the cursor on the board, play the square under it</source>
        <translation>mover el cursor por el tablero, jugar en la casilla de debajo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>the computer moves now, or plays the side to move</source>
        <translation>el ordenador juega ya, o juega el bando al turno</translation>
    </message>
    <message>
        <source>a hint: the best move is marked on the board</source>
        <translation>una pista: la mejor jugada se marca en el tablero</translation>
    </message>
    <message>
        <source>Delete, Insert</source>
        <translation>Supr, Insert</translation>
    </message>
    <message>
        <source>take back a move, play it again</source>
        <translation>deshacer una jugada, volver a jugarla</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>the level: time per move, a fixed depth, or no limit</source>
        <translation>el nivel: tiempo por jugada, profundidad fija o sin límite</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Ctrl+C, Ctrl+V</translation>
    </message>
    <message>
        <source>copy the game as a move list, paste a game or a board</source>
        <translation>copiar la partida como lista de jugadas, pegar una partida o un tablero</translation>
    </message>
    <message>
        <source>The panels</source>
        <translation>Los paneles</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>the discs of each side and who is to move</source>
        <translation>las fichas de cada bando y a quién le toca jugar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>the computer&apos;s thinking: the move it considers, its best move and evaluation (in discs, for the side it plays; positive is good for it), the depth and the positions searched</source>
        <translation>lo que piensa el ordenador: la jugada que estudia, su mejor jugada y su evaluación (en fichas, para el bando que juega; positiva es buena para él), la profundidad y las posiciones examinadas</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Mejor línea</translation>
    </message>
    <message>
        <source>the moves it expects next, one line for each depth</source>
        <translation>las jugadas que espera a continuación, una línea por profundidad</translation>
    </message>
    <message>
        <source>The manual page (man vezari-zaduder) says more.</source>
        <translation>La página de manual (man vezari-zaduder) dice más.</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>%n segundo por jugada</numerusform>
            <numerusform>%n segundos por jugada</numerusform>
        </translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Time per move</source>
        <translation>Tiempo por jugada</translation>
    </message>
    <message>
        <source>Fixed depth search</source>
        <translation>Profundidad fija</translation>
    </message>
    <message>
        <source>Infinite time</source>
        <translation>Tiempo ilimitado</translation>
    </message>
    <message>
        <source>Gamma Selectivity</source>
        <translation>Selectividad gamma</translation>
    </message>
    <message>
        <source>Maximum Selective Depth</source>
        <translation>Profundidad selectiva máx.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Analyst as opponent</source>
        <translation>Analista como rival</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Segundos por jugada</translation>
    </message>
    <message>
        <source>Book margin (discs)</source>
        <translation>Margen del libro (fichas)</translation>
    </message>
    <message>
        <source>Book moves within this many discs of the book&apos;s best are played at random</source>
        <translation>Las jugadas del libro a esta distancia en fichas de la mejor se juegan al azar</translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message>
        <source>Move</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Mean margin</source>
        <translation>Margen medio</translation>
    </message>
    <message>
        <source>Moves played next</source>
        <translation>Jugadas siguientes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Games that reached the position</source>
        <translation>Partidas que llegaron a la posición</translation>
    </message>
    <message>
        <source>No library is open (File &gt; Open Library...).</source>
        <translation>No hay ninguna biblioteca abierta (Archivo &gt; Abrir biblioteca...).</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>%n partida de la biblioteca llegó a esta posición.</numerusform>
            <numerusform>%n partidas de la biblioteca llegaron a esta posición.</numerusform>
        </translation>
    </message>
    <message>
        <source>No game of the library reached this position.</source>
        <translation>Ninguna partida de la biblioteca llegó a esta posición.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 no es una jugada legal</translation>
    </message>
    <message>
        <source>Black plays %1</source>
        <translation>Las negras juegan %1</translation>
    </message>
    <message>
        <source>White plays %1</source>
        <translation>Las blancas juegan %1</translation>
    </message>
    <message>
        <source>Black has no legal move and passes</source>
        <translation>Las negras no tienen jugada legal y pasan</translation>
    </message>
    <message>
        <source>White has no legal move and passes</source>
        <translation>Las blancas no tienen jugada legal y pasan</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.

Close without saving them?</source>
        <translation>No se pudo guardar la configuración en %1: %2.

¿Cerrar sin guardarla?</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Export Board...</source>
        <translation>Exportar el tablero...</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG or SVG</source>
        <translation>Guardar una imagen del tablero en PNG o SVG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>Cómo &amp;jugar</translation>
    </message>
    <message>
        <source>The rules, the keys and what the panels show</source>
        <translation>Las reglas, las teclas y lo que muestran los paneles</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Display about box</source>
        <translation>Mostrar información sobre el programa</translation>
    </message>
    <message>
        <source>Level...</source>
        <translation>Nivel...</translation>
    </message>
    <message>
        <source>Set level of play</source>
        <translation>Ajustar el nivel de juego</translation>
    </message>
    <message>
        <source>Strict Time Limit</source>
        <translation>Límite de tiempo estricto</translation>
    </message>
    <message>
        <source>Never think longer than the time per move</source>
        <translation>No pensar nunca más que el tiempo por jugada</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Two player mode</source>
        <translation>Modo de dos jugadores</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Deshacer jugada</translation>
    </message>
    <message>
        <source>Take back a move</source>
        <translation>Deshacer una jugada</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Rehacer jugada</translation>
    </message>
    <message>
        <source>Move forward one move</source>
        <translation>Rehacer una jugada deshecha</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jugar ya</translation>
    </message>
    <message>
        <source>Force the computer to play</source>
        <translation>Obligar al ordenador a jugar</translation>
    </message>
    <message>
        <source>Copy Board as Image</source>
        <translation>Copiar el tablero como imagen</translation>
    </message>
    <message>
        <source>Copy a picture of the board</source>
        <translation>Copiar una imagen del tablero</translation>
    </message>
    <message>
        <source>Show Thinking</source>
        <translation>Mostrar el razonamiento</translation>
    </message>
    <message>
        <source>Display the candidate move</source>
        <translation>Mostrar la jugada candidata</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mostrar las jugadas legales</translation>
    </message>
    <message>
        <source>Display all legal moves</source>
        <translation>Mostrar todas las jugadas legales</translation>
    </message>
    <message>
        <source>Show Flipable Discs</source>
        <translation>Mostrar las fichas volteables</translation>
    </message>
    <message>
        <source>Diplay the disc that would be flipped</source>
        <translation>Mostrar las fichas que se voltearían</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Display the game statistics</source>
        <translation>Mostrar las estadísticas de la búsqueda</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Mostrar la mejor línea</translation>
    </message>
    <message>
        <source>Display the best line of play</source>
        <translation>Mostrar la mejor línea de juego</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Show the letters and digits of the squares around the board</source>
        <translation>Mostrar las letras y cifras de las casillas alrededor del tablero</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Make a sound after each move</source>
        <translation>Emitir un sonido tras cada jugada</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>Selectiva</translation>
    </message>
    <message>
        <source>Selective search</source>
        <translation>Búsqueda selectiva</translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message>
        <source>forfeit by %1: %2</source>
        <translation>abandono de %1: %2</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>tablas</translation>
    </message>
    <message>
        <source>Black wins by %1</source>
        <translation>Las negras ganan por %1</translation>
    </message>
    <message>
        <source>White wins by %1</source>
        <translation>Las blancas ganan por %1</translation>
    </message>
    <message>
        <source>Game %1: %2 (Black) - %3 (White): %4</source>
        <translation>Partida %1: %2 (negras) - %3 (blancas): %4</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Encuentro</translation>
    </message>
    <message>
        <source>analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine</source>
        <translation>analyst, levels:NIVEL (1 a 12), o gtp: y la línea de órdenes de un motor GTP</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Segundos por jugada</translation>
    </message>
    <message>
        <source>Depth per move</source>
        <translation>Profundidad por jugada</translation>
    </message>
    <message>
        <source>Of real games</source>
        <translation>De partidas reales</translation>
    </message>
    <message>
        <source>Balanced starts from seed</source>
        <translation>Inicios equilibrados con la semilla</translation>
    </message>
    <message>
        <source>Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs</source>
        <translation>Inicios equilibrados: aperturas al azar de 8 a 12 jugadas que el analista valora dentro de dos fichas</translation>
    </message>
    <message>
        <source>a file to save every game in (GGF), or nothing</source>
        <translation>un archivo donde guardar cada partida (GGF), o nada</translation>
    </message>
    <message>
        <source>First player:</source>
        <translation>Primer jugador:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>Segundo jugador:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Each move:</source>
        <translation>Cada jugada:</translation>
    </message>
    <message>
        <source>Openings:</source>
        <translation>Aperturas:</translation>
    </message>
    <message>
        <source>Save games:</source>
        <translation>Guardar partidas:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Forfeits</source>
        <translation>Abandonos</translation>
    </message>
    <message>
        <source>Disc margin</source>
        <translation>Margen de fichas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Margin and score with the half-width of their 95% interval</source>
        <translation>Margen y puntuación con la semiamplitud de su intervalo del 95 %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> (second)</source>
        <translation> (segundo)</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Jugando...</translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>Detenido tras %n partida.</numerusform>
            <numerusform>Detenido tras %n partidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Match over.</source>
        <translation>Encuentro terminado.</translation>
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
        <translation>No se pueden guardar las partidas en %1.</translation>
    </message>
</context>
<context>
    <name>TMoveList</name>
    <message>
        <source>pass</source>
        <translation>pasa</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Jugadas de la partida</translation>
    </message>
    <message>
        <source>&amp;Copy Moves</source>
        <translation>&amp;Copiar las jugadas</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>Lista de &amp;jugadas</translation>
    </message>
    <message>
        <source>Show the game&apos;s moves beside the board; pick one to go there</source>
        <translation>Mostrar las jugadas de la partida junto al tablero; elegir una para ir a ella</translation>
    </message>
</context>
<context>
    <name>TNewGameChoice</name>
    <message>
        <source>New Game as Blac&amp;k</source>
        <translation>Nueva partida con neg&amp;ras</translation>
    </message>
    <message>
        <source>New game against the computer, you play Black</source>
        <translation>Nueva partida contra el ordenador; usted juega con negras</translation>
    </message>
    <message>
        <source>New Game as &amp;White</source>
        <translation>Nueva partida con b&amp;lancas</translation>
    </message>
    <message>
        <source>New game against the computer, which opens with Black</source>
        <translation>Nueva partida contra el ordenador, que abre con negras</translation>
    </message>
    <message>
        <source>New &amp;Two-Player Game</source>
        <translation>Nueva partida a &amp;dos jugadores</translation>
    </message>
    <message>
        <source>New game for two players at this board</source>
        <translation>Nueva partida para dos jugadores en este tablero</translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message>
        <source>Open Library</source>
        <translation>Abrir una biblioteca</translation>
    </message>
    <message>
        <source>Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)</source>
        <translation>Colecciones de partidas (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Practise Opening</source>
        <translation>Practicar una apertura</translation>
    </message>
    <message>
        <source>The line to practise:</source>
        <translation>La línea que practicar:</translation>
    </message>
    <message>
        <source>New &amp;Balanced Game</source>
        <translation>Nueva partida &amp;equilibrada</translation>
    </message>
    <message>
        <source>New game from a random opening that the analyst judges even</source>
        <translation>Nueva partida desde una apertura al azar que el analista juzga igualada</translation>
    </message>
    <message>
        <source>Open &amp;Library...</source>
        <translation>Abrir &amp;biblioteca...</translation>
    </message>
    <message>
        <source>Read a collection of games and look up the position on the board in it</source>
        <translation>Leer una colección de partidas y buscar en ella la posición del tablero</translation>
    </message>
    <message>
        <source>Practise &amp;Opening...</source>
        <translation>Practicar una &amp;apertura...</translation>
    </message>
    <message>
        <source>Play a named opening against the computer, your moves checked against it</source>
        <translation>Jugar una apertura con nombre contra el ordenador, comprobando sus jugadas con ella</translation>
    </message>
    <message>
        <source>&amp;Book Moves</source>
        <translation>Jugadas del &amp;libro</translation>
    </message>
    <message>
        <source>Mark the opening book&apos;s moves with their values in discs, and name the opening</source>
        <translation>Marcar las jugadas del libro de aperturas con su valor en fichas y nombrar la apertura</translation>
    </message>
    <message>
        <source>The opening book cannot be used: %1</source>
        <translation>No se puede usar el libro de aperturas: %1</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Apertura: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1: %2 fichas, jugada en %n partida</numerusform>
            <numerusform>%1: %2 fichas, jugada en %n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Practising the %1: %2</source>
        <translation>Practicando la apertura %1: %2</translation>
    </message>
    <message>
        <source>%1 leaves the %2: the line plays %3.</source>
        <translation>%1 abandona la apertura %2: la línea juega %3.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 and %3 at %4 discs: %5 discs less.</source>
        <translation>El libro valora %1 en %2 y %3 en %4 fichas: %5 fichas menos.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 discs and does not know %3.</source>
        <translation>El libro valora %1 en %2 fichas y no conoce %3.</translation>
    </message>
    <message>
        <source>The %1 is played to its end.</source>
        <translation>La apertura %1 se ha jugado hasta el final.</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>it holds no readable game</source>
        <translation>no contiene ninguna partida legible</translation>
    </message>
    <message>
        <source>Cannot open the library %1: %2</source>
        <translation>No se puede abrir la biblioteca %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>Biblioteca %1: %n partida</numerusform>
            <numerusform>Biblioteca %1: %n partidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>(%n registro rechazado; el primero, registro %1: %2)</numerusform>
            <numerusform>(%n registros rechazados; el primero, registro %1: %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>The library holds games from the standard start only.</source>
        <translation>La biblioteca solo contiene partidas desde la posición inicial estándar.</translation>
    </message>
    <message>
        <source>%1 against %2 from the library</source>
        <translation>%1 contra %2, de la biblioteca</translation>
    </message>
    <message>
        <source>Looking for a balanced start...</source>
        <translation>Buscando un inicio equilibrado...</translation>
    </message>
    <message>
        <source>No balanced start was found; try again.</source>
        <translation>No se encontró ningún inicio equilibrado; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Balanced start %1: %2 (%3 discs for the side to move)</source>
        <translation>Inicio equilibrado %1: %2 (%3 fichas para el bando al turno)</translation>
    </message>
</context>
<context>
    <name>TPassBox</name>
    <message>
        <source>You must pass</source>
        <translation>Tiene que pasar</translation>
    </message>
</context>
<context>
    <name>TPlayBar</name>
    <message>
        <source>|Take back a move</source>
        <translation>|Deshacer una jugada</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>|Force the computer to play</source>
        <translation>|Obligar al ordenador a jugar</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jugar ya</translation>
    </message>
    <message>
        <source>Move now</source>
        <translation>Jugar ya</translation>
    </message>
    <message>
        <source>|Move forward one move</source>
        <translation>|Rehacer una jugada deshecha</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Pensando</translation>
    </message>
</context>
<context>
    <name>TReversi</name>
    <message>
        <source>%1, black</source>
        <translation>%1, negra</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, blanca</translation>
    </message>
    <message>
        <source>%1, empty, legal move</source>
        <translation>%1, vacía, jugada legal</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Reversi</source>
        <translation>Reversi</translation>
    </message>
    <message>
        <source>You must pass</source>
        <translation>Tiene que pasar</translation>
    </message>
</context>
<context>
    <name>TSetupDialog</name>
    <message>
        <source>Set Up Position</source>
        <translation>Preparar una posición</translation>
    </message>
    <message>
        <source>Empty Board</source>
        <translation>Tablero vacío</translation>
    </message>
    <message>
        <source>Standard Start</source>
        <translation>Posición inicial</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Juegan negras</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Juegan blancas</translation>
    </message>
    <message>
        <source>Click a square to put a black disc, a white disc or none on it in turn; the right button goes the other way.</source>
        <translation>Pulse en una casilla para poner por turnos una ficha negra, una blanca o ninguna; el botón derecho va en sentido contrario.</translation>
    </message>
    <message>
        <source>The position has no white disc; place at least one of each colour.</source>
        <translation>La posición no tiene ninguna ficha blanca; coloque al menos una de cada color.</translation>
    </message>
    <message>
        <source>The position has no black disc; place at least one of each colour.</source>
        <translation>La posición no tiene ninguna ficha negra; coloque al menos una de cada color.</translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Mejor línea</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>White discs</source>
        <translation>Fichas blancas</translation>
    </message>
    <message>
        <source>Black discs</source>
        <translation>Fichas negras</translation>
    </message>
    <message>
        <source>To Move</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Juegan blancas</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Juegan negras</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Candidate Move</source>
        <translation>Jugada candidata</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Evaluación</translation>
    </message>
    <message>
        <source>Considering</source>
        <translation>Estudiando</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Root move, then deepest depth</source>
        <translation>Jugada raíz, luego profundidad máxima</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>Black wins %1 : %2</source>
        <translation>Ganan negras %1 : %2</translation>
    </message>
    <message>
        <source>White wins %1 : %2</source>
        <translation>Ganan blancas %1 : %2</translation>
    </message>
    <message>
        <source>Draw %1 : %2</source>
        <translation>Tablas %1 : %2</translation>
    </message>
    <message>
        <source>Infinite thinking time</source>
        <translation>Tiempo de reflexión ilimitado</translation>
    </message>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>Búsqueda de %n semijugada</numerusform>
            <numerusform>Búsqueda de %n semijugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>White passes — Black to move</source>
        <translation>Las blancas pasan — juegan negras</translation>
    </message>
    <message>
        <source>Black passes — White to move</source>
        <translation>Las negras pasan — juegan blancas</translation>
    </message>
    <message>
        <source>White passes again (%1) — Black to move</source>
        <translation>Las blancas pasan otra vez (%1) — juegan negras</translation>
    </message>
    <message>
        <source>Black passes again (%1) — White to move</source>
        <translation>Las negras pasan otra vez (%1) — juegan blancas</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>pasa</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>pasa (%1)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pasa</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exac.</translation>
    </message>
    <message>
        <source>book</source>
        <translation>libro</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>The game that will send you flipping mad!!</source>
        <translation>¡¡El juego que le hará dar la vuelta!!</translation>
    </message>
</context>
<context>
    <name>TToolbar</name>
    <message>
        <source>|Open a game file</source>
        <translation>|Abrir un archivo de partida</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>|Save a game file</source>
        <translation>|Guardar la partida en un archivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>|New game</source>
        <translation>|Nueva partida</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
</context>
<context>
    <name>TUndoMyMove</name>
    <message>
        <source>&amp;Undo My Move</source>
        <translation>&amp;Deshacer mi jugada</translation>
    </message>
    <message>
        <source>Take back your last move and the computer&apos;s answer</source>
        <translation>Deshacer su última jugada y la respuesta del ordenador</translation>
    </message>
    <message>
        <source>&amp;Redo My Move</source>
        <translation>&amp;Rehacer mi jugada</translation>
    </message>
    <message>
        <source>Play your move taken back and the computer&apos;s answer again</source>
        <translation>Volver a jugar su jugada deshecha y la respuesta del ordenador</translation>
    </message>
</context>
<context>
    <name>TVersionLabel</name>
    <message>
        <source>File Version:</source>
        <translation>Versión del archivo:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>File Description:</source>
        <translation>Descripción del archivo:</translation>
    </message>
    <message>
        <source>Internal Name:</source>
        <translation>Nombre interno:</translation>
    </message>
    <message>
        <source>Legal Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Original Filename:</source>
        <translation>Nombre de archivo original:</translation>
    </message>
    <message>
        <source>Product Name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Product Version:</source>
        <translation>Versión del producto:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Indicadores:</translation>
    </message>
    <message>
        <source>&lt; No design info &gt;</source>
        <translation>&lt; Sin información de diseño &gt;</translation>
    </message>
    <message>
        <source>&lt; No Data Available &gt;</source>
        <translation>&lt; No hay datos &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving version info &gt;</source>
        <translation>&lt; Error al leer la información de versión &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving translation info &gt;</source>
        <translation>&lt; Error al leer la información de idioma &gt;</translation>
    </message>
    <message>
        <source>&lt; No Version Info &gt;</source>
        <translation>&lt; Sin información de versión &gt;</translation>
    </message>
    <message>
        <source>, Debug Build</source>
        <translation>, compilación de depuración</translation>
    </message>
    <message>
        <source>, Pre-Release Build</source>
        <translation>, versión preliminar</translation>
    </message>
    <message>
        <source>, Patched Build</source>
        <translation>, versión parcheada</translation>
    </message>
    <message>
        <source>, Private Build</source>
        <translation>, versión privada</translation>
    </message>
    <message>
        <source>, InfoInferred</source>
        <translation>, información deducida</translation>
    </message>
    <message>
        <source>, Special Build</source>
        <translation>, versión especial</translation>
    </message>
</context>
<context>
    <name>TGamesPlayed</name>
    <message>
        <source>&amp;Games Played...</source>
        <translation>&amp;Partidas jugadas...</translation>
    </message>
    <message>
        <source>Your wins, draws and losses against each opponent</source>
        <translation>Sus victorias, tablas y derrotas contra cada rival</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analista: fuerte</translation>
    </message>
    <message>
        <source>Analyst: Good</source>
        <translation>Analista: bueno</translation>
    </message>
    <message>
        <source>Analyst: Club</source>
        <translation>Analista: club</translation>
    </message>
    <message>
        <source>Analyst: Beginner</source>
        <translation>Analista: principiante</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Motor: %1</translation>
    </message>
    <message>
        <source>The game could not be counted in %1: %2.</source>
        <translation>La partida no se pudo contar en %1: %2.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Average Margin</source>
        <translation>Margen medio</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Reiniciar...</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is; games are not counted in it until it is repaired or the statistics are reset.</source>
        <translation>No se puede leer %1: %2. Se deja tal como está; no se cuentan partidas en él hasta que se repare o se reinicien las estadísticas.</translation>
    </message>
    <message>
        <source>No game against the computer has been counted yet.</source>
        <translation>Todavía no se ha contado ninguna partida contra el ordenador.</translation>
    </message>
    <message>
        <source>Your games against the computer, kept in %1; the margin is your discs less the computer&apos;s.</source>
        <translation>Sus partidas contra el ordenador, guardadas en %1; el margen son sus fichas menos las del ordenador.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>%n partida de esta sesión aún no se ha podido contar.</numerusform>
            <numerusform>%n partidas de esta sesión aún no se han podido contar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget all games counted so far? This cannot be undone.</source>
        <translation>¿Olvidar todas las partidas contadas hasta ahora? No se puede deshacer.</translation>
    </message>
    <message>
        <source>%1 could not be reset: %2.</source>
        <translation>No se pudo reiniciar %1: %2.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
</context>
<context>
    <name>TStrongLevel</name>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Plays its best move.</source>
        <translation>Juega su mejor jugada.</translation>
    </message>
    <message>
        <source>Loses up to %1 discs a move.</source>
        <translation>Pierde hasta %1 fichas por jugada.</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 s a move</source>
        <translation>Analista: %1, %2 s/jugada</translation>
    </message>
</context>
<context>
    <name>TAnimateFlips</name>
    <message>
        <source>Animate Flips</source>
        <translation>Animar los volteos</translation>
    </message>
    <message>
        <source>Turn the discs a move flips over in a short animation</source>
        <translation>Voltear con una breve animación las fichas que da la vuelta una jugada</translation>
    </message>
</context>
</TS>
