// The game's command line:
//
//   vezari-zaduder [-h|--help] [-v|--version] [FILE]
//
// It is read before the application object exists, since that needs a
// display: --help, --version and a mistake are answered on the standard
// streams without one, and FILE waits for the main window.
#pragma once

#include <QString>
#include <QStringList>

struct TCommandLine {
  enum TAction { Play, Help, Version, Mistake };
  TAction Action = Play;
  QString GameFile;  // Play: the game to open once the window is up; empty for none
  QString Problem;   // Mistake: what is wrong, for the user
};

// The process's arguments, the program's name first, decoded as Qt decodes
// them.
QStringList ArgumentsOf(int argc, const char* const* argv);

// Reads the arguments (the program's name first). Qt's own options
// (-platform, -style, -qwindowgeometry, ... with their values) pass for the
// application object to take; anything else that looks like an option, a
// second FILE or an empty one is a mistake.
TCommandLine ParseCommandLine(const QStringList& arguments);

// The text --help prints.
QString CommandLineUsage();

// "vezari-zaduder <file version>" and the copyright line, from the version
// data linked into executable; empty when that cannot be read.
QString VersionText(const QString& executable);

// Prints what Help, Version and Mistake ask for and returns the exit status:
// 0, or 2 after a mistake (the usage goes to the error stream), or 1 when
// the version data cannot be read.
int AnswerCommandLine(const TCommandLine& line, const QString& executable);
