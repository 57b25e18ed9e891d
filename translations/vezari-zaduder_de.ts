<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>pass</source>
        <translation>passen</translation>
    </message>
    <message>
        <source>%1 was stopped before it moved</source>
        <translation>%1 wurde angehalten, bevor er zog</translation>
    </message>
    <message>
        <source>%1 gave no move: %2</source>
        <translation>%1 hat keinen Zug geliefert: %2</translation>
    </message>
    <message>
        <source>%1 played an illegal move (%2); it was refused</source>
        <translation>%1 hat einen ungültigen Zug gespielt (%2); er wurde abgelehnt</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The web page %1 could not be opened.</source>
        <translation>Die Webseite %1 lässt sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Solving the endgame exactly (empty squares: %1)...</source>
        <translation>Das Endspiel wird genau gelöst (leere Felder: %1)...</translation>
    </message>
    <message>
        <source>Perfect Endgame</source>
        <translation>Perfektes Endspiel</translation>
    </message>
    <message>
        <source>Empty squares solved exactly:</source>
        <translation>Exakt gelöste leere Felder:</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show the best move</source>
        <translation>Den besten Zug zeigen</translation>
    </message>
    <message>
        <source>Analyse Game...</source>
        <translation>Spiel analysieren...</translation>
    </message>
    <message>
        <source>Review every move of the game</source>
        <translation>Jeden Zug des Spiels bewerten</translation>
    </message>
    <message>
        <source>Solve the Endgame</source>
        <translation>Endspiel exakt lösen</translation>
    </message>
    <message>
        <source>The computer plays perfectly in the last empties</source>
        <translation>Der Computer spielt die letzten leeren Felder fehlerfrei</translation>
    </message>
    <message>
        <source>How many empty squares the computer solves</source>
        <translation>Wie viele leere Felder der Computer exakt löst</translation>
    </message>
    <message>
        <source>Move Values</source>
        <translation>Zugwerte</translation>
    </message>
    <message>
        <source>Show the value of every legal move</source>
        <translation>Den Wert jedes gültigen Zuges zeigen</translation>
    </message>
    <message>
        <source>Empty Squares: %1...</source>
        <translation>Leere Felder: %1...</translation>
    </message>
    <message>
        <source>The game has changed since it was analysed</source>
        <translation>Das Spiel hat sich seit der Analyse geändert</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>Die Analyse ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Analyst Player</source>
        <translation>Analyst als Gegner</translation>
    </message>
    <message>
        <source>Seconds per move:</source>
        <translation>Sekunden pro Zug:</translation>
    </message>
    <message>
        <source>Play book moves within this many discs of the best (0: the best only):</source>
        <translation>Buchzüge spielen, die höchstens so viele Steine schlechter als der beste sind (0: nur den besten):</translation>
    </message>
    <message>
        <source>Seconds per Move: %1...</source>
        <translation>Sekunden pro Zug: %1...</translation>
    </message>
    <message>
        <source>Book Moves within %1 Discs...</source>
        <translation>Buchzüge innerhalb von %1 Steinen...</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Computergegner</translation>
    </message>
    <message>
        <source>The Levels (Level...)</source>
        <translation>Die Stufen (Stufe...)</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analyst: stark</translation>
    </message>
    <message>
        <source>Analyst: Good (loses up to 2 discs a move)</source>
        <translation>Analyst: gut (verliert bis zu 2 Steine pro Zug)</translation>
    </message>
    <message>
        <source>Analyst: Club (loses up to 4 discs a move)</source>
        <translation>Analyst: Verein (verliert bis zu 4 Steine pro Zug)</translation>
    </message>
    <message>
        <source>Analyst: Beginner (loses up to 8 discs a move)</source>
        <translation>Analyst: Anfänger (verliert bis zu 8 Steine pro Zug)</translation>
    </message>
    <message>
        <source>%1 ply search</source>
        <translation>Suche über %1 Halbzüge</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 discs (%3), %4 nodes: %5</source>
        <translation>Analyst: %1, %2 Steine (%3), %4 Knoten: %5</translation>
    </message>
    <message>
        <source>%1; the computer plays on by itself.</source>
        <translation>%1; der Computer spielt selbst weiter.</translation>
    </message>
    <message>
        <source>Match...</source>
        <translation>Wettkampf...</translation>
    </message>
    <message>
        <source>Play two engines against each other</source>
        <translation>Zwei Engines gegeneinander spielen lassen</translation>
    </message>
    <message>
        <source>Engines...</source>
        <translation>Engines...</translation>
    </message>
    <message>
        <source>Add and remove the external engines that can play</source>
        <translation>Die externen Engines, die spielen können, hinzufügen und entfernen</translation>
    </message>
    <message>
        <source>Engine Opponent</source>
        <translation>Engine als Gegner</translation>
    </message>
    <message>
        <source>None (the game&apos;s own player)</source>
        <translation>Keine (der eigene Spieler des Programms)</translation>
    </message>
    <message>
        <source>Hint from the Engine</source>
        <translation>Tipp von der Engine</translation>
    </message>
    <message>
        <source>Asking %1 for a hint...</source>
        <translation>%1 wird um einen Tipp gebeten...</translation>
    </message>
    <message>
        <source>%1 has no hint here.</source>
        <translation>%1 hat hier keinen Tipp.</translation>
    </message>
    <message>
        <source>%1 suggests %2.</source>
        <translation>%1 schlägt %2 vor.</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passen</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Analysis Threads</source>
        <translation>Analyse-Threads</translation>
    </message>
    <message>
        <source>Threads for the hint, the move values, the review and the analyst player
(this computer has %1 processors):</source>
        <translation>Threads für den Tipp, die Zugwerte, die Partieanalyse und den Analysten als Gegner
(dieser Computer hat %1 Prozessoren):</translation>
    </message>
    <message>
        <source>How many processors the analysis uses</source>
        <translation>Wie viele Prozessoren die Analyse verwendet</translation>
    </message>
    <message>
        <source>Analysis Threads: %1...</source>
        <translation>Analyse-Threads: %1...</translation>
    </message>
</context>
<context>
    <name>TBoardPictures</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PNG image, discs numbered by move (*.png)</source>
        <translation>PNG-Bild, Steine mit Zugnummern (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing, discs numbered by move (*.svg)</source>
        <translation>SVG-Zeichnung, Steine mit Zugnummern (*.svg)</translation>
    </message>
    <message>
        <source>Export Board</source>
        <translation>Brett exportieren</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>TBoardStyle</name>
    <message>
        <source>Board Style</source>
        <translation>Brettdarstellung</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Follow the Desktop</source>
        <translation>Wie die Arbeitsumgebung</translation>
    </message>
</context>
<context>
    <name>TClockController</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>White&apos;s clock</source>
        <translation>Uhr von Weiß</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>Uhr von Schwarz</translation>
    </message>
    <message>
        <source>No Clock</source>
        <translation>Keine Uhr</translation>
    </message>
    <message>
        <source>1 Minute per Side</source>
        <translation>1 Minute je Seite</translation>
    </message>
    <message>
        <source>5 Minutes per Side</source>
        <translation>5 Minuten je Seite</translation>
    </message>
    <message>
        <source>10 Minutes per Side</source>
        <translation>10 Minuten je Seite</translation>
    </message>
    <message>
        <source>15 Minutes per Side</source>
        <translation>15 Minuten je Seite</translation>
    </message>
    <message>
        <source>A clock for each side&apos;s whole game; the computer keeps to its own</source>
        <translation>Eine Uhr je Seite für das ganze Spiel; der Computer hält sich an seine</translation>
    </message>
    <message>
        <source>White&apos;s time is up — Black wins</source>
        <translation>Zeit von Weiß abgelaufen – Schwarz gewinnt</translation>
    </message>
    <message>
        <source>Black&apos;s time is up — White wins</source>
        <translation>Zeit von Schwarz abgelaufen – Weiß gewinnt</translation>
    </message>
    <message>
        <source>Black wins on time</source>
        <translation>Schwarz gewinnt nach Zeit</translation>
    </message>
    <message>
        <source>White wins on time</source>
        <translation>Weiß gewinnt nach Zeit</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Nur eine Spieldatei kann geöffnet werden.</translation>
    </message>
    <message>
        <source>The game file&apos;s name is empty.</source>
        <translation>Der Name der Spieldatei ist leer.</translation>
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
        <translation>Aufruf: vezari-zaduder [OPTION]... [DATEI]
Reversi (Othello) gegen den Computer oder zu zweit an einem Brett spielen.

DATEI, ein gespeichertes Spiel (.RGM, GGF oder eine Zugliste wie &quot;f5 d6 c3&quot;),
wird geöffnet, sobald das Fenster da ist, wie Datei &gt; Öffnen es öffnet; lässt
sich die Datei nicht öffnen, bleibt es beim neuen Spiel, und das Programm sagt,
warum.

Optionen:
  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden

Qts eigene Optionen wie -platform, -style und -qwindowgeometry werden ebenfalls
angenommen. Die Einstellungen liegen in Reversi.ini neben dem Programm, wenn es
aus einem eigenen Ordner läuft, in den es schreiben darf, sonst (installiert)
in $XDG_CONFIG_HOME/vezari-zaduder (~/.config/vezari-zaduder).

man vezari-zaduder erklärt das Spiel: die Tasten, die Spielstärken, die Dateien.
</translation>
    </message>
    <message>
        <source>the version data cannot be read from %1</source>
        <translation>die Versionsangaben lassen sich nicht aus %1 lesen</translation>
    </message>
</context>
<context>
    <name>TEnginesDialog</name>
    <message>
        <source>Engines</source>
        <translation>Engines</translation>
    </message>
    <message>
        <source>the engine&apos;s own name when empty</source>
        <translation>leer: der eigene Name der Engine</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Befehlszeile:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Give the engine&apos;s command line.</source>
        <translation>Geben Sie die Befehlszeile der Engine an.</translation>
    </message>
    <message>
        <source>No more than %1 engines can be registered.</source>
        <translation>Es lassen sich höchstens %1 Engines eintragen.</translation>
    </message>
    <message>
        <source>Asking %1 which protocol it speaks...</source>
        <translation>%1 wird nach seinem Protokoll gefragt...</translation>
    </message>
    <message>
        <source>%1 was not added: %2</source>
        <translation>%1 wurde nicht hinzugefügt: %2</translation>
    </message>
    <message>
        <source>%1 added (%2).</source>
        <translation>%1 hinzugefügt (%2).</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
</context>
<context>
    <name>TEvalGraph</name>
    <message>
        <source>Value of the position for Black; click to show it</source>
        <translation>Wert der Stellung für Schwarz; zum Anzeigen klicken</translation>
    </message>
    <message>
        <source>Black ahead above the line</source>
        <translation>Über der Linie liegt Schwarz vorn</translation>
    </message>
</context>
<context>
    <name>TFileReason</name>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is far too large to be a game</source>
        <translation>die Datei ist viel zu groß für ein Spiel</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>the computer is thinking</source>
        <translation>der Computer denkt gerade nach</translation>
    </message>
    <message>
        <source>the file cannot be created: %1</source>
        <translation>die Datei lässt sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>the file cannot be replaced: %1</source>
        <translation>die Datei lässt sich nicht ersetzen: %1</translation>
    </message>
    <message>
        <source>the file cannot be written (is the disk full?)</source>
        <translation>die Datei lässt sich nicht schreiben (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>numbers follow the current move</source>
        <translation>nach dem aktuellen Zug folgen noch Zahlen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file cannot be written: %1</source>
        <translation>die Datei lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>the file is far too large</source>
        <translation>die Datei ist viel zu groß</translation>
    </message>
    <message>
        <source>the file holds a NUL byte</source>
        <translation>die Datei enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>the file would be far too large</source>
        <translation>die Datei würde viel zu groß</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>another copy of the program (process %1) is writing it</source>
        <translation>ein anderes Exemplar des Programms (Prozess %1) schreibt sie gerade</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the move count %1 is not between %2 and %3</source>
        <translation>die Zahl der Züge, %1, liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>the current move %1 is not between %2 and %3</source>
        <translation>der aktuelle Zug %1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>move %1 (%2) is not a legal move</source>
        <translation>Zug %1 (%2) ist kein gültiger Zug</translation>
    </message>
    <message>
        <source>move %1, %2 (%3) is not a legal move</source>
        <translation>Zug %1, %2 (%3) ist kein gültiger Zug</translation>
    </message>
    <message>
        <source>move %1, %2: %3</source>
        <translation>Zug %1, %2: %3</translation>
    </message>
    <message>
        <source>not a square</source>
        <translation>kein Feld</translation>
    </message>
    <message>
        <source>it is Black&apos;s turn</source>
        <translation>Schwarz ist am Zug</translation>
    </message>
    <message>
        <source>it is White&apos;s turn</source>
        <translation>Weiß ist am Zug</translation>
    </message>
    <message>
        <source>not a legal move for Black</source>
        <translation>kein gültiger Zug für Schwarz</translation>
    </message>
    <message>
        <source>not a legal move for White</source>
        <translation>kein gültiger Zug für Weiß</translation>
    </message>
    <message>
        <source>Black has a legal move and cannot pass</source>
        <translation>Schwarz hat einen gültigen Zug und kann nicht passen</translation>
    </message>
    <message>
        <source>White has a legal move and cannot pass</source>
        <translation>Weiß hat einen gültigen Zug und kann nicht passen</translation>
    </message>
    <message>
        <source>the game is over</source>
        <translation>das Spiel ist zu Ende</translation>
    </message>
    <message>
        <source>the text is far too long to be a game</source>
        <translation>der Text ist viel zu lang für ein Spiel</translation>
    </message>
    <message>
        <source>the text is far too long to be a board</source>
        <translation>der Text ist viel zu lang für ein Brett</translation>
    </message>
    <message>
        <source>the board has %1 squares, not %2, and no side to move</source>
        <translation>das Brett hat %1 Felder, nicht %2, und keine Seite am Zug</translation>
    </message>
    <message>
        <source>square %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>%1 is not X, O or -</source>
        <translation>%1 ist nicht X, O oder -</translation>
    </message>
    <message>
        <source>the side to move (X or O) is missing after the %1 squares</source>
        <translation>die Seite am Zug (X oder O) fehlt nach den %1 Feldern</translation>
    </message>
    <message>
        <source>%1 is not a side to move (X or O)</source>
        <translation>%1 ist keine Seite am Zug (X oder O)</translation>
    </message>
    <message>
        <source>unexpected %1 after the side to move</source>
        <translation>unerwartetes %1 nach der Seite am Zug</translation>
    </message>
    <message>
        <source>no GGF game: %1</source>
        <translation>kein GGF-Spiel: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>the game does not end with %1</source>
        <translation>das Spiel endet nicht mit %1</translation>
    </message>
    <message>
        <source>the game is %1, not Othello</source>
        <translation>das Spiel ist %1, nicht Othello</translation>
    </message>
    <message>
        <source>unexpected %1 at character %2</source>
        <translation>unerwartetes %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>the clipboard holds no text</source>
        <translation>die Zwischenablage enthält keinen Text</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a key nor a comment</source>
        <translation>Zeile %1 ist weder ein Abschnitt noch ein Schlüssel noch ein Kommentar</translation>
    </message>
    <message>
        <source>%1 lacks %2</source>
        <translation>in %1 fehlt %2</translation>
    </message>
    <message>
        <source>%1 holds twice %2</source>
        <translation>%1 enthält zweimal %2</translation>
    </message>
    <message>
        <source>%1 holds the unknown key %2</source>
        <translation>%1 enthält den unbekannten Schlüssel %2</translation>
    </message>
    <message>
        <source>its format %1 is not one this program knows</source>
        <translation>ihr Format %1 kennt dieses Programm nicht</translation>
    </message>
    <message>
        <source>%1 has no readable name</source>
        <translation>%1 hat keinen lesbaren Namen</translation>
    </message>
    <message>
        <source>%1 names an opponent again</source>
        <translation>%1 nennt einen Gegner ein zweites Mal</translation>
    </message>
    <message>
        <source>it names more than %1 opponents</source>
        <translation>sie nennt mehr als %1 Gegner</translation>
    </message>
    <message>
        <source>%1 in %2 is not a count of games</source>
        <translation>%1 in %2 ist keine Anzahl von Partien</translation>
    </message>
    <message>
        <source>%1 in %2 is not the sum of its games&apos; margins</source>
        <translation>%1 in %2 ist nicht die Summe der Differenzen seiner Partien</translation>
    </message>
    <message>
        <source>it holds keys before its first section</source>
        <translation>sie enthält Schlüssel vor ihrem ersten Abschnitt</translation>
    </message>
    <message>
        <source>it holds the unknown section %1</source>
        <translation>sie enthält den unbekannten Abschnitt %1</translation>
    </message>
    <message>
        <source>it lacks the section %1</source>
        <translation>ihr fehlt der Abschnitt %1</translation>
    </message>
    <message>
        <source>it cannot be read as an INI file</source>
        <translation>sie lässt sich nicht als INI-Datei lesen</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>zum Lesen fehlt der Speicher</translation>
    </message>
    <message>
        <source>its lock cannot be created: %1</source>
        <translation>ihre Sperre kann nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>All Games (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</source>
        <translation>Alle Spiele (*.rgm *.RGM *.ggf *.GGF *.txt *.TXT)</translation>
    </message>
    <message>
        <source>Game Files (*.RGM);;GGF Games (*.ggf);;Text (*.txt);;All Files (*)</source>
        <translation>Spieldateien (*.RGM);;GGF-Spiele (*.ggf);;Text (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>GGF Games (*.ggf)</source>
        <translation>GGF-Spiele (*.ggf)</translation>
    </message>
    <message>
        <source>Reversi Game Files (*.RGM)</source>
        <translation>Reversi-Spieldateien (*.RGM)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Eine Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Das aktuelle Spiel speichern</translation>
    </message>
    <message>
        <source>Copy Game</source>
        <translation>Spiel kopieren</translation>
    </message>
    <message>
        <source>Copy the moves of the game</source>
        <translation>Die Züge des Spiels kopieren</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Stellung kopieren</translation>
    </message>
    <message>
        <source>Copy the position on the board</source>
        <translation>Die Stellung auf dem Brett kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Take a move list, a board or a GGF game from the clipboard</source>
        <translation>Eine Zugliste, ein Brett oder ein GGF-Spiel aus der Zwischenablage übernehmen</translation>
    </message>
    <message>
        <source>Set Up Position...</source>
        <translation>Stellung aufbauen...</translation>
    </message>
    <message>
        <source>Start a game from a position of your own</source>
        <translation>Ein Spiel aus einer eigenen Stellung beginnen</translation>
    </message>
    <message>
        <source>The game could not be opened: the computer is thinking.
The current game is kept.</source>
        <translation>Das Spiel konnte nicht geöffnet werden: Der Computer rechnet.
Das aktuelle Spiel bleibt erhalten.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; could not be opened: %2.
The current game is kept.</source>
        <translation>Das Spiel „%1“ lässt sich nicht öffnen: %2.
Das aktuelle Spiel bleibt erhalten.</translation>
    </message>
    <message>
        <source>The game could not be saved: the computer is thinking.</source>
        <translation>Das Spiel konnte nicht gespeichert werden: Der Computer rechnet.</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Das Spiel lässt sich nicht unter „%1“ speichern: %2.</translation>
    </message>
    <message>
        <source>The clipboard holds no game that can be played: %1.
The current game is kept.</source>
        <translation>Die Zwischenablage enthält kein spielbares Spiel: %1.
Das aktuelle Spiel bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>TGameReview</name>
    <message>
        <source>Game Review</source>
        <translation>Spielanalyse</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bester</translation>
    </message>
    <message>
        <source>Best value</source>
        <translation>Bester Wert</translation>
    </message>
    <message>
        <source>Played value</source>
        <translation>Gespielter Wert</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Analysing...</source>
        <translation>Wird analysiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done; * marks exact values</source>
        <translation>Fertig; * kennzeichnet exakte Werte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>Die Analyse ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Values in discs by the analyst (%1 s per position). A move losing %2 discs or more against the best is a mistake, marked red.</source>
        <translation>Werte in Steinen nach dem Analysten (%1 s je Stellung). Ein Zug, der %2 Steine oder mehr gegenüber dem besten verliert, ist ein Fehler und rot markiert.</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
</context>
<context>
    <name>THintControl</name>
    <message>
        <source>Hint: thinking...</source>
        <translation>Tipp: wird berechnet...</translation>
    </message>
    <message>
        <source>Hint: the game is over</source>
        <translation>Tipp: das Spiel ist zu Ende</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Tipp: passen</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (exact)</source>
        <translation>Tipp: %1, %2 Steine (exakt)</translation>
    </message>
    <message>
        <source>Hint: %1, %2 discs (%3 ply search)</source>
        <translation>Tipp: %1, %2 Steine (Suche über %3 Halbzüge)</translation>
    </message>
    <message>
        <source>The analysis failed: %1</source>
        <translation>Die Analyse ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Move values in discs: exact (*)</source>
        <translation>Zugwerte in Steinen: exakt (*)</translation>
    </message>
    <message>
        <source>Move values in discs: %1 ply search</source>
        <translation>Zugwerte in Steinen: Suche über %1 Halbzüge</translation>
    </message>
</context>
<context>
    <name>THowToPlay</name>
    <message>
        <source>The rules</source>
        <translation>Die Regeln</translation>
    </message>
    <message>
        <source>Black moves first. A move puts a disc on an empty square so that it encloses one or more lines of the opponent&apos;s discs, across, down or diagonally, with another disc of the mover&apos;s at the far end; every disc enclosed turns over. A side with no such move passes. When neither side can move the game is over, and whoever has more discs wins.</source>
        <translation>Schwarz zieht zuerst. Ein Zug setzt einen Stein auf ein leeres Feld, so dass er eine oder mehrere Reihen gegnerischer Steine waagrecht, senkrecht oder diagonal einschließt, mit einem eigenen Stein am anderen Ende; jeder eingeschlossene Stein wird umgedreht. Wer keinen solchen Zug hat, passt. Kann keine Seite mehr ziehen, ist das Spiel zu Ende, und wer mehr Steine hat, gewinnt.</translation>
    </message>
    <message>
        <source>You play the colour chosen in the File menu, New Game as Black or New Game as White, and the computer answers each move; when you play White, the computer opens the game. Press Space to have the computer play the side to move instead; Edit &gt; Two Player lets two people share the board.</source>
        <translation>Sie spielen die im Menü Datei gewählte Farbe, Neues Spiel als Schwarz oder Neues Spiel als Weiß, und der Computer antwortet auf jeden Zug; spielen Sie Weiß, eröffnet der Computer die Partie. Mit der Leertaste spielt der Computer stattdessen die Seite am Zug; mit Bearbeiten &gt; Zwei Spieler teilen sich zwei Personen das Brett.</translation>
    </message>
    <message>
        <source>The keys</source>
        <translation>Die Tasten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>play a legal square</source>
        <translation>ein gültiges Feld spielen</translation>
    </message>
    <message>
        <source>A letter and a digit</source>
        <translation>Ein Buchstabe und eine Ziffer</translation>
    </message>
    <message>
        <source>play the square of that name, such as d3</source>
        <translation>das Feld dieses Namens spielen, etwa d3</translation>
    </message>
    <message>
        <source>Arrow keys, Enter</source>
        <translation>Pfeiltasten, Eingabe</translation>
    </message>
    <message>
        <source>move the cursor on the board, play the square under it</source>
        <translation>die Markierung auf dem Brett bewegen, das Feld darunter spielen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>the computer moves now, or plays the side to move</source>
        <translation>der Computer zieht sofort oder spielt die Seite am Zug</translation>
    </message>
    <message>
        <source>a hint: the best move is marked on the board</source>
        <translation>ein Tipp: der beste Zug wird auf dem Brett markiert</translation>
    </message>
    <message>
        <source>Delete, Insert</source>
        <translation>Entf, Einfg</translation>
    </message>
    <message>
        <source>take back a move, play it again</source>
        <translation>einen Zug zurücknehmen, ihn wiederholen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Strg+L</translation>
    </message>
    <message>
        <source>the level: time per move, a fixed depth, or no limit</source>
        <translation>die Spielstärke: Zeit pro Zug, feste Suchtiefe oder ohne Grenze</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+V</source>
        <translation>Strg+C, Strg+V</translation>
    </message>
    <message>
        <source>copy the game as a move list, paste a game or a board</source>
        <translation>das Spiel als Zugliste kopieren, ein Spiel oder ein Brett einfügen</translation>
    </message>
    <message>
        <source>The panels</source>
        <translation>Die Anzeigen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>the discs of each side and who is to move</source>
        <translation>die Steine jeder Seite und wer am Zug ist</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>the computer&apos;s thinking: the move it considers, its best move and evaluation (in discs, for the side it plays; positive is good for it), the depth and the positions searched</source>
        <translation>was der Computer denkt: der Zug, den er prüft, sein bester Zug und dessen Bewertung (in Steinen, für die Seite, die er spielt; positiv ist gut für ihn), die Suchtiefe und die durchsuchten Stellungen</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Beste Zugfolge</translation>
    </message>
    <message>
        <source>the moves it expects next, one line for each depth</source>
        <translation>die Züge, die er als Nächstes erwartet, eine Zeile je Suchtiefe</translation>
    </message>
    <message>
        <source>The manual page (man vezari-zaduder) says more.</source>
        <translation>Mehr steht in der Handbuchseite (man vezari-zaduder).</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>%n Sekunde pro Zug</numerusform>
            <numerusform>%n Sekunden pro Zug</numerusform>
        </translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Time per move</source>
        <translation>Zeit pro Zug</translation>
    </message>
    <message>
        <source>Fixed depth search</source>
        <translation>Feste Suchtiefe</translation>
    </message>
    <message>
        <source>Infinite time</source>
        <translation>Unbegrenzte Zeit</translation>
    </message>
    <message>
        <source>Gamma Selectivity</source>
        <translation>Gamma-Selektivität</translation>
    </message>
    <message>
        <source>Maximum Selective Depth</source>
        <translation>Maximale selektive Tiefe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Analyst as opponent</source>
        <translation>Analyst als Gegner</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Sekunden pro Zug</translation>
    </message>
    <message>
        <source>Book margin (discs)</source>
        <translation>Buchmarge (Steine)</translation>
    </message>
    <message>
        <source>Book moves within this many discs of the book&apos;s best are played at random</source>
        <translation>Buchzüge, die höchstens so viele Steine schlechter sind als der beste, werden zufällig gespielt</translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>Mean margin</source>
        <translation>Mittlere Differenz</translation>
    </message>
    <message>
        <source>Moves played next</source>
        <translation>Als Nächstes gespielte Züge</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Games that reached the position</source>
        <translation>Partien mit dieser Stellung</translation>
    </message>
    <message>
        <source>No library is open (File &gt; Open Library...).</source>
        <translation>Keine Partiesammlung geöffnet (Datei &gt; Partiesammlung öffnen...).</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>%n Partie der Sammlung erreichte diese Stellung.</numerusform>
            <numerusform>%n Partien der Sammlung erreichten diese Stellung.</numerusform>
        </translation>
    </message>
    <message>
        <source>No game of the library reached this position.</source>
        <translation>Keine Partie der Sammlung erreichte diese Stellung.</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>The settings could not be saved to %1: %2.

Close without saving them?</source>
        <translation>Die Einstellungen ließen sich nicht in %1 speichern: %2.

Ohne sie zu speichern schließen?</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Black plays %1</source>
        <translation>Schwarz spielt %1</translation>
    </message>
    <message>
        <source>White plays %1</source>
        <translation>Weiß spielt %1</translation>
    </message>
    <message>
        <source>Black has no legal move and passes</source>
        <translation>Schwarz hat keinen gültigen Zug und passt</translation>
    </message>
    <message>
        <source>White has no legal move and passes</source>
        <translation>Weiß hat keinen gültigen Zug und passt</translation>
    </message>
    <message>
        <source>%1 is not a legal move</source>
        <translation>%1 ist kein gültiger Zug</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>Export Board...</source>
        <translation>Brett exportieren...</translation>
    </message>
    <message>
        <source>Save a picture of the board as PNG or SVG</source>
        <translation>Ein Bild des Bretts als PNG oder SVG speichern</translation>
    </message>
    <message>
        <source>Copy Board as Image</source>
        <translation>Brett als Bild kopieren</translation>
    </message>
    <message>
        <source>Copy a picture of the board</source>
        <translation>Ein Bild des Bretts kopieren</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>The rules, the keys and what the panels show</source>
        <translation>Die Regeln, die Tasten und was die Anzeigen zeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Display about box</source>
        <translation>Informationen über das Programm zeigen</translation>
    </message>
    <message>
        <source>Level...</source>
        <translation>Stufe...</translation>
    </message>
    <message>
        <source>Set level of play</source>
        <translation>Die Spielstärke einstellen</translation>
    </message>
    <message>
        <source>Strict Time Limit</source>
        <translation>Zeitlimit streng einhalten</translation>
    </message>
    <message>
        <source>Never think longer than the time per move</source>
        <translation>Nie länger nachdenken als die Zeit pro Zug</translation>
    </message>
    <message>
        <source>Two Player</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Two player mode</source>
        <translation>Zwei Menschen spielen gegeneinander</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Take back a move</source>
        <translation>Einen Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Zug wiederholen</translation>
    </message>
    <message>
        <source>Move forward one move</source>
        <translation>Einen zurückgenommenen Zug wiederholen</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jetzt ziehen</translation>
    </message>
    <message>
        <source>Force the computer to play</source>
        <translation>Den Computer sofort ziehen lassen</translation>
    </message>
    <message>
        <source>Show Thinking</source>
        <translation>Überlegung zeigen</translation>
    </message>
    <message>
        <source>Display the candidate move</source>
        <translation>Den Zug zeigen, den der Computer gerade erwägt</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Gültige Züge zeigen</translation>
    </message>
    <message>
        <source>Display all legal moves</source>
        <translation>Alle gültigen Züge zeigen</translation>
    </message>
    <message>
        <source>Show Flipable Discs</source>
        <translation>Umdrehbare Steine zeigen</translation>
    </message>
    <message>
        <source>Diplay the disc that would be flipped</source>
        <translation>Die Steine zeigen, die ein Zug umdrehen würde</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Display the game statistics</source>
        <translation>Die Statistik der Suche zeigen</translation>
    </message>
    <message>
        <source>Show Best Line</source>
        <translation>Beste Zugfolge zeigen</translation>
    </message>
    <message>
        <source>Display the best line of play</source>
        <translation>Die beste Zugfolge zeigen</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Show the letters and digits of the squares around the board</source>
        <translation>Die Buchstaben und Ziffern der Felder um das Brett zeigen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Make a sound after each move</source>
        <translation>Nach jedem Zug einen Ton spielen</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>Selektiv</translation>
    </message>
    <message>
        <source>Selective search</source>
        <translation>Selektive Suche</translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message>
        <source>forfeit by %1: %2</source>
        <translation>verloren durch %1: %2</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>Black wins by %1</source>
        <translation>Schwarz gewinnt mit %1</translation>
    </message>
    <message>
        <source>White wins by %1</source>
        <translation>Weiß gewinnt mit %1</translation>
    </message>
    <message>
        <source>Game %1: %2 (Black) - %3 (White): %4</source>
        <translation>Partie %1: %2 (Schwarz) - %3 (Weiß): %4</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>analyst, levels:LEVEL (1 to 12), or gtp: and the command line of a GTP engine</source>
        <translation>analyst, levels:STUFE (1 bis 12) oder gtp: und die Befehlszeile einer GTP-Engine</translation>
    </message>
    <message>
        <source>Seconds per move</source>
        <translation>Sekunden pro Zug</translation>
    </message>
    <message>
        <source>Depth per move</source>
        <translation>Tiefe pro Zug</translation>
    </message>
    <message>
        <source>Of real games</source>
        <translation>Aus echten Partien</translation>
    </message>
    <message>
        <source>Balanced starts from seed</source>
        <translation>Ausgeglichene Anfänge aus Startwert</translation>
    </message>
    <message>
        <source>Balanced starts: random openings of 8 to 12 moves the analyst judges within two discs</source>
        <translation>Ausgeglichene Anfänge: zufällige Eröffnungen von 8 bis 12 Zügen, die der Analyst auf zwei Steine ausgeglichen bewertet</translation>
    </message>
    <message>
        <source>a file to save every game in (GGF), or nothing</source>
        <translation>eine Datei, in der jede Partie gespeichert wird (GGF), oder nichts</translation>
    </message>
    <message>
        <source>First player:</source>
        <translation>Erster Spieler:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>Zweiter Spieler:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Partien:</translation>
    </message>
    <message>
        <source>Each move:</source>
        <translation>Jeder Zug:</translation>
    </message>
    <message>
        <source>Openings:</source>
        <translation>Eröffnungen:</translation>
    </message>
    <message>
        <source>Save games:</source>
        <translation>Partien speichern:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Forfeits</source>
        <translation>Verlust durch Fehler</translation>
    </message>
    <message>
        <source>Disc margin</source>
        <translation>Steindifferenz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Margin and score with the half-width of their 95% interval</source>
        <translation>Differenz und Punkte mit der halben Breite ihres 95-%-Intervalls</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> (second)</source>
        <translation> (zweiter)</translation>
    </message>
    <message>
        <source>Playing...</source>
        <translation>Es wird gespielt...</translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>Nach %n Partie angehalten.</numerusform>
            <numerusform>Nach %n Partien angehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Match over.</source>
        <translation>Wettkampf beendet.</translation>
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
        <translation>Die Partien lassen sich nicht in %1 speichern.</translation>
    </message>
</context>
<context>
    <name>TMoveList</name>
    <message>
        <source>pass</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Züge der Partie</translation>
    </message>
    <message>
        <source>&amp;Copy Moves</source>
        <translation>Züge &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>Zug&amp;liste</translation>
    </message>
    <message>
        <source>Show the game&apos;s moves beside the board; pick one to go there</source>
        <translation>Die Züge der Partie neben dem Brett zeigen; ein gewählter Zug wird aufgesucht</translation>
    </message>
</context>
<context>
    <name>TNewGameChoice</name>
    <message>
        <source>New Game as Blac&amp;k</source>
        <translation>Neues Spiel als Sc&amp;hwarz</translation>
    </message>
    <message>
        <source>New game against the computer, you play Black</source>
        <translation>Neues Spiel gegen den Computer, Sie spielen Schwarz</translation>
    </message>
    <message>
        <source>New Game as &amp;White</source>
        <translation>Neues Spiel als W&amp;eiß</translation>
    </message>
    <message>
        <source>New game against the computer, which opens with Black</source>
        <translation>Neues Spiel gegen den Computer, der mit Schwarz eröffnet</translation>
    </message>
    <message>
        <source>New &amp;Two-Player Game</source>
        <translation>Neues Spiel für &amp;zwei Spieler</translation>
    </message>
    <message>
        <source>New game for two players at this board</source>
        <translation>Neues Spiel für zwei Spieler an diesem Brett</translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message>
        <source>Open Library</source>
        <translation>Partiesammlung öffnen</translation>
    </message>
    <message>
        <source>Game Collections (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;All Files (*)</source>
        <translation>Partiesammlungen (*.wtb *.WTB *.ggf *.GGF *.txt *.TXT);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Practise Opening</source>
        <translation>Eröffnung üben</translation>
    </message>
    <message>
        <source>The line to practise:</source>
        <translation>Die zu übende Zugfolge:</translation>
    </message>
    <message>
        <source>New &amp;Balanced Game</source>
        <translation>&amp;Ausgeglichenes neues Spiel</translation>
    </message>
    <message>
        <source>New game from a random opening that the analyst judges even</source>
        <translation>Neues Spiel aus einer zufälligen Eröffnung, die der Analyst ausgeglichen bewertet</translation>
    </message>
    <message>
        <source>Open &amp;Library...</source>
        <translation>&amp;Partiesammlung öffnen...</translation>
    </message>
    <message>
        <source>Read a collection of games and look up the position on the board in it</source>
        <translation>Eine Partiesammlung lesen und die Stellung auf dem Brett darin nachschlagen</translation>
    </message>
    <message>
        <source>Practise &amp;Opening...</source>
        <translation>&amp;Eröffnung üben...</translation>
    </message>
    <message>
        <source>Play a named opening against the computer, your moves checked against it</source>
        <translation>Eine benannte Eröffnung gegen den Computer spielen; Ihre Züge werden mit ihr verglichen</translation>
    </message>
    <message>
        <source>&amp;Book Moves</source>
        <translation>Eröffnungs&amp;buch</translation>
    </message>
    <message>
        <source>Mark the opening book&apos;s moves with their values in discs, and name the opening</source>
        <translation>Die Züge des Eröffnungsbuchs mit ihren Werten in Steinen markieren und die Eröffnung nennen</translation>
    </message>
    <message>
        <source>The opening book cannot be used: %1</source>
        <translation>Das Eröffnungsbuch lässt sich nicht verwenden: %1</translation>
    </message>
    <message>
        <source>Opening: %1</source>
        <translation>Eröffnung: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1: %2 Steine, gespielt in %n Partie</numerusform>
            <numerusform>%1: %2 Steine, gespielt in %n Partien</numerusform>
        </translation>
    </message>
    <message>
        <source>Practising the %1: %2</source>
        <translation>Eröffnung %1 üben: %2</translation>
    </message>
    <message>
        <source>%1 leaves the %2: the line plays %3.</source>
        <translation>%1 verlässt die Eröffnung %2: sie spielt %3.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 and %3 at %4 discs: %5 discs less.</source>
        <translation>Das Buch bewertet %1 mit %2 und %3 mit %4 Steinen: %5 Steine weniger.</translation>
    </message>
    <message>
        <source>The book values %1 at %2 discs and does not know %3.</source>
        <translation>Das Buch bewertet %1 mit %2 Steinen und kennt %3 nicht.</translation>
    </message>
    <message>
        <source>The %1 is played to its end.</source>
        <translation>Die Eröffnung %1 ist zu Ende gespielt.</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Partiesammlung</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>it holds no readable game</source>
        <translation>sie enthält keine lesbare Partie</translation>
    </message>
    <message>
        <source>Cannot open the library %1: %2</source>
        <translation>Die Partiesammlung %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>Partiesammlung %1: %n Partie</numerusform>
            <numerusform>Partiesammlung %1: %n Partien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>(%n Eintrag abgelehnt; der erste, Eintrag %1: %2)</numerusform>
            <numerusform>(%n Einträge abgelehnt; der erste, Eintrag %1: %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>The library holds games from the standard start only.</source>
        <translation>Die Partiesammlung enthält nur Partien aus der Grundstellung.</translation>
    </message>
    <message>
        <source>%1 against %2 from the library</source>
        <translation>%1 gegen %2 aus der Partiesammlung</translation>
    </message>
    <message>
        <source>Looking for a balanced start...</source>
        <translation>Ein ausgeglichener Anfang wird gesucht...</translation>
    </message>
    <message>
        <source>No balanced start was found; try again.</source>
        <translation>Kein ausgeglichener Anfang gefunden; versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Balanced start %1: %2 (%3 discs for the side to move)</source>
        <translation>Ausgeglichener Anfang %1: %2 (%3 Steine für die Seite am Zug)</translation>
    </message>
</context>
<context>
    <name>TPassBox</name>
    <message>
        <source>You must pass</source>
        <translation>Sie müssen passen</translation>
    </message>
</context>
<context>
    <name>TPlayBar</name>
    <message>
        <source>|Take back a move</source>
        <translation>|Einen Zug zurücknehmen</translation>
    </message>
    <message>
        <source>|Force the computer to play</source>
        <translation>|Den Computer sofort ziehen lassen</translation>
    </message>
    <message>
        <source>|Move forward one move</source>
        <translation>|Einen zurückgenommenen Zug wiederholen</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Rechnet</translation>
    </message>
    <message>
        <source>Take Back</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Move Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Move Now</source>
        <translation>Jetzt ziehen</translation>
    </message>
    <message>
        <source>Move now</source>
        <translation>Jetzt ziehen</translation>
    </message>
</context>
<context>
    <name>TReversi</name>
    <message>
        <source>Reversi</source>
        <translation>Reversi</translation>
    </message>
    <message>
        <source>You must pass</source>
        <translation>Sie müssen passen</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, schwarz</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, weiß</translation>
    </message>
    <message>
        <source>%1, empty, legal move</source>
        <translation>%1, leer, gültiger Zug</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
</context>
<context>
    <name>TSetupDialog</name>
    <message>
        <source>Set Up Position</source>
        <translation>Stellung aufbauen</translation>
    </message>
    <message>
        <source>Empty Board</source>
        <translation>Leeres Brett</translation>
    </message>
    <message>
        <source>Standard Start</source>
        <translation>Grundstellung</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Schwarz am Zug</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Weiß am Zug</translation>
    </message>
    <message>
        <source>The position has no white disc; place at least one of each colour.</source>
        <translation>Die Stellung hat keinen weißen Stein; setzen Sie mindestens einen jeder Farbe.</translation>
    </message>
    <message>
        <source>The position has no black disc; place at least one of each colour.</source>
        <translation>Die Stellung hat keinen schwarzen Stein; setzen Sie mindestens einen jeder Farbe.</translation>
    </message>
    <message>
        <source>Click a square to put a black disc, a white disc or none on it in turn; the right button goes the other way.</source>
        <translation>Ein Klick auf ein Feld setzt reihum einen schwarzen Stein, einen weißen Stein oder keinen; die rechte Maustaste geht andersherum.</translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Best Line</source>
        <translation>Beste Zugfolge</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>White discs</source>
        <translation>Weiße Steine</translation>
    </message>
    <message>
        <source>Black discs</source>
        <translation>Schwarze Steine</translation>
    </message>
    <message>
        <source>To Move</source>
        <translation>Am Zug</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Weiß am Zug</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Schwarz am Zug</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Candidate Move</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Considering</source>
        <translation>Untersucht</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Root move, then deepest depth</source>
        <translation>Untersuchter Zug, danach größte Tiefe</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Black wins %1 : %2</source>
        <translation>Schwarz gewinnt %1 : %2</translation>
    </message>
    <message>
        <source>White wins %1 : %2</source>
        <translation>Weiß gewinnt %1 : %2</translation>
    </message>
    <message>
        <source>Draw %1 : %2</source>
        <translation>Unentschieden %1 : %2</translation>
    </message>
    <message>
        <source>Infinite thinking time</source>
        <translation>Unbegrenzte Bedenkzeit</translation>
    </message>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>Suche über %n Halbzug</numerusform>
            <numerusform>Suche über %n Halbzüge</numerusform>
        </translation>
    </message>
    <message>
        <source>White passes — Black to move</source>
        <translation>Weiß passt — Schwarz am Zug</translation>
    </message>
    <message>
        <source>Black passes — White to move</source>
        <translation>Schwarz passt — Weiß am Zug</translation>
    </message>
    <message>
        <source>White passes again (%1) — Black to move</source>
        <translation>Weiß passt erneut (%1) — Schwarz am Zug</translation>
    </message>
    <message>
        <source>Black passes again (%1) — White to move</source>
        <translation>Schwarz passt erneut (%1) — Weiß am Zug</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>passt (%1)</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exakt</translation>
    </message>
    <message>
        <source>book</source>
        <translation>Buch</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>The game that will send you flipping mad!!</source>
        <translation>Das Spiel, bei dem Sie vor lauter Umdrehen durchdrehen!!</translation>
    </message>
</context>
<context>
    <name>TToolbar</name>
    <message>
        <source>|Open a game file</source>
        <translation>|Eine Spieldatei öffnen</translation>
    </message>
    <message>
        <source>|Save a game file</source>
        <translation>|Das Spiel in einer Datei speichern</translation>
    </message>
    <message>
        <source>|New game</source>
        <translation>|Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
</context>
<context>
    <name>TUndoMyMove</name>
    <message>
        <source>&amp;Undo My Move</source>
        <translation>Eigenen Zug zu&amp;rücknehmen</translation>
    </message>
    <message>
        <source>Take back your last move and the computer&apos;s answer</source>
        <translation>Den eigenen letzten Zug und die Antwort des Computers zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo My Move</source>
        <translation>Eigenen Zug &amp;wiederholen</translation>
    </message>
    <message>
        <source>Play your move taken back and the computer&apos;s answer again</source>
        <translation>Den zurückgenommenen Zug und die Antwort des Computers wieder ausführen</translation>
    </message>
</context>
<context>
    <name>TVersionLabel</name>
    <message>
        <source>File Version:</source>
        <translation>Dateiversion:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>File Description:</source>
        <translation>Dateibeschreibung:</translation>
    </message>
    <message>
        <source>Internal Name:</source>
        <translation>Interner Name:</translation>
    </message>
    <message>
        <source>Legal Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Original Filename:</source>
        <translation>Ursprünglicher Dateiname:</translation>
    </message>
    <message>
        <source>Product Name:</source>
        <translation>Produktname:</translation>
    </message>
    <message>
        <source>Product Version:</source>
        <translation>Produktversion:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Merkmale:</translation>
    </message>
    <message>
        <source>&lt; No design info &gt;</source>
        <translation>&lt; Keine Entwurfsangaben &gt;</translation>
    </message>
    <message>
        <source>&lt; No Data Available &gt;</source>
        <translation>&lt; Keine Daten vorhanden &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving version info &gt;</source>
        <translation>&lt; Fehler beim Lesen der Versionsangaben &gt;</translation>
    </message>
    <message>
        <source>&lt; Error retrieving translation info &gt;</source>
        <translation>&lt; Fehler beim Lesen der Sprachangaben &gt;</translation>
    </message>
    <message>
        <source>&lt; No Version Info &gt;</source>
        <translation>&lt; Keine Versionsangaben &gt;</translation>
    </message>
    <message>
        <source>, Debug Build</source>
        <translation>, Debug-Build</translation>
    </message>
    <message>
        <source>, Pre-Release Build</source>
        <translation>, Vorabversion</translation>
    </message>
    <message>
        <source>, Patched Build</source>
        <translation>, Gepatchte Version</translation>
    </message>
    <message>
        <source>, Private Build</source>
        <translation>, Private Version</translation>
    </message>
    <message>
        <source>, InfoInferred</source>
        <translation>, Angaben erschlossen</translation>
    </message>
    <message>
        <source>, Special Build</source>
        <translation>, Sonderversion</translation>
    </message>
</context>
<context>
    <name>TGamesPlayed</name>
    <message>
        <source>&amp;Games Played...</source>
        <translation>&amp;Gespielte Partien...</translation>
    </message>
    <message>
        <source>Your wins, draws and losses against each opponent</source>
        <translation>Die eigenen Siege, Unentschieden und Niederlagen gegen jeden Gegner</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Partien</translation>
    </message>
    <message>
        <source>Analyst: Strong</source>
        <translation>Analyst: stark</translation>
    </message>
    <message>
        <source>Analyst: Good</source>
        <translation>Analyst: gut</translation>
    </message>
    <message>
        <source>Analyst: Club</source>
        <translation>Analyst: Verein</translation>
    </message>
    <message>
        <source>Analyst: Beginner</source>
        <translation>Analyst: Anfänger</translation>
    </message>
    <message>
        <source>Engine: %1</source>
        <translation>Engine: %1</translation>
    </message>
    <message>
        <source>The game could not be counted in %1: %2.</source>
        <translation>Die Partie konnte nicht in %1 gezählt werden: %2.</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Average Margin</source>
        <translation>Mittlere Differenz</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It is left as it is; games are not counted in it until it is repaired or the statistics are reset.</source>
        <translation>%1 kann nicht gelesen werden: %2. Die Datei bleibt, wie sie ist; Partien werden darin erst wieder gezählt, wenn sie repariert oder die Statistik zurückgesetzt ist.</translation>
    </message>
    <message>
        <source>No game against the computer has been counted yet.</source>
        <translation>Noch ist keine Partie gegen den Computer gezählt.</translation>
    </message>
    <message>
        <source>Your games against the computer, kept in %1; the margin is your discs less the computer&apos;s.</source>
        <translation>Die eigenen Partien gegen den Computer, gespeichert in %1; die Differenz sind die eigenen Steine abzüglich der des Computers.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>%n Partie dieser Sitzung konnte noch nicht gezählt werden.</numerusform>
            <numerusform>%n Partien dieser Sitzung konnten noch nicht gezählt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget all games counted so far? This cannot be undone.</source>
        <translation>Alle bisher gezählten Partien vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>%1 could not be reset: %2.</source>
        <translation>%1 konnte nicht zurückgesetzt werden: %2.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Stufe: %1</translation>
    </message>
</context>
<context>
    <name>TStrongLevel</name>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Plays its best move.</source>
        <translation>Spielt seinen besten Zug.</translation>
    </message>
    <message>
        <source>Loses up to %1 discs a move.</source>
        <translation>Verliert bis zu %1 Steine pro Zug.</translation>
    </message>
    <message>
        <source>Analyst: %1, %2 s a move</source>
        <translation>Analyst: %1, %2 s pro Zug</translation>
    </message>
</context>
<context>
    <name>TAnimateFlips</name>
    <message>
        <source>Animate Flips</source>
        <translation>Steine animiert umdrehen</translation>
    </message>
    <message>
        <source>Turn the discs a move flips over in a short animation</source>
        <translation>Die Steine, die ein Zug umdreht, in einer kurzen Animation wenden</translation>
    </message>
</context>
</TS>
